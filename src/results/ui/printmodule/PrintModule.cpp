// The print module (velmora-print.so): the only code that uses Qt's print
// support, loaded by the program when the user first prints.

#include "results/ui/PrintSupport.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

extern "C" {

Q_DECL_EXPORT QPagedPaintDevice* velmora_new_printer(const QString& docName,
                                                     const QString& creator) {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(docName);
    printer->setCreator(creator);
    return printer;
}

Q_DECL_EXPORT bool velmora_set_up_printer(QWidget* parent, QPagedPaintDevice& printer,
                                          const QString& title) {
    QPrintDialog dialog(&static_cast<QPrinter&>(printer), parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

} // extern "C"

static_assert(std::is_same_v<decltype(&velmora_new_printer), velmora::NewPrinterEntry>);
static_assert(std::is_same_v<decltype(&velmora_set_up_printer), velmora::SetUpPrinterEntry>);
