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
// look-ahead. Each piece of the source is cut at a Ctrl-Z when it has one, so
// that taking a byte only has to check for the end of the piece.
class Scanner {
public:
    static constexpr int kEnd = -1;
    static constexpr int kFailed = -2;

    explicit Scanner(ByteSource& source) : source_(source) {}

    // The next byte (0 to 255) without taking it, or kEnd or kFailed.
    int Peek() {
        if (position_ == piece_.size() && !Refill()) {
            return state_;
        }
        return static_cast<unsigned char>(piece_[position_]);
    }

    // Takes the byte that Peek returned.
    void Take() { ++position_; }

    bool Failed() const { return state_ == kFailed; }

    // Reads the rest of the line and its line end, keeping its first `keep` bytes in
    // `line`; at the end of the file the line is empty. Takes the bytes of the
    // line a piece at a time.
    void ReadLine(std::string& line, std::size_t keep) {
        line.clear();
        while (position_ < piece_.size() || Refill()) {
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
                Take();
                if (*stop == '\r' && Peek() == '\n') {
                    Take();
                }
                return;
            }
        }
    }

private:
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

    bool Refill() {
        if (state_ != kOpen) {
            return false;
        }
        piece_ = source_.Next();
        position_ = 0;
        if (piece_.empty()) {
            Finish(source_.Failed() ? kFailed : kEnd);
            return false;
        }
        const std::size_t mark = piece_.find(static_cast<char>(kEndOfFileMark));
        if (mark != std::string_view::npos) {
            piece_ = piece_.substr(0, mark); // the file ends at the mark
            state_ = kEnd;
        }
        return !piece_.empty();
    }

    void Finish(int state) {
        state_ = state;
        piece_ = {};
        position_ = 0;
    }

    static constexpr int kOpen = 0;
    ByteSource& source_;
    std::string_view piece_;
    std::size_t position_ = 0;
    int state_ = kOpen;
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
            scanner_.Take();
            c = scanner_.Peek();
        }
        token_.clear();
        while (c > ' ' && token_.size() < kMaxToken) {
            token_ += static_cast<char>(c);
            scanner_.Take();
            c = scanner_.Peek();
        }
        scanner_.ReadLine(line_, 0);
        if (scanner_.Failed()) {
            stopped_ = true;
            return;
        }
        const IntegerToken token = ConvertToken(token_);
        value = token.value;
        stopped_ = !token_.empty() && !token.valid; // an empty token is the end of the file
    }

private:
    void ReadText(std::string& text, std::size_t keep) {
        if (stopped_) {
            return;
        }
        scanner_.ReadLine(line_, keep);
        if (scanner_.Failed()) {
            stopped_ = true;
            return;
        }
        text = line_;
    }

    Scanner& scanner_;
    std::string line_;
    std::string token_;
    bool stopped_ = false;
};

} // namespace

void ReadPlan(PlanData& plan, ByteSource& source) {
    Scanner scanner(source);
    FieldReader reader(scanner);
    VisitPlanFields(plan, reader);
}

} // namespace velmora
