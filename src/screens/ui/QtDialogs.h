#pragma once
// Dialogs shown as QMessageBox windows over the active screen.

#include "screens/ui/Dialogs.h"

namespace velmora {

class QtDialogs : public Dialogs {
public:
    bool Confirm(const QString& text) override;
    void Information(const QString& text) override;
    void Warning(const QString& text) override;
    void Message(const QString& text) override;
    void Error(const QString& text) override;
};

} // namespace velmora
