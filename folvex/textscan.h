// Scanning a text: line ends, lines, columns, words and indentation, as pure functions of its bytes.
//
// Every function takes the text and its length: `text` holds `length` bytes followed by a zero byte
// (the store's block always does), and no function reads outside text[0..length]. Offsets are byte
// offsets from the start of the text; an offset below 0 counts as 0 and one beyond the text as
// `length`. Bytes are single-byte characters; any byte value but zero may occur.
//
// Line ends: CR LF (one line end), a lone CR or a lone LF. Lines are numbered from 0, so the number
// of line ends is also the index of the last line.
//
// Cost: every function is one pass at most over the part of the text it names; there is no line
// index. Counting runs over whole blocks of bytes so that it stays close to the speed of memory.
#pragma once

#include <cstdint>

namespace folvex {

// 0-9, A-Z, a-z and '_' (bytes above 127 are not word characters).
bool IsWordChar(char c);
// A space or a tab.
bool IsBlank(char c);

// Number of line ends in the text.
std::int32_t CountLineEnds(const char* text, std::int32_t length);

// Offset of the start of line `line`: 0 for line 0, otherwise the offset just after the line-th
// line end. -1 when the text has fewer line ends than that, or `line` is negative.
std::int32_t LineStart(const char* text, std::int32_t length, std::int32_t line);

// Number of line ends among the first `offset` bytes. A CR LF pair counts as soon as its CR is
// among them, so an offset between the CR and the LF already stands on the next line.
std::int32_t LineOfOffset(const char* text, std::int32_t length, std::int32_t offset);

struct LineAndColumn {
  std::int32_t line;
  std::int32_t column;
};

// Line and column of an offset. The column counts bytes: 0 at the start of the text, 1 just after
// each line end, and every further byte adds 1. On line 0 the column is the number of bytes before
// the offset on its line; on every later line it is that number plus one (hosts that show 1-based
// columns add 1 on line 0 only). An offset between a CR and its LF is column 1 of the next line.
LineAndColumn LineColumn(const char* text, std::int32_t length, std::int32_t offset);

// Offset just after the nearest CR or LF before `offset`; 0 when there is none.
std::int32_t StartOfLine(const char* text, std::int32_t length, std::int32_t offset);
// First offset at or after `offset` that holds CR, LF or the terminator.
std::int32_t EndOfLine(const char* text, std::int32_t length, std::int32_t offset);
// EndOfLine - StartOfLine: the bytes of the line holding `offset`, its line end excluded.
std::int32_t LineLength(const char* text, std::int32_t length, std::int32_t offset);

// Start of the line after the one holding `offset`, stepping over the line end that is really
// there (two bytes for CR LF, one for a lone CR or LF); -1 when that line is the text's last.
std::int32_t NextLineStart(const char* text, std::int32_t length, std::int32_t offset);

// Moves back from `offset` while the byte before is a word character.
std::int32_t WordStart(const char* text, std::int32_t length, std::int32_t offset);
// Moves forward from `offset` while the byte there is a word character.
std::int32_t WordEnd(const char* text, std::int32_t length, std::int32_t offset);
// The first offset at or after `offset` that holds a word character whose predecessor is not one
// (the start of a word); `length` when no word starts there.
std::int32_t NextWordStart(const char* text, std::int32_t length, std::int32_t offset);

// The leading blanks of the line holding `offset` (up to its line end). Returns their count. When
// `out` is given they are copied into it followed by a zero byte, cut to outCapacity - 1 bytes;
// nothing is written when outCapacity is below 1.
std::int32_t Indentation(const char* text, std::int32_t length, std::int32_t offset, char* out,
                         std::int32_t outCapacity);

// Number of blanks immediately before the end of the line holding `offset`.
std::int32_t TrailingBlanks(const char* text, std::int32_t length, std::int32_t offset);

}  // namespace folvex
