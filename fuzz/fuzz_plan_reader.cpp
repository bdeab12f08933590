// Any bytes as a plan file: loading never fails, loading from a file in pieces of
// any size reads what loading from memory reads, and a save followed by a load
// gives back the same plan (with control characters in its texts as blanks).

#include "FuzzChecks.h"
#include "MemoryFileSystem.h"
#include "PlanCompare.h"
#include "plan/PlanFile.h"

#include <cstdint>
#include <string>

using namespace velmora;
using fuzzing::Check;
using fuzzing::CheckSamePlan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    PlanData first;
    static_cast<void>(LoadPlanFromBytes(first, input));

    // Reads of 1 to 13 bytes, the size chosen by the input's length.
    fuzzing::MemoryFileSystem files;
    files.Put(kPlanFileName, input);
    files.LimitReads(1 + size % 13);
    PlanData pieces;
    static_cast<void>(LoadPlan(pieces, kPlanFileName, files));
    CheckSamePlan(first, pieces, "loading in pieces differs");
    files.LimitReads(0);

    const auto error = SavePlan(first, kPlanFileName, files);
    Check(!error, "save into memory failed", error ? error->text : "");
    const std::string* saved = files.Find(kPlanFileName);
    const std::string* backup = files.Find(kPlanBackupName);
    Check(backup != nullptr && *backup == input, "backup is not the previous file");
    Check(saved != nullptr, "save left no plan file");
    Check(fuzzing::IsPlanFileOf(*saved, first), "saved bytes are not the plan file", *saved);

    PlanData second;
    second.Married = "?";
    static_cast<void>(LoadPlanFromBytes(second, *saved));
    PlanData expected = testing::WithControlsBlanked(first);
    // A first line that itself begins with the bytes of a UTF-8 byte-order mark
    // reads back without them: the reader skips such a mark at the file's start.
    if (expected.Married.starts_with("\xEF\xBB\xBF")) {
        expected.Married.erase(0, 3);
    }
    CheckSamePlan(expected, second, "save then load differs");
    return 0;
}
