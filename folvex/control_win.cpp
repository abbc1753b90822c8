// The control's window procedure: one switch whose cases call the handlers, and the handlers of
// the window's own life (create, size, focus, font, text, colours).
#include "folvex/control_win.h"

#include <new>

namespace folvex {

namespace {

HFONT StockFont() { return static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

std::int32_t ClampOffset(std::int32_t offset, std::int32_t length) {
  return offset < 0 ? 0 : (offset > length ? length : offset);
}

// The record exists from here on. The control's own style bits are taken out of the window's style
// before the system reads it: as window styles they would mean scroll bars and a sizing frame.
LRESULT OnNcCreate(HWND window, CREATESTRUCTA* create) {
  auto* c = new (std::nothrow) Control(window, create->style);
  if (c == nullptr) return FALSE;
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(c));
  create->style &= ~kFolvexStyleBits;
  SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(create->style));
  return DefWindowProcA(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(create));
}

void CreateBar(Control& c, int height) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(c.window, GWLP_HINSTANCE));
  HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFolvexBarId));
  if ((c.style & FVS_SLIDER) != 0 && SliderAvailable()) {
    c.bar.window = CreateWindowExA(0, SliderClass(), "", 0x50800000, c.textWidth, 0, kBarWidth, height, c.window,
                                   id, instance, nullptr);
    c.bar.slider = c.bar.window != nullptr;
  }
  if (c.bar.window == nullptr) {
    c.style &= ~FVS_SLIDER;
    c.bar.window = CreateWindowExA(0, "SCROLLBAR", "", 0x50000001, c.textWidth, 0, kBarWidth, height, c.window, id,
                                   instance, nullptr);
  }
}

LRESULT OnCreate(Control& c, const CREATESTRUCTA* create) {
  RECT client{};
  GetClientRect(c.window, &client);
  c.textWidth = client.right - kBarWidth;
  c.textHeight = client.bottom - kBottomMargin;
  const char* name = create->lpszName;
  if (name != nullptr && !IS_INTRESOURCE(name) && name[0] != '\0') {
    c.store.suppressRecording = 1;
    c.store.Insert(name, 0);
    c.store.suppressRecording = 0;
  }
  Recount(c);
  Remeasure(c);
  CreateBar(c, client.bottom);
  UpdateScrollRange(c);
  UpdateScrollPos(c);
  SetTimer(c.window, kAutoscrollTimer, kAutoscrollPeriod, nullptr);
  return 0;
}

LRESULT OnDestroy(Control& c) {
  DropCaret(c);
  KillTimer(c.window, kAutoscrollTimer);
  return 0;
}

LRESULT OnNcDestroy(HWND window, Control* c) {
  SetWindowLongPtrA(window, 0, 0);
  delete c;
  return DefWindowProcA(window, WM_NCDESTROY, 0, 0);
}

// The caret is recreated only while the control has the focus: a caret made by an unfocused window
// would take it away from the focused one.
LRESULT OnSize(Control& c, LPARAM size) {
  int width = LOWORD(size);
  int height = HIWORD(size);
  c.textHeight = height - kBottomMargin;
  c.textWidth = width - kBarWidth;
  Remeasure(c);
  UpdateScrollRange(c);
  if (c.hasCaret) {
    DropCaret(c);
    MakeCaret(c);
    PlaceCaret(c, false);
  }
  if (c.bar.window != nullptr) MoveWindow(c.bar.window, width - kBarWidth, 0, kBarWidth, height, TRUE);
  Repaint(c);
  return 0;
}

LRESULT OnSetFocus(Control& c) {
  MakeCaret(c);
  PlaceCaret(c, false);
  return 0;
}

LRESULT OnKillFocus(Control& c) {
  DropCaret(c);
  return 0;
}

// Replaces the text without recording. Caret, selection and history stay, except that offsets
// beyond the new text are brought back to its end: left beyond it they would make every later
// edit at the caret fail.
LRESULT OnSetText(Control& c, LPARAM text) {
  const char* source = text != 0 ? reinterpret_cast<const char*>(text) : "";
  if (c.store.SetText(source) != kDone) return FALSE;
  std::int32_t length = Length(c);
  c.store.caret = ClampOffset(c.store.caret, length);
  c.store.selStart = ClampOffset(c.store.selStart, length);
  c.store.selEnd = ClampOffset(c.store.selEnd, length);
  c.anchor = ClampOffset(c.anchor, length);
  c.movingEnd = ClampOffset(c.movingEnd, length);
  Recount(c);
  UpdateScrollRange(c);
  UpdateScrollPos(c);
  Repaint(c);
  return TRUE;
}

// The control never deletes a font: see folvex.h.
LRESULT OnSetFont(Control& c, WPARAM font, LPARAM redraw) {
  c.font = font != 0 ? reinterpret_cast<HFONT>(font) : StockFont();
  Remeasure(c);
  UpdateScrollRange(c);
  if (c.hasCaret) {
    DropCaret(c);
    MakeCaret(c);
    PlaceCaret(c, false);
  }
  if (LOWORD(redraw) != 0) Repaint(c);
  return 0;
}

LRESULT OnSetColour(Control& c, COLORREF& slot, WPARAM redraw, LPARAM colour) {
  COLORREF previous = slot;
  slot = static_cast<COLORREF>(colour);
  if (redraw != 0) Repaint(c);
  return static_cast<LRESULT>(previous);
}

