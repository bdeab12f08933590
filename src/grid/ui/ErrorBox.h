#pragma once
// Where a grid shows the error box of a cell that may not be left: the
// program's message boxes give it, and tests answer it themselves.

#include <QString>

namespace velmora {

class ErrorBox {
public:
    virtual ~ErrorBox() = default;

    // An error that ends an operation: application title, stop icon, the text
    // followed by a full stop, "OK".
    virtual void Error(const QString& text) = 0;
};

} // namespace velmora
