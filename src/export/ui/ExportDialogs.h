#pragma once
// The file and printer dialogs of the screens' exports, behind an interface so
// that tests can name the file or set up the printer themselves.

#include <QString>

class QPrinter;
class QWidget;

namespace velmora {

class ExportDialogs {
public:
    virtual ~ExportDialogs() = default;

    // Asks where to save; `suggested` is the full path offered at first, `filter`
    // the file type shown and `suffix` added to a name typed without one.
    // Returns the chosen path, or an empty text when the user cancelled.
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter, const QString& suffix) = 0;

    // Lets the user choose and set up the printer, offering `fileOffered` (a
    // full path) for printing to a file; false when the user cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer, const QString& fileOffered) = 0;
};

} // namespace velmora
