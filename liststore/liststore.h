// The list store: titled tables of text fields, exported by name for C and C++ callers.
//
// Lists are numbered 1..127; strings cross as zero-terminated 8-bit texts. Results follow the store's
// conventions: -10 for an invalid list or index, -1 for exhausted memory or a missing name, 0 or a
// count otherwise (each operation says which). Line and column positions are 0-based.
//
// Buffers: the exported calls take no buffer sizes. A title needs 128 bytes (titles are cut to 127
// characters). Names and values read from a file are cut: a column or heading name to 63 characters
// (64 bytes), a heading value to 255 (256 bytes), a field value to 254; names and values set by a
// caller are kept whole (ask GetColumnName or GetField with a null buffer for the length, and pass
// length + 1 bytes).
// The program's own code uses the sized and std::string variants in namespace liststore below.
//
// A null name names nothing: operations that would store under it return -1, look-ups find nothing.
// A position outside its range in GetHeadingName or GetGlobalColumnName writes the empty string and
// returns -1.
#pragma once

#ifdef __cplusplus
#include <cstddef>
#include <string>
extern "C" {
#endif

int GetListlibVersion(void);

// Lists
int NewList(const char* title);
int DelList(int list);
int GetList(const char* title);
int ClearList(int list);
int GetSize(int list);
int SetTitle(int list, const char* title);
int GetTitle(int list, char* buffer);  // buffer: 128 bytes

// Headings
int SetHeading(int list, const char* name, const char* value);
int GetHeading(int list, const char* name, char* buffer);  // buffer: value length + 1
int GetHeadingName(int list, int place, char* buffer);     // buffer: name length + 1
int GetHeadings(int list);

// Fields
int SetField(int list, int line, const char* column, const char* value);
int GetField(int list, int line, const char* column, char* bufferOrNull);
int SetFieldStatus(int list, int line, const char* column, int status);
int GetFieldStatus(int list, int line, const char* column);

// Lines
int AddLine(int list);
int DelLine(int list, int line);
int SetLineStatus(int list, int line, int mask);
int ResetLineStatus(int list, int line, int mask);
int IsLineStatus(int list, int line, int mask);
int GetStatusLines(int list, int mask);
int GetLines(int list);
int SetLinePosition(int list, int from, int to);
int Sort(int list, const char* column, int direction);

// Declared columns
int AddColumn(int list, const char* name);
int DelColumn(int list, const char* name);
int SetColumnStatus(int list, const char* name, int mask);
int ResetColumnStatus(int list, const char* name, int mask);
int IsColumnStatus(int list, const char* name, int mask);
int GetStatusColumns(int list, int mask);
int GetColumns(int list);
int GetColumnName(int list, int position, char* bufferOrNull);
int GetColumnPosition(int list, const char* name);
int SetColumnPosition(int list, const char* name, int to);
int IsColumnUsed(int list, const char* name);
int RenameColumn(int list, const char* oldName, const char* newName);
int CopyColumns(int target, int source);

// Global column table
int AddGlobalColumn(const char* name);
int GetGlobalColumnName(int position, char* buffer);  // buffer: name length + 1
int GetGlobalColumnHandle(const char* name);
int GetGlobalColumnPosition(const char* name);
int GetGlobalColumns(void);

// Copying between lists
int CopyHeadings(int target, int source);
int CopyStatusLines(int target, int source, int mask);
int MoveStatusLines(int target, int source, int mask);
int CopyList(int target, int source);
int MoveList(int target, int source);

// Name indexes
int NewIndex(void);
int DelIndex(int index);
int Register(int index, const char* name);
int Unregister(int index, const char* name);
int Identify(int index, const char* name);
int GetEntries(int index);
int GetEntrie(int index, int position, char* buffer);

// Text and file forms. Each returns -10 for an invalid list and -1 when memory runs out.
// ReadList: the ReadListExchange result, -2 when the file cannot be opened.
// WriteList: 0; -2 when the file cannot be created, -4 when a write falls short. The file is
// replaced only after a complete write, so a failure leaves the previous file as it was.
// ReadListExchange: data rows read (L + 1 for a text of L lines), -6 when a block keyword is missing.
// WriteListExchange: the number of lines. The buffer needs ExchangeTextCapacity(list) bytes; callers
// outside the program traditionally pass GetSize(list) + 8192, which a list with many headings or
// many sparsely filled columns can exceed.
// ReadListTable: text rows read. WriteListTable: the number of lines; it writes no terminating zero,
// so the buffer of TableTextCapacity(list) bytes must be zero-filled.
int ReadList(int list, const char* path);
int WriteList(int list, const char* path);
int ReadListExchange(int list, const char* text);
int WriteListExchange(int list, char* buffer);
int ReadListTable(int list, const char* text);
int WriteListTable(int list, char* buffer);

#ifdef __cplusplus
}  // extern "C"

namespace liststore {

// Sized and string variants for the program's own code: never write past `capacity` (the copy is
// cut and always terminated when capacity > 0). Results as the exported operations.
int GetTitleSized(int list, char* buffer, std::size_t capacity);
int GetFieldSized(int list, int line, const char* column, char* buffer, std::size_t capacity);
int GetHeadingSized(int list, const char* name, char* buffer, std::size_t capacity);

std::string TitleText(int list);                                   // "" for an invalid list
std::string FieldText(int list, int line, const char* column);     // "" for an absent field
std::string HeadingText(int list, const char* name);               // "" when absent
std::string HeadingNameText(int list, int place);                  // "" when out of range
std::string ColumnNameText(int list, int position);                // "" when out of range
std::string GlobalColumnNameText(int position);                    // "" when out of range
std::string IndexEntryText(int index, int position);               // "" when out of range

// Bytes that WriteListExchange / WriteListTable need for this list, terminating zeros included.
std::size_t ExchangeTextCapacity(int list);
std::size_t TableTextCapacity(int list);

// The exchange text and table text as strings (without the trailing zero bytes).
std::string ExchangeText(int list);
std::string TableText(int list);

}  // namespace liststore
#endif
