// The size the user chooses for everything shown: every screen and the help
// follow it at once, keep their controls where they were relative to each
// other, never leave the free area of the desktop, and the size is remembered.
// These tests also run with the desktop's own scaling at 2, and on a desktop
// of 1024x768.

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"
#include "app/ui/TfrmTitlepage.h"
#include "grid/ui/StringGrid.h"
#include "results/ui/ChartWindow.h"
#include "screens/ui/QtDialogs.h"
#include "screens/ui/ScreenWindow.h"
#include "sizing/ui/ViewMarks.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr Screen kAllScreens[] = {Screen::Title,  Screen::Results,   Screen::IRAs,
                                  Screen::Debt,   Screen::Earnings,  Screen::Entitlements,
                                  Screen::Equity, Screen::DataInput, Screen::YearsAhead};

// The controls of each screen that are seen without scrolling at every size.
const std::map<Screen, std::vector<const char*>> kAlwaysSeen{
    {Screen::Title, {"btnEnterData", "btnExit"}},
    {Screen::DataInput,
     {"btnReturnToTiltleScreen", "btnResults", "btnExit", "btnEarn", "btnEntitlements", "btnIRAs",
      "btnDebt", "btnStocks"}},
    {Screen::IRAs, {"btnDeleteRowIRA", "btnDeleteRowRoth", "btnReturnToMiscInput"}},
    {Screen::Debt, {"btnDeleteLine", "btnReturnToMiscInput"}},
    {Screen::Equity, {"btnDeleteLine", "btnReturnToMiscInput"}},
    {Screen::Earnings, {"btnReturnToDataInput"}},
    {Screen::Entitlements, {"btnReturnToDataInput"}},
    {Screen::YearsAhead, {"btnReturn"}},
    {Screen::Results,
     {"editTotalInvestments", "lblInvestmentTotal", "editWithDrawalNeeded", "lblWithdrawalNeeded",
      "btnReturn", "btnYearsAhead", "btnTaxWorking"}},
};

// Type size in pixels, whether the font was given in points or pixels.
double PixelSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
}

void SettleLayouts() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

class ScreenSizeTest : public ::testing::Test {
protected:
    // The controls are found by the names that the outside tests see.
    void SetUp() override { qputenv("VELMORA_ACCESSIBLE_IDS", "1"); }
    void TearDown() override { qunsetenv("VELMORA_ACCESSIBLE_IDS"); }

    std::unique_ptr<Application> Start() {
        EXPECT_TRUE(test::MarkStarted()); // no welcome
        auto app = std::make_unique<Application>(
            dialogs, store, test::TestOptions([] {}, work.File("settings.ini")));
        app->Start();
        return app;
    }

    // Every documented control of a screen (each carries its name as its
    // description) that is shown: its place within the screen's content.
    static std::map<QString, QRect> Places(const QWidget& screen) {
        const auto* scroll = screen.findChild<QScrollArea*>(QStringLiteral("scrollScreen"));
        EXPECT_NE(scroll, nullptr);
        const QWidget* content = scroll->widget();
        std::map<QString, QRect> places;
        for (const QWidget* control : content->findChildren<QWidget*>()) {
            if (!control->accessibleDescription().isEmpty() && control->isVisibleTo(&screen)) {
                places[control->accessibleDescription()] =
                    QRect(control->mapTo(content, QPoint(0, 0)), control->size());
            }
        }
        return places;
    }

    // The window with its frame lies within the free area of its screen.
    static void ExpectOnScreen(const QWidget& window) {
        const QRect area = window.screen()->availableGeometry();
        EXPECT_TRUE(area.contains(window.frameGeometry()))
            << window.windowTitle().toStdString() << ": " << window.frameGeometry().width() << "x"
            << window.frameGeometry().height() << " at " << window.frameGeometry().x() << ","
            << window.frameGeometry().y() << " in " << area.width() << "x" << area.height();
    }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
};

