#pragma once
// Switches the C library's number format (LC_NUMERIC) to one with a decimal
// comma for the lifetime of the object, as a desktop session in such a locale
// does once Qt has applied the environment's locale. Restores the previous
// format afterwards.

#include "ScratchFolder.h"

#include <memory>
#include <optional>
#include <string>

namespace velmora::testing {

class DecimalCommaLocale {
public:
    DecimalCommaLocale();
    ~DecimalCommaLocale();
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    // Whether a locale with a decimal comma is in effect; when the machine has
    // none and cannot build one, it is not and the format is left as it was.
    bool Active() const { return active_; }

private:
    bool TryInstalled();
    bool TryBuilt();

    std::string previous_;
    std::optional<std::string> previousLocPath_;
    std::unique_ptr<ScratchFolder> built_;
    bool active_ = false;
};

} // namespace velmora::testing
