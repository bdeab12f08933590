#include "results/ui/ResultsExport.h"

#include "Workspace.h"
#include "export/ui/ReportDocument.h"
#include "results/ResultsCsv.h"
#include "results/ui/ChartWindow.h"
#include "results/ui/ResultsPages.h"
#include "results/ui/TaxWorkingPage.h"

#include <QDate>
#include <QWidget>
#include <memory>

namespace velmora {

ResultsExport::ResultsExport(const Workspace& workspace, Dialogs& dialogs, QWidget& resultsScreen)
    : QObject(&resultsScreen), workspace_(workspace), resultsScreen_(resultsScreen),
      files_(dialogs, resultsScreen) {
    setObjectName("resultsExport");
}

ResultsExport::~ResultsExport() = default;

QString ResultsExport::PdfName() const {
    return QString::fromLatin1(kPdfName).arg(workspace_.taxYear.Number());
}

ReportDocument ResultsExport::Report() const {
    const QDate today = QDate::currentDate();
    ReportDocument document(today);
    document.Add(std::make_unique<ResultsPages>(workspace_, today));
    document.Add(std::make_unique<TaxWorkingPage>(workspace_));
    for (const ReportSectionMaker& make : moreSections_) {
        document.Add(make(workspace_));
    }
    return document;
}

void ResultsExport::ExportCsv() {
    const QString path =
        files_.AskWhereCsv(QStringLiteral("Export Results as CSV"),
                           QString::fromLatin1(kCsvName).arg(workspace_.taxYear.Number()));
    if (!path.isEmpty()) {
        files_.WriteWhole(path, results::ResultsCsv(workspace_));
    }
}

void ResultsExport::SaveReportPdf() {
    files_.SaveReportPdf(PdfName(), [this] { return Report(); });
}

void ResultsExport::PrintReport() {
    files_.PrintReport(PdfName(), [this] { return Report(); });
}

void ResultsExport::ShowCharts() {
    if (charts_ == nullptr) {
        charts_ = new ChartWindow(workspace_, resultsScreen_);
    } else {
        charts_->Refresh();
    }
    charts_->show();
    charts_->raise();
    charts_->activateWindow();
}

} // namespace velmora
