// One control statement of a DIALOG statement's list: the CONTROL form and the shorthand keywords.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dlgedit {

// True when a control keyword (compared without regard to case) stands at `pos`: one of the
// keywords this reader knows, or another of the resource compiler's control keywords, which the
// reader then refuses. Used to find where a statement that runs over several lines ends.
bool ControlKeywordAt(std::string_view text, std::size_t pos);

struct ControlStatement {
  std::string text;            // as between its quotes, or the bare word
  bool bareText = false;
  std::string id;
  std::string className;
  std::string style;           // the shorthand's default style, with any given style joined by " | "
  std::string extendedStyle;
  std::array<std::string, 4> numberText;  // x, y, width, height as written in the script
  std::array<int, 4> units{};             // their values in dialog units
};

// Reads one statement, gathered onto a single line (line breaks and tabs turned into blanks,
// comments removed):
//   CONTROL text, id, class, style, x, y, width, height [, extended style]
//   KEYWORD [text,] id, x, y, width, height [, style [, extended style]]
// The text is quoted or bare; CONTROL's class may be bare too. ICON may leave out its width and
// height (they then read as 0). nullopt when the statement cannot be read: an unknown keyword, too
// few or too many fields, an open quote, an empty ID, class, CONTROL style or number, or a quote
// where none belongs.
std::optional<ControlStatement> ParseControlStatement(std::string_view statement);

}  // namespace dlgedit
