// Whole-text steps on a resource script: conversions on entry, cut, insert and append.
#include "resedit/scripttext.h"

#include <exception>
#include <new>

#include "resedit/scriptscan.h"

namespace resedit {

bool ConvertLineEnds(std::string& text) {
  std::size_t lone = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++lone;
  }
  if (lone == 0) return true;
  try {
    std::string converted;
    converted.reserve(text.size() + lone);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) converted.push_back('\r');
      converted.push_back(text[i]);
    }
    text.swap(converted);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

namespace {

// True when `word` at `pos` is a block word: after a blank, tab, line break or the text's start.
bool IsBlockWordAt(const std::string& text, std::size_t pos, std::string_view word) {
  return (pos == 0 || IsSpace(text[pos - 1])) && IsWordAt(text, pos, word);
}

}  // namespace

void ConvertBraces(std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t after = SkipStringOrComment(text, pos);
    if (after != pos) {
      pos = after;
    } else if (IsBlockWordAt(text, pos, "BEGIN")) {
      text.replace(pos, 5, "{    ");
      pos += 5;
    } else if (IsBlockWordAt(text, pos, "END")) {
      text.replace(pos, 3, "}  ");
      pos += 3;
    } else {
      ++pos;
    }
  }
}

bool PrepareScriptText(std::string& text) {
  if (!ConvertLineEnds(text)) return false;
  ConvertBraces(text);
  return true;
}

bool CutText(std::string& text, std::size_t start, std::size_t count) {
  if (start > text.size() || count > text.size() - start) return false;
  text.erase(start, count);
  return true;
}

bool InsertText(std::string& text, std::size_t offset, std::string_view piece) {
  if (offset > text.size()) return false;
  try {
    text.insert(offset, piece.data(), piece.size());
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool AppendText(std::string& text, std::string_view piece) { return InsertText(text, text.size(), piece); }

bool AppendOnNewLine(std::string& text, std::string_view piece) {
  bool needsBreak = !text.empty() && !IsLineBreak(text.back());
  if (!needsBreak) return AppendText(text, piece);
  try {
    std::string joined;
    joined.reserve(text.size() + 2 + piece.size());
    joined.append(text).append("\r\n").append(piece.data(), piece.size());
    text.swap(joined);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace resedit
