// Character-level scanning shared by the script model.
#include "resedit/scriptscan.h"

namespace resedit {

bool IsWordAt(std::string_view text, std::size_t pos, std::string_view word) {
  if (word.empty() || pos > text.size() || text.size() - pos < word.size()) return false;
  return text.compare(pos, word.size(), word) == 0 && IsWordEnd(text, pos + word.size());
}

std::size_t SkipStringOrComment(std::string_view text, std::size_t pos) {
  char c = CharAt(text, pos);
  if (c == '"') {
    std::size_t close = text.find('"', pos + 1);
    return close == std::string_view::npos ? text.size() : close + 1;
  }
  if (c != '/') return pos;
  char next = CharAt(text, pos + 1);
  if (next == '*') {
    std::size_t close = text.find("*/", pos + 2);
    return close == std::string_view::npos ? text.size() : close + 2;
  }
  if (next == '/') {
    std::size_t end = text.find_first_of("\r\n", pos + 2);
    return end == std::string_view::npos ? text.size() : end;
  }
  return pos;
}

bool IsStringTableAt(std::string_view text, std::size_t pos) {
  if (!IsWordAt(text, pos, "STRINGTABLE")) return false;
  std::size_t before = pos;
  while (before > 0 && IsBlank(text[before - 1])) --before;
  return IsLineStart(text, before);
}

}  // namespace resedit
