#pragma once
// The help window: shows the help file "Velmora.hlp" (HTML, one section per
// context number, each starting at an anchor named "context-N") scrolled to
// the section asked for. The file is looked for in the working directory,
// then beside the program, then in the installed data folder.

#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace velmora {

class Dialogs;

inline constexpr const char* kHelpFileName = "Velmora.hlp";
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpTutorial = 1;

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // `folders` are searched in order; an empty entry stands for the working
    // directory at the time of the request.
    HelpViewer(Dialogs& dialogs, QStringList folders, QWidget* parent = nullptr);

    // Working directory, the program's folder, the installed data folder.
    static QStringList DefaultFolders();

    // Opens the window at the section of the context number. Without a help
    // file it says so in a message box and returns false.
    bool ShowContext(int context);

    QString FilePath() const { return filePath_; }
    QTextBrowser* Browser() const { return browser_; }

private:
    QString FindHelpFile() const;

    Dialogs& dialogs_;
    QStringList folders_;
    QString filePath_;
    QTextBrowser* browser_;
};

} // namespace velmora
