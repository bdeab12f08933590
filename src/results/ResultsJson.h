#pragma once
// The results screen's content as one JSON object (boxes, ranked grids, values).

#include "Workspace.h"

#include <string>

namespace velmora::results {

// {"boxes": {...}, "categories": [[...] x 4], "values": {...}, "TaxYear": 2004}
// followed by a line end.
// Box and cell texts are the screen's own; names are converted to UTF-8.
std::string ResultsJson(const Workspace& ws);

} // namespace velmora::results
