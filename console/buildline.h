// The build-line classifier: does a line of tool output report an error?
//
// A build step fails exactly when one of its output lines is an error line; exit codes are never
// read. All comparisons are case-sensitive. A line is an error line when it
// - starts with "Error" but not with "Error messages" (Borland: "Error E2451 a.cpp 5: ...",
//   "Error: Unresolved external '_main'");
// - contains "fatal error C", ": error C" or ": error RC" (Microsoft compiler and resource compiler);
// - holds a Microsoft-style code, "error " or "fatal error " then one to four capital letters and
//   four or five digits, at the start of the line or right after ": " (the linker's
//   "x.obj : error LNK2019: ...", "LINK : fatal error LNK1104: ...", "fatal error RC1110: ...");
// - contains "Command line error" ("cl : Command line error D8021 : ...");
// - starts with "Fatal" (Borland: "Fatal F1003 a.cpp 12: ...", "Fatal: Unable to open file ...");
// - is one of the DigitalMars forms: " : Error: " or " : Error " + number + ":" anywhere
//   ("a.c(12) : Error: ...", "OPTLINK : Error 8: Illegal Filename"); one or more blanks, "Error ",
//   a number and ":" ("  Error 42: Symbol Undefined _f"); "--- errorlevel N" with N other than 0.
// Warnings and notes of every family are never errors.
#pragma once

#include <string>

namespace console {

bool IsBuildErrorLine(const std::string& line);

// The line filter of every build step: copies `line` into `output` unchanged and answers 1 for an
// error line, else 0.
int ClassifyBuildLine(std::string& output, const std::string& line);

}  // namespace console
