#pragma once
// One edit of a grid cell, from the opening of its editor to its closing: the
// editor, the cell, its mask, the text the cell had when editing began, the
// text it may be left with although that does not fill the mask (the one it
// began with, or the last one the program set), and the text last handed to
// the grid's set-edit-text handler. Every way an edit goes on or ends asks it:
// a typed text, a text the program sets, leaving the cell, closing it with
// what it holds, and abandoning it.

#include "grid/EditMask.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <optional>

namespace velmora {

class CellEdit {
public:
    CellEdit(QLineEdit& editor, int col, int row, const QString& text, const QString& mask);

    // The open editor; null once the edit is ending or the editor is gone.
    QLineEdit* Editor() const { return ending_ ? nullptr : editor_.data(); }
    // The editor until it is closed, also while the edit ends.
    QLineEdit* Widget() const { return editor_.data(); }
    int Col() const { return col_; }
    int Row() const { return row_; }
    const QString& Original() const { return original_; }
    bool Is(int col, int row) const { return col == col_ && row == row_; }

    // The edit is ending: the editor is about to be closed.
    void StartEnding() { ending_ = true; }

    // The program wrote `text` into the cell: the cell may be left with it, and
    // it is what the cell holds now.
    void ProgramSet(const QString& text);

    // The user changed the editor's text to `text`.
    struct Typed {
        std::optional<QString> store; // to hand to the set-edit-text handler
        QString note;                 // a refusal worth saying at once, or ""
    };
    Typed Type(const QString& text);

    // Whether the cell may be left with `text`: kept (the number's own zeros
    // filled in), refused with a note under the cell, or incomplete (a box).
    EditMask::Leaving Leave(const QString& text) const;

    // The edit closes with `text` in the editor without being left through a
    // check (the screen hidden, the current cell moved by the program): the
    // text the editor leaves in the cell, and what to hand to the set-edit-text
    // handler when a refused entry gives way to the text the cell may keep.
    struct Closed {
        std::optional<QString> text;
        std::optional<QString> store;
    };
    Closed Close(const QString& text);

    // The edit is abandoned (Escape): what to hand to the set-edit-text handler
    // to bring back the text the cell had, if anything.
    std::optional<QString> Abandon(const QString& text);

private:
    // A text that the cell may keep as it stands.
    bool MayKeep(const QString& text) const { return text == original_ || text == settled_; }

    QPointer<QLineEdit> editor_;
    int col_;
    int row_;
    QString original_;
    QString settled_;
    QString stored_;
    EditMask mask_;
    bool ending_ = false;
};

} // namespace velmora
