// The user's entries of the Tools menu: section "ToolsMenu" of the global settings file.
//
// Keys "1" to "15" each hold a label, a comma and a command ("Notepad,notepad.exe"). They are read
// in order until one is missing or empty; a later key after a gap is never read. A label beginning
// with "-" stands for a separator, whatever follows the comma.
#pragma once

#include <string>
#include <vector>

namespace shell {

// Command identifier of the user entry read from key n is kToolCommandBase + n.
constexpr int kToolCommandBase = 6100;
constexpr int kFirstToolCommand = kToolCommandBase + 1;
constexpr int kLastToolCommand = kToolCommandBase + 15;

struct ToolEntry {
  int key = 0;             // the key it came from, 1 to 15
  bool separator = false;  // the label begins with "-"
  std::string label;       // the text up to the first ","; the whole value when it has none
  int command = 0;         // kToolCommandBase + key; 0 for a separator
};

// The entries of `globalFile`, in key order, stopping at the first missing or empty key.
std::vector<ToolEntry> ReadToolEntries(const std::string& globalFile);

// The command line of the entry behind command `commandId` (6101 to 6115): the text after the first
// "," of its value, surrounding blanks removed. Empty when the id is out of range, the key is
// missing, the value has no comma, or the entry is a separator.
std::string ToolCommandLine(const std::string& globalFile, int commandId);

}  // namespace shell
