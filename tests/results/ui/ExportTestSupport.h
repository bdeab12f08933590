#pragma once
// Helpers of the export tests: dialogs that answer without showing anything,
// the text of a PDF file (pdftotext) and the JSON of velmora-report.

#include "export/ui/ExportDialogs.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace velmora::test {

// Answers the file dialog with a set name and the printer dialog with a set
// function; records what each dialog was asked.
class ScriptedExportDialogs : public ExportDialogs {
public:
    struct Asked {
        QString caption;
        QString suggested;
        QString filter;
        QString suffix;
    };

    QString SaveFileName(QWidget*, const QString& caption, const QString& suggested,
                         const QString& filter, const QString& suffix) override {
        asked.push_back({caption, suggested, filter, suffix});
        return answer;
    }
    bool SetUpPrinter(QWidget*, QPrinter& printer, const QString& fileOffered) override {
        ++printerDialogs;
        printFileOffered = fileOffered;
        return setUpPrinter ? setUpPrinter(printer) : false;
    }

    QString answer; // empty: the user cancels
    std::function<bool(QPrinter&)> setUpPrinter;
    std::vector<Asked> asked;
    int printerDialogs = 0;
    QString printFileOffered;
};

// Every run of blanks (line ends included) as one blank.
inline QString Collapsed(const QString& text) {
    return text.simplified();
}

// Text of a PDF file in its page layout, or empty when it cannot be read.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

#ifdef VELMORA_REPORT_EXE
// What `velmora-report --json PLANFILE` prints, as an object (empty on failure).
inline QJsonObject ReportJson(const QString& planFile) {
    QProcess process;
    process.start(QStringLiteral(VELMORA_REPORT_EXE), {QStringLiteral("--json"), planFile});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}
#endif

} // namespace velmora::test
