#pragma once
// The program: the one Workspace, the screens (exactly one shown at a
// time), moving between them, and the commands they share: save, the exit
// sequence, the print hint and the help file.

#include "Workspace.h"
#include "app/ui/HelpViewer.h"
#include "app/ui/TaxYearChoice.h"
#include "history/ui/PlanHistory.h"
#include "screens/ui/Screen.h"
#include "screens/ui/Shell.h"
#include "sizing/ui/Zoom.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace velmora {

class Dialogs;
class PlanStore;

inline constexpr const char* kStartMarkerName = ".velmora-started";

struct ApplicationOptions {
    // Written when the exit sequence ends the program; while it is missing,
    // every start is a first start and shows the welcome message.
    QString startMarker = QString::fromLatin1(kStartMarkerName);
    QStringList helpFolders = HelpViewer::DefaultFolders();
    // Ends the event loop once the current event has been handled.
    std::function<void()> quit;
    // The settings file (the chosen size); empty: the user's settings of the
    // application's organisation and name.
    QString settingsFile;
};

class Application : public QObject, public Shell {
    Q_OBJECT

public:
    static constexpr const char* kWelcome =
        "Welcome to the Velmora program. New Users may wish to pull down the Quick Start "
        "Instructions on the Title Page. Click on OK to continue.";
    static constexpr const char* kAskSave = "Do you want to save your data?";
    static constexpr const char* kAskExit = "Exit now?";
    static constexpr const char* kPrintHint =
        "Select any screen, Press the PrintScreen key to copy that screen image to the Windows "
        "Clipboard memory, and then open a Windows Word Processor and Edit / Paste the image to a "
        "new document. Then print the page from your Word Processor.";

    Application(Dialogs& dialogs, PlanStore& store, ApplicationOptions options = {});
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up: claims the plan (a second run on the same plan says so and ends
    // here, returning false), creates the title screen, shows the welcome
    // message on a first start, loads the plan, shows the title screen, and then
    // tells what went wrong with the plan file, if anything did. Each other
    // screen is made when it is first asked for (shown, or looked up here),
    // after the plan has been loaded; a screen does nothing with the plan until
    // it is shown.
    bool Start();

    Workspace& Work() { return workspace_; }
    // The screen, made now if it was not made yet; null before Start().
    QWidget* ScreenWidget(Screen screen) override;
    template <class T> T* ScreenAs(Screen screen) { return qobject_cast<T*>(ScreenWidget(screen)); }
    Screen Current() const { return current_; }
    bool Ended() const { return ended_; }
    // The help window, made on first use.
    HelpViewer& Help();
    Zoom& Size() { return zoom_; }
    TaxYearChoice& Year() { return taxYear_; }
    PlanHistory& History() { return history_; }

    void Show(Screen screen) override;
    bool Save() override;
    void ExitSequence() override;
    void PrintHint() override;
    void HelpContents() override;
    void HelpTutorial() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the screen unless it exists; the title screen is made by Start().
    void CreateScreen(Screen screen);
    // Makes the screen and sets it up as a window of the program.
    void MakeScreen(Screen screen);
    void WelcomeOnFirstStart();
    // What shows the year in force follows a new choice at once.
    void TaxYearChanged();
    // The title screen's close control: asks whether to save, then ends the
    // program without asking "Exit now?"; false when the close is cancelled.
    bool TitleCloseRequested();
    void EndProgram();

public:
    // A screen as the program holds it: the window, and its FormActivate.
    struct Entry {
        std::unique_ptr<QWidget> widget;
        std::function<void()> activate;
        bool placed = false; // centred on its first showing
    };

private:
    Dialogs& dialogs_;
    PlanStore& store_;
    ApplicationOptions options_;
    Workspace workspace_;
    Zoom zoom_;
    TaxYearChoice taxYear_;
    PlanHistory history_{workspace_.plan, *this}; // starts empty, after the plan is loaded
    std::unique_ptr<HelpViewer> help_;
    std::array<Entry, kScreenCount> screens_;
    std::string loadMessage_; // about the plan file, shown once the title screen is up
    bool started_ = false;
    Screen current_ = Screen::Title;
    bool shown_ = false;
    bool ended_ = false;
};

// Prints where the help file is found (for checking an installation) and
// returns 0, or says that it is missing and returns 1. Needs no display.
int PrintHelpFilePath(int argc, char** argv);

// Starts the desktop program; returns its exit status.
int RunApplication(int argc, char** argv);

} // namespace velmora
