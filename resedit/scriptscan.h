// Character-level scanning shared by the script model: word boundaries, strings and comments,
// line starts and the string-table rule.
//
// Every function takes the text as a string_view and reads only inside it: a position at or past
// the end is answered with the neutral result (no word, no line break, nothing skipped).
#pragma once

#include <cstddef>
#include <string_view>

namespace resedit {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
inline bool IsSpace(char c) { return IsBlank(c) || IsLineBreak(c); }

// The character at `pos`, or 0 past the end.
inline char CharAt(std::string_view text, std::size_t pos) { return pos < text.size() ? text[pos] : '\0'; }

// True when `pos` ends a word: the end of the text, a blank, a tab, a CR or an LF stands there.
inline bool IsWordEnd(std::string_view text, std::size_t pos) { return pos >= text.size() || IsSpace(text[pos]); }

// True when `pos` starts a line: the start of the text or just after a CR or LF.
inline bool IsLineStart(std::string_view text, std::size_t pos) {
  return pos == 0 || (pos <= text.size() && IsLineBreak(text[pos - 1]));
}

// True when `word` stands at `pos` followed by a word end (see IsWordEnd). Case counts.
bool IsWordAt(std::string_view text, std::size_t pos, std::string_view word);

// When a double-quoted string, a /* */ comment or a // comment starts at `pos`, the offset just
// after it: after the closing quote, after the "*/", or at the line break that ends a // comment
// (the break itself is not part of the comment). An unclosed string or /* comment runs to the end
// of the text. When none starts at `pos`, `pos` itself.
std::size_t SkipStringOrComment(std::string_view text, std::size_t pos);

// True when a string table starts at `pos`: "STRINGTABLE" followed by a word end, and only blanks
// or tabs between it and the start of its line. Listing and finding share this rule, so the n-th
// listed table is the n-th one found.
bool IsStringTableAt(std::string_view text, std::size_t pos);

}  // namespace resedit
