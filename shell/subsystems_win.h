// What the frame asks of the other subsystems' windows: class registration at start-up and shutdown,
// and the windows, dialogs and build steps its commands open or run.
//
// Each function here is the one place where the frame meets a subsystem. Where that subsystem's
// window or dialog is not part of the program yet, the function says so in a trace line and returns
// the failure its declaration states; the command that called it then does nothing further. It never
// reports success for work it did not do.
#pragma once

#include <windows.h>

#include <string>

#include "editor/wordtable.h"

namespace shell {

// ---- Window classes, registered at start-up in this order and unregistered at shutdown ----
void RegisterProjectWindowClass(HINSTANCE instance);   // "IdeProjectWindow"
void RegisterEditorWindowClass(HINSTANCE instance);    // "IdeEditWindow"
void RegisterConsoleWindowClass(HINSTANCE instance);   // "IdeConsoleWindow"
void RegisterResEditWindowClass(HINSTANCE instance);   // "IdeResEditWindow"
void RegisterDlgEditWindowClasses(HINSTANCE instance); // "IdeDlgEditWindow" and its item classes
void RegisterPicEditWindowClasses(HINSTANCE instance); // "IdePicEditWindow", "IdeDrawBoardWindow"
void EnableTooltips();

void UnregisterConsoleWindowClass(HINSTANCE instance);
void UnregisterProjectWindowClass(HINSTANCE instance);
void UnregisterEditorWindowClass(HINSTANCE instance);
void UnregisterResEditWindowClass(HINSTANCE instance);
void UnregisterDlgEditWindowClasses(HINSTANCE instance);
void UnregisterPicEditWindowClasses(HINSTANCE instance);
void DisableTooltips();

// ---- Windows and dialogs the frame's commands open ----

// Result of a dialog that is not part of the program yet.
constexpr int kDialogNotAvailable = -1;

// The project dialog "PROJECTOPEN": 1 with a project chosen (the project strings are set), 0 when
// cancelled, kDialogNotAvailable when there is no such dialog.
int RunProjectDialog(HWND frame);
// The console window, created and shown; null when it could not be made.
HWND CreateConsoleWindow(HWND frame);
// An editor window on a file (brought to the top when one is open on it already); null when none.
HWND OpenEditor(HWND owner, const std::string& path);
// A new, empty editor window titled `title`; null when none could be made.
HWND CreateEditorWindow(const std::string& title, int width, int height, HWND owner);
// A resource editor window on a script (empty path: an empty one); null when none could be made.
HWND OpenResourceEditor(const std::string& scriptPath, int width, int height, HWND owner);
// The settings dialogs of the Options menu (commands 7000, 7101, 7102, 7103, 7201): 1 confirmed,
// 0 cancelled, kDialogNotAvailable.
int RunSettingsDialog(HWND frame, int command);
// The tool-arguments dialog "TOOLARGS" for grep: 1 confirmed with `arguments` set, 0 cancelled,
// kDialogNotAvailable.
int RunToolArgsDialog(HWND frame, std::string& arguments);
// The help browser "OPENHELP" with a keyword: 1 shown, kDialogNotAvailable.
int RunHelpBrowser(HWND frame, const std::string& keyword);

// ---- Build steps and tools run by the frame's commands ----
// Each returns false (after a trace line) when the step is not part of the program yet; the
// command then stops before it shows or changes anything.
bool BuildStepsAvailable();
// Makes (or with `buildAll` builds every file of) the open project; true when it succeeded.
bool MakeProjectTarget(HWND projectWindow, bool buildAll);
// Runs the built target, under the debugger when `debugger`.
void RunProjectTarget(bool debugger);
// Compiles one source (file kind 3 or 4) or resource script (kind 6); true when it succeeded.
bool CompileFile(const std::string& path, int fileType);
// Writes the make batch of the project to `batchPath` without running it; true when written.
bool WriteMakeBatch(HWND projectWindow, const std::string& batchPath);
// Saves the modified editors of the project's files and lets the project window update its states.
void SaveProjectEditors(HWND projectWindow);
// Sets the project's "Compile" state of a file and repaints its entry.
void SetProjectFileState(const std::string& path, const char* state);
// Runs grep with the arguments, its output going to the console.
bool RunGrepTool(const std::string& arguments);
// Starts the debugger.
bool StartDebuggerTool();

// ---- The keyword tables of the colouring editor ----
// Builds them from the current editor colours and the extra keywords of "EDITOR"/"Keywords" of the
// global settings file.
void InitKeywordTables(const std::string& globalFile);
const editor::WordTable& CurrentWordTable();

}  // namespace shell
