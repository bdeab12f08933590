#pragma once
// Holdings gathered by risk category and ordered by increasing Err.

#include "plan/Workspace.h"

namespace velmora::results {

void LoadArrays(Workspace& ws);
void SortCategory(Workspace& ws, int category, int low, int high);

} // namespace velmora::results
