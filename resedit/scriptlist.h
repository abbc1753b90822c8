// The listing of a resource script (type headings and resource entries) and names for new
// resources.
//
// A listing is a sequence of lines. A heading is a bare type keyword ("MENU"), given once before
// the first resource of its type. An entry is the type, ":" and the resource name ("ICON:APPICON");
// string tables have no names and are numbered from 1 instead ("STRINGTABLE:   1"). A line with a
// ":" is an entry, one without is a heading. Types follow kListedTypes; within a type, resources
// follow the script.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace resedit {

// The resource types the listing knows, in listing order. Keywords match exactly, with case.
constexpr const char* kListedTypes[] = {"VERSIONINFO", "DIALOG", "DIALOGEX",    "DLGINIT",      "ACCELERATORS",
                                        "MENU",        "MENUEX", "STRINGTABLE", "MESSAGETABLE", "BITMAP",
                                        "ICON",        "CURSOR", "RCDATA"};

// Lists the resources of a working-copy text.
//
// A named resource is a line that starts with its name at the very start of the line (the start
// of the text counts), then blanks or tabs, then the type keyword followed by a blank, tab, line
// break or the text's end. Keywords elsewhere on a line (an ICON control inside a dialog, a word
// in a caption) are not resources. DIALOG and DIALOGEX, MENU and MENUEX are distinct types.
// A string table is "STRINGTABLE" as the first word of its line (see IsStringTableAt).
// Returns an empty list for a text without resources, and when memory runs out.
std::vector<std::string> ListResources(std::string_view text);

// The entry of string table `ordinal` (from 1): "STRINGTABLE:" and the number right-aligned in
// four places.
std::string StringTableEntry(int ordinal);

// Splits an entry at its first ":" into type and name. False for a heading (no ":").
bool SplitEntry(std::string_view entry, std::string& type, std::string& name);

// A name for a new resource of `type`, made from `wanted`: blanks and dots become "_"; while an
// entry of `list` begins with type + ":" + name (letters compared without regard to case), the
// name gets "_01", "_02", ... until one is free. Returns an empty text when memory runs out.
std::string UniqueName(const std::vector<std::string>& list, std::string_view type, std::string_view wanted);

}  // namespace resedit
