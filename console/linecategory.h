// How the console draws a line: the category that picks its colour.
#pragma once

#include <string>

namespace console {

enum class LineCategory { kError, kWarning, kMarker, kFound, kFatal, kNormal };

// First match wins, case-sensitive:
//   1 contains "error" or "Error E"          -> kError
//   2 contains "warning" or "Warning W"      -> kWarning
//   3 starts with "Marker"                   -> kMarker
//   4 starts with "Found in"                 -> kFound
//   5 contains "Fatal:" or "Error:"          -> kFatal
//   6 otherwise                              -> kNormal
// A line that these rules do not call fatal but that the build-line classifier calls an error
// (console/buildline.h) is drawn as kError, so every line that fails a build looks like one:
// "Error ping.c 15: ..." and "Fatal F1003 ..." are errors, "Error: Unresolved external '_main'"
// stays fatal.
LineCategory CategorizeLine(const std::string& line);

}  // namespace console
