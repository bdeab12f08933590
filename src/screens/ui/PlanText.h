#pragma once
// Texts of the plan (names, flags) are bytes of Windows-1252; screens show
// them as QString. A character that Windows-1252 cannot hold, and any control
// character, is stored as "?".

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

QString FromPlanText(std::string_view bytes);
std::string ToPlanText(const QString& text);

} // namespace velmora
