// What a load says about itself: complete, short, or stopped at a line and why; and
// the words that tell the user.

#include "FaultyFileSystem.h"
#include "PlanCompare.h"
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
using namespace std::string_literals;

LoadResult Load(const std::string& bytes, PlanData& plan) {
    return LoadPlanFromBytes(plan, bytes);
}

LoadResult Load(const std::string& bytes) {
    PlanData plan;
    return Load(bytes, plan);
}

// The first `count` lines of `text`, each with its line end.
std::string FirstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int line = 0; line < count; ++line) {
        end = text.find("\r\n", end) + 2;
    }
    return text.substr(0, end);
}

TEST(PlanLoadResult, AFileThatEndsBeforeItsLastLineIsNotFullyRead) {
    const std::string full = PlanFileText(MarriedHousehold());
    EXPECT_EQ(Load(full).status, LoadStatus::Complete);
    EXPECT_EQ(Load(full.substr(0, full.size() - 2)).status, LoadStatus::Complete)
        << "no line end after the last value";
    EXPECT_EQ(Load(full + "more after the plan\r\n").status, LoadStatus::Complete);
    EXPECT_EQ(Load(FirstLines(full, 1375) + "\r\n").status, LoadStatus::Complete)
        << "all 1376 lines, the last one empty";

    struct Case {
        const char* what;
        std::string bytes;
        int line;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"a byte-order mark alone", "\xEF\xBB\xBF", 0},
        {"Ctrl-Z first", "\x1AYes\r\n", 0},
        {"cut after a line end", FirstLines(full, 663), 663},
        {"cut inside a line", FirstLines(full, 663) + "Van", 664},
        {"cut inside a line end", FirstLines(full, 662) + "10000\r", 663},
        {"the last value missing", FirstLines(full, 1375), 1375},
        {"Ctrl-Z after line 1", "Yes\r\n\x1A" + full, 1},
    };
    for (const Case& c : cases) {
        PlanData plan = testing::VariedPlan();
        const LoadResult result = Load(c.bytes, plan);
        EXPECT_EQ(result.status, LoadStatus::NotFullyRead) << c.what;
        EXPECT_EQ(result.problem, LoadProblem::FileEnded) << c.what;
        EXPECT_EQ(result.line, c.line) << c.what;
        EXPECT_EQ(plan.EquityHoldings[39].LossFactor, 0) << c.what << ": read as 0, as before";
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
        // A control character other than a tab is never a blank: a NUL, wherever it is
        // in a number line, stops the load at that line.
        {"Yes\r\n185"s + '\0' + "000\r\n64\r\n", 2, "185?000"},
        {"Yes\r\n"s + std::string(3, '\0') + "\r\n64\r\n", 2, "???"},
        {"Yes\r\n67\t"s + '\0' + "\r\n64\r\n", 2, "67??"},
        {"Yes\r\n67\r\n\x0B"
         "64\r\n",
         3, "?64"},
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

TEST(PlanLoadResult, AByteOrderMarkAtTheVeryStartIsSkipped) {
    const std::string marked = "\xEF\xBB\xBF" + PlanFileText(MarriedHousehold());
    // Whole, and from a file read in pieces smaller than the mark.
    for (const std::size_t piece : {0, 1, 2, 4}) {
        PlanData plan;
        const LoadResult result =
            piece == 0 ? Load(marked, plan) : LoadInPieces(marked, piece, plan);
        EXPECT_EQ(result.status, LoadStatus::Complete) << piece;
        EXPECT_EQ(testing::PlanDifference(MarriedHousehold(), plan), "") << piece;

        // Only a whole mark, and only the first one, is no part of the plan.
        PlanData other;
        const std::string part = "\xEF\xBB"
                                 "Yes\r\n";
        const std::string twice = "\xEF\xBB\xBF\xEF\xBB\xBF"
                                  "Yes\r\n";
        piece == 0 ? Load(part, other) : LoadInPieces(part, piece, other);
        EXPECT_EQ(other.Married, "\xEF\xBB"
                                 "Yes")
            << piece;
        piece == 0 ? Load(twice, other) : LoadInPieces(twice, piece, other);
        EXPECT_EQ(other.Married, "\xEF\xBB\xBF"
                                 "Yes")
            << piece;
    }
}

TEST(PlanLoadResult, AnOverlongLineStopsTheLoad) {
    const std::string longest = std::string(65536, 'x') + "\r\n67\r\n";
    for (const std::size_t piece : {0, 1000}) {
        PlanData plan;
        const LoadResult result =
            piece == 0 ? Load(longest, plan) : LoadInPieces(longest, piece, plan);
        EXPECT_EQ(result.problem, LoadProblem::FileEnded);
        EXPECT_EQ(result.line, 2);
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

// No text of a plan holds a NUL: wherever it stands in the marital status, a name or a
// flag, the load stops before that field, read whole or a byte at a time.
TEST(PlanLoadResult, ANulInATextLineStopsTheLoadBeforeIt) {
    const std::string full = PlanFileText(MarriedHousehold());
    auto withNul = [&](int line, std::size_t at) {
        const std::string head = FirstLines(full, line - 1);
        return head + full.substr(head.size(), at) + '\0' + full.substr(head.size() + at);
    };
    struct Case {
        const char* what;
        std::string bytes;
        int line;
    };
    const Case cases[] = {
        {"the marital status", withNul(1, 3), 1},
        {"the first IRA name, beyond its 15 characters",
         FirstLines(full, 16) + "A name of twenty"s + '\0' + "chars" +
             full.substr(FirstLines(full, 17).size() - 2),
         17},
        {"an equity flag", withNul(937 + 7, 0), 937 + 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
            PlanData plan;
            plan.IraHoldings[1].Name = "before";
            plan.EquityHoldings[1].AutoReinvest = "?";
            const LoadResult result =
                piece == 0 ? Load(c.bytes, plan) : LoadInPieces(c.bytes, piece, plan);
            EXPECT_EQ(result.status, LoadStatus::NotFullyRead);
            EXPECT_EQ(result.problem, LoadProblem::NulByte);
            EXPECT_EQ(result.line, c.line);
            EXPECT_EQ(plan.Married, c.line == 1 ? "No" : "Yes") << "read up to the line";
            EXPECT_EQ(plan.IraHoldings[1].Name, c.line <= 17 ? "before" : "Schwab IRA");
            EXPECT_EQ(plan.EquityHoldings[1].AutoReinvest, "?") << "nothing read from there on";
        }
    }
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
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::FileEnded, 664), "UserData.dta"),
              "Your plan file UserData.dta could not be read completely: the file ends at line "
              "664 of 1,376. The values after that line are 0 or empty.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::FileEnded, 1375), "UserData.dta"),
              "Your plan file UserData.dta could not be read completely: the file ends at line "
              "1,375 of 1,376. The values after that line are 0 or empty.");
    EXPECT_EQ(LoadProblemText(stopped(LoadProblem::FileEnded, 0), "UserData.dta"),
              "Your plan file UserData.dta could not be read completely: the file is empty. All "
              "values are 0 or empty.");

    LoadResult quiet;
    EXPECT_EQ(LoadProblemText(quiet, "UserData.dta"), "") << "no file";
    quiet.status = LoadStatus::Complete;
    EXPECT_EQ(LoadProblemText(quiet, "UserData.dta"), "") << "a whole file";
}

} // namespace
} // namespace velmora
