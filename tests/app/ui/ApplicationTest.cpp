// Start-up, moving between screens, and the shared commands: save, the exit
// sequence, the title screen's close control, the print hint and help.

#include "app/ui/Application.h"

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "grid/ui/CellHint.h"
#include "grid/ui/StringGrid.h"
#include "plan/PosixFileSystem.h"
#include "screens/ui/ScreenWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <fcntl.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::BoxKind;

const QString kWelcome = "Welcome to the Velmora program. New Users may wish to pull down the "
                         "Quick Start Instructions on the Title Page. Click on OK to continue.";
const QString kAskSave = "Do you want to save your data?";
const QString kAskExit = "Exit now?";
const QString kPlanFile = "UserData.dta";

constexpr Screen kAllScreens[] = {Screen::Title,  Screen::Results,  Screen::IRAs,
                                  Screen::Debt,   Screen::Earnings, Screen::Entitlements,
                                  Screen::Equity, Screen::DataInput};

class ApplicationTest : public ::testing::Test {
protected:
    ApplicationOptions Options() {
        return test::TestOptions([this] { ++quits; });
    }

    // Starts a program whose start is not the first one (no welcome).
    std::unique_ptr<Application> StartAgain() {
        MarkStarted();
        auto app = std::make_unique<Application>(dialogs, store, Options());
        app->Start();
        return app;
    }

    void MarkStarted() { ASSERT_TRUE(test::MarkStarted()); }

    int VisibleScreens(Application& app) const {
        int visible = 0;
        for (Screen screen : kAllScreens) {
            visible += app.ScreenWidget(screen)->isVisible() ? 1 : 0;
        }
        return visible;
    }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
    int quits = 0;
};

TEST_F(ApplicationTest, FirstStartWelcomesBeforeLoadingThenShowsTheTitleScreen) {
    store.loadedAgeSelf = 71;
    int loadsAtWelcome = -1;
    bool screenVisibleAtWelcome = false;
    dialogs.Expect(BoxKind::Message, kWelcome);
    dialogs.OnBox([&](const test::Box&) {
        loadsAtWelcome = store.loads;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            screenVisibleAtWelcome |= widget->isVisible();
        }
    });
    Application app(dialogs, store, Options());
    app.Start();

    EXPECT_EQ(dialogs.Boxes()[0].caption, "Velmora");
    EXPECT_EQ(loadsAtWelcome, 0) << "the welcome comes before the plan is read";
    EXPECT_FALSE(screenVisibleAtWelcome);
    EXPECT_EQ(store.loads, 1);
    EXPECT_EQ(app.Work().plan.AgeSelf, 71);
    EXPECT_EQ(app.Current(), Screen::Title);
    EXPECT_TRUE(app.ScreenWidget(Screen::Title)->isVisible());
    EXPECT_EQ(VisibleScreens(app), 1);
    // Each caption is followed by the place of the modified mark.
    EXPECT_EQ(app.ScreenWidget(Screen::Title)->windowTitle(), "Title Page[*]");
    EXPECT_EQ(app.ScreenWidget(Screen::Results)->windowTitle(), "Calculation[*]");
    EXPECT_EQ(app.ScreenWidget(Screen::DataInput)->windowTitle(), "Data Input Screen[*]");
}

TEST_F(ApplicationTest, LaterStartsGoStraightToTheTitleScreen) {
    auto app = StartAgain();
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(store.loads, 1);
    EXPECT_EQ(app->Current(), Screen::Title);
}

TEST_F(ApplicationTest, SavingTheDataNamesTheWholePathOfThePlanFile) {
    auto app = StartAgain();
    app->Show(Screen::DataInput);
    app->ScreenWidget(Screen::DataInput)->findChild<QAction*>(QStringLiteral("hlpSave"))->trigger();
    EXPECT_TRUE(dialogs.Boxes().empty()) << "no box to answer";
    QWidget& screen = *app->ScreenWidget(Screen::DataInput);
    const QString saved = "Plan saved to " + work.Path() + "/UserData.dta";
    EXPECT_EQ(WindowNoteText(screen), saved);
    // The note stays when the window is activated again (a tooltip would go),
    // and is a plain note, not a window that follows the chosen size.
    QEvent activated(QEvent::WindowActivate);
    QApplication::sendEvent(&screen, &activated);
    EXPECT_EQ(WindowNoteText(screen), saved);
    QLabel* note = CellHint::Of(screen);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->findChild<QWidget*>(QStringLiteral("scrollScreen")), nullptr);
    // A click on it takes it away, as from a tooltip, so that the next click
    // reaches what it covered.
    QTest::mouseClick(note, Qt::LeftButton);
    EXPECT_EQ(WindowNoteText(screen), "");
}

