#pragma once
// Qt's print support, loaded when the user first prints rather than at every
// start: a module of its own (velmora-print.so, beside the program in the
// build tree, in the program's library folder when installed) makes the
// printer and shows the print dialog. The program holds the printer as the
// paged device that the report paints on.

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QWidget;

namespace velmora {

// The module's file name and its two entry points, found by these names.
inline constexpr const char* kPrintModuleName = "velmora-print.so";
inline constexpr const char* kNewPrinterEntry = "velmora_new_printer";
using NewPrinterEntry = QPagedPaintDevice* (*)(const QString& docName, const QString& creator);
inline constexpr const char* kSetUpPrinterEntry = "velmora_set_up_printer";
using SetUpPrinterEntry = bool (*)(QWidget* parent, QPagedPaintDevice& printer,
                                   const QString& title);

class PrintSupport {
public:
    // A printer of high resolution for the document; null when print support
    // cannot be loaded, and then `error` says why.
    static std::unique_ptr<QPagedPaintDevice> NewPrinter(const QString& docName,
                                                         const QString& creator, QString& error);
    // The print dialog on `printer` (made by NewPrinter); false when the user
    // cancelled or print support cannot be loaded.
    static bool SetUpPrinter(QWidget* parent, QPagedPaintDevice& printer, const QString& title);
};

} // namespace velmora
