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

constexpr const char* kHelp =
    "Prints the results of a Velmora plan file (by default UserData.dta in the\n"
    "current folder) as a text page, without changing the file.\n"
    "\n"
    "Options:\n"
    "  --json      print one JSON object instead of the text page\n"
    "  --csv       print comma-separated values, as the results screen's CSV export\n"
    "  -h, --help  print this help and exit\n"
    "\n"
    "Exit status:\n"
    "  0  report printed\n"
    "  1  plan file cannot be opened, or the report cannot be written\n"
    "  2  wrong usage\n"
    "  3  plan file not fully read: report printed from what could be read,\n"
    "     with a warning on standard error\n"
    "\n"
    "See velmora-report(1) for more.\n";

// A usage error: what was wrong, then the usage line; status 2.
int UsageError(const std::string& what) {
    std::fprintf(stderr, "velmora-report: %s\n%sTry 'velmora-report --help' for more.\n",
                 what.c_str(), kUsage);
    return 2;
}

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
                return UsageError("--json and --csv cannot be used together");
            }
            format = wanted;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::fputs(kHelp, stdout);
            return 0;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return UsageError("unknown option '" + std::string(arg) + "'");
        } else if (havePath) {
            return UsageError("only one plan file can be given, not also '" + std::string(arg) +
                              "'");
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
