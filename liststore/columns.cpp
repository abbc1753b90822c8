// The declared columns of a list: at most 31, each a column handle with a 32-bit status word.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"

#include <algorithm>

using namespace liststore::detail;

namespace {

const std::string& NameOf(int handle) {
  static const std::string empty;
  const std::string* name = FindColumnName(handle);
  return name ? *name : empty;
}

// Declared position of `name` in `list`, -1 when it is not declared (or null).
int PositionOf(const List& list, const char* name) {
  return list.ColumnPosition(FindColumnHandle(name));
}

void RemoveColumnAt(List& list, int position) {
  for (int i = position; i + 1 < list.columnCount; ++i) {
    list.columnHandles[i] = list.columnHandles[i + 1];
    list.columnStatus[i] = list.columnStatus[i + 1];
  }
  --list.columnCount;
}

// Moves the column at `from` to `to` with its status word; the columns between shift by one.
void MoveColumn(List& list, int from, int to) {
  int* handles = list.columnHandles;
  std::uint32_t* status = list.columnStatus;
  if (from < to) {
    std::rotate(handles + from, handles + from + 1, handles + to + 1);
    std::rotate(status + from, status + from + 1, status + to + 1);
  } else if (from > to) {
    std::rotate(handles + to, handles + from, handles + from + 1);
    std::rotate(status + to, status + from, status + from + 1);
  }
}


// Re-keys every line's field under `from` to `to`, keeping value and status. A line that already
// holds a field under `to` loses that field: a line holds at most one field per name.
void RekeyFields(List& list, int from, int to) {
  for (auto& line : list.lines) {
    Field* field = line->Find(from);
    if (!field) continue;
    if (line->Find(to)) {
      line->Remove(to);
      field = line->Find(from);
    }
    field->handle = to;
  }
}

}  // namespace

namespace liststore {
namespace detail {
int DeclareColumn(List& list, int handle) {
  int position = list.ColumnPosition(handle);
  if (position >= 0) return position;
  if (list.columnCount >= kMaxColumns) return -1;
  list.columnHandles[list.columnCount] = handle;
  list.columnStatus[list.columnCount] = 0;
  return list.columnCount++;
}
}  // namespace detail

std::string ColumnNameText(int list, int position) {
  List* found = FindList(list);
  if (!found || position < 0 || position >= found->columnCount) return std::string();
  return NameOf(found->columnHandles[position]);
}
}  // namespace liststore

// A null name cannot be declared: -1.
int AddColumn(int list, const char* name) {
  List* found = FindList(list);
  if (!found) return 0;
  if (!name) return -1;
  return Guarded(kNoMemory, [&] {
    return DeclareColumn(*found, EnterColumn(name));
  });
}

int DelColumn(int list, const char* name) {
  List* found = FindList(list);
  if (!found) return 0;
  int position = PositionOf(*found, name);
  if (position < 0) return 0;
  RemoveColumnAt(*found, position);
  return 1;
}

int SetColumnStatus(int list, const char* name, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  int position = PositionOf(*found, name);
  if (position < 0) return -1;
  std::uint32_t& status = found->columnStatus[position];
  std::uint32_t before = status & static_cast<std::uint32_t>(mask);
  status |= static_cast<std::uint32_t>(mask);
  return static_cast<int>(before);
}

int ResetColumnStatus(int list, const char* name, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  int position = PositionOf(*found, name);
  if (position < 0) return -1;
  std::uint32_t& status = found->columnStatus[position];
  std::uint32_t before = status & static_cast<std::uint32_t>(mask);
  status &= ~static_cast<std::uint32_t>(mask);
  return static_cast<int>(before);
}

int IsColumnStatus(int list, const char* name, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  int position = PositionOf(*found, name);
  if (position < 0) return -1;
  return static_cast<int>(found->columnStatus[position] & static_cast<std::uint32_t>(mask));
}

int GetStatusColumns(int list, int mask) {
  List* found = FindList(list);
  if (!found) return 0;
  int count = 0;
  for (int i = 0; i < found->columnCount; ++i) {
    if (found->columnStatus[i] & static_cast<std::uint32_t>(mask)) ++count;
  }
  return count;
}

int GetColumns(int list) {
  List* found = FindList(list);
  return found ? found->columnCount : 0;
}

int GetColumnName(int list, int position, char* bufferOrNull) {
  List* found = FindList(list);
  if (!found || position < 0 || position >= found->columnCount) return kInvalid;
  const std::string& name = NameOf(found->columnHandles[position]);
  CopyOut(name, bufferOrNull, kUnsized);
  return static_cast<int>(name.size());
}

int GetColumnPosition(int list, const char* name) {
  List* found = FindList(list);
  return found ? PositionOf(*found, name) : kInvalid;
}

int SetColumnPosition(int list, const char* name, int to) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  int from = PositionOf(*found, name);
  if (from < 0 || to < 0 || to >= found->columnCount) return -1;
  if (from == to) return 0;
  MoveColumn(*found, from, to);
  return 1;
}

int IsColumnUsed(int list, const char* name) {
  List* found = FindList(list);
  if (!found) return 0;
  int handle = FindColumnHandle(name);
  if (handle == 0) return 0;
  if (found->ColumnPosition(handle) >= 0) return 1;
  for (const auto& line : found->lines) {
    const Field* field = line->Find(handle);
    if (field && !field->value.empty()) return 2;
  }
  return 0;
}

// The renamed column keeps its place among the declared columns (an undeclared old name gives a
// new last column) and starts with status 0; the lines' fields keep their values and statuses.
int RenameColumn(int list, const char* oldName, const char* newName) {
  List* found = FindList(list);
  if (!found || !oldName || !newName || !*newName) return 0;
  if (PositionOf(*found, newName) >= 0) return 0;
  return Guarded(0, [&] {
    int newHandle = EnterColumn(newName);  // the only step that can fail: nothing changed before
    int oldHandle = FindColumnHandle(oldName);
    if (oldHandle != 0 && oldHandle != newHandle) RekeyFields(*found, oldHandle, newHandle);
    int oldPosition = found->ColumnPosition(oldHandle);
    if (oldPosition >= 0) RemoveColumnAt(*found, oldPosition);
    int newPosition = DeclareColumn(*found, newHandle);
    if (oldPosition >= 0 && newPosition >= 0) MoveColumn(*found, newPosition, oldPosition);
    return 1;
  });
}

int CopyColumns(int target, int source) {
  List* to = FindList(target);
  List* from = FindList(source);
  if (!to || !from) return 0;
  std::copy(from->columnHandles, from->columnHandles + kColumnSlots, to->columnHandles);
  std::copy(from->columnStatus, from->columnStatus + kColumnSlots, to->columnStatus);
  to->columnCount = from->columnCount;
  return from->columnCount;
}
