// What the program tells about its plan file and how it keeps it safe: a plan not
// fully read, a second run on the same plan, a plan changed by another program, a
// backup that could not be kept, leftovers of a save cut short.

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "FaultyFileSystem.h"
#include "PlanSamples.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"
#include "app/ui/PlanStore.h"
#include "plan/PlanWriter.h"
#include "screens/ui/ScreenWindow.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora {
namespace {

using test::BoxKind;

const QString kAskSave = Application::kAskSave;
const QString kAskExit = Application::kAskExit;
const QString kChanged = "Another program has changed your plan file UserData.dta since Velmora "
                         "read or last saved it. Do you want to replace it with the plan you see "
                         "in Velmora?";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The plan file of a household with a word where its age belongs (line 2).
QByteArray WordInLine2() {
    std::string text = PlanFileText(testing::MarriedHousehold());
    const std::size_t start = text.find("\r\n") + 2;
    text.replace(start, text.find("\r\n", start) - start, "sixty-six");
    return QByteArray::fromStdString(text);
}

class PlanSafetyTest : public ::testing::Test {
protected:
    ApplicationOptions Options() { return test::TestOptions(); }
    void MarkStarted() { ASSERT_TRUE(test::MarkStarted()); }

    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
};

TEST_F(PlanSafetyTest, WhatTheLoadHasToSayComesOnceTheTitleScreenIsUp) {
    store.loadMessage = "Line 2 could not be read.";
    bool titleVisible = false;
    dialogs.Expect(BoxKind::Message, Application::kWelcome);
    dialogs.Expect(BoxKind::Information, "Line 2 could not be read.");
    Application app(dialogs, store, Options());
    dialogs.OnBox([&](const test::Box& box) {
        if (box.kind == BoxKind::Information) {
            titleVisible = app.ScreenWidget(Screen::Title)->isVisible();
        }
    });
    EXPECT_TRUE(app.Start());
    EXPECT_TRUE(titleVisible);
    EXPECT_EQ(dialogs.Boxes().back().caption, "Information");
    EXPECT_EQ(app.Current(), Screen::Title);
}

TEST_F(PlanSafetyTest, ASecondRunOnTheSamePlanSaysSoAndTouchesNothing) {
    store.heldBy = 4321;
    dialogs.Expect(BoxKind::Warning,
                   "Velmora is already open on the plan file UserData.dta in this folder "
                   "(process id 4321). Please use the Velmora window that is already open, or "
                   "close it and then start Velmora again.");
    Application app(dialogs, store, Options());
    EXPECT_FALSE(app.Start());
    EXPECT_EQ(dialogs.Boxes().back().caption, "Warning");
    EXPECT_TRUE(app.Ended());
    EXPECT_EQ(store.loads, 0);
    EXPECT_EQ(app.ScreenWidget(Screen::Title), nullptr) << "no screen was made";
    EXPECT_FALSE(QFileInfo::exists(kStartMarkerName)) << "no welcome, and no marker";
}

TEST_F(PlanSafetyTest, APlanChangedByAnotherProgramIsOnlyReplacedOnYes) {
    MarkStarted();
    Application app(dialogs, store, Options());
    ASSERT_TRUE(app.Start());
    store.changedOnDisk = true;
    dialogs.ExpectConfirm(kChanged, false);
    EXPECT_FALSE(app.Save());
    EXPECT_EQ(store.saves, 0);

    dialogs.ExpectConfirm(kAskSave, true).ExpectConfirm(kChanged, false);
    app.ExitSequence();
    EXPECT_EQ(store.saves, 0);
    EXPECT_FALSE(app.Ended()) << "no save, so no \"Exit now?\"";

    dialogs.ExpectConfirm(kChanged, true);
    EXPECT_TRUE(app.Save());
    EXPECT_EQ(store.saves, 1);
}

TEST_F(PlanSafetyTest, ABackupThatCouldNotBeKeptIsToldAfterTheSave) {
    MarkStarted();
    Application app(dialogs, store, Options());
    ASSERT_TRUE(app.Start());
    store.saveWarning = "The backup could not be kept.";
    dialogs.ExpectConfirm(kAskSave, true)
        .Expect(BoxKind::Information, "The backup could not be kept.")
        .ExpectConfirm(kAskExit, true);
    app.ExitSequence();
    EXPECT_EQ(store.saves, 1);
    EXPECT_TRUE(app.Ended()) << "the save counts as done";
}

TEST_F(PlanSafetyTest, APlanNotFullyReadIsKeptAsideAndNeverSavedOver) {
    MarkStarted();
    WriteAll(kPlanFileName, WordInLine2());
    PlanFileStore files;
    Application app(dialogs, files, Options());
    dialogs.Expect(BoxKind::Information,
                   "Line 2 of your plan file UserData.dta should hold a whole number but holds "
                   "\"sixty-six\". The values after that line are the default values.\n\nThe file "
                   "as Velmora found it is kept unchanged as UserData.damaged; when you save, your "
                   "plan is written to a new UserData.dta.");
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Work().plan.Married, "Yes");
    EXPECT_EQ(app.Work().plan.AgeSelf, 0);
    EXPECT_EQ(app.Work().plan.AgeSpouse, 60) << "a default";
    EXPECT_FALSE(QFileInfo::exists(kPlanFileName));

