#pragma once
// Telling one process from another over time: its process id, and when it started, so
// that an id that the system has since given to a new process is not taken for the old
// one.

#include <string>
#include <string_view>

namespace velmora {

struct ProcessIdentity {
    long long id = 0;               // 0: unknown
    unsigned long long started = 0; // clock ticks after the system's start; 0: unknown
};

// This process.
ProcessIdentity ThisProcess();

// Whether the process runs: its id is in use (by any user), and by a process that
// started when it did, when both start times are known. A process that has ended but
// has not yet been waited for by its parent does not run.
bool IsRunning(const ProcessIdentity& process);

// The process as one line of text, "12345 678901\n", and back. A text that does not
// start with a process id names no process (id 0); a start time that is missing or
// unreadable is unknown.
std::string ProcessText(const ProcessIdentity& process);
ProcessIdentity ParseProcessText(std::string_view text);

} // namespace velmora
