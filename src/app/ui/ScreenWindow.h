#pragma once
// Window chrome shared by the screens.

class QWidget;

namespace velmora {

// A top-level screen window with minimise and maximise buttons, and a close
// button only when `closable`.
void SetUpScreenWindow(QWidget& screen, bool closable);

// Places the window in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

} // namespace velmora
