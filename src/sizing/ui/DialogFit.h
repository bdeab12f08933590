#pragma once
// Dialogs that fit the desktop: a message box, a file dialog or a print dialog
// at a large chosen size could be wider or taller than the free area of the
// desktop, with its buttons off the screen.

class QDialog;

namespace velmora {

// Readies a message box, about to be shown for the first time, to fit the
// free area of its screen with its frame: its text wraps in lines of a
// readable width that the box can hold, and a box that would still be taller
// than the free area takes a smaller type, never below the application's own.
void FitDialogToDesktop(QDialog& dialog);

// As `dialog` shows, with the size it asks for: a dialog too large for the
// free area takes a smaller type (never below the application's own) and is
// at most as large as the free area, so that it can show within it.
void KeepDialogOnDesktop(QDialog& dialog);

} // namespace velmora
