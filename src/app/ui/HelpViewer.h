#pragma once
// The help window: shows the help file "Velmora.hlp" (HTML, one section per
// context number, each starting at an anchor named "context-N") scrolled to
// the section asked for. The file is looked for beside the program (in a
// build tree), then in the data folder of the installation the program runs
// from (<prefix>/share/velmora beside <prefix>/bin), then in the data folder
// it was built for; never in the folder the program was started in, which
// anyone may have written to.
// Ctrl+F opens a find bar under the text: typing finds the text as it is
// typed, Return or F3 finds the next match and Shift+Return or Shift+F3 the
// previous one (from the end, the search starts again at the top). Escape in
// the find bar closes the bar; elsewhere Escape or Ctrl+W closes the window.

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace velmora {

class Dialogs;

inline constexpr const char* kHelpFileName = "Velmora.hlp";
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpTutorial = 1;

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // `folders` are searched in order; only absolute ones count.
    HelpViewer(Dialogs& dialogs, QStringList folders, QWidget* parent = nullptr);

    // The program's folder, the data folder of the installation it runs from,
    // the data folder it was built for.
    static QStringList DefaultFolders();

    // The first readable help file in the absolute folders of `folders`, or ""
    // when there is none.
    static QString FindHelpFileIn(const QStringList& folders);

    // Opens the window at the section of the context number. Without a help
    // file it says so in a message box and returns false.
    bool ShowContext(int context);

    QString FilePath() const { return filePath_; }
    QTextBrowser* Browser() const { return browser_; }

    // Opens the find bar with its text selected.
    void OpenFind();
    // Selects the next (or previous) match of the find bar's text; false when there is none.
    bool FindNext();
    bool FindPrevious();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateFindBar();
    bool Find(bool backward, bool fromSelectionStart);

    Dialogs& dialogs_;
    QStringList folders_;
    QString filePath_;
    QTextBrowser* browser_;
    QWidget* findBar_ = nullptr;
    QLineEdit* editFind_ = nullptr;
    QLabel* lblFindResult_ = nullptr;
};

} // namespace velmora
