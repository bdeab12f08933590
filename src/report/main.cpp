// velmora-report [--json | --csv] [PLANFILE]: the results screen's content for a plan file.
// Loads the plan as the program does at start-up, runs the results calculation and
// prints the result; the plan file is only read.

#include "plan/PlanFile.h"
#include "Workspace.h"
#include "results/ResultsCalculation.h"
#include "results/ResultsCsv.h"
#include "results/ResultsJson.h"
#include "results/ResultsPage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kUsage = "usage: velmora-report [--json | --csv] [PLANFILE]\n";

enum class Format { Page, Json, Csv };

// The loader passes over a file it cannot read, so the report checks first.
bool CanOpen(const std::string& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    struct stat info {};
    const bool isDirectory = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    ::close(fd);
    if (isDirectory) {
        why = std::strerror(EISDIR);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Format format = Format::Page;
    std::string path = velmora::kPlanFileName;
    bool havePath = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--json" || arg == "--csv") {
            const Format wanted = arg == "--json" ? Format::Json : Format::Csv;
            if (format != Format::Page && format != wanted) {
                std::fputs(kUsage, stderr);
                return 2;
            }
            format = wanted;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if ((arg.size() > 1 && arg.front() == '-') || havePath) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            path = arg;
            havePath = true;
        }
    }

    std::string why;
    if (!CanOpen(path, why)) {
        std::fprintf(stderr, "velmora-report: cannot open plan file %s: %s\n", path.c_str(),
                     why.c_str());
        return 1;
    }

    // The workspace is large (four ranking arrays), so it lives on the heap.
    const auto ws = std::make_unique<velmora::Workspace>();
    velmora::LoadPlan(ws->plan, path);
    velmora::results::Calculate(*ws);

    const std::string text = format == Format::Json  ? velmora::results::ResultsJson(*ws)
                             : format == Format::Csv ? velmora::results::ResultsCsv(*ws)
                                                     : velmora::results::ResultsPage(*ws);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "velmora-report: cannot write the report: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
