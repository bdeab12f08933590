#include "grid/ui/MaskValidator.h"

#include <QLineEdit>

namespace velmora {

MaskValidator::MaskValidator(const EditMask& mask, QLineEdit* editor)
    : QValidator(editor), mask_(mask), last_(editor->text()) {
    connect(editor, &QLineEdit::textChanged, this, [this](const QString& text) { last_ = text; });
}

QValidator::State MaskValidator::validate(QString& input, int& pos) const {
    const std::u32string after = input.toStdU32String();
    std::optional<std::u32string> admitted = mask_.Admit(last_.toStdU32String(), after);
    if (!admitted) {
        refused_ = input;
        return Invalid;
    }
    if (*admitted != after) {
        input = QString::fromStdU32String(*admitted);
        pos = std::min<int>(pos, static_cast<int>(input.size()));
    }
    return mask_.Conform(*admitted) ? Acceptable : Intermediate;
}

QString MaskValidator::RefusedHint() const {
    return QString::fromStdString(mask_.Hint(refused_.toStdU32String()));
}

} // namespace velmora
