// Copying and moving headings, lines and whole lists from one list to another.
//
// A list given as both target and source is left as it is where the plain order of steps (empty
// the target, then copy from the source) would have emptied it.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"

#include <algorithm>

using namespace liststore::detail;

namespace {

bool Selected(const Line& line, int mask) { return (line.status & static_cast<std::uint32_t>(mask)) != 0; }

int CountSelected(const List& list, int mask) {
  int count = 0;
  for (const auto& line : list.lines) {
    if (Selected(*line, mask)) ++count;
  }
  return count;
}

void CopyColumnSet(List& target, const List& source) {
  std::copy(source.columnHandles, source.columnHandles + kColumnSlots, target.columnHandles);
  std::copy(source.columnStatus, source.columnStatus + kColumnSlots, target.columnStatus);
  target.columnCount = source.columnCount;
}

}  // namespace

int CopyHeadings(int target, int source) {
  List* to = FindList(target);
  List* from = FindList(source);
  if (!to || !from) return 0;
  int count = static_cast<int>(from->headings.fields.size());
  if (to == from) return count;
  return Guarded(kNoMemory, [&] {
    FieldCollection copy = from->headings;  // made whole before the target changes
    to->headings = std::move(copy);
    return count;
  });
}

// When memory runs out partway, the lines copied so far stay and their count is returned.
int CopyStatusLines(int target, int source, int mask) {
  List* to = FindList(target);
  List* from = FindList(source);
  if (!to || !from) return 0;
  int selected = CountSelected(*from, mask);
  try {
    ReserveLines(*to, selected);
  } catch (...) {
    return 0;  // the target's line table cannot grow
  }
  int sourceLines = from->LineCount();  // the target may be the source: copies are not re-read
  int copied = 0;
  for (int i = 0; i < sourceLines; ++i) {
    if (!Selected(*from->lines[i], mask)) continue;
    try {
      to->lines.push_back(std::make_unique<Line>(*from->lines[i]));
    } catch (...) {
      break;
    }
    ++copied;
  }
  return copied;
}

int MoveStatusLines(int target, int source, int mask) {
  List* to = FindList(target);
  List* from = FindList(source);
  if (!to || !from) return 0;
  int selected = CountSelected(*from, mask);
  if (to == from) {
    std::stable_partition(from->lines.begin(), from->lines.end(),
                          [mask](const std::unique_ptr<Line>& line) { return !Selected(*line, mask); });
    return selected;
  }
  std::vector<std::unique_ptr<Line>> rest;
  try {
    ReserveLines(*to, selected);
    rest.reserve(static_cast<std::size_t>(from->LineCount() - selected));
  } catch (...) {
    return 0;
  }
  for (auto& line : from->lines) {
    if (Selected(*line, mask))
      to->lines.push_back(std::move(line));
    else
      rest.push_back(std::move(line));
  }
  from->lines = std::move(rest);
  from->lineCapacity = ShrunkLineCapacity(from->LineCount());
  return selected;
}

// When memory runs out partway, the target keeps the lines copied so far and gets their count.
int CopyList(int target, int source) {
  List* to = FindList(target);
  List* from = FindList(source);
  if (!to || !from) return 0;
  if (to == from) return from->LineCount();
  std::vector<std::unique_ptr<Line>> copies;
  try {
    copies.reserve(static_cast<std::size_t>(std::max(from->lineCapacity, from->LineCount())));
  } catch (...) {
    return 0;
  }
  for (const auto& line : from->lines) {
    try {
      copies.push_back(std::make_unique<Line>(*line));
    } catch (...) {
      break;
    }
  }
  to->lines = std::move(copies);
  to->lineCapacity = from->lineCapacity;
  CopyColumnSet(*to, *from);
  return to->LineCount();
}

int MoveList(int target, int source) {
  List* to = FindList(target);
  List* from = FindList(source);
  if (!to || !from) return 0;
  if (to == from) return from->LineCount();
  int moved = from->LineCount();
  to->lines = std::move(from->lines);
  to->lineCapacity = from->lineCapacity;
  CopyColumnSet(*to, *from);
  from->lines = std::vector<std::unique_ptr<Line>>();
  from->lineCapacity = ShrunkLineCapacity(0);
  from->columnCount = 0;
  return moved;
}
