#pragma once
// The years ahead as a comma-separated file: written whole or not at all, a
// failure told in an error box with the reason, the file written named in a
// note at the screen's foot. The dialog opens where the results' exports do.

#include "plan/PosixFileSystem.h"
#include "results/ui/QtExportDialogs.h"

#include <QString>

class QWidget;

namespace velmora {

class Dialogs;
class ExportDialogs;
class FileSystem;

namespace projection {
struct Projection;
struct WaysCompared;
} // namespace projection

class YearsExport {
public:
    static constexpr const char* kCsvName = "Velmora Years Ahead %1.csv"; // %1: the tax year

    YearsExport(Dialogs& dialogs, QWidget& screen);

    static constexpr const char* kWaysCsvName = "Velmora Ways Compared %1.csv"; // %1: the tax year
    // Asks where, then writes the file.
    void ExportCsv(const projection::Projection& years);
    // The ways of selling side by side, the same way.
    void ExportWaysCsv(const projection::WaysCompared& ways);

    // Seams for tests.
    void UseExportDialogs(ExportDialogs& exportDialogs) { exportDialogs_ = &exportDialogs; }
    void UseFileSystem(FileSystem& files) { files_ = &files; }

private:
    Dialogs& dialogs_;
    QWidget& screen_;
    QtExportDialogs qtExportDialogs_;
    ExportDialogs* exportDialogs_ = &qtExportDialogs_;
    PosixFileSystem posixFiles_;
    FileSystem* files_ = &posixFiles_;
};

} // namespace velmora
