#pragma once
// The colours of the printed report and the charts, in one place so that the
// charts in the report and in their window match the report around them.

#include "plan/RiskCategory.h"

#include <QColor>
#include <optional>

namespace velmora::palette {

// Text and the lines of a chart's axes.
inline QColor Text() {
    return {0x20, 0x20, 0x20};
}
// Notes, page footers and rules under headings.
inline QColor Faint() {
    return {0x70, 0x70, 0x70};
}
// Every other row of the report's tables.
inline QColor Stripe() {
    return {0xF3, 0xF3, 0xF3};
}
// The band behind the report's key figures.
inline QColor Emphasis() {
    return {0xE8, 0xEE, 0xF6};
}
// A chart's grid lines.
inline QColor Grid() {
    return {0xE0, 0xE0, 0xE0};
}
// The band behind a chart's headings.
inline QColor HeadingBand() {
    return {0xF2, 0xF2, 0xF2};
}
// What lies in no category.
inline QColor Other() {
    return {0xC8, 0xC8, 0xC8};
}

// Each risk category's colour, the same in every chart; a number outside 0 to 3
// gets Other().
inline QColor CategoryColour(int category) {
    const std::optional<RiskCategory> known = RiskCategoryOf(category);
    if (!known) {
        return Other();
    }
    switch (*known) {
    case RiskCategory::Zero:
        return {0x3B, 0x6E, 0xB4};
    case RiskCategory::Low:
        return {0x4C, 0xA0, 0x5A};
    case RiskCategory::Medium:
        return {0xE0, 0x9B, 0x2D};
    case RiskCategory::High:
        return {0xC8, 0x45, 0x3C};
    }
    return Other();
}

} // namespace velmora::palette
