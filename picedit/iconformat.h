// The eleven icon image formats the mask board edits: their slots, byte layouts and fresh images.
//
// An icon or cursor image is a BITMAPINFOHEADER (40 bytes) whose height is twice the image height,
// a colour table (none for 32 bits), the colour bits and the 1-bit AND mask, every row padded to
// 4 bytes and stored bottom row first. The board keeps one slot per format; a slot's presence bit
// in a format set is SlotBit(slot). A 32-bit slot's fixed size has no AND mask (its transparency
// is the alpha byte), but a 32-bit image read from a file keeps the mask it came with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "picedit/lebytes.h"

namespace picedit {

constexpr int kSlotCount = 11;
constexpr std::size_t kDibHeaderBytes = 40;

struct IconFormat {
  int slot;
  int size;               // width and height in pixels
  int bitCount;           // 1, 4, 8 or 32
  std::size_t byteCount;  // header, colour table, colour bits and (below 32 bits) mask
};

// The order in which a rebuilt file holds its slots.
constexpr std::array<int, kSlotCount> kRebuildOrder = {1, 7, 8, 3, 2, 4, 9, 0, 5, 6, 10};

constexpr unsigned SlotBit(int slot) { return 1u << slot; }
constexpr unsigned kAllSlots = (1u << kSlotCount) - 1;

// The format of slot 0..10; nullptr for any other number.
const IconFormat* FormatOfSlot(int slot);
// The slot of a size and bit count, -1 when the pair is none of the eleven.
int SlotOf(int size, int bitCount);

// Byte counts of the parts of an image of the given width and bit count (height = width).
std::size_t ColourTableBytes(int bitCount);
std::size_t ColourRowBytes(int width, int bitCount);
std::size_t MaskRowBytes(int width);

// One slot of the board: the image bytes in the format's layout (a 32-bit image from a file may
// carry its AND mask after the colour bits) and the two directory words of a cursor's hotspot.
struct IconSlot {
  std::vector<Byte> image;  // empty when the format is absent
  std::uint16_t hotspotX = 0;
  std::uint16_t hotspotY = 0;
  int sourceIndex = -1;  // directory index the slot was filled from, -1 for a fresh image

  bool Present() const { return !image.empty(); }
  bool HasMask() const;  // below 32 bits always; 32 bits only when the mask came along
};

// A fresh image for a slot: its header, its colour table (black and white for 1 bit, the fixed
// 16-colour table for 4 bits, the 8-level red and green by 4-level blue table for 8 bits) and all
// bits zero. Empty for an unknown slot.
std::vector<Byte> FreshImage(int slot);

// The 16-colour table of fresh 4-bit images, as RGB values 0xRRGGBB.
extern const std::array<std::uint32_t, 16> kSixteenColours;
// Entry i of the 256-colour table of fresh 8-bit images, as 0xRRGGBB.
std::uint32_t PaletteColour256(int index);

// The slot an image's bytes fit exactly: a 40-byte header with width 16, 32 or 48, height twice
// the width, one plane, no compression, a bit count of the slot and a full colour table (colours
// used 0 or all), and at least the format's byte count available. -1 otherwise. `hasMask` tells
// whether a 32-bit image has room for an AND mask after its colour bits.
int EditableSlotOf(const Byte* image, std::size_t available, bool* hasMask);

}  // namespace picedit
