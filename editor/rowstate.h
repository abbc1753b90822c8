// The lexical state carried from row to row, and finding it for any line of a text.
#pragma once

#include <vector>

namespace editor {

// The state at a row's start. The numbers are the ones hosts pass around (a start state of -1 asks
// to continue with the state the previous row left; that bookkeeping belongs to the host).
enum class LexState : int {
  kPlain = 1,
  kBlockComment = 2,
  kLineComment = 4,
  kString = 16,
  kCharacter = 17,
  kPreprocessor = 32,
};

// One of the values above for a valid number; plain for anything else (0, -1, garbage).
LexState ToLexState(int value);

// The number of bytes before the first CR, LF or NUL among the first `limit` bytes of `row`
// (`limit` when there is none; 0 for a null row or a limit below 1).
int RowLength(const char* row, int limit);

// The state at the start of the line that holds `offset`, found by lexing every line before it from
// the text's first byte in the plain state, exactly as painting those lines one after another would
// carry it. Lines end at CR LF, a lone CR or a lone LF; a NUL ends what is lexed of a line, and the
// rest of that line up to its line end is skipped. `offset` is clamped to 0 ... length; the first
// line gives plain. Reads only the `length` bytes of `text`.
LexState ScanState(const char* text, int length, int offset);

// The state at the start of every line of the text, in one pass: element k is what ScanState gives
// for the start of line k. There is one element more than the text has line ends.
std::vector<LexState> ScanLineStates(const char* text, int length);

// The offset of the next line's start after a row of `text` that ends at `rowEnd` (the offset where
// RowLength stopped), or -1 when the text has no line end at or after `rowEnd`.
int NextLineStart(const char* text, int length, int rowEnd);

}  // namespace editor
