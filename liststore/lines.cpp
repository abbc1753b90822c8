// The lines of a list: adding, removing, moving, their status words, and sorting them.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"

#include <algorithm>
#include <cstring>

using namespace liststore::detail;

namespace {

constexpr std::uint32_t kNotWinner = 4;  // a line with this status bit is never chosen by a sort pass
constexpr std::uint32_t kChained = 8;    // the next line stays directly behind a line with this bit

// Moves the line at `from` to `to`; the lines between shift by one place.
void MoveLine(List& list, int from, int to) {
  auto first = list.lines.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else if (from > to)
    std::rotate(first + to, first + from, first + from + 1);
}

// Unsigned byte order; a text that is a prefix of a longer one comes first.
int Compare(const std::string& a, const std::string& b) {
  std::size_t common = a.size() < b.size() ? a.size() : b.size();
  int order = common ? std::memcmp(a.data(), b.data(), common) : 0;
  if (order != 0) return order;
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

const std::string& SortValue(const List& list, int line, int handle) {
  return ValueOf(*list.lines[line], handle);
}

// The line a sort pass moves to the end of the range 0..n-1. Ascending: the last line holding the
// greatest value; descending: the first line holding the smallest value. Lines with kNotWinner are
// passed over; when every line is, line 0 wins.
int PassWinner(const List& list, int n, int handle, bool ascending) {
  static const std::string empty;
  int winner = 0;
  const std::string* candidate = ascending ? &empty : &SortValue(list, 0, handle);
  for (int i = 0; i < n; ++i) {
    if (list.lines[i]->status & kNotWinner) continue;
    const std::string& value = SortValue(list, i, handle);
    int order = Compare(*candidate, value);
    if (ascending ? order <= 0 : order > 0) {
      winner = i;
      candidate = &value;
    }
  }
  return winner;
}

}  // namespace

int AddLine(int list) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  try {
    ReserveLines(*found, 1);
  } catch (...) {
    return 0;  // the line table cannot grow
  }
  return Guarded(kNoMemory, [&] {
    auto line = std::make_unique<Line>();
    line->fields.reserve(static_cast<std::size_t>(line->capacity));
    found->lines.push_back(std::move(line));  // cannot throw: room was reserved
    return found->LineCount();
  });
}

int DelLine(int list, int line) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  if (!found->HasLine(line)) return 0;
  found->lines.erase(found->lines.begin() + line);
  found->lineCapacity = ShrunkLineCapacity(found->LineCount());
  return 1;
}

int SetLineStatus(int list, int line, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  if (!found->HasLine(line)) return -1;
  std::uint32_t& status = found->lines[line]->status;
  std::uint32_t before = status & static_cast<std::uint32_t>(mask);
  status |= static_cast<std::uint32_t>(mask);
  return static_cast<int>(before);
}

int ResetLineStatus(int list, int line, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  if (!found->HasLine(line)) return -1;
  std::uint32_t& status = found->lines[line]->status;
  std::uint32_t before = status & static_cast<std::uint32_t>(mask);
  status &= ~static_cast<std::uint32_t>(mask);
  return static_cast<int>(before);
}

// A line past the end reads -1: every bit of any mask reads as set.
int IsLineStatus(int list, int line, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  if (!found->HasLine(line)) return -1;
  return static_cast<int>(found->lines[line]->status & static_cast<std::uint32_t>(mask));
}

int GetStatusLines(int list, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  int count = 0;
  for (const auto& line : found->lines) {
    if (line->status & static_cast<std::uint32_t>(mask)) ++count;
  }
  return count;
}

int GetLines(int list) {
  List* found = FindList(list);
  return found ? found->LineCount() : 0;
}

int SetLinePosition(int list, int from, int to) {
  List* found = FindList(list);
  if (!found) return 0;
  if (!found->HasLine(from) || !found->HasLine(to)) return -1;
  MoveLine(*found, from, to);
  return to;
}

// Sorting works in passes over a shrinking range 0..n-1: each pass moves its winner to n-1, and
// when that line carries kChained, the lines chained behind it follow it there in their order.
// Ascending keeps equal values in their previous order; descending reverses equal values. The work
// is quadratic in the number of lines, which suits the small lists this store holds.
int Sort(int list, const char* column, int direction) {
  List* found = FindList(list);
  if (!found) return 0;
  int handle = FindColumnHandle(column);
  if (found->ColumnPosition(handle) < 0) return 0;
  bool ascending = direction > 0;
  int n = found->LineCount();
  while (n > 1) {
    int winner = PassWinner(*found, n, handle, ascending);
    if (winner == n - 1) {
      --n;
      continue;
    }
    MoveLine(*found, winner, n - 1);
    int moved = 1;
    while ((found->lines[n - 1]->status & kChained) && winner < n - moved) {
      MoveLine(*found, winner, n - 1);
      ++moved;
    }
    n -= moved;
  }
  return 0;
}
