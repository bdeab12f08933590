#pragma once
// Warnings that the equity and debt screens share when a table loses the focus.
// (The IRA screen's category warning ends in two blanks and stands on its own.)

namespace velmora {

inline constexpr const char* kRiskCategoryWarning =
    "The maximum Portfolio Risk Category is 3. The program will automatically insert 3 for "
    "any entries exceeding this value.";
inline constexpr const char* kYesNoFlagWarning =
    "You must enter either a Y for Yes or an N for No. Entry of any other letter will be "
    "interpreted as a No.";

} // namespace velmora