TEST_F(ScreenSizeTest, At200PercentEveryScreenKeepsItsLayoutAndStaysOnTheScreen) {
    auto app = Start();
    EXPECT_EQ(app->Size().Percent(), 100) << "the screens as designed, at first";
    for (Screen screen : kAllScreens) {
        app->Show(screen);
        QWidget* window = app->ScreenWidget(screen);
        const std::string title = window->windowTitle().toStdString();
        SettleLayouts();
        ExpectOnScreen(*window);
        const std::map<QString, QRect> normal = Places(*window);
        ASSERT_GE(normal.size(), 3u) << title;
        const auto* kept = window->findChild<QWidget*>(QStringLiteral("pnlKeptInView"));
        ASSERT_NE(kept, nullptr) << title;
        const bool fitsAsDesigned = !kept->isVisible();
        std::map<QString, double> typeSizes;
        for (const auto& [name, place] : normal) {
            typeSizes[name] =
                PixelSize(window->findChild<QWidget*>(name, Qt::FindChildrenRecursively)->font());
        }

        app->Size().SetPercent(200);
        SettleLayouts();
        ExpectOnScreen(*window);
        const std::map<QString, QRect> large = Places(*window);
        // A screen larger than the desktop keeps some parts in view below its
        // content; the rest of its content then shares their room.
        const bool fits = fitsAsDesigned && !kept->isVisible();
        for (const auto& [name, place] : normal) {
            const std::string control = title + " " + name.toStdString();
            const QWidget* shown = window->findChild<QWidget*>(name);
            if (large.count(name) == 0) {
                // Too large for the desktop: it stands below the content now.
                EXPECT_GE(KeptInViewGroup(*shown), 0) << control;
                EXPECT_TRUE(shown->isVisible()) << control;
                continue;
            }
            const QRect now = large.at(name);
            const QWidget* widget = window->findChild<QWidget*>(name);
            EXPECT_NEAR(PixelSize(widget->font()), 2 * typeSizes[name], 1.0) << control;
            if (!fits) {
                continue;
            }
            // Twice as far from the content's corner, within a few pixels of
            // rounding and of type that does not grow exactly twice as wide.
            EXPECT_NEAR(now.x(), 2 * place.x(), 6 + 0.03 * place.x()) << control;
            EXPECT_NEAR(now.y(), 2 * place.y(), 6 + 0.03 * place.y()) << control;
            EXPECT_NEAR(now.width(), 2 * place.width(), 20 + 0.1 * place.width()) << control;
            EXPECT_NEAR(now.height(), 2 * place.height(), 20 + 0.1 * place.height()) << control;
        }
        app->Size().SetPercent(100);
        SettleLayouts();
        // A part fitted in view is as wide as the view lets it be, which
        // depends on the window's frame once known: its place is what counts.
        std::map<QString, QRect> back = Places(*window);
        std::map<QString, QRect> before = normal;
        for (auto* places : {&back, &before}) {
            for (auto& [name, place] : *places) {
                if (FitsInView(*window->findChild<QWidget*>(name))) {
                    place.setSize(QSize());
                }
            }
        }
        EXPECT_EQ(back, before) << title << ": back as it was";
    }
}

TEST_F(ScreenSizeTest, AtTheLargestSizeEveryScreenScrollsRatherThanLeaveTheScreen) {
    auto app = Start();
    app->Size().SetPercent(250);
    for (Screen screen : kAllScreens) {
        app->Show(screen);
        SettleLayouts();
        ExpectOnScreen(*app->ScreenWidget(screen));
    }
    app->HelpContents();
    ExpectOnScreen(app->Help());
    // The charts that the results screen opens beside itself follow the size too.
    app->Show(Screen::Results);
    QWidget* results = app->ScreenWidget(Screen::Results);
    results->findChild<QAction*>(QStringLiteral("mnuCharts"))->trigger();
    auto* charts = results->findChild<QWidget*>(QStringLiteral("ChartWindow"));
    ASSERT_NE(charts, nullptr);
    EXPECT_TRUE(charts->isVisible());
    ExpectOnScreen(*charts);
    EXPECT_NEAR(PixelSize(charts->font()), 2.5 * PixelSize(QApplication::font()), 1.0);

    // So do message boxes and the file and print dialogs.
    QMessageBox box;
    box.ensurePolished();
    EXPECT_NEAR(PixelSize(box.font()), 2.5 * PixelSize(QApplication::font()), 1.0);
}

