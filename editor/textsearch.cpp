// Text search, replace-all, line selection and the find dialogs' first text.
#include "editor/textsearch.h"

#include <climits>
#include <cstring>

namespace editor {

namespace {

bool IsSearchLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsWholeWord(const char* text, int length, int at, int patternLength) {
  if (at > 0 && IsSearchLetter(text[at - 1])) return false;
  const int after = at + patternLength;
  return after >= length || !IsSearchLetter(text[after]);
}

bool EqualFolded(const char* a, const char* b, int count) {
  for (int i = 0; i < count; ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

int SearchExact(const char* text, int from, int last, const char* pattern, int m, bool wholeWords, int length) {
  int p = from;
  while (p <= last) {
    const void* hit = std::memchr(text + p, static_cast<unsigned char>(pattern[0]), static_cast<std::size_t>(last - p + 1));
    if (hit == nullptr) return -1;
    const int at = static_cast<int>(static_cast<const char*>(hit) - text);
    if (std::memcmp(text + at + 1, pattern + 1, static_cast<std::size_t>(m - 1)) == 0 &&
        (!wholeWords || IsWholeWord(text, length, at, m))) {
      return at;
    }
    p = at + 1;
  }
  return -1;
}

int SearchFolded(const char* text, int from, int last, const char* pattern, int m, bool wholeWords, int length) {
  const char lower = FoldCase(pattern[0]);
  const char upper = (lower >= 'a' && lower <= 'z') ? static_cast<char>(lower - 'a' + 'A') : lower;
  for (int at = from; at <= last; ++at) {
    const char c = text[at];
    if ((c == lower || c == upper) && EqualFolded(text + at + 1, pattern + 1, m - 1) &&
        (!wholeWords || IsWholeWord(text, length, at, m))) {
      return at;
    }
  }
  return -1;
}

}  // namespace

int SearchText(const char* text, int length, const char* pattern, int flags, int from) {
  if (text == nullptr || pattern == nullptr || pattern[0] == '\0') return -1;
  if (length == -1) {
    const std::size_t n = std::strlen(text);
    length = n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
  }
  const std::size_t patternLength = std::strlen(pattern);
  if (length < 1 || patternLength > static_cast<std::size_t>(length)) return -1;
  const int m = static_cast<int>(patternLength);
  const int last = length - m;
  if (from < 0) from = 0;
  if (from > last) return -1;
  const bool wholeWords = (flags & kSearchWholeWords) != 0;
  if (flags & kSearchCaseSensitive) return SearchExact(text, from, last, pattern, m, wholeWords, length);
  return SearchFolded(text, from, last, pattern, m, wholeWords, length);
}

ReplaceOutcome ReplaceAll(const char* copy, int length, const std::string& findText, const std::string& replacement,
                          int flags, const std::function<ReplaceAnswer(int start, int end)>& decide,
                          const std::function<bool(int start, int end)>& replace) {
  ReplaceOutcome outcome;
  if (findText.empty() || copy == nullptr || length < 0) return outcome;
  const long long oldLength = static_cast<long long>(findText.size());
  const long long growthPerMatch = static_cast<long long>(replacement.size()) - oldLength;
  long long growth = 0;
  outcome.moveSelection = true;
  for (int p = SearchText(copy, length, findText.c_str(), flags, 0); p >= 0;
       p = SearchText(copy, length, findText.c_str(), flags, p + static_cast<int>(oldLength))) {
    const long long start = p + growth;
    const long long end = start + oldLength;
    if (end > INT_MAX) {
      // The grown text no longer has int positions: stop rather than address the wrong bytes.
      outcome.failed = true;
      outcome.selStart = outcome.selEnd = length > 0 ? length - 1 : 0;
      return outcome;
    }
    const ReplaceAnswer answer = decide ? decide(static_cast<int>(start), static_cast<int>(end)) : ReplaceAnswer::kYes;
    if (answer == ReplaceAnswer::kCancel) {
      outcome.cancelled = true;
      outcome.selStart = static_cast<int>(start);
      outcome.selEnd = static_cast<int>(end);
      return outcome;
    }
    if (answer == ReplaceAnswer::kNo) continue;
    if (!replace || !replace(static_cast<int>(start), static_cast<int>(end))) {
      outcome.failed = true;
      outcome.selStart = static_cast<int>(start);
      outcome.selEnd = static_cast<int>(end);
      return outcome;
    }
    ++outcome.replaced;
    growth += growthPerMatch;
  }
  outcome.selStart = outcome.selEnd = length > 0 ? length - 1 : 0;
  return outcome;
}

std::optional<TextRange> LineSelection(const char* text, int length, int lineNumber) {
  if (text == nullptr || length < 0 || lineNumber < 1) return std::nullopt;
  int line = 1;
  int p = 0;
  while (line < lineNumber) {
    while (p < length && text[p] != '\r' && text[p] != '\n') ++p;
    if (p >= length) return std::nullopt;
    p += (text[p] == '\r' && p + 1 < length && text[p + 1] == '\n') ? 2 : 1;
    ++line;
  }
  TextRange range;
  range.start = p;
  while (p < length && text[p] != '\r' && text[p] != '\n') ++p;
  range.end = p;
  return range;
}

int ParseGotoLine(const std::string& fieldText) {
  const std::string field = fieldText.substr(0, 5);
  std::size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  int value = 0;
  while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
    value = value * 10 + (field[i] - '0');
    ++i;
  }
  return negative ? -value : value;
}

std::string PrefillText(bool selectionEmpty, const std::string& wordAtCaret, const std::string& selectedText) {
  std::string text = (selectionEmpty ? wordAtCaret : selectedText).substr(0, kPrefillCapacity);
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  if (text.size() < 2) return std::string();
  return text;
}

}  // namespace editor
