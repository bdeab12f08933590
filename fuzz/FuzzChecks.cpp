#include "FuzzChecks.h"

#include "PlanCompare.h"
#include "plan/PlanFields.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmora::fuzzing {
namespace {

// Every field of a plan in file order, so that two plans can be compared quickly;
// only plans that differ go through PlanDifference, which names the fields.
class FieldValues {
public:
    explicit FieldValues(const PlanData& plan) {
        VisitPlanFields(plan, *this);
        for (const auto* table : {&plan.IraHoldings, &plan.RothHoldings}) {
            for (const IraHolding& row : *table) {
                errs_[errCount_++] = row.Err;
            }
        }
        for (const DebtHolding& row : plan.DebtHoldings) {
            errs_[errCount_++] = row.Err;
        }
        for (const EquityHolding& row : plan.EquityHoldings) {
            errs_[errCount_++] = row.Err;
        }
    }

    void Text(const std::string& text) { texts_[textCount_++] = &text; }
    void Name(const std::string& name) { texts_[textCount_++] = &name; }
    void Flag(const std::string& flag) { texts_[textCount_++] = &flag; }
    void Int(std::int32_t value) { ints_[intCount_++] = value; }

    bool operator==(const FieldValues& other) const {
        return std::equal(ints_.begin(), ints_.begin() + intCount_, other.ints_.begin(),
                          other.ints_.begin() + other.intCount_) &&
               std::equal(errs_.begin(), errs_.begin() + errCount_, other.errs_.begin(),
                          other.errs_.begin() + other.errCount_) &&
               std::equal(texts_.begin(), texts_.begin() + textCount_, other.texts_.begin(),
                          other.texts_.begin() + other.textCount_,
                          [](const std::string* a, const std::string* b) { return *a == *b; });
    }

private:
    // Filled up to the counts only.
    std::array<std::int32_t, kPlanFileLines> ints_;
    std::array<const std::string*, kPlanFileLines> texts_;
    std::array<double, 4 * kTableRows> errs_;
    std::size_t intCount_ = 0;
    std::size_t textCount_ = 0;
    std::size_t errCount_ = 0;
};

// Walks the fields of a plan along the lines of a text, checking that each line
// is the field as the plan file writes it.
class PlanFileMatcher {
public:
    explicit PlanFileMatcher(std::string_view text) : rest_(text) {}

    void Text(const std::string& text) { TakeLine(TakeText(text)); }
    void Name(const std::string& name) { TakeLine(TakeText(name)); }
    void Flag(const std::string& flag) { TakeLine(TakeText(flag)); }
    void Int(std::int32_t value) { TakeLine(TakeInt(value)); }

    // Whether every line matched its field, there were `lines` of them and
    // nothing follows the last.
    bool Matched(std::size_t lines) const { return matched_ && lines_ == lines && rest_.empty(); }

private:
    bool TakeText(std::string_view text) {
        if (rest_.size() < text.size()) {
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char written = static_cast<unsigned char>(text[i]) < 32 ? ' ' : text[i];
            if (rest_[i] != written) {
                return false;
            }
        }
        rest_.remove_prefix(text.size());
        return true;
    }

    bool TakeInt(std::int32_t value) {
        std::size_t i = 0;
        const bool negative = !rest_.empty() && rest_[0] == '-';
        if (negative) {
            ++i;
        }
        const std::size_t firstDigit = i;
        std::int64_t magnitude = 0;
        constexpr std::size_t kMaxDigits = 10; // of a 32-bit value
        for (;
             i < rest_.size() && i - firstDigit < kMaxDigits && rest_[i] >= '0' && rest_[i] <= '9';
             ++i) {
            magnitude = magnitude * 10 + (rest_[i] - '0');
        }
        const std::size_t digits = i - firstDigit;
        if (digits == 0 || (digits > 1 && rest_[firstDigit] == '0') ||
            (negative && magnitude == 0) || (negative ? -magnitude : magnitude) != value) {
            return false;
        }
        rest_.remove_prefix(i);
        return true;
    }

    void TakeLine(bool fieldMatched) {
        matched_ =
            matched_ && fieldMatched && rest_.size() >= 2 && rest_[0] == '\r' && rest_[1] == '\n';
        if (matched_) {
            rest_.remove_prefix(2);
            ++lines_;
        }
    }

    std::string_view rest_;
    std::size_t lines_ = 0;
    bool matched_ = true;
};

// How a UTF-8 sequence starts: its length, the code bits of its first byte and
// the smallest code that needs that length; length 0 for a byte that starts none.
struct Lead {
    std::size_t length;
    char32_t bits;
    char32_t least;
};

Lead LeadOf(unsigned char byte) {
    if (byte < 0x80) {
        return {1, byte, 0};
    }
    if ((byte & 0xE0) == 0xC0) {
        return {2, byte & 0x1Fu, 0x80};
    }
    if ((byte & 0xF0) == 0xE0) {
        return {3, byte & 0x0Fu, 0x800};
    }
    if ((byte & 0xF8) == 0xF0) {
        return {4, byte & 0x07u, 0x10000};
    }
    return {0, 0, 0};
}

} // namespace

void Check(bool holds, const char* what, std::string_view detail) {
    if (!holds) {
        std::fprintf(stderr, "%s\n%.*s\n", what, static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

void CheckSamePlan(const PlanData& expected, const PlanData& actual, const char* what) {
    if (!(FieldValues(expected) == FieldValues(actual))) {
        const std::string difference = testing::PlanDifference(expected, actual);
        Check(false, what, difference.empty() ? "(PlanDifference finds none)" : difference);
    }
}

bool IsPlanFileOf(std::string_view text, const PlanData& plan) {
    PlanFileMatcher matcher(text);
    VisitPlanFields(plan, matcher);
    return matcher.Matched(1376);
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Lead lead = LeadOf(static_cast<unsigned char>(text[i]));
        if (lead.length == 0 || text.size() - i < lead.length) {
            return false;
        }
        char32_t code = lead.bits;
        for (std::size_t k = 1; k < lead.length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < lead.least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += lead.length;
    }
    return true;
}

} // namespace velmora::fuzzing
