// The settings file (with its folder) and the mark of an ended run are the user's
// alone, even under a umask that would open them to everyone.

#include "AppTestSupport.h"
#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"
#include "sizing/ui/Zoom.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velmora {
namespace {

unsigned Mode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

class UnderUmask000 : public ::testing::Test {
protected:
    UnderUmask000() : previous_(::umask(0)) {}
    ~UnderUmask000() override { ::umask(previous_); }

    test::TempWorkingDirectory cwd;

private:
    mode_t previous_;
};

TEST_F(UnderUmask000, TheSettingsFileAndItsFolderAreTheUsersAlone) {
    const QString file = cwd.File("config/Velmora/Velmora.conf");
    {
        Zoom zoom(std::make_unique<QSettings>(file, QSettings::IniFormat));
        zoom.Larger();
        zoom.Larger(); // written again over the first
    }
    EXPECT_EQ(Mode(file), 0600u);
    EXPECT_EQ(Mode(cwd.File("config/Velmora")), 0700u);
    EXPECT_EQ(Mode(cwd.File("config")), 0700u);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(Zoom::kSettingsKey).toInt(), 150);
}

TEST_F(UnderUmask000, TheMarkOfAnEndedRunIsTheUsersAlone) {
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
    dialogs.Expect(test::BoxKind::Message, Application::kWelcome);
    Application app(dialogs, store, test::TestOptions([] {}, cwd.File("settings.ini")));
    ASSERT_TRUE(app.Start());
    dialogs.ExpectConfirm(Application::kAskSave, false).ExpectConfirm(Application::kAskExit, true);
    app.ExitSequence();
    ASSERT_TRUE(app.Ended());
    EXPECT_EQ(Mode(QString::fromLatin1(kStartMarkerName)), 0600u);
}

// A settings file that is a link to a device is said at start and never
// written over, however the size is changed.
TEST_F(UnderUmask000, ASettingsFileThatIsNoFileIsSaidAndNeverWrittenOver) {
    const QString file = cwd.File("settings.ini");
    ASSERT_EQ(::symlink("/dev/null", QFile::encodeName(file).constData()), 0);
    test::ScriptedDialogs dialogs;
    test::FakePlanStore store;
    dialogs.Expect(test::BoxKind::Message, Application::kWelcome)
        .Expect(test::BoxKind::Warning,
                "Your settings file " + file +
                    " is not an ordinary file (it may be a folder, a device or a pipe), so "
                    "Velmora does not write to it: the size, the tax year and the years ahead "
                    "settings you choose are not kept.");
    Application app(dialogs, store, test::TestOptions([] {}, file));
    ASSERT_TRUE(app.Start());
    dialogs.VerifyAllShown();
    {
        Zoom zoom(std::make_unique<QSettings>(file, QSettings::IniFormat));
        zoom.Larger();
    }
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode)) << "still the link";
    EXPECT_EQ(QFile::symLinkTarget(file), "/dev/null");
    EXPECT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

} // namespace
} // namespace velmora
