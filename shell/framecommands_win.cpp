// The frame's command table.
#include "shell/framecommands_win.h"

#include <shellapi.h>

#include <cstdlib>

#include "platform/platform.h"
#include "project/filetype.h"
#include "project/projectstrings.h"
#include "resources/resource_ids.h"
#include "shell/aboutbox_win.h"
#include "shell/appstate_win.h"
#include "shell/buildcommands_win.h"
#include "shell/busybox_win.h"
#include "shell/dravonapi_win.h"
#include "shell/editorwindows_win.h"
#include "shell/fileboxes_win.h"
#include "shell/messagepump_win.h"
#include "shell/namedialogs_win.h"
#include "shell/newfilename.h"
#include "shell/settingskeys.h"
#include "shell/settingspaths.h"
#include "shell/subsystems_win.h"
#include "shell/toolsmenu.h"
#include "shell/toolsmenu_win.h"
#include "shell/trace.h"

namespace shell {
namespace {

constexpr char kProjectClass[] = "IdeProjectWindow";
constexpr DWORD kProjectStyle = 0x900C0000;
constexpr int kResEditWidth = 700;
constexpr int kResEditHeight = 460;
constexpr int kNewEditorWidth = 600;
constexpr int kNewEditorHeight = 450;
constexpr UINT kConsoleAddLine = 0x0180;
constexpr UINT kConsoleReset = 0x0184;
constexpr int kEditorSave = 1441;
constexpr int kEditorHelpTopic = 1460;

void Post(HWND window, int command) {
  if (window) PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

// Posts the command to the active child unless that is the frame (or there is none).
void PostToChild(HWND frame, int command) {
  HWND child = ActiveChild();
  if (child && child != frame) Post(child, command);
}

void Warn(HWND frame, const char* text) {
  Dv().CreateWarnBox(frame, text, App().title.c_str(), MB_ICONEXCLAMATION);
}

bool CloseResourceEditor() {
  AppState& app = App();
  if (app.resEdit && IsWindow(app.resEdit)) SendMessageA(app.resEdit, WM_CLOSE, 0, 0);
  if (app.resEdit && !IsWindow(app.resEdit)) app.resEdit = nullptr;
  return app.resEdit == nullptr;
}

void OpenInResourceEditor(HWND frame, const std::string& path) {
  if (!CloseResourceEditor()) {
    diag::Trace("Resource editor still open: %s not opened\r\n", path.c_str());
    return;
  }
  App().resEdit = OpenResourceEditor(path, kResEditWidth, kResEditHeight, frame);
}

// Command 102: the "Open File..." box; the filter number chosen is kept even when cancelled.
void OpenFileCommand(HWND frame) {
  const std::string& projectFile = settings::ProjectSettingsFile();
  OPENFILENAMEA& record = OpenFileRecord();
  record.hwndOwner = frame;
  record.lpstrFilter = kOpenFileFilters;
  record.nFilterIndex = static_cast<DWORD>(std::atoi(settings::ReadKey(projectFile, settings::kProjectOpenFileType).c_str()));
  record.lpstrFile[0] = '\0';
  const std::string& folder = project::ProjectFolder();
  record.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  if (Dv().FileOpenBox(&record)) {
    std::string path = record.lpstrFile;
    if (project::GetFileType(path) == project::kFileResourceScript) OpenInResourceEditor(frame, path);
    else OpenEditor(frame, path);
  }
  settings::WriteKey(projectFile, settings::kProjectOpenFileType, std::to_string(record.nFilterIndex));
}

// Command 105: saves the top editor window behind the busy box.
void SaveTopEditorCommand() {
  std::string title;
  HWND editor = GetTopEditor(&title);
  if (!editor) {
    diag::Trace("Save: no editor window\r\n");
    return;
  }
  HWND busy = ShowBusy("BUSY", "Saveing...", title);
  Sleep(500);
  SendMessageA(editor, WM_COMMAND, kEditorSave, 0);
  CloseBusy(busy);
}

// Command 111: the project dialog, or closing the open project (which brings the dialog back).
void ProjectCommand(HWND frame) {
  AppState& app = App();
  if (app.projectWindow && IsWindow(app.projectWindow)) {
    SendMessageA(app.projectWindow, WM_CLOSE, 0, 0);
    return;
  }
  project::ClearProjectFile();
  int result = RunProjectDialog(frame);
  if (result == 1) {
    LetPendingMessagesRun();
    CreateProjectWindow(frame, 280);
  } else if (result == 0 && project::ProjectName().empty()) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
  }
}

// Command 114: the project given at start-up.
void OpenProjectCommand(HWND frame) {
  AppState& app = App();
  if (app.projectWindow && IsWindow(app.projectWindow)) {
    SendMessageA(app.projectWindow, WM_CLOSE, 0, 0);
    if (app.projectWindow && IsWindow(app.projectWindow)) return;
  }
  CreateProjectWindow(frame, 470);
}

void ConsoleReset() {
  if (HWND console = App().console) SendMessageA(console, kConsoleReset, 0, 0);
}

void ShowResourceEditor(HWND frame) {
  AppState& app = App();
  if (app.resEdit && IsWindow(app.resEdit)) BringWindowToTop(app.resEdit);
  else app.resEdit = OpenResourceEditor("", kResEditWidth, kResEditHeight, frame);
}

void GrepCommand(HWND frame) {
  std::string arguments;
  if (RunToolArgsDialog(frame, arguments) != 1) return;
  ShowConsole(frame);
  LetPendingMessagesRun();
  RunGrepTool(arguments);
}

void SettingsCommand(HWND frame, int id) {
  RunSettingsDialog(frame, id);
  if (id == IDM_SETTINGS_EDITOR) {
    HWND child = ActiveChild();
    if (child) SetFocus(child);
  }
}

void ShowListedEditor(int id) {
  std::string title = EditorTitleByCommand(id);
  HWND editor = title.empty() ? nullptr : FindEditor(title);
  if (!editor) return;
  BringWindowToTop(editor);
  SetActiveWindow(editor);
}

// F1: the help topic of the word at an editor's caret; from any other window the help file.
void ContextHelpCommand(HWND frame) {
  HWND child = ActiveChild();
  char name[64] = {};
  if (child && GetClassNameA(child, name, sizeof name) && lstrcmpA(name, kEditorClass) == 0) {
    Post(child, kEditorHelpTopic);
  } else {
    Post(frame, IDM_HELP_FILE);
  }
}

void HelpFileCommand(HWND frame) {
  std::string path = ProgramFolder() + "\\orvantel.pdf";
  if (!platform::CanOpenForReading(path)) {
    Warn(frame, "Can not find Helpfile!");
    return;
  }
  ShellExecuteA(frame, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WebPageCommand(HWND frame) {
  char address[256] = {};
  if (LoadStringA(App().instance, IDS_WEB_PAGE, address, sizeof address) <= 0) return;
  ShellExecuteA(frame, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

void AboutCommand(HWND frame) {
  ConsoleLine(App().versionText);
  ShowAboutBox(frame);
}

void SaveCommand(HWND frame) {
  HWND child = ActiveChild();
  if (IsFrameOrNone(child) || child == App().projectWindow) Post(frame, IDM_SAVE_TOP_EDITOR);
  else Post(child, IDM_FILE_SAVE);
}

void SaveAsCommand() {
  HWND child = ActiveChild();
  if (!IsFrameOrNone(child) && child != App().projectWindow) Post(child, IDM_FILE_SAVE_AS);
}

}  // namespace

std::string ProgramFolder() {
  char path[512] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path - 1);
  std::string program(path, length < sizeof path ? length : 0);
  std::size_t slash = program.rfind('\\');
  return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

HWND CreateProjectWindow(HWND frame, int width) {
  AppState& app = App();
  HWND window = CreateWindowExA(0, kProjectClass, project::ProjectFilePath().c_str(), kProjectStyle, 20, 50, width,
                                180, frame, nullptr, app.instance, nullptr);
  if (!window) {
    diag::Trace("Project window for %s: not available\r\n", project::ProjectFilePath().c_str());
    return nullptr;
  }
  app.projectWindow = window;
  return window;
}

HWND ShowConsole(HWND frame) {
  AppState& app = App();
  if (app.console && IsWindow(app.console)) {
    BringWindowToTop(app.console);
    return app.console;
  }
  app.console = CreateConsoleWindow(frame);
  if (!app.console) return nullptr;
  ConsoleLine("*" + app.title);
  ConsoleLine("*" + app.versionText);
  return app.console;
}

void ConsoleLine(const std::string& text) {
  if (HWND console = App().console) SendMessageA(console, kConsoleAddLine, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND NewFileOperation(HWND frame) {
  std::string path;
  if (!AskNewFileName(frame, path)) return nullptr;
  int type = project::GetFileType(path);
  switch (type) {
    case project::kFileResourceScript: {
      if (platform::WriteWholeFile(path, "\r\n\r\n", 4) != 4) {
        diag::Trace("New file: %s could not be written\r\n", path.c_str());
        return nullptr;
      }
      OpenInResourceEditor(frame, path);
      return nullptr;
    }
    case project::kFileC:
    case project::kFileCpp:
    case project::kFileHeader:
    case project::kFileDefinition:
    case project::kFileText:
    case project::kFileBackup:
    case project::kFileMap:
    case project::kFileBatch:
      return CreateEditorWindow(path, kNewEditorWidth, kNewEditorHeight, frame);
    default:
      diag::Trace("New file: no editor for %s\r\n", path.c_str());
      return nullptr;
  }
}

void OnFrameCommand(HWND frame, int id, LPARAM lParam) {
  if (id >= IDM_TOOL_FIRST && id <= IDM_TOOL_LAST) {
    RunToolEntry(frame, id, settings::GlobalSettingsFile());
    return;
  }
  if (id >= IDM_WINDOW_FIRST && id <= IDM_WINDOW_LAST) {
    ShowListedEditor(id);
    return;
  }
  switch (id) {
    case IDM_EXIT: PostMessageA(frame, WM_CLOSE, 0, 0); break;
    case IDM_OPEN_FILE: OpenFileCommand(frame); break;
    case IDM_NEW_FILE: NewFileOperation(frame); break;
    case IDM_SAVE_TOP_EDITOR: SaveTopEditorCommand(); break;
    case IDM_PROJECT: ProjectCommand(frame); break;
    case IDM_OPEN_PROJECT: OpenProjectCommand(frame); break;
    case IDM_RUN: RunCommand(frame); break;
    case IDM_COMPILE: CompileCommand(frame); break;
    case IDM_MAKE:
      if (App().keys.shift) Post(frame, IDM_COMPILE);
      else MakeCommand(frame, false);
      break;
    case IDM_BUILD_ALL: MakeCommand(frame, true); break;
    case IDM_MAKEFILE: MakefileCommand(frame); break;
    case IDM_GREP: GrepCommand(frame); break;
    case IDM_DEBUGGER:
      LetPendingMessagesRun();
      StartDebuggerTool();
      break;
    case IDM_MESSAGE: ShowConsole(frame); break;
    case IDM_CONSOLE_LINE:
      if (lParam) ConsoleLine(reinterpret_cast<const char*>(lParam));
      break;
    case IDM_CONSOLE_RESET: ConsoleReset(); break;
    case IDM_SHOW_RESEDIT: ShowResourceEditor(frame); break;
    case IDM_SETTINGS_GLOBAL:
    case IDM_SETTINGS_TARGET:
    case IDM_SETTINGS_DIRECTORIES:
    case IDM_SETTINGS_COMPILER:
    case IDM_SETTINGS_EDITOR: SettingsCommand(frame, id); break;
    case IDM_CLOSE_ALL: CloseAllEditors(); break;
    case IDM_CONTEXT_HELP: ContextHelpCommand(frame); break;
    case IDM_HELP_FILE: HelpFileCommand(frame); break;
    case IDM_HELP_BROWSER: RunHelpBrowser(frame, ""); break;
    case IDM_WEB_PAGE: WebPageCommand(frame); break;
    case IDM_ABOUT: AboutCommand(frame); break;
    case IDM_FILE_OPEN: Post(frame, IDM_OPEN_FILE); break;
    case IDM_FILE_NEW: Post(frame, IDM_NEW_FILE); break;
    case IDM_FILE_SAVE: SaveCommand(frame); break;
    case IDM_FILE_SAVE_AS: SaveAsCommand(); break;
    case IDM_EDIT_UNDO:
    case IDM_EDIT_REDO:
    case IDM_EDIT_CUT:
    case IDM_EDIT_COPY:
    case IDM_EDIT_PASTE:
    case IDM_EDIT_DELETE:
    case IDM_EDIT_SELECT_ALL: PostToChild(frame, id); break;
    default: break;
  }
}

}  // namespace shell
