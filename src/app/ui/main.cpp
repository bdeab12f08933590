#include "app/DataFolder.h"
#include "app/ui/Application.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display Qt aborts with a long message; say it in one line instead.
bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0' && std::strncmp(platform, "xcb", 3) != 0 &&
        std::strncmp(platform, "wayland", 7) != 0) {
        return true; // offscreen, vnc, ...: the platform plugin needs no display
    }
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help-file") == 0) {
        return velmora::PrintHelpFilePath(argc, argv);
    }
    if (!HasDisplay()) {
        std::fputs("velmora: no graphical display found (DISPLAY is not set); start it from a "
                   "desktop session.\n",
                   stderr);
        return 1;
    }
    // Started from the desktop: the plan is kept in the user's data folder.
    // Started without the option (from a terminal), the working folder is kept.
    if (argc >= 2 && std::strcmp(argv[1], velmora::kDataFolderOption) == 0) {
        const std::string folder =
            velmora::UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        if (const std::optional<std::string> error = velmora::EnterDataFolder(folder)) {
            std::fprintf(stderr, "velmora: %s\n", error->c_str());
            return 1;
        }
    }
    return velmora::RunApplication(argc, argv);
}
