#pragma once
// The history of the changes made to the plan during the run, one step per
// change: a cell edit from the opening of its editor to its closing, a change
// of marital status, a deleted row, the debt screen's clearing of unnamed rows,
// what the results calculation changes. Every screen can take a step back and
// make it again; the screen where the step was made is then shown. The history
// also knows whether the plan differs from what was last loaded or saved, and
// shows it in the screens' titles.

#include "history/ui/CellEditSteps.h"
#include "history/ui/PlanStep.h"
#include "plan/PlanEdit.h"

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <vector>

class QMenu;
class QWidget;

namespace velmora {

class Shell;
class StringGrid;

class PlanHistory : public QObject {
    Q_OBJECT

public:
    PlanHistory(PlanData& plan, Shell& shell);
    ~PlanHistory() override;

    const QUndoStack& Stack() const { return stack_; }

    // Records `edit`, a change already made to the plan, as the step `text`;
    // an empty edit records nothing.
    void Record(const StepPlace& place, const QString& text, PlanEdit edit,
                StepKind kind = StepKind::Change);

    // Takes the last step back, or makes the last step taken back again, and
    // shows where it was made. A cell being edited is left first through its
    // checks; false when it may not be left or there is no step to take.
    bool Undo();
    bool Redo();

    // The plan has just been written: what stands now is unmodified. An edit
    // going on is recorded up to here and goes on as a step of its own.
    void MarkSaved();
    bool IsModified() const { return modified_; }

    // Makes each edit of a cell of `grid`, a grid of `screen`, one step, and
    // gives the grid a right-click menu of Undo and Redo that name the step.
    void RecordCellEdits(StringGrid& grid, Screen screen, CellFieldOf field);

    // Undo and Redo for `window`: the keys Ctrl+Z (undo), Ctrl+Shift+Z and
    // Ctrl+Y (redo), and, when `fileMenu` is given, its first two items, which
    // name the step they take ("Undo Delete Line").
    void AddCommands(QWidget& window, QMenu* fileMenu);
    // Puts the modified mark after `window`'s title.
    void ShowModifiedMark(QWidget& window);
    void UpdateModifiedMark();

private:
    bool LeaveEditedCells();
    void ShowPlace(const StepPlace& place);

    struct Commands {
        QPointer<QAction> undo;
        QPointer<QAction> redo;
    };

    PlanData& plan_;
    Shell& shell_;
    QUndoStack stack_;
    std::vector<CellEditSteps*> cellEdits_; // children of this history
    std::vector<QPointer<QWidget>> marked_;
    std::vector<Commands> commands_;
    bool modified_ = false;
};

} // namespace velmora