TEST_F(ScreenSizeTest, AtEverySizeEveryScreenFitsTheDesktopWithItsButtonsInView) {
    auto app = Start();
    for (const int percent : {100, 150, 200, 250}) {
        app->Size().SetPercent(percent);
        for (Screen screen : kAllScreens) {
            app->Show(screen);
            SettleLayouts();
            QWidget* window = app->ScreenWidget(screen);
            const std::string title =
                window->windowTitle().toStdString() + " at " + std::to_string(percent) + " %";
            ExpectOnScreen(*window);
            EXPECT_LT(window->frameGeometry().top(), window->geometry().top())
                << title << ": the title bar above the window, on the desktop";
            // For looking at: VELMORA_SCREENSHOT_DIR=/tmp/shots keeps a picture of each.
            if (const QString shots = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
                !shots.isEmpty()) {
                window->grab().save(
                    QStringLiteral("%1/%2-%3.png").arg(shots, window->objectName()).arg(percent));
            }

            const auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("scrollScreen"));
            const QRect viewport(scroll->viewport()->mapTo(window, QPoint(0, 0)),
                                 scroll->viewport()->size());
            for (const char* name : kAlwaysSeen.at(screen)) {
                const auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
                ASSERT_NE(control, nullptr) << title << " " << name;
                EXPECT_TRUE(control->isVisible()) << title << " " << name;
                const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
                EXPECT_TRUE(window->rect().contains(place)) << title << " " << name;
                if (scroll->widget()->isAncestorOf(control)) {
                    EXPECT_TRUE(viewport.contains(place))
                        << title << " " << name << " needs scrolling";
                }
            }
            // Content that the desktop has room for is shown whole: no scroll
            // bar in that direction, not even for a few pixels. (The room left
            // is for the frame, and a scroll bar the other way.)
            const QRect area = window->screen()->availableGeometry();
            const QSize content = scroll->widget()->minimumSize();
            const int around = window->height() - scroll->height(); // menu, parts kept in view
            if (content.width() + 40 < area.width()) {
                EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << title;
            }
            if (content.height() + around + 80 < area.height()) {
                EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << title;
            }
        }
    }
    // Back to the designed size, the buttons stand in their screen again.
    app->Size().Normal();
    const QWidget* input = app->ScreenWidget(Screen::DataInput);
    const auto* scroll = input->findChild<QScrollArea*>(QStringLiteral("scrollScreen"));
    if (input->screen()->availableGeometry().width() >= 1024) { // where it fits as designed
        EXPECT_TRUE(scroll->widget()->isAncestorOf(
            input->findChild<QWidget*>(QStringLiteral("btnResults"))));
    }
}

// Runs `check` on the next modal dialog, once it shows, then closes it.
class DialogCheck {
public:
    explicit DialogCheck(std::function<void(QDialog&)> check) : check_(std::move(check)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start(10);
    }
    bool Seen() const { return seen_; }

private:
    void Look() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        timer_.stop();
        seen_ = true;
        QTest::qWait(50); // the dialog finishes fitting itself once it has shown
        SettleLayouts();
        check_(*dialog);
        dialog->reject();
    }

    std::function<void(QDialog&)> check_;
    QTimer timer_;
    bool seen_ = false;
};

// The dialog, with its frame, and each of its buttons lie in the free area of the desktop.
void ExpectInsideDesktop(const QDialog& dialog, const std::string& what) {
    const QRect area = dialog.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(dialog.frameGeometry()))
        << what << ": " << dialog.frameGeometry().width() << "x" << dialog.frameGeometry().height()
        << " at " << dialog.frameGeometry().x() << "," << dialog.frameGeometry().y();
    int buttons = 0;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty()) {
            ++buttons;
            const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
            EXPECT_TRUE(area.contains(place)) << what << ": " << button->text().toStdString();
            EXPECT_TRUE(
                dialog.rect().contains(QRect(button->mapTo(&dialog, QPoint(0, 0)), button->size())))
                << what << ": " << button->text().toStdString() << " cut off";
        }
    }
    EXPECT_GT(buttons, 0) << what;
}

TEST_F(ScreenSizeTest, AtTheLargestSizeFileDialogsAndMessageBoxesFitTheDesktop) {
    auto app = Start();
    app->Size().SetPercent(250);
    app->Show(Screen::Results);
    SettleLayouts();
    auto* results = app->ScreenWidget(Screen::Results);
    auto* pdf = results->findChild<QAction*>(QStringLiteral("mnuSaveReportPdf"));
    ASSERT_NE(pdf, nullptr);
    const DialogCheck file([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save Report as PDF");
        ExpectInsideDesktop(dialog, "the file dialog");
    });
    pdf->trigger();
    EXPECT_TRUE(file.Seen());

    // An error box with a long text wraps it in lines of a readable width,
    // and is never taller than the desktop.
    const DialogCheck error([](QDialog& dialog) {
        ExpectInsideDesktop(dialog, "the error box");
        const auto* text = dialog.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(text, nullptr);
        EXPECT_GE(text->width(), 30 * text->fontMetrics().averageCharWidth())
            << "a column of a few words each line";
    });
    results->activateWindow();
    QtDialogs().Error(QStringLiteral("Could not save \"/home/someone/Documents/Velmora Report "
                                     "2026.pdf\": No space left on device; the report before "
                                     "it is kept as it was, and nothing else was changed"));
    EXPECT_TRUE(error.Seen());
}

