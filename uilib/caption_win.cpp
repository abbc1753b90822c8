// The caption strip along a window's client top and the close, minimise and maximise boxes on it.
#include "uilib/internal_win.h"

#include <new>

namespace dravon {
namespace {

const char kCaptionClass[] = "DravonCaption";
const char kBoxClass[] = "DravonChromeBox";

struct CaptionState {
  bool active = true;
};

enum class BoxKind { Close, Minimize, Maximize };

struct BoxState {
  BoxKind kind = BoxKind::Close;
  bool hot = false;
  bool pressed = false;
  bool tracking = false;
};

void PaintCaption(HWND strip, CaptionState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(strip, &ps);
  SIZE size = ClientSize(strip);
  BufferedPaint buffer(dc, size.cx, size.cy);
  HDC paint = buffer.Dc();
  const Theme& t = CurrentTheme();
  RECT r = {0, 0, size.cx, size.cy};
  FillSolid(paint, r, state.active ? t.captionBack : t.captionInactiveBack);
  RECT line = {0, size.cy - 1, size.cx, size.cy};
  FillSolid(paint, line, t.frameDark);
  std::string title = WindowText(GetParent(strip));
  SelectScope font(paint, ThemeFont(FontRole::Caption));
  SetBkMode(paint, TRANSPARENT);
  SetTextColor(paint, state.active ? t.captionText : t.captionInactiveText);
  RECT text = {6, 0, size.cx - 48, size.cy - 1};
  DrawTextA(paint, title.c_str(), static_cast<int>(title.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  buffer.Flush();
  EndPaint(strip, &ps);
}

LRESULT CALLBACK CaptionProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_NCCREATE: {
        auto* state = new (std::nothrow) CaptionState;
        if (!state) return FALSE;
        AttachState(strip, state);
        break;
      }
      case WM_NCDESTROY: FreeState<CaptionState>(strip); break;
      case WM_NCHITTEST: return HTTRANSPARENT;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
        if (auto* state = StateOf<CaptionState>(strip)) {
          PaintCaption(strip, *state);
          return 0;
        }
        break;
    }
  } catch (...) {
  }
  return DefWindowProcA(strip, message, wParam, lParam);
}

void DrawBoxGlyph(HDC dc, const RECT& r, BoxKind kind, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  {
  SelectScope penScope(dc, pen);
  int left = r.left + 3, top = r.top + 3, right = r.right - 4, bottom = r.bottom - 4;
  switch (kind) {
    case BoxKind::Close:
      MoveToEx(dc, left, top, nullptr);
      LineTo(dc, right + 1, bottom + 1);
      MoveToEx(dc, right, top, nullptr);
      LineTo(dc, left - 1, bottom + 1);
      MoveToEx(dc, left + 1, top, nullptr);
      LineTo(dc, right + 1, bottom);
      MoveToEx(dc, right - 1, top, nullptr);
      LineTo(dc, left - 1, bottom);
      break;
    case BoxKind::Minimize:
      MoveToEx(dc, left, bottom, nullptr);
      LineTo(dc, right + 1, bottom);
      MoveToEx(dc, left, bottom - 1, nullptr);
      LineTo(dc, right + 1, bottom - 1);
      break;
    case BoxKind::Maximize: {
      RECT frame = {left, top, right + 1, bottom + 1};
      FrameRect(dc, &frame, SolidBrush(colour));
      MoveToEx(dc, left, top + 1, nullptr);
      LineTo(dc, right + 1, top + 1);
      break;
    }
  }
  }
  DeleteObject(pen);
}

void PaintBox(HWND box, const BoxState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(box, &ps);
  const Theme& t = CurrentTheme();
  SIZE size = ClientSize(box);
  RECT r = {0, 0, size.cx, size.cy};
  COLORREF back = state.pressed ? t.buttonPressed : state.hot ? (state.kind == BoxKind::Close ? RGB(170, 50, 50) : t.buttonHot)
                                                              : t.buttonFace;
  FillSolid(dc, r, back);
  FrameSolid(dc, r, t.buttonBorder);
  DrawBoxGlyph(dc, r, state.kind, state.hot ? RGB(255, 255, 255) : t.buttonText);
  EndPaint(box, &ps);
}

void ActivateBox(HWND box, const BoxState& state) {
  HWND window = GetParent(box);
  switch (state.kind) {
    case BoxKind::Close: NotifyParent(box, BN_CLICKED); break;
    case BoxKind::Minimize: PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case BoxKind::Maximize: PostMessageA(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0); break;
  }
}

void OnBoxMouse(HWND box, BoxState& state, UINT message, LPARAM lParam) {
  POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  SIZE size = ClientSize(box);
  bool inside = p.x >= 0 && p.y >= 0 && p.x < size.cx && p.y < size.cy;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(box);
      state.pressed = true;
      break;
    case WM_MOUSEMOVE:
      if (!state.tracking) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, box, 0};
        state.tracking = TrackMouseEvent(&track) != FALSE;
      }
      state.hot = inside;
      if (GetCapture() == box) state.pressed = inside;
      break;
    case WM_LBUTTONUP: {
      bool fire = GetCapture() == box && inside;
      state.pressed = false;
      if (GetCapture() == box) ReleaseCapture();
      InvalidateRect(box, nullptr, FALSE);
      if (fire) ActivateBox(box, state);  // may close the window: nothing touches the state after it
      return;
    }
  }
  InvalidateRect(box, nullptr, FALSE);
}

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    BoxState* state = StateOf<BoxState>(box);
    switch (message) {
      case WM_NCCREATE: {
        auto* made = new (std::nothrow) BoxState;
        if (!made) return FALSE;
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        made->kind = static_cast<BoxKind>(reinterpret_cast<INT_PTR>(create->lpCreateParams));
        AttachState(box, made);
        break;
      }
      case WM_NCDESTROY: FreeState<BoxState>(box); break;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
        if (state) {
          PaintBox(box, *state);
          return 0;
        }
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
      case WM_LBUTTONUP:
      case WM_MOUSEMOVE:
        if (state) OnBoxMouse(box, *state, message, lParam);
        return 0;
      case WM_MOUSELEAVE:
        if (state) {
          state->hot = false;
          state->tracking = false;
          InvalidateRect(box, nullptr, FALSE);
        }
        return 0;
      case WM_CAPTURECHANGED:
        if (state) state->pressed = false;
        return 0;
      case BM_CLICK:
        if (state) ActivateBox(box, *state);
        return 0;
      case WM_GETDLGCODE: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    }
  } catch (...) {
  }
  return DefWindowProcA(box, message, wParam, lParam);
}

