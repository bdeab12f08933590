#include "export/ui/FileExport.h"

#include "export/ui/ExportFolder.h"
#include "export/ui/ReportDocument.h"
#include "export/ui/ReportPaper.h"
#include "plan/AtomicReplace.h"
#include "screens/ui/Dialogs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstring>

namespace velmora {

FileExport::FileExport(Dialogs& dialogs, QWidget& screen) : dialogs_(dialogs), screen_(screen) {}

QString FileExport::AskWhere(const QString& caption, const QString& name, const QString& filter,
                             const QString& suffix) {
    return exportDialogs_->SaveFileName(&screen_, caption, OfferedExportPath(name), filter, suffix);
}

QString FileExport::AskWhereCsv(const QString& caption, const QString& name) {
    return AskWhere(caption, name, QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
}

bool FileExport::WriteWhole(const QString& path, std::string_view contents) {
    const std::string target = QFile::encodeName(path).toStdString();
    const int error = AtomicReplace(*files_, target, contents, std::string());
    if (error == 0) {
        TellSaved(screen_, path);
        return true;
    }
    dialogs_.Error(
        QStringLiteral("Could not save \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error))));
    return false;
}

void FileExport::SaveReportPdf(const QString& name, const std::function<ReportDocument()>& make) {
    const QString path = AskWhere(QStringLiteral("Save Report as PDF"), name,
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
        writer.setTitle(QStringLiteral("Velmora Report"));
        writer.setCreator(QStringLiteral("Velmora"));
        SetUpReportPaper(writer);
        ReportDocument document = make();
        painted = document.Paint(writer);
    }
    if (!painted || bytes.isEmpty()) {
        dialogs_.Error(QStringLiteral("Could not make the report"));
        return;
    }
    WriteWhole(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void FileExport::PrintReport(const QString& name, const std::function<ReportDocument()>& make) {
    QPrinter printer(QPrinter::HighResolution);
    const QString offered = OfferedExportPath(name);
    printer.setDocName(QFileInfo(offered).completeBaseName());
    printer.setCreator(QStringLiteral("Velmora"));
    OfferReportPaper(printer);
    // Printed to a file, the report goes where a saved one would, by the same name.
    if (!exportDialogs_->SetUpPrinter(&screen_, printer, offered)) {
        return;
    }
    SetReportMargins(printer);
    // Printed to a file, the report is made whole in a folder of its own first
    // and only then put in the chosen file's place, as a saved report is: a
    // failure leaves the chosen file as it was.
    const QString chosen =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    const QTemporaryDir scratch;
    if (!chosen.isEmpty()) {
        if (!scratch.isValid()) {
            dialogs_.Error(QStringLiteral("Could not print the report"));
            return;
        }
        printer.setOutputFileName(scratch.filePath(QStringLiteral("report.pdf")));
    }
    ReportDocument document = make();
    if (!document.Paint(printer)) {
        dialogs_.Error(QStringLiteral("Could not print the report"));
        return;
    }
    if (!chosen.isEmpty()) {
        QFile made(printer.outputFileName());
        const QByteArray bytes = made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
        if (bytes.isEmpty()) {
            dialogs_.Error(QStringLiteral("Could not print the report"));
            return;
        }
        WriteWhole(chosen,
                   std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
}

} // namespace velmora
