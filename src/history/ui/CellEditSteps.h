#pragma once
// Makes each edit of a grid's cell one step of the plan's history: the field
// behind the cell is watched from the moment its editor opens, and what changed
// is recorded when the editor closes. The edit changes the plan on every key,
// and may correct other fields of its row as it goes (the IRA screen's rules);
// the step holds all of it.

#include "grid/ui/StringGrid.h"
#include "history/ui/PlanStep.h"
#include "plan/PlanEdit.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

namespace velmora {

class PlanHistory;

// The part of the plan that a cell edits, and the name its step gives it
// ("IRA row 3" makes the step "edit of IRA row 3").
struct CellField {
    PlanScope scope;
    QString name;
};

// The field behind cell (col, row); none for a cell that stores nothing.
using CellFieldOf = std::function<std::optional<CellField>(int col, int row)>;

class CellEditSteps : public QObject {
public:
    CellEditSteps(PlanHistory& history, PlanData& plan, StringGrid& grid, Screen screen,
                  CellFieldOf field);

    StringGrid* Grid() const { return grid_; }
    // Whether the edit going on has changed the plan so far.
    bool Changed() const;
    // The name of the step that the edit going on will be ("edit of IRA row 3").
    QString StepText() const;
    // Records the edit going on as far as it has come and watches on from here.
    void Split();

private:
    void Started(int col, int row);
    void Ended();
    void RecordSoFar();

    PlanHistory& history_;
    PlanData& plan_;
    QPointer<StringGrid> grid_;
    Screen screen_;
    CellFieldOf field_;
    // The edit going on.
    std::optional<PlanWatch> watch_;
    CellField edited_;
    int col_ = -1;
    int row_ = -1;
};

} // namespace velmora