TEST_F(ApplicationTest, AMissingPlanFileLeavesTheDefaults) {
    MarkStarted();
    PlanFileStore files;
    Application app(dialogs, files, Options());
    app.Start();
    const PlanData& plan = app.Work().plan;
    EXPECT_EQ(plan.Married, "No");
    EXPECT_EQ(plan.AgeSelf, 60);
    EXPECT_EQ(plan.AgeSpouse, 60);
    EXPECT_EQ(plan.InflationRate, 3);
    EXPECT_EQ(app.Work().AppliedStateTaxRate, 0);
    EXPECT_TRUE(dialogs.Boxes().empty()) << "nothing is said about the missing file";
    EXPECT_FALSE(QFileInfo::exists(kPlanFile));
}

// The system's files, except that no new file may be created: the saving
// user has no right to write in the plan's folder.
class DenyingFileSystem : public FileSystem {
public:
    int Open(const std::string& path, int flags, mode_t mode) override {
        return (flags & O_CREAT) != 0 ? -EACCES : files_.Open(path, flags, mode);
    }
    int CreateTemp(std::string&) override { return -EACCES; }
    ssize_t Read(int fd, void* buffer, std::size_t size) override {
        return files_.Read(fd, buffer, size);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        return files_.Write(fd, data, size);
    }
    int Fsync(int fd) override { return files_.Fsync(fd); }
    int Fchmod(int fd, mode_t mode) override { return files_.Fchmod(fd, mode); }
    int TryLock(int fd) override { return files_.TryLock(fd); }
    int Close(int fd) override { return files_.Close(fd); }
    int Stat(const std::string& path, FileStatus& status) override {
        return files_.Stat(path, status);
    }
    int Lstat(const std::string& path, FileStatus& status) override {
        return files_.Lstat(path, status);
    }
    int Fstat(int fd, FileStatus& status) override { return files_.Fstat(fd, status); }
    int ReadLink(const std::string& path, std::string& target) override {
        return files_.ReadLink(path, target);
    }
    int ListFolder(const std::string& folder, std::vector<std::string>& names) override {
        return files_.ListFolder(folder, names);
    }
    int CheckWritable(const std::string&) override { return -EACCES; }
    int Rename(const std::string&, const std::string&) override { return -EACCES; }
    int Link(const std::string&, const std::string&) override { return -EACCES; }
    int Unlink(const std::string&) override { return -EACCES; }

private:
    PosixFileSystem files_;
};

TEST_F(ApplicationTest, TheExitSequenceWithThePlanFile) {
    MarkStarted();
    {
        PlanFileStore files;
        Application app(dialogs, files, Options());
        app.Start();
        app.Work().plan.AgeSelf = 66;
        dialogs.ExpectConfirm(kAskSave, false).ExpectConfirm(kAskExit, true);
        app.ExitSequence();
        EXPECT_TRUE(app.Ended());
        EXPECT_FALSE(QFileInfo::exists(kPlanFile)) << "No writes nothing";
    }
    {
        PlanFileStore files;
        Application app(dialogs, files, Options());
        app.Start();
        app.Work().plan.AgeSelf = 66;
        app.Work().plan.AnnualBudget = 40000;
        dialogs.ExpectConfirm(kAskSave, true).ExpectConfirm(kAskExit, true);
        app.ExitSequence();
        EXPECT_TRUE(app.Ended());
        EXPECT_TRUE(QFileInfo::exists(kPlanFile));
    }
    PlanFileStore files;
    Application next(dialogs, files, Options());
    next.Start();
    EXPECT_EQ(next.Work().plan.AgeSelf, 66) << "read back at the next start";
    EXPECT_EQ(next.Work().plan.AnnualBudget, 40000);
}

