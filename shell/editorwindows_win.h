// The frame's view of the editor windows: top-level windows of class "IdeEditWindow", found by
// enumeration, and the Window menu that lists them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace shell {

constexpr char kEditorClass[] = "IdeEditWindow";
constexpr int kFirstWindowCommand = 8001;
constexpr int kWindowCommandLimit = 8033;  // no id at or beyond this is given

// The editor windows in z-order, topmost first.
std::vector<HWND> EditorWindows();
// The topmost editor window and its title (at most 255 characters); null and "" when none.
HWND GetTopEditor(std::string* title);
// The editor whose title is exactly `path`, or null.
HWND FindEditor(const std::string& path);

void CloseAllEditors();                 // a close request to each
void EnableEditors(bool enable);
void MoveEditorsBy(int dx, int dy);     // no size or z-order change, no activation

// Removes the Window menu's items from position `firstListed` on and lists the editor windows
// there, alphabetically by title, with commands from 8001 in enumeration order (none from 8033 on).
// Returns the number listed.
int RebuildWindowMenu(HMENU menu, int firstListed);
// The title that the last rebuild gave command `id`; "" when none.
std::string EditorTitleByCommand(int id);

}  // namespace shell
