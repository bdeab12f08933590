#pragma once
// The one place where the program's texts become what screens show and back:
// - texts of the plan (names, flags) are bytes of Windows-1252; a character
//   that Windows-1252 cannot hold, and any control character, is stored as "?";
// - the core's own texts (labels, result boxes, reports) are UTF-8;
// - numbers show as integer text, and a cell's text is read by the
//   leading-digits rule.

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

QString FromPlanText(std::string_view bytes);
std::string ToPlanText(const QString& text);

QString FromCoreText(std::string_view utf8);

// "-12", "0", "40000".
QString NumberText(std::int32_t value);
// " 12abc" is 12, "" and "abc" are 0.
std::int32_t LeadingDigitsOf(const QString& text);

} // namespace velmora
