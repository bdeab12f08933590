#include "results/ui/ResultsExport.h"

#include "Workspace.h"
#include "plan/AtomicReplace.h"
#include "projection/Projection.h"
#include "projection/WaysCompared.h"
#include "projection/ui/YearsSettings.h"
#include "results/ResultsCsv.h"
#include "results/ui/ChartWindow.h"
#include "results/ui/ReportDocument.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/PrivateSettings.h"
#include "screens/ui/ScreenWindow.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <iterator>

namespace velmora {

namespace {

const QString kReportTitle = QStringLiteral("Velmora Report");

// The years ahead under the settings the Years Ahead screen keeps, for the report's last pages.
projection::Projection YearsAhead(const Workspace& workspace) {
    QSettings settings;
    return projection::Project(workspace.plan, workspace.taxYear, KeptYearsSettings(settings));
}

// The ways of selling side by side under the same settings, for the page after them.
projection::WaysCompared WaysAhead(const Workspace& workspace) {
    QSettings settings;
    return projection::CompareWays(workspace.plan, workspace.taxYear, KeptYearsSettings(settings));
}

// The report's margins on paper and in the PDF: three quarters of an inch.
constexpr double kMarginPoints = 54;

} // namespace

QString ResultsExport::StartFolder() {
    const QString last = QSettings().value(QString::fromLatin1(kFolderKey)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

int ResultsExport::LocalePaper() {
    // The countries that print on US Letter.
    constexpr QLocale::Territory kLetter[] = {
        QLocale::AnyTerritory, QLocale::UnitedStates,
        QLocale::Canada,       QLocale::Mexico,
        QLocale::PuertoRico,   QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,
        QLocale::Venezuela,    QLocale::Guatemala,
        QLocale::CostaRica,    QLocale::Panama,
        QLocale::ElSalvador,   QLocale::Nicaragua,
        QLocale::Honduras,     QLocale::DominicanRepublic,
    };
    const QLocale::Territory territory = QLocale().territory();
    return std::find(std::begin(kLetter), std::end(kLetter), territory) != std::end(kLetter)
               ? QPageSize::Letter
               : QPageSize::A4;
}

QString ResultsExport::Offered(const QString& name) const {
    return QDir(StartFolder()).filePath(name);
}

QString ResultsExport::OfferedPdf() const {
    return Offered(QString::fromLatin1(kPdfName).arg(workspace_.taxYear.Number()));
}

ResultsExport::ResultsExport(const Workspace& workspace, Dialogs& dialogs, QWidget& resultsScreen)
    : QObject(&resultsScreen), workspace_(workspace), dialogs_(dialogs),
      resultsScreen_(resultsScreen) {
    setObjectName("resultsExport");
}

ResultsExport::~ResultsExport() = default;

void ResultsExport::ExportCsv() {
    const QString path = exportDialogs_->SaveFileName(
        &resultsScreen_, QStringLiteral("Export Results as CSV"),
        Offered(QString::fromLatin1(kCsvName).arg(workspace_.taxYear.Number())),
        QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty()) {
        WriteWhole(path, results::ResultsCsv(workspace_));
    }
}

void ResultsExport::SaveReportPdf() {
    const QString path = exportDialogs_->SaveFileName(
        &resultsScreen_, QStringLiteral("Save Report as PDF"), OfferedPdf(),
        QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    // The whole document is made in memory first, so that nothing reaches the
    // disk unless it is complete.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(kReportTitle);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(QPageLayout(
            QPageSize(static_cast<QPageSize::PageSizeId>(LocalePaper())), QPageLayout::Portrait,
            QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
            QPageLayout::Point));
        const projection::Projection years = YearsAhead(workspace_);
        const projection::WaysCompared ways = WaysAhead(workspace_);
        painted = ReportDocument(workspace_, QDate::currentDate(), &years, &ways).Paint(writer);
    }
    if (!painted || bytes.isEmpty()) {
        dialogs_.Error(QStringLiteral("Could not make the report"));
        return;
    }
    WriteWhole(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ResultsExport::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    const QString offered = OfferedPdf();
    printer.setDocName(QFileInfo(offered).completeBaseName());
    printer.setCreator(QStringLiteral("Velmora"));
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(LocalePaper())));
    // Printed to a file, the report goes where a saved one would, by the same name.
    if (!exportDialogs_->SetUpPrinter(&resultsScreen_, printer, offered)) {
        return;
    }
    // On whatever paper was chosen, the margins of the PDF.
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                           QPageLayout::Point);
    const projection::Projection years = YearsAhead(workspace_);
    const projection::WaysCompared ways = WaysAhead(workspace_);
    if (!ReportDocument(workspace_, QDate::currentDate(), &years, &ways).Paint(printer)) {
        dialogs_.Error(QStringLiteral("Could not print the report"));
        return;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        TellSaved(resultsScreen_, printer.outputFileName());
    }
}

void ResultsExport::TellSaved(QWidget& screen, const QString& path) {
    const QFileInfo written(path);
    QSettings settings;
    KeepPrivately(settings, QString::fromLatin1(kFolderKey), written.absolutePath());
    ShowWindowNote(screen, QStringLiteral("Saved to ") +
                               QDir::toNativeSeparators(written.absoluteFilePath()));
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

bool ResultsExport::WriteWhole(FileSystem& files, Dialogs& dialogs, QWidget& screen,
                               const QString& path, std::string_view contents) {
    const std::string target = QFile::encodeName(path).toStdString();
    const int error = AtomicReplace(files, target, contents, std::string());
    if (error == 0) {
        TellSaved(screen, path);
        return true;
    }
    dialogs.Error(
        QStringLiteral("Could not save \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error))));
    return false;
}

} // namespace velmora
