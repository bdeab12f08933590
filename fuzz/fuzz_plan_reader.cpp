// Any bytes as a plan file: loading never fails, loading from a file in pieces of
// any size reads what loading from memory reads, and a save followed by a load
// gives back the same plan (with control characters in its texts as blanks).

#include "MemoryFileSystem.h"
#include "PlanCompare.h"
#include "plan/PlanFile.h"
#include "plan/PlanWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace velmora;

void Check(bool holds, const char* what, const std::string& detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
        std::abort();
    }
}

void CheckSame(const PlanData& expected, const PlanData& actual, const char* what) {
    const std::string difference = testing::PlanDifference(expected, actual);
    Check(difference.empty(), what, difference);
}

// Every line ends in CR LF, with no other CR or LF in the text.
std::size_t CrLfLineCount(const std::string& text) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            Check(i + 1 < text.size() && text[i + 1] == '\n', "CR without LF in a saved plan");
            ++lines;
            ++i;
        } else {
            Check(text[i] != '\n', "LF without CR in a saved plan");
        }
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    PlanData first;
    LoadPlanFromBytes(first, input);

    fuzzing::MemoryFileSystem files;
    files.Put(kPlanFileName, input);
    files.LimitReads(1 + size % 13);
    PlanData pieces;
    LoadPlan(pieces, kPlanFileName, files);
    CheckSame(first, pieces, "loading in pieces differs");

    const auto error = SavePlan(first, kPlanFileName, files);
    Check(!error, "save into memory failed", error ? error->text : "");
    const std::string* saved = files.Find(kPlanFileName);
    const std::string* backup = files.Find(kPlanBackupName);
    Check(saved != nullptr && *saved == PlanFileText(first), "saved bytes differ");
    Check(backup != nullptr && *backup == input, "backup is not the previous file");
    Check(CrLfLineCount(*saved) == 1376, "saved plan is not 1376 lines");

    PlanData second;
    second.Married = "?";
    LoadPlan(second, kPlanFileName, files);
    CheckSame(testing::WithControlsBlanked(first), second, "save then load differs");
    return 0;
}
