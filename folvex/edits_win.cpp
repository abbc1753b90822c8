// Every change of the control's text: the store edit plus the bookkeeping that keeps the line
// count, the view's top and the per-line caches true without rescanning the text.
#include "folvex/control_win.h"

#include <string>

#include "folvex/textscan.h"

namespace folvex {

namespace {

void AfterEdit(Control& c, const LineTracker::PendingEdit& pending, std::int32_t inserted) {
  ++c.editCount;
  EditLines lines = c.lines.AfterEdit(Text(c), Length(c), pending, inserted);
  c.rowStates.OnEdit(lines);
  c.lineWidths.OnEdit(lines);
  c.store.lastLine = c.lines.LastLine();
  // Both only talk to the bar when its range or position really changed.
  UpdateScrollRange(c);
  UpdateScrollPos(c);
}

std::int32_t Moved(std::int32_t point, std::int32_t from, std::int32_t end, std::int32_t removed) {
  if (point >= end) return point - removed;
  if (point > from) return from;
  return point;
}

// Applies the next undo or redo step. The step tells where the text changes; it is copied first
// because applying it moves the history.
int ReplayStep(Control& c, bool undo) {
  const UndoRecord* next = undo ? c.store.History().NextUndo() : c.store.History().NextRedo();
  if (next == nullptr) return 0;
  UndoRecord step = *next;
  bool removes = step.kind == (undo ? kStepInsert : kStepDelete);
  LineTracker::PendingEdit pending =
      c.lines.BeforeEdit(Text(c), Length(c), step.position, removes ? step.count : 0);
  int result = undo ? c.store.Undo() : c.store.Redo();
  if (result == 1) AfterEdit(c, pending, removes ? 0 : step.count);
  return result;
}

}  // namespace

int InsertAt(Control& c, std::int32_t position, const char* text) {
  std::int32_t before = Length(c);
  LineTracker::PendingEdit pending = c.lines.BeforeEdit(Text(c), before, position, 0);
  int result = c.store.Insert(text, position);
  if (result == kDone) AfterEdit(c, pending, Length(c) - before);
  return result;
}

int DeleteAt(Control& c, std::int32_t position, std::int32_t count, char* out, std::int32_t outCapacity) {
  LineTracker::PendingEdit pending = c.lines.BeforeEdit(Text(c), Length(c), position, count);
  int result = c.store.Delete(position, count, out, outCapacity);
  if (result == kDone) AfterEdit(c, pending, 0);
  return result;
}

int UndoStep(Control& c) { return ReplayStep(c, true); }

int RedoStep(Control& c) { return ReplayStep(c, false); }

// Indenting touches many lines at once; it is rare, so the lines are simply counted anew. Taking
// blanks away can join a lone CR with the LF after a blank line, so even the count may change.
int IndentLines(Control& c, int blanks, bool outdent) {
  std::int32_t first = c.lines.LineOf(Text(c), Length(c), c.store.selStart);
  std::int32_t last = c.lines.LineOf(Text(c), Length(c), c.store.selEnd);
  std::int32_t lastLineBefore = LastLine(c);
  int result = outdent ? c.store.OutdentSelection(blanks) : c.store.IndentSelection(blanks);
  if (result != 1) return result;
  ++c.editCount;
  c.lines.Reset(Text(c), Length(c), FirstLine(c));
  c.store.lastLine = LastLine(c);
  UpdateScrollRange(c);
  UpdateScrollPos(c);
  if (LastLine(c) != lastLineBefore) {
    c.rowStates.Clear();
    c.lineWidths.Clear();
  } else {
    c.rowStates.OnEdit(EditLines{first, 0, last});
    c.lineWidths.OnEdit(EditLines{first, 0, last});
  }
  return result;
}

void Recount(Control& c) {
  ++c.editCount;
  c.lines.Reset(Text(c), Length(c), FirstLine(c));
  c.store.lastLine = LastLine(c);
  c.rowStates.Clear();
  c.lineWidths.Clear();
  UpdateScrollRange(c);
  UpdateScrollPos(c);
}

bool DeleteSelection(Control& c) {
  std::int32_t start = c.store.selStart;
  std::int32_t end = c.store.selEnd;
  if (start >= end) return false;
  if (DeleteAt(c, start, end - start) != kDone) return false;
  CollapseAt(c, start);
  return true;
}

void CollapseAt(Control& c, std::int32_t offset) {
  c.store.caret = c.store.selStart = c.store.selEnd = offset;
  c.anchor = c.movingEnd = offset;
}

void SelectSpan(Control& c, std::int32_t anchor, std::int32_t caret) {
  c.store.selStart = anchor < caret ? anchor : caret;
  c.store.selEnd = anchor < caret ? caret : anchor;
  c.store.caret = caret;
  c.anchor = anchor;
  c.movingEnd = caret;
}

std::int32_t DeleteTrailingBlanks(Control& c) {
  if (!Editable(c)) return 0;
  std::int32_t caret = c.store.caret;
  std::int32_t count = TrailingBlanks(Text(c), Length(c), caret);
  if (count == 0) return 0;
  std::int32_t end = EndOfLine(Text(c), Length(c), caret);
  std::int32_t from = end - count;
  if (DeleteAt(c, from, count) != kDone) return 0;
  c.store.caret = Moved(c.store.caret, from, end, count);
  c.store.selStart = Moved(c.store.selStart, from, end, count);
  c.store.selEnd = Moved(c.store.selEnd, from, end, count);
  c.anchor = Moved(c.anchor, from, end, count);
  c.movingEnd = Moved(c.movingEnd, from, end, count);
  return count;
}

}  // namespace folvex
