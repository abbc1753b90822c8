// Tests of the eleven formats: their layouts, the fresh images and what counts as editable.
#include "picedit/iconformat.h"

#include <gtest/gtest.h>

#include "testimages.h"

namespace {

using picedit::FormatOfSlot;
using picedit::kSlotCount;
using testimages::Bytes;
using testimages::Get16;
using testimages::Get32;

std::uint32_t TableColour(const Bytes& image, int index) {
  std::size_t at = 40 + 4 * static_cast<std::size_t>(index);
  return (image[at + 2] << 16) | (image[at + 1] << 8) | image[at];
}

TEST(IconFormatTest, EveryFormatsByteCountIsItsHeaderTableBitsAndMask) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    SCOPED_TRACE(slot);
    const picedit::IconFormat* f = FormatOfSlot(slot);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(picedit::SlotOf(f->size, f->bitCount), slot);
    std::size_t mask = f->bitCount == 32 ? 0 : picedit::MaskRowBytes(f->size) * f->size;
    EXPECT_EQ(f->byteCount, 40 + picedit::ColourTableBytes(f->bitCount) +
                                picedit::ColourRowBytes(f->size, f->bitCount) * f->size + mask);
  }
  EXPECT_EQ(FormatOfSlot(-1), nullptr);
  EXPECT_EQ(FormatOfSlot(11), nullptr);
  EXPECT_EQ(picedit::SlotOf(24, 32), -1);
  EXPECT_EQ(picedit::SlotOf(48, 1), -1);
  EXPECT_EQ(picedit::SlotOf(16, 24), -1);
}

TEST(IconFormatTest, FreshImagesCarryTheirHeaderAndZeroBits) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    SCOPED_TRACE(slot);
    const picedit::IconFormat* f = FormatOfSlot(slot);
    Bytes image = picedit::FreshImage(slot);
    ASSERT_EQ(image.size(), f->byteCount);
    EXPECT_EQ(Get32(image, 0), 40u);
    EXPECT_EQ(Get32(image, 4), static_cast<std::uint32_t>(f->size));
    EXPECT_EQ(Get32(image, 8), static_cast<std::uint32_t>(2 * f->size));
    EXPECT_EQ(Get16(image, 12), 1u);
    EXPECT_EQ(Get16(image, 14), static_cast<std::uint32_t>(f->bitCount));
    EXPECT_EQ(Get32(image, 16), 0u);
    std::size_t bitsStart = 40 + picedit::ColourTableBytes(f->bitCount);
    for (std::size_t i = bitsStart; i < image.size(); ++i) ASSERT_EQ(image[i], 0) << i;
    bool hasMask = true;
    EXPECT_EQ(picedit::EditableSlotOf(image.data(), image.size(), &hasMask), slot);
    EXPECT_EQ(hasMask, f->bitCount != 32);
  }
  EXPECT_TRUE(picedit::FreshImage(11).empty());
}

TEST(IconFormatTest, FreshColourTablesAreBlackAndWhiteSixteenAndTheLevelCube) {
  Bytes mono = picedit::FreshImage(0);
  EXPECT_EQ(TableColour(mono, 0), 0x000000u);
  EXPECT_EQ(TableColour(mono, 1), 0xFFFFFFu);

  Bytes sixteen = picedit::FreshImage(1);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(TableColour(sixteen, i), picedit::kSixteenColours[i]) << i;
  EXPECT_EQ(picedit::kSixteenColours[0], 0x000000u);
  EXPECT_EQ(picedit::kSixteenColours[15], 0xFFFFFFu);

  Bytes cube = picedit::FreshImage(7);
  // Red level i / 32, green level (i / 4) mod 8 from 00 20 40 60 80 A0 C0 FF; blue i mod 4 from
  // 00 40 80 FF.
  EXPECT_EQ(TableColour(cube, 0), 0x000000u);
  EXPECT_EQ(TableColour(cube, 1), 0x000040u);
  EXPECT_EQ(TableColour(cube, 3), 0x0000FFu);
  EXPECT_EQ(TableColour(cube, 4), 0x002000u);
  EXPECT_EQ(TableColour(cube, 37), 0x202040u);
  EXPECT_EQ(TableColour(cube, 31), 0x00FFFFu);
  EXPECT_EQ(TableColour(cube, 32), 0x200000u);
  EXPECT_EQ(TableColour(cube, 255), 0xFFFFFFu);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(TableColour(cube, i), picedit::PaletteColour256(i));
  EXPECT_EQ(TableColour(picedit::FreshImage(6), 200), picedit::PaletteColour256(200));
}

TEST(IconFormatTest, OnlyImagesLaidOutExactlyAsAFormatAreEditable) {
  Bytes good = testimages::DibImage(32, 4);
  EXPECT_EQ(picedit::EditableSlotOf(good.data(), good.size(), nullptr), 3);
  EXPECT_EQ(picedit::EditableSlotOf(good.data(), good.size() - 1, nullptr), -1) << "bytes short";
  EXPECT_EQ(picedit::EditableSlotOf(nullptr, 0, nullptr), -1);

  struct Case {
    const char* label;
    std::size_t at;
    std::uint32_t value;
    bool word;
  };
  const Case cases[] = {
      {"height not doubled", 8, 32, false},
      {"compressed", 16, 1, false},
      {"two planes", 12, 2, true},
      {"partial colour table", 32, 8, false},
      {"header of 108 bytes", 0, 108, false},
      {"width 24", 4, 24, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Bytes b = good;
    if (c.word) {
      testimages::Put16(b, c.at, c.value);
    } else {
      testimages::Put32(b, c.at, c.value);
    }
    EXPECT_EQ(picedit::EditableSlotOf(b.data(), b.size(), nullptr), -1);
  }
  Bytes fullTable = good;
  testimages::Put32(fullTable, 32, 16);
  EXPECT_EQ(picedit::EditableSlotOf(fullTable.data(), fullTable.size(), nullptr), 3);

  bool hasMask = false;
  Bytes withMask = testimages::DibImage(48, 32, true);
  EXPECT_EQ(picedit::EditableSlotOf(withMask.data(), withMask.size(), &hasMask), 10);
  EXPECT_TRUE(hasMask);
  Bytes without = testimages::DibImage(48, 32, false);
  EXPECT_EQ(picedit::EditableSlotOf(without.data(), without.size(), &hasMask), 10);
  EXPECT_FALSE(hasMask);
}

}  // namespace