TEST_F(ApplicationTest, APlanFileThatCannotBeWrittenKeepsTheProgramRunning) {
    MarkStarted();
    DenyingFileSystem denying;
    PlanFileStore files("UserData.dta", &denying);
    Application app(dialogs, files, Options());
    // The folder that keeps the plan from being written keeps its lock from being made too.
    dialogs.Expect(BoxKind::Warning,
                   "Velmora could not create its lock file UserData.lock (File access denied). "
                   "Another copy of Velmora could change this plan at the same time.");
    app.Start();
    dialogs.ExpectConfirm(kAskSave, true).Expect(BoxKind::Error, "File access denied");
    app.ExitSequence();
    EXPECT_FALSE(app.Ended());
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(QFileInfo::exists(kPlanFile));

    PlanFileStore nowhere("no-such-folder/UserData.dta");
    Application other(dialogs, nowhere, Options());
    dialogs.Expect(BoxKind::Warning,
                   "Velmora could not create its lock file UserData.lock (File not found). "
                   "Another copy of Velmora could change this plan at the same time.");
    other.Start();
    dialogs.Expect(BoxKind::Error, "File not found");
    EXPECT_FALSE(other.Save());
}

TEST_F(ApplicationTest, ExactlyOneScreenIsShownAtATime) {
    auto app = StartAgain();
    QWidget* title = app->ScreenWidget(Screen::Title);
    for (Screen screen : kAllScreens) {
        app->Show(screen);
        EXPECT_EQ(app->Current(), screen);
        EXPECT_TRUE(app->ScreenWidget(screen)->isVisible());
        EXPECT_EQ(VisibleScreens(*app), 1);
    }
    app->Show(Screen::Equity);
    auto* done = app->ScreenWidget(Screen::Equity)->findChild<QPushButton*>("btnReturnToMiscInput");
    ASSERT_NE(done, nullptr);
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_EQ(app->Current(), Screen::DataInput);
    EXPECT_FALSE(title->isVisible());
}

TEST_F(ApplicationTest, EachShowingRefillsTheScreenFromThePlan) {
    auto app = StartAgain();
    QWidget* title = app->ScreenWidget(Screen::Title);
    QTest::mouseClick(title->findChild<QPushButton*>("btnEnterData"), Qt::LeftButton);
    ASSERT_EQ(app->Current(), Screen::DataInput);
    QWidget* input = app->ScreenWidget(Screen::DataInput);
    auto* budget = input->findChild<StringGrid*>("StringGridBudget");
    ASSERT_NE(budget, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(input));
    EXPECT_TRUE(input->findChild<QPushButton*>("btnResults")->hasFocus());
    budget->setFocus();
    test::TypeKeys("025000");
    EXPECT_EQ(app->Work().plan.AnnualBudget, 25000);

    QTest::mouseClick(input->findChild<QPushButton*>("btnReturnToTiltleScreen"), Qt::LeftButton);
    EXPECT_EQ(app->Current(), Screen::Title);
    EXPECT_FALSE(input->isVisible());
    QTest::mouseClick(title->findChild<QPushButton*>("btnEnterData"), Qt::LeftButton);
    EXPECT_EQ(budget->Cells(0, 0), "25000") << "the values typed before, from the plan";

    app->Work().plan.AnnualBudget = 777; // e.g. changed by another screen
    app->Show(Screen::Title);
    app->Show(Screen::DataInput);
    EXPECT_EQ(budget->Cells(0, 0), "777");
}

