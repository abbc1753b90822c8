// Scanning primitives shared by the list store's text readers.
#include "liststore/textscan.h"

#include <climits>
#include <cstring>

namespace liststore {
namespace detail {
namespace {

bool EndsCell(char c) { return c == 0 || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::size_t RowLength(const char* text) {
  std::size_t count = 0;
  while (count < kScanLimit && text[count] != 0 && text[count] != '\r' && text[count] != '\n')
    ++count;
  if (count == kScanLimit || text[count] != '\r') return 0;
  return text[count + 1] == '\n' ? count + 2 : count + 1;
}

std::size_t CellLength(const char* text) {
  std::size_t count = 0;
  while (count < kScanLimit && !EndsCell(text[count])) ++count;
  if (count == kScanLimit) return 0;
  if (text[count] == '\t') return count + 1;
  if (text[count] == '\r') return count;
  return 0;
}

std::string CopyCell(const char* text, std::size_t maxChars) {
  std::size_t count = 0;
  while (count < maxChars && !EndsCell(text[count])) ++count;
  return std::string(text, count);
}

bool FindKeyword(const char*& text, const char* keyword) {
  std::size_t keywordLength = std::strlen(keyword);
  const char* row = text;
  for (int tried = 0; tried < 17; ++tried) {
    // strncmp stops at the text's zero byte, which never matches a keyword character.
    if (std::strncmp(row, keyword, keywordLength) == 0) {
      text = row;
      return true;
    }
    std::size_t length = RowLength(row);
    if (length == 0) return false;
    row += length;
  }
  return false;
}

bool IsExactRow(const char* text, const char* keyword) {
  std::size_t keywordLength = std::strlen(keyword);
  return std::strncmp(text, keyword, keywordLength) == 0 && text[keywordLength] == '\r';
}

int ReadRowNumber(const char* text) {
  const char* c = text;
  while (*c == ' ' || *c == '\t' || *c == '\v' || *c == '\f') ++c;
  bool negative = false;
  if (*c == '+' || *c == '-') negative = *c++ == '-';
  long long value = 0;
  while (*c >= '0' && *c <= '9') {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*c - '0');
    ++c;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace detail
}  // namespace liststore
