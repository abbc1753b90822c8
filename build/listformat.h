// Setting texts turned into command-line pieces: the three list forms, free options, file names.
//
// A list is one settings value holding several elements. An element ends at ";", at the stored
// line break (a backslash followed by the byte 0xB6) or at the end of the text. Each element is
// trimmed of blanks; one with fewer than three characters that are neither blanks nor double
// quotes is dropped (so a one- or two-letter define never reaches a tool).
//
// Quoting: the joined and attached forms put an element in double quotes when a blank stood in its
// stretch of the list before its end (leading blanks count, trailing ones do not); the quoted form
// always does. Double quotes inside an element are removed. A quoted element that ends with a
// backslash gets a second one, so that the tools' argument parsing does not read the closing quote
// as an escaped quote ("D:\sdk\include\\").
#pragma once

#include <string>

namespace build {

// Elements joined by ";" without blanks, no trailing ";": "C:\inc; C:\my inc" -> C:\inc;"C:\my inc".
std::string FormatJoinedList(const std::string& list);
// `prefix`, a blank and the element in double quotes, each followed by a blank; trailing blanks of
// the whole result removed: ("A1;B2C", "/D") -> /D "B2C".
std::string FormatQuotedOptions(const std::string& list, const std::string& prefix);
// `prefix` directly followed by the element (quoted as in the joined form), each followed by a
// blank; trailing blanks of the whole result removed: ("obj", "/Fo") -> /Foobj.
std::string FormatAttachedOptions(const std::string& list, const std::string& prefix);

// Free options of a "Parameter" key as appended to a command: "" for an empty value, else one
// blank and the value, in which every backslash + "r" and every stored line break (backslash +
// 0xB6) became two blanks.
std::string FreeOptionsText(const std::string& parameter);

// A joined list as a folder to work in: the double quotes of the joined form removed and a
// backslash that quoting doubled made single again ("C:\my out" rather than "\"C:\my out\"").
std::string UnquotedDirectory(const std::string& joined);

// The text after the last "\" or "/" (the whole text without one).
std::string FileNameOfPath(const std::string& path);
// The file name without its last extension: C:\P\src\a.b.cpp -> a.b.
std::string BaseNameOfPath(const std::string& path);

// The text in double quotes when it contains a blank, unchanged otherwise.
std::string QuotedWhenBlank(const std::string& text);

}  // namespace build
