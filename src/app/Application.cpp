#include "app/Application.h"

#include <QApplication>
#include <QMainWindow>

namespace velmora {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmora");
    QMainWindow window;
    window.setWindowTitle("Velmora");
    window.show();
    return QApplication::exec();
}

} // namespace velmora
