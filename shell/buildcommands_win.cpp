// The build commands' fixed sequence: console headings, saving, the busy box, the step, "*READY".
#include "shell/buildcommands_win.h"

#include <string>

#include "project/filetype.h"
#include "project/projectstrings.h"
#include "resources/resource_ids.h"
#include "shell/appstate_win.h"
#include "shell/busybox_win.h"
#include "shell/editorwindows_win.h"
#include "shell/framecommands_win.h"
#include "shell/messagepump_win.h"
#include "shell/newfilename.h"
#include "shell/subsystems_win.h"
#include "shell/trace.h"

namespace shell {
namespace {

constexpr int kEditorSave = 1441;

// The open project's window, or null after a trace line naming the command.
HWND ProjectWindowFor(const char* command) {
  HWND project = App().projectWindow;
  if (project && IsWindow(project)) return project;
  diag::Trace("%s: no project window\r\n", command);
  return nullptr;
}

std::string DetailText() { return project::ProjectFolder() + "\r\n" + project::ProjectName(); }

void RefreshProjectWindow() {
  if (HWND project = App().projectWindow) InvalidateRect(project, nullptr, TRUE);
}

// The part the make-like commands share; true when the target was made.
bool MakeSequence(HWND frame, HWND project, const char* heading, const char* busyTitle, bool buildAll) {
  ShowConsole(frame);
  ConsoleLine(heading);
  LetPendingMessagesRun();
  SaveProjectEditors(project);
  HWND busy = ShowBusy("BUSY", busyTitle, DetailText());
  LetPendingMessagesRun();
  bool made = MakeProjectTarget(project, buildAll);
  CloseBusy(busy);
  RefreshProjectWindow();
  return made;
}

}  // namespace

bool MakeCommand(HWND frame, bool buildAll) {
  HWND project = ProjectWindowFor(buildAll ? "Build All" : "Make");
  if (!project || !BuildStepsAvailable()) return false;
  bool made = MakeSequence(frame, project, buildAll ? "*BUILD ALL..." : "*MAKE ALL...",
                           buildAll ? "Building..." : "Make...", buildAll);
  ConsoleLine("*READY");
  return made;
}

void RunCommand(HWND frame) {
  bool debugger = App().keys.shift;
  HWND project = ProjectWindowFor("Run");
  if (!project || !BuildStepsAvailable()) return;
  if (!MakeSequence(frame, project, "*BUILD FOR RUN...", "Building...", false)) {
    ConsoleLine("*CAN NOT RUN...");
    return;
  }
  ConsoleLine(debugger ? "*START DEBUGGER..." : "*RUN...");
  RunProjectTarget(debugger);
}

void CompileCommand(HWND frame) {
  AppState& app = App();
  std::string path;
  HWND editor = GetTopEditor(&path);
  if (app.projectWindow && ActiveChild() == app.projectWindow) {
    PostMessageA(app.projectWindow, WM_COMMAND, IDM_COMPILE, 0);
    return;
  }
  if (!editor) {
    diag::Trace("Compile: no editor window\r\n");
    return;
  }
  if (!BuildStepsAvailable()) return;
  SendMessageA(editor, WM_COMMAND, kEditorSave, 0);
  ShowConsole(frame);
  ConsoleLine("*COMPILE...");
  LetPendingMessagesRun();
  int type = project::GetFileType(path);
  if (type == project::kFileC || type == project::kFileCpp || type == project::kFileResourceScript) {
    HWND busy = ShowBusy("BUSY", "Compiling...", path);
    SetProjectFileState(path, "");
    bool compiled = CompileFile(path, type);
    SetProjectFileState(path, compiled ? "COMPILED" : "ERRORS");
    CloseBusy(busy);
    RefreshProjectWindow();
  } else {
    ConsoleLine("nothing to Compile");
  }
  ConsoleLine("*READY");
}

void MakefileCommand(HWND frame) {
  HWND project = ProjectWindowFor("Makefile");
  if (!project || !BuildStepsAvailable()) return;
  ShowConsole(frame);
  LetPendingMessagesRun();
  std::string batch = JoinFolder(project::ProjectFolder(), "makefile.bat");
  if (!WriteMakeBatch(project, batch)) return;
  if (HWND editor = OpenEditor(frame, batch)) MoveWindow(editor, 100, 200, 650, 350, TRUE);
}

}  // namespace shell
