// Finding a resource's text in a working copy.
#include "resedit/scriptextent.h"

#include <exception>

#include "resedit/scriptscan.h"

namespace resedit {
namespace {

constexpr const char* kMemoryOptions[] = {"PRELOAD", "DISCARDABLE", "MOVEABLE", "LOADONCALL",
                                          "FIXED",   "PURE",        "IMPURE"};

// Types whose resource line may name a file instead of holding a block.
bool TakesFileName(std::string_view type) {
  return type == "ICON" || type == "BITMAP" || type == "CURSOR" || type == "RCDATA" || type == "MESSAGETABLE";
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

std::size_t SkipWord(std::string_view text, std::size_t pos) {
  while (pos < text.size() && !IsSpace(text[pos])) ++pos;
  return pos;
}

// From just after a type keyword: past the blanks and memory options that may follow it.
std::size_t SkipMemoryOptions(std::string_view text, std::size_t pos) {
  pos = SkipBlanks(text, pos);
  for (bool more = true; more;) {
    more = false;
    for (const char* option : kMemoryOptions) {
      if (IsWordAt(text, pos, option)) {
        pos = SkipBlanks(text, pos + std::string_view(option).size());
        more = true;
      }
    }
  }
  return pos;
}

// True when an unquoted file name starts at `pos` (just past the type and its memory options):
// anything but the line's end, a block, a quoted name or a comment.
bool IsUnquotedFileNameAt(std::string_view text, std::size_t pos) {
  char c = CharAt(text, pos);
  if (pos >= text.size() || IsLineBreak(c) || c == '{' || c == '"') return false;
  if (SkipStringOrComment(text, pos) != pos) return false;
  return !IsWordAt(text, pos, "BEGIN");
}

// The last non-blank character of the line `pos` lies on; text[pos] is not blank.
std::size_t LastOfLine(std::string_view text, std::size_t pos) {
  std::size_t end = text.find_first_of("\r\n", pos);
  if (end == std::string_view::npos) end = text.size();
  while (end > pos + 1 && IsBlank(text[end - 1])) --end;
  return end - 1;
}

// The last character of a closed block whose "}" stands at `brace`: its line break when one follows.
std::size_t AfterClosingBrace(std::string_view text, std::size_t brace) {
  if (CharAt(text, brace + 1) == '\r' && CharAt(text, brace + 2) == '\n') return brace + 2;
  if (IsLineBreak(CharAt(text, brace + 1))) return brace + 1;
  return brace;
}

// Counts braces from `start` (see FindResourceExtent). `oneLineFileReference` allows the quoted one-line
// form.
Extent ScanBlock(std::string_view text, std::size_t start, bool oneLineFileReference) {
  int depth = 0;
  bool opened = false;
  bool lineBroken = false;
  std::size_t pos = start;
  while (pos < text.size()) {
    char c = text[pos];
    std::size_t after = SkipStringOrComment(text, pos);
    if (after != pos) {
      if (c == '"' && oneLineFileReference && !opened && !lineBroken) return Extent{start, after - 1};
      if (text.substr(pos, after - pos).find_first_of("\r\n") != std::string_view::npos) lineBroken = true;
      pos = after;
      continue;
    }
    if (IsLineBreak(c)) {
      lineBroken = true;
    } else if (c == '{') {
      ++depth;
      opened = true;
    } else if (c == '}' && depth > 0) {
      if (--depth == 0) return Extent{start, AfterClosingBrace(text, pos)};
    }
    ++pos;
  }
  return Extent{start, text.size() - 1};
}

// A listing entry's table number: decimal digits, blanks around them allowed. 0 when it is none.
int ParseOrdinal(std::string_view name) {
  std::size_t pos = SkipBlanks(name, 0);
  std::size_t digits = pos;
  long value = 0;
  while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9') {
    value = value * 10 + (name[digits] - '0');
    if (value > 1000000000L) return 0;
    ++digits;
  }
  if (digits == pos || SkipBlanks(name, digits) != name.size()) return 0;
  return static_cast<int>(value);
}

// See ReferencedFileName.
std::optional<std::string> FileNameOfFirstLine(std::string_view resourceText) {
  std::size_t typePos = SkipBlanks(resourceText, SkipWord(resourceText, SkipBlanks(resourceText, 0)));
  std::size_t typeEnd = SkipWord(resourceText, typePos);
  std::string_view type = resourceText.substr(typePos, typeEnd - typePos);
  std::size_t file = SkipMemoryOptions(resourceText, typeEnd);
  if (CharAt(resourceText, file) == '"') {
    std::size_t close = resourceText.find_first_of("\"\r\n", file + 1);
    if (close == std::string_view::npos || resourceText[close] != '"' || close == file + 1) return std::nullopt;
    return std::string(resourceText.substr(file + 1, close - file - 1));
  }
  if (!TakesFileName(type) || !IsUnquotedFileNameAt(resourceText, file)) return std::nullopt;
  return std::string(resourceText.substr(file, SkipWord(resourceText, file) - file));
}

}  // namespace

std::optional<Extent> FindResourceExtent(std::string_view text, std::string_view type, std::string_view name) {
  if (type == "STRINGTABLE") return FindStringTable(text, ParseOrdinal(name));
  if (name.empty() || type.empty()) return std::nullopt;
  for (std::size_t pos = text.find(name); pos != std::string_view::npos; pos = text.find(name, pos + 1)) {
    if (!IsLineStart(text, pos) || !IsBlank(CharAt(text, pos + name.size()))) continue;
    std::size_t typePos = SkipBlanks(text, pos + name.size());
    if (!IsWordAt(text, typePos, type)) continue;
    if (TakesFileName(type)) {
      std::size_t file = SkipMemoryOptions(text, typePos + type.size());
      if (IsUnquotedFileNameAt(text, file)) return Extent{pos, LastOfLine(text, file)};
    }
    return ScanBlock(text, pos, true);
  }
  return std::nullopt;
}

std::optional<Extent> FindStringTable(std::string_view text, int ordinal) {
  if (ordinal < 1) return std::nullopt;
  int seen = 0;
  for (std::size_t pos = text.find("STRINGTABLE"); pos != std::string_view::npos;
       pos = text.find("STRINGTABLE", pos + 1)) {
    if (IsStringTableAt(text, pos) && ++seen == ordinal) return ScanBlock(text, pos, false);
  }
  return std::nullopt;
}

std::optional<std::string> ReferencedFileName(std::string_view resourceText) {
  try {
    return FileNameOfFirstLine(resourceText);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace resedit
