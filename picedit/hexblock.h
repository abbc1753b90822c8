// The inline hex block of an ICON, CURSOR or BITMAP resource in a script:
//
//   IDI_APP ICON
//   {
//    '00 00 01 00 02 00 10 10 10 00 00 00 00 00 28 01'
//    '00 00'
//   }
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace picedit {

struct HexBlock {
  std::string head;  // everything before the first "{"
  std::vector<std::uint8_t> bytes;
  bool hasData = false;  // an opening single quote came before "}"
};

// Reads a resource's text. After the first single quote that follows "{", bytes are read as pairs
// of hexadecimal digits (either case), each followed by one separator character; a single quote
// in that place ends the line, and reading goes on at the next line's opening quote, until "}" or
// the end of the text. Reading stops at the first pair that is not two hexadecimal digits, keeping
// the bytes before it. Without "{" the whole text is the head and there is no data.
HexBlock ReadHexBlock(const std::string& text);

// The head, "{\r\n", lines of at most 16 bytes (" '", then "%02X " per byte with the last blank
// replaced by a single quote, then "\r\n"), and "}\r\n".
std::string WriteHexBlock(const std::string& head, const std::uint8_t* bytes, std::size_t count);

}  // namespace picedit
