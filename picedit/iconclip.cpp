// Copying a slot to a packed bitmap and pasting one into it.
#include "picedit/iconclip.h"

#include <algorithm>

namespace picedit {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

struct SlotLayout {
  int width = 0;
  int bits = 0;
  std::size_t tableAt = kDibHeaderBytes;
  std::size_t colourAt = 0;
  std::size_t colourRow = 0;
  std::size_t maskAt = 0;  // 0 when the slot has no AND mask
  std::size_t maskRow = 0;
};

bool LayoutOf(const IconSlot& slot, SlotLayout& l) {
  if (slot.image.size() < kDibHeaderBytes) return false;
  l.width = ReadI32(slot.image.data() + 4);
  l.bits = ReadU16(slot.image.data() + 14);
  if (SlotOf(l.width, l.bits) < 0) return false;
  l.colourAt = kDibHeaderBytes + ColourTableBytes(l.bits);
  l.colourRow = ColourRowBytes(l.width, l.bits);
  l.maskRow = MaskRowBytes(l.width);
  std::size_t maskAt = l.colourAt + l.colourRow * static_cast<std::size_t>(l.width);
  if (slot.HasMask()) l.maskAt = maskAt;
  return maskAt <= slot.image.size() && (!l.maskAt || maskAt + l.maskRow * l.width <= slot.image.size());
}

std::vector<Byte> DibHeader(int width, int bits, std::size_t bitsBytes) {
  std::vector<Byte> dib(kDibHeaderBytes, 0);
  WriteU32(dib.data(), static_cast<std::uint32_t>(kDibHeaderBytes));
  WriteU32(dib.data() + 4, static_cast<std::uint32_t>(width));
  WriteU32(dib.data() + 8, static_cast<std::uint32_t>(width));
  WriteU16(dib.data() + 12, 1);
  WriteU16(dib.data() + 14, static_cast<std::uint16_t>(bits));
  WriteU32(dib.data() + 20, static_cast<std::uint32_t>(bitsBytes));
  return dib;
}

// A pasted bitmap, its parts checked against its length.
struct Pasted {
  int bits = 0;
  bool topDown = false;
  const Byte* table = nullptr;
  std::size_t tableEntries = 0;
  const Byte* pixels = nullptr;
  std::size_t row = 0;

  const Byte* Row(int y, int height) const {  // y counted from the bottom, like the slot's rows
    return pixels + row * static_cast<std::size_t>(topDown ? height - 1 - y : y);
  }
};

bool ReadPasted(const Byte* dib, std::size_t length, int width, Pasted& p) {
  if (!dib || length < kDibHeaderBytes) return false;
  std::uint32_t headerBytes = ReadU32(dib);
  if (headerBytes < kDibHeaderBytes || headerBytes > length) return false;
  std::int32_t w = ReadI32(dib + 4), h = ReadI32(dib + 8);
  if (w != width || (h != width && h != -width) || ReadU16(dib + 12) != 1) return false;
  p.bits = ReadU16(dib + 14);
  p.topDown = h < 0;
  std::uint32_t compression = ReadU32(dib + 16);
  std::uint32_t used = ReadU32(dib + 32);
  std::uint64_t extra = 0;
  if (compression == kBitFields && (p.bits == 16 || p.bits == 32)) {
    if (p.bits == 16) return false;  // 5-6-5 and 5-5-5 pixels are no icon depth
    // The red, green and blue masks follow a 40-byte header and sit inside any longer one.
    std::uint64_t masksAt = kDibHeaderBytes;
    if (!RangeInside(length, masksAt, 12)) return false;
    if (ReadU32(dib + masksAt) != 0x00FF0000u || ReadU32(dib + masksAt + 4) != 0x0000FF00u ||
        ReadU32(dib + masksAt + 8) != 0x000000FFu) {
      return false;
    }
    if (headerBytes == kDibHeaderBytes) extra = 12;
  } else if (compression != kRgb) {
    return false;
  }
  if (p.bits != 1 && p.bits != 4 && p.bits != 8 && p.bits != 32) return false;
  std::uint64_t entries = p.bits <= 8 ? (used ? used : (1u << p.bits)) : used;
  if (p.bits <= 8 && entries > (1u << p.bits)) return false;
  std::uint64_t tableAt = headerBytes + extra;
  if (!RangeInside(length, tableAt, entries * 4)) return false;
  p.table = dib + tableAt;
  p.tableEntries = static_cast<std::size_t>(entries);
  std::uint64_t pixelsAt = tableAt + entries * 4;
  p.row = ColourRowBytes(width, p.bits);
  std::uint64_t pixelBytes = static_cast<std::uint64_t>(p.row) * static_cast<std::uint64_t>(width);
  if (!RangeInside(length, pixelsAt, pixelBytes)) return false;
  p.pixels = dib + pixelsAt;
  return true;
}

int Brightness(const Byte* quad) { return quad[0] + quad[1] + quad[2]; }

void PasteMask(IconSlot& slot, const SlotLayout& l, const Pasted& p) {
  // Bits of the brighter colour mean transparent; a table of one entry or none keeps bit 1 so.
  bool invert = p.tableEntries >= 2 && Brightness(p.table) > Brightness(p.table + 4);
  for (int y = 0; y < l.width; ++y) {
    const Byte* from = p.Row(y, l.width);
    for (int x = 0; x < l.width; ++x) {
      bool transparent = ((from[x / 8] >> (7 - x % 8)) & 1) != invert;
      if (l.maskAt) {
        Byte& m =
            slot.image[l.maskAt + static_cast<std::size_t>(y) * l.maskRow + static_cast<std::size_t>(x / 8)];
        Byte bit = static_cast<Byte>(0x80 >> (x % 8));
        m = transparent ? static_cast<Byte>(m | bit) : static_cast<Byte>(m & ~bit);
      }
      if (l.bits == 32) {
        slot.image[l.colourAt + static_cast<std::size_t>(y) * l.colourRow + static_cast<std::size_t>(x) * 4 +
                   3] = transparent ? 0 : 255;
      }
    }
  }
}

void PasteColours(IconSlot& slot, const SlotLayout& l, const Pasted& p) {
  if (l.bits <= 8) {
    Byte* table = slot.image.data() + l.tableAt;
    std::fill(table, table + ColourTableBytes(l.bits), Byte{0});
    std::copy(p.table, p.table + p.tableEntries * 4, table);
  }
  for (int y = 0; y < l.width; ++y) {
    const Byte* from = p.Row(y, l.width);
    std::copy(from, from + l.colourRow,
              slot.image.begin() +
                  static_cast<std::ptrdiff_t>(l.colourAt + static_cast<std::size_t>(y) * l.colourRow));
  }
}

}  // namespace

