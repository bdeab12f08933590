#include "plan/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velmora {

double Round(double value) {
    return std::nearbyint(value);
}

std::string IntText(std::int64_t value) {
    return std::to_string(value);
}

std::string WholeText(double value) {
    return RealText(Round(value));
}

// Number texts never depend on the C library's locale, which the desktop sets
// from the user's environment (a decimal comma, for one).
std::string DollarText(double value) {
    const double whole = Round(value);
    if (whole == 0.0 || !std::isfinite(whole)) {
        return whole == 0.0 ? "0" : RealText(whole);
    }
    char buffer[400]; // the largest double has 309 digits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return {buffer, result.ptr};
}

std::string RealText(double value) {
    if (value == 0.0) {
        return "0"; // also negative zero
    }
    // A whole number below 10^15 has no more than 15 digits: the general form
    // shows it as its integer digits alone.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    return GeneralText(value, 15);
}

std::string GeneralText(double value, int significantDigits) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, significantDigits);
    return {buffer, result.ptr};
}

std::int32_t LeadingDigits(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace velmora
