// "DV_TEXT", "DV_FRAME" and "DV_PICTURE": text lines, group frames and bitmap pictures.
#include "uilib/internal_win.h"

#include <cstdlib>
#include <new>

namespace dravon {
namespace {

const char kTextClass[] = "DV_TEXT";
const char kFrameClass[] = "DV_FRAME";
const char kPictureClass[] = "DV_PICTURE";

struct StaticState {
  HFONT font = nullptr;      // borrowed: set with WM_SETFONT, owned by the host
  HBITMAP bitmap = nullptr;  // owned (pictures only)
  ~StaticState() {
    if (bitmap) DeleteObject(bitmap);
  }
  StaticState() = default;
  StaticState(const StaticState&) = delete;
  StaticState& operator=(const StaticState&) = delete;
};

bool IsNullBrush(HBRUSH brush) { return brush == static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }

// Asks the parent for the colours and fills `r` unless the parent wants the control transparent.
void PrepareBackground(HWND control, HDC dc, const RECT& r) {
  const Theme& t = CurrentTheme();
  COLORREF text = IsWindowEnabled(control) ? t.text : t.disabledText;
  HBRUSH brush = ParentOrThemeColours(control, dc, WM_CTLCOLORSTATIC, ParentBackground(control), text);
  if (!IsNullBrush(brush)) FillRect(dc, &r, brush);
  SetBkMode(dc, TRANSPARENT);
}

void PaintText(HWND control, StaticState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(control, &ps);
  RECT r;
  GetClientRect(control, &r);
  PrepareBackground(control, dc, r);
  SelectScope font(dc, ControlFont(state.font));
  std::string text = WindowText(control);
  LONG style = GetWindowLongA(control, GWL_STYLE);
  UINT format = DT_WORDBREAK | DT_EXPANDTABS;
  if ((style & SS_TYPEMASK) == SS_CENTER) format |= DT_CENTER;
  if ((style & SS_TYPEMASK) == SS_RIGHT) format |= DT_RIGHT;
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  if (!IsWindowEnabled(control)) SetTextColor(dc, CurrentTheme().disabledText);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
  EndPaint(control, &ps);
}

// ---- Frame: only its outline (and title) belongs to the window, through a window region ----

int TitleHeight(HWND frame, StaticState& state, SIZE* titleSize) {
  std::string text = WindowText(frame);
  SIZE size = {0, 0};
  if (!text.empty()) {
    HDC dc = GetDC(frame);
    SelectScope font(dc, ControlFont(state.font));
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(frame, dc);
  }
  if (titleSize) *titleSize = size;
  return size.cy;
}

void ShapeFrame(HWND frame, StaticState& state) {
  SIZE client = ClientSize(frame);
  SIZE title;
  int titleHeight = TitleHeight(frame, state, &title);
  int lineY = titleHeight / 2;
  HRGN outer = CreateRectRgn(0, lineY, client.cx, client.cy);
  HRGN inner = CreateRectRgn(2, lineY + 2, client.cx - 2, client.cy - 2);
  if (!outer || !inner) {
    if (outer) DeleteObject(outer);
    if (inner) DeleteObject(inner);
    return;
  }
  CombineRgn(outer, outer, inner, RGN_DIFF);
  if (title.cx > 0) {
    HRGN label = CreateRectRgn(6, 0, 6 + title.cx + 6, titleHeight);
    if (label) {
      CombineRgn(outer, outer, label, RGN_OR);
      DeleteObject(label);
    }
  }
  DeleteObject(inner);
  if (!SetWindowRgn(frame, outer, TRUE)) DeleteObject(outer);
}

void PaintFrame(HWND frame, StaticState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(frame, &ps);
  RECT r;
  GetClientRect(frame, &r);
  PrepareBackground(frame, dc, r);
  SIZE title;
  int titleHeight = TitleHeight(frame, state, &title);
  const Theme& t = CurrentTheme();
  RECT line = {r.left, r.top + titleHeight / 2, r.right, r.bottom};
  FrameSolid(dc, line, t.controlBorder);
  InflateRect(&line, -1, -1);
  FrameSolid(dc, line, t.frameDark);
  if (title.cx > 0) {
    RECT label = {6, 0, 6 + title.cx + 6, titleHeight};
    HBRUSH brush = ParentOrThemeColours(frame, dc, WM_CTLCOLORSTATIC, ParentBackground(frame), t.dimText);
    if (!IsNullBrush(brush)) FillRect(dc, &label, brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, t.dimText);
    SelectScope font(dc, ControlFont(state.font));
    std::string text = WindowText(frame);
    TextOutA(dc, 9, 0, text.c_str(), static_cast<int>(text.size()));
  }
  EndPaint(frame, &ps);
}

// ---- Picture ----

void LoadPicture(HWND picture, StaticState& state, bool fitToBitmap) {
  if (state.bitmap) DeleteObject(state.bitmap);
  state.bitmap = LoadNamedBitmap(picture, WindowText(picture));
  if (fitToBitmap && state.bitmap) {
    SIZE size = BitmapSize(state.bitmap);
    SetWindowPos(picture, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(picture, nullptr, TRUE);
}

void PaintPicture(HWND picture, StaticState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(picture, &ps);
  RECT r;
  GetClientRect(picture, &r);
  PrepareBackground(picture, dc, r);
  if (state.bitmap) {
    SIZE size = BitmapSize(state.bitmap);
    int x = 0, y = 0;
    if (GetWindowLongA(picture, GWL_STYLE) & SS_CENTERIMAGE) {
      x = (r.right - size.cx) / 2;
      y = (r.bottom - size.cy) / 2;
    }
    DrawBitmap(dc, state.bitmap, x, y);
  }
  EndPaint(picture, &ps);
}

enum class StaticKind { Text, Frame, Picture };

LRESULT StaticProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, StaticKind kind) {
  StaticState* state = StateOf<StaticState>(control);
  switch (message) {
    case WM_NCCREATE: {
      auto* made = new (std::nothrow) StaticState;
      if (!made) return FALSE;
      AttachState(control, made);
      break;
    }
    case WM_NCDESTROY: FreeState<StaticState>(control); break;
    case WM_CREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      if (kind == StaticKind::Picture && state) LoadPicture(control, *state, create->cx == 0 || create->cy == 0);
      if (kind == StaticKind::Frame && state) ShapeFrame(control, *state);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      if (!state) break;
      if (kind == StaticKind::Text) PaintText(control, *state);
      if (kind == StaticKind::Frame) PaintFrame(control, *state);
      if (kind == StaticKind::Picture) PaintPicture(control, *state);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(control, message, wParam, lParam);
      if (state && kind == StaticKind::Picture) LoadPicture(control, *state, false);
      if (state && kind == StaticKind::Frame) ShapeFrame(control, *state);
      InvalidateRect(control, nullptr, TRUE);
      return result;
    }
    case WM_SIZE:
      if (state && kind == StaticKind::Frame) ShapeFrame(control, *state);
      InvalidateRect(control, nullptr, TRUE);
      return 0;
    case WM_ENABLE: InvalidateRect(control, nullptr, TRUE); return 0;
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      if (state && kind == StaticKind::Frame) ShapeFrame(control, *state);
      if (LOWORD(lParam)) InvalidateRect(control, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_NCHITTEST:
      if (kind == StaticKind::Frame || !(GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY)) return HTTRANSPARENT;
      break;
    case WM_LBUTTONDOWN:
      if (GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY) NotifyParent(control, STN_CLICKED);
      return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
  }
  return DefWindowProcA(control, message, wParam, lParam);
}

// One window procedure per class, each a static control of its kind.
template <StaticKind kind>
LRESULT CALLBACK KindProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return StaticProc(control, message, wParam, lParam, kind);
  } catch (...) {
    return DefWindowProcA(control, message, wParam, lParam);
  }
}

}  // namespace

HBITMAP LoadNamedBitmap(HWND window, const std::string& name) {
  if (name.empty()) return nullptr;
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  LPCSTR resource = name.c_str();
  if (name[0] == '#') resource = MAKEINTRESOURCEA(atoi(name.c_str() + 1));
  return static_cast<HBITMAP>(LoadImageA(instance, resource, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info = {};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return;
  SIZE size = BitmapSize(bitmap);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

COLORREF ParentBackground(HWND control) {
  HWND parent = GetParent(control);
  const Theme& t = CurrentTheme();
  if (IsClassName(parent, "#32770")) return t.dialogBack;
  if (IsClassName(parent, "DravonPopup")) return t.toolBack;
  return t.windowBack;
}

bool RegisterStaticControls() {
  return RegisterControlClass(kTextClass, KindProc<StaticKind::Text>) &&
         RegisterControlClass(kFrameClass, KindProc<StaticKind::Frame>) &&
         RegisterControlClass(kPictureClass, KindProc<StaticKind::Picture>);
}

void UnregisterStaticControls() {
  UnregisterControlClass(kTextClass);
  UnregisterControlClass(kFrameClass);
  UnregisterControlClass(kPictureClass);
}

}  // namespace dravon
