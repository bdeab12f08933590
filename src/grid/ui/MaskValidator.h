#pragma once
// Applies an edit mask to a line edit while the user types: refuses characters
// that cannot stand in the mask and upper-cases letters where it says so.

#include "grid/EditMask.h"

#include <QValidator>

class QLineEdit;

namespace velmora {

class MaskValidator : public QValidator {
public:
    // Follows the editor's text, so that a text that never fitted the mask may
    // still be shortened.
    MaskValidator(const EditMask& mask, QLineEdit* editor);

    State validate(QString& input, int& pos) const override;

    // What the cell takes, in plain words, for the text refused last.
    QString RefusedHint() const;

private:
    EditMask mask_;
    QString last_;
    mutable QString refused_;
};

} // namespace velmora
