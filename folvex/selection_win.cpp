// Selection messages: setting and reading the selection, replacing it, indenting its lines.
#include "folvex/control_win.h"

#include <utility>

namespace folvex {

// (0, -1) selects everything; a start of -1 collapses the selection at the caret; otherwise the
// selection is the ordered pair (an end below 0 meaning the text's end, both kept within the
// text) with the caret at the larger value.
LRESULT OnSetSel(Control& c, LPARAM start, LPARAM end) {
  const std::int32_t length = Length(c);
  const auto s = static_cast<LONG>(start);
  const auto e = static_cast<LONG>(end);
  if (s == -1) {
    CollapseAt(c, c.store.caret);
  } else {
    std::int32_t from = s < 0 ? 0 : (s > length ? length : s);
    std::int32_t to = e < 0 ? length : (e > length ? length : e);
    if (from > to) std::swap(from, to);
    SelectSpan(c, from, to);
  }
  PlaceCaret(c, true);
  Repaint(c);
  PostNotify(c, FVN_CARETMOVED);
  return 0;
}

// Writes selStart and selEnd through the pointers that are not null; the result holds them in
// its low and high words (cut to 16 bits each, as for any edit control).
LRESULT OnGetSel(Control& c, WPARAM startOut, LPARAM endOut) {
  if (startOut != 0) *reinterpret_cast<DWORD*>(startOut) = static_cast<DWORD>(c.store.selStart);
  if (endOut != 0) *reinterpret_cast<DWORD*>(endOut) = static_cast<DWORD>(c.store.selEnd);
  return MAKELRESULT(static_cast<WORD>(c.store.selStart), static_cast<WORD>(c.store.selEnd));
}

LRESULT OnReplaceSel(Control& c, LPARAM text) {
  if (!Editable(c)) return 0;
  const char* replacement = text != 0 ? reinterpret_cast<const char*>(text) : "";
  DeleteSelection(c);
  std::int32_t caret = c.store.selStart;
  std::int32_t before = Length(c);
  if (InsertAt(c, caret, replacement) == kDone) caret += Length(c) - before;
  CollapseAt(c, caret);
  ShowEdit(c);
  return 0;
}

// Blanks beyond 15 are cut to 15 (the most one step indents). Returns 1 when the text changed.
LRESULT OnIndent(Control& c, WPARAM blanks, bool outdent) {
  if (!Editable(c)) return 0;
  int count = static_cast<int>(blanks);
  if (count <= 0) return 0;
  if (count > TextStore::kMaxIndent) count = TextStore::kMaxIndent;
  if (IndentLines(c, count, outdent) != 1) return 0;
  c.anchor = c.store.caret == c.store.selStart ? c.store.selEnd : c.store.selStart;
  c.movingEnd = c.store.caret;
  PlaceCaret(c, true);
  Repaint(c);
  PostNotify(c, EN_CHANGE);
  return 1;
}

}  // namespace folvex
