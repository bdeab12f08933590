#pragma once
// The results screen's content as a readable text page (UTF-8).

#include "Workspace.h"

#include <string>

namespace velmora::results {

std::string ResultsPage(const Workspace& ws);

} // namespace velmora::results
