// Reading and writing the inline hex block of a picture resource.
#include "picedit/hexblock.h"

#include <algorithm>

namespace picedit {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The position just after the next line's opening quote, or npos when "}" or the end comes first.
std::size_t NextLineStart(const std::string& text, std::size_t from) {
  std::size_t lineEnd = text.find('\n', from);
  if (lineEnd == std::string::npos) return std::string::npos;
  std::size_t quote = text.find_first_of("'}", lineEnd + 1);
  if (quote == std::string::npos || text[quote] == '}') return std::string::npos;
  return quote + 1;
}

}  // namespace

HexBlock ReadHexBlock(const std::string& text) {
  HexBlock block;
  std::size_t brace = text.find('{');
  if (brace == std::string::npos) {
    block.head = text;
    return block;
  }
  block.head = text.substr(0, brace);
  std::size_t quote = text.find_first_of("'}", brace + 1);
  if (quote == std::string::npos || text[quote] == '}') return block;
  block.hasData = true;
  std::size_t at = quote + 1;
  while (at != std::string::npos && at < text.size()) {
    if (text[at] == '\'') {  // an empty line, or a separator just before the closing quote
      at = NextLineStart(text, at + 1);
      continue;
    }
    if (at + 1 >= text.size()) break;
    int high = HexValue(text[at]);
    int low = HexValue(text[at + 1]);
    if (high < 0 || low < 0) break;
    block.bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    at += 2;
    if (at >= text.size()) break;
    at = text[at] == '\'' ? NextLineStart(text, at + 1) : at + 1;
  }
  return block;
}

std::string WriteHexBlock(const std::string& head, const std::uint8_t* bytes, std::size_t count) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  std::size_t lines = (count + 15) / 16;
  text.reserve(head.size() + 8 + lines * 52);
  text += head;
  text += "{\r\n";
  for (std::size_t line = 0; line < lines; ++line) {
    text += " '";
    std::size_t end = std::min(count, (line + 1) * 16);
    for (std::size_t i = line * 16; i < end; ++i) {
      text += kDigits[bytes[i] >> 4];
      text += kDigits[bytes[i] & 0x0F];
      text += i + 1 < end ? ' ' : '\'';
    }
    text += "\r\n";
  }
  text += "}\r\n";
  return text;
}

}  // namespace picedit
