// Entry point of the screen tests: one QApplication on the offscreen platform
// for the whole run, then every test. The offscreen desktop is one screen of
// 1280 x 1024 pixels, and the user's settings are a scratch folder's.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM",
               "offscreen:configfile=" VELMORA_TEST_DATA_DIR "/screens/1280x1024.json", 1);
    }
    const QTemporaryDir config;
    if (!config.isValid()) {
        return 1;
    }
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