std::vector<Byte> SlotToDib(const IconSlot& slot, bool mask) {
  SlotLayout l;
  if (!slot.Present() || !LayoutOf(slot, l)) return {};
  std::size_t rows = static_cast<std::size_t>(l.width);
  if (!mask) {
    std::vector<Byte> dib = DibHeader(l.width, l.bits, l.colourRow * rows);
    dib.insert(dib.end(), slot.image.begin() + kDibHeaderBytes,
               slot.image.begin() + static_cast<std::ptrdiff_t>(l.colourAt + l.colourRow * rows));
    return dib;
  }
  std::vector<Byte> dib = DibHeader(l.width, 1, l.maskRow * rows);
  const Byte table[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
  dib.insert(dib.end(), table, table + 8);
  if (l.maskAt) {
    dib.insert(dib.end(), slot.image.begin() + static_cast<std::ptrdiff_t>(l.maskAt),
               slot.image.begin() + static_cast<std::ptrdiff_t>(l.maskAt + l.maskRow * rows));
    return dib;
  }
  std::size_t bitsAt = dib.size();
  dib.resize(bitsAt + l.maskRow * rows, 0);
  for (std::size_t y = 0; y < rows; ++y) {
    for (int x = 0; x < l.width; ++x) {
      if (slot.image[l.colourAt + y * l.colourRow + static_cast<std::size_t>(x) * 4 + 3] == 0) {
        dib[bitsAt + y * l.maskRow + static_cast<std::size_t>(x / 8)] |= static_cast<Byte>(0x80 >> (x % 8));
      }
    }
  }
  return dib;
}

bool PasteDibIntoSlot(IconSlot& slot, const Byte* dib, std::size_t length, bool shift) {
  SlotLayout l;
  Pasted p;
  if (!slot.Present() || !LayoutOf(slot, l) || !ReadPasted(dib, length, l.width, p)) return false;
  if (l.bits == 1) {
    if (p.bits != 1) return false;
    if (shift) {
      PasteMask(slot, l, p);
    } else {
      PasteColours(slot, l, p);
    }
    return true;
  }
  if (p.bits == l.bits) {
    PasteColours(slot, l, p);
    return true;
  }
  if (p.bits == 1) {
    PasteMask(slot, l, p);
    return true;
  }
  return false;
}

}  // namespace picedit
