// Which source-browsing items of the editor's context menu are enabled.
#pragma once

#include <string>

namespace editor {

// Positions 4 to 7 and 9 of the "Editor Context" popup (Cut, Copy and Paste are decided apart).
struct ContextMenuState {
  bool browseSymbol = false;    // position 4, command 1463
  bool browseFunction = false;  // position 5, command 1461
  bool helpTopic = false;       // position 6, command 1460
  bool openInclude = false;     // position 7, command 1462
  bool markPosition = true;     // position 9, command 1464: always
};

// `line` is the caret's line, `caretOffset` the caret's offset in it, `word` the word around the
// caret. A line holding "include" enables only the include item. Otherwise, unless the word is "if",
// "while", "for" or "switch", the symbol and help items are enabled, and the function item too when
// the caret offset is below 128 and, scanning the line from it, a "(" at an offset of at most 127
// comes before any of + - * / % | & . : , ; > = < { } [ ] and the double quote.
ContextMenuState ContextMenuFor(const std::string& line, int caretOffset, const std::string& word);

}  // namespace editor
