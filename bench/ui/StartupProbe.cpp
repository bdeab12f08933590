// Velmora started exactly as its own main() starts it, on the offscreen
// platform, ending at the first paint of the title screen.

#include "FirstPaintExit.h"
#include "app/ui/Application.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {

// Runs as soon as the program's QApplication exists, before its start-up.
void WatchForTheTitleScreen() {
    qApp->installEventFilter(
        new velmora::bench::FirstPaintExit(QStringLiteral("frmTitlepage"), qApp));
}
Q_COREAPP_STARTUP_FUNCTION(WatchForTheTitleScreen)

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return velmora::RunApplication(argc, argv);
}
