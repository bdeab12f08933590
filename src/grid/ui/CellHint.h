#pragma once
// A short note under a cell being edited that says what the cell takes ("Whole
// numbers only"), shown when the cell refuses a key or refuses to be left. It
// looks like a tooltip but stays while the user goes on typing, for a few
// seconds, and goes with the editor.

#include <QString>

class QLabel;
class QWidget;

namespace velmora::CellHint {

// Shows `text` under the editor (nothing for an empty text).
void Show(QWidget& editor, const QString& text);

// The note of an editor, or null when none was ever shown.
QLabel* Of(const QWidget& editor);

} // namespace velmora::CellHint
