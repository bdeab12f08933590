#include "history/ui/CellEditSteps.h"

#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"

#include <utility>

namespace velmora {

CellEditSteps::CellEditSteps(PlanHistory& history, PlanData& plan, StringGrid& grid, Screen screen,
                             CellFieldOf field)
    : QObject(&history), history_(history), plan_(plan), grid_(&grid), screen_(screen),
      field_(std::move(field)) {
    connect(&grid, &StringGrid::EditStarted, this, &CellEditSteps::Started);
    connect(&grid, &StringGrid::EditTextSet, &history, &PlanHistory::UpdateModifiedMark);
    connect(&grid, &StringGrid::EditEnded, this, &CellEditSteps::Ended);
}

void CellEditSteps::Started(int col, int row) {
    if (watch_) {
        Ended(); // an edit that never said it ended
    }
    std::optional<CellField> field = field_(col, row);
    if (!field) {
        return;
    }
    edited_ = std::move(*field);
    col_ = col;
    row_ = row;
    watch_.emplace(plan_, std::initializer_list<PlanScope>{edited_.scope});
}

void CellEditSteps::Ended() {
    if (!watch_) {
        return;
    }
    RecordSoFar();
    watch_.reset();
    history_.UpdateModifiedMark();
}

bool CellEditSteps::Changed() const {
    return watch_ && !watch_->Changes(plan_).Empty();
}

void CellEditSteps::Split() {
    if (!watch_) {
        return;
    }
    RecordSoFar();
    watch_.emplace(plan_, std::initializer_list<PlanScope>{edited_.scope});
}

QString CellEditSteps::StepText() const {
    return QStringLiteral("edit of ") + edited_.name;
}

void CellEditSteps::RecordSoFar() {
    history_.Record({screen_, grid_.data(), col_, row_}, StepText(), watch_->Changes(plan_),
                    StepKind::CellEdit);
}

} // namespace velmora
