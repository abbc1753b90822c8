// What ovmake.exe takes from Windows itself: its own path and its two output streams.
#pragma once

#include <string>

namespace ovmake {

// The full path of the running program ("C:\Orvantel\ovmake.exe"); empty when it cannot be had.
std::string ProgramPath();

// Writes one line and a line end to standard output or standard error and flushes it at once, so
// that a tool's lines reach a pipe or a log file as they arrive.
void WriteStandardOutput(const std::string& line);
void WriteStandardError(const std::string& line);

}  // namespace ovmake
