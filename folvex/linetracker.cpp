// Counting and finding lines from nearby known places, and moving those places with each edit.
#include "folvex/linetracker.h"

#include <cstdlib>

#include "folvex/textscan.h"

namespace folvex {

namespace {

// Counting runs over blocks of this many bytes; the fixed trip count lets the compiler vectorise.
constexpr std::int32_t kBlock = 64;

enum TopCase { kTopBefore = 0, kTopAfter = 1, kTopInside = 2 };

std::int32_t Clamp(std::int32_t value, std::int32_t low, std::int32_t high) {
  if (value < low) return low;
  if (value > high) return high;
  return value;
}

// 1 when byte i (i >= 1) is a counted line end: a CR, or an LF that does not follow a CR.
inline std::uint32_t CountsAt(const unsigned char* t, std::int32_t i) {
  const unsigned c = t[i];
  return static_cast<std::uint32_t>(c == '\r') |
         (static_cast<std::uint32_t>(c == '\n') & static_cast<std::uint32_t>(t[i - 1] != '\r'));
}

inline std::uint32_t CountsAtAny(const unsigned char* t, std::int32_t i) {
  if (i == 0) return static_cast<std::uint32_t>(t[0] == '\r' || t[0] == '\n');
  return CountsAt(t, i);
}

std::uint32_t EndsInBlock(const unsigned char* t, std::int32_t from) {
  std::uint32_t n = 0;
  for (std::int32_t j = 0; j < kBlock; ++j) n += CountsAt(t, from + j);
  return n;
}

// Counted line ends in [from, to), 0 <= from, to <= length.
std::int32_t CountEnds(const char* text, std::int32_t from, std::int32_t to) {
  if (from >= to) return 0;
  const auto* t = reinterpret_cast<const unsigned char*>(text);
  std::int32_t n = 0;
  std::int32_t i = from;
  if (i == 0) {
    n += static_cast<std::int32_t>(CountsAtAny(t, 0));
    i = 1;
  }
  for (; to - i >= kBlock; i += kBlock) n += static_cast<std::int32_t>(EndsInBlock(t, i));
  for (; i < to; ++i) n += static_cast<std::int32_t>(CountsAt(t, i));
  return n;
}

// The start of the line that follows the counted line end at `e`: after both bytes of a CR LF.
std::int32_t StartAfterEnd(const char* text, std::int32_t e) {
  return (text[e] == '\r' && text[e + 1] == '\n') ? e + 2 : e + 1;
}

// The start of line `line` (>= 1) found from `place` (line >= 1 and place.line known exact).
// Returns -1 when the text ends first, which a correct line count rules out.
std::int32_t StartFrom(const char* text, std::int32_t length, LinePlace place, std::int32_t line) {
  const auto* t = reinterpret_cast<const unsigned char*>(text);
  if (line == 0) return 0;
  if (line > place.line) {
    // Forward: the (line - place.line)-th counted end at or after place.offset.
    std::int32_t remaining = line - place.line;
    std::int32_t i = place.offset;
    if (i == 0) {
      if (CountsAtAny(t, 0) && --remaining == 0) return StartAfterEnd(text, 0);
      i = 1;
    }
    for (; length - i >= kBlock; i += kBlock) {
      std::int32_t n = static_cast<std::int32_t>(EndsInBlock(t, i));
      if (n >= remaining) break;
      remaining -= n;
    }
    for (; i < length; ++i) {
      if (CountsAt(t, i) && --remaining == 0) return StartAfterEnd(text, i);
    }
    return -1;
  }
  // Backward: the counted end e with (place.line - line + 1) counted ends in [e, place.offset).
  std::int32_t remaining = place.line - line + 1;
  std::int32_t i = place.offset;  // bytes below i are still to be looked at
  for (; i - kBlock >= 1; i -= kBlock) {
    std::int32_t n = static_cast<std::int32_t>(EndsInBlock(t, i - kBlock));
    if (n >= remaining) break;
    remaining -= n;
  }
  for (std::int32_t e = i - 1; e >= 0; --e) {
    if (CountsAtAny(t, e) && --remaining == 0) return StartAfterEnd(text, e);
  }
  return 0;
}

}  // namespace

std::int32_t LineEndsBetween(const char* text, std::int32_t length, std::int32_t from, std::int32_t to) {
  from = Clamp(from, 0, length);
  to = Clamp(to, 0, length);
  return CountEnds(text, from, to);
}

void LineTracker::Reset(const char* text, std::int32_t length, std::int32_t firstLine) {
  lastLine_ = CountLineEnds(text, length);
  top_ = LinePlace{0, 0};
  recent_ = LinePlace{0, 0};
  SetFirstLine(text, length, firstLine);
}

void LineTracker::SetFirstLine(const char* text, std::int32_t length, std::int32_t line) {
  line = Clamp(line, 0, lastLine_);
  if (line == top_.line) return;
  std::int32_t start = StartOf(text, length, line);
  top_ = LinePlace{start < 0 ? 0 : start, start < 0 ? 0 : line};
}

LinePlace LineTracker::NearestToLine(std::int32_t line, std::int32_t length) const {
  const LinePlace places[] = {LinePlace{0, 0}, top_, recent_, LinePlace{length, lastLine_}};
  LinePlace best = places[0];
  for (const LinePlace& p : places) {
    if (std::abs(p.line - line) < std::abs(best.line - line)) best = p;
  }
  return best;
}

LinePlace LineTracker::NearestToOffset(std::int32_t offset, std::int32_t length) const {
  const LinePlace places[] = {LinePlace{0, 0}, top_, recent_, LinePlace{length, lastLine_}};
  LinePlace best = places[0];
  for (const LinePlace& p : places) {
    if (std::abs(p.offset - offset) < std::abs(best.offset - offset)) best = p;
  }
  return best;
}

std::int32_t LineTracker::LineOf(const char* text, std::int32_t length, std::int32_t offset) {
  offset = Clamp(offset, 0, length);
  LinePlace from = NearestToOffset(offset, length);
  std::int32_t line = offset >= from.offset ? from.line + CountEnds(text, from.offset, offset)
                                             : from.line - CountEnds(text, offset, from.offset);
  recent_ = LinePlace{offset, line};
  return line;
}

std::int32_t LineTracker::StartOf(const char* text, std::int32_t length, std::int32_t line) {
  if (line < 0 || line > lastLine_) return -1;
  if (line == 0) return 0;
  std::int32_t start = StartFrom(text, length, NearestToLine(line, length), line);
  if (start >= 0) recent_ = LinePlace{start, line};
  return start;
}

LineTracker::PendingEdit LineTracker::BeforeEdit(const char* text, std::int32_t length, std::int32_t position,
                                                 std::int32_t removed) {
  PendingEdit edit{};
  edit.position = Clamp(position, 0, length);
  edit.removed = Clamp(removed, 0, length - edit.position);
  edit.line = LineOf(text, length, edit.position);
  std::int32_t windowEnd = edit.position + edit.removed + 1 < length ? edit.position + edit.removed + 1 : length;
  edit.endsBefore = CountEnds(text, edit.position, windowEnd);
  edit.topLine = top_.line;
  // Bytes before the position keep their meaning; the byte just after the removed ones may change
  // whether it counts (an LF whose CR went away), so a top up to that byte must be found again.
  if (top_.offset <= edit.position) {
    edit.topCase = kTopBefore;
  } else if (top_.offset >= edit.position + edit.removed + 1) {
    edit.topCase = kTopAfter;
  } else {
    edit.topCase = kTopInside;
  }
  return edit;
}

EditLines LineTracker::AfterEdit(const char* text, std::int32_t length, const PendingEdit& edit,
                                 std::int32_t inserted) {
  const std::int32_t position = edit.position;
  std::int32_t windowEnd = position + inserted + 1 < length ? position + inserted + 1 : length;
  std::int32_t endsAfter = CountEnds(text, position, windowEnd);
  std::int32_t delta = endsAfter - edit.endsBefore;
  lastLine_ += delta;
  recent_ = LinePlace{position, edit.line};
  switch (edit.topCase) {
    case kTopBefore:
      // An LF put right after the CR that ended the line above joins that line end: the top line
      // now starts one byte later.
      if (top_.offset == position && position > 0 && text[position - 1] == '\r' && text[position] == '\n') {
        top_.offset = position + 1;
      }
      break;
    case kTopAfter:
      top_.offset += inserted - edit.removed;
      top_.line += delta;
      break;
    default: {
      std::int32_t line = edit.topLine < lastLine_ ? edit.topLine : lastLine_;
      std::int32_t start = StartFrom(text, length, recent_, line);
      top_ = start < 0 ? LinePlace{0, 0} : LinePlace{start, line};
      break;
    }
  }
  return EditLines{edit.line, delta, edit.line + endsAfter};
}

}  // namespace folvex
