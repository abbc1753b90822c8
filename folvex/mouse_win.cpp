// The mouse: clicks place the caret, dragging selects (scrolling by timer past the view's edges),
// a double click selects a word, the wheel scrolls.
#include "folvex/control_win.h"

#include <windowsx.h>

#include "folvex/textscan.h"

namespace folvex {

namespace {

bool Captured(const Control& c) { return GetCapture() == c.window; }

void Extend(Control& c, int x, int y) {
  std::int32_t caret = OffsetAtPoint(c, x, y);
  std::int32_t oldStart = c.store.selStart, oldEnd = c.store.selEnd, oldCaret = c.store.caret;
  SelectSpan(c, c.anchor, caret);
  PlaceCaret(c, true);
  if (oldStart != c.store.selStart || oldEnd != c.store.selEnd || oldCaret != c.store.caret) {
    Repaint(c);
    PostNotify(c, FVN_CARETMOVED);
  }
}

LRESULT OnButtonDown(Control& c, int x, int y) {
  c.autoscrollStep = 0;
  if (GetFocus() != c.window) SetFocus(c.window);
  SetCapture(c.window);
  std::int32_t blanks = DeleteTrailingBlanks(c);
  CollapseAt(c, OffsetAtPoint(c, x, y));
  PlaceCaret(c, true);
  Repaint(c);
  PostNotify(c, FVN_CARETMOVED);
  if (blanks > 0) PostNotify(c, EN_CHANGE);
  return 0;
}

LRESULT OnMove(Control& c, WPARAM buttons, int x, int y) {
  if ((buttons & MK_LBUTTON) == 0 || !Captured(c)) return 0;
  c.autoscrollStep = y < 0 ? -kAutoscrollLines : (y > c.textHeight ? kAutoscrollLines : 0);
  Extend(c, x, y);
  return 0;
}

LRESULT OnButtonUp(Control& c) {
  c.autoscrollStep = 0;
  if (Captured(c)) ReleaseCapture();
  return 0;
}

LRESULT OnDoubleClick(Control& c) {
  const char* text = Text(c);
  std::int32_t caret = c.store.caret;
  SelectSpan(c, WordStart(text, Length(c), caret), WordEnd(text, Length(c), caret));
  PlaceCaret(c, true);
  Repaint(c);
  PostNotify(c, FVN_CARETMOVED);
  return 0;
}

// Three lines per notch of 120; smaller deltas (fine wheels, touch pads) add up until they make one.
LRESULT OnWheel(Control& c, WPARAM wParam) {
  c.wheelRemainder += GET_WHEEL_DELTA_WPARAM(wParam);
  while (c.wheelRemainder >= kWheelDelta || c.wheelRemainder <= -kWheelDelta) {
    WPARAM code = c.wheelRemainder > 0 ? SB_LINEUP : SB_LINEDOWN;
    c.wheelRemainder += c.wheelRemainder > 0 ? -kWheelDelta : kWheelDelta;
    for (int i = 0; i < kWheelLines; ++i) OnVScroll(c, code, 0);
  }
  return 0;
}

}  // namespace

LRESULT OnMouse(Control& c, UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_LBUTTONDOWN: return OnButtonDown(c, x, y);
    case WM_MOUSEMOVE: return OnMove(c, wParam, x, y);
    case WM_LBUTTONUP: return OnButtonUp(c);
    case WM_LBUTTONDBLCLK: return OnDoubleClick(c);
    case WM_MOUSEWHEEL: return OnWheel(c, wParam);
    case WM_CAPTURECHANGED: c.autoscrollStep = 0; return 0;
    default: return 0;
  }
}

// While a drag holds the mouse beyond the view's top or bottom, each tick scrolls ten lines and the
// selection follows the mouse into the lines that came into view.
LRESULT OnTimer(Control& c, WPARAM id) {
  if (id != kAutoscrollTimer || c.autoscrollStep == 0) return 0;
  if (!MoveFirstLine(c, FirstLine(c) + c.autoscrollStep)) return 0;
  Repaint(c);
  POINT mouse{};
  if (Captured(c) && GetCursorPos(&mouse) && ScreenToClient(c.window, &mouse)) Extend(c, mouse.x, mouse.y);
  return 0;
}

}  // namespace folvex
