// "DV_TXGBUTTON", "DV_BMBUTTON" and "DV_CHECKER": push, bitmap and check buttons.
#include "uilib/internal_win.h"

#include <new>

namespace dravon {
namespace {

const char kTextButtonClass[] = "DV_TXGBUTTON";
const char kBitmapButtonClass[] = "DV_BMBUTTON";
const char kCheckerClass[] = "DV_CHECKER";

enum class ButtonKind { Text, Bitmap, Checker };

struct ButtonState {
  ButtonKind kind = ButtonKind::Text;
  HFONT font = nullptr;      // borrowed: set with WM_SETFONT
  HBITMAP bitmap = nullptr;  // owned (bitmap buttons)
  int check = BST_UNCHECKED;
  bool pushed = false;    // drawn pressed: mouse held inside, Space held or BM_SETSTATE
  bool spaceDown = false;
  bool hot = false;
  bool tracking = false;
  ButtonState() = default;
  ButtonState(const ButtonState&) = delete;
  ButtonState& operator=(const ButtonState&) = delete;
  ~ButtonState() {
    if (bitmap) DeleteObject(bitmap);
  }
};

LONG ButtonType(HWND button) { return GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK; }

bool IsRadio(HWND button) {
  LONG type = ButtonType(button);
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool TogglesItself(HWND button, const ButtonState& state) {
  LONG type = ButtonType(button);
  if (state.kind == ButtonKind::Checker) return type != BS_CHECKBOX && type != BS_RADIOBUTTON;
  if (state.kind == ButtonKind::Bitmap) return type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON;
  return false;
}

void SetCheck(HWND button, ButtonState& state, int check) {
  if (state.check == check) return;
  state.check = check;
  InvalidateRect(button, nullptr, FALSE);
}

void ClearOtherRadios(HWND button) {
  HWND parent = GetParent(button);
  HWND other = GetNextDlgGroupItem(parent, button, FALSE);
  for (int guard = 0; other && other != button && guard < 256; ++guard) {
    if ((IsClassName(other, kCheckerClass) || IsClassName(other, kBitmapButtonClass)) &&
        (GetWindowLongA(other, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
      SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    other = GetNextDlgGroupItem(parent, other, FALSE);
  }
}

// A click: the check changes first, then the parent hears BN_CLICKED (which may destroy the button, so
// nothing follows the notification).
void Click(HWND button, ButtonState& state) {
  if (TogglesItself(button, state)) {
    if (IsRadio(button)) {
      SetCheck(button, state, BST_CHECKED);
      if (ButtonType(button) == BS_AUTORADIOBUTTON) ClearOtherRadios(button);
    } else {
      SetCheck(button, state, state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    }
  }
  NotifyParent(button, BN_CLICKED);
}

// ---- Painting ----

void PaintTextButton(HWND button, ButtonState& state, HDC dc, const RECT& client) {
  const Theme& t = CurrentTheme();
  bool enabled = IsWindowEnabled(button) != FALSE;
  bool isDefault = ButtonType(button) == BS_DEFPUSHBUTTON;
  RECT face = client;
  FillSolid(dc, face, state.pushed ? t.buttonPressed : state.hot && enabled ? t.buttonHot : t.buttonFace);
  FrameSolid(dc, face, isDefault || GetFocus() == button ? t.accent : t.buttonBorder);
  if (GetFocus() == button) {
    RECT inner = face;
    InflateRect(&inner, -1, -1);
    FrameSolid(dc, inner, t.accent);
  }
  std::string text = WindowText(button);
  SelectScope font(dc, ControlFont(state.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? t.buttonText : t.disabledText);
  RECT r = client;
  if (state.pushed) OffsetRect(&r, 1, 1);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void PaintBitmapButton(HWND button, ButtonState& state, HDC dc, const RECT& client) {
  const Theme& t = CurrentTheme();
  bool enabled = IsWindowEnabled(button) != FALSE;
  bool down = state.pushed || state.check == BST_CHECKED;
  HBRUSH back = ParentOrThemeColours(button, dc, WM_CTLCOLORBTN, ParentBackground(button), t.buttonText);
  FillRect(dc, &client, back);
  if (!state.bitmap) {
    PaintTextButton(button, state, dc, client);
    return;
  }
  SIZE size = BitmapSize(state.bitmap);
  int x = (client.right - size.cx) / 2 + (down ? 1 : 0);
  int y = (client.bottom - size.cy) / 2 + (down ? 1 : 0);
  if (enabled) {
    DrawBitmap(dc, state.bitmap, x, y);
  } else {
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(state.bitmap), 0, x, y, size.cx, size.cy,
               DST_BITMAP | DSS_DISABLED);
  }
  if (state.check == BST_CHECKED) {
    FrameSolid(dc, client, t.accent);
  } else if (state.pushed) {
    FrameSolid(dc, client, t.buttonBorder);
  } else if (state.hot && enabled) {
    FrameSolid(dc, client, t.buttonHot);
  }
}

void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 2, colour);
  {
    SelectScope penScope(dc, pen);
    POINT points[3] = {{box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
    Polyline(dc, points, 3);
  }
  DeleteObject(pen);
}

void PaintChecker(HWND button, ButtonState& state, HDC dc, const RECT& client) {
  const Theme& t = CurrentTheme();
  bool enabled = IsWindowEnabled(button) != FALSE;
  HBRUSH back = ParentOrThemeColours(button, dc, WM_CTLCOLORBTN, ParentBackground(button), t.text);
  COLORREF textColour = enabled ? GetTextColor(dc) : t.disabledText;
  FillRect(dc, &client, back);
  int top = (client.bottom - 13) / 2;
  RECT box = {0, top, 13, top + 13};
  COLORREF border = GetFocus() == button || state.hot ? t.accent : t.controlBorder;
  if (IsRadio(button)) {
    HPEN pen = CreatePen(PS_SOLID, 1, border);
    {
      SelectScope penScope(dc, pen);
      SelectScope brushScope(dc, SolidBrush(state.pushed ? t.buttonPressed : t.controlBack));
      Ellipse(dc, box.left, box.top, box.right, box.bottom);
      if (state.check == BST_CHECKED) {
        SelectScope dot(dc, SolidBrush(enabled ? t.accent : t.disabledText));
        Ellipse(dc, box.left + 3, box.top + 3, box.right - 3, box.bottom - 3);
      }
    }
    DeleteObject(pen);
  } else {
    FillSolid(dc, box, state.pushed ? t.buttonPressed : t.controlBack);
    FrameSolid(dc, box, border);
    if (state.check == BST_CHECKED) DrawCheckMark(dc, box, enabled ? t.controlText : t.disabledText);
    if (state.check == BST_INDETERMINATE) {
      RECT mark = {box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
      FillSolid(dc, mark, t.dimText);
    }
  }
  std::string text = WindowText(button);
  SelectScope font(dc, ControlFont(state.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour);
  RECT r = {18, 0, client.right, client.bottom};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void Paint(HWND button, ButtonState& state) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(button, &ps);
  SIZE size = ClientSize(button);
  BufferedPaint buffer(target, size.cx, size.cy);
  HDC dc = buffer.Dc();
  RECT client = {0, 0, size.cx, size.cy};
  switch (state.kind) {
    case ButtonKind::Text: {
      HBRUSH back = ParentOrThemeColours(button, dc, WM_CTLCOLORBTN, ParentBackground(button), CurrentTheme().text);
      FillRect(dc, &client, back);
      PaintTextButton(button, state, dc, client);
      break;
    }
    case ButtonKind::Bitmap: PaintBitmapButton(button, state, dc, client); break;
    case ButtonKind::Checker: PaintChecker(button, state, dc, client); break;
  }
  buffer.Flush();
  EndPaint(button, &ps);
}

// ---- Input ----

bool Inside(HWND button, LPARAM lParam) {
  SIZE size = ClientSize(button);
  int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  return x >= 0 && y >= 0 && x < size.cx && y < size.cy;
}

void SetPushed(HWND button, ButtonState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  InvalidateRect(button, nullptr, FALSE);
}

LRESULT OnMouse(HWND button, ButtonState& state, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (state.kind != ButtonKind::Bitmap) SetFocus(button);
      SetCapture(button);
      SetPushed(button, state, true);
      return 0;
    case WM_MOUSEMOVE: {
      if (!state.tracking) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, button, 0};
        state.tracking = TrackMouseEvent(&track) != FALSE;
      }
      bool inside = Inside(button, lParam);
      if (state.hot != inside) {
        state.hot = inside;
        InvalidateRect(button, nullptr, FALSE);
      }
      if (GetCapture() == button) SetPushed(button, state, inside);
      return 0;
    }
    case WM_LBUTTONUP: {
      bool fire = GetCapture() == button && Inside(button, lParam);
      SetPushed(button, state, false);
      if (GetCapture() == button) ReleaseCapture();
      if (fire) Click(button, state);
      return 0;
    }
  }
  return 0;
}

LRESULT OnKey(HWND button, ButtonState& state, UINT message, WPARAM key) {
  if (key != VK_SPACE) return 0;
  if (message == WM_KEYDOWN) {
    state.spaceDown = true;
    SetPushed(button, state, true);
  } else if (state.spaceDown) {
    state.spaceDown = false;
    SetPushed(button, state, false);
    Click(button, state);
  }
  return 0;
}

LRESULT DialogCode(HWND button, const ButtonState& state) {
  if (state.kind == ButtonKind::Checker) return DLGC_BUTTON | (IsRadio(button) ? DLGC_RADIOBUTTON : 0);
  if (state.kind == ButtonKind::Text && ButtonType(button) == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
  return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
}

void OnCreate(HWND button, ButtonState& state, const CREATESTRUCTA& create) {
  if (state.kind != ButtonKind::Bitmap) return;
  state.bitmap = LoadNamedBitmap(button, WindowText(button));
  if (state.bitmap && (create.cx == 0 || create.cy == 0)) {
    SIZE size = BitmapSize(state.bitmap);
    SetWindowPos(button, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, ButtonKind kind) {
  ButtonState* state = StateOf<ButtonState>(button);
  switch (message) {
    case WM_NCCREATE: {
      auto* made = new (std::nothrow) ButtonState;
      if (!made) return FALSE;
      made->kind = kind;
      AttachState(button, made);
      break;
    }
    case WM_NCDESTROY: FreeState<ButtonState>(button); break;
    case WM_CREATE:
      if (state) OnCreate(button, *state, *reinterpret_cast<CREATESTRUCTA*>(lParam));
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      if (!state) break;
      Paint(button, *state);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      return state ? OnMouse(button, *state, message, lParam) : 0;
    case WM_MOUSELEAVE:
      if (state) {
        state->hot = false;
        state->tracking = false;
        InvalidateRect(button, nullptr, FALSE);
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (state && reinterpret_cast<HWND>(lParam) != button) SetPushed(button, *state, false);
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (state && wParam == VK_SPACE) return OnKey(button, *state, message, wParam);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      if (state && message == WM_KILLFOCUS && state->spaceDown) {
        state->spaceDown = false;
        SetPushed(button, *state, false);
      }
      InvalidateRect(button, nullptr, FALSE);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(button, message, wParam, lParam);
      if (state && state->kind == ButtonKind::Bitmap) {
        if (state->bitmap) DeleteObject(state->bitmap);
        state->bitmap = LoadNamedBitmap(button, WindowText(button));
      }
      InvalidateRect(button, nullptr, FALSE);
      return result;
    }
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(button, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_GETDLGCODE: return state ? DialogCode(button, *state) : DLGC_BUTTON;
    case BM_CLICK:
      if (state && IsWindowEnabled(button)) Click(button, *state);
      return 0;
    case BM_GETCHECK: return state ? state->check : BST_UNCHECKED;
    case BM_SETCHECK:
      if (state) SetCheck(button, *state, static_cast<int>(wParam) & 3);
      return 0;
    case BM_GETSTATE:
      if (!state) return 0;
      return state->check | (state->pushed ? BST_PUSHED : 0) | (GetFocus() == button ? BST_FOCUS : 0);
    case BM_SETSTATE:
      if (state) SetPushed(button, *state, wParam != FALSE);
      return 0;
    case BM_SETSTYLE: {
      LONG style = (GetWindowLongA(button, GWL_STYLE) & ~BS_TYPEMASK) | (static_cast<LONG>(wParam) & BS_TYPEMASK);
      SetWindowLongA(button, GWL_STYLE, style);
      if (LOWORD(lParam)) InvalidateRect(button, nullptr, FALSE);
      return 0;
    }
  }
  return DefWindowProcA(button, message, wParam, lParam);
}

// One window procedure per class, each a button of its kind.
template <ButtonKind kind>
LRESULT CALLBACK KindProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return ButtonProc(button, message, wParam, lParam, kind);
  } catch (...) {
    return DefWindowProcA(button, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterButtonControls() {
  return RegisterControlClass(kTextButtonClass, KindProc<ButtonKind::Text>) &&
         RegisterControlClass(kBitmapButtonClass, KindProc<ButtonKind::Bitmap>) && RegisterControlClass(kCheckerClass, KindProc<ButtonKind::Checker>);
}

void UnregisterButtonControls() {
  UnregisterControlClass(kTextButtonClass);
  UnregisterControlClass(kBitmapButtonClass);
  UnregisterControlClass(kCheckerClass);
}

}  // namespace dravon
