#include "projection/ui/YearsExport.h"

#include "plan/AtomicReplace.h"
#include "projection/ProjectionReports.h"
#include "results/ui/ResultsExport.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/PrivateSettings.h"
#include "screens/ui/ScreenWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstring>
#include <string>

namespace velmora {

YearsExport::YearsExport(Dialogs& dialogs, QWidget& screen) : dialogs_(dialogs), screen_(screen) {}

void YearsExport::ExportCsv(const projection::Projection& years) {
    const QString offered = QDir(ResultsExport::StartFolder())
                                .filePath(QString::fromLatin1(kCsvName).arg(years.TaxYear));
    const QString path =
        exportDialogs_->SaveFileName(&screen_, QStringLiteral("Export Years as CSV"), offered,
                                     QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    const std::string contents = projection::ProjectionCsv(years);
    const int error =
        AtomicReplace(*files_, QFile::encodeName(path).toStdString(), contents, std::string());
    if (error != 0) {
        dialogs_.Error(
            QStringLiteral("Could not save \"%1\": %2")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error))));
        return;
    }
    const QFileInfo written(path);
    QSettings settings;
    KeepPrivately(settings, QString::fromLatin1(ResultsExport::kFolderKey), written.absolutePath());
    ShowWindowNote(screen_, QStringLiteral("Saved to ") +
                                QDir::toNativeSeparators(written.absoluteFilePath()));
}

} // namespace velmora
