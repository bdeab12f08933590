#pragma once
// The file and printer dialogs of the results' exports as the user sees them.

#include "results/ui/ExportDialogs.h"

namespace velmora {

// The real dialogs: QFileDialog and QPrintDialog.
class QtExportDialogs : public ExportDialogs {
public:
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter, const QString& suffix) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer, const QString& fileOffered) override;
};

} // namespace velmora
