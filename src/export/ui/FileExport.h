#pragma once
// What every export of a screen stands on: the file and printer dialogs and
// the file operations, each behind a seam that tests replace, and the
// whole-or-nothing write. Files are written whole or not at all (a temporary
// file beside the chosen one, renamed over it once complete); a file that
// cannot be written is reported in an error box with the reason, and a file
// written is named in a note at the screen's foot (ExportFolder.h).

#include "export/ui/QtExportDialogs.h"
#include "plan/PosixFileSystem.h"

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace velmora {

class Dialogs;
class FileSystem;
class ReportDocument;

class FileExport {
public:
    FileExport(Dialogs& dialogs, QWidget& screen);

    // Seams for tests: the file and printer dialogs, and the file operations.
    void UseExportDialogs(ExportDialogs& exportDialogs) { exportDialogs_ = &exportDialogs; }
    void UseFileSystem(FileSystem& files) { files_ = &files; }

    // Asks where to save, offering `name` in the start folder; empty when the
    // user cancelled.
    QString AskWhere(const QString& caption, const QString& name, const QString& filter,
                     const QString& suffix);
    // Asks where to save a comma-separated file offered as `name`.
    QString AskWhereCsv(const QString& caption, const QString& name);

    // Writes the whole file or nothing, then tells it saved; shows an error box
    // with the reason and gives false on failure.
    bool WriteWhole(const QString& path, std::string_view contents);

    // The report made by `make` as a PDF file, offered as `name`.
    void SaveReportPdf(const QString& name, const std::function<ReportDocument()>& make);
    // The report made by `make` on the printer the user sets up, printing to a
    // file offered as `name` in the start folder; a file printed to is written
    // whole or not at all, as a saved one is.
    void PrintReport(const QString& name, const std::function<ReportDocument()>& make);

private:
    Dialogs& dialogs_;
    QWidget& screen_;
    QtExportDialogs qtExportDialogs_;
    ExportDialogs* exportDialogs_ = &qtExportDialogs_;
    PosixFileSystem posixFiles_;
    FileSystem* files_ = &posixFiles_;
};

} // namespace velmora
