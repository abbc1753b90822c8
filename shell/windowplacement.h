// Saved places and open states of windows: what the window code reads at creation and writes at exit.
//
// Nothing here touches a window: the callers pass the window's outer rectangle, the desktop's edges
// and the window's state word (its answer to message 4025), and apply what comes back themselves.
#pragma once

#include <string>

#include "shell/settingsvalues.h"

namespace settings {

// Reads `key` of section "WindowPosition" (capacity 64). When the value is non-empty, `position`
// gets it parsed and clamped onto the desktop, and the window is to be moved and sized to it without
// changing its z-order. Returns the number of characters read: 0 means the window keeps the place it
// was created at (and `position` is left alone).
int RestoreWindowPosition(const std::string& file, const char* key, int desktopRight, int desktopBottom,
                          WindowPosition& position);
// Writes the window's outer rectangle as `key` of section "WindowPosition".
bool SaveWindowPosition(const std::string& file, const char* key, const ScreenRect& outer);

// Reads `key` of section "WindowState" (default "close"): 0 closed, 1 open, 3 open and maximized.
int ReadWindowState(const std::string& file, const char* key);
// Writes "close" when `open` is false (no window), else "open" with the state word, if any.
bool SaveWindowState(const std::string& file, const char* key, bool open, const std::string& stateWord);

// The main window's place, "System"/"Position" and "System"/"MainWindow" of the global file.
struct MainWindowPlacement {
  bool hasPosition = false;  // a non-empty "Position" was found: move the window to `position`
  WindowPosition position;
  bool maximized = false;  // "MainWindow" is "maximized", compared without regard to case
};
MainWindowPlacement ReadMainWindowPlacement(const std::string& globalFile, int desktopRight,
                                            int desktopBottom);
// At exit: a maximized window writes "maximized" and keeps the old "Position"; otherwise "restored"
// and its outer rectangle. False when a write failed.
bool SaveMainWindowPlacement(const std::string& globalFile, bool maximized, const ScreenRect& outer);

}  // namespace settings
