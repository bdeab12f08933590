#pragma once
// How loading the plan file went.

#include "plan/FileSystem.h"

#include <cstddef>
#include <string>

namespace velmora {

// A plan file is about 8 KB with lines of at most a few dozen characters; anything
// far beyond these is not a plan file and is not read to its end.
inline constexpr std::size_t kMaxPlanLineLength = 64 * 1024;
inline constexpr off_t kMaxPlanFileSize = 16 * 1024 * 1024;

enum class LoadStatus {
    NoFile,       // there is no plan file: the plan keeps what it holds
    Complete,     // every field was read
    NotFullyRead, // reading stopped at `problem`: later fields keep what they held, or
                  // for FileEnded are 0 or empty
};

enum class LoadProblem {
    None,
    CannotOpen,   // the file is there but could not be opened (`error`)
    NotAFile,     // a folder, a device, a pipe: nothing was read
    FileTooLarge, // more than kMaxPlanFileSize bytes
    ReadError,    // reading `line` failed (`error`)
    LineTooLong,  // `line` has more than kMaxPlanLineLength characters
    NotANumber,   // `line` holds `text` where a number belongs, or a number beyond 32 bits
    NulByte,      // the text line `line` (the marital status, a name, a flag) holds a NUL
    FileEnded,    // the file ends at `line` (0: it is empty), before a plan's last line
};

struct LoadResult {
    LoadStatus status = LoadStatus::NoFile;
    LoadProblem problem = LoadProblem::None;
    int error = 0;    // the system's error number for CannotOpen and ReadError
    int line = 0;     // the line at which reading stopped, from 1; 0 when nothing was read
    std::string text; // what stood where a number belongs (bytes beyond ASCII as "?")
    FileStatus file;  // the file as it was opened; all zero when it was not
};

} // namespace velmora
