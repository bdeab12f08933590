#pragma once
// The notes that the holdings screens show under a cell that one of their rules
// changed, beside the rule's own message box: what happened to the cell, and
// that Ctrl+Z takes it back.

namespace velmora {

// The IRA screen: a row holds either interest or dividends and growth.
inline constexpr const char* kInterestClearedNote =
    "Interest set to 0: a row has either Interest or Dividends and Growth. Ctrl+Z brings it back.";
inline constexpr const char* kDividendsGrowthClearedNote =
    "Dividends and Growth set to 0: a row has either Interest or Dividends and Growth. Ctrl+Z "
    "brings them back.";

// The IRA screen: a regular IRA's basis is 0.
inline constexpr const char* kBasisZeroNote =
    "Basis set to 0: a regular IRA's basis is 0 here (see Help).";

// The checks when a table is left.
inline constexpr const char* kCategoryCappedNote =
    "Category set to 3, the highest category. Ctrl+Z brings it back.";
inline constexpr const char* kFlagSetToNoNote =
    "Set to N: only Y means yes. Ctrl+Z brings it back.";
inline constexpr const char* kDoubledDividendsNote =
    "Both dividends set to 0: a row has either Regular or Qualifying Dividends. Ctrl+Z brings "
    "them back.";

} // namespace velmora
