// Keys (WM_KEYDOWN): caret movement, paging, Delete and the clipboard shortcuts of an editable
// control, and the scrolling keys of a read-only one. Shift, Ctrl and Alt are read as they stand
// when the message arrives.
#include "folvex/control_win.h"

#include "folvex/textscan.h"

namespace folvex {

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

struct Selection {
  std::int32_t start, end, caret;
  bool operator!=(const Selection& o) const { return start != o.start || end != o.end || caret != o.caret; }
};

Selection SelectionOf(const Control& c) { return Selection{c.store.selStart, c.store.selEnd, c.store.caret}; }

// With Shift the selection spans the anchor and the new caret; without it, it collapses there.
void ApplyShift(Control& c, std::int32_t caret, bool shift) {
  if (shift) {
    SelectSpan(c, c.anchor, caret);
  } else {
    CollapseAt(c, caret);
  }
}

// Blanks removed from the end of the caret's line are a change of the text: the parent hears of it.
void FinishMove(Control& c, std::int32_t blanksRemoved) {
  PostNotify(c, FVN_CARETMOVED);
  if (blanksRemoved > 0) PostNotify(c, EN_CHANGE);
}

LRESULT OnPageKey(Control& c, bool down, bool ctrl, bool shift) {
  std::int32_t blanks = DeleteTrailingBlanks(c);
  POINT p = CaretPoint(c);
  std::int32_t caret;
  if (!down) {
    if (ctrl) {
      MoveFirstLine(c, 0);
      caret = OffsetAtPoint(c, 0, 0);
    } else if (FirstLine(c) - c.visibleRows < 1) {
      MoveFirstLine(c, 0);
      caret = OffsetAtPoint(c, p.x, 0);
    } else {
      MoveFirstLine(c, FirstLine(c) - c.visibleRows);
      caret = OffsetAtPoint(c, p.x, p.y);
    }
  } else if (ctrl) {
    MoveFirstLine(c, LastLine(c) - 4);
    caret = OffsetAtPoint(c, 0, p.y);
  } else {
    MoveFirstLine(c, FirstLine(c) + c.visibleRows);
    caret = OffsetAtPoint(c, p.x, p.y);
  }
  ApplyShift(c, caret, shift);
  PlaceCaret(c, true);
  Repaint(c);
  FinishMove(c, blanks);
  return 0;
}

// Left and Right step over both bytes of a CR LF; a lone CR or LF is one step like any byte.
std::int32_t MovedCaret(Control& c, WPARAM key, bool ctrl, POINT p) {
  const char* text = Text(c);
  const std::int32_t length = Length(c);
  const std::int32_t caret = c.store.caret;
  switch (key) {
    case VK_END: return EndOfLine(text, length, caret);
    case VK_HOME: return StartOfLine(text, length, caret);
    case VK_LEFT: {
      if (caret == 0) return caret;
      std::int32_t to = ctrl ? WordStart(text, length, caret - 1) : caret - 1;
      if (to > 0 && text[to - 1] == '\r' && text[to] == '\n') --to;
      return to;
    }
    case VK_RIGHT: {
      if (caret >= length) return caret;
      std::int32_t to = ctrl ? NextWordStart(text, length, caret + 1) : caret + 1;
      if (to < length && text[to] == '\n' && text[to - 1] == '\r') ++to;
      return to;
    }
    case VK_UP: return OffsetAtPoint(c, p.x, p.y - c.lineHeight);
    default: return OffsetAtPoint(c, p.x, p.y + c.lineHeight);
  }
}

LRESULT OnMoveKey(Control& c, WPARAM key, bool ctrl, bool shift) {
  Selection before = SelectionOf(c);
  std::int32_t blanks = (key == VK_UP || key == VK_DOWN) ? DeleteTrailingBlanks(c) : 0;
  std::int32_t caret = MovedCaret(c, key, ctrl, CaretPoint(c));
  ApplyShift(c, caret, shift);
  PlaceCaret(c, true);
  bool scrolled = ScrollToCaret(c);
  if (scrolled) PlaceCaret(c, true);
  if (scrolled || blanks > 0 || before != SelectionOf(c)) Repaint(c);
  FinishMove(c, blanks);
  return 0;
}

LRESULT OnDeleteKey(Control& c, bool shift, bool ctrl) {
  if (shift || ctrl) return 0;
  if (!DeleteSelection(c)) {
    const char* text = Text(c);
    std::int32_t caret = c.store.caret;
    if (caret < Length(c)) {
      std::int32_t count = (text[caret] == '\r' && text[caret + 1] == '\n') ? 2 : 1;
      DeleteAt(c, caret, count);
    }
    CollapseAt(c, caret);
  }
  ShowEdit(c);
  return 0;
}

LRESULT OnClipboardKey(Control& c, WPARAM key, bool ctrl) {
  if (!ctrl) return 0;
  UINT message = key == 'C' ? WM_COPY : key == 'V' ? WM_PASTE : key == 'X' ? WM_CUT : WM_UNDO;
  PostMessageA(c.window, message, 0, 0);
  return 0;
}

LRESULT OnReadOnlyKey(Control& c, WPARAM key, bool ctrl) {
  std::int32_t target = FirstLine(c);
  switch (key) {
    case VK_PRIOR: target -= c.visibleRows; break;
    case VK_NEXT: target += c.visibleRows; break;
    case VK_UP: target -= 1; break;
    case VK_DOWN: target += 1; break;
    case 'C':
      if (ctrl) PostMessageA(c.window, WM_COPY, 0, 0);
      break;
    default: break;
  }
  if (MoveFirstLine(c, target)) {
    PlaceCaret(c, false);
    Repaint(c);
  }
  PostNotify(c, FVN_CARETMOVED);
  return 0;
}

}  // namespace

// Keys not listed (Shift, Ctrl, function keys...) change nothing: a Ctrl pressed on its way to
// Ctrl+C must not collapse the selection that is about to be copied.
LRESULT OnKeyDown(Control& c, WPARAM key) {
  const bool ctrl = Down(VK_CONTROL);
  const bool shift = Down(VK_SHIFT);
  if (!Editable(c)) return OnReadOnlyKey(c, key, ctrl);
  switch (key) {
    case VK_PRIOR: return OnPageKey(c, false, ctrl, shift);
    case VK_NEXT: return OnPageKey(c, true, ctrl, shift);
    case VK_END: case VK_HOME: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
      return OnMoveKey(c, key, ctrl, shift);
    case VK_DELETE: return OnDeleteKey(c, shift, ctrl);
    case 'C': case 'V': case 'X': case 'Z': return OnClipboardKey(c, key, ctrl);
    default: return 0;
  }
}

}  // namespace folvex
