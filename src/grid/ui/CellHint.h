#pragma once
// A short note under a cell being edited that says what the cell takes ("Whole
// numbers only"), shown when the editor opens, when the cell refuses a key and
// when it refuses to be left. It looks like a tooltip but stays while the user
// goes on typing, for a few seconds or until the next key the cell takes, and
// goes with the editor. A grid shows the same kind of note under a cell that the
// program changed, and a screen at its foot to say where a file went.

#include <QString>

class QLabel;
class QRect;
class QWidget;

namespace velmora::CellHint {

enum class Lasting {
    FewSeconds,   // goes by itself after a few seconds
    UntilNextKey, // stays until the next key the cell takes or the editor goes
};

// Shows `text` under the editor (nothing for an empty text).
void Show(QWidget& editor, const QString& text, Lasting lasting = Lasting::FewSeconds);

// Shows `text` under `area` of `owner` (in its coordinates), as the note of
// `owner`: one note per widget, moved to the last place asked.
void ShowUnder(QWidget& owner, const QRect& area, const QString& text,
               Lasting lasting = Lasting::FewSeconds);

// Hides the note of a widget, if it shows one.
void Hide(QWidget& owner);

// Hides the note of an editor that shows one until the next key.
void KeyTaken(QWidget& editor);

// The note of an editor, or null when none was ever shown.
QLabel* Of(const QWidget& editor);

} // namespace velmora::CellHint