    for (std::int32_t age : {66, 67}) {
        app.Work().plan.AgeSelf = age;
        EXPECT_TRUE(app.Save());
    }
    EXPECT_EQ(dialogs.Boxes().size(), 1u) << "the saves said nothing";
    EXPECT_EQ(ReadAll("UserData.damaged"), WordInLine2());
    EXPECT_EQ(ReadAll(kPlanFileName), QByteArray::fromStdString(PlanFileText(app.Work().plan)));
}

// The error box names only the error; the window's foot then says that the plan on
// disk is untouched, and it is.
TEST_F(PlanSafetyTest, AFailedSaveSaysThePlanOnDiskIsAsItWas) {
    MarkStarted();
    WriteAll(kPlanFileName, QByteArray::fromStdString(PlanFileText(testing::MarriedHousehold())));
    testing::FaultyFileSystem faulty;
    PlanFileStore files(kPlanFileName, &faulty);
    Application app(dialogs, files, Options());
    ASSERT_TRUE(app.Start());
    app.Show(Screen::DataInput);
    app.Work().plan.AgeSelf = 80;
    faulty.FailEvery("write", ENOSPC);
    dialogs.Expect(BoxKind::Error, "Disk full");
    QWidget& screen = *app.ScreenWidget(Screen::DataInput);
    screen.findChild<QAction*>(QStringLiteral("hlpSave"))->trigger();
    EXPECT_EQ(dialogs.Boxes().back().text, "Disk full.");
    EXPECT_EQ(WindowNoteText(screen), "Your plan was not saved: UserData.dta on disk is as it was");
    EXPECT_EQ(ReadAll(kPlanFileName),
              QByteArray::fromStdString(PlanFileText(testing::MarriedHousehold())));
}

TEST_F(PlanSafetyTest, ThePlanFileChangedOnDiskAsksBeforeItIsReplaced) {
    MarkStarted();
    PlanFileStore files;
    Application app(dialogs, files, Options());
    ASSERT_TRUE(app.Start());
    EXPECT_TRUE(app.Save());
    WriteAll(kPlanFileName, "written by another program\r\n");
    dialogs.ExpectConfirm(kChanged, false);
    EXPECT_FALSE(app.Save());
    EXPECT_EQ(ReadAll(kPlanFileName), "written by another program\r\n");
}

TEST_F(PlanSafetyTest, OneRunPerPlanFolderUntilTheFirstEnds) {
    MarkStarted();
    WriteAll("UserData.dta.tmpAb12Cd", "a save cut short");
    auto first = std::make_unique<PlanFileStore>();
    long long holder = 0;
    ASSERT_TRUE(first->Claim(holder));
    EXPECT_FALSE(QFileInfo::exists("UserData.dta.tmpAb12Cd")) << "removed once the lock is held";

    WriteAll("UserData.dta.tmpEf34Gh", "a save of the first run");
    PlanFileStore second;
    Application refused(dialogs, second, Options());
    dialogs.Expect(BoxKind::Warning,
                   QString("Velmora is already open on the plan file UserData.dta in this folder "
                           "(process id %1). Please use the Velmora window that is already open, "
                           "or close it and then start Velmora again.")
                       .arg(::getpid()));
    EXPECT_FALSE(refused.Start());
    EXPECT_TRUE(QFileInfo::exists("UserData.dta.tmpEf34Gh")) << "the refused run touched nothing";

    first.reset();
    Application allowed(dialogs, second, Options());
    EXPECT_TRUE(allowed.Start());
    EXPECT_FALSE(QFileInfo::exists("UserData.dta.tmpEf34Gh"));
}

// A run of the program in another process: it takes the lock, says so through a
// pipe, then ends at once (`stay` false) or waits until it is killed.
pid_t OtherRun(bool stay) {
    int ready[2];
    if (::pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        PlanFileStore store;
        long long holder = 0;
        const char claimed = store.Claim(holder) ? 'y' : 'n';
        if (::write(ready[1], &claimed, 1) != 1 || !stay) {
            ::_exit(0); // as a crash: the lock file stays
        }
        for (;;) {
            ::pause();
        }
    }
    ::close(ready[1]);
    char claimed = 0;
    const bool ok = child > 0 && ::read(ready[0], &claimed, 1) == 1 && claimed == 'y';
    ::close(ready[0]);
    return ok ? child : -1;
}

TEST_F(PlanSafetyTest, ALockIsTakenOverOnceItsProgramHasDied) {
    const pid_t crashed = OtherRun(false);
    ASSERT_GT(crashed, 0);
    ASSERT_EQ(::waitpid(crashed, nullptr, 0), crashed);
    ASSERT_TRUE(QFileInfo::exists("UserData.lock")) << "left behind";
    PlanFileStore store;
    long long holder = 0;
    EXPECT_TRUE(store.Claim(holder));

    PlanFileStore third;
    EXPECT_FALSE(third.Claim(holder)) << "and now held again";
}

TEST_F(PlanSafetyTest, ARunningProgramKeepsItsLockUntilItIsKilled) {
    const pid_t running = OtherRun(true);
    ASSERT_GT(running, 0);
    PlanFileStore store;
    long long holder = 0;
    EXPECT_FALSE(store.Claim(holder));
    EXPECT_EQ(holder, running);

    ::kill(running, SIGKILL);
    ASSERT_EQ(::waitpid(running, nullptr, 0), running);
    EXPECT_TRUE(store.Claim(holder));
}

} // namespace
} // namespace velmora
