// The frame window procedure: everything but the commands (framecommands_win.cpp).
//
// Every message goes first to the UI library's window chrome and then to its task-window link;
// only what both leave is handled here.
#include "shell/framewindow_win.h"

#include "project/projectstrings.h"
#include "resources/menu_positions.h"
#include "shell/appstate_win.h"
#include "shell/dravonapi_win.h"
#include "shell/editorwindows_win.h"
#include "shell/framecommands_win.h"
#include "shell/settingskeys.h"
#include "shell/settingspaths.h"
#include "shell/toolsmenu_win.h"
#include "shell/windowplacement.h"

namespace shell {
namespace {

constexpr UINT kDestroyChildRequest = 545;
constexpr WORD kChildActivated = 6;  // WM_PARENTNOTIFY from an editor that became active
constexpr COLORREF kFrameBack = RGB(0x1E, 0x1E, 0x1E);

void OnCreate(HWND frame) {
  AppState& app = App();
  app.frame = frame;
  app.menuBar = Dv().CreateMenuBar(frame, 0, 0, kMenuBarHeight, app.mainMenu, kMenuBarId);
  std::string projects = settings::ReadKey(settings::GlobalSettingsFile(), settings::kDirectoriesProjects);
  if (!projects.empty()) project::SetProjectFolder(projects);
  app.nextClipboardViewer = SetClipboardViewer(frame);
}

void OnDestroy(HWND frame) {
  AppState& app = App();
  ChangeClipboardChain(frame, app.nextClipboardViewer);
  app.nextClipboardViewer = nullptr;
  RECT outer;
  GetWindowRect(frame, &outer);
  settings::ScreenRect rect{outer.left, outer.top, outer.right, outer.bottom};
  settings::SaveMainWindowPlacement(settings::GlobalSettingsFile(), IsZoomed(app.taskWindow) != FALSE, rect);
  PostQuitMessage(0);
}

void OnSize(HWND frame, int width) {
  HWND bar = GetDlgItem(frame, kMenuBarId);
  if (!bar) return;
  MoveWindow(bar, -1, Dv().DravonCaptionSize() - 1, width + 2, Dv().DravonMenuSize() + 1, TRUE);
}

void OnMinMaxInfo(MINMAXINFO* info) {
  info->ptMinTrackSize.x = 400;
  info->ptMinTrackSize.y = Dv().DravonCaptionSize() + Dv().DravonMenuSize() + 2 * Dv().DravonFrameSize();
}

void MoveBy(HWND window, int dx, int dy) {
  if (!window || !IsWindow(window)) return;
  RECT r;
  GetWindowRect(window, &r);
  SetWindowPos(window, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The frame is dragged: its windows travel with it. A drag arrives as a move that keeps the size,
// whatever else its flags say (MoveWindow gives 0x214, the system's move loop SWP_NOSIZE, and the
// system may add flags of its own). Changes of size (maximizing, restoring, sizing) leave the other
// windows alone.
void OnPositionChanging(HWND frame, const WINDOWPOS& pos) {
  if (pos.flags & SWP_NOMOVE) return;
  RECT r;
  GetWindowRect(frame, &r);
  bool sameSize = (pos.flags & SWP_NOSIZE) || (pos.cx == r.right - r.left && pos.cy == r.bottom - r.top);
  if (!sameSize) return;
  int dx = pos.x - r.left, dy = pos.y - r.top;
  if (dx == 0 && dy == 0) return;
  MoveBy(App().projectWindow, dx, dy);
  MoveBy(App().console, dx, dy);
  MoveEditorsBy(dx, dy);
}

// Returns true when the activation went on to the active child.
bool OnActivate(HWND frame, WPARAM wParam) {
  if (LOWORD(wParam) != WA_ACTIVE || App().inMenu) return false;
  HWND child = ActiveChild();
  if (!child || child == frame || !IsWindowVisible(child) || !IsWindowEnabled(child)) return false;
  SetActiveWindow(child);
  return true;
}

void OnEnable(bool enable) {
  AppState& app = App();
  if (app.console) EnableWindow(app.console, enable ? TRUE : FALSE);
  if (app.projectWindow) EnableWindow(app.projectWindow, enable ? TRUE : FALSE);
  EnableEditors(enable);
}

void OnPaint(HWND frame) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(frame, &ps);
  HBRUSH brush = CreateSolidBrush(kFrameBack);
  RECT r;
  GetClientRect(frame, &r);
  FillRect(dc, &r, brush ? brush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (brush) DeleteObject(brush);
  EndPaint(frame, &ps);
}

// The frame closes only when the project window, asked first, has gone.
void OnClose(HWND frame) {
  HWND project = App().projectWindow;
  if (project && IsWindow(project)) {
    SendMessageA(project, WM_CLOSE, 0, 0);
    if (App().projectWindow && IsWindow(App().projectWindow)) return;
  }
  DestroyWindow(frame);
}

void OnParentNotify(HWND frame, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  HWND window = reinterpret_cast<HWND>(lParam);
  if (LOWORD(wParam) == kChildActivated) {
    if (window && IsWindow(window)) app.activeChild = window;
  } else if (LOWORD(wParam) == WM_DESTROY) {
    if (window == app.menuBar) return;
    if (window == app.activeChild) app.activeChild = nullptr;
    if (HWND top = GetTopEditor(nullptr)) SetActiveWindow(top);
  }
}

void OnInitMenuPopup(HWND frame, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  HMENU popup = reinterpret_cast<HMENU>(wParam);
  if (!HIWORD(lParam) && app.mainMenu) {
    if (popup == GetSubMenu(app.mainMenu, menupos::kBuild)) {
      std::string model = settings::ReadKey(settings::ProjectSettingsFile(), settings::kTargetModel);
      bool runnable = model == settings::kModelGui || model == settings::kModelConsole;
      EnableMenuItem(popup, menupos::kBuildRun, MF_BYPOSITION | (runnable ? MF_ENABLED : MF_GRAYED));
      bool editor = GetTopEditor(nullptr) != nullptr;
      EnableMenuItem(popup, menupos::kBuildCompile, MF_BYPOSITION | (editor ? MF_ENABLED : MF_GRAYED));
    } else if (popup == GetSubMenu(app.mainMenu, menupos::kTools)) {
      RebuildToolsMenu(popup, menupos::kToolsFixedItems, settings::GlobalSettingsFile());
    } else if (popup == GetSubMenu(app.mainMenu, menupos::kWindow)) {
      RebuildWindowMenu(popup, menupos::kWindowFixedItems);
    }
  }
  HWND child = ActiveChild();
  if (child && child != frame) SendMessageA(child, WM_INITMENUPOPUP, wParam, lParam);
}

void OnDrawClipboard(UINT message, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  if (app.resEdit && IsWindow(app.resEdit)) SendMessageA(app.resEdit, message, wParam, lParam);
  if (app.nextClipboardViewer) SendMessageA(app.nextClipboardViewer, message, wParam, lParam);
}

void OnChangeClipboardChain(UINT message, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  if (reinterpret_cast<HWND>(wParam) == app.nextClipboardViewer) {
    app.nextClipboardViewer = reinterpret_cast<HWND>(lParam);
  } else if (app.nextClipboardViewer) {
    SendMessageA(app.nextClipboardViewer, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterFrameClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = FrameWndProc;
  wc.cbWndExtra = 20;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, "APPL");
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kFrameClass;
  return RegisterClassA(&wc) != 0;
}

HWND CreateFrameWindow(HWND taskWindow) {
  AppState& app = App();
  int border = GetSystemMetrics(SM_CXFRAME);
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  return CreateWindowExA(0, kFrameClass, app.title.c_str(), kFrameStyle, -border, -border,
                         desktop.right + 2 * border, kFrameHeight, taskWindow, nullptr, app.instance, nullptr);
}

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  const DravonApi& dv = Dv();
  if (dv.DravonWindowProc(frame, message, wParam, lParam, kFrameStyle, 1)) return dv.GetDravonWindowProcResult();
  if (dv.DravonTaskProc(frame, message, wParam, lParam)) return dv.GetDravonTaskProcResult();
  switch (message) {
    case WM_CREATE: OnCreate(frame); return 0;
    case WM_DESTROY: OnDestroy(frame); return 0;
    case WM_NCDESTROY: App().frame = nullptr; break;
    case WM_SIZE: OnSize(frame, LOWORD(lParam)); return 0;
    case WM_GETMINMAXINFO: OnMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGING: OnPositionChanging(frame, *reinterpret_cast<WINDOWPOS*>(lParam)); break;
    case WM_ACTIVATE:
      if (OnActivate(frame, wParam)) return 0;
      break;
    case WM_ACTIVATEAPP:
      // Key-ups that happen while another program is active never reach the loop.
      if (!wParam) App().keys = KeyFlags();
      break;
    case WM_ENABLE: OnEnable(wParam != FALSE); return 0;
    case WM_PAINT: OnPaint(frame); return 0;
    case WM_CLOSE: OnClose(frame); return 0;
    case WM_PARENTNOTIFY: OnParentNotify(frame, wParam, lParam); return 0;
    case WM_ENTERMENULOOP: App().inMenu = true; return 0;
    case WM_EXITMENULOOP: App().inMenu = false; return 0;
    case kDestroyChildRequest: {
      HWND child = ActiveChild();
      if (child && child != frame) PostMessageA(child, WM_CLOSE, 0, 0);
      return 0;
    }
    case WM_DRAWCLIPBOARD: OnDrawClipboard(message, wParam, lParam); return 0;
    case WM_CHANGECBCHAIN: OnChangeClipboardChain(message, wParam, lParam); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(frame, wParam, lParam); return 0;
    case WM_COMMAND: OnFrameCommand(frame, LOWORD(wParam), lParam); return 0;
    default: break;
  }
  return DefWindowProcA(frame, message, wParam, lParam);
}

}  // namespace shell
