#include "results/ui/ChartData.h"

#include "Workspace.h"
#include "app/ui/PlanText.h"
#include "results/CategoryRows.h"
#include "results/ResultBox.h"

namespace velmora::charts {

namespace {

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
    ChartData data;
    data.TotalText = Text(boxes.editTotalInvestments);
    data.TotalInvestments = static_cast<double>(ws.results.TotalInvestments);
    for (const RiskCategory risk : kRiskCategories) {
        const int k = Number(risk);
        ChartCategory& category = data.Categories[k];
        category.Title = Text(Title(risk));
        category.TotalText = Text(BoxText(boxes, TotalBox(risk)));
        category.PercentText = Text(BoxText(boxes, ShareBox(risk)));
        category.Total = static_cast<double>(ws.ranking.CategoryTotal[k]);
        const std::vector<results::CategoryRow> rows = results::CategoryRows(ws.ranking, risk);
        category.Holdings.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            category.Holdings.push_back({FromPlanText(rows[i].Name), Text(rows[i].Value),
                                         Text(rows[i].Err), ws.ranking.RankedHoldings[k][i].Err});
        }
    }
    return data;
}

} // namespace velmora::charts
