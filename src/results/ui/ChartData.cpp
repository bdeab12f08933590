#include "results/ui/ChartData.h"

#include "app/ui/PlanText.h"
#include "Workspace.h"
#include "results/CategoryRows.h"
#include "results/ResultsCsv.h"

namespace velmora::charts {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

int ChartData::HoldingCount() const {
    int count = 0;
    for (const ChartCategory& category : Categories) {
        count += static_cast<int>(category.Holdings.size());
    }
    return count;
}

ChartData ChartDataFrom(const Workspace& ws) {
    const ResultBoxes& boxes = ws.results.boxes;
    const std::array<const std::string*, kCategories> totals{
        &boxes.editTotalZero, &boxes.editTotalLow, &boxes.editTotalMedium, &boxes.editTotalHigh};
    const std::array<const std::string*, kCategories> percents{
        &boxes.editPerCent0, &boxes.editPerCent1, &boxes.editPerCent2, &boxes.editPerCent3};

    ChartData data;
    data.TotalText = Text(boxes.editTotalInvestments);
    data.TotalInvestments = static_cast<double>(ws.results.TotalInvestments);
    for (int k = 0; k < kCategories; ++k) {
        ChartCategory& category = data.Categories[k];
        category.Title = Text(std::string(results::CategoryTitle(k)));
        category.TotalText = Text(*totals[k]);
        category.PercentText = Text(*percents[k]);
        category.Total = static_cast<double>(ws.ranking.CategoryTotal[k]);
        const std::vector<results::CategoryRow> rows = results::CategoryRows(ws.ranking, k);
        category.Holdings.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            category.Holdings.push_back({FromPlanText(rows[i].Name), Text(rows[i].Value),
                                         Text(rows[i].Err), ws.ranking.RankedHoldings[k][i].Err});
        }
    }
    return data;
}

} // namespace velmora::charts
