#pragma once
// What the charts show, taken from the results screen's own values: the four
// categories with their total and share texts and every ranked holding in the
// screen's order (lowest ERR first). The texts are the screen's figures as a
// report shows them (ReportNumbers.h): "281,000", ERR "0.24".

#include "results/Ranking.h"

#include <QString>
#include <array>
#include <vector>

namespace velmora {

struct Workspace;

namespace charts {

struct ChartHolding {
    QString Name;      // as the grid shows it, prefix included
    QString ValueText; // the grid's value, as an amount
    QString ErrText;   // the grid's ERR, two decimals
    double Err = 0.0;
};

struct ChartCategory {
    QString Title;       // "Zero", "Low", "Medium", "High"
    QString TotalText;   // the category's sub total box, as an amount
    QString PercentText; // the category's "% of Total" box
    double Total = 0.0;  // the category's total value
    std::vector<ChartHolding> Holdings;
};

struct ChartData {
    std::array<ChartCategory, kCategories> Categories;
    QString TotalText; // the investment total box, as an amount
    double TotalInvestments = 0.0;

    int HoldingCount() const;
};

ChartData ChartDataFrom(const Workspace& ws);

} // namespace charts
} // namespace velmora
