#pragma once
// What the charts show, taken from the results screen's own values: the four
// categories with their total and share texts and every ranked holding in the
// screen's order (lowest ERR first).

#include "results/Ranking.h"

#include <QString>
#include <array>
#include <vector>

namespace velmora {

struct Workspace;

namespace charts {

struct ChartHolding {
    QString Name;      // as the grid shows it, prefix included
    QString ValueText; // the grid's value text
    QString ErrText;   // the grid's ERR text
    double Err = 0.0;
};

struct ChartCategory {
    QString Title;       // "Zero", "Low", "Medium", "High"
    QString TotalText;   // text of the category's sub total box
    QString PercentText; // text of the category's "% of Total" box
    double Total = 0.0;  // the category's total value
    std::vector<ChartHolding> Holdings;
};

struct ChartData {
    std::array<ChartCategory, kCategories> Categories;
    QString TotalText; // text of the investment total box
    double TotalInvestments = 0.0;

    int HoldingCount() const;
};

ChartData ChartDataFrom(const Workspace& ws);

} // namespace charts
} // namespace velmora
