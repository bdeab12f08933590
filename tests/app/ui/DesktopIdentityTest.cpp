// How the desktop knows the program: the desktop entry its windows belong to,
// the icon on every window, and where its settings are kept.

#include "app/ui/DesktopIdentity.h"

#include "AppTestSupport.h"
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
    Application app(dialogs, store, test::TestOptions([] {}, work.File("settings.ini")));
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

TEST(DesktopIdentityTest, TheIconDrawsEachSizeFromTheImageForIt) {
    SetUpDesktopIdentity();
    const QIcon icon = QGuiApplication::windowIcon();
    const auto picture = [&icon](int width, int height, QIcon::Mode mode = QIcon::Normal) {
        return icon.pixmap(QSize(width, height), 1.0, mode)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const auto image = [](const char* path) {
        return QImage(QString::fromLatin1(path))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QImage drawn32 = image(":/icons/32x32/apps/org.velmora.Velmora.png");
    const QImage drawn64 = image(":/icons/64x64/apps/org.velmora.Velmora.png");
    ASSERT_EQ(drawn32.size(), QSize(32, 32));
    EXPECT_EQ(picture(32, 32), drawn32);
    EXPECT_EQ(picture(64, 64), drawn64);
    // Between two sizes the larger image is made smaller, never the smaller one larger;
    // the picture is never larger than asked for, and stays square.
    EXPECT_EQ(picture(40, 40).size(), QSize(40, 40));
    EXPECT_EQ(icon.actualSize(QSize(40, 24)), QSize(24, 24));
    EXPECT_EQ(picture(1000, 1000).size(), QSize(256, 256));
    EXPECT_TRUE(icon.pixmap(QSize(0, 0)).isNull());
    // A disabled window's icon is greyed.
    EXPECT_NE(picture(32, 32, QIcon::Disabled), drawn32);
}

} // namespace
} // namespace velmora
