#pragma once
// The program's modal message boxes, one function per kind. Screens talk to the
// user only through this interface, so tests can answer the boxes themselves.

#include "grid/ui/ErrorBox.h"

#include <QString>

namespace velmora {

inline constexpr const char* kApplicationTitle = "Velmora";

class Dialogs : public ErrorBox {
public:
    virtual ~Dialogs() = default;

    // "Confirm", question icon, "&Yes" / "&No"; true when the user chose Yes.
    virtual bool Confirm(const QString& text) = 0;
    // "Information", information icon, "OK".
    virtual void Information(const QString& text) = 0;
    // "Warning", warning icon, "OK".
    virtual void Warning(const QString& text) = 0;
    // Captioned with the application title, no icon, "OK" (the welcome message).
    virtual void Message(const QString& text) = 0;
    // Error(text), from ErrorBox: an error that ends an operation.
};

} // namespace velmora
