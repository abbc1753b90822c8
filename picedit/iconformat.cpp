// The eleven icon image formats, their layouts and the fresh images of the images dialog.
#include "picedit/iconformat.h"

namespace picedit {

namespace {

constexpr std::array<IconFormat, kSlotCount> kFormats = {{
    {0, 16, 1, 176},
    {1, 16, 4, 296},
    {2, 32, 1, 304},
    {3, 32, 4, 744},
    {4, 32, 8, 2216},
    {5, 48, 4, 1640},
    {6, 48, 8, 3752},
    {7, 16, 8, 1384},
    {8, 16, 32, 1064},
    {9, 32, 32, 4136},
    {10, 48, 32, 9256},
}};

constexpr Byte kLevels8[8] = {0x00, 0x20, 0x40, 0x60, 0x80, 0xA0, 0xC0, 0xFF};
constexpr Byte kLevels4[4] = {0x00, 0x40, 0x80, 0xFF};

void PutQuad(Byte* p, std::uint32_t rgb) {
  p[0] = static_cast<Byte>(rgb & 0xFF);          // blue
  p[1] = static_cast<Byte>((rgb >> 8) & 0xFF);   // green
  p[2] = static_cast<Byte>((rgb >> 16) & 0xFF);  // red
  p[3] = 0;
}

}  // namespace

// The classic VGA colours: black, the eight dark colours with light grey, then the bright ones.
const std::array<std::uint32_t, 16> kSixteenColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

const IconFormat* FormatOfSlot(int slot) {
  if (slot < 0 || slot >= kSlotCount) return nullptr;
  return &kFormats[static_cast<std::size_t>(slot)];
}

int SlotOf(int size, int bitCount) {
  for (const IconFormat& f : kFormats) {
    if (f.size == size && f.bitCount == bitCount) return f.slot;
  }
  return -1;
}

std::size_t ColourTableBytes(int bitCount) { return bitCount <= 8 ? (std::size_t{1} << bitCount) * 4 : 0; }

std::size_t ColourRowBytes(int width, int bitCount) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

std::size_t MaskRowBytes(int width) { return ColourRowBytes(width, 1); }

bool IconSlot::HasMask() const {
  if (image.size() < kDibHeaderBytes) return false;
  int bits = ReadU16(image.data() + 14);
  if (bits != 32) return true;
  int width = ReadI32(image.data() + 4);
  const IconFormat* f = FormatOfSlot(SlotOf(width, 32));
  return f && image.size() >= f->byteCount + MaskRowBytes(width) * static_cast<std::size_t>(width);
}

std::uint32_t PaletteColour256(int index) {
  int i = index & 0xFF;
  std::uint32_t red = kLevels8[i / 32];
  std::uint32_t green = kLevels8[(i / 4) % 8];
  std::uint32_t blue = kLevels4[i % 4];
  return (red << 16) | (green << 8) | blue;
}

std::vector<Byte> FreshImage(int slot) {
  const IconFormat* f = FormatOfSlot(slot);
  if (!f) return {};
  std::vector<Byte> image(f->byteCount, 0);
  Byte* h = image.data();
  std::size_t colourBits = ColourRowBytes(f->size, f->bitCount) * static_cast<std::size_t>(f->size);
  std::size_t mask = f->bitCount == 32 ? 0 : MaskRowBytes(f->size) * static_cast<std::size_t>(f->size);
  WriteU32(h, static_cast<std::uint32_t>(kDibHeaderBytes));
  WriteU32(h + 4, static_cast<std::uint32_t>(f->size));
  WriteU32(h + 8, static_cast<std::uint32_t>(2 * f->size));
  WriteU16(h + 12, 1);
  WriteU16(h + 14, static_cast<std::uint16_t>(f->bitCount));
  WriteU32(h + 20, static_cast<std::uint32_t>(colourBits + mask));
  Byte* table = h + kDibHeaderBytes;
  switch (f->bitCount) {
    case 1:
      PutQuad(table, 0x000000);
      PutQuad(table + 4, 0xFFFFFF);
      break;
    case 4:
      for (int i = 0; i < 16; ++i) PutQuad(table + 4 * i, kSixteenColours[static_cast<std::size_t>(i)]);
      break;
    case 8:
      for (int i = 0; i < 256; ++i) PutQuad(table + 4 * i, PaletteColour256(i));
      break;
    default: break;
  }
  return image;
}

int EditableSlotOf(const Byte* image, std::size_t available, bool* hasMask) {
  if (hasMask) *hasMask = false;
  if (!image || available < kDibHeaderBytes) return -1;
  if (ReadU32(image) != kDibHeaderBytes) return -1;
  std::int32_t width = ReadI32(image + 4);
  std::int32_t height = ReadI32(image + 8);
  int planes = ReadU16(image + 12);
  int bits = ReadU16(image + 14);
  std::uint32_t compression = ReadU32(image + 16);
  std::uint32_t coloursUsed = ReadU32(image + 32);
  if (width != 16 && width != 32 && width != 48) return -1;
  if (height != 2 * width || planes != 1 || compression != 0) return -1;
  int slot = SlotOf(width, bits);
  if (slot < 0) return -1;
  if (bits <= 8 ? (coloursUsed != 0 && coloursUsed != (1u << bits)) : coloursUsed != 0) return -1;
  const IconFormat* f = FormatOfSlot(slot);
  if (available < f->byteCount) return -1;
  if (hasMask) {
    *hasMask =
        bits != 32 || available >= f->byteCount + MaskRowBytes(width) * static_cast<std::size_t>(width);
  }
  return slot;
}

}  // namespace picedit