TEST_F(ApplicationTest, ScreensMadeAfterTheStartShowThePlanAsItStandsWhenShown) {
    store.loadedAgeSelf = 71;
    auto app = StartAgain();
    app->Show(Screen::DataInput);
    auto* age = app->ScreenWidget(Screen::DataInput)->findChild<StringGrid*>("StringGridAge");
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(age->Cells(0, 0), "71") << "the loaded plan";

    // Looked up before its first showing, then the plan changes: the showing
    // still fills it from the plan.
    QWidget* iras = app->ScreenWidget(Screen::IRAs);
    ASSERT_NE(iras, nullptr);
    EXPECT_FALSE(iras->isVisible());
    app->Work().plan.IraHoldings[0] = {"Fund A", 0, 12000, 4, 0, 0, 1, 2, 0.0};
    app->Show(Screen::IRAs);
    auto* grid = iras->findChild<StringGrid*>("StringGridIRAs");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(test::RowTexts(*grid, 0),
              QStringList({"Fund A", "0", "12000", "4", "0", "0", "1", "2"}));

    app->Work().plan.AnnualBudget = 45000;
    app->Show(Screen::Results);
    auto* budget = app->ScreenWidget(Screen::Results)->findChild<QLineEdit*>("editBudget");
    ASSERT_NE(budget, nullptr);
    EXPECT_EQ(budget->text(), "45000");
    auto* medium = app->ScreenWidget(Screen::Results)->findChild<StringGrid*>("StringGrid2");
    ASSERT_NE(medium, nullptr);
    EXPECT_EQ(test::RowTexts(*medium, 1).first(), "I:Fund A") << "ranked in category 2";
}