TEST_F(ScreenSizeTest, KeysAndTheViewMenuChangeEveryScreenAndTheHelpTogether) {
    auto app = Start();
    app->HelpContents();
    const double helpType = PixelSize(app->Help().Browser()->font());
    auto* hiddenButton =
        app->ScreenWidget(Screen::Debt)->findChild<QPushButton*>(QStringLiteral("btnDeleteLine"));
    const double buttonType = PixelSize(hiddenButton->font());

    app->Show(Screen::DataInput);
    QWidget* input = app->ScreenWidget(Screen::DataInput);
    ASSERT_TRUE(test::ShowAndActivate(*input));
    test::PressKey(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(app->Size().Percent(), 125);
    EXPECT_NEAR(PixelSize(hiddenButton->font()), 1.25 * buttonType, 1.0) << "hidden screens too";
    EXPECT_NEAR(PixelSize(app->Help().Browser()->font()), 1.25 * helpType, 1.0);
    test::PressKey(Qt::Key_Equal, Qt::ControlModifier); // the + key without Shift
    EXPECT_EQ(app->Size().Percent(), 150);
    test::PressKey(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(app->Size().Percent(), 125);
    test::PressKey(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(app->Size().Percent(), 100);
    EXPECT_NEAR(PixelSize(hiddenButton->font()), buttonType, 0.01);
    test::PressKey(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(app->Size().Percent(), 100) << "no smaller than as designed";

    // A screen without a menu bar knows the keys too.
    app->Show(Screen::IRAs);
    ASSERT_TRUE(test::ShowAndActivate(*app->ScreenWidget(Screen::IRAs)));
    for (int i = 0; i < 10; ++i) {
        test::PressKey(Qt::Key_Plus, Qt::ControlModifier);
    }
    EXPECT_EQ(app->Size().Percent(), 250) << "no larger than 250 %";

    // The screens with a menu bar offer the sizes in their View menu.
    for (Screen screen : {Screen::Title, Screen::DataInput, Screen::Results}) {
        auto* window = qobject_cast<QMainWindow*>(app->ScreenWidget(screen));
        const std::string title = window->windowTitle().toStdString();
        // The last item of the menu bar, in whichever of its rows it stands.
        const QList<QMenuBar*> rows = window->findChildren<QMenuBar*>();
        ASSERT_FALSE(rows.isEmpty()) << title;
        const auto* lastRow = *std::find_if(rows.rbegin(), rows.rend(), [](const QMenuBar* row) {
            return !row->actions().isEmpty();
        });
        EXPECT_EQ(lastRow->actions().back()->text(), "&View") << title;
        QStringList items;
        for (QAction* item : window->findChild<QMenu*>(QStringLiteral("mnuView"))->actions()) {
            items << item->text() + "\t" + item->shortcut().toString();
        }
        EXPECT_EQ(items, (QStringList{"&Larger\tCtrl++", "&Smaller\tCtrl+-", "&Normal Size\tCtrl+0",
                                      "\t", "100 %\t", "125 %\t", "150 %\t", "175 %\t", "200 %\t",
                                      "225 %\t", "250 %\t"}))
            << title;
        EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnuLarger"))->isEnabled())
            << title << ": at 250 %";
        // The size in force is the one checked.
        QStringList checked;
        for (QAction* item : window->findChild<QMenu*>(QStringLiteral("mnuView"))->actions()) {
            if (item->isChecked()) {
                checked << item->text();
            }
        }
        EXPECT_EQ(checked, QStringList{"250 %"}) << title;
    }
    auto* results = app->ScreenWidget(Screen::Results);
    results->findChild<QAction*>(QStringLiteral("mnuNormalSize"))->trigger();
    EXPECT_EQ(app->Size().Percent(), 100);
    results->findChild<QAction*>(QStringLiteral("mnuLarger"))->trigger();
    EXPECT_EQ(app->Size().Percent(), 125);
    EXPECT_TRUE(app->ScreenWidget(Screen::Title)
                    ->findChild<QAction*>(QStringLiteral("mnuSize125"))
                    ->isChecked());
    results->findChild<QAction*>(QStringLiteral("mnuSize200"))->trigger();
    EXPECT_EQ(app->Size().Percent(), 200);
}

TEST_F(ScreenSizeTest, TheChosenSizeSurvivesARestart) {
    auto app = Start();
    app->Size().SetPercent(150);
    app.reset();

    app = Start();
    EXPECT_EQ(app->Size().Percent(), 150);
    // The title's heading is set in 24 points.
    const auto* heading =
        app->ScreenWidget(Screen::Title)->findChild<QLabel*>(QStringLiteral("lblHeading"));
    EXPECT_DOUBLE_EQ(heading->font().pointSizeF(), 36.0);
    // The quick start text, filled only when first shown, follows too.
    auto* title = qobject_cast<TfrmTitlepage*>(app->ScreenWidget(Screen::Title));
    title->QuickStartInstructions1Click();
    const auto* quickStart = title->findChild<QPlainTextEdit*>(QStringLiteral("memoQuickStart"));
    const double large = quickStart->font().pointSizeF();
    app->Size().Normal();
    EXPECT_DOUBLE_EQ(quickStart->font().pointSizeF() * 1.5, large);
    EXPECT_TRUE(quickStart->font().bold());
    app.reset();

    app = Start();
    EXPECT_EQ(app->Size().Percent(), 100);
    heading = app->ScreenWidget(Screen::Title)->findChild<QLabel*>(QStringLiteral("lblHeading"));
    EXPECT_DOUBLE_EQ(heading->font().pointSizeF(), 24.0);
}

TEST_F(ScreenSizeTest, RadioButtonsCheckMarksAndScrollBarsGrowWithTheSize) {
    auto app = Start();
    app->Show(Screen::DataInput);
    const auto* single = app->ScreenWidget(Screen::DataInput)
                             ->findChild<QRadioButton*>(QStringLiteral("RadioButtonS"));
    app->Show(Screen::Results);
    const auto* grid = app->ScreenWidget(Screen::Results)->findChild<StringGrid*>("StringGrid0");
    ASSERT_NE(single, nullptr);
    ASSERT_NE(grid, nullptr);
    SettleLayouts();
    const auto metric = [](const QWidget* widget, QStyle::PixelMetric which) {
        return widget->style()->pixelMetric(which, nullptr, widget);
    };
    const int circle = metric(single, QStyle::PM_ExclusiveIndicatorWidth);
    const int box = metric(single, QStyle::PM_IndicatorHeight);
    const int bar = metric(grid, QStyle::PM_ScrollBarExtent);
    const int shownBar = grid->verticalScrollBar()->width();
    ASSERT_GT(circle, 5);
    ASSERT_GT(bar, 5);

    app->Size().SetPercent(200);
    SettleLayouts();
    EXPECT_NEAR(metric(single, QStyle::PM_ExclusiveIndicatorWidth), 2 * circle, 1);
    EXPECT_NEAR(metric(single, QStyle::PM_ExclusiveIndicatorHeight), 2 * circle, 1);
    EXPECT_NEAR(metric(single, QStyle::PM_IndicatorHeight), 2 * box, 1);
    EXPECT_NEAR(metric(grid, QStyle::PM_ScrollBarExtent), 2 * bar, 1);
    // The grid shown takes the wider scroll bar, and still has room for its three columns.
    EXPECT_NEAR(grid->verticalScrollBar()->width(), 2 * shownBar, 2);
    EXPECT_LE(grid->columnWidth(0) + grid->columnWidth(1) + grid->columnWidth(2),
              grid->viewport()->width());
    // A screen first made at 200 % measures as one that grew to it.
    const QSize grown = single->sizeHint();
    const int grownLeast = single->minimumWidth();
    {
        QMessageBox box;
        EXPECT_NEAR(metric(&box, QStyle::PM_ScrollBarExtent), 2 * bar, 1) << "dialogs too";
    }
    app.reset();
    app = Start();
    ASSERT_EQ(app->Size().Percent(), 200);
    app->Show(Screen::DataInput);
    SettleLayouts();
    single = app->ScreenWidget(Screen::DataInput)
                 ->findChild<QRadioButton*>(QStringLiteral("RadioButtonS"));
    EXPECT_NEAR(single->sizeHint().width(), grown.width(), 2);
    EXPECT_NEAR(single->minimumWidth(), grownLeast, 2) << "its circle counted once";

    app->Size().Normal();
    EXPECT_EQ(metric(single, QStyle::PM_ExclusiveIndicatorWidth), circle);
    EXPECT_EQ(metric(single, QStyle::PM_ScrollBarExtent), bar);
}

TEST_F(ScreenSizeTest, AtTheLargestSizeHelpTextsWrapWithinTheWindow) {
    auto app = Start();
    app->Size().SetPercent(250);
    // The instructions and the quick help: no line reaches past what is seen
    // of the screen, nor needs the text box to scroll sideways; the text box
    // and its button are seen whole, wherever the screen was scrolled to.
    struct HelpText {
        Screen screen;
        const char* item;
        const char* button;
    };
    for (const HelpText& help :
         {HelpText{Screen::DataInput, "DataEntryInstructions1", "btnExitMemoHelp"},
          HelpText{Screen::Results, "mnuGenereal", "btnExitMemoHelp"}}) {
        // Seen at this size before, left and come back to.
        app->Show(help.screen);
        SettleLayouts();
        app->Show(Screen::Title);
        app->Show(help.screen);
        QWidget* window = app->ScreenWidget(help.screen);
        const std::string title = window->windowTitle().toStdString();
        const auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("scrollScreen"));
        scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        window->findChild<QAction*>(QString::fromLatin1(help.item))->trigger();
        SettleLayouts();
        const auto* memo = window->findChild<QPlainTextEdit*>(QStringLiteral("memoHelp"));
        ASSERT_TRUE(memo->isVisible()) << title;
        EXPECT_FALSE(memo->horizontalScrollBar()->isVisible()) << title;
        EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0) << title;
        const QRect seen = scroll->viewport()->rect();
        // On the smallest desktops (a scaled one at 250 %), the menu bar's
        // rows and the buttons kept in view leave less room than the button
        // and one line of the box need: they are then seen only by scrolling.
        const auto* button = window->findChild<const QWidget*>(QString::fromLatin1(help.button));
        const int oneLine = memo->fontMetrics().lineSpacing() + 8 + 2 * memo->frameWidth();
        const QWidget* panel = memo->parentWidget();
        const int needed = FitsInView(*panel) && panel->layout() != nullptr
                               ? panel->layout()->minimumSize().height()
                               : button->height() + oneLine;
        if (needed > seen.height()) {
            std::cout << title << ": " << seen.height() << " seen, " << needed << " needed\n";
            continue;
        }
        for (const QWidget* part : {static_cast<const QWidget*>(memo), button}) {
            const QRect place(part->mapTo(scroll->viewport(), QPoint(0, 0)), part->size());
            EXPECT_GE(place.left(), seen.left())
                << title << " " << part->objectName().toStdString();
            EXPECT_LE(place.right(), seen.right())
                << title << " " << part->objectName().toStdString();
            EXPECT_GE(place.top(), seen.top())
                << title << " " << part->objectName().toStdString() << ": " << place.height()
                << " high in " << seen.height();
            EXPECT_LE(place.bottom(), seen.bottom())
                << title << " " << part->objectName().toStdString();
            EXPECT_GT(place.width(), seen.width() / 2) << title << ": as wide as there is room";
        }
    }
    // The help: its paragraphs and tables wrap to the window's width.
    app->HelpContents();
    SettleLayouts();
    QTextBrowser* browser = app->Help().Browser();
    EXPECT_EQ(browser->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(browser->horizontalScrollBar()->maximum(), 0);
    const auto* scroll = app->Help().findChild<QScrollArea*>(QStringLiteral("scrollScreen"));
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
}

TEST_F(ScreenSizeTest, TheChartsTextGrowsWithTheSize) {
    auto app = Start();
    app->Show(Screen::Results);
    QWidget* results = app->ScreenWidget(Screen::Results);
    results->findChild<QAction*>(QStringLiteral("mnuCharts"))->trigger();
    auto* charts = results->findChild<ChartWindow*>(QStringLiteral("ChartWindow"));
    ASSERT_NE(charts, nullptr);
    const QWidget* bars = charts->findChild<QWidget*>(QStringLiteral("chartErr"));
    SettleLayouts();
    EXPECT_DOUBLE_EQ(charts->Scale(), 1.0);
    const int rows = bars->minimumHeight();

    app->Size().SetPercent(200);
    SettleLayouts();
    EXPECT_NEAR(charts->Scale(), 2.0, 0.1);
    EXPECT_NEAR(bars->minimumHeight(), 2 * rows, 4) << "rows twice as high for the larger text";
    app->Size().Normal();
    EXPECT_DOUBLE_EQ(charts->Scale(), 1.0);
    EXPECT_EQ(bars->minimumHeight(), rows);
}

TEST_F(ScreenSizeTest, AStoredSizeIsTakenAsTheNearestStep) {
    struct Case {
        const char* stored;
        int percent;
    };
    for (const Case& c : {Case{"130", 125}, Case{"1000", 250}, Case{"40", 100}, Case{"large", 100},
                          Case{"225", 225}}) {
        {
            QFile settings(work.File("settings.ini"));
            ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
            settings.write(QByteArray("[View]\nSizePercent=") + c.stored + "\n");
        }
        auto app = Start();
        EXPECT_EQ(app->Size().Percent(), c.percent) << c.stored;
    }
}

// What of the push buttons of `window` is not wholly seen: each one outside the
// free area of the desktop, or cut by the window or by a view that scrolls, as
// "name (text) at x,y wxh".
std::vector<std::string> ButtonsNotSeen(const QWidget& window) {
    const QRect desktop = window.screen()->availableGeometry();
    std::vector<std::string> unseen;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisible() || button->window() != &window) {
            continue;
        }
        const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
        bool seen = desktop.contains(place);
        for (const QWidget* above = button->parentWidget(); seen && above != nullptr;
             above = above->isWindow() ? nullptr : above->parentWidget()) {
            seen = QRect(above->mapToGlobal(QPoint(0, 0)), above->size()).contains(place);
        }
        if (!seen) {
            unseen.push_back(button->objectName().toStdString() + " (" +
                             button->text().toStdString() + ") at " + std::to_string(place.x()) +
                             "," + std::to_string(place.y()) + " " + std::to_string(place.width()) +
                             "x" + std::to_string(place.height()));
        }
    }
    return unseen;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += "\n  " + text;
    }
    return joined;
}

