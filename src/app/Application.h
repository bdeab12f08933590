#pragma once

namespace velmora {

// Starts the desktop program; returns its exit status.
int RunApplication(int argc, char** argv);

} // namespace velmora
