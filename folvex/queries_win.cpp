// Questions hosts ask: lines, lengths, the caret, the text and parts of it copied into buffers.
#include "folvex/control_win.h"

#include <cstring>

#include "folvex/textscan.h"

namespace folvex {

namespace {

// A host may have written into the text block it got with EM_GETHANDLE; when the terminator moved,
// everything counted from the text is counted anew.
std::int32_t MeasuredLength(Control& c) {
  std::int32_t before = Length(c);
  if (c.store.Measure() != before) Recount(c);
  return Length(c);
}

// The limit of a copy: -1 (or any negative value) means none.
std::int32_t Limited(std::int32_t count, WPARAM max) {
  auto limit = static_cast<LONG>(max);
  if (limit < 0) return count;
  return count < limit ? count : limit;
}

std::int32_t CopyBytes(Control& c, std::int32_t from, std::int32_t count, char* out) {
  if (out == nullptr || count <= 0) return 0;
  return c.store.CopyOut(from, count, out, count);
}

LRESULT OnSetRowLexer(Control& c, LPARAM setup) {
  const auto* s = reinterpret_cast<const FolvexRowLexerSetup*>(setup);
  if (s == nullptr || s->lexer == nullptr) {
    c.rowStates.SetLexer(nullptr, nullptr, 0);
  } else {
    c.rowStates.SetLexer(s->lexer, s->context, s->firstState);
  }
  return 0;
}

LRESULT RowState(Control& c, WPARAM line) {
  auto l = static_cast<LONG>(line);
  return c.rowStates.StateAt(Text(c), Length(c), l == -1 ? FirstLine(c) : l, c.lines);
}

LRESULT LineLengthAt(Control& c, std::int32_t offset) { return LineLength(Text(c), Length(c), offset); }

LRESULT OnGetRect(Control& c, LPARAM rect) {
  if (rect != 0) *reinterpret_cast<RECT*>(rect) = RECT{0, 0, c.textWidth, c.textHeight};
  return 0;
}

LRESULT OnMaxWidth(Control& c) {
  c.maxWidth = c.lineWidths.Widest(Text(c), Length(c), c.lines, c.widths);
  return c.maxWidth;
}

LRESULT OnRecount(Control& c) {
  Recount(c);
  UpdateScrollRange(c);
  return LastLine(c);
}

LRESULT OnRemeasure(Control& c) {
  Remeasure(c);
  Recount(c);
  UpdateScrollRange(c);
  return c.lineHeight;
}

LRESULT OnLineIndex(Control& c, WPARAM line) { return c.lines.StartOf(Text(c), Length(c), static_cast<LONG>(line)); }

LRESULT OnWordLength(Control& c) {
  const char* text = Text(c);
  return WordEnd(text, Length(c), c.store.caret) - WordStart(text, Length(c), c.store.caret);
}

}  // namespace

LRESULT OnQuery(Control& c, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETTEXTLENGTH: return MeasuredLength(c);
    case EM_GETRECT: return OnGetRect(c, lParam);
    case EM_GETMODIFY: return c.store.modified;
    case EM_SETMODIFY: c.store.modified = wParam != 0 ? 1 : 0; return 0;
    case EM_GETLINECOUNT: return LastLine(c);
    case EM_LINEINDEX: return OnLineIndex(c, wParam);
    case EM_LINELENGTH: return LineLengthAt(c, static_cast<LONG>(wParam));
    case EM_GETHANDLE: return reinterpret_cast<LRESULT>(BlockHandle(c.store.BlockData()));
    case EM_CANUNDO: return wParam == 0 ? c.store.CanUndo() : c.store.CanRedo();
    case EM_LINEFROMCHAR: return c.lines.LineOf(Text(c), Length(c), static_cast<LONG>(wParam));
    case EM_GETFIRSTVISIBLELINE: case FVM_GETFIRSTLINE: return FirstLine(c);
    case FVM_GETWORDLENGTH: return OnWordLength(c);
    case FVM_GETLINELENGTH: return LineLengthAt(c, c.store.caret);
    case FVM_GETSELLENGTH: return c.store.selEnd - c.store.selStart;
    case FVM_GETCARETLINE: return c.store.caretLine;
    case FVM_GETCARETCOLUMN: return c.store.caretColumn;
    case FVM_GETHSCROLL: return c.hScroll;
    case FVM_GETMAXWIDTH: return OnMaxWidth(c);
    case FVM_GETCARET: return c.store.caret;
    case FVM_RECOUNT: return OnRecount(c);
    case FVM_REMEASURE: return OnRemeasure(c);
    case FVM_SETROWLEXER: return OnSetRowLexer(c, lParam);
    case FVM_GETROWSTATE: return RowState(c, wParam);
    default: return 0;
  }
}

// Copies min(size, length) bytes and no terminator; returns the count.
LRESULT OnGetText(Control& c, WPARAM size, LPARAM buffer) {
  std::int32_t length = MeasuredLength(c);
  if (buffer == 0) return 0;
  std::int32_t count = size < static_cast<WPARAM>(length) ? static_cast<std::int32_t>(size) : length;
  return CopyBytes(c, 0, count, reinterpret_cast<char*>(buffer));
}

// The line's bytes without its line end and without a terminator. The buffer's first word holds its
// capacity, as for any edit control: a line longer than the buffer is cut, never written past it.
LRESULT OnGetLine(Control& c, WPARAM line, LPARAM buffer) {
  if (buffer == 0) return 0;
  std::int32_t start = 0, count = 0;
  if (!LineSpan(c, static_cast<LONG>(line), &start, &count)) return 0;
  WORD capacity = 0;
  std::memcpy(&capacity, reinterpret_cast<const void*>(buffer), sizeof capacity);
  if (count > capacity) count = capacity;
  return CopyBytes(c, start, count, reinterpret_cast<char*>(buffer));
}

// FVM_GETWORD, FVM_GETCURLINE, FVM_GETSELTEXT: at most `max` bytes (-1: no limit), no terminator.
// Each answers with the caret's distance from the start of the part.
LRESULT OnCopyPart(Control& c, UINT message, WPARAM max, LPARAM buffer) {
  const char* text = Text(c);
  const std::int32_t length = Length(c);
  const std::int32_t caret = c.store.caret;
  std::int32_t from = 0, to = 0;
  switch (message) {
    case FVM_GETWORD:
      from = WordStart(text, length, caret);
      to = WordEnd(text, length, caret);
      break;
    case FVM_GETCURLINE:
      from = StartOfLine(text, length, caret);
      to = EndOfLine(text, length, caret);
      break;
    default:
      from = c.store.selStart;
      to = c.store.selEnd;
      break;
  }
  CopyBytes(c, from, Limited(to - from, max), reinterpret_cast<char*>(buffer));
  return caret - from;
}

}  // namespace folvex
