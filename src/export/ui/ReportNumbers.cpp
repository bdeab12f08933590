#include "export/ui/ReportNumbers.h"

#include "screens/ui/ScreenText.h"

#include <cmath>
#include <optional>

namespace velmora::report {

namespace {

// The screen's texts are plain C-locale numbers.
std::optional<double> Number(std::string_view text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(FromCoreText(text), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Two decimals, rounded first so that a value that rounds to zero is not "-0.00".
QString TwoDecimals(double value, const QLocale& locale) {
    double cents = std::round(value * 100);
    if (cents == 0) {
        cents = 0; // no negative zero
    }
    return locale.toString(cents / 100, 'f', 2);
}

} // namespace

QLocale Locale() {
    const QLocale locale;
    if (locale.language() == QLocale::C) {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return locale;
}

QString AmountText(std::string_view screenText, const QLocale& locale) {
    const std::optional<double> value = Number(screenText);
    if (!value) {
        return FromCoreText(screenText);
    }
    if (*value == std::trunc(*value)) {
        return locale.toString(*value == 0 ? 0.0 : *value, 'f', 0);
    }
    return TwoDecimals(*value, locale);
}

QString ErrText(std::string_view screenText, const QLocale& locale) {
    const std::optional<double> value = Number(screenText);
    return value ? TwoDecimals(*value, locale) : FromCoreText(screenText);
}

QString RateText(std::string_view screenText, const QLocale& locale) {
    const std::optional<double> value = Number(screenText);
    return value ? ScaleText(*value, locale) : FromCoreText(screenText);
}

QString ScaleText(double value, const QLocale& locale) {
    if (!std::isfinite(value)) {
        return locale.toString(value);
    }
    return locale.toString(value == 0 ? 0.0 : value, 'f', QLocale::FloatingPointShortest);
}

} // namespace velmora::report
