// Per-line lexical states and widths, kept in step with the edits of the text.
#include "folvex/linecaches.h"

#include <algorithm>
#include <new>

#include "folvex/textscan.h"

namespace folvex {

namespace {

// Moves the values after line `edit.line` with the text: inserts or removes |lineDelta| entries
// right after it. Throws std::bad_alloc when an insertion cannot get memory.
template <class T>
void ShiftAfter(std::vector<T>& values, const EditLines& edit, T fill) {
  const std::size_t at = static_cast<std::size_t>(edit.line) + 1;
  if (values.size() <= at || edit.lineDelta == 0) return;
  if (edit.lineDelta > 0) {
    values.insert(values.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::size_t>(edit.lineDelta), fill);
  } else {
    std::size_t count = std::min(static_cast<std::size_t>(-edit.lineDelta), values.size() - at);
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(at),
                 values.begin() + static_cast<std::ptrdiff_t>(at + count));
  }
}

// Where a line index after an edit's first line moves to.
std::int32_t MovedLine(std::int32_t line, const EditLines& edit) {
  if (line <= edit.line) return line;
  return std::max(edit.line, line + edit.lineDelta);
}

std::int32_t RowWidth(const char* text, std::int32_t length, std::int32_t start, const TextWidths& widths) {
  return widths.Width(text + start, EndOfLine(text, length, start) - start);
}

}  // namespace

// ---- RowStateCache ----

void RowStateCache::SetLexer(RowLexer lexer, void* context, int firstState) {
  lexer_ = lexer;
  context_ = context;
  firstState_ = firstState;
  Clear();
}

void RowStateCache::Clear() {
  states_.clear();
  validCount_ = 0;
  computedEnd_ = 0;
  dirtyEnd_ = -1;
}

void RowStateCache::Drop() {
  Clear();
  states_.shrink_to_fit();
}

void RowStateCache::OnEdit(const EditLines& edit) {
  if (!Active() || states_.empty()) return;
  try {
    ShiftAfter(states_, edit, 0);
  } catch (const std::bad_alloc&) {
    Drop();
    return;
  }
  // The state at a line's start depends only on the lines above it, and the edit began on
  // edit.line: states up to and including that line's stay exact.
  // Entries from validCount_ on come from an older pass than the exact ones before them. Once the
  // exact ones become merely "once exact" too, the two runs could no longer be told apart, and a
  // match in the first could vouch for the second: keep only the first.
  if (validCount_ > edit.line + 1) {
    computedEnd_ = MovedLine(validCount_, edit);
    validCount_ = edit.line + 1;
  } else {
    computedEnd_ = MovedLine(computedEnd_, edit);
  }
  computedEnd_ = std::min(computedEnd_, static_cast<std::int32_t>(states_.size()));
  if (computedEnd_ < validCount_) computedEnd_ = validCount_;
  dirtyEnd_ = std::max(MovedLine(dirtyEnd_, edit), edit.lastTouched);
}

int RowStateCache::LexRow(const char* text, std::int32_t length, std::int32_t start, int state) const {
  return lexer_(context_, text + start, length - start, state);
}

int RowStateCache::StateWithoutCache(const char* text, std::int32_t length, std::int32_t line,
                                     LineTracker& lines) const {
  int state = firstState_;
  std::int32_t start = 0;
  for (std::int32_t k = 0; k < line && start >= 0; ++k) {
    state = LexRow(text, length, start, state);
    start = NextLineStart(text, length, start);
  }
  return state;
}

int RowStateCache::StateAt(const char* text, std::int32_t length, std::int32_t line, LineTracker& lines) {
  if (!Active() || line < 0 || line > lines.LastLine()) return -1;
  if (states_.size() < static_cast<std::size_t>(line) + 1) {
    try {
      states_.resize(static_cast<std::size_t>(line) + 1, 0);
    } catch (const std::bad_alloc&) {
      Drop();
      return StateWithoutCache(text, length, line, lines);
    }
  }
  if (validCount_ == 0) {
    states_[0] = firstState_;
    validCount_ = 1;
    computedEnd_ = std::max(computedEnd_, validCount_);
  }
  if (line < validCount_) return states_[line];

  std::int32_t k = validCount_ - 1;
  int state = states_[k];
  std::int32_t start = lines.StartOf(text, length, k);
  while (k < line && start >= 0) {
    state = LexRow(text, length, start, state);
    start = NextLineStart(text, length, start);
    ++k;
    if (k > dirtyEnd_ && k < computedEnd_ && states_[k] == state) {
      // Past every edit the states agree again: the old ones beyond are right as they stand.
      validCount_ = computedEnd_;
      dirtyEnd_ = -1;
      if (line < validCount_) return states_[line];
      k = validCount_ - 1;
      state = states_[k];
      start = lines.StartOf(text, length, k);
      continue;
    }
    states_[k] = state;
    validCount_ = k + 1;
    if (computedEnd_ < validCount_) computedEnd_ = validCount_;
  }
  if (validCount_ >= computedEnd_) dirtyEnd_ = -1;
  return state;
}

// ---- LineWidthCache ----

void LineWidthCache::Clear() {
  widths_.clear();
  allUnknown_ = true;
  dirtyFirst_ = 0;
  dirtyLast_ = -1;
}

void LineWidthCache::OnEdit(const EditLines& edit) {
  if (allUnknown_) return;
  try {
    ShiftAfter(widths_, edit, -1);
  } catch (const std::bad_alloc&) {
    Clear();
    return;
  }
  if (dirtyLast_ < dirtyFirst_) {
    dirtyFirst_ = edit.line;
    dirtyLast_ = edit.lastTouched;
  } else {
    dirtyFirst_ = std::min(MovedLine(dirtyFirst_, edit), edit.line);
    dirtyLast_ = std::max(MovedLine(dirtyLast_, edit), edit.lastTouched);
  }
}

std::int32_t LineWidthCache::WidestWithoutCache(const char* text, std::int32_t length,
                                                const TextWidths& widths) const {
  std::int32_t widest = 0;
  for (std::int32_t start = 0; start >= 0; start = NextLineStart(text, length, start)) {
    widest = std::max(widest, RowWidth(text, length, start, widths));
  }
  return widest;
}

std::int32_t LineWidthCache::Widest(const char* text, std::int32_t length, LineTracker& lines,
                                    const TextWidths& widths) {
  const std::size_t lineCount = static_cast<std::size_t>(lines.LastLine()) + 1;
  if (!allUnknown_ && widths_.size() != lineCount) Clear();
  if (allUnknown_) {
    try {
      widths_.assign(lineCount, -1);
    } catch (const std::bad_alloc&) {
      Clear();
      return WidestWithoutCache(text, length, widths);
    }
    allUnknown_ = false;
    dirtyFirst_ = 0;
    dirtyLast_ = static_cast<std::int32_t>(lineCount) - 1;
  }
  if (dirtyLast_ >= dirtyFirst_) {
    std::int32_t first = std::max<std::int32_t>(dirtyFirst_, 0);
    std::int32_t last = std::min<std::int32_t>(dirtyLast_, static_cast<std::int32_t>(lineCount) - 1);
    std::int32_t start = lines.StartOf(text, length, first);
    for (std::int32_t k = first; k <= last && start >= 0; ++k) {
      widths_[static_cast<std::size_t>(k)] = RowWidth(text, length, start, widths);
      start = NextLineStart(text, length, start);
    }
    dirtyFirst_ = 0;
    dirtyLast_ = -1;
  }
  std::int32_t widest = 0;
  for (std::int32_t w : widths_) widest = std::max(widest, w);
  return widest;
}

}  // namespace folvex
