#pragma once
// One step of the plan's history: what one change did to the plan, and where
// it was made.

#include "plan/PlanEdit.h"
#include "screens/ui/Screen.h"

#include <QPointer>
#include <QString>
#include <QUndoCommand>
#include <QWidget>
#include <functional>

namespace velmora {

// Where a step was made: the screen that its undo and redo show, and there the
// control that gets the focus; a grid gets cell (col, row) current as well. No
// control leaves the focus where the screen's activation puts it.
struct StepPlace {
    StepPlace(Screen at, QWidget* focus = nullptr, int cellCol = -1, int cellRow = -1)
        : screen(at), control(focus), col(cellCol), row(cellRow) {}

    Screen screen;
    QPointer<QWidget> control;
    int col;
    int row;
    // Shows on the screen what taking the step back brought back where the
    // screen's own filling would not (values of rows without a name).
    std::function<void()> reveal;
};

enum class StepKind {
    Change,   // a change of its own
    CellEdit, // the edit of one grid cell
    Check,    // a grid's check correcting what was typed; joins the step before
              // it when that one is a cell edit or a check of the same grid
};

class PlanStep : public QUndoCommand {
public:
    // `edit` is already in the plan: recording the step does not make it again.
    PlanStep(PlanData& plan, StepPlace place, const QString& text, PlanEdit edit, StepKind kind);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    const StepPlace& Place() const { return place_; }

private:
    PlanData& plan_;
    StepPlace place_;
    PlanEdit edit_;
    StepKind kind_;
    bool recorded_ = false;
};

} // namespace velmora
