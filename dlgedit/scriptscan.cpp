// Small text scanners shared by the DIALOG statement reader and writer.
#include "dlgedit/scriptscan.h"

#include <cctype>

#include "dlgedit/dialogunits.h"

namespace dlgedit {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

static bool IsSpace(char c) { return IsBlank(c) || IsLineBreak(c); }

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsSpace(text[begin])) ++begin;
  return TrimRight(text.substr(begin));
}

std::string_view TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

bool WordAt(std::string_view text, std::size_t pos, std::string_view word) {
  if (pos > text.size() || text.size() - pos < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[pos + i])) !=
        std::toupper(static_cast<unsigned char>(word[i])))
      return false;
  }
  std::size_t after = pos + word.size();
  return after == text.size() || !IsWordChar(text[after]);
}

std::size_t LineEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size() && !IsLineBreak(text[pos])) ++pos;
  return pos < text.size() ? pos : text.size();
}

std::size_t NextLineStart(std::string_view text, std::size_t lineEnd) {
  if (lineEnd >= text.size()) return text.size();
  if (text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n') return lineEnd + 2;
  return lineEnd + 1;
}

std::size_t ClosingQuote(std::string_view text, std::size_t openQuote) {
  std::size_t pos = openQuote + 1;
  while (pos < text.size() && !IsLineBreak(text[pos])) {
    char c = text[pos];
    if (c == '\\') {
      if (pos + 1 < text.size() && !IsLineBreak(text[pos + 1])) {
        pos += 2;
        continue;
      }
    } else if (c == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        pos += 2;
        continue;
      }
      return pos;
    }
    ++pos;
  }
  return std::string_view::npos;
}

std::optional<std::vector<std::string>> SplitFields(std::string_view text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  int depth = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    char c = text[pos];
    if (c == '"') {
      std::size_t close = ClosingQuote(text, pos);
      if (close == std::string_view::npos) return std::nullopt;
      pos = close + 1;
      continue;
    }
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else if (c == ',' && depth == 0) {
      fields.emplace_back(Trim(text.substr(start, pos - start)));
      start = pos + 1;
    }
    ++pos;
  }
  fields.emplace_back(Trim(text.substr(start)));
  return fields;
}

std::optional<TextField> ParseTextField(std::string_view field) {
  field = Trim(field);
  TextField result;
  if (!field.empty() && field[0] == '"') {
    std::size_t close = ClosingQuote(field, 0);
    if (close == std::string_view::npos || !Trim(field.substr(close + 1)).empty()) return std::nullopt;
    result.text = std::string(field.substr(1, close - 1));
    return result;
  }
  if (field.find('"') != std::string_view::npos) return std::nullopt;
  result.text = std::string(field);
  result.bare = true;
  return result;
}

int LeadingNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  long long value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (value <= kMaxDialogUnits) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  if (value > kMaxDialogUnits) value = kMaxDialogUnits;
  return static_cast<int>(negative ? -value : value);
}

}  // namespace dlgedit