LRESULT OnSetTabStops(Control& c, WPARAM count, LPARAM stops) {
  if (count != 1 || stops == 0) return FALSE;
  int pixels = *reinterpret_cast<const int*>(stops);
  if (pixels < 1) return FALSE;
  c.widths.SetTabWidth(pixels);
  c.lineWidths.Clear();
  PlaceCaret(c, false);
  Repaint(c);
  return TRUE;
}

LRESULT OnRelayToParent(Control& c, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND parent = GetParent(c.window);
  if (parent != nullptr) PostMessageA(parent, message, wParam, lParam);
  return 0;
}

LRESULT Dispatch(Control& c, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(c, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY: return OnDestroy(c);
    case WM_NCDESTROY: return OnNcDestroy(c.window, &c);
    case WM_SIZE: return OnSize(c, lParam);
    case WM_SETFOCUS: return OnSetFocus(c);
    case WM_KILLFOCUS: return OnKillFocus(c);
    case WM_SETTEXT: return OnSetText(c, lParam);
    case WM_GETTEXT: return OnGetText(c, wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(c, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: return OnPaint(c);
    case WM_SETFONT: return OnSetFont(c, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(c.font);
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case EM_GETSEL: case FVM_GETSEL: return OnGetSel(c, wParam, lParam);
    case EM_SETSEL: return OnSetSel(c, static_cast<short>(LOWORD(wParam)), static_cast<short>(LOWORD(lParam)));
    case FVM_SETSEL: return OnSetSel(c, static_cast<LONG>(wParam), lParam);
    case EM_SCROLL: return OnVScroll(c, LOWORD(wParam), 0);
    case EM_LINESCROLL: return OnLineScroll(c, lParam);
    case EM_SCROLLCARET: return OnScrollCaret(c);
    case EM_GETLINE: return OnGetLine(c, wParam, lParam);
    case EM_REPLACESEL: return OnReplaceSel(c, lParam);
    case EM_SETTABSTOPS: return OnSetTabStops(c, wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(c, wParam);
    case WM_CHAR: return OnChar(c, wParam);
    case WM_TIMER: return OnTimer(c, wParam);
    case WM_VSCROLL: return OnVScroll(c, wParam, lParam);
    case WM_HSCROLL: return OnHScroll(c, wParam);
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_MOUSEWHEEL:
    case WM_CAPTURECHANGED: return OnMouse(c, message, wParam, lParam);
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return OnRelayToParent(c, message, wParam, lParam);
    case WM_CUT: case WM_COPY: case WM_PASTE: case WM_CLEAR: return OnClipboard(c, message);
    case WM_UNDO: return OnUndo(c, wParam);
    case FVM_SETTEXTCOLOR: return OnSetColour(c, c.textColour, wParam, lParam);
    case FVM_SETBKCOLOR: return OnSetColour(c, c.backColour, wParam, lParam);
    case FVM_SETSELCOLOR: return OnSetColour(c, c.selColour, wParam, lParam);
    case FVM_GETWORD: case FVM_GETCURLINE: case FVM_GETSELTEXT: return OnCopyPart(c, message, wParam, lParam);
    case FVM_INDENT: return OnIndent(c, wParam, false);
    case FVM_OUTDENT: return OnIndent(c, wParam, true);
    case WM_GETTEXTLENGTH: case EM_GETRECT: case EM_GETMODIFY: case EM_SETMODIFY: case EM_GETLINECOUNT:
    case EM_LINEINDEX: case EM_LINELENGTH: case EM_GETHANDLE: case EM_CANUNDO: case EM_LINEFROMCHAR:
    case EM_GETFIRSTVISIBLELINE: case FVM_GETWORDLENGTH: case FVM_GETLINELENGTH: case FVM_GETSELLENGTH:
    case FVM_GETCARETLINE: case FVM_GETCARETCOLUMN: case FVM_GETHSCROLL: case FVM_GETFIRSTLINE:
    case FVM_GETMAXWIDTH: case FVM_GETCARET: case FVM_RECOUNT: case FVM_REMEASURE: case FVM_SETROWLEXER:
    case FVM_GETROWSTATE: return OnQuery(c, message, wParam, lParam);
    default: return DefWindowProcA(c.window, message, wParam, lParam);
  }
}

}  // namespace

Control::Control(HWND w, DWORD s) : window(w), style(s), font(StockFont()), store(allocator) {
  widths.SetTabWidth(kInitialTabWidth);
}

Control* ControlOf(HWND window) { return reinterpret_cast<Control*>(GetWindowLongPtrA(window, 0)); }

void PostNotify(Control& c, WORD code) {
  HWND parent = GetParent(c.window);
  if (parent == nullptr) return;
  WPARAM wParam = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(c.window)), code);
  PostMessageA(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(c.window));
}

void SendNotify(Control& c, WORD code) {
  HWND parent = GetParent(c.window);
  if (parent == nullptr) return;
  WPARAM wParam = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(c.window)), code);
  SendMessageA(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(c.window));
}

void NotifyChange(Control& c) {
  PostNotify(c, FVN_CARETMOVED);
  PostNotify(c, EN_CHANGE);
}

}  // namespace folvex

// Nothing leaves the procedure by exception: a failure inside a handler answers 0.
extern "C" FOLVEX_API LRESULT CALLBACK FolvexProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_NCCREATE) return folvex::OnNcCreate(window, reinterpret_cast<CREATESTRUCTA*>(lParam));
    folvex::Control* c = folvex::ControlOf(window);
    if (c == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return folvex::Dispatch(*c, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}
