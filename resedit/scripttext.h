// Whole-text steps on a resource script: line-end and brace conversion as a script enters the
// model, and the cut, insert and append primitives every edit is made of.
//
// Texts are single-byte and may hold any byte, zero included. Functions that may need memory
// return false when it cannot be had and then leave the text as it was.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace resedit {

// Turns every LF that does not follow a CR into CR LF, so that scripts checked out with LF line
// ends scan like any other. Lone CRs stay as they are.
bool ConvertLineEnds(std::string& text);

// Brace conversion: the block words of a script become braces without changing the text's length,
// so offsets stay valid. "BEGIN" becomes "{" and four blanks, "END" becomes "}" and two blanks, when
// the word stands after a blank, tab, line break or the start of the text and before a blank, tab,
// line break or the end of the text. Double-quoted strings and /* */ and // comments are skipped:
// a BEGIN or END there is text, not a block.
void ConvertBraces(std::string& text);

// Both conversions, in the order a script gets them when it is opened or merged.
bool PrepareScriptText(std::string& text);

// Removes `count` characters from `start`. False (nothing removed) when the range leaves the text.
bool CutText(std::string& text, std::size_t start, std::size_t count);

// Inserts `piece` before offset `offset` (the text's size appends). False when `offset` lies past
// the end or memory runs out.
bool InsertText(std::string& text, std::size_t offset, std::string_view piece);

// Appends `piece` to the text.
bool AppendText(std::string& text, std::string_view piece);

// Appends `piece` so that it starts a line of its own: when the text is not empty and does not end
// in a line break, a CR LF goes first. A resource appended after a script whose last line has no
// line end would otherwise not start its line and could be neither listed nor found.
bool AppendOnNewLine(std::string& text, std::string_view piece);

}  // namespace resedit
