// Navigation parsers: the file name and line number a console line names.
//
// Every parser reads only the line it is given. It returns whether it found a place; the file name
// is always set (empty when there is nothing to open); the line number is changed only when a
// place was found, so a caller that starts with -1 can tell "no line number" apart.
#pragma once

#include <string>

namespace console {

// Number tokens are collected into a buffer of this many bytes (terminator included); longer
// tokens are cut, and their value saturates at the largest int.
constexpr int kNumberTokenBytes = 16;

// Borland tool lines and the IDE's own marker and search lines:
//   "Error E2451 a.cpp 5: ...", "Warning W8004 a.cpp 7: ...", "Fatal F1003 a.cpp 12: ...",
//   the older "Error a.cpp 5: ..." and "Warning askfile.cpp 39: ...", "Marker:  main.c 120: todo"
//   and "Found in C:\src\a.c 000012 " (with its trailing blank).
// From the second blank on, the first token that is ended by a blank and holds only digits and ":"
// (an empty token between two blanks counts, with the value 0) is the line token. The file name
// runs from an offset fixed by the line's start up to the blank before that token:
//   "Marker: " 9, "Found in " 9, "Error E"/"Fatal F" + four digits + blank 12,
//   "Warning W" + four digits + blank 14, "Error " (not "Error messages") 6, "Warning " 8,
//   anything else: no file name. A blank at or before the offset gives an empty name.
// Found when a line token exists; the line number is its leading digits.
bool ParseBorlandMessage(const std::string& line, std::string& fileName, int& lineNumber);

// Microsoft lines "file(line) ...": at every "(" the file name becomes the text before it and the
// line number the value of the digits after it (up to ")" or the end); the last "(" of the line
// decides. Found when the line holds a "(".
bool ParseMicrosoftMessage(const std::string& line, std::string& fileName, int& lineNumber);

// Reads a console line with the rules of a compiler profile (settings/profiles.h ids):
//   1 Borland: ParseBorlandMessage.
//   2 VisualToolkit: lines starting with "Marker: " or "Found in " with the Borland rules, all
//     others with the Microsoft rules.
//   3 DigitalMars: as 2 (its compiler writes "file(line) : Error: ...").
//   any other id: not found, file name empty, line number untouched.
bool ParseConsoleLine(int profileId, const std::string& line, std::string& fileName, int& lineNumber);
// The same with the current profile id, as the last build step left it.
bool ParseConsoleLine(const std::string& line, std::string& fileName, int& lineNumber);

}  // namespace console
