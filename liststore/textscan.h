// Scanning primitives shared by the exchange-text and table-text readers.
//
// Every scan stops at the text's terminating zero byte and looks at most kScanLimit characters
// ahead, so no reader ever looks outside a zero-terminated text, however long its rows.
#pragma once

#include <cstddef>
#include <string>

namespace liststore {
namespace detail {

constexpr std::size_t kScanLimit = 32768;
constexpr std::size_t kNameChars = 63;
constexpr std::size_t kHeadingValueChars = 255;
constexpr std::size_t kFieldValueChars = 254;

// The length of the row at `text` with its line end: the characters before its CR plus 1, or plus 2
// when an LF follows the CR. 0 when the row ends any other way (LF alone, zero byte, or no line end
// within kScanLimit characters): readers take 0 as the end of their current block.
std::size_t RowLength(const char* text);

// The length of the cell at `text`: its characters plus the TAB that ends it, or just its
// characters when a CR ends it. 0 when it ends any other way, which ends the row's cells (so an
// empty last cell and a cell that runs into a zero byte both end the row).
std::size_t CellLength(const char* text);

// The cell's characters up to TAB, CR, LF or zero, cut to `maxChars`.
std::string CopyCell(const char* text, std::size_t maxChars);

// Looks for a row beginning with `keyword` at `text` and the 16 rows after it. On success moves
// `text` to that row and returns true.
bool FindKeyword(const char*& text, const char* keyword);

// True when the row at `text` is exactly `keyword` followed by CR.
bool IsExactRow(const char* text, const char* keyword);

// The row read as a decimal integer: leading blanks and a sign accepted, reading stops at the first
// non-digit, an empty row reads 0; values beyond the int range are clamped. Never reads past the row.
int ReadRowNumber(const char* text);

}  // namespace detail
}  // namespace liststore
