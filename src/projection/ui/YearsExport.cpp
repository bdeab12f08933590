#include "projection/ui/YearsExport.h"

#include "projection/ProjectionReports.h"
#include "projection/WaysCompared.h"

namespace velmora {

YearsExport::YearsExport(Dialogs& dialogs, QWidget& screen) : files_(dialogs, screen) {}

void YearsExport::ExportCsv(const projection::Projection& years) {
    const QString path = files_.AskWhereCsv(
        QStringLiteral("Export Years as CSV"),
        QString::fromLatin1(kCsvName).arg(years.TaxYear).arg(years.settings.ThroughAge));
    if (path.isEmpty()) {
        return;
    }
    files_.WriteWhole(path, projection::ProjectionCsv(years));
}

void YearsExport::ExportWaysCsv(const projection::WaysCompared& ways) {
    const QString path = files_.AskWhereCsv(QStringLiteral("Export Ways Compared as CSV"),
                                            QString::fromLatin1(kWaysCsvName).arg(ways.TaxYear).arg(ways.settings.ThroughAge));
    if (path.isEmpty()) {
        return;
    }
    files_.WriteWhole(path, projection::WaysCsv(ways));
}

} // namespace velmora
