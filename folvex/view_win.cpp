// The view: font measures, caret placement, points to offsets, the first visible line and the bar.
#include "folvex/control_win.h"

#include <cstdlib>

#include "folvex/textscan.h"

namespace folvex {

namespace {

// Division rounding towards minus infinity, so a point above the view lies on the line above.
int FloorDiv(int value, int divisor) {
  int q = value / divisor;
  if ((value % divisor != 0) && ((value < 0) != (divisor < 0))) --q;
  return q;
}

// Row distances of absurd texts are kept inside the range of window coordinates.
int RowY(const Control& c, std::int32_t line) {
  long long y = static_cast<long long>(line - c.lines.FirstLine()) * c.lineHeight;
  if (y > 0x3FFFFFFF) return 0x3FFFFFFF;
  if (y < -0x3FFFFFFF) return -0x3FFFFFFF;
  return static_cast<int>(y);
}

int ClampToInt(std::int32_t value) { return value > 0x3FFFFFFF ? 0x3FFFFFFF : static_cast<int>(value); }

}  // namespace

// Line height is the height of the two bytes 0xC4 0x79 (a tall letter and a descender) in the font;
// byte widths come from the same screen context.
void Remeasure(Control& c) {
  HDC dc = GetDC(nullptr);
  if (dc == nullptr) return;
  HGDIOBJ old = SelectObject(dc, c.font);
  SIZE size{};
  if (GetTextExtentPoint32A(dc, "\xC4\x79", 2, &size) && size.cy > 0) c.lineHeight = size.cy;
  int table[256];
  if (GetCharWidth32A(dc, 0, 255, table) || GetCharWidthA(dc, 0, 255, table)) c.widths.SetCharWidths(table);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  if (c.lineHeight < 1) c.lineHeight = 1;
  c.visibleRows = c.textHeight > 0 ? c.textHeight / c.lineHeight : 0;
  c.lineWidths.Clear();
}

POINT CaretPoint(Control& c) {
  const char* text = Text(c);
  std::int32_t caret = c.store.caret;
  std::int32_t start = StartOfLine(text, Length(c), caret);
  POINT p;
  p.x = ClampToInt(c.widths.Width(text + start, caret - start)) - c.hScroll;
  p.y = RowY(c, c.lines.LineOf(text, Length(c), caret));
  return p;
}

// The column as LineColumn counts it: the bytes before the caret on its line, plus one on every
// line but the first.
void PlaceCaret(Control& c, bool scrollHorizontally) {
  const char* text = Text(c);
  const std::int32_t length = Length(c);
  const std::int32_t caret = c.store.caret;
  const std::int32_t line = c.lines.LineOf(text, length, caret);
  const std::int32_t start = StartOfLine(text, length, caret);
  c.store.caretLine = line;
  if (start == 0) {
    c.store.caretColumn = caret;
  } else {
    std::int32_t end = start - 1;  // the line end before the caret's line
    std::int32_t afterEnd = (text[end] == '\r' && text[end + 1] == '\n') ? end + 2 : end + 1;
    c.store.caretColumn = 1 + (caret > afterEnd ? caret - afterEnd : 0);
  }

  int x = ClampToInt(c.widths.Width(text + start, caret - start)) - c.hScroll;
  int y = RowY(c, line);
  if (scrollHorizontally) {
    int oldScroll = c.hScroll;
    if (x > c.textWidth) {
      c.hScroll += x - c.textWidth + kHScrollMargin;
      x = c.textWidth - kHScrollMargin;
    } else if (x < 0) {
      c.hScroll += x;
      x = 0;
    }
    if (c.hScroll != oldScroll) {
      Repaint(c);
      SendNotify(c, FVN_HSCROLLED);
    }
  }
  if (c.hasCaret) SetCaretPos(x, y);
}

std::int32_t OffsetAtPoint(Control& c, int x, int y) {
  long long line = static_cast<long long>(FloorDiv(y, c.lineHeight)) + FirstLine(c);
  if (line < 0) line = 0;
  if (line > LastLine(c)) return Length(c);
  std::int32_t start = 0, count = 0;
  if (!LineSpan(c, static_cast<std::int32_t>(line), &start, &count)) return Length(c);
  long long target = static_cast<long long>(x) + c.hScroll;
  if (target > 0x7FFFFFFF) target = 0x7FFFFFFF;
  return start + c.widths.IndexAtX(Text(c) + start, count, static_cast<std::int32_t>(target));
}

bool LineSpan(Control& c, std::int32_t line, std::int32_t* start, std::int32_t* length) {
  std::int32_t s = c.lines.StartOf(Text(c), Length(c), line);
  if (s < 0) return false;
  *start = s;
  *length = EndOfLine(Text(c), Length(c), s) - s;
  return true;
}

void Repaint(Control& c) { InvalidateRect(c.window, nullptr, TRUE); }

void ShowEdit(Control& c) {
  PlaceCaret(c, true);
  if (ScrollToCaret(c)) PlaceCaret(c, true);
  Repaint(c);
  NotifyChange(c);
}

void RepaintLines(Control& c, std::int32_t first, bool toBottom) {
  RECT client{};
  GetClientRect(c.window, &client);
  long long row = static_cast<long long>(first) - FirstLine(c);
  if (row < 0) row = 0;
  long long top = row * c.lineHeight;
  if (top >= client.bottom) return;
  long long bottom = toBottom ? client.bottom : top + c.lineHeight;
  if (bottom > client.bottom) bottom = client.bottom;
  RECT rows{0, static_cast<LONG>(top), client.right, static_cast<LONG>(bottom)};
  InvalidateRect(c.window, &rows, TRUE);
}

void UpdateScrollRange(Control& c) {
  if (c.bar.window == nullptr) return;
  std::int32_t maximum = LastLine(c);
  if (c.bar.slider) {
    if (maximum != c.bar.rangeMax) SetBarRange(c.bar, maximum);
    if (c.visibleRows != c.bar.ratio) SetBarRatio(c.bar, c.visibleRows);
  } else if (maximum != c.bar.rangeMax) {
    SetScrollRange(c.bar.window, SB_CTL, 0, maximum, TRUE);
  }
  c.bar.rangeMax = maximum;
  c.bar.ratio = c.visibleRows;
}

void UpdateScrollPos(Control& c) {
  if (c.bar.window == nullptr || FirstLine(c) == c.bar.position) return;
  if (c.bar.slider) {
    SetBarPos(c.bar, FirstLine(c));
  } else {
    SetScrollPos(c.bar.window, SB_CTL, FirstLine(c), TRUE);
  }
  c.bar.position = FirstLine(c);
}

bool MoveFirstLine(Control& c, std::int32_t line) {
  if (line < 0) line = 0;
  if (line > LastLine(c)) line = LastLine(c);
  if (line == FirstLine(c)) return false;
  c.lines.SetFirstLine(Text(c), Length(c), line);
  UpdateScrollPos(c);
  return true;
}

bool ScrollToCaret(Control& c) {
  POINT p = CaretPoint(c);
  long long target = FirstLine(c);
  if (p.y < 0) {
    target += FloorDiv(p.y, c.lineHeight);
  } else if (p.y >= c.textHeight) {
    target += (p.y - c.textHeight) / c.lineHeight + 1;
  } else {
    return false;
  }
  if (target < 0) target = 0;
  return MoveFirstLine(c, static_cast<std::int32_t>(target > LastLine(c) ? LastLine(c) : target));
}

void MakeCaret(Control& c) {
  if (CreateCaret(c.window, nullptr, 2, c.lineHeight)) {
    ShowCaret(c.window);
    c.hasCaret = true;
  }
}

void DropCaret(Control& c) {
  if (!c.hasCaret) return;
  HideCaret(c.window);
  DestroyCaret();
  c.hasCaret = false;
}

}  // namespace folvex
