#include "app/ui/DesktopIdentity.h"

#include "screens/ui/Dialogs.h"
#include "sizing/ui/SizedIconFiles.h"

#include <QApplication>
#include <QIcon>

namespace velmora {

void SetUpDesktopIdentity() {
    QApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QApplication::setOrganizationDomain(QString::fromLatin1(kOrganizationDomain));
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    // The icon built into the program, so that it shows before and without an installation.
    std::vector<SizedIconFiles::File> files;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        files.push_back(
            {size, QStringLiteral(":/icons/%1x%1/apps/org.velmora.Velmora.png").arg(size)});
    }
    QApplication::setWindowIcon(QIcon(new SizedIconFiles(std::move(files))));
}

} // namespace velmora
