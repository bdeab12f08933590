#include "grid/ui/CellEdit.h"

namespace velmora {

CellEdit::CellEdit(QLineEdit& editor, int col, int row, const QString& text, const QString& mask)
    : editor_(&editor), col_(col), row_(row), original_(text), settled_(text), stored_(text),
      mask_(mask.toStdString()) {}

void CellEdit::ProgramSet(const QString& text) {
    settled_ = text;
    stored_ = text;
}

CellEdit::Typed CellEdit::Type(const QString& text) {
    // What the cell stores of the text: a number's digits; while the text is no
    // whole entry, the value the cell may keep.
    Typed typed;
    const std::u32string wide = text.toStdU32String();
    const std::optional<std::u32string> stored = mask_.Stored(wide);
    const QString store = stored ? QString::fromStdU32String(*stored) : settled_;
    if (store != stored_) {
        stored_ = store;
        typed.store = store;
    }
    if (!stored) {
        const EditMask::Leaving leaving = mask_.Leave(wide);
        if (leaving.verdict == EditMask::Leaving::Verdict::Refused && leaving.atOnce) {
            typed.note = QString::fromStdString(leaving.note);
        }
    }
    return typed;
}

EditMask::Leaving CellEdit::Leave(const QString& text) const {
    if (MayKeep(text)) {
        return {EditMask::Leaving::Verdict::Kept, text.toStdU32String(), {}, false};
    }
    return mask_.Leave(text.toStdU32String());
}

CellEdit::Closed CellEdit::Close(const QString& text) {
    Closed closed;
    if (MayKeep(text)) {
        return closed;
    }
    const EditMask::Leaving leaving = mask_.Leave(text.toStdU32String());
    if (leaving.verdict == EditMask::Leaving::Verdict::Kept) {
        closed.text = QString::fromStdU32String(leaving.text); // "067" for "67"
    } else if (leaving.verdict == EditMask::Leaving::Verdict::Refused) {
        // Nothing of a refused entry stays.
        closed.text = settled_;
        if (stored_ != settled_) {
            stored_ = settled_;
            closed.store = settled_;
        }
    }
    return closed;
}

std::optional<QString> CellEdit::Abandon(const QString& text) {
    if (text == original_ && stored_ == original_) {
        return std::nullopt;
    }
    stored_ = original_;
    return original_;
}

} // namespace velmora
