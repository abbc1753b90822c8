// The Tools menu's user entries on the menu bar, and running the command of one.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// Keeps the menu's first `fixedItems` items and removes the rest, then adds the entries of section
// "ToolsMenu" of `globalFile` (a separator first when there is any). Returns the entries added.
int RebuildToolsMenu(HMENU menu, int fixedItems, const std::string& globalFile);

// Runs the command of the user entry behind `commandId` (6101 to 6115): the text after the comma of
// its value, as a command line, started in the project folder when one is set. A missing command
// only traces; a command that cannot be started shows a warning. True when a process started.
bool RunToolEntry(HWND frame, int commandId, const std::string& globalFile);

}  // namespace shell
