// What a load says about itself: complete, short, or stopped at a line and why; and
// the words that tell the user.

#include "FaultyFileSystem.h"
#include "PlanSamples.h"
#include "ScratchFolder.h"
#include "plan/PlanFile.h"
#include "plan/PlanFileMessages.h"
#include "plan/PlanWriter.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <string>

namespace velmora {
namespace {

using testing::FaultyFileSystem;
using testing::MarriedHousehold;
using testing::ScratchFolder;
using testing::WriteBytes;

LoadResult Load(const std::string& bytes, PlanData& plan) {
    return LoadPlanFromBytes(plan, bytes);
}

LoadResult Load(const std::string& bytes) {
    PlanData plan;
    return Load(bytes, plan);
}

TEST(PlanLoadResult, CompleteOrShort) {
    const std::string full = PlanFileText(MarriedHousehold());
    EXPECT_EQ(Load(full).status, LoadStatus::Complete);
    EXPECT_EQ(Load(full.substr(0, full.size() - 2)).status, LoadStatus::Complete)
        << "no line end after the last value";
    EXPECT_EQ(Load(full + "more after the plan\r\n").status, LoadStatus::Complete);
    for (const std::string& cut : {std::string(), full.substr(0, full.size() - 3),
                                   full.substr(0, 500), "Yes\r\n\x1A" + full}) {
        const LoadResult result = Load(cut);
        EXPECT_EQ(result.status, LoadStatus::Short) << cut.size();
        EXPECT_EQ(result.problem, LoadProblem::None);
    }
}

TEST(PlanLoadResult, ANumberThatCannotBeReadGivesItsLineAndText) {
    struct Case {
        std::string bytes;
        int line;
        std::string text;
    };
    const Case cases[] = {
        {"Yes\r\nsixty\r\n64\r\n", 2, "sixty"},
        {"Yes\r\n\r\n\n\r 70\r\n12abc\r\n", 6, "12abc"}, // CR LF, LF and CR each end a line
        {"Yes\r67\r64\r40000\r-\r", 5, "-"},
        {"Yes\n67\n64\n99999999999\n", 4, "99999999999"},
        {"No\r\n70 years\r\nsechzig\xE9\xE9\r\n", 3, "sechzig??"},
    };
    for (const Case& c : cases) {
        const LoadResult result = Load(c.bytes);
        EXPECT_EQ(result.status, LoadStatus::NotFullyRead) << c.text;
        EXPECT_EQ(result.problem, LoadProblem::NotANumber) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_EQ(result.text, c.text);
    }
}

// Loads `bytes` from a file, read in pieces of `piece` bytes.
LoadResult LoadInPieces(const std::string& bytes, std::size_t piece, PlanData& plan) {
    ScratchFolder folder;
    WriteBytes(folder.Path(kPlanFileName), bytes);
    FaultyFileSystem files;
    files.LimitTransfer(piece);
    return LoadPlan(plan, folder.Path(kPlanFileName), files);
}

TEST(PlanLoadResult, AnOverlongLineStopsTheLoad) {
    const std::string longest = std::string(65536, 'x') + "\r\n67\r\n";
    for (const std::size_t piece : {0, 1000}) {
        PlanData plan;
        const LoadResult result =
            piece == 0 ? Load(longest, plan) : LoadInPieces(longest, piece, plan);
        EXPECT_EQ(result.status, LoadStatus::Short);
        EXPECT_EQ(plan.Married.size(), 65536u) << "a line of 64 KiB is still read";
        EXPECT_EQ(plan.AgeSelf, 67);
    }

    struct Case {
        const char* what;
        std::string bytes;
        int line;
    };
    const Case cases[] = {
        {"Married", std::string(65537, 'x') + "\r\n67\r\n", 1},
        {"zero bytes where a number belongs", "Yes\r\n" + std::string(200000, '\0'), 2},
        {"after a number", "Yes\r\n67 " + std::string(70000, 'y') + "\r\n64\r\n", 2},
        {"a name",
         [] {
             std::string text = PlanFileText(MarriedHousehold());
             std::size_t at = 0;
             for (int line = 1; line < 17; ++line) {
                 at = text.find("\r\n", at) + 2;
             }
             return text.insert(at, 80000, 'n');
         }(),
         17},
    };
    // Whole, and from a file in pieces: the line is found too long at its end or when
    // the next piece is needed.
    for (const std::size_t piece : {0, 1000, 64 * 1024}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + ", pieces of " + std::to_string(piece));
            PlanData stopped = MarriedHousehold();
            stopped.IraHoldings[0].Name = "kept";
            stopped.Married = "kept";
            const LoadResult result =
                piece == 0 ? Load(c.bytes, stopped) : LoadInPieces(c.bytes, piece, stopped);
            EXPECT_EQ(result.status, LoadStatus::NotFullyRead);
            EXPECT_EQ(result.problem, LoadProblem::LineTooLong);
            EXPECT_EQ(result.line, c.line);
            EXPECT_EQ(stopped.IraHoldings[0].Name, "kept");
            if (c.line == 1) {
                EXPECT_EQ(stopped.Married, "kept");
            }
        }
    }
}

