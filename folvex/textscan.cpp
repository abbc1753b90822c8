// Scanning functions over a text of known length: line ends, lines, columns, words, indentation.
#include "folvex/textscan.h"

#include <cstdint>

namespace folvex {

namespace {

// Counting runs over blocks of this many bytes. The inner loop has a fixed trip count, which lets the
// compiler process a block with vector instructions even at -O2.
constexpr std::int32_t kScanBlock = 64;

std::int32_t Clamp(std::int32_t offset, std::int32_t length) {
  if (offset < 0) return 0;
  if (offset > length) return length;
  return offset;
}

// A line end is counted at its last byte: an LF, or a CR that no LF follows. Reading t[i + 1] is
// safe for every i below the length because the terminator follows the text.
inline std::uint32_t EndsAt(const unsigned char* t, std::int32_t i) {
  unsigned char c = t[i];
  return static_cast<std::uint32_t>(c == '\n') |
         (static_cast<std::uint32_t>(c == '\r') & static_cast<std::uint32_t>(t[i + 1] != '\n'));
}

std::uint32_t EndsInBlock(const unsigned char* t, std::int32_t from) {
  std::uint32_t n = 0;
  for (std::int32_t j = 0; j < kScanBlock; ++j) n += EndsAt(t, from + j);
  return n;
}

// Line ends whose last byte lies in [from, to), to <= length.
std::int32_t CountEnds(const char* text, std::int32_t from, std::int32_t to) {
  const auto* t = reinterpret_cast<const unsigned char*>(text);
  std::int32_t n = 0;
  std::int32_t i = from;
  for (; to - i >= kScanBlock; i += kScanBlock) n += static_cast<std::int32_t>(EndsInBlock(t, i));
  for (; i < to; ++i) n += static_cast<std::int32_t>(EndsAt(t, i));
  return n;
}

bool IsLineEndByte(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool IsWordChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::int32_t CountLineEnds(const char* text, std::int32_t length) {
  if (length <= 0) return 0;
  return CountEnds(text, 0, length);
}

std::int32_t LineStart(const char* text, std::int32_t length, std::int32_t line) {
  if (line < 0) return -1;
  if (line == 0) return 0;
  const auto* t = reinterpret_cast<const unsigned char*>(text);
  std::int32_t remaining = line;
  std::int32_t i = 0;
  // Skip whole blocks that hold fewer line ends than are still to be passed.
  for (; length - i >= kScanBlock; i += kScanBlock) {
    std::int32_t n = static_cast<std::int32_t>(EndsInBlock(t, i));
    if (n >= remaining) break;
    remaining -= n;
  }
  for (; i < length; ++i) {
    if (EndsAt(t, i) && --remaining == 0) return i + 1;
  }
  return -1;
}

std::int32_t LineOfOffset(const char* text, std::int32_t length, std::int32_t offset) {
  offset = Clamp(offset, length);
  std::int32_t n = CountEnds(text, 0, offset);
  // A CR LF pair split by the offset: its CR is among the first bytes, its LF (where it is counted)
  // is not.
  if (offset > 0 && text[offset - 1] == '\r' && text[offset] == '\n') ++n;
  return n;
}

LineAndColumn LineColumn(const char* text, std::int32_t length, std::int32_t offset) {
  offset = Clamp(offset, length);
  LineAndColumn place{LineOfOffset(text, length, offset), 0};
  std::int32_t j = offset - 1;
  while (j >= 0 && !IsLineEndByte(text[j])) --j;
  if (j < 0) {
    place.column = offset;
    return place;
  }
  std::int32_t afterEnd = (text[j] == '\r' && text[j + 1] == '\n') ? j + 2 : j + 1;
  place.column = 1 + (offset > afterEnd ? offset - afterEnd : 0);
  return place;
}

std::int32_t StartOfLine(const char* text, std::int32_t length, std::int32_t offset) {
  offset = Clamp(offset, length);
  while (offset > 0 && !IsLineEndByte(text[offset - 1])) --offset;
  return offset;
}

std::int32_t EndOfLine(const char* text, std::int32_t length, std::int32_t offset) {
  offset = Clamp(offset, length);
  while (offset < length && !IsLineEndByte(text[offset])) ++offset;
  return offset;
}

std::int32_t LineLength(const char* text, std::int32_t length, std::int32_t offset) {
  return EndOfLine(text, length, offset) - StartOfLine(text, length, offset);
}

std::int32_t NextLineStart(const char* text, std::int32_t length, std::int32_t offset) {
  std::int32_t end = EndOfLine(text, length, offset);
  if (end >= length) return -1;
  if (text[end] == '\r' && text[end + 1] == '\n') return end + 2;
  return end + 1;
}

std::int32_t WordStart(const char* text, std::int32_t length, std::int32_t offset) {
  offset = Clamp(offset, length);
  while (offset > 0 && IsWordChar(text[offset - 1])) --offset;
  return offset;
}

std::int32_t WordEnd(const char* text, std::int32_t length, std::int32_t offset) {
  offset = Clamp(offset, length);
  while (offset < length && IsWordChar(text[offset])) ++offset;
  return offset;
}

std::int32_t NextWordStart(const char* text, std::int32_t length, std::int32_t offset) {
  for (std::int32_t i = Clamp(offset, length); i < length; ++i) {
    if (IsWordChar(text[i]) && (i == 0 || !IsWordChar(text[i - 1]))) return i;
  }
  return length;
}

std::int32_t Indentation(const char* text, std::int32_t length, std::int32_t offset, char* out,
                         std::int32_t outCapacity) {
  std::int32_t start = StartOfLine(text, length, offset);
  std::int32_t count = 0;
  while (start + count < length && IsBlank(text[start + count])) ++count;
  if (out != nullptr && outCapacity > 0) {
    std::int32_t copied = count < outCapacity - 1 ? count : outCapacity - 1;
    for (std::int32_t i = 0; i < copied; ++i) out[i] = text[start + i];
    out[copied] = '\0';
  }
  return count;
}

std::int32_t TrailingBlanks(const char* text, std::int32_t length, std::int32_t offset) {
  std::int32_t start = StartOfLine(text, length, offset);
  std::int32_t end = EndOfLine(text, length, offset);
  std::int32_t count = 0;
  while (end - count > start && IsBlank(text[end - count - 1])) ++count;
  return count;
}

}  // namespace folvex