TEST_F(ScreenSizeTest, AtEverySizeNoButtonOfAnyScreenWindowOrDialogLiesOutsideTheDesktop) {
    auto app = Start();
    QWidget* results = nullptr;
    for (const int percent : {100, 200, 250}) {
        app->Size().SetPercent(percent);
        const std::string size = " at " + std::to_string(percent) + " %";
        for (Screen screen : kAllScreens) {
            app->Show(screen);
            SettleLayouts();
            QWidget* window = app->ScreenWidget(screen);
            const std::string title = window->windowTitle().toStdString();
            const std::vector<std::string> unseen = ButtonsNotSeen(*window);
            EXPECT_TRUE(unseen.empty()) << title << size << Joined(unseen);
            EXPECT_FALSE(window->findChildren<QPushButton*>().isEmpty());
            // Left scrolled anywhere, it opens again at its top left corner.
            auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("scrollScreen"));
            scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
            scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
            app->Show(screen == Screen::Title ? Screen::DataInput : Screen::Title);
            app->Show(screen);
            SettleLayouts();
            EXPECT_EQ(scroll->horizontalScrollBar()->value(), 0) << title << size;
            EXPECT_EQ(scroll->verticalScrollBar()->value(), 0) << title << size;
            // Every item of the menu bar shown, none behind its "»".
            for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
                const auto* more =
                    bar->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
                EXPECT_TRUE(more == nullptr || !more->isVisible())
                    << title << size << ": items behind \u00bb";
                for (const QAction* item : bar->actions()) {
                    EXPECT_TRUE(
                        bar->rect().contains(bar->actionGeometry(const_cast<QAction*>(item))))
                        << title << size << ": " << item->text().toStdString();
                }
            }
        }
        // The windows that the screens open beside themselves.
        app->Show(Screen::Results);
        results = app->ScreenWidget(Screen::Results);
        for (const char* item : {"mnuCharts", "mnuTaxWorking"}) {
            results->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        }
        app->HelpContents();
        SettleLayouts();
        for (const char* name : {"ChartWindow", "TaxWorkingWindow"}) {
            auto* window = results->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(window, nullptr) << name;
            const std::vector<std::string> unseen = ButtonsNotSeen(*window);
            EXPECT_TRUE(unseen.empty()) << name << size << Joined(unseen);
            window->close();
        }
        EXPECT_TRUE(ButtonsNotSeen(app->Help()).empty()) << "help" << size;
        app->Help().close();

        // And the dialogs: file, print, and each kind of message box.
        results->activateWindow();
        for (const char* item : {"mnuSaveReportPdf", "mnuExportCsv", "mnuPrintReport"}) {
            const DialogCheck check(
                [&](QDialog& dialog) { ExpectInsideDesktop(dialog, item + size); });
            results->findChild<QAction*>(QString::fromLatin1(item))->trigger();
            EXPECT_TRUE(check.Seen()) << item << size;
        }
        const QString longText = QStringLiteral(
            "Could not save \"/home/someone/Documents/Velmora Report 2026.pdf\": No space left on "
            "device; the report before it is kept as it was, and nothing else was changed");
        QtDialogs boxes;
        const std::vector<std::pair<const char*, std::function<void()>>> kinds{
            {"confirmation",
             [&] { boxes.Confirm(QStringLiteral("Do you want to save your data?")); }},
            {"information", [&] { boxes.Information(longText); }},
            {"warning", [&] { boxes.Warning(longText); }},
            {"message", [&] { boxes.Message(longText); }},
            {"error", [&] { boxes.Error(longText); }},
        };
        for (const auto& [kind, show] : kinds) {
            const DialogCheck check(
                [&, kind = kind](QDialog& dialog) { ExpectInsideDesktop(dialog, kind + size); });
            show();
            EXPECT_TRUE(check.Seen()) << kind << size;
        }
    }
}

