// Dialog theming (DravonDialogProc and its tool and small variants, DravonSmallProc) and CenterDialog.
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

namespace dravon {
namespace {

enum class DialogKind { Dialog, Tool, Small };

COLORREF BackgroundOf(DialogKind kind) {
  const Theme& t = CurrentTheme();
  return kind == DialogKind::Tool ? t.toolBack : t.dialogBack;
}

bool HasSystemCaption(HWND dialog) { return (GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION) == WS_CAPTION; }

INT_PTR Answer(HWND dialog, LRESULT result) {
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

// Paints whatever border the system gave a caption-less dialog in the theme's frame colours.
void PaintDialogBorder(HWND dialog, bool active) {
  RECT window, client;
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  POINT origin = {0, 0};
  ClientToScreen(dialog, &origin);
  int left = origin.x - window.left, top = origin.y - window.top;
  if (left <= 0 && top <= 0) return;
  HDC dc = GetWindowDC(dialog);
  if (!dc) return;
  RECT r = {0, 0, window.right - window.left, window.bottom - window.top};
  const Theme& t = CurrentTheme();
  int border = left > top ? left : top;
  FrameSolid(dc, r, t.frameDark);
  for (int i = 1; i < border; ++i) {
    InflateRect(&r, -1, -1);
    FrameSolid(dc, r, active ? t.frameLight : t.captionInactiveBack);
  }
  ReleaseDC(dialog, dc);
}

INT_PTR ThemeDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, DialogKind kind, bool closeBox) {
  COLORREF back = BackgroundOf(kind);
  switch (message) {
    case WM_INITDIALOG:
      if (!HasSystemCaption(dialog)) AttachCaption(dialog, closeBox, false, false);
      return 0;
    case WM_SIZE: PlaceCaption(dialog); return 0;
    case WM_SETTEXT: RefreshCaption(dialog); return 0;
    case WM_NCPAINT:
      if (HasSystemCaption(dialog)) return 0;
      PaintDialogBorder(dialog, GetActiveWindow() == dialog);
      return Answer(dialog, 0);
    case WM_NCACTIVATE:
      if (HasSystemCaption(dialog)) return 0;
      SetCaptionActive(dialog, wParam != FALSE);
      PaintDialogBorder(dialog, wParam != FALSE);
      return Answer(dialog, TRUE);
    case WM_NCHITTEST: {
      POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (CaptionHitTest(dialog, p) != HTCAPTION) return 0;
      return Answer(dialog, HTCAPTION);
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(dialog, &r);
      FillSolid(reinterpret_cast<HDC>(wParam), r, back);
      return Answer(dialog, 1);
    }
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(SolidBrush(back));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<INT_PTR>(ThemeControlColours(message, reinterpret_cast<HDC>(wParam), back));
  }
  return 0;
}

RECT WorkAreaNear(HWND window) {
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &mi)) area = mi.rcWork;
  return area;
}

}  // namespace
}  // namespace dravon

extern "C" DRAVON_API INT_PTR __cdecl DravonDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                                        DWORD style, int) {
  try {
    return dravon::ThemeDialog(dialog, message, wParam, lParam, dravon::DialogKind::Dialog, (style & WS_SYSMENU) != 0);
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API INT_PTR __cdecl DravonToolDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return dravon::ThemeDialog(dialog, message, wParam, lParam, dravon::DialogKind::Tool, true);
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API INT_PTR __cdecl DravonSmallDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return dravon::ThemeDialog(dialog, message, wParam, lParam, dravon::DialogKind::Small, true);
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API LRESULT __cdecl DravonSmallProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  using namespace dravon;
  try {
    COLORREF back = CurrentTheme().dialogBack;
    switch (message) {
      case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(window, &r);
        FillSolid(reinterpret_cast<HDC>(wParam), r, back);
        return 1;
      }
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(ThemeControlColours(message, reinterpret_cast<HDC>(wParam), back));
    }
  } catch (...) {
  }
  return 0;
}

extern "C" DRAVON_API BOOL __cdecl CenterDialog(HWND dialog) {
  using namespace dravon;
  if (!IsWindow(dialog)) return FALSE;
  RECT box;
  GetWindowRect(dialog, &box);
  int width = box.right - box.left, height = box.bottom - box.top;
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (!owner) owner = GetParent(dialog);
  RECT area = WorkAreaNear(owner ? owner : dialog);
  RECT around = area;
  RECT ownerRect;
  if (owner && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &ownerRect) &&
      ownerRect.right - ownerRect.left >= width && ownerRect.bottom - ownerRect.top >= height) {
    around = ownerRect;
  }
  int x = around.left + (around.right - around.left - width) / 2;
  int y = around.top + (around.bottom - around.top - height) / 2;
  if (x + width > area.right) x = area.right - width;
  if (y + height > area.bottom) y = area.bottom - height;
  if (x < area.left) x = area.left;
  if (y < area.top) y = area.top;
  return SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
