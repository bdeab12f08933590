// Any bytes as a plan file, through the whole report as velmora-report makes it:
// loading, the results calculation, and the page, JSON and CSV texts. Nothing
// crashes; the JSON is one well-formed JSON value and the CSV well-formed; all
// three texts are UTF-8; and a second run from the same bytes gives the same texts.

#include "CsvReader.h"
#include "FuzzChecks.h"
#include "JsonReader.h"
#include "Workspace.h"
#include "plan/PlanFile.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsCsv.h"
#include "results/ResultsJson.h"
#include "results/ResultsPage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

using namespace velmora;
using fuzzing::Check;

namespace {

struct Report {
    std::string page;
    std::string json;
    std::string csv;
};

Report MakeReport(std::string_view planBytes) {
    // The workspace is large (four ranking arrays), so it lives on the heap.
    const auto ws = std::make_unique<Workspace>();
    static_cast<void>(LoadPlanFromBytes(ws->plan, planBytes));
    results::Calculate(*ws);
    return {results::ResultsPage(*ws), results::ResultsJson(*ws), results::ResultsCsv(*ws)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Report report = MakeReport(bytes);
    Check(testing::ParseJson(report.json).has_value(), "the JSON is not well-formed", report.json);
    Check(testing::ParseCsv(report.csv).has_value(), "the CSV is not well-formed", report.csv);
    Check(fuzzing::IsUtf8(report.page), "the page is not UTF-8", report.page);
    Check(fuzzing::IsUtf8(report.json), "the JSON is not UTF-8", report.json);
    Check(fuzzing::IsUtf8(report.csv), "the CSV is not UTF-8", report.csv);

    const Report again = MakeReport(bytes);
    Check(again.page == report.page, "a second page differs", again.page);
    Check(again.json == report.json, "a second JSON differs", again.json);
    Check(again.csv == report.csv, "a second CSV differs", again.csv);
    return 0;
}
