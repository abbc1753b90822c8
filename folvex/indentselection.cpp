// Indenting and outdenting the lines of the selection, in one pass over the text.
//
// Each changed line is one undo step, as if the lines had been edited one after another from the
// first. Editing them one by one would move the rest of the text once per line; instead the text is
// moved once, and of the per-line steps only the ones the history can keep are recorded: recording
// the last kKeptSteps of them leaves the history exactly as recording all of them would.
#include <cstring>
#include <utility>

#include "folvex/textscan.h"
#include "folvex/textstore.h"

namespace folvex {

namespace {

constexpr std::int32_t kKept = UndoHistory::kKeptSteps;

struct LineStep {
  std::int32_t position;  // where the blanks go in (or come out), in the text as it was at that step
  std::int32_t count;
  EditPoints before;
  char blanks[TextStore::kMaxIndent];
};

// The last kKept line steps, oldest first when read from First().
class RecentSteps {
 public:
  void Add(const LineStep& step) {
    ring_[(first_ + size_) % kKept] = step;
    if (size_ < kKept) {
      ++size_;
    } else {
      first_ = (first_ + 1) % kKept;
    }
  }
  std::int32_t Size() const { return size_; }
  const LineStep& At(std::int32_t i) const { return ring_[(first_ + i) % kKept]; }

 private:
  LineStep ring_[kKept];
  std::int32_t first_ = 0;
  std::int32_t size_ = 0;
};

void MoveForInsert(std::int32_t& point, std::int32_t at, std::int32_t count) {
  if (point >= at) point += count;
}

void MoveForRemove(std::int32_t& point, std::int32_t at, std::int32_t count) {
  if (point > at) point -= (point - at < count ? point - at : count);
}

void MoveAll(EditPoints& points, std::int32_t at, std::int32_t count, bool insert) {
  auto move = insert ? MoveForInsert : MoveForRemove;
  move(points.caret, at, count);
  move(points.selStart, at, count);
  move(points.selEnd, at, count);
}

std::int32_t Limit(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value < low ? low : (value > high ? high : value);
}

// Start of the line before the one starting at `lineStart` (> 0), stepping back over the line end
// that is really there.
std::int32_t PreviousLineStart(const char* text, std::int32_t length, std::int32_t lineStart) {
  std::int32_t end = lineStart - 1;
  if (text[end] == '\n' && end > 0 && text[end - 1] == '\r') --end;
  return StartOfLine(text, length, end);
}

}  // namespace

int TextStore::IndentSelection(std::int32_t blanks) {
  std::int32_t n = Limit(blanks, 0, kMaxIndent);
  const char* t = Text();
  EditPoints points{Limit(caret, 0, length_), Limit(selStart, 0, length_), Limit(selEnd, 0, length_)};
  if (points.selStart >= points.selEnd || n == 0) return 0;
  const std::int32_t selectionEnd = points.selEnd;

  // Pass 1: the lines, and for each the step it would record.
  RecentSteps recent;
  std::int64_t lines = 0;
  std::int32_t lineStart = StartOfLine(t, length_, points.selStart);
  std::int32_t lastStart = lineStart;
  for (;;) {
    LineStep step{static_cast<std::int32_t>(lineStart + lines * n), n, points, {}};
    recent.Add(step);
    MoveAll(points, step.position, n, true);
    ++lines;
    lastStart = lineStart;
    std::int32_t next = NextLineStart(t, length_, lineStart);
    if (next < 0 || next >= selectionEnd) break;
    lineStart = next;
  }

  std::int64_t growth = lines * n;
  std::int64_t newLength = length_ + growth;
  if (newLength > INT32_MAX - kGrowthSpare) return kNoMemory;
  if (Recording() && !history_.Reserve(static_cast<std::int64_t>(recent.Size()) * n)) return kNoMemory;
  if (Capacity() < newLength + kMinimumSpare) {
    Block grown = Block::Allocate(*allocator_, newLength + kGrowthSpare);
    if (grown.Empty()) return kNoMemory;
    std::memcpy(grown.Data(), block_.Data(), static_cast<std::size_t>(length_) + 1);
    block_ = std::move(grown);
  }

  if (Recording()) {
    char spaces[kMaxIndent];
    std::memset(spaces, ' ', sizeof spaces);
    for (std::int32_t i = 0; i < recent.Size(); ++i) {
      const LineStep& step = recent.At(i);
      history_.Record(kStepInsert, step.position, spaces, n, step.before);
    }
  }

  // Pass 2, from the last line back: each line and everything after it moves up by the blanks of
  // the lines up to it, so every byte moves once.
  char* w = block_.Data();
  std::int32_t end = length_ + 1;
  lineStart = lastStart;
  for (std::int64_t i = lines - 1; i >= 0; --i) {
    std::memmove(w + lineStart + (i + 1) * n, w + lineStart, static_cast<std::size_t>(end - lineStart));
    std::memset(w + lineStart + i * n, ' ', static_cast<std::size_t>(n));
    end = lineStart;
    if (i > 0) lineStart = PreviousLineStart(w, length_, lineStart);
  }
  length_ = static_cast<std::int32_t>(newLength);
  modified = 1;
  SetPoints(points);
  return 1;
}

int TextStore::OutdentSelection(std::int32_t blanks) {
  std::int32_t n = Limit(blanks, 0, kMaxIndent);
  EditPoints points{Limit(caret, 0, length_), Limit(selStart, 0, length_), Limit(selEnd, 0, length_)};
  if (points.selStart >= points.selEnd || n == 0) return 0;
  const std::int32_t selectionEnd = points.selEnd;
  // Room for the bytes of every step the history can keep, before anything changes.
  if (Recording() && !history_.Reserve(static_cast<std::int64_t>(kKept) * n)) return kNoMemory;

  // One pass: each line's leading blanks are dropped while the rest slides down over them. Reading
  // stays ahead of writing, so every line is examined before it is overwritten.
  char* t = block_.Data();
  RecentSteps recent;
  std::int32_t removed = 0;
  std::int32_t lineStart = StartOfLine(Text(), length_, points.selStart);
  for (;;) {
    std::int32_t count = 0;
    while (count < n && lineStart + count < length_ && IsBlank(t[lineStart + count])) ++count;
    std::int32_t next = NextLineStart(t, length_, lineStart);
    bool last = next < 0 || next >= selectionEnd;
    if (count > 0) {
      LineStep step{lineStart - removed, count, points, {}};
      std::memcpy(step.blanks, t + lineStart, static_cast<std::size_t>(count));
      recent.Add(step);
      MoveAll(points, step.position, count, false);
    }
    std::int32_t from = lineStart + count;
    std::int32_t to = last ? length_ + 1 : next;
    removed += count;
    if (removed > 0) std::memmove(t + from - removed, t + from, static_cast<std::size_t>(to - from));
    if (last) break;
    lineStart = next;
  }
  if (removed == 0) return 0;

  if (Recording()) {
    for (std::int32_t i = 0; i < recent.Size(); ++i) {
      const LineStep& step = recent.At(i);
      history_.Record(kStepDelete, step.position, step.blanks, step.count, step.before);
    }
  }
  length_ -= removed;
  modified = 1;
  SetPoints(points);
  ShrinkIfIdle();
  return 1;
}

}  // namespace folvex
