#pragma once
// The results in the printed report: the household, income, expenses, taxes
// and rates, the withdrawal needed, the investment total, each risk category
// with its sub total, share and every holding in ERR order, what the ERR is,
// what to sell this year, and the two charts. Every figure is a text the results screen shows (its
// boxes and grid rows) or a value the user entered; nothing is worked out
// again here. The figures read as in a report, in the user's locale
// (ReportNumbers.h): amounts with thousands separators, ERR values with two
// decimals. Long holding lists and the ERR chart continue on further pages,
// their headings repeated.

#include "export/ui/ReportBlocks.h"
#include "plan/RiskCategory.h"
#include "results/ui/ChartData.h"

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

namespace velmora {

struct Workspace;

class ResultsPages : public BlockSection {
public:
    // `date` is the date the report is prepared on.
    ResultsPages(const Workspace& workspace, QDate date);

    // Labels and their figures, as in a group of the figures.
    using Pairs = std::vector<std::pair<QString, QString>>;

private:
    void Build(double width) override;
    void AddTitle();
    void AddFigures();
    // What to sell this year, as the results screen says it.
    void AddSellLine();
    void AddShares();
    void AddErrNote();
    void AddCategory(RiskCategory category);
    void AddErrChart();
    static double PairsHeight(const Pairs& pairs, double width);
    void PaintPairs(QPainter& painter, const QRectF& box, const QString& title,
                    const Pairs& pairs) const;

    const Workspace& ws_;
    QString dateText_;
    charts::ChartData chart_;
};

} // namespace velmora
