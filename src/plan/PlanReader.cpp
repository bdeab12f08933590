#include "plan/PlanReader.h"

#include "plan/PlanFields.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace velmora {
namespace {

constexpr int kEndOfFileMark = 26; // Ctrl-Z
constexpr std::size_t kMaxToken = 32;
constexpr std::size_t kFlagLength = 1;

// Access to the source byte by byte or a whole line at a time, with one byte of
// look-ahead. Each piece of the source is cut at a Ctrl-Z when it has one, so that
// taking a byte only has to check for the end of the piece. Counts lines and stops
// at a line longer than kMaxPlanLineLength: at its end, or at the latest when a new
// piece of the source is needed, so that no more than a piece is read beyond it.
class Scanner {
public:
    static constexpr int kEnd = -1;
    static constexpr int kFailed = -2;
    static constexpr int kTooLong = -3;

    explicit Scanner(ByteSource& source) : source_(source) {}

    // The next byte (0 to 255) without taking it, or kEnd, kFailed or kTooLong.
    int Peek() {
        if (position_ == piece_.size() && !Refill()) {
            return state_;
        }
        return static_cast<unsigned char>(piece_[position_]);
    }

    // Takes the byte that Peek returned, which is no line end.
    void Take() { ++position_; }

    // Takes the line end that Peek returned: CR, CR LF or LF. Stops instead when the
    // line that it ends is too long.
    void TakeLineEnd(int c) {
        if (Taken() - lineStart_ > kMaxPlanLineLength) {
            Finish(kTooLong);
            return;
        }
        ++position_;
        ++line_;
        if (c == '\r' && Peek() == '\n') {
            ++position_;
        }
        lineStart_ = Taken();
    }

    // Reading failed or met an overlong line: nothing more is read.
    bool Stopped() const { return state_ == kFailed || state_ == kTooLong; }
    int State() const { return state_; }
    // The line that the next byte belongs to, from 1.
    int Line() const { return line_; }

    // Reads the rest of the line and its line end, keeping its first `keep` bytes in
    // `line`; at the end of the file the line is empty. False when the file had
    // ended (or reading stopped) before the line began. Takes the bytes of the line
    // a piece at a time.
    bool ReadLine(std::string& line, std::size_t keep) {
        line.clear();
        bool begun = false;
        while (position_ < piece_.size() || Refill()) {
            begun = true;
            const char* const start = piece_.data() + position_;
            const char* const end = piece_.data() + piece_.size();
            const char* stop = start;
            while (stop != end && !IsLineEnd(*stop)) {
                ++stop;
            }
            const auto length = static_cast<std::size_t>(stop - start);
            if (line.size() < keep) {
                line.append(start, std::min(length, keep - line.size()));
            }
            position_ += length;
            if (stop != end) {
                TakeLineEnd(static_cast<unsigned char>(*stop));
                return true;
            }
        }
        return begun;
    }

private:
    bool Refill() {
        if (state_ != kOpen) {
            return false;
        }
        before_ += piece_.size();
        position_ = 0;
        piece_ = {};
        if (Taken() - lineStart_ > kMaxPlanLineLength) { // a line that goes on and on
            Finish(kTooLong);
            return false;
        }
        if (markSeen_) { // the file ended at the mark
            Finish(kEnd);
            return false;
        }
        piece_ = source_.Next();
        if (piece_.empty()) {
            Finish(source_.Failed() ? kFailed : kEnd);
            return false;
        }
        const std::size_t mark = piece_.find(static_cast<char>(kEndOfFileMark));
        if (mark != std::string_view::npos) {
            piece_ = piece_.substr(0, mark);
            markSeen_ = true;
            if (piece_.empty()) {
                Finish(kEnd);
                return false;
            }
        }
        return true;
    }

    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

    void Finish(int state) {
        const bool tooLong = Taken() - lineStart_ > kMaxPlanLineLength;
        state_ = state == kEnd && tooLong ? kTooLong : state;
        piece_ = {};
        position_ = 0;
    }

