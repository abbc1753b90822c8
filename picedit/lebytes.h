// Little-endian reads and writes of the words and double words in icon, cursor and bitmap data.
// Callers check the range first; these never look past the four bytes they are given.
#pragma once

#include <cstddef>
#include <cstdint>

namespace picedit {

using Byte = std::uint8_t;

inline std::uint16_t ReadU16(const Byte* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

inline std::uint32_t ReadU32(const Byte* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t ReadI32(const Byte* p) {
  std::uint32_t u = ReadU32(p);
  return u <= 0x7FFFFFFFu ? static_cast<std::int32_t>(u) : -static_cast<std::int32_t>(~u) - 1;
}

inline void WriteU16(Byte* p, std::uint16_t v) {
  p[0] = static_cast<Byte>(v & 0xFF);
  p[1] = static_cast<Byte>(v >> 8);
}

inline void WriteU32(Byte* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<Byte>((v >> (8 * i)) & 0xFF);
}

// True when [offset, offset + count) lies inside a block of `length` bytes; safe against overflow.
inline bool RangeInside(std::size_t length, std::uint64_t offset, std::uint64_t count) {
  return offset <= length && count <= length - offset;
}

}  // namespace picedit
