#include "grid/ui/CellDelegate.h"

#include "grid/EditMask.h"
#include "grid/ui/CellEditor.h"
#include "grid/ui/CellHint.h"
#include "grid/ui/MaskValidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <algorithm>
#include <utility>

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

// The form of the cell an editor edits ("3 digits, for example 067").
constexpr const char* kFormProperty = "velmoraCellForm";

} // namespace

CellDelegate::CellDelegate(MaskOf maskOf, EditorMade editorMade, QObject* parent)
    : QStyledItemDelegate(parent), maskOf_(std::move(maskOf)), editorMade_(std::move(editorMade)) {}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
    const EditMask mask(maskOf_(index.column(), index.row()).toStdString());
    auto* editor = new CellEditor(mask, parent);
    editor->setFrame(false);
    editor->setText(index.data(Qt::EditRole).toString());
    auto* validator = new MaskValidator(mask, editor);
    editor->setValidator(validator);
    // A key the mask refuses beeps and says what the cell takes, until the
    // next key that the cell takes.
    connect(editor, &QLineEdit::inputRejected, editor, [editor, validator] {
        if (editor->hasFocus()) {
            QApplication::beep();
            CellHint::Show(*editor, validator->RefusedHint(), CellHint::Lasting::UntilNextKey);
        }
    });
    connect(editor, &QLineEdit::textEdited, editor, [editor] { CellHint::KeyTaken(*editor); });
    // The form of the cell is said as soon as the editor is shown (below).
    editor->setProperty(kFormProperty, QString::fromStdString(mask.Hint(U"")));
    editorMade_(*editor, index.column(), index.row());
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

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->features & QStyleOptionViewItem::HasDisplay) ||
        option->textElideMode == Qt::ElideNone) {
        return;
    }
    // The style cuts a text too long for the room it draws it in; cut here
    // instead, to that room less the margins on either side, so that the text
    // drawn is the text that ShownText gives.
    const QWidget* widget = option->widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, option, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    option->text = option->fontMetrics.elidedText(option->text, option->textElideMode,
                                                  std::max(0, room.width() - 2 * margin));
}

QString CellDelegate::ShownText(QStyleOptionViewItem option, const QModelIndex& index) const {
    initStyleOption(&option, index);
    return option.text;
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor == nullptr) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    if (event->type() == QEvent::Show) {
        // Placed by now, so the note goes right under the cell.
        CellHint::Show(*editor, editor->property(kFormProperty).toString());
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
            emit closeEditor(editor, RevertModelCache);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const bool next = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            emit closeEditor(editor, next ? EditNextItem : EditPreviousItem);
            return true;
        }
        case Qt::Key_Enter:
        case Qt::Key_Return:
            emit closeEditor(editor, SubmitModelCache);
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
        const QPointer<QLineEdit> open(editor);
        emit closeEditor(editor, NoHint);
        // A closed editor is hidden. One that the view keeps open has the focus
        // back, and its line edit never hears that it lost it for a moment.
        return open != nullptr && !open->isHidden();
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace velmora
