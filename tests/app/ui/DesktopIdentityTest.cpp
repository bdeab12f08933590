// How the desktop knows the program: the desktop entry its windows belong to,
// the icon on every window, and where its settings are kept.

#include "app/ui/DesktopIdentity.h"

#include "FakePlanStore.h"
#include "ScriptedDialogs.h"
#include "UiTestSupport.h"
#include "app/ui/Application.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QSettings>
#include <gtest/gtest.h>

namespace velmora {
namespace {

QString DesktopEntryLine(const char* key) {
    QFile entry(QStringLiteral(VELMORA_SOURCE_DIR "/../packaging/org.velmora.Velmora.desktop"));
    EXPECT_TRUE(entry.open(QIODevice::ReadOnly)) << "the entry of the program's desktop name";
    const QByteArray prefix = QByteArray(key) + "=";
    for (const QByteArray& line : entry.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            return QString::fromUtf8(line.mid(prefix.size()));
        }
    }
    return {};
}

TEST(DesktopIdentityTest, WindowsBelongToTheDesktopEntryAndShowItsIcon) {
    SetUpDesktopIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.velmora.Velmora");
    EXPECT_EQ(DesktopEntryLine("Icon"), "org.velmora.Velmora");
    EXPECT_EQ(DesktopEntryLine("Exec"), "velmora --data-folder")
        << "a start from the desktop keeps the plan in the user's data folder";
    // The settings (the chosen size) under the names of the entry, in the
    // tests' own scratch configuration folder.
    EXPECT_EQ(QSettings().fileName(),
              QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Velmora/Velmora.conf");

    const QIcon icon = QGuiApplication::windowIcon();
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    test::TempWorkingDirectory work;
    test::ScriptedDialogs dialogs;
    dialogs.Tolerate(test::BoxKind::Message); // the welcome
    test::FakePlanStore store;
    ApplicationOptions options;
    options.quit = [] {};
    options.settingsFile = work.File("settings.ini");
    Application app(dialogs, store, options);
    app.Start();
    for (Screen screen :
         {Screen::Title, Screen::Results, Screen::IRAs, Screen::Debt, Screen::Earnings,
          Screen::Entitlements, Screen::Equity, Screen::DataInput}) {
        const QWidget* window = app.ScreenWidget(screen);
        EXPECT_EQ(window->windowIcon().cacheKey(), icon.cacheKey())
            << window->windowTitle().toStdString();
    }
    EXPECT_EQ(app.Help().windowIcon().cacheKey(), icon.cacheKey());
}

} // namespace
} // namespace velmora
