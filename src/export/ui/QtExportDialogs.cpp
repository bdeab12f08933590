#include "export/ui/QtExportDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

namespace velmora {

QString QtExportDialogs::SaveFileName(QWidget* parent, const QString& caption,
                                      const QString& suggested, const QString& filter,
                                      const QString& suffix) {
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    const QFileInfo offered(suggested);
    dialog.setDirectory(offered.absolutePath());
    dialog.selectFile(offered.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool QtExportDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer, const QString& fileOffered) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Report"));
    // The dialog's own offer for printing to a file lies in the working folder,
    // where the plan is kept; the file is offered where a saved report goes.
    // The printer chosen at first stays as it is.
    if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
        file->setText(fileOffered);
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace velmora
