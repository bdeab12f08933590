#pragma once
// What every screen is made with: the one shared state, the message boxes, the
// program around the screens (moving on, the shared commands) and the plan's
// history of changes.

#include "screens/ui/Dialogs.h"

namespace velmora {

class PlanHistory;
class Shell;
struct Workspace;

struct ScreenContext {
    Workspace& workspace;
    Dialogs& dialogs;
    Shell& shell;
    PlanHistory& history;
};

} // namespace velmora
