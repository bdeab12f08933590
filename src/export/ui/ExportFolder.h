#pragma once
// Where the exports' file dialogs open and what a screen says once a file is
// written: the dialogs open in the user's documents folder the first time,
// then in the folder used last (kept in the program's settings), and a file
// written is named with its full path in a note at the screen's foot
// ("Saved to ...").

#include <QString>

class QWidget;

namespace velmora {

// Where the folder used last is kept in the settings.
inline constexpr const char* kExportFolderKey = "Files/LastFolder";

// The folder the file dialogs open in: the folder used last while it exists,
// else the user's documents folder, else the home folder.
QString ExportStartFolder();

// `name` in the start folder: the full path a file dialog offers.
QString OfferedExportPath(const QString& name);

// Keeps the folder of a file written for the next dialog and says where it
// went, in a note at the foot of `screen`.
void TellSaved(QWidget& screen, const QString& path);

} // namespace velmora
