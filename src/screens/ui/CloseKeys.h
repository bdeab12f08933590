#pragma once
// The keys of a window beside the screens (the help, the charts): Escape and
// Ctrl+W close it.

class QWidget;

namespace velmora {

void InstallCloseKeys(QWidget& window);

} // namespace velmora
