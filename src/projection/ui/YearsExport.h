#pragma once
// The years ahead as a comma-separated file, through the export kit
// (FileExport.h): written whole or not at all, a failure told in an error box
// with the reason, the file written named in a note at the screen's foot. The
// dialog opens where the results' exports do.

#include "export/ui/FileExport.h"

#include <QString>

class QWidget;

namespace velmora {

class Dialogs;

namespace projection {
struct Projection;
struct WaysCompared;
} // namespace projection

class YearsExport {
public:
    // The name offered: the tax year and the age the years run to.
    static constexpr const char* kCsvName = "Velmora Years %1 to %2.csv";
    static constexpr const char* kWaysCsvName = "Velmora Ways Compared %1 to %2.csv"; // the tax year, the age the years run to

    YearsExport(Dialogs& dialogs, QWidget& screen);

    // Asks where, then writes the file.
    void ExportCsv(const projection::Projection& years);
    // The ways of selling side by side, the same way.
    void ExportWaysCsv(const projection::WaysCompared& ways);

    // Seams for tests.
    void UseExportDialogs(ExportDialogs& exportDialogs) { files_.UseExportDialogs(exportDialogs); }
    void UseFileSystem(FileSystem& files) { files_.UseFileSystem(files); }

private:
    FileExport files_;
};

} // namespace velmora
