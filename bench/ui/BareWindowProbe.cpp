// The yardstick for Velmora's start-up: a bare Qt Widgets main window with a
// menu bar, on the offscreen platform, ending at its first paint.

#include "FirstPaintExit.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    app.installEventFilter(new velmora::bench::FirstPaintExit(QString(), &app));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.menuBar()->addAction(QStringLiteral("&Help"));
    window.resize(640, 467);
    window.show();
    return QApplication::exec();
}
