#include "results/ui/SellLine.h"

#include "Workspace.h"
#include "plan/NumberText.h"
#include "projection/Projection.h"
#include "projection/ProjectionTexts.h"
#include "screens/ui/ScreenText.h"

#include <optional>

namespace velmora {

QString SellThisYearLine(const Workspace& workspace) {
    // Year 0 of the years ahead: the same calculation on a copy of the plan,
    // each sale taxed as what it is; a note when that differs from the box.
    const std::optional<projection::ProjectedYear> year =
        projection::YearZero(workspace.plan, workspace.taxYear);
    if (!year) {
        return QStringLiteral("The amounts are too large to say what to sell");
    }
    QString line = FromPlanText(projection::SellLine(*year));
    const std::string note =
        projection::SellNote(*year, Round(workspace.results.WithdrawalNeeded));
    if (!note.empty()) {
        line += QLatin1Char('\n') + FromPlanText(note);
    }
    return line;
}

} // namespace velmora
