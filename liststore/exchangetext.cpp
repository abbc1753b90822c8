// The exchange text: a whole list (title, headings, columns, fields, line statuses) as 8-bit text.
//
// Layout, every row ended by CR LF, cells separated by TAB:
//   "Heading", "TITLE" + title, one row per heading (name, value), an empty row;
//   "Column", the declared column names, the used column names, an empty row;
//   "Data", one row per line (declared values, used values, the unnamed column's value), an empty row;
//   "Status", one row per line holding its status AND 65535 in decimal.
// The writer follows the text with two zero bytes that no length counts. Nothing is escaped: values
// must not hold TAB, CR or LF.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"
#include "liststore/textscan.h"

#include <cstring>

using namespace liststore::detail;

namespace {

constexpr int kMissingKeyword = -6;
constexpr int kReadColumnCells = 32;  // declared names read back, one more than can be declared
constexpr std::size_t kMapNames = 64;  // declared and used names read back together
const char kLineEnd[] = "\r\n";

const std::string& NameOf(int handle) {
  static const std::string empty;
  const std::string* name = FindColumnName(handle);
  return name ? *name : empty;
}

// The global table's names, in table order, that are not declared in `list`, are not the unnamed
// column, and hold a non-empty value in at least one line.
std::vector<int> UsedColumns(const List& list) {
  std::vector<int> filled;
  for (const auto& line : list.lines) {
    for (const Field& field : line->fields) {
      if (!field.value.empty()) filled.push_back(field.handle);
    }
  }
  std::vector<int> used;
  for (int position = 0; position < GlobalColumnCount(); ++position) {
    int handle = GlobalColumnHandleAt(position);
    if (GlobalColumnNameAt(position).empty() || list.ColumnPosition(handle) >= 0) continue;
    for (int candidate : filled) {
      if (candidate == handle) {
        used.push_back(handle);
        break;
      }
    }
  }
  return used;
}

void AppendHeadingBlock(const List& list, std::string& out) {
  out += "Heading\r\nTITLE\t";
  out += list.title;
  out += kLineEnd;
  for (const Field& heading : list.headings.fields) {
    const std::string& name = NameOf(heading.handle);
    if (name == "TITLE") continue;  // the title row stands for it
    out += name;
    out += '\t';
    out += heading.value;
    out += kLineEnd;
  }
  out += kLineEnd;
}

// A declared column with an empty name keeps its TAB but leaves its name (and, in the data rows,
// its value) out, so every row has as many cells as the declared-column row.
void AppendColumnBlock(const List& list, const std::vector<int>& used, std::string& out) {
  out += "Column\r\n";
  for (int i = 0; i < list.columnCount; ++i) {
    if (i > 0) out += '\t';
    out += NameOf(list.columnHandles[i]);
  }
  out += kLineEnd;
  for (std::size_t i = 0; i < used.size(); ++i) {
    if (i > 0) out += '\t';
    out += NameOf(used[i]);
  }
  out += kLineEnd;
  out += kLineEnd;
}

void AppendDataBlock(const List& list, const std::vector<int>& used, std::string& out) {
  int unnamed = FindColumnHandle("");
  out += "Data\r\n";
  for (const auto& line : list.lines) {
    for (int i = 0; i < list.columnCount; ++i) {
      if (i > 0) out += '\t';
      int handle = list.columnHandles[i];
      if (handle != unnamed) out += ValueOf(*line, handle);
    }
    for (std::size_t i = 0; i < used.size(); ++i) {
      if (list.columnCount > 0 || i > 0) out += '\t';
      out += ValueOf(*line, used[i]);
    }
    if (list.columnCount > 0 || !used.empty()) out += '\t';
    out += ValueOf(*line, unnamed);
    out += kLineEnd;
  }
  out += kLineEnd;
}

void AppendStatusBlock(const List& list, std::string& out) {
  out += "Status\r\n";
  for (const auto& line : list.lines) {
    out += std::to_string(line->status & 65535u);
    out += kLineEnd;
  }
}

void AddReadLine(List& list) {
  ReserveLines(list, 1);
  auto line = std::make_unique<Line>();
  list.lines.push_back(std::move(line));
}

// The cells of one row: each names its column by its place in `map`.
void ReadCells(const std::vector<int>& map, const char* row, Line& line) {
  const char* cell = row;
  std::size_t taken = 0;
  while (taken < map.size()) {
    std::size_t length = CellLength(cell);
    if (length == 0) break;
    line.Put(map[taken], CopyCell(cell, kFieldValueChars).c_str());
    cell += length;
    ++taken;
  }
  if (taken == map.size()) line.Put(EnterColumn(""), CopyCell(cell, kFieldValueChars).c_str());
}

// Reads the exchange text into `list`; see ReadListExchange. Throws std::bad_alloc when memory runs
// out, keeping what was read so far.
int ReadExchange(List& list, const char* text) {
  list.columnCount = 0;
  const char* row = text;
  if (!FindKeyword(row, "Heading")) return kMissingKeyword;
  row += RowLength(row);
  for (std::size_t length = RowLength(row); length > 2; row += length, length = RowLength(row)) {
    std::string name = CopyCell(row, kNameChars);
    std::string value = CopyCell(row + CellLength(row), kHeadingValueChars);
    list.headings.Put(EnterColumn(name), value.c_str());
  }

  if (!FindKeyword(row, "Column")) return kMissingKeyword;
  row += RowLength(row);
  std::vector<int> map;  // the column handle of each cell place in a data row
  const char* cell = row;
  for (std::size_t length = CellLength(cell); length != 0 && map.size() < kReadColumnCells;
       cell += length, length = CellLength(cell)) {
    int handle = EnterColumn(CopyCell(cell, kNameChars));
    DeclareColumn(list, handle);  // past the 31st the name is read but not declared
    map.push_back(handle);
  }
  row += RowLength(row);
  cell = row;
  for (std::size_t length = CellLength(cell); length != 0 && map.size() < kMapNames;
       cell += length, length = CellLength(cell)) {
    map.push_back(EnterColumn(CopyCell(cell, kNameChars)));
  }
  row += RowLength(row);

  if (!FindKeyword(row, "Data")) return kMissingKeyword;
  row += RowLength(row);
  int rows = 0;
  for (;;) {
    std::size_t length = RowLength(row);
    if (length > 2) {
      AddReadLine(list);
      ReadCells(map, row, *list.lines.back());
    }
    row += length;
    ++rows;
    // Only a row that is exactly "Status" ends the data: a line whose first value merely begins
    // with it (a file named Status.c) is data.
    if (length == 0 || *row == 0 || IsExactRow(row, "Status")) break;
  }

  if (!FindKeyword(row, "Status")) return rows;
  row += RowLength(row);
  for (int line = 0; *row != 0; ++line) {
    std::size_t length = RowLength(row);
    if (length == 0) break;
    if (list.HasLine(line)) list.lines[line]->status |= static_cast<std::uint32_t>(ReadRowNumber(row));
    row += length;
  }
  return rows;
}

}  // namespace

