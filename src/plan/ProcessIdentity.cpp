#include "plan/ProcessIdentity.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace velmora {
namespace {

// What the system tells about a running process.
struct ProcessState {
    bool known = false;
    char state = '?'; // 'Z': ended, not yet waited for
    unsigned long long started = 0;
};

// From /proc/<id>/stat: "<id> (<name>) <state> <ppid> ..." where the start time is
// the 22nd field; the name may hold blanks and parentheses, so the fields are counted
// from its last ')'.
ProcessState StateOf(long long id) {
    ProcessState result;
    const std::string path = "/proc/" + std::to_string(id) + "/stat";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return result;
    }
    char buffer[1024];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (got <= 0) {
        return result;
    }
    const std::string_view text(buffer, static_cast<std::size_t>(got));
    const std::size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string_view::npos) {
        return result;
    }
    constexpr int kStartField = 22;
    constexpr int kStateField = 3;
    int field = kStateField - 1;
    std::size_t at = nameEnd + 1;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') {
            ++at;
        }
        const std::size_t end = std::min(text.find(' ', at), text.size());
        ++field;
        if (field == kStateField && end > at) {
            result.state = text[at];
        } else if (field == kStartField) {
            const auto [stop, error] =
                std::from_chars(text.data() + at, text.data() + end, result.started);
            result.known = error == std::errc() && stop == text.data() + end;
            break;
        }
        at = end;
    }
    return result;
}

} // namespace

ProcessIdentity ThisProcess() {
    ProcessIdentity process;
    process.id = ::getpid();
    const ProcessState state = StateOf(process.id);
    process.started = state.known ? state.started : 0;
    return process;
}

bool IsRunning(const ProcessIdentity& process) {
    if (process.id <= 0 || process.id > INT_MAX) {
        return false;
    }
    if (::kill(static_cast<pid_t>(process.id), 0) != 0 && errno != EPERM) {
        return false; // no process has this id
    }
    const ProcessState state = StateOf(process.id);
    if (!state.known) {
        return true; // the id is in use: as far as can be told, by this process
    }
    if (state.state == 'Z' || state.state == 'X') {
        return false;
    }
    return process.started == 0 || state.started == process.started;
}

std::string ProcessText(const ProcessIdentity& process) {
    return std::to_string(process.id) + " " + std::to_string(process.started) + "\n";
}

ProcessIdentity ParseProcessText(std::string_view text) {
    ProcessIdentity process;
    const char* const end = text.data() + text.size();
    const auto [afterId, idError] = std::from_chars(text.data(), end, process.id);
    if (idError != std::errc() || process.id <= 0) {
        return {};
    }
    if (afterId != end && *afterId == ' ') {
        unsigned long long started = 0;
        const auto [afterStart, startError] = std::from_chars(afterId + 1, end, started);
        const bool ended = afterStart == end || *afterStart == '\n';
        process.started = startError == std::errc() && ended ? started : 0;
    }
    return process;
}

} // namespace velmora
