// The coloured runs of one row, worked out apart from any drawing.
//
// A host draws a row by drawing its whole text in the plain colour (slot 1) and then each run of
// ColourRow over it, in its colour, at its x position; tabs expand to stops every tabWidth pixels
// counted from the row's left edge.
#pragma once

#include <functional>
#include <vector>

#include "editor/colourtable.h"
#include "editor/rowstate.h"
#include "editor/wordtable.h"

namespace editor {

// Width in pixels of `length` bytes of text holding no tab, in the font the row is drawn with.
// Widths must add up: the width of a text is the sum of the widths of its pieces (true for the
// fixed and TrueType fonts an editor uses).
using TextWidthFn = std::function<int(const char* text, int length)>;

struct ColourRun {
  int start = 0;   // byte offset in the row
  int length = 0;  // bytes, at least 1
  Colour colour = 0;
  int x = 0;       // pixels from the row's left edge to the run's first byte, tabs expanded
};

struct RowColours {
  // In order of position, never overlapping; bytes outside every run keep the plain colour.
  std::vector<ColourRun> runs;
  LexState next = LexState::kPlain;  // the state carried to the next row
  int rowLength = 0;                 // bytes of the row that were coloured
};

// Colours one row: the bytes of `row` before `length` and before its first CR, LF or NUL.
//
// Words: each entry of `words` colours every occurrence of its word (case counts) that is a whole
// word, one whose neighbours on both sides are no letter and no "_" (digits do not count; the
// row's edges are boundaries). An occurrence that is not a whole word is passed over and the search
// goes on one byte after its start. Later entries show over earlier ones.
// Lexical runs (comments slot 3, preprocessor runs slot 4, strings and character literals slot 5)
// follow the row lexer and show over the words, so a keyword in a comment has the comment colour.
// Adjacent runs of the same colour are joined.
//
// A tabWidth below 1 puts tab stops every eight blank widths. Never reads outside the row.
RowColours ColourRow(const char* row, int length, LexState start, int tabWidth, const ColourTable& colours,
                     const WordTable& words, const TextWidthFn& measure);

}  // namespace editor
