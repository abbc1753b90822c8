// Start-up and shutdown of the program, in the order other parts rely on.
//
// dravon.dll is loaded before InitDravon and folvex.dll after the single-instance check; both by
// name, so that a missing library is reported in a box of the system's own instead of ending in
// the system loader.
#include "shell/startup_win.h"

#include <string>

#include "project/filetype.h"
#include "project/projectstrings.h"
#include "shell/appstate_win.h"
#include "shell/busybox_win.h"
#include "shell/callhistory.h"
#include "shell/commandline.h"
#include "shell/crashguard.h"
#include "shell/dravonapi_win.h"
#include "shell/editorsettings.h"
#include "shell/fileboxes_win.h"
#include "shell/filetypes.h"
#include "shell/framecommands_win.h"
#include "shell/framewindow_win.h"
#include "shell/keyboardfilter_win.h"
#include "shell/messagepump_win.h"
#include "shell/profiles.h"
#include "shell/settingskeys.h"
#include "shell/settingspaths.h"
#include "shell/subsystems_win.h"
#include "shell/trace.h"
#include "shell/windowplacement.h"
#include "resources/resource_ids.h"

namespace shell {
namespace {

constexpr DWORD kTaskWindowStyle = 0xB0000;

std::string ProgramPath() {
  char path[512] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path - 1);
  return length < sizeof path - 1 ? std::string(path, length) : std::string();
}

// A copy that runs already is activated (and shown again when minimized).
bool ActivateRunningCopy(const std::string& title) {
  std::string taskClass = title + "TaskWindow";
  HWND task = FindWindowA(taskClass.c_str(), title.c_str());
  if (!task) return false;
  if (IsIconic(task)) {
    // The task window restores itself and every window it owns, and brings the frame forward.
    PostMessageA(task, WM_SYSCOMMAND, SC_RESTORE, 0);
  } else if (HWND frame = FindWindowA(kFrameClass, nullptr)) {
    SetForegroundWindow(frame);
  }
  return true;
}

void RegisterClasses(HINSTANCE instance) {
  RegisterFrameClass(instance);
  diag::Trace("Register WndClasses\r\n");
  RegisterProjectWindowClass(instance);
  RegisterEditorWindowClass(instance);
  RegisterConsoleWindowClass(instance);
  RegisterResEditWindowClass(instance);
  RegisterDlgEditWindowClasses(instance);
  RegisterPicEditWindowClasses(instance);
  diag::Trace("Init DlgNc\r\n");
  EnableTooltips();
}

void UnregisterClasses(HINSTANCE instance) {
  UnregisterConsoleWindowClass(instance);
  UnregisterProjectWindowClass(instance);
  UnregisterEditorWindowClass(instance);
  UnregisterResEditWindowClass(instance);
  UnregisterDlgEditWindowClasses(instance);
  UnregisterPicEditWindowClasses(instance);
  DisableTooltips();
}

// Width of a text in a font made from the description, for the editor's tab width.
int MeasureText(const settings::FontDescription& font, const std::string& text) {
  HDC dc = GetDC(nullptr);
  if (!dc) return settings::kFallbackCharPixels * static_cast<int>(text.size());
  HFONT made = CreateFontA(font.height, 0, 0, 0, font.weight, font.italic, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, font.face.c_str());
  HGDIOBJ old = made ? SelectObject(dc, made) : nullptr;
  SIZE size = {settings::kFallbackCharPixels * static_cast<int>(text.size()), 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (old) SelectObject(dc, old);
  if (made) DeleteObject(made);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

void ReadStartupEditorSettings(const std::string& globalFile) {
  settings::ReadEditorSettings(globalFile, MeasureText);
  ApplyEditorFontAndBrush();
  InitKeywordTables(globalFile);
}

// Step 13: the saved place and state of the frame.
void PlaceFrame(HWND frame, HWND task, const std::string& globalFile) {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  settings::MainWindowPlacement place = settings::ReadMainWindowPlacement(globalFile, desktop.right, desktop.bottom);
  if (place.hasPosition)
    MoveWindow(frame, place.position.left, place.position.top, place.position.width, place.position.height, TRUE);
  if (place.maximized) SendMessageA(task, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ShowWindow(frame, SW_SHOW);
  LetPendingMessagesRun();
}

int ShowWarnBox(HWND__* owner, const char* text, const char* caption, unsigned style) {
  return Dv().CreateWarnBox(owner, text, caption, style);
}

// After the quit message, in this order.
int Shutdown(HINSTANCE instance, const std::string& globalFile, int exitCode) {
  AppState& app = App();
  if (app.taskWindow) Dv().DestroyDravonTaskWindow(app.taskWindow);
  app.taskWindow = nullptr;
  UnregisterClasses(instance);
  DeleteSharedResources();
  // folvex.dll goes first: it holds a reference of its own on dravon.dll. The UI library is told to
  // end before it is released, as its code is gone once it is.
  UnloadFolvexLibrary();
  settings::WriteKey(globalFile, settings::kSystemStatus, settings::kStatusTerm);
  Dv().ExitDravon(instance);
  UnloadDravonLibrary();
  return exitCode;
}

}  // namespace

int RunProgram(HINSTANCE instance, const char* commandLine) {
  AppState& app = App();
  app.instance = instance;

  diag::FindMonitor();
  diag::Trace("Ide-Debug-Version %s\r\n", commandLine ? commandLine : "");

  app.versionText = MakeVersionText();
  app.title = MakeProgramTitle();

  bool dravon = LoadDravonLibrary();
  if (dravon) Dv().InitDravon(instance);

  if (ActivateRunningCopy(app.title)) {
    diag::Trace("already running...end\r\n");
    if (dravon) Dv().ExitDravon(instance);
    UnloadDravonLibrary();
    return 0;
  }

  if (!dravon) {
    MessageBoxA(nullptr, "Need 'dravon.dll' !", app.title.c_str(), MB_OK);
    return 0;
  }
  if (!LoadFolvexLibrary()) {
    MessageBoxA(nullptr, "Need 'folvex.dll' !", app.title.c_str(), MB_OK);
    Dv().ExitDravon(instance);
    UnloadDravonLibrary();
    return 0;
  }

  std::string programPath = ProgramPath();
  settings::SetGlobalSettingsFile(programPath);
  const std::string& globalFile = settings::GlobalSettingsFile();
  Dv().SetDravonTheme(settings::ReadKey(globalFile, settings::kSystemTheme).c_str());
  settings::WriteKey(globalFile, settings::kSystemStatus, settings::kStatusRun);

  diag::FormMapFilePath(programPath);
  app.commandLineFile = FirstArgument(commandLine);
  diag::Trace("FileName: %s\r\n", app.commandLineFile.c_str());

  RegisterClasses(instance);
  InitKeywordTables(globalFile);

  bool resources = CreateSharedResources();
  PrepareFileBoxes(instance);

  if (!app.commandLineFile.empty() && project::GetFileType(app.commandLineFile) == project::kFileProject)
    project::SetProjectFile(app.commandLineFile);

  diag::Trace("Create TaskWindow\r\n");
  app.taskWindow = Dv().CreateDravonTaskWindow(app.title.c_str(), kTaskWindowStyle, app.icon, instance);
  diag::Trace("Create FrameWindow\r\n");
  HWND frame = resources && app.taskWindow ? CreateFrameWindow(app.taskWindow) : nullptr;
  if (!frame) {
    diag::Trace("The frame window could not be made\r\n");
    return Shutdown(instance, globalFile, 1);
  }
  PlaceFrame(frame, app.taskWindow, globalFile);

  diag::Trace("Read GlobalSettings\r\n");
  if (settings::CheckCurrentProfile(globalFile) != 0) {
    diag::Trace("Register File\r\n");
    diag::Trace("Setings Dialog...\r\n");
  }
  RegisterFileTypes();

  ReadStartupEditorSettings(globalFile);

  if (project::HasProjectFile()) {
    diag::Trace("Open given Projectfile \r\n ...%s\r\n", project::ProjectFilePath().c_str());
    PostMessageA(frame, WM_COMMAND, IDM_OPEN_PROJECT, 0);
  } else {
    PostMessageA(frame, WM_COMMAND, IDM_PROJECT, 0);
  }

  diag::Trace("Enter Messageloop\r\n");
  diag::FaultReportHooks hooks;
  hooks.closeBusyBox = &CloseBusyBoxIfShown;
  hooks.showWarnBox = &ShowWarnBox;
  diag::SetFaultReportHooks(hooks);
  int exitCode = diag::RunGuardedMessageLoop(&KeyboardFilter);

  return Shutdown(instance, globalFile, exitCode);
}

}  // namespace shell
