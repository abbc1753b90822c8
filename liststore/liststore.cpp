// The list table and the operations on whole lists, their headings and their fields.
#include "liststore/liststore.h"
#include "liststore/store_internal.h"

#include <climits>
#include <cstring>

namespace liststore {
namespace detail {
namespace {

std::unique_ptr<List>* Slots() {
  static std::unique_ptr<List> slots[kMaxLists + 1];  // slot 0 is never a list
  return slots;
}

std::string CutTitle(const char* title) {
  if (!title) return std::string();
  return std::string(title, strnlen(title, kTitleChars));
}

}  // namespace

const std::string& ValueOf(const FieldCollection& collection, int handle) {
  static const std::string empty;
  const Field* field = collection.Find(handle);
  return field ? field->value : empty;
}

Field* FieldCollection::Find(int handle) {
  for (Field& field : fields) {
    if (field.handle == handle) return &field;
  }
  return nullptr;
}

const Field* FieldCollection::Find(int handle) const {
  for (const Field& field : fields) {
    if (field.handle == handle) return &field;
  }
  return nullptr;
}

int FieldCollection::Put(int handle, const char* value) {
  std::string text = value ? value : "";
  for (std::size_t place = 0; place < fields.size(); ++place) {
    if (fields[place].handle == handle) {
      fields[place].value.swap(text);
      fields[place].status = 0;
      return static_cast<int>(place);
    }
  }
  // `capacity` is always above the count, so this makes room for the new field.
  if (fields.size() + 1 > fields.capacity()) fields.reserve(static_cast<std::size_t>(capacity));
  fields.push_back(Field{handle, 0, std::move(text)});
  RecomputeCapacity();
  return static_cast<int>(fields.size());
}

void FieldCollection::Remove(int handle) {
  for (std::size_t place = 0; place < fields.size(); ++place) {
    if (fields[place].handle == handle) {
      fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(place));
      RecomputeCapacity();
      return;
    }
  }
}

int List::ColumnPosition(int handle) const {
  if (handle == 0) return -1;
  for (int i = 0; i < columnCount; ++i) {
    if (columnHandles[i] == handle) return i;
  }
  return -1;
}

List* FindList(int number) {
  if (number < 1 || number > kMaxLists) return nullptr;
  return Slots()[number].get();
}

void ReserveLines(List& list, int extra) {
  int needed = list.LineCount() + extra;
  if (needed <= list.lineCapacity) {
    list.lines.reserve(static_cast<std::size_t>(list.lineCapacity));
    return;
  }
  int grown = (needed / kLineQuantum + 1) * kLineQuantum;
  list.lines.reserve(static_cast<std::size_t>(grown));
  list.lineCapacity = grown;
}

}  // namespace detail

using namespace detail;

int GetTitleSized(int list, char* buffer, std::size_t capacity) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  CopyOut(found->title, buffer, capacity);
  return 0;
}

int GetFieldSized(int list, int line, const char* column, char* buffer, std::size_t capacity) {
  List* found = FindList(list);
  if (!found || !found->HasLine(line)) return kInvalid;
  const std::string& value = ValueOf(*found->lines[line], FindColumnHandle(column));
  CopyOut(value, buffer, capacity);
  return static_cast<int>(value.size());
}

int GetHeadingSized(int list, const char* name, char* buffer, std::size_t capacity) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  CopyOut(ValueOf(found->headings, FindColumnHandle(name)), buffer, capacity);
  return 0;
}

std::string TitleText(int list) {
  List* found = FindList(list);
  return found ? found->title : std::string();
}

std::string FieldText(int list, int line, const char* column) {
  List* found = FindList(list);
  if (!found || !found->HasLine(line)) return std::string();
  return ValueOf(*found->lines[line], FindColumnHandle(column));
}

std::string HeadingText(int list, const char* name) {
  List* found = FindList(list);
  return found ? ValueOf(found->headings, FindColumnHandle(name)) : std::string();
}

std::string HeadingNameText(int list, int place) {
  List* found = FindList(list);
  if (!found || place < 0 || place >= static_cast<int>(found->headings.fields.size())) return {};
  const std::string* name = FindColumnName(found->headings.fields[place].handle);
  return name ? *name : std::string();
}

}  // namespace liststore

