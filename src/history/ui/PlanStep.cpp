#include "history/ui/PlanStep.h"

#include <utility>

namespace velmora {

namespace {

// The id of the steps that a check may join.
constexpr int kGridStepId = 1;

} // namespace

PlanStep::PlanStep(PlanData& plan, StepPlace place, const QString& text, PlanEdit edit,
                   StepKind kind)
    : QUndoCommand(text), plan_(plan), place_(std::move(place)), edit_(std::move(edit)),
      kind_(kind) {}

void PlanStep::undo() {
    edit_.Undo(plan_);
}

void PlanStep::redo() {
    if (!recorded_) {
        recorded_ = true; // the stack makes a new step at once; the plan has it already
        return;
    }
    edit_.Redo(plan_);
}

int PlanStep::id() const {
    return kind_ == StepKind::Change ? -1 : kGridStepId;
}

bool PlanStep::mergeWith(const QUndoCommand* other) {
    const auto* later = static_cast<const PlanStep*>(other);
    if (later->kind_ != StepKind::Check || place_.control == nullptr ||
        place_.control != later->place_.control) {
        return false;
    }
    edit_.Append(later->edit_);
    setObsolete(edit_.Empty());
    return true;
}

} // namespace velmora