TEST_F(ScreenSizeTest, AtLargeSizesTheYearsSentenceWrapsWithinWhatIsSeen) {
    auto app = Start();
    app->Show(Screen::YearsAhead);
    QWidget* years = app->ScreenWidget(Screen::YearsAhead);
    auto* sentence = years->findChild<QLabel*>(QStringLiteral("lblSummary"));
    const auto* below = years->findChild<QWidget*>(QStringLiteral("editThroughAge"));
    const auto* scroll = years->findChild<QScrollArea*>(QStringLiteral("scrollScreen"));
    ASSERT_NE(sentence, nullptr);
    // A long sentence, as a plan that runs out and stops early gives.
    sentence->setText(QStringLiteral(
        "Your investments run out in 2041, when you are 93 and your spouse is 91: that year "
        "12,345,678 of the budget cannot be met. The projection stops before 2052 because the "
        "amounts grow too large."));
    for (const int percent : {200, 250}) {
        app->Size().SetPercent(percent);
        SettleLayouts();
        const std::string size = std::to_string(percent) + " %";
        const QRect place(sentence->mapTo(scroll->viewport(), QPoint(0, 0)), sentence->size());
        EXPECT_GE(place.left(), 0) << size;
        EXPECT_LE(place.right(), scroll->viewport()->width()) << size << ": cut at the right";
        EXPECT_GE(sentence->height(), sentence->heightForWidth(sentence->width()))
            << size << ": every line of it";
        EXPECT_GT(below->y(), sentence->geometry().bottom()) << size << ": the settings below it";
    }
}