TEST(PlanLoadResult, AnOverlongLineIsNotReadFarBeyondItsLimit) {
    ScratchFolder folder;
    WriteBytes(folder.Path(kPlanFileName), std::string(1024 * 1024, 'x'));
    FaultyFileSystem files;
    files.LimitTransfer(1000);
    PlanData plan;
    EXPECT_EQ(LoadPlan(plan, folder.Path(kPlanFileName), files).problem, LoadProblem::LineTooLong);
    const auto reads =
        std::count_if(files.Log().begin(), files.Log().end(),
                      [](const std::string& call) { return call.starts_with("read"); });
    EXPECT_EQ(reads, 66) << "64 KiB and one byte, in pieces of 1000";
    EXPECT_EQ(plan.Married, "No") << "not read";
}

TEST(PlanLoadResult, TheWarningSaysWhatWhereAndWhatFollows) {
    auto stopped = [](LoadProblem problem, int line, int error = 0, std::string text = {}) {
        LoadResult result;
        result.status = LoadStatus::NotFullyRead;
        result.problem = problem;
        result.line = line;
        result.error = error;
        result.text = std::move(text);
        return result;
    };
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::CannotOpen, 0, EACCES), "UserData.dta"),
              "Velmora could not open your plan file UserData.dta (File access denied). All "
              "values are the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::NotAFile, 0), "UserData.dta"),
              "Your plan file UserData.dta is not an ordinary file (it may be a folder, a device "
              "or a pipe), so Velmora did not read it. All values are the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::FileTooLarge, 0), "UserData.dta"),
              "Your plan file UserData.dta is larger than 16 MB, far too large for a plan file, "
              "so Velmora did not read it. All values are the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::FileTooLarge, 12), "plan.dta"),
              "Velmora stopped reading your plan file plan.dta at line 12, because the file is "
              "larger than 16 MB, far too large for a plan file. The values from line 12 on are "
              "the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::ReadError, 10, EIO), "UserData.dta"),
              "Velmora could not read line 10 of your plan file UserData.dta (I/O error 5). The "
              "values from line 10 on are the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::LineTooLong, 1), "UserData.dta"),
              "Line 1 of your plan file UserData.dta is longer than 65536 characters, far longer "
              "than any line of a plan file. The values from line 1 on are the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::NotANumber, 2, 0, "sixty"), "UserData.dta"),
              "Line 2 of your plan file UserData.dta should hold a whole number but holds "
              "\"sixty\". The values after that line are the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::NotANumber, 5, 0, "-2147483649"), "x.dta"),
              "Line 5 of your plan file x.dta holds the number -2147483649, which is too large "
              "for Velmora. The values after that line are the default values.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::NotANumber, 5, 0, "-"), "x.dta"),
              "Line 5 of your plan file x.dta should hold a whole number but holds \"-\". The "
              "values after that line are the default values.");

    LoadResult quiet;
    EXPECT_EQ(LoadProblemText(quiet, "UserData.dta"), "") << "no file";
    quiet.status = LoadStatus::Short;
    EXPECT_EQ(LoadProblemText(quiet, "UserData.dta"), "") << "a short file";
}

} // namespace
} // namespace velmora
