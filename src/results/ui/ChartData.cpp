#include "results/ui/ChartData.h"

#include "Workspace.h"
#include "export/ui/ReportNumbers.h"
#include "results/CategoryRows.h"
#include "results/ResultBox.h"
#include "screens/ui/ScreenText.h"

namespace velmora::charts {

namespace {} // namespace

int ChartData::HoldingCount() const {
    int count = 0;
    for (const ChartCategory& category : Categories) {
        count += static_cast<int>(category.Holdings.size());
    }
    return count;
}

ChartData ChartDataFrom(const Workspace& ws) {
    const ResultBoxTexts& boxes = ws.results.boxes;
    ChartData data;
    const QLocale locale = report::Locale();
    data.TotalText = report::AmountText(boxes.editTotalInvestments, locale);
    data.TotalInvestments = static_cast<double>(ws.results.TotalInvestments);
    for (const RiskCategory risk : kRiskCategories) {
        const int k = Number(risk);
        ChartCategory& category = data.Categories[k];
        category.Title = FromCoreText(Title(risk));
        category.TotalText = report::AmountText(BoxText(boxes, TotalBox(risk)), locale);
        category.PercentText = report::RateText(BoxText(boxes, ShareBox(risk)), locale);
        category.Total = static_cast<double>(ws.ranking.CategoryTotal[k]);
        const std::vector<results::CategoryRow> rows = results::CategoryRows(ws.ranking, risk);
        category.Holdings.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            category.Holdings.push_back(
                {FromPlanText(rows[i].Name), report::AmountText(rows[i].Value, locale),
                 report::ErrText(rows[i].Err, locale), ws.ranking.RankedHoldings[k][i].Err});
        }
    }
    return data;
}

} // namespace velmora::charts