namespace liststore {

std::string ExchangeText(int list) {
  List* found = FindList(list);
  if (!found) return std::string();
  std::vector<int> used = UsedColumns(*found);
  std::string out;
  AppendHeadingBlock(*found, out);
  AppendColumnBlock(*found, used, out);
  AppendDataBlock(*found, used, out);
  AppendStatusBlock(*found, out);
  return out;
}

std::size_t ExchangeTextCapacity(int list) {
  if (!FindList(list)) return 0;
  return ExchangeText(list).size() + 2;
}

}  // namespace liststore

// The buffer must hold liststore::ExchangeTextCapacity(list) bytes.
int WriteListExchange(int list, char* buffer) {
  List* found = FindList(list);
  if (!found || !buffer) return kInvalid;
  return Guarded(kNoMemory, [&] {
    std::string text = liststore::ExchangeText(list);
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = 0;
    buffer[text.size() + 1] = 0;
    return found->LineCount();
  });
}

// Lines read are appended after the list's lines; statuses are OR-ed into the list's lines from its
// first line on. Returns the data rows read (a text of L lines gives L + 1), -6 for a missing
// keyword, -10 for an invalid list, -1 when memory runs out. A null text reads as the empty text.
int ReadListExchange(int list, const char* text) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  return Guarded(kNoMemory, [&] { return ReadExchange(*found, text ? text : ""); });
}
