// Reading a bitmap's header and checking its parts against the data.
#include "picedit/bitmapinfo.h"

#include <algorithm>
#include <cstdio>

#include "picedit/lebytes.h"

namespace picedit {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;
constexpr std::size_t kInfoHeaderBytes = 40;
// No real bitmap is wider or taller; the bound keeps every size computation far from overflow.
constexpr std::int64_t kMaxSide = 1 << 24;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

bool ValidBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool CompressionFits(std::uint32_t compression, int bits) {
  switch (compression) {
    case kRgb: return true;
    case kRle8: return bits == 8;
    case kRle4: return bits == 4;
    case kBitFields: return bits == 16 || bits == 32;
    default: return false;
  }
}

}  // namespace

std::optional<BitmapInfo> ReadBitmapInfo(const std::uint8_t* data, std::size_t length) {
  if (!data) return std::nullopt;
  BitmapInfo info;
  bool fileHeader = length >= 2 && data[0] == 'B' && data[1] == 'M';
  if (fileHeader) {
    if (length < kFileHeaderBytes) return std::nullopt;
    info.headerOffset = kFileHeaderBytes;
  }
  if (!RangeInside(length, info.headerOffset, 4)) return std::nullopt;
  const std::uint8_t* h = data + info.headerOffset;
  info.headerBytes = ReadU32(h);
  if (info.headerBytes != kCoreHeaderBytes && info.headerBytes < kInfoHeaderBytes) return std::nullopt;
  if (!RangeInside(length, info.headerOffset, info.headerBytes)) return std::nullopt;

  std::int64_t width, height;
  std::uint64_t entries, entryBytes;
  std::uint32_t coloursUsed = 0;
  if (info.headerBytes == kCoreHeaderBytes) {
    width = ReadU16(h + 4);
    height = ReadU16(h + 6);
    if (ReadU16(h + 8) != 1) return std::nullopt;
    info.bitCount = ReadU16(h + 10);
    entries = info.bitCount <= 8 ? (1u << info.bitCount) : 0;
    entryBytes = 3;
  } else {
    width = ReadI32(h + 4);
    height = ReadI32(h + 8);
    if (ReadU16(h + 12) != 1) return std::nullopt;
    info.bitCount = ReadU16(h + 14);
    info.compression = ReadU32(h + 16);
    coloursUsed = ReadU32(h + 32);
    if (!ValidBitCount(info.bitCount) || !CompressionFits(info.compression, info.bitCount)) {
      return std::nullopt;
    }
    if (info.bitCount <= 8) {
      std::uint32_t full = 1u << info.bitCount;
      entries = coloursUsed == 0 || coloursUsed > full ? full : coloursUsed;
    } else {
      entries = coloursUsed;
    }
    entryBytes = 4;
  }
  if (!ValidBitCount(info.bitCount)) return std::nullopt;
  if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide || height < -kMaxSide) {
    return std::nullopt;
  }
  info.topDown = height < 0;
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height < 0 ? -height : height);

  info.tableOffset = info.headerOffset + info.headerBytes;
  std::uint64_t table = entries * entryBytes;
  if (info.headerBytes == kInfoHeaderBytes && info.compression == kBitFields) table += 12;
  if (!RangeInside(length, info.tableOffset, table)) return std::nullopt;
  info.tableBytes = static_cast<std::size_t>(table);

  info.bitsOffset = info.tableOffset + info.tableBytes;
  if (fileHeader) {  // the file header's own offset, when it points past the table and into the data
    std::uint32_t offBits = ReadU32(data + 10);
    if (offBits >= info.bitsOffset && offBits <= length) info.bitsOffset = offBits;
  }
  std::uint64_t stride =
      (static_cast<std::uint64_t>(info.width) * static_cast<std::uint64_t>(info.bitCount) + 31) / 32 * 4;
  std::uint64_t needed = stride * static_cast<std::uint64_t>(info.height);
  if (info.compression == kRle8 || info.compression == kRle4) needed = ReadU32(h + 20);
  std::uint64_t available = std::min<std::uint64_t>(needed, length - info.bitsOffset);
  info.bitsNeeded = static_cast<std::size_t>(std::min<std::uint64_t>(needed, SIZE_MAX));
  info.bitsAvailable = static_cast<std::size_t>(available);
  if (info.compression == kRle8 || info.compression == kRle4) {
    info.rowsAvailable = available == needed ? info.height : 0;
  } else {
    info.rowsAvailable = static_cast<int>(available / stride);
  }

  if (info.bitCount <= 8) {
    info.colours =
        coloursUsed > 0 && coloursUsed < (1u << info.bitCount) ? coloursUsed : (1LL << info.bitCount);
  } else if (info.bitCount == 16) {
    info.colours = 65536;
  } else {
    info.colours = 16777216;
  }
  return info;
}

std::string BitmapInfoText(const BitmapInfo& info) {
  char text[96];
  std::snprintf(text, sizeof text, "Dimension: %d x %d\r\nColors: %lld", info.width, info.height,
                info.colours);
  return text;
}

}  // namespace picedit
