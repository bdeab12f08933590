#pragma once
// What the results screen offers beyond the screen itself: the results as a
// comma-separated file, the report as a PDF file or on a printer, and the
// chart window. The files go through the export kit (FileExport.h): written
// whole or not at all, a failure told with its reason, a file written named in
// a note at the screen's foot. The report is the results' pages, how the tax
// was worked out, then the pages that other screens add (the years ahead).

#include "export/ui/FileExport.h"
#include "export/ui/ReportSection.h"

#include <QObject>
#include <QString>
#include <vector>

class QWidget;

namespace velmora {

class ChartWindow;
class Dialogs;
class ReportDocument;
struct Workspace;

class ResultsExport : public QObject {
    Q_OBJECT

public:
    // Offered names, in the folder used last (at first the documents folder).
    static constexpr const char* kCsvName = "Velmora Results %1.csv"; // %1: the tax year
    static constexpr const char* kPdfName = "Velmora Report %1.pdf";  // %1: the tax year

    ResultsExport(const Workspace& workspace, Dialogs& dialogs, QWidget& resultsScreen);
    ~ResultsExport() override;

    void ExportCsv();
    void SaveReportPdf();
    void PrintReport();
    void ShowCharts();

    // Pages of the report that follow the results' own, in the order added.
    void AddReportPages(ReportSectionMaker make) { moreSections_.push_back(std::move(make)); }

    // The chart window once it has been opened, else null.
    ChartWindow* Charts() const { return charts_; }

    // Seams for tests: the file and printer dialogs, and the file operations.
    void UseExportDialogs(ExportDialogs& exportDialogs) { files_.UseExportDialogs(exportDialogs); }
    void UseFileSystem(FileSystem& files) { files_.UseFileSystem(files); }

private:
    QString PdfName() const;
    ReportDocument Report() const;

    const Workspace& workspace_;
    QWidget& resultsScreen_;
    FileExport files_;
    std::vector<ReportSectionMaker> moreSections_;
    ChartWindow* charts_ = nullptr;
};

} // namespace velmora
