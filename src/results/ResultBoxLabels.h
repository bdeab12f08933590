#pragma once
// The words that stand beside each value box of the results screen, for
// exports and the printed report where the box itself is not seen.

#include <string_view>

namespace velmora::results {

// Label of a box by its control name ("editWithDrawalNeeded" -> "Withdrawal Needed");
// empty for a name that is not one of the results screen's boxes.
std::string_view BoxLabel(std::string_view boxName);

} // namespace velmora::results
