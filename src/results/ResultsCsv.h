#pragma once
// The results screen's content as comma-separated values for a spreadsheet.
//
// Two tables, one after the other, each under its own header row and parted by
// an empty line:
//   Category,Name,Value,ERR     every ranked holding, category 0 (Zero) to 3
//                               (High), each category in the screen's order
//   Box,Label,Text              the 21 value boxes: control name, the box's
//                               label, the text the box shows
// Texts are exactly those of the screen's grids and boxes; names are UTF-8.
// Fields holding a comma, a quotation mark, CR or LF are quoted, quotation
// marks doubled; every line ends in CR LF.

#include "Workspace.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora::results {

std::string ResultsCsv(const Workspace& ws);

// One field as written: quoted when it must be.
std::string CsvField(std::string_view text);

// One record: its fields as written, parted by commas, ended by CR LF.
void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);

} // namespace velmora::results
