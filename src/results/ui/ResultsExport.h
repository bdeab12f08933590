#pragma once
// What the results screen offers beyond the screen itself: the results as a
// comma-separated file, the report as a PDF file or on a printer, and the
// chart window. Files are written whole or not at all (a temporary file beside
// the chosen one, renamed over it once complete); a file that cannot be
// written is reported in an error box with the reason, and a file written is
// named with its full path in a note on the screen ("Saved to ..."), as is a
// report printed to a file. The file
// dialogs open in the user's documents folder the first time, then in the
// folder used last (kept in the program's settings).

#include "plan/PosixFileSystem.h"
#include "results/ui/QtExportDialogs.h"

#include <QObject>
#include <QString>
#include <string_view>

class QWidget;

namespace velmora {

class ChartWindow;
class Dialogs;
class FileSystem;
struct Workspace;

class ResultsExport : public QObject {
    Q_OBJECT

public:
    // Offered names, in the folder used last (at first the documents folder).
    static constexpr const char* kCsvName = "Velmora Results %1.csv"; // %1: the tax year
    static constexpr const char* kPdfName = "Velmora Report %1.pdf";  // %1: the tax year
    // Where the folder used last is kept in the settings.
    static constexpr const char* kFolderKey = "Files/LastFolder";

    ResultsExport(const Workspace& workspace, Dialogs& dialogs, QWidget& resultsScreen);
    ~ResultsExport() override;

    void ExportCsv();
    void SaveReportPdf();
    void PrintReport();
    void ShowCharts();

    // The chart window once it has been opened, else null.
    ChartWindow* Charts() const { return charts_; }

    // Seams for tests: the file and printer dialogs, and the file operations.
    void UseExportDialogs(ExportDialogs& exportDialogs) { exportDialogs_ = &exportDialogs; }
    void UseFileSystem(FileSystem& files) { files_ = &files; }

    // The folder the file dialogs open in: the folder used last while it
    // exists, else the user's documents folder, else the home folder.
    static QString StartFolder();
    // The paper of the report, printed or saved as PDF: A4 where the user's
    // locale names a country that uses it, else US Letter (also in a locale
    // that names no country).
    static int LocalePaper();

    // Keeps the folder of a file written for the next dialog and says where it
    // went, in a note at the foot of `screen`.
    static void TellSaved(QWidget& screen, const QString& path);
    // Writes the whole file or nothing, then tells it saved; shows an error box
    // with the reason and gives false on failure.
    static bool WriteWhole(FileSystem& files, Dialogs& dialogs, QWidget& screen,
                           const QString& path, std::string_view contents);

private:
    QString Offered(const QString& name) const;
    // The report's PDF file offered: "Velmora Report 2026.pdf" in the start folder.
    QString OfferedPdf() const;
    bool WriteWhole(const QString& path, std::string_view contents) {
        return WriteWhole(*files_, dialogs_, resultsScreen_, path, contents);
    }

    const Workspace& workspace_;
    Dialogs& dialogs_;
    QWidget& resultsScreen_;
    QtExportDialogs qtExportDialogs_;
    ExportDialogs* exportDialogs_ = &qtExportDialogs_;
    PosixFileSystem posixFiles_;
    FileSystem* files_ = &posixFiles_;
    ChartWindow* charts_ = nullptr;
};

} // namespace velmora
