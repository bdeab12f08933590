#include "results/ui/SellLine.h"

#include "Workspace.h"
#include "projection/Projection.h"
#include "projection/ProjectionTexts.h"
#include "screens/ui/ScreenText.h"

#include <optional>

namespace velmora {

QString SellThisYearLine(const Workspace& workspace) {
    const std::optional<projection::ProjectedYear> year =
        projection::YearZero(workspace.plan, workspace.taxYear);
    return year ? FromPlanText(projection::SellLine(*year))
                : QStringLiteral("The amounts are too large to say what to sell");
}

} // namespace velmora
