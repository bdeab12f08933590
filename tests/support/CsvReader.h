#pragma once
// A strict reader of comma-separated values as the exports write them: every
// record ends in CR LF; a quoted field may hold commas, CR, LF and doubled
// quotation marks. Anything else (a bare CR or LF, a quotation mark inside an
// unquoted field, text after a closing quotation mark, a missing final CR LF)
// makes the whole text invalid.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

using CsvRecord = std::vector<std::string>;

// The records in order; an empty line is a record of one empty field.
std::optional<std::vector<CsvRecord>> ParseCsv(std::string_view text);

} // namespace velmora::testing
