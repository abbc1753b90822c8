// What a bitmap's header says: dimensions, bit count, colour count and where its bits lie, every
// value checked against the data's length so a drawer never reads outside the block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace picedit {

struct BitmapInfo {
  std::size_t headerOffset = 0;   // 14 after a "BM" file header, 0 for a bare header
  std::uint32_t headerBytes = 0;  // 12 (the old core form) or 40 and more
  int width = 0;
  int height = 0;  // positive; topDown tells the row order
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = 0;
  long long colours = 0;        // the colour count a user is told
  std::size_t tableOffset = 0;  // the colour table (or bit-field masks), inside the data
  std::size_t tableBytes = 0;
  std::size_t bitsOffset = 0;     // the pixel bits
  std::size_t bitsNeeded = 0;     // what the header's dimensions call for
  std::size_t bitsAvailable = 0;  // what the data holds of them (no more than bitsNeeded)
  int rowsAvailable = 0;          // whole rows inside the data (uncompressed bitmaps)
};

// Reads a bitmap file ("BM" and its 14-byte file header, then the bitmap header) or a bare bitmap
// header. The header may be the 12-byte core form or the 40-byte form (longer versions are read
// as their first 40 bytes). Nothing when the header or its colour table does not lie inside the
// data, the width is not positive, the height is 0, the bit count is not 1, 4, 8, 16, 24 or 32, or
// the compression does not fit the bit count. Bits cut short by the end of the data are reported
// in bitsAvailable and rowsAvailable: a damaged bitmap is shown as far as it is sound.
std::optional<BitmapInfo> ReadBitmapInfo(const std::uint8_t* data, std::size_t length);

// "Dimension: %d x %d\r\nColors: %d" for the bitmap-information box.
std::string BitmapInfoText(const BitmapInfo& info);

}  // namespace picedit