TEST_F(ApplicationTest, ScreensOpenCentredAndOnlyTheTitleHasACloseControl) {
    auto app = StartAgain();
    const QRect area = app->ScreenWidget(Screen::Title)->screen()->availableGeometry();
    for (Screen screen : kAllScreens) {
        app->Show(screen);
        QWidget* widget = app->ScreenWidget(screen);
        // within the window frame's thickness, which is unknown before the first showing
        const QPoint offset = widget->frameGeometry().center() - area.center();
        EXPECT_LE(offset.manhattanLength(), 10) << widget->windowTitle().toStdString();
        EXPECT_EQ(bool(widget->windowFlags() & Qt::WindowCloseButtonHint), screen == Screen::Title)
            << widget->windowTitle().toStdString();
        EXPECT_TRUE(widget->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(widget->windowFlags() & Qt::WindowMaximizeButtonHint);
    }
    QWidget* input = app->ScreenWidget(Screen::DataInput);
    EXPECT_FALSE(input->close()) << "a screen without close control cannot be closed";
    EXPECT_TRUE(input->isVisible());
    EXPECT_EQ(quits, 0);
}

TEST_F(ApplicationTest, ExitSequenceNoAndNoChangesNothing) {
    auto app = StartAgain();
    app->Show(Screen::DataInput);
    app->Work().plan.AgeSelf = 66;
    dialogs.ExpectConfirm(kAskSave, false).ExpectConfirm(kAskExit, false);
    app->ExitSequence();
    EXPECT_EQ(store.saves, 0);
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(app->Ended());
    EXPECT_EQ(app->Current(), Screen::DataInput);
    EXPECT_TRUE(app->ScreenWidget(Screen::DataInput)->isVisible());
    EXPECT_EQ(app->Work().plan.AgeSelf, 66);
}

TEST_F(ApplicationTest, ExitSequenceNoThenYesEndsWithoutSaving) {
    dialogs.Expect(BoxKind::Message, kWelcome);
    auto app = std::make_unique<Application>(dialogs, store, Options());
    app->Start();
    dialogs.ExpectConfirm(kAskSave, false).ExpectConfirm(kAskExit, true);
    app->ExitSequence();
    EXPECT_EQ(store.saves, 0);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(app->Ended());
    EXPECT_EQ(VisibleScreens(*app), 0);
    EXPECT_TRUE(QFileInfo::exists(kStartMarkerName)) << "the next start is no first start";
    app.reset();

    test::FakePlanStore again;
    Application next(dialogs, again, Options());
    next.Start();
    EXPECT_EQ(dialogs.Count(BoxKind::Message), 1) << "no second welcome";
}

TEST_F(ApplicationTest, ExitSequenceSavesOnYes) {
    auto app = StartAgain();
    app->Work().plan.AgeSpouse = 58;
    dialogs.ExpectConfirm(kAskSave, true).ExpectConfirm(kAskExit, false);
    app->ExitSequence();
    EXPECT_EQ(store.saves, 1);
    EXPECT_EQ(store.savedPlan.AgeSpouse, 58);
    EXPECT_FALSE(app->Ended()) << "a save made before No to \"Exit now?\" stands";
}

TEST_F(ApplicationTest, AFailedSaveStopsTheExitSequence) {
    auto app = StartAgain();
    QFile::remove(kStartMarkerName);
    store.failure = SaveError{13, "File access denied"};
    dialogs.ExpectConfirm(kAskSave, true);
    dialogs.Expect(BoxKind::Error, "File access denied");
    app->ExitSequence();
    EXPECT_EQ(dialogs.Boxes().back().text, "File access denied.");
    EXPECT_EQ(dialogs.Boxes().back().caption, "Velmora");
    EXPECT_EQ(dialogs.Count(BoxKind::Confirm), 1) << "\"Exit now?\" is not asked";
    EXPECT_FALSE(app->Ended());
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(app->ScreenWidget(Screen::Title)->isVisible());
    EXPECT_FALSE(QFileInfo::exists(kStartMarkerName));
}

TEST_F(ApplicationTest, SaveReportsOnlyFailures) {
    auto app = StartAgain();
    EXPECT_TRUE(app->Save());
    EXPECT_TRUE(dialogs.Boxes().empty());
    store.failure = SaveError{28, "Disk full"};
    dialogs.Expect(BoxKind::Error, "Disk full");
    EXPECT_FALSE(app->Save());
    EXPECT_EQ(store.saves, 2);
}

TEST_F(ApplicationTest, ClosingTheTitleScreenAsksToSaveThenEnds) {
    auto app = StartAgain();
    QFile::remove(kStartMarkerName);
    dialogs.ExpectConfirm(kAskSave, false);
    EXPECT_TRUE(app->ScreenWidget(Screen::Title)->close());
    EXPECT_EQ(store.saves, 0);
    EXPECT_TRUE(app->Ended());
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(VisibleScreens(*app), 0);
    EXPECT_FALSE(QFileInfo::exists(kStartMarkerName)) << "the next start still welcomes";
}

TEST_F(ApplicationTest, ClosingTheTitleScreenWithYesSaves) {
    auto app = StartAgain();
    dialogs.ExpectConfirm(kAskSave, true);
    EXPECT_TRUE(app->ScreenWidget(Screen::Title)->close());
    EXPECT_EQ(store.saves, 1);
    EXPECT_EQ(quits, 1);
}

TEST_F(ApplicationTest, AFailedSaveCancelsTheClose) {
    auto app = StartAgain();
    store.failure = SaveError{13, "File access denied"};
    dialogs.ExpectConfirm(kAskSave, true).Expect(BoxKind::Error, "File access denied");
    EXPECT_FALSE(app->ScreenWidget(Screen::Title)->close());
    EXPECT_TRUE(app->ScreenWidget(Screen::Title)->isVisible());
    EXPECT_FALSE(app->Ended());
    EXPECT_EQ(quits, 0);
}

TEST_F(ApplicationTest, PrintHintIsAnInformationBox) {
    auto app = StartAgain();
    dialogs.Expect(BoxKind::Information,
                   "Select any screen, Press the PrintScreen key to copy that screen image to the "
                   "Windows Clipboard memory, and then open a Windows Word Processor and Edit / "
                   "Paste the image to a new document. Then print the page from your Word "
                   "Processor.");
    app->PrintHint();
    EXPECT_EQ(dialogs.Boxes().back().caption, "Information");
}

TEST_F(ApplicationTest, HelpOpensAtContentsAndTutorial) {
    auto app = StartAgain();
    app->HelpContents();
    EXPECT_TRUE(app->Help().isVisible());
    EXPECT_EQ(app->Help().Browser()->source().fragment(), "context-0");
    app->HelpTutorial();
    EXPECT_EQ(app->Help().Browser()->source().fragment(), "context-1");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(app->Current(), Screen::Title) << "help is no screen";
}

} // namespace
} // namespace velmora
