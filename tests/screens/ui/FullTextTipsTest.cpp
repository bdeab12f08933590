// Texts cut off by their cell or box show whole in a tooltip; texts that fit
// and cells with tooltips of their own are left alone.

#include "screens/ui/FullTextTips.h"

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "PlanSamples.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace velmora {
namespace {

// What a resting mouse at `pos` of `widget` shows as a tooltip ("" for none).
QString TipAt(QWidget& widget, QPoint pos) {
    // A tip asked to hide fades for a while: the last one goes at once.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("qtooltip_label")) {
            window->hide();
        }
    }
    QHelpEvent event(QEvent::ToolTip, pos, widget.mapToGlobal(pos));
    QApplication::sendEvent(&widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST(FullTextTipsTest, CutTextsShowWholeInATooltip) {
    test::ScriptedDialogs dialogs;
    QWidget window;
    auto* grid = new StringGrid(dialogs, &window);
    grid->SetSize(2, 2);
    grid->SetColWidths({49, 200});
    grid->SetCells(0, 0, "-0.764031829370934"); // an ERR in full
    grid->SetCells(1, 0, "-0.764031829370934");
    grid->SetCells(0, 1, "12");
    grid->SetCells(1, 1, "tip");
    grid->SetCellTip(1, 1, "its own tip");
    auto* box = new QLineEdit(&window);
    box->setFixedWidth(49);
    box->setText("12421.875");
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(grid);
    layout->addWidget(box);
    ShowFullTextTips(window);
    ASSERT_TRUE(test::ShowAndActivate(window));

    QWidget* cells = grid->viewport();
    const auto centre = [grid](int col, int row) {
        return grid->visualRect(grid->model()->index(row, col)).center();
    };
    EXPECT_EQ(TipAt(*cells, centre(0, 0)), "-0.764031829370934") << "49 pixels: cut";
    EXPECT_EQ(TipAt(*cells, centre(1, 0)), "") << "200 pixels: whole";
    EXPECT_EQ(TipAt(*cells, centre(0, 1)), "");
    EXPECT_EQ(TipAt(*cells, centre(1, 1)), "its own tip");
    EXPECT_EQ(TipAt(*box, box->rect().center()), "12421.875");
    box->setText("5");
    EXPECT_EQ(TipAt(*box, box->rect().center()), "");
    box->setText("12421.875");
    box->setToolTip("a hint");
    EXPECT_EQ(TipAt(*box, box->rect().center()), "a hint");
    QToolTip::hideText();
}

TEST(FullTextTipsTest, TheScreensShowTheirCutTextsWhole) {
    test::TempWorkingDirectory work;
    ASSERT_TRUE(test::MarkStarted()); // no welcome
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
    Application app(dialogs, store, test::TestOptions([] {}, work.File("settings.ini")));
    app.Start();
    app.Work().plan = testing::MarriedHousehold();
    app.Work().plan.EquityHoldings[0].Name = "WWWWWWWWWW"; // in 60 pixels

    app.Show(Screen::Equity);
    auto* table = app.ScreenWidget(Screen::Equity)->findChild<StringGrid*>("StringGridTable");
    const QPoint name = table->visualRect(table->model()->index(0, 0)).center();
    EXPECT_EQ(TipAt(*table->viewport(), name), "WWWWWWWWWW");
    QToolTip::hideText();
}

} // namespace
} // namespace velmora
