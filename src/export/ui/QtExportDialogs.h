#pragma once
// The file and printer dialogs of the screens' exports as the user sees them.

#include "export/ui/ExportDialogs.h"

namespace velmora {

// The real dialogs: QFileDialog and QPrintDialog.
class QtExportDialogs : public ExportDialogs {
public:
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter, const QString& suffix) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer, const QString& fileOffered) override;
};

} // namespace velmora
