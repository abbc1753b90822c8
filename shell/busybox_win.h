// The busy box: a small modeless box that says what the program is doing while a long command runs.
//
// At most one exists at a time. It has no owner, centres itself on the screen, can be dragged by
// the band along its top edge, and notes a command from any of its controls as a request to abort
// (long commands may ask BusyAbortRequested between their steps).
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// Shows the box made from `templateName` ("BUSY", "PROGRESS" or "SAVE") with its title (window
// title and the bold line 100), the detail line(s) 101 and the pie value (0 to 100) of control 301,
// then lets pending messages run. A box already shown is closed first. Returns the box, or null
// when the template cannot be made.
HWND ShowBusy(const char* templateName, const std::string& title, const std::string& detail, int pieValue = 0);

// Closes the box; null or a box that is already gone is ignored.
void CloseBusy(HWND box);

// For the fault report: destroys the box when one is shown and clears its shown flag.
void CloseBusyBoxIfShown();

bool BusyShown();
bool BusyAbortRequested();

// The busy box's dialog procedure (templates "BUSY", "PROGRESS", "SAVE").
INT_PTR CALLBACK BusyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
