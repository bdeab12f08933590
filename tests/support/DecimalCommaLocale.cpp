#include "DecimalCommaLocale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace velmora::testing {

namespace {

bool SetCommaFormat(const char* name) {
    if (std::setlocale(LC_NUMERIC, name) == nullptr) {
        return false;
    }
    return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

} // namespace

DecimalCommaLocale::DecimalCommaLocale() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    previous_ = current != nullptr ? current : "C";
    if (const char* locPath = std::getenv("LOCPATH")) {
        previousLocPath_ = locPath;
    }
    active_ = TryInstalled() || TryBuilt();
    if (!active_) {
        std::setlocale(LC_NUMERIC, previous_.c_str());
    }
}

DecimalCommaLocale::~DecimalCommaLocale() {
    std::setlocale(LC_NUMERIC, previous_.c_str());
    if (previousLocPath_) {
        ::setenv("LOCPATH", previousLocPath_->c_str(), 1);
    } else {
        ::unsetenv("LOCPATH");
    }
}

bool DecimalCommaLocale::TryInstalled() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE",
                             "fr_FR", "nl_NL.UTF-8", "es_ES.UTF-8"}) {
        if (SetCommaFormat(name)) {
            return true;
        }
    }
    return false;
}

// Compiles a German locale from the system's locale sources into a scratch folder.
bool DecimalCommaLocale::TryBuilt() {
    built_ = std::make_unique<ScratchFolder>();
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + built_->Path("de_DE.UTF-8") + "' >/dev/null 2>&1";
    // localedef may end with a non-zero status for mere warnings: the locale tells.
    [[maybe_unused]] const int status = std::system(command.c_str());
    ::setenv("LOCPATH", built_->Path().c_str(), 1);
    return SetCommaFormat("de_DE.UTF-8");
}

} // namespace velmora::testing
