#include "plan/PlanReader.h"

#include "plan/PlanFields.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace velmora {
namespace {

constexpr int kEndOfFileMark = 26; // Ctrl-Z
constexpr std::size_t kMaxToken = 32;
constexpr std::size_t kFlagLength = 1;
// What some editors put at the start of a file they save as UTF-8. No plan written by
// Velmora starts with these bytes (its text is Windows-1252), so they are no part of it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The pieces of a source without a byte-order mark at its very start.
class WithoutByteOrderMark final : public ByteSource {
public:
    explicit WithoutByteOrderMark(ByteSource& source) : source_(source) {}

    std::string_view Next() override {
        if (ended_) {
            return {};
        }
        if (begun_) {
            return source_.Next();
        }
        begun_ = true;
        // The mark may come in pieces smaller than itself.
        head_.assign(source_.Next());
        while (head_.size() < kByteOrderMark.size() && !head_.empty() &&
               kByteOrderMark.starts_with(head_)) {
            const std::string_view more = source_.Next();
            if (more.empty()) {
                ended_ = true;
                break;
            }
            head_.append(more);
        }
        std::string_view first = head_;
        if (first.starts_with(kByteOrderMark)) {
            first.remove_prefix(kByteOrderMark.size());
        }
        return first.empty() && !ended_ && !head_.empty() ? source_.Next() : first;
    }
    bool Failed() const override { return source_.Failed(); }

private:
    ByteSource& source_;
    std::string head_; // the first piece, or the first pieces when they were tiny
    bool begun_ = false;
    bool ended_ = false; // the source ended while the mark was looked for
};

// Blanks between and after numbers; every other character below code 32 (a NUL, say)
// is taken as part of the number, which it makes unreadable.
constexpr bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

constexpr bool IsLineEnd(int c) {
    return c == '\r' || c == '\n';
}

// What a byte is to a line, as bits: a line end, or a control character (any below
// code 32 but a tab and the line ends), and among those a NUL.
constexpr unsigned kLineEndByte = 1;
constexpr unsigned kControlByte = 2;
constexpr unsigned kNulByte = 4;

constexpr std::array<unsigned char, 256> kByteKinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (int c = 0; c < ' '; ++c) {
        kinds[static_cast<std::size_t>(c)] = IsLineEnd(c) ? kLineEndByte
                                             : IsBlank(c) ? 0
                                             : c == 0     ? kControlByte | kNulByte
                                                          : kControlByte;
    }
    return kinds;
}();

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

    // The control characters in what the last ReadLine read: kControlByte for any,
    // with kNulByte when a NUL was among them.
    unsigned LineControls() const { return controls_; }

    // Reading failed or met an overlong line: nothing more is read.
    bool Stopped() const { return state_ == kFailed || state_ == kTooLong; }
    int State() const { return state_; }
    // The line that the next byte belongs to, from 1.
    int Line() const { return line_; }
    // At the end of the file: its last line, from 1; 0 for a file without a byte.
    int LastLine() const { return Taken() > lineStart_ ? line_ : line_ - 1; }

    // Takes the bytes up to the next blank or line end, at most `most` of them, into
    // `token`, a piece at a time.
    void ReadToken(std::string& token, std::size_t most) {
        token.clear();
        while (token.size() < most && (position_ < piece_.size() || Refill())) {
            const char* const start = piece_.data() + position_;
            const std::size_t room = std::min(piece_.size() - position_, most - token.size());
            std::size_t length = 0;
            while (length < room && !IsBlank(static_cast<unsigned char>(start[length])) &&
                   !IsLineEnd(static_cast<unsigned char>(start[length]))) {
                ++length;
            }
            token.append(start, length);
            position_ += length;
            if (length < room) {
                return; // at a blank or a line end
            }
        }
    }

    // Reads the rest of the line and its line end, keeping its first `keep` bytes in
    // `line`; at the end of the file the line is empty. False when the file had
    // ended (or reading stopped) before the line began. Takes the bytes of the line
    // a piece at a time, noting on the way what LineControls tells.
    bool ReadLine(std::string& line, std::size_t keep) {
        line.clear();
        controls_ = 0;
        bool begun = false;
        while (position_ < piece_.size() || Refill()) {
            begun = true;
            const char* const start = piece_.data() + position_;
            const char* const end = piece_.data() + piece_.size();
            const char* stop = start;
            for (; stop != end; ++stop) {
                const unsigned kind = kByteKinds[static_cast<unsigned char>(*stop)];
                if (kind == kLineEndByte) {
                    break;
                }
                controls_ |= kind;
            }
            const auto length = static_cast<std::size_t>(stop - start);
            if (length > 0 && line.size() < keep) {
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
    unsigned controls_ = 0;     // of the last ReadLine
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
        while (IsBlank(c) || IsLineEnd(c)) {
            if (IsLineEnd(c)) {
                scanner_.TakeLineEnd(c);
            } else {
                scanner_.Take();
            }
            c = scanner_.Peek();
        }
        const int tokenLine = scanner_.Line();
        scanner_.ReadToken(token_, kMaxToken);
        // The rest of the line is only looked at; a few bytes of it are kept for the
        // message when it is damaged.
        scanner_.ReadLine(line_, kMaxToken);
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
        } else if ((scanner_.LineControls() & kControlByte) != 0) {
            // after the number: the line is damaged all the same
            Stop(tokenLine);
            badNumber_ = true;
            token_ = (token_ + line_).substr(0, kMaxToken);
        }
    }

    LoadResult Result() const {
        LoadResult result;
        result.status = LoadStatus::NotFullyRead;
        result.line = stopLine_;
        if (nulInText_) {
            result.problem = LoadProblem::NulByte;
        } else if (badNumber_) {
            result.problem = LoadProblem::NotANumber;
            for (const char c : token_) {
                const auto code = static_cast<unsigned char>(c);
                result.text += code >= ' ' && code < 127 ? c : '?';
            }
        } else if (scanner_.Stopped()) {
            result.problem = scanner_.State() == Scanner::kFailed ? LoadProblem::ReadError
                                                                  : LoadProblem::LineTooLong;
        } else if (ended_ && scanner_.LastLine() < kPlanFileLines) {
            // Velmora always writes every line, so a file that ends early was cut short.
            result.problem = LoadProblem::FileEnded;
            result.line = scanner_.LastLine();
        } else {
            result.line = 0;
            result.status = LoadStatus::Complete;
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
        if ((scanner_.LineControls() & kNulByte) != 0) {
            // No text of a plan holds a NUL: the file is damaged from here on.
            Stop(line);
            nulInText_ = true;
            return;
        }
        text = line_;
    }

    Scanner& scanner_;
    std::string line_;
    std::string token_;
    bool stopped_ = false;
    bool ended_ = false;     // a field came after the end of the file
    bool badNumber_ = false; // the load stopped at token_
    bool nulInText_ = false; // the load stopped at a text line that holds a NUL
    int stopLine_ = 0;
};

} // namespace

LoadResult ReadPlan(PlanData& plan, ByteSource& source) {
    WithoutByteOrderMark text(source);
    Scanner scanner(text);
    FieldReader reader(scanner);
    VisitPlanFields(plan, reader);
    return reader.Result();
}

} // namespace velmora
