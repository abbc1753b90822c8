// The chrome of framed windows: sizing frame, caption strip, boxes, keyboard menu access and the
// state-word query (DravonWindowProc).
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <cstring>
#include <new>

namespace dravon {
namespace {

const char kChromeProperty[] = "DravonChrome";

struct ChromeState {
  DWORD style = 0;
  int kind = 2;
  bool active = false;
};

// The result of the last message DravonWindowProc handled; set just before it returns, so a nested
// call made while handling a message cannot disturb the value the caller then reads.
LRESULT gWindowResult = 0;

ChromeState* Chrome(HWND window) { return static_cast<ChromeState*>(GetPropA(window, kChromeProperty)); }

ChromeState* MakeChrome(HWND window, DWORD style, int kind) {
  ChromeState* state = Chrome(window);
  if (state) return state;
  state = new (std::nothrow) ChromeState;
  if (!state) return nullptr;
  state->style = style;
  state->kind = kind;
  if (!SetPropA(window, kChromeProperty, state)) {
    delete state;
    return nullptr;
  }
  return state;
}

int BorderOf(HWND window) {
  LONG style = GetWindowLongA(window, GWL_STYLE);
  if (style & WS_CHILD) return 0;
  if (style & WS_THICKFRAME) return kFrameSize;
  if (style & (WS_BORDER | WS_DLGFRAME)) return 1;
  return 0;
}

void PaintFrame(HWND window, const ChromeState& state) {
  int border = BorderOf(window);
  if (border == 0) return;
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  RECT r;
  GetWindowRect(window, &r);
  OffsetRect(&r, -r.left, -r.top);
  const Theme& t = CurrentTheme();
  FrameSolid(dc, r, t.frameDark);
  COLORREF fill = state.active ? t.frameLight : t.captionInactiveBack;
  for (int i = 1; i < border; ++i) {
    InflateRect(&r, -1, -1);
    FrameSolid(dc, r, i == border - 1 ? t.frameDark : fill);
  }
  ReleaseDC(window, dc);
}

// The part of the frame under a screen point: a sizing edge or corner, HTBORDER where the window
// cannot be sized (maximised, or no sizing frame), HTNOWHERE inside the client area.
LRESULT FrameHitTest(HWND window, POINT p) {
  RECT r, client;
  GetWindowRect(window, &r);
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  if (PtInRect(&client, p) || !PtInRect(&r, p)) return HTNOWHERE;
  if (IsZoomed(window) || !(GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME)) return HTBORDER;
  const int corner = 12;
  bool left = p.x < r.left + kFrameSize, right = p.x >= r.right - kFrameSize;
  bool top = p.y < r.top + kFrameSize, bottom = p.y >= r.bottom - kFrameSize;
  bool nearLeft = p.x < r.left + corner, nearRight = p.x >= r.right - corner;
  bool nearTop = p.y < r.top + corner, nearBottom = p.y >= r.bottom - corner;
  if (top) return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
  if (bottom) return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
  if (left) return nearTop ? HTTOPLEFT : nearBottom ? HTBOTTOMLEFT : HTLEFT;
  if (right) return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
  return HTNOWHERE;
}

// The menu bar that Alt and the menu letters go to: the window's own, else (for a child window) its
// owner's, so the frame's menus answer wherever the user types.
HWND MenuBarFor(HWND window, int kind) {
  HWND bar = FindWindowExA(window, nullptr, kMenuBarClass, nullptr);
  if (bar || kind == 1) return bar;
  HWND owner = GetWindow(window, GW_OWNER);
  return owner ? FindWindowExA(owner, nullptr, kMenuBarClass, nullptr) : nullptr;
}

LRESULT AnswerStateWord(HWND window, WPARAM capacity, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (!out) return 0;
  std::size_t room = capacity ? capacity : 16;
  const char* word = IsZoomed(window) ? "max" : "";
  std::size_t length = std::strlen(word);
  if (length >= room) length = room - 1;
  std::memcpy(out, word, length);
  out[length] = '\0';
  return static_cast<LRESULT>(length);
}

// Keeps a maximised window's frame just outside the work area, as the system does for its own frames.
void AdjustMaximisedPlace(HWND window, MINMAXINFO* info) {
  HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  if (!GetMonitorInfoA(monitor, &mi)) return;
  int border = BorderOf(window);
  info->ptMaxPosition.x = mi.rcWork.left - mi.rcMonitor.left - border;
  info->ptMaxPosition.y = mi.rcWork.top - mi.rcMonitor.top - border;
  info->ptMaxSize.x = mi.rcWork.right - mi.rcWork.left + 2 * border;
  info->ptMaxSize.y = mi.rcWork.bottom - mi.rcWork.top + 2 * border;
}

// Returns true when handled, the result in `result`.
bool Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD style, int kind, LRESULT& result) {
  ChromeState* state = Chrome(window);
  if (!state && message != WM_NCDESTROY) state = MakeChrome(window, style, kind);
  if (!state) return false;
  switch (message) {
    case WM_CREATE:
      AttachCaption(window, (style & WS_SYSMENU) != 0, (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0);
      return false;
    case WM_SIZE: PlaceCaption(window); return false;
    case WM_SETTEXT: RefreshCaption(window); return false;
    case WM_NCDESTROY:
      delete state;
      RemovePropA(window, kChromeProperty);
      return false;
    case WM_NCCALCSIZE: {
      int border = BorderOf(window);
      auto* r = reinterpret_cast<RECT*>(lParam);
      InflateRect(r, -border, -border);
      result = 0;
      return true;
    }
    case WM_NCPAINT: PaintFrame(window, *state); result = 0; return true;
    case WM_NCACTIVATE:
      state->active = wParam != FALSE;
      PaintFrame(window, *state);
      SetCaptionActive(window, state->active);
      result = TRUE;
      return true;
    case WM_NCHITTEST: {
      POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      LRESULT hit = FrameHitTest(window, p);
      if (hit == HTNOWHERE) hit = CaptionHitTest(window, p);
      if (hit == HTNOWHERE) return false;
      result = hit;
      return true;
    }
    case WM_GETMINMAXINFO: AdjustMaximisedPlace(window, reinterpret_cast<MINMAXINFO*>(lParam)); return false;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCloseBoxId && lParam && IsClassName(reinterpret_cast<HWND>(lParam), "DravonChromeBox")) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        result = 0;
        return true;
      }
      return false;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU) {
        HWND bar = MenuBarFor(window, state->kind);
        if (!bar) return false;
        SendMessageA(bar, DVM_MENUKEY, static_cast<WPARAM>(lParam), 0);
        result = 0;
        return true;
      }
      return false;
    case DVM_GETSTATEWORD: result = AnswerStateWord(window, wParam, lParam); return true;
  }
  return false;
}

}  // namespace
}  // namespace dravon

extern "C" DRAVON_API int __cdecl DravonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD style,
                                                    int kind) {
  try {
    LRESULT result = 0;
    bool handled = dravon::Dispatch(window, message, wParam, lParam, style, kind, result);
    if (handled) dravon::gWindowResult = result;
    return handled ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API LRESULT __cdecl GetDravonWindowProcResult(void) { return dravon::gWindowResult; }
