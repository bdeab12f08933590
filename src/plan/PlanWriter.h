#pragma once
// The text of the plan file: one value per line, each line ended by CR LF.

#include "plan/PlanData.h"

#include <string>

namespace velmora {

// The bytes that a save writes. Control characters (below code 32) inside a text
// are written as blanks, so that no value can break the one-value-per-line form.
std::string PlanFileText(const PlanData& plan);

} // namespace velmora
