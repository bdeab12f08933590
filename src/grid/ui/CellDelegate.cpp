#include "grid/ui/CellDelegate.h"

#include "grid/EditMask.h"
#include "grid/ui/CellHint.h"
#include "grid/ui/MaskValidator.h"
#include "grid/ui/StringGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace velmora {

namespace {

// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y: the keys of the window's Undo and Redo.
bool IsHistoryKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Z:
        return modifiers == Qt::ControlModifier ||
               modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    case Qt::Key_Y:
        return modifiers == Qt::ControlModifier;
    default:
        return false;
    }
}

} // namespace

CellDelegate::CellDelegate(StringGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setText(index.data(Qt::EditRole).toString());
    const QString mask = grid_.EditMaskFor(index.column(), index.row());
    auto* validator = new MaskValidator(EditMask(mask.toStdString()), editor);
    editor->setValidator(validator);
    // A key the mask refuses beeps and says what the cell takes.
    connect(editor, &QLineEdit::inputRejected, editor, [editor, validator] {
        if (editor->hasFocus()) {
            QApplication::beep();
            CellHint::Show(*editor, validator->RefusedHint());
        }
    });
    grid_.EditorOpened(editor, index.column(), index.row());
    connect(editor, &QLineEdit::textEdited, &grid_,
            [grid = &grid_](const QString& text) { grid->EditorTextEdited(text); });
    return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() != text) { // the cell was set from outside while being edited
        line->setText(text);
    }
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (index.data(Qt::EditRole).toString() != text) {
        model->setData(index, text, Qt::EditRole);
    }
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor == nullptr || editor != grid_.Editor()) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    if (event->type() == QEvent::ShortcutOverride &&
        IsHistoryKey(*static_cast<QKeyEvent*>(event))) {
        // The line edit keeps no undo of its own: these keys go to the window,
        // whose Undo and Redo leave the cell first.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Escape:
            grid_.CancelEditing();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (grid_.MayLeaveEditor()) {
                const bool next =
                    key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
                grid_.TabFromEditor(next);
            }
            return true;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            if (grid_.MayLeaveEditor()) {
                grid_.FinishEditing();
            }
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A message box or another window taking the focus does not end the
        // edit; the focus comes back to the editor.
        const QWidget* now = QApplication::focusWidget();
        if (now == nullptr || now->window() != editor->window()) {
            return true;
        }
        if (now == editor || editor->isAncestorOf(now)) {
            return false;
        }
        if (!grid_.MayLeaveEditor()) {
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace velmora
