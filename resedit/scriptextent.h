// Finding a resource's text in a working copy: where it starts and where its last character is.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace resedit {

// A resource's place in the text: its first character and its last character (both offsets).
struct Extent {
  std::size_t start = 0;
  std::size_t last = 0;
};

// Finds the resource (type, name) as the listing shows it; for "STRINGTABLE" the name is the table's
// ordinal in decimal (blanks around it are allowed, so a listing entry's name works as it is).
//
// Start: the first place where `name` starts a line (the start of the text counts), is followed by
// blanks or tabs and then by the type keyword and a word end. So ATTRIBSDLG is not found inside
// MULTIPLEATTRIBSDLG, and MENU is not found where the script says MENUEX.
//
// Last character, in this order of rules:
// - an ICON, BITMAP, CURSOR, RCDATA or MESSAGETABLE line that names an unquoted file after its type
//   and any memory options (PRELOAD, DISCARDABLE, MOVEABLE, LOADONCALL, FIXED, PURE, IMPURE) ends
//   with the last non-blank character of its line;
// - a double-quoted string met before any "{" and before any line break is a one-line file
//   reference ending at its closing quote;
// - otherwise braces are counted from the start, skipping strings and /* */ and // comments; the
//   resource ends at the "}" that brings the depth back to 0, or at its CR LF (or lone CR or LF)
//   when one follows it;
// - the end of the text ends any of these scans: the last character is then the text's last.
// Not found: no such resource, an empty name or an empty text.
std::optional<Extent> FindResourceExtent(std::string_view text, std::string_view type, std::string_view name);

// Finds string table `ordinal` (from 1), counted as the listing counts them. The extent is found by
// counting braces as above.
std::optional<Extent> FindStringTable(std::string_view text, int ordinal);

// The file a resource's text refers to: the quoted name, or (for the unquoted form described above)
// the word after the type and memory options, of a resource whose first line is a file reference.
// Not found for resources that hold their data inline.
std::optional<std::string> ReferencedFileName(std::string_view resourceText);

}  // namespace resedit
