#include "results/ResultsCsv.h"

#include "plan/Windows1252.h"
#include "results/CategoryRows.h"
#include "results/ResultBox.h"

#include <initializer_list>

namespace velmora::results {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) {
            out += ',';
        }
        first = false;
        out += CsvField(field);
    }
    out += kLineEnd;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string ResultsCsv(const Workspace& ws) {
    std::string out;
    AppendCsvRecord(out, {"Category", "Name", "Value", "ERR"});
    for (const RiskCategory k : kRiskCategories) {
        for (const CategoryRow& row : CategoryRows(ws.ranking, k)) {
            AppendCsvRecord(out, {Title(k), Windows1252ToUtf8(row.Name), row.Value, row.Err});
        }
    }
    out += kLineEnd;
    AppendCsvRecord(out, {"Box", "Label", "Text"});
    for (const ResultBoxEntry& box : kResultBoxes) {
        AppendCsvRecord(out, {box.Name, box.Label, ws.results.boxes.*box.Text});
    }
    return out;
}

} // namespace velmora::results
