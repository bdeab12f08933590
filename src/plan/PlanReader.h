#pragma once
// Reading the text of the plan file into the plan, from any source of bytes.

#include "plan/LoadResult.h"
#include "plan/PlanData.h"

#include <string_view>

namespace velmora {

// The bytes of a plan file, piece by piece.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The next piece of the file; empty at its end or when reading failed.
    virtual std::string_view Next() = 0;
    // Whether the pieces ended because reading failed rather than at the end of the file.
    virtual bool Failed() const = 0;
};

// Fills the plan field by field in file order:
// - a UTF-8 byte-order mark at the very start is skipped;
// - a line ends at CR, CR LF or LF; a Ctrl-Z (code 26) ends the file;
// - Married is the whole line, a name its first 15 characters, a flag its first;
// - an integer skips blanks, tabs and line ends (so empty lines too), takes the token
//   up to the next of them (at most 32 characters) as an optional sign and digits, and
//   skips the rest of its line; any other control character (a NUL, say) in the line
//   makes it a token that is not a number;
// - a NUL anywhere in a text line stops the load before that field (NulByte);
// - at the end of the file an integer reads 0 and a text empty; a file with fewer
//   lines than a plan's is then one not fully read (FileEnded), since Velmora always
//   writes them all;
// - a token that is not a number stops the load: the field gets the value of its
//   leading digits (0 when they exceed the 32-bit range), later fields keep theirs;
// - a read error, or a line longer than kMaxPlanLineLength, stops the load before the
//   field it hit.
// The result says Complete, or NotFullyRead with the problem and its line; for a read
// error the caller knows the error number.
LoadResult ReadPlan(PlanData& plan, ByteSource& source);

} // namespace velmora
