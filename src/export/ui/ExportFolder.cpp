#include "export/ui/ExportFolder.h"

#include "screens/ui/PrivateSettings.h"
#include "screens/ui/ScreenWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velmora {

QString ExportStartFolder() {
    const QString last = QSettings().value(QString::fromLatin1(kExportFolderKey)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

QString OfferedExportPath(const QString& name) {
    return QDir(ExportStartFolder()).filePath(name);
}

void TellSaved(QWidget& screen, const QString& path) {
    const QFileInfo written(path);
    QSettings settings;
    KeepPrivately(settings, QString::fromLatin1(kExportFolderKey), written.absolutePath());
    ShowWindowNote(screen, QStringLiteral("Saved to ") +
                               QDir::toNativeSeparators(written.absoluteFilePath()));
}

} // namespace velmora
