#pragma once
// Starting the whole program in a test: the options it runs with, and the
// start marker that makes a start not the first one.

#include "app/ui/Application.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <functional>
#include <utility>

namespace velmora::test {

// The help file of the source tree; `quit` in place of ending the test program;
// the chosen size kept in `settingsFile`, or, when it is empty, in the tests'
// own scratch configuration folder.
inline ApplicationOptions TestOptions(
    std::function<void()> quit = [] {}, const QString& settingsFile = QString()) {
    ApplicationOptions options;
    options.helpFolders = {QFileInfo(QStringLiteral(VELMORA_HELP_FILE)).absolutePath()};
    options.quit = std::move(quit);
    options.settingsFile = settingsFile;
    return options;
}

// Writes the start marker in the working directory, so that the next start is
// not the first one and shows no welcome; false when it cannot be written.
inline bool MarkStarted() {
    QFile marker(QString::fromLatin1(kStartMarkerName));
    return marker.open(QIODevice::WriteOnly);
}

} // namespace velmora::test
