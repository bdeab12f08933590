#pragma once
// The results screen's content as one JSON object (boxes, ranked grids, values).

#include "Workspace.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::results {

// {"boxes": {...}, "categories": [[...] x 4], "values": {...}, "TaxYear": 2004}
// followed by a line end.
// Box and cell texts are the screen's own; names are converted to UTF-8.
std::string ResultsJson(const Workspace& ws);

// Parts of it for reports that show several years: a JSON string of UTF-8 text,
// the "boxes" object and the "values" object, each exactly as above.
std::string JsonString(std::string_view utf8);
std::string BoxesJson(const ResultBoxTexts& boxes);
std::string ValuesJson(const TaxValues& tax, const HoldingTotals& totals, const ResultValues& r,
                       std::int32_t appliedStateTaxRate);
// The same appended to `out`.
void AppendJsonString(std::string& out, std::string_view utf8);
void AppendBoxesJson(std::string& out, const ResultBoxTexts& boxes);
void AppendValuesJson(std::string& out, const TaxValues& tax, const HoldingTotals& totals,
                      const ResultValues& r, std::int32_t appliedStateTaxRate);

} // namespace velmora::results
