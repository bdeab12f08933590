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

} // namespace
} // namespace velmora
