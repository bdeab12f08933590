#include "app/ui/DesktopIdentity.h"

#include "app/ui/Dialogs.h"

#include <QApplication>
#include <QIcon>

namespace velmora {

void SetUpDesktopIdentity() {
    QApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QApplication::setOrganizationDomain(QString::fromLatin1(kOrganizationDomain));
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    // The icon built into the program, so that it shows before and without an installation.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.velmora.Velmora.png").arg(size),
                     QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace velmora
