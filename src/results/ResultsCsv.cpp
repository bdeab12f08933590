#include "results/ResultsCsv.h"

#include "results/CategoryRows.h"
#include "results/ResultBoxLabels.h"
#include "results/ResultBoxList.h"
#include "plan/Windows1252.h"

#include <array>
#include <initializer_list>

namespace velmora::results {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendRecord(std::string& out, std::initializer_list<std::string_view> fields) {
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

} // namespace

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

std::string_view CategoryTitle(int category) {
    static constexpr std::array<std::string_view, kCategories> kTitles{"Zero", "Low", "Medium",
                                                                       "High"};
    return category >= 0 && category < kCategories ? kTitles[category] : std::string_view{};
}

std::string ResultsCsv(const Workspace& ws) {
    std::string out;
    AppendRecord(out, {"Category", "Name", "Value", "ERR"});
    for (int k = 0; k < kCategories; ++k) {
        for (const CategoryRow& row : CategoryRows(ws.ranking, k)) {
            AppendRecord(out, {CategoryTitle(k), Windows1252ToUtf8(row.Name), row.Value, row.Err});
        }
    }
    out += kLineEnd;
    AppendRecord(out, {"Box", "Label", "Text"});
    for (const BoxText& box : BoxList(ws.results.boxes)) {
        AppendRecord(out, {box.Name, BoxLabel(box.Name), *box.Text});
    }
    return out;
}

} // namespace velmora::results
