// The frame's meeting points with the other subsystems' windows, dialogs and build steps.
//
// A subsystem whose window code is not part of the program yet is answered here with a trace line
// and a failure result, so the calling command stops without pretending it did its work.
#include "shell/subsystems_win.h"

#include "editor/colourtable.h"
#include "help/tooltips_win.h"
#include "shell/appstate_win.h"
#include "shell/editorsettings.h"
#include "shell/trace.h"

namespace shell {
namespace {

editor::WordTable gWordTable;

void NotYet(const char* what) { diag::Trace("%s: not part of this program yet\r\n", what); }

}  // namespace

void RegisterProjectWindowClass(HINSTANCE) { NotYet("Project window class"); }
void RegisterEditorWindowClass(HINSTANCE) { NotYet("Editor window class"); }
void RegisterConsoleWindowClass(HINSTANCE) { NotYet("Console window class"); }
void RegisterResEditWindowClass(HINSTANCE) { NotYet("Resource editor window class"); }
void RegisterDlgEditWindowClasses(HINSTANCE) { NotYet("Dialog editor window classes"); }
void RegisterPicEditWindowClasses(HINSTANCE) { NotYet("Picture editor window classes"); }
void EnableTooltips() {
  diag::Trace("Register Tooltips\r\n");
  help::EnableTooltips(App().instance);
}

void UnregisterConsoleWindowClass(HINSTANCE) {}
void UnregisterProjectWindowClass(HINSTANCE) {}
void UnregisterEditorWindowClass(HINSTANCE) {}
void UnregisterResEditWindowClass(HINSTANCE) {}
void UnregisterDlgEditWindowClasses(HINSTANCE) {}
void UnregisterPicEditWindowClasses(HINSTANCE) {}
void DisableTooltips() {
  diag::Trace("Unregister Tooltips\r\n");
  help::DisableTooltips();
}

int RunProjectDialog(HWND) {
  NotYet("Project dialog PROJECTOPEN");
  return kDialogNotAvailable;
}

HWND CreateConsoleWindow(HWND) {
  NotYet("Console window");
  return nullptr;
}

HWND OpenEditor(HWND, const std::string& path) {
  diag::Trace("Editor window for %s: not part of this program yet\r\n", path.c_str());
  return nullptr;
}

HWND CreateEditorWindow(const std::string& title, int, int, HWND) {
  diag::Trace("New editor window %s: not part of this program yet\r\n", title.c_str());
  return nullptr;
}

HWND OpenResourceEditor(const std::string& scriptPath, int, int, HWND) {
  diag::Trace("Resource editor for '%s': not part of this program yet\r\n", scriptPath.c_str());
  return nullptr;
}

int RunSettingsDialog(HWND, int command) {
  diag::Trace("Settings dialog of command %d: not part of this program yet\r\n", command);
  return kDialogNotAvailable;
}

int RunToolArgsDialog(HWND, std::string&) {
  NotYet("Tool arguments dialog TOOLARGS");
  return kDialogNotAvailable;
}

int RunHelpBrowser(HWND, const std::string&) {
  NotYet("Help browser OPENHELP");
  return kDialogNotAvailable;
}

bool BuildStepsAvailable() {
  NotYet("Build steps");
  return false;
}

bool MakeProjectTarget(HWND, bool) { return false; }
void RunProjectTarget(bool) {}
bool CompileFile(const std::string&, int) { return false; }
bool WriteMakeBatch(HWND, const std::string&) { return false; }
void SaveProjectEditors(HWND) {}
void SetProjectFileState(const std::string&, const char*) {}

bool RunGrepTool(const std::string&) {
  NotYet("Grep tool");
  return false;
}

bool StartDebuggerTool() {
  NotYet("Debugger tool");
  return false;
}

void InitKeywordTables(const std::string& globalFile) {
  gWordTable = editor::BuildWordTable(settings::CurrentEditorSettings().colours, editor::ReadKeywords(globalFile));
}

const editor::WordTable& CurrentWordTable() { return gWordTable; }

}  // namespace shell