HWND CreateBox(HWND window, BoxKind kind, int id) {
  return CreateWindowExA(0, kBoxClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 12, 12, window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(),
                         reinterpret_cast<LPVOID>(static_cast<INT_PTR>(kind)));
}

// Looks among the caption boxes only: a dialog's own Cancel button shares the close box's id 2.
HWND FindBox(HWND window, int id) {
  for (HWND child = FindWindowExA(window, nullptr, kBoxClass, nullptr); child;
       child = FindWindowExA(window, child, kBoxClass, nullptr)) {
    if (GetDlgCtrlID(child) == id) return child;
  }
  return nullptr;
}

}  // namespace

bool RegisterChromeClasses() {
  return RegisterControlClass(kCaptionClass, CaptionProc) && RegisterControlClass(kBoxClass, BoxProc);
}

void UnregisterChromeClasses() {
  UnregisterControlClass(kCaptionClass);
  UnregisterControlClass(kBoxClass);
}

HWND FindCaption(HWND window) { return FindWindowExA(window, nullptr, kCaptionClass, nullptr); }

void AttachCaption(HWND window, bool closeBox, bool minimizeBox, bool maximizeBox) {
  if (FindCaption(window)) return;
  SIZE size = ClientSize(window);
  HWND strip = CreateWindowExA(0, kCaptionClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, size.cx,
                               kCaptionSize, window, nullptr, Module(), nullptr);
  if (closeBox) CreateBox(window, BoxKind::Close, kCloseBoxId);
  if (maximizeBox) CreateBox(window, BoxKind::Maximize, kMaximizeBoxId);
  if (minimizeBox) CreateBox(window, BoxKind::Minimize, kMinimizeBoxId);
  if (strip) SetWindowPos(strip, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PlaceCaption(window);
}

void PlaceCaption(HWND window) {
  HWND strip = FindCaption(window);
  if (!strip) return;
  SIZE size = ClientSize(window);
  SetWindowPos(strip, nullptr, 0, 0, size.cx, kCaptionSize, SWP_NOZORDER | SWP_NOACTIVATE);
  int x = size.cx - 14;
  const int ids[] = {kCloseBoxId, kMaximizeBoxId, kMinimizeBoxId};
  for (int id : ids) {
    HWND box = FindBox(window, id);
    if (!box) continue;
    SetWindowPos(box, nullptr, x, 2, 12, 12, SWP_NOZORDER | SWP_NOACTIVATE);
    x -= 14;
  }
}

LRESULT CaptionHitTest(HWND window, POINT screenPoint) {
  HWND strip = FindCaption(window);
  if (!strip || !IsWindowVisible(strip)) return HTNOWHERE;
  RECT r;
  GetWindowRect(strip, &r);
  if (!PtInRect(&r, screenPoint)) return HTNOWHERE;
  const int ids[] = {kCloseBoxId, kMaximizeBoxId, kMinimizeBoxId};
  for (int id : ids) {
    HWND box = FindBox(window, id);
    RECT boxRect;
    if (box && GetWindowRect(box, &boxRect) && PtInRect(&boxRect, screenPoint)) return HTNOWHERE;
  }
  return HTCAPTION;
}

void RefreshCaption(HWND window) {
  if (HWND strip = FindCaption(window)) InvalidateRect(strip, nullptr, FALSE);
}

void SetCaptionActive(HWND window, bool active) {
  HWND strip = FindCaption(window);
  if (!strip) return;
  if (auto* state = StateOf<CaptionState>(strip)) state->active = active;
  InvalidateRect(strip, nullptr, FALSE);
}

}  // namespace dravon