    // Bytes taken so far, counted over all pieces.
    std::size_t Taken() const { return before_ + position_; }

    static constexpr int kOpen = 0;
    ByteSource& source_;
    std::string_view piece_;
    std::size_t position_ = 0;
    int state_ = kOpen;
    std::size_t before_ = 0; // bytes in the pieces before this one
    int line_ = 1;
    std::size_t lineStart_ = 0; // Taken() where this line began
    bool markSeen_ = false;     // the current piece was cut at a Ctrl-Z
};

struct IntegerToken {
    std::int32_t value = 0;
    bool valid = false; // an optional sign and nothing but digits, within 32 bits
};

IntegerToken ConvertToken(std::string_view token) {
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    std::int64_t magnitude = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        if (magnitude <= kLimit) { // stays far below the 64-bit range
            magnitude = magnitude * 10 + (token[i] - '0');
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min()) {
        return {0, false};
    }
    return {static_cast<std::int32_t>(value), i > firstDigit && i == token.size()};
}

class FieldReader {
public:
    explicit FieldReader(Scanner& scanner) : scanner_(scanner) {}

    void Text(std::string& text) { ReadText(text, std::string::npos); }
    void Name(std::string& name) { ReadText(name, kNameLength); }
    void Flag(std::string& flag) { ReadText(flag, kFlagLength); }

    void Int(std::int32_t& value) {
        if (stopped_) {
            return;
        }
        int c = scanner_.Peek();
        while (c >= 0 && c <= ' ') {
            if (c == '\r' || c == '\n') {
                scanner_.TakeLineEnd(c);
            } else {
                scanner_.Take();
            }
            c = scanner_.Peek();
        }
        const int tokenLine = scanner_.Line();
        token_.clear();
        while (c > ' ' && token_.size() < kMaxToken) {
            token_ += static_cast<char>(c);
            scanner_.Take();
            c = scanner_.Peek();
        }
        scanner_.ReadLine(line_, 0);
        if (scanner_.Stopped()) {
            Stop(tokenLine);
            return;
        }
        const IntegerToken token = ConvertToken(token_);
        value = token.value;
        ended_ |= token_.empty(); // the blanks ran to the end of the file
        if (!token_.empty() && !token.valid) {
            Stop(tokenLine);
            badNumber_ = true;
        }
    }

    LoadResult Result() const {
        LoadResult result;
        result.status = LoadStatus::NotFullyRead;
        result.line = stopLine_;
        if (badNumber_) {
            result.problem = LoadProblem::NotANumber;
            for (const char c : token_) {
                result.text += static_cast<unsigned char>(c) < 127 ? c : '?';
            }
        } else if (scanner_.Stopped()) {
            result.problem = scanner_.State() == Scanner::kFailed ? LoadProblem::ReadError
                                                                  : LoadProblem::LineTooLong;
        } else {
            result.line = 0;
            result.status = ended_ ? LoadStatus::Short : LoadStatus::Complete;
        }
        return result;
    }

private:
    // Nothing more is read; the field begun at `line` is the first one not read.
    void Stop(int line) {
        stopped_ = true;
        stopLine_ = line;
    }

    void ReadText(std::string& text, std::size_t keep) {
        if (stopped_) {
            return;
        }
        const int line = scanner_.Line();
        const bool begun = scanner_.ReadLine(line_, keep);
        if (scanner_.Stopped()) {
            Stop(line);
            return;
        }
        ended_ |= !begun;
        text = line_;
    }

    Scanner& scanner_;
    std::string line_;
    std::string token_;
    bool stopped_ = false;
    bool ended_ = false;     // a field came after the end of the file
    bool badNumber_ = false; // the load stopped at token_
    int stopLine_ = 0;
};

} // namespace

LoadResult ReadPlan(PlanData& plan, ByteSource& source) {
    Scanner scanner(source);
    FieldReader reader(scanner);
    VisitPlanFields(plan, reader);
    return reader.Result();
}

} // namespace velmora
