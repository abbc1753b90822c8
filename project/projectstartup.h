// What the project window does once it has started and when it closes, apart from its windows:
// the console's saved state, the editor settings, reopened files, the profile, the current folder.
#pragma once

#include <functional>
#include <string>

#include "project/projectfolders.h"
#include "shell/editorsettings.h"

namespace project {

// The window parts of start-up completion, passed in by the project window.
struct StartCompletion {
  // Called when the saved console state says shown (1 open, 3 open and maximised): the frame's
  // Message command opens the console.
  std::function<void(int consoleState)> showConsole;
  // Measures text in the editor font, for the tab width of the editor settings.
  settings::TextWidthFunction measure;
  // Opens a file in an editor window.
  OpenEditor openEditor;
};

struct StartCompletionResult {
  int consoleState = 0;            // 0 closed, 1 open, 3 open and maximised
  bool projectEditorSettings = false;  // the project settings file had its own editor settings
  int filesReopened = 0;
  int profile = 0;                 // the number written to "Profile"/"Current", 0 when none
  bool folderEntered = false;      // the project folder became the current directory
};

// Start-up completion for the open project `list`, in this order: the console state from
// "WindowState"/"Console" of the project settings file; the editor settings from the project
// settings file, or from `globalFile` when it has none; the source files that were open are opened
// again; the project's "Global"/"Profile" is looked up in `globalFile`'s "Profile" section and its
// number written to "Profile"/"Current"; the project folder becomes the current directory.
StartCompletionResult CompleteProjectStart(int list, const std::string& globalFile,
                                           const StartCompletion& window);

// When the project window closes: writes the console's state to "WindowState"/"Console" of the
// project settings file ("close", or "open" and the console's state word). False when the write
// failed or no project is open.
bool SaveConsoleState(bool consoleOpen, const std::string& stateWord);

}  // namespace project
