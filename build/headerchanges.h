// Header change propagation: which sources a changed header makes stale.
//
// There is no dependency file. A header counts as changed when its file's time text differs from
// its line's "Time" (or its line is "CHANGED"); every project line whose file has a text line
// naming the header and the word "include" is then marked "CHANGED", so that Make compiles it.
#pragma once

#include <string>

#include "build/buildcontext.h"

namespace build {

// Build states of the "Compile" field.
inline constexpr char kStateProgress[] = "PROGRESS";
inline constexpr char kStateCompiled[] = "COMPILED";
inline constexpr char kStateErrors[] = "ERRORS";
inline constexpr char kStateChanged[] = "CHANGED";

// True when some text line of `source` holds `headerName` (case-sensitive substring, so a.h also
// matches inside data.h) and "include" (case-sensitive, anywhere in that line, comments too).
// The text line of an occurrence runs from the character after the preceding CR or LF (or the
// start of the file) to the next CR or LF, at most 255 characters. A file that cannot be read and
// an empty name give false.
bool IncludesHeader(const std::string& source, const std::string& headerName);

// For every header line ("TYP" "H  " or "HPP"), in project order: when it changed, its "Time"
// becomes the file's current time text and every line that is not already "CHANGED" and includes
// it becomes "CHANGED". A header later in the list that is marked so is itself treated as changed
// when its turn comes; one pass is made. Afterwards every header line's "Compile" is empty. Ends
// with a repaint of the project list and a pump.
void PropagateHeaderChanges(const BuildContext& context, int list);

}  // namespace build