// Compare Ways, the window beside the Years Ahead screen, lies on the desktop
// at every size with its buttons and its sentence in view.
TEST_F(ScreenSizeTest, AtEverySizeCompareWaysFitsTheDesktop) {
    auto app = Start();
    for (const int percent : {100, 150, 200, 250}) {
        app->Size().SetPercent(percent);
        app->Show(Screen::YearsAhead);
        SettleLayouts();
        QWidget* years = app->ScreenWidget(Screen::YearsAhead);
        auto* compare = years->findChild<QPushButton*>(QStringLiteral("btnCompareWays"));
        ASSERT_NE(compare, nullptr);
        compare->click();
        SettleLayouts();
        auto* window = years->findChild<QWidget*>(QStringLiteral("frmCompareWays"));
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        const std::string title = "Compare Ways at " + std::to_string(percent) + " %";
        ExpectOnScreen(*window);
        for (const char* name : {"btnCloseWays", "btnExportWaysCsv", "lblWaysSentence"}) {
            const auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(control, nullptr) << title << " " << name;
            EXPECT_TRUE(control->isVisible()) << title << " " << name;
            const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
            EXPECT_TRUE(window->rect().contains(place))
                << title << " " << name << " at " << place.x() << "," << place.y() << " "
                << place.width() << "x" << place.height() << " in " << window->width() << "x"
                << window->height() << " min " << window->minimumSizeHint().height();
        }
        window->close();
    }
    app->Size().Normal();
}

} // namespace
} // namespace velmora
