#pragma once
// A shell for screen tests: records where a screen asked to go and which
// shared commands it used, without any other screen behind it.

#include "screens/ui/Shell.h"

#include <functional>
#include <vector>

namespace velmora::test {

class RecordingShell : public Shell {
public:
    void Show(Screen screen) override {
        shown.push_back(screen);
        if (onShow) {
            onShow(screen); // e.g. the screen's activation, as the program runs it
        }
    }
    QWidget* ScreenWidget(Screen /*screen*/) override { return nullptr; }
    bool Save() override {
        ++saves;
        return saveResult;
    }
    void ExitSequence() override { ++exitSequences; }
    void PrintHint() override { ++printHints; }
    void HelpContents() override { ++helpContents; }
    void HelpTutorial() override { ++helpTutorials; }

    std::vector<Screen> shown;
    std::function<void(Screen)> onShow;
    int saves = 0;
    bool saveResult = true;
    int exitSequences = 0;
    int printHints = 0;
    int helpContents = 0;
    int helpTutorials = 0;
};

} // namespace velmora::test
