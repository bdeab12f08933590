#pragma once
// The line of what to sell this year, as the results screen and the printed
// report say it: year 0 of the years ahead, worked out on a copy of the plan
// ("To raise 6,636: sell 412 of Treasury, 1,074 of Muni Fund").

#include <QString>

namespace velmora {

struct Workspace;

QString SellThisYearLine(const Workspace& workspace);

} // namespace velmora
