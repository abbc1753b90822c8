// Characters (WM_CHAR) on an editable control: typing, Backspace with the outdent rule, and Enter
// with auto-indent.
#include "folvex/control_win.h"

#include <string>

#include "folvex/textscan.h"

namespace folvex {

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }
bool AnyModifier() { return Down(VK_MENU) || Down(VK_CONTROL) || Down(VK_SHIFT); }
bool AutoIndent(const Control& c) { return (c.style & FVS_AUTOINDENT) != 0; }

// The codes of Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and Escape, and every other control code but Tab,
// Backspace and Enter: the keys that make them are commands, and their codes must not end up in a
// source as invisible bytes (Ctrl+Enter gives a lone LF, Ctrl+Backspace a DEL).
bool Ignored(unsigned char code) {
  if (code == '\t' || code == '\b' || code == '\r') return false;
  return code < 0x20 || code == 0x7F;
}

// The start of the line before the one starting at `lineStart` (which must not be 0).
std::int32_t PreviousLineStart(const char* text, std::int32_t length, std::int32_t lineStart) {
  std::int32_t end = lineStart - 1;
  if (text[end] == '\n' && end > 0 && text[end - 1] == '\r') --end;
  return StartOfLine(text, length, end);
}

// Outdent rule: Backspace right after the leading blanks (more than one) of the caret's line puts
// the line at the indentation of the nearest line above that is indented less. Lines holding
// nothing but blanks say nothing about indentation and are passed over: an empty line above would
// otherwise send every line below it back to the margin.
bool TryOutdent(Control& c) {
  const char* text = Text(c);
  const std::int32_t length = Length(c);
  const std::int32_t caret = c.store.caret;
  const std::int32_t lineStart = StartOfLine(text, length, caret);
  const std::int32_t blanks = Indentation(text, length, caret, nullptr, 0);
  if (caret - lineStart != blanks || blanks <= 1) return false;
  const std::int32_t width = c.widths.Width(text + lineStart, blanks);
  std::int32_t start = lineStart;
  while (start > 0) {
    start = PreviousLineStart(text, length, start);
    std::int32_t lineLength = EndOfLine(text, length, start) - start;
    std::int32_t indent = Indentation(text, length, start, nullptr, 0);
    if (indent >= lineLength) continue;
    if (c.widths.Width(text + start, indent) >= width) continue;
    std::string target(text + start, static_cast<std::size_t>(indent));
    if (DeleteAt(c, lineStart, blanks) != kDone) return false;
    if (!target.empty() && InsertAt(c, lineStart, target.c_str()) != kDone) indent = 0;
    CollapseAt(c, lineStart + indent);
    PostNotify(c, EN_CHANGE);
    return true;
  }
  return false;
}

void OnBackspace(Control& c) {
  if (DeleteSelection(c)) {
    PostNotify(c, EN_CHANGE);
    return;
  }
  if (AutoIndent(c) && TryOutdent(c)) return;
  std::int32_t caret = c.store.caret;
  if (caret == 0) return;
  const bool lineFeed = Text(c)[caret - 1] == '\n';
  if (DeleteAt(c, caret - 1, 1) != kDone) return;
  --caret;
  // The CR of a CR LF goes with its LF; a CR before any other byte stays.
  if (lineFeed && caret > 0 && Text(c)[caret - 1] == '\r' && DeleteAt(c, caret - 1, 1) == kDone) --caret;
  CollapseAt(c, caret);
  PostNotify(c, EN_CHANGE);
}

void OnEnter(Control& c) {
  DeleteSelection(c);
  std::int32_t caret = c.store.caret;
  char indent[kMaxAutoIndent + 1] = {};
  std::int32_t blanks = 0;
  if (AutoIndent(c)) {
    blanks = Indentation(Text(c), Length(c), caret, indent, sizeof indent);
    if (blanks > kMaxAutoIndent) blanks = kMaxAutoIndent;
  }
  if (InsertAt(c, caret, "\r\n") == kDone) {
    caret += 2;
    if (blanks > 0 && InsertAt(c, caret, indent) == kDone) caret += blanks;
  }
  CollapseAt(c, caret);
  PostNotify(c, EN_CHANGE);
}

void OnTyped(Control& c, unsigned char code) {
  bool changed = DeleteSelection(c);
  const char typed[2] = {static_cast<char>(code), '\0'};
  std::int32_t caret = c.store.caret;
  if (InsertAt(c, caret, typed) == kDone) {
    ++caret;
    changed = true;
  }
  CollapseAt(c, caret);
  if (changed) PostNotify(c, EN_CHANGE);
}

// What the view looked like before a character was handled, to repaint no more than it changed.
struct ViewBefore {
  std::int32_t firstLine, lastLine, caretLine, nextState;
  int hScroll;
  bool selected;
};

int NextLineState(Control& c, std::int32_t line) {
  if (!c.rowStates.Active() || line >= LastLine(c)) return -1;
  return c.rowStates.StateAt(Text(c), Length(c), line + 1, c.lines);
}

ViewBefore TakeView(Control& c) {
  std::int32_t caretLine = c.lines.LineOf(Text(c), Length(c), c.store.caret);
  return ViewBefore{FirstLine(c), LastLine(c), caretLine, NextLineState(c, caretLine), c.hScroll,
                    c.store.selStart < c.store.selEnd};
}

// A character changes its own row; the rows below change too when lines came or went, and for an
// owner-drawn control when the colouring carried to the next line may have changed (always, unless
// the row lexer shows it did not).
void RepaintAfterChar(Control& c, const ViewBefore& before) {
  if (before.selected || before.firstLine != FirstLine(c) || before.hScroll != c.hScroll) {
    Repaint(c);
    return;
  }
  std::int32_t line = before.caretLine < c.store.caretLine ? before.caretLine : c.store.caretLine;
  bool below = before.lastLine != LastLine(c);
  if (!below && (c.style & FVS_OWNERDRAW) != 0) {
    below = !c.rowStates.Active() || NextLineState(c, line) != before.nextState;
  }
  RepaintLines(c, line, below);
}

}  // namespace

// Every handled character ends with the caret placed and brought into view, a repaint and
// FVN_CARETMOVED: a caret typed past the last visible row must not vanish below the view.
LRESULT OnChar(Control& c, WPARAM wParam) {
  if (!Editable(c)) return 0;
  const auto code = static_cast<unsigned char>(wParam & 0xFF);
  if (Ignored(code)) return 0;
  const ViewBefore before = TakeView(c);
  if (code == '\b') {
    if (AnyModifier()) return 0;
    OnBackspace(c);
  } else if (code == '\r') {
    if (AnyModifier()) return 0;
    OnEnter(c);
  } else {
    OnTyped(c, code);
  }
  PlaceCaret(c, true);
  if (ScrollToCaret(c)) PlaceCaret(c, true);
  RepaintAfterChar(c, before);
  PostNotify(c, FVN_CARETMOVED);
  return 0;
}

}  // namespace folvex
