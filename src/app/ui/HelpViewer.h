#pragma once
// The help window: shows the help file "Velmora.hlp" (HTML, one section per
// context number, each starting at an anchor named "context-N") scrolled to
// the section asked for. The file is looked for in the working directory,
// then beside the program, then in the data folder of the installation the
// program runs from (<prefix>/share/velmora beside <prefix>/bin), then in the
// data folder it was built for.

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

    // Working directory, the program's folder, the data folder of the
    // installation it runs from, the data folder it was built for.
    static QStringList DefaultFolders();

    // The first readable help file in `folders`, or "" when there is none.
    static QString FindHelpFileIn(const QStringList& folders);

    // Opens the window at the section of the context number. Without a help
    // file it says so in a message box and returns false.
    bool ShowContext(int context);

    QString FilePath() const { return filePath_; }
    QTextBrowser* Browser() const { return browser_; }

private:
    Dialogs& dialogs_;
    QStringList folders_;
    QString filePath_;
    QTextBrowser* browser_;
};

} // namespace velmora
