#pragma once
// What a screen may ask of the program around it: move to another screen and
// the commands that several screens share.

#include "screens/ui/Screen.h"

class QWidget;

namespace velmora {

class Shell {
public:
    virtual ~Shell() = default;

    // Hides the current screen, shows `screen` and runs its FormActivate.
    virtual void Show(Screen screen) = 0;
    // The screen's window, made now if it was not made yet; null when there is
    // none.
    virtual QWidget* ScreenWidget(Screen screen) = 0;
    // Writes the plan file, asking first when another program has changed it; a
    // failure is shown in an error box and gives false.
    virtual bool Save() = 0;
    // "Do you want to save your data?", then "Exit now?".
    virtual void ExitSequence() = 0;
    // How to print a screen (the program prints nothing itself).
    virtual void PrintHint() = 0;
    // The help file at its table of contents (context 0) or its tutorial (1).
    virtual void HelpContents() = 0;
    virtual void HelpTutorial() = 0;
};

} // namespace velmora
