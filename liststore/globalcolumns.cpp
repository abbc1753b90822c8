// The process-wide global column table and the handle counter it shares with the name indexes.
//
// A name enters the table the first time it is used as a column name anywhere and is never removed,
// so a name's position (its place in order of first use) and its handle never change.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"

#include <cstring>

namespace liststore {
namespace detail {
namespace {

struct GlobalColumn {
  std::string name;
  int handle;
  int useCount;
};

std::vector<GlobalColumn>& Table() {
  static std::vector<GlobalColumn> table;
  return table;
}

int gLastHandle = 0;  // handles start at 1 and are never reused; 0 means "no such name"

int FindPosition(const char* name) {
  if (!name) return -1;
  const std::vector<GlobalColumn>& table = Table();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

int NextHandle() { return ++gLastHandle; }

int EnterColumn(const std::string& name) {
  std::vector<GlobalColumn>& table = Table();
  for (GlobalColumn& entry : table) {
    if (entry.name == name) {
      ++entry.useCount;
      return entry.handle;
    }
  }
  GlobalColumn entry{name, 0, 1};  // copies the name before anything changes
  table.reserve(table.size() + 1);
  entry.handle = NextHandle();
  table.push_back(std::move(entry));
  return table.back().handle;
}

int FindColumnHandle(const char* name) {
  int position = FindPosition(name);
  return position < 0 ? 0 : Table()[position].handle;
}

const std::string* FindColumnName(int handle) {
  if (handle <= 0) return nullptr;
  for (const GlobalColumn& entry : Table()) {
    if (entry.handle == handle) return &entry.name;
  }
  return nullptr;
}

int GlobalColumnCount() { return static_cast<int>(Table().size()); }
const std::string& GlobalColumnNameAt(int position) { return Table()[position].name; }
int GlobalColumnHandleAt(int position) { return Table()[position].handle; }

void CopyOut(const std::string& text, char* buffer, std::size_t capacity) {
  if (!buffer || capacity == 0) return;
  std::size_t count = text.size() < capacity ? text.size() : capacity - 1;
  std::memcpy(buffer, text.data(), count);
  buffer[count] = 0;
}

}  // namespace detail

std::string GlobalColumnNameText(int position) {
  if (position < 0 || position >= detail::GlobalColumnCount()) return std::string();
  return detail::GlobalColumnNameAt(position);
}

}  // namespace liststore

using namespace liststore::detail;

int AddGlobalColumn(const char* name) {
  if (!name) return 0;
  return Guarded(kNoMemory, [&] { return EnterColumn(name); });
}

// A position outside the table writes the empty string and returns -1.
int GetGlobalColumnName(int position, char* buffer) {
  if (position < 0 || position >= GlobalColumnCount()) {
    if (buffer) buffer[0] = 0;
    return -1;
  }
  CopyOut(GlobalColumnNameAt(position), buffer, kUnsized);
  return 0;
}

int GetGlobalColumnHandle(const char* name) { return FindColumnHandle(name); }
int GetGlobalColumnPosition(const char* name) { return FindPosition(name); }
int GetGlobalColumns(void) { return GlobalColumnCount(); }
