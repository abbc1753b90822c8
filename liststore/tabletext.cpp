// The table text: a list's values under its declared columns, one TAB-separated row per line.
//
// No names, title or statuses travel. A line's non-empty unnamed-column value goes on a row of its
// own before the line's row, and so reads back as a line of its own.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"
#include "liststore/textscan.h"

#include <cstring>

using namespace liststore::detail;

namespace {

// Reads rows until the zero byte or a row without CR; text after the last CR is not read.
// Throws std::bad_alloc when memory runs out, keeping the lines read so far.
int ReadTable(List& list, const char* text) {
  std::vector<int> columns(list.columnHandles, list.columnHandles + list.columnCount);
  const char* row = text;
  int rows = 0;
  while (*row != 0) {
    std::size_t length = RowLength(row);
    if (length == 0) break;
    ReserveLines(list, 1);
    list.lines.push_back(std::make_unique<Line>());
    Line& line = *list.lines.back();
    const char* cell = row;
    for (int handle : columns) {
      std::size_t cellLength = CellLength(cell);
      if (cellLength == 0) break;
      line.Put(handle, CopyCell(cell, kFieldValueChars).c_str());
      cell += cellLength;
    }
    row += length;
    ++rows;
  }
  return rows;
}

}  // namespace

namespace liststore {

std::string TableText(int list) {
  List* found = FindList(list);
  if (!found) return std::string();
  int unnamed = FindColumnHandle("");
  std::string out;
  for (const auto& line : found->lines) {
    const std::string& own = ValueOf(*line, unnamed);
    if (!own.empty()) {
      out += own;
      out += "\r\n";
    }
    for (int i = 0; i < found->columnCount; ++i) {
      if (i > 0) out += '\t';
      out += ValueOf(*line, found->columnHandles[i]);
    }
    out += "\r\n";
  }
  return out;
}

// One byte more than the text: the zero that the caller puts after it by zero-filling the buffer.
std::size_t TableTextCapacity(int list) {
  if (!FindList(list)) return 0;
  return TableText(list).size() + 1;
}

}  // namespace liststore

// Writes no terminating zero: the buffer of TableTextCapacity(list) bytes must be zero-filled.
int WriteListTable(int list, char* buffer) {
  List* found = FindList(list);
  if (!found || !buffer) return kInvalid;
  return Guarded(kNoMemory, [&] {
    std::string text = liststore::TableText(list);
    std::memcpy(buffer, text.data(), text.size());
    return found->LineCount();
  });
}

// Cells are stored under the declared columns in order; extra cells are ignored and a short row
// leaves the remaining fields absent. Returns the rows read, -10 for an invalid list, -1 when memory
// runs out. A null text reads as the empty text.
int ReadListTable(int list, const char* text) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  return Guarded(kNoMemory, [&] { return ReadTable(*found, text ? text : ""); });
}
