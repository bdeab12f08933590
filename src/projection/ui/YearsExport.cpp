#include "projection/ui/YearsExport.h"

#include "projection/ProjectionReports.h"
#include "projection/WaysCompared.h"
#include "results/ui/ResultsExport.h"

#include <QDir>

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
    ResultsExport::WriteWhole(*files_, dialogs_, screen_, path, projection::ProjectionCsv(years));
}

void YearsExport::ExportWaysCsv(const projection::WaysCompared& ways) {
    const QString offered = QDir(ResultsExport::StartFolder())
                                .filePath(QString::fromLatin1(kWaysCsvName).arg(ways.TaxYear));
    const QString path = exportDialogs_->SaveFileName(
        &screen_, QStringLiteral("Export Ways Compared as CSV"), offered,
        QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    ResultsExport::WriteWhole(*files_, dialogs_, screen_, path, projection::WaysCsv(ways));
}

} // namespace velmora
