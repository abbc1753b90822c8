// Small text scanners shared by the DIALOG statement reader and writer: words, quoted texts, fields.
//
// Quoted texts follow the resource compiler's rules closely enough never to end early: a doubled
// quote ("") and a backslash with the character after it (\", \\) stay inside the text. Texts are
// kept as they stand in the script, escapes included, so writing them back changes nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlgedit {

bool IsWordChar(char c);       // letters, digits, "_"
bool IsBlank(char c);          // blank or tab
bool IsLineBreak(char c);      // carriage return or line feed

// Blanks, tabs, carriage returns and line feeds removed from both ends.
std::string_view Trim(std::string_view text);
std::string_view TrimRight(std::string_view text);

// True when `word` (ASCII, compared without regard to case) stands at `pos` and is not followed by
// another word character.
bool WordAt(std::string_view text, std::size_t pos, std::string_view word);

// Offset of the line break that ends the line holding `pos` (the text's length when there is none),
// and the start of the line after a line break at `lineEnd` (CR LF, LF or a lone CR).
std::size_t LineEnd(std::string_view text, std::size_t pos);
std::size_t NextLineStart(std::string_view text, std::size_t lineEnd);

// The offset of the quote that closes the quoted text opening at `openQuote`, or npos when the line
// (or the text) ends first.
std::size_t ClosingQuote(std::string_view text, std::size_t openQuote);

// Splits a statement's argument list at the commas that stand outside quoted texts and brackets,
// each field trimmed. nullopt when a quoted text is left open.
std::optional<std::vector<std::string>> SplitFields(std::string_view text);

// A control's text field: quoted (the text between the quotes, as it stands) or bare (the whole
// field). nullopt when a quoted text is not closed or is followed by more than blanks, or when a
// bare field holds a quote.
struct TextField {
  std::string text;
  bool bare = false;
};
std::optional<TextField> ParseTextField(std::string_view field);

// Leading decimal number after blanks, with an optional sign; 0 when there are no digits. The value
// is held within +-kMaxDialogUnits.
int LeadingNumber(std::string_view text);

}  // namespace dlgedit
