// Reading an icon or cursor directory and describing each image from its own bytes.
#include "picedit/icondir.h"

#include <algorithm>
#include <cstdio>

#include "picedit/iconformat.h"

namespace picedit {

namespace {

constexpr Byte kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::uint32_t ReadBigU32(const Byte* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

// A dimension that a caption can show: the header's value when it is plausible, else the entry's.
int Plausible(std::int64_t fromImage, int fromEntry) {
  return fromImage > 0 && fromImage <= 65536 ? static_cast<int>(fromImage) : fromEntry;
}

void DescribeImage(const Byte* data, std::size_t length, IconEntry& e) {
  int entryWidth = e.width ? e.width : 256;
  int entryHeight = e.height ? e.height : 256;
  e.pixelWidth = entryWidth;
  e.pixelHeight = entryHeight;
  e.bitCount = e.bitsOrHotspotY;
  if (e.byteCount == 0 || !RangeInside(length, e.offset, e.byteCount)) {
    e.kind = ImageKind::kDamaged;
    return;
  }
  const Byte* image = data + e.offset;
  std::size_t available = e.byteCount;
  if (available >= 8 && std::equal(kPngSignature, kPngSignature + 8, image)) {
    e.kind = ImageKind::kPng;
    e.bitCount = 32;
    if (available >= 24) {  // IHDR: length, "IHDR", width, height (big-endian)
      e.pixelWidth = Plausible(ReadBigU32(image + 16), entryWidth);
      e.pixelHeight = Plausible(ReadBigU32(image + 20), entryHeight);
    }
    return;
  }
  if (available >= 4) {
    std::uint32_t headerBytes = ReadU32(image);
    if (headerBytes >= kDibHeaderBytes && available >= headerBytes) {
      e.kind = ImageKind::kDib;
      e.pixelWidth = Plausible(ReadI32(image + 4), entryWidth);
      e.pixelHeight = Plausible(ReadI32(image + 8) / 2, entryHeight);
      e.bitCount = ReadU16(image + 14);
      return;
    }
    if (headerBytes == 12 && available >= 12) {  // the old core header
      e.kind = ImageKind::kDib;
      e.pixelWidth = Plausible(ReadU16(image + 4), entryWidth);
      e.pixelHeight = Plausible(ReadU16(image + 6) / 2, entryHeight);
      e.bitCount = ReadU16(image + 10);
      return;
    }
  }
  e.kind = ImageKind::kUnknown;
}

}  // namespace

std::optional<IconDirectory> ReadIconDirectory(const Byte* data, std::size_t length) {
  if (!data || length < kIconHeaderBytes) return std::nullopt;
  if (ReadU16(data) != 0) return std::nullopt;
  int type = ReadU16(data + 2);
  if (type != kIconType && type != kCursorType) return std::nullopt;
  IconDirectory dir;
  dir.type = type;
  dir.declaredCount = ReadU16(data + 4);
  std::size_t fit = (length - kIconHeaderBytes) / kIconEntryBytes;
  std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(dir.declaredCount), fit);
  dir.entries.reserve(count);
  unsigned slotsTaken = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const Byte* p = data + kIconHeaderBytes + i * kIconEntryBytes;
    IconEntry e;
    e.width = p[0];
    e.height = p[1];
    e.colourCount = p[2];
    e.reserved = p[3];
    e.planesOrHotspotX = ReadU16(p + 4);
    e.bitsOrHotspotY = ReadU16(p + 6);
    e.byteCount = ReadU32(p + 8);
    e.offset = ReadU32(p + 12);
    DescribeImage(data, length, e);
    if (e.kind == ImageKind::kDib) {
      int slot = EditableSlotOf(data + e.offset, e.byteCount, nullptr);
      if (slot >= 0 && !(slotsTaken & SlotBit(slot))) {
        e.slot = slot;
        slotsTaken |= SlotBit(slot);
      }
    }
    dir.entries.push_back(e);
  }
  return dir;
}

std::string TileCaption(const IconEntry& entry) {
  if (entry.kind == ImageKind::kDamaged) return "damaged";
  char text[64];
  if (entry.bitCount == 24 || entry.bitCount == 32) {
    std::snprintf(text, sizeof text, "%d x %d, TrueColor", entry.pixelWidth, entry.pixelHeight);
  } else {
    long long colours = entry.bitCount > 0 && entry.bitCount < 24 ? 1LL << entry.bitCount : 0;
    std::snprintf(text, sizeof text, "%d x %d, %lld Colors", entry.pixelWidth, entry.pixelHeight, colours);
  }
  return text;
}

}  // namespace picedit