using namespace liststore::detail;

int GetListlibVersion(void) { return 768; }

// Titles are cut to 127 characters; the list's title is a fixed 128-byte text for its callers.
int NewList(const char* title) {
  if (!title || !*title) return 0;
  return Guarded(kNoMemory, [&] {
    std::unique_ptr<List>* slots = liststore::detail::Slots();
    for (int number = 1; number <= kMaxLists; ++number) {
      if (slots[number]) continue;
      auto list = std::make_unique<List>();
      list->title = CutTitle(title);
      list->number = number;
      list->lines.reserve(kInitialLineCapacity);
      slots[number] = std::move(list);
      return number;
    }
    return kInvalid;
  });
}

int DelList(int list) {
  if (!FindList(list)) return kInvalid;
  liststore::detail::Slots()[list].reset();
  return 1;
}

// The query is cut like a title, so the text a list was made with finds it again.
int GetList(const char* title) {
  if (!title || !*title) return 0;
  std::size_t length = strnlen(title, kTitleChars);
  for (int number = 1; number <= kMaxLists; ++number) {
    List* list = FindList(number);
    if (list && list->title.size() == length && std::memcmp(list->title.data(), title, length) == 0)
      return number;
  }
  return kInvalid;
}

int ClearList(int list) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  int removed = found->LineCount();
  found->lines.clear();
  found->lineCapacity = ShrunkLineCapacity(0);
  found->columnCount = 0;
  return removed;
}

int GetSize(int list) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  long long size = 2048;
  for (const auto& line : found->lines) {
    for (const Field& field : line->fields) size += static_cast<long long>(FieldCapacity(field));
    size += 2;
  }
  return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

// A null title is stored as the empty title; longer titles are cut to 127 characters.
int SetTitle(int list, const char* title) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  return Guarded(kNoMemory, [&] {
    found->title = CutTitle(title);
    return 0;
  });
}

int GetTitle(int list, char* buffer) { return liststore::GetTitleSized(list, buffer, kUnsized); }

int SetHeading(int list, const char* name, const char* value) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  if (!name) return kNoMemory;
  return Guarded(kNoMemory, [&] { return found->headings.Put(EnterColumn(name), value); });
}

int GetHeading(int list, const char* name, char* buffer) {
  return liststore::GetHeadingSized(list, name, buffer, kUnsized);
}

// A place outside 0..GetHeadings-1 writes the empty string and returns -1.
int GetHeadingName(int list, int place, char* buffer) {
  List* found = FindList(list);
  if (!found) return kInvalid;
  if (place < 0 || place >= static_cast<int>(found->headings.fields.size())) {
    if (buffer) buffer[0] = 0;
    return -1;
  }
  return Guarded(kNoMemory, [&] {
    CopyOut(liststore::HeadingNameText(list, place), buffer, kUnsized);
    return 0;
  });
}

int GetHeadings(int list) {
  List* found = FindList(list);
  return found ? static_cast<int>(found->headings.fields.size()) : kInvalid;
}

// A null column name names no column: nothing is stored and the result is -1.
int SetField(int list, int line, const char* column, const char* value) {
  List* found = FindList(list);
  if (!found || !found->HasLine(line)) return kInvalid;
  if (!column) return kNoMemory;
  return Guarded(kNoMemory, [&] { return found->lines[line]->Put(EnterColumn(column), value); });
}

int GetField(int list, int line, const char* column, char* bufferOrNull) {
  return liststore::GetFieldSized(list, line, column, bufferOrNull, kUnsized);
}

int SetFieldStatus(int list, int line, const char* column, int status) {
  List* found = FindList(list);
  if (!found || !found->HasLine(line)) return kInvalid;
  if (Field* field = found->lines[line]->Find(FindColumnHandle(column)))
    field->status = static_cast<std::uint32_t>(status);
  return 0;
}

int GetFieldStatus(int list, int line, const char* column) {
  List* found = FindList(list);
  if (!found || !found->HasLine(line)) return kInvalid;
  const Field* field = found->lines[line]->Find(FindColumnHandle(column));
  return field ? static_cast<int>(field->status) : 0;
}
