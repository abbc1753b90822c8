// The enabling rule of the editor's source-browsing menu items.
#include "editor/contextmenu.h"

#include <cstring>

namespace editor {

namespace {

constexpr int kCallScanLimit = 128;

bool CallFollows(const std::string& line, int caretOffset) {
  if (caretOffset < 0 || caretOffset >= kCallScanLimit) return false;
  const int end = static_cast<int>(line.size()) < kCallScanLimit ? static_cast<int>(line.size()) : kCallScanLimit;
  for (int p = caretOffset; p < end; ++p) {
    const char c = line[p];
    if (c == '(') return true;
    if (c != '\0' && std::strchr("+-*/%|&.:,;>=<{}[]\"", c) != nullptr) return false;
  }
  return false;
}

}  // namespace

ContextMenuState ContextMenuFor(const std::string& line, int caretOffset, const std::string& word) {
  ContextMenuState state;
  if (line.find("include") != std::string::npos) {
    state.openInclude = true;
    return state;
  }
  if (word == "if" || word == "while" || word == "for" || word == "switch") return state;
  state.browseSymbol = true;
  state.helpTopic = true;
  state.browseFunction = CallFollows(line, caretOffset);
  return state;
}

}  // namespace editor
