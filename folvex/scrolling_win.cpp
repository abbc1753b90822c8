// Scrolling: scroll-bar requests in both directions, line scrolling and bringing the caret into view.
#include "folvex/control_win.h"

namespace folvex {

namespace {

// The thumb position of a drag. A standard scroll bar reports 32 bits through its scroll info (the
// high word of wParam stops at 65535 lines); the slider and other senders use the high word.
std::int32_t TrackPosition(Control& c, WPARAM wParam, LPARAM lParam) {
  if (lParam != 0 && reinterpret_cast<HWND>(lParam) == c.bar.window && !c.bar.slider) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(c.bar.window, SB_CTL, &info)) return info.nTrackPos;
  }
  return HIWORD(wParam);
}

}  // namespace

// Every position ends within 0..last line, the dragged one too: a line beyond the text would leave
// the view empty.
LRESULT OnVScroll(Control& c, WPARAM wParam, LPARAM lParam) {
  long long target = FirstLine(c);
  switch (LOWORD(wParam)) {
    case SB_LINEUP: target -= 1; break;
    case SB_LINEDOWN: target += 1; break;
    case SB_PAGEUP: target -= c.visibleRows; break;
    case SB_PAGEDOWN: target += c.visibleRows; break;
    case SB_THUMBTRACK: target = TrackPosition(c, wParam, lParam); break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = LastLine(c); break;
    default: return 0;
  }
  if (target < 0) target = 0;
  if (target > LastLine(c)) target = LastLine(c);
  if (MoveFirstLine(c, static_cast<std::int32_t>(target))) {
    PlaceCaret(c, false);
    Repaint(c);
    SendNotify(c, FVN_VSCROLLED);
  }
  return 0;
}

LRESULT OnHScroll(Control& c, WPARAM wParam) {
  const int limit = c.maxWidth - c.textWidth > 0 ? c.maxWidth - c.textWidth : 0;
  const int now = c.hScroll;
  int target = now;
  switch (LOWORD(wParam)) {
    case SB_LINELEFT: target = now - kHScrollLine < 0 ? 0 : now - kHScrollLine; break;
    case SB_LINERIGHT: if (now < limit) target = now + kHScrollLine > limit ? limit : now + kHScrollLine; break;
    case SB_PAGELEFT: target = now - kHScrollPage < 0 ? 0 : now - kHScrollPage; break;
    case SB_PAGERIGHT: if (now < limit) target = now + kHScrollPage > limit ? limit : now + kHScrollPage; break;
    case SB_THUMBPOSITION: case SB_THUMBTRACK: target = HIWORD(wParam); break;
    case SB_LEFT: target = 0; break;
    case SB_RIGHT: target = limit; break;
    default: break;
  }
  if (target != now) {
    c.hScroll = target;
    PlaceCaret(c, false);
    Repaint(c);
  }
  SendNotify(c, FVN_HSCROLLED);
  return 0;
}

// The caret goes to the first visible character of the new top row.
LRESULT OnLineScroll(Control& c, LPARAM lines) {
  long long target = static_cast<long long>(FirstLine(c)) + static_cast<LONG>(lines);
  if (target < 0) target = 0;
  if (target > LastLine(c)) target = LastLine(c);
  MoveFirstLine(c, static_cast<std::int32_t>(target));
  CollapseAt(c, OffsetAtPoint(c, 0, 0));
  PlaceCaret(c, false);
  Repaint(c);
  return TRUE;
}

// Brings the caret's line into view with two lines of context. The new first line never passes
// the caret's line, so even a view of one or two rows shows it.
LRESULT OnScrollCaret(Control& c) {
  const std::int32_t line = c.lines.LineOf(Text(c), Length(c), c.store.caret);
  std::int32_t target = FirstLine(c);
  if (line < FirstLine(c)) {
    target = line - 2;
  } else if (line >= FirstLine(c) + c.visibleRows) {
    target = line - c.visibleRows + 2;
    if (target > line) target = line;
  }
  bool moved = MoveFirstLine(c, target);
  PlaceCaret(c, true);
  if (moved) Repaint(c);
  PostNotify(c, FVN_CARETMOVED);
  return 0;
}

}  // namespace folvex
