#include "history/ui/PlanHistory.h"

#include "grid/ui/StringGrid.h"
#include "screens/ui/Shell.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>
#include <utility>

namespace velmora {

namespace {

QString Caption(const char* command, const QString& step) {
    const QString caption = QString::fromLatin1(command);
    return step.isEmpty() ? caption : caption + QLatin1Char(' ') + step;
}

} // namespace

PlanHistory::PlanHistory(PlanData& plan, Shell& shell) : plan_(plan), shell_(shell) {
    connect(&stack_, &QUndoStack::indexChanged, this, &PlanHistory::UpdateModifiedMark);
    connect(&stack_, &QUndoStack::cleanChanged, this, &PlanHistory::UpdateModifiedMark);
}

PlanHistory::~PlanHistory() {
    // The stack empties itself as it goes, after the screens and commands.
    disconnect(&stack_, nullptr, this, nullptr);
}

void PlanHistory::Record(const StepPlace& place, const QString& text, PlanEdit edit,
                         StepKind kind) {
    if (edit.Empty()) {
        return;
    }
    stack_.push(new PlanStep(plan_, place, text, std::move(edit), kind));
}

bool PlanHistory::LeaveEditedCells() {
    for (CellEditSteps* cells : cellEdits_) {
        StringGrid* grid = cells->Grid();
        if (grid != nullptr && grid->IsEditing() && !grid->LeaveEditor()) {
            return false;
        }
    }
    return true;
}

bool PlanHistory::Undo() {
    if (!LeaveEditedCells() || !stack_.canUndo()) {
        return false;
    }
    // Taken before the step goes back: showing the screen may record a check,
    // and a new step drops the steps taken back.
    const StepPlace place =
        static_cast<const PlanStep*>(stack_.command(stack_.index() - 1))->Place();
    stack_.undo();
    ShowPlace(place);
    if (place.reveal) {
        place.reveal();
    }
    return true;
}

bool PlanHistory::Redo() {
    if (!LeaveEditedCells() || !stack_.canRedo()) {
        return false;
    }
    const StepPlace place = static_cast<const PlanStep*>(stack_.command(stack_.index()))->Place();
    stack_.redo();
    ShowPlace(place);
    return true;
}

void PlanHistory::ShowPlace(const StepPlace& place) {
    // Moving the focus to the step's control is no leaving of the table that has
    // it now: a table's check on losing the focus would record a new step.
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    shell_.Show(place.screen);
    QWidget* control = place.control.data();
    if (control == nullptr || !control->isVisible()) {
        return;
    }
    if (auto* grid = qobject_cast<StringGrid*>(control); grid && place.col >= 0 && place.row >= 0) {
        grid->SetCurrentCell(place.col, place.row);
    }
    control->setFocus(Qt::OtherFocusReason);
}

void PlanHistory::MarkSaved() {
    for (CellEditSteps* cells : cellEdits_) {
        cells->Split();
    }
    stack_.setClean();
    UpdateModifiedMark();
}

void PlanHistory::RecordCellEdits(StringGrid& grid, Screen screen, CellFieldOf field) {
    cellEdits_.push_back(new CellEditSteps(*this, plan_, grid, screen, std::move(field)));
    // A right-click on the grid offers Undo and Redo, naming the step, also on
    // the screens without a menu.
    auto* undo = new QAction(&grid);
    undo->setObjectName(QStringLiteral("mnuGridUndo"));
    auto* redo = new QAction(&grid);
    redo->setObjectName(QStringLiteral("mnuGridRedo"));
    grid.addAction(undo);
    grid.addAction(redo);
    // A menu of its own, kept with the grid and named, so that assistive
    // technology announces it as it does any menu when it opens.
    auto* menu = new QMenu(&grid);
    menu->setObjectName(QStringLiteral("mnuGridContext"));
    menu->setTitle(QStringLiteral("Edit"));
    menu->setAccessibleName(QStringLiteral("Edit"));
    menu->addAction(undo);
    menu->addAction(redo);
    grid.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&grid, &QWidget::customContextMenuRequested, menu, [&grid, menu](const QPoint& place) {
        menu->popup(grid.viewport()->mapToGlobal(place));
    });
    connect(undo, &QAction::triggered, this, &PlanHistory::Undo);
    connect(redo, &QAction::triggered, this, &PlanHistory::Redo);
    commands_.push_back({undo, redo});
    UpdateModifiedMark();
}

void PlanHistory::AddCommands(QWidget& window, QMenu* fileMenu) {
    auto* undo = new QAction(&window);
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto* redo = new QAction(&window);
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    window.addAction(undo);
    window.addAction(redo);
    if (fileMenu != nullptr) {
        QAction* first = fileMenu->actions().value(0);
        fileMenu->insertAction(first, undo);
        fileMenu->insertAction(first, redo);
        fileMenu->insertSeparator(first);
    }
    connect(undo, &QAction::triggered, this, &PlanHistory::Undo);
    connect(redo, &QAction::triggered, this, &PlanHistory::Redo);
    commands_.push_back({undo, redo});
    UpdateModifiedMark();
}

void PlanHistory::ShowModifiedMark(QWidget& window) {
    window.setWindowTitle(window.windowTitle() + QStringLiteral("[*]"));
    window.setWindowModified(modified_);
    marked_.emplace_back(&window);
}

void PlanHistory::UpdateModifiedMark() {
    // An edit going on counts as soon as it has changed the plan.
    QString editing;
    for (CellEditSteps* cells : cellEdits_) {
        if (cells->Changed()) {
            editing = cells->StepText();
        }
    }
    modified_ = !stack_.isClean() || !editing.isEmpty();
    for (const QPointer<QWidget>& window : marked_) {
        if (window != nullptr) {
            window->setWindowModified(modified_);
        }
    }
    const QString undoText = editing.isEmpty() ? stack_.undoText() : editing;
    const bool canUndo = stack_.canUndo() || !editing.isEmpty();
    const bool canRedo = stack_.canRedo() && editing.isEmpty();
    for (const Commands& commands : commands_) {
        if (commands.undo != nullptr) {
            commands.undo->setText(Caption("&Undo", undoText));
            commands.undo->setEnabled(canUndo);
        }
        if (commands.redo != nullptr) {
            commands.redo->setText(Caption("Re&do", canRedo ? stack_.redoText() : QString()));
            commands.redo->setEnabled(canRedo);
        }
    }
}

} // namespace velmora
