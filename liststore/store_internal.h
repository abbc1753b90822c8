// The list store's internal model, shared by the files that implement its operations.
//
// Everything here lives in one process-wide store: the 127 list slots, the global column table,
// the name indexes and the one handle counter they share. Nothing is locked: the store is used from
// one thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace liststore {
namespace detail {

constexpr int kInvalid = -10;    // invalid list or index, out-of-range line or position
constexpr int kNoMemory = -1;
constexpr int kMaxLists = 127;
constexpr int kColumnSlots = 32;
constexpr int kMaxColumns = 31;  // one slot less than there are slots
constexpr int kInitialLineCapacity = 256;
constexpr int kLineQuantum = 64;  // a quarter of the initial capacity, at least 64
constexpr std::size_t kTitleChars = 127;

// One value stored under a column handle.
struct Field {
  int handle = 0;
  std::uint32_t status = 0;
  std::string value;
};

// The size of a field's value buffer: always larger than the text, in steps of 8.
inline std::size_t FieldCapacity(const Field& field) { return (field.value.size() / 8) * 8 + 8; }

// A line, or the headings of a list: fields keyed by column handle, at most one per handle.
struct FieldCollection {
  std::uint32_t status = 0;
  std::vector<Field> fields;
  int capacity = 8;  // room for fields, (count / 4) * 4 + 4 after every change

  Field* Find(int handle);
  const Field* Find(int handle) const;
  // Stores `value` under `handle` with status 0. Returns the replaced field's place, or the new
  // count when the field was added. Throws std::bad_alloc, leaving the collection unchanged.
  int Put(int handle, const char* value);
  void Remove(int handle);
  void RecomputeCapacity() { capacity = static_cast<int>(fields.size() / 4) * 4 + 4; }
};

using Line = FieldCollection;

// The value stored under `handle`, or the empty string when the collection holds no such field.
const std::string& ValueOf(const FieldCollection& collection, int handle);

struct List {
  std::string title;  // at most kTitleChars
  int number = 0;
  std::vector<std::unique_ptr<Line>> lines;
  int lineCapacity = kInitialLineCapacity;
  FieldCollection headings;
  int columnHandles[kColumnSlots] = {};
  std::uint32_t columnStatus[kColumnSlots] = {};
  int columnCount = 0;

  int LineCount() const { return static_cast<int>(lines.size()); }
  bool HasLine(int line) const { return line >= 0 && line < LineCount(); }
  int ColumnPosition(int handle) const;  // -1 when not declared
};

// Declares `handle` as the list's last column with status 0 unless it is declared already.
// Returns its position, or -1 when 31 columns are declared.
int DeclareColumn(List& list, int handle);

// The list in slot `number`, or null for an invalid list.
List* FindList(int number);

// Line table capacity after lines were removed: (lines / q + 1) * q, so the table also shrinks.
inline int ShrunkLineCapacity(int lines) { return (lines / kLineQuantum + 1) * kLineQuantum; }
// Makes room for `extra` more lines, growing the capacity to ((lines + extra) / q + 1) * q when
// needed (for one line this is the append rule). Throws std::bad_alloc, leaving the list unchanged.
void ReserveLines(List& list, int extra);

// The process-wide handle counter shared by the global column table and all name indexes.
int NextHandle();

// Global column table. EnterColumn adds the name the first time and counts up its use after that;
// it returns the name's handle and throws std::bad_alloc when the table cannot grow.
int EnterColumn(const std::string& name);
int FindColumnHandle(const char* name);                // 0 when absent or null
const std::string* FindColumnName(int handle);         // null when no entry has the handle
int GlobalColumnCount();
const std::string& GlobalColumnNameAt(int position);   // position must be valid
int GlobalColumnHandleAt(int position);                // position must be valid

// Copies `text` into a caller's buffer of `capacity` bytes, cutting it and always terminating it
// when capacity > 0. Exported calls pass SIZE_MAX: their callers promised room for the whole text.
void CopyOut(const std::string& text, char* buffer, std::size_t capacity);
constexpr std::size_t kUnsized = static_cast<std::size_t>(-1);

// Runs `body`, turning an exhausted memory into `onNoMemory`: no exception leaves an export.
template <typename Body>
int Guarded(int onNoMemory, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return onNoMemory;
  }
}

}  // namespace detail
}  // namespace liststore
