// Tests of exchanging a slot's image and mask with the clipboard as packed bitmaps.
#include "picedit/iconclip.h"

#include <gtest/gtest.h>

#include <random>

#include "picedit/iconboard.h"
#include "testimages.h"

namespace {

using picedit::IconSlot;
using picedit::PasteDibIntoSlot;
using picedit::SlotToDib;
using testimages::Bytes;
using testimages::Get32;
using testimages::Put16;
using testimages::Put32;
using testimages::RowBytes;

IconSlot SlotOf(int size, int bits, bool mask = true, std::uint8_t seed = 1) {
  IconSlot slot;
  slot.image = testimages::DibImage(size, bits, mask, seed);
  return slot;
}

// A packed bitmap: 40-byte header, `table` colours (BGR0) and patterned bits, rows bottom first
// unless the height is negative.
Bytes Dib(int width, int height, int bits, const std::vector<std::uint32_t>& table, std::uint8_t seed = 9) {
  std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  Bytes b(40 + table.size() * 4 + RowBytes(width, bits) * rows, 0);
  Put32(b, 0, 40);
  Put32(b, 4, static_cast<std::uint32_t>(width));
  Put32(b, 8, static_cast<std::uint32_t>(height));
  Put16(b, 12, 1);
  Put16(b, 14, bits);
  Put32(b, 32, static_cast<std::uint32_t>(table.size()));
  for (std::size_t i = 0; i < table.size(); ++i) Put32(b, 40 + 4 * i, table[i]);
  for (std::size_t i = 40 + table.size() * 4; i < b.size(); ++i)
    b[i] = static_cast<std::uint8_t>(seed + i * 3);
  return b;
}

// Whether two 1-bit pictures of `size` square agree in every pixel (row padding aside).
bool SameBits(const Bytes& a, std::size_t aAt, const Bytes& b, std::size_t bAt, int size) {
  std::size_t row = RowBytes(size, 1);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int bit = 0x80 >> (x % 8);
      if ((a[aAt + y * row + x / 8] & bit) != (b[bAt + y * row + x / 8] & bit)) return false;
    }
  }
  return true;
}

bool Paste(IconSlot& slot, const Bytes& dib, bool shift = false) {
  return PasteDibIntoSlot(slot, dib.data(), dib.size(), shift);
}

std::size_t MaskAt(int size, int bits) {
  std::size_t table = bits <= 8 ? (std::size_t{1} << bits) * 4 : 0;
  return 40 + table + RowBytes(size, bits) * size;
}

TEST(IconClipTest, TheColourImageCopiesWithAnUndoubledHeightAndPastesBackUnchanged) {
  IconSlot slot = SlotOf(32, 4);
  Bytes dib = SlotToDib(slot, false);
  ASSERT_EQ(dib.size(), 40u + 64 + 16 * 32);
  EXPECT_EQ(Get32(dib, 4), 32u);
  EXPECT_EQ(Get32(dib, 8), 32u);
  EXPECT_TRUE(std::equal(dib.begin() + 40, dib.end(), slot.image.begin() + 40));

  IconSlot other = SlotOf(32, 4, true, 77);
  ASSERT_TRUE(Paste(other, dib));
  EXPECT_TRUE(std::equal(other.image.begin(), other.image.begin() + MaskAt(32, 4), slot.image.begin()));
  EXPECT_FALSE(
      std::equal(other.image.begin() + MaskAt(32, 4), other.image.end(), slot.image.begin() + MaskAt(32, 4)))
      << "a colour paste leaves the mask";
}

TEST(IconClipTest, TheMaskCopiesAsABlackAndWhiteBitmapAndPastesIntoAnyDepth) {
  IconSlot slot = SlotOf(16, 8);
  Bytes mask = SlotToDib(slot, true);
  ASSERT_EQ(mask.size(), 40u + 8 + 4 * 16);
  EXPECT_EQ(testimages::Get16(mask, 14), 1u);
  EXPECT_EQ(Get32(mask, 44), 0xFFFFFFu);
  EXPECT_TRUE(std::equal(mask.begin() + 48, mask.end(), slot.image.begin() + MaskAt(16, 8)));

  IconSlot target = SlotOf(16, 8, true, 50);
  Bytes colours(target.image.begin(), target.image.begin() + MaskAt(16, 8));
  ASSERT_TRUE(Paste(target, mask));
  EXPECT_TRUE(SameBits(target.image, MaskAt(16, 8), slot.image, MaskAt(16, 8), 16));
  EXPECT_TRUE(std::equal(colours.begin(), colours.end(), target.image.begin()));
}

TEST(IconClipTest, OneBitImagesTakeTheMaskOnlyWithShift) {
  IconSlot slot = SlotOf(16, 1);
  Bytes dib = Dib(16, 16, 1, {0x000000, 0xFFFFFF});
  IconSlot colour = slot, mask = slot;
  ASSERT_TRUE(Paste(colour, dib, false));
  ASSERT_TRUE(Paste(mask, dib, true));
  std::size_t maskAt = MaskAt(16, 1);
  EXPECT_TRUE(std::equal(colour.image.begin() + 48, colour.image.begin() + maskAt, dib.begin() + 48));
  EXPECT_TRUE(std::equal(colour.image.begin() + maskAt, colour.image.end(), slot.image.begin() + maskAt));
  EXPECT_TRUE(std::equal(mask.image.begin(), mask.image.begin() + maskAt, slot.image.begin()));
  EXPECT_TRUE(SameBits(mask.image, maskAt, dib, 48, 16));
}

TEST(IconClipTest, AMaskIsReadByItsColoursAndTopDownRowsComeTheRightWayUp) {
  IconSlot slot = SlotOf(16, 4);
  Bytes white = Dib(16, 16, 1, {0xFFFFFF, 0x000000});  // bit 0 is white: transparent
  ASSERT_TRUE(Paste(slot, white));
  Bytes inverted = white;
  for (std::size_t i = 48; i < inverted.size(); ++i) inverted[i] = static_cast<std::uint8_t>(~inverted[i]);
  EXPECT_TRUE(SameBits(slot.image, MaskAt(16, 4), inverted, 48, 16));

  IconSlot down = SlotOf(16, 4);
  Bytes topDown = Dib(16, -16, 4, std::vector<std::uint32_t>(16, 0x123456));
  ASSERT_TRUE(Paste(down, topDown));
  std::size_t row = RowBytes(16, 4);
  for (std::size_t y = 0; y < 16; ++y) {
    EXPECT_TRUE(std::equal(down.image.begin() + 104 + y * row, down.image.begin() + 104 + (y + 1) * row,
                           topDown.begin() + 104 + (15 - y) * row))
        << y;
  }
  EXPECT_EQ(Get32(down.image, 40 + 4 * 7), 0x123456u) << "the pasted colour table comes along";
}

TEST(IconClipTest, ThirtyTwoBitMasksComeFromAndGoToTheAlpha) {
  IconSlot slot = SlotOf(16, 32, false);
  for (std::size_t p = 0; p < 256; ++p) slot.image[40 + p * 4 + 3] = p % 3 == 0 ? 0 : 200;
  Bytes mask = SlotToDib(slot, true);
  for (std::size_t p = 0; p < 256; ++p) {
    bool set = mask[48 + (p / 16) * 4 + (p % 16) / 8] & (0x80 >> (p % 8));
    ASSERT_EQ(set, p % 3 == 0) << p;
  }
  IconSlot target = SlotOf(16, 32, false, 3);
  ASSERT_TRUE(Paste(target, mask));
  for (std::size_t p = 0; p < 256; ++p) ASSERT_EQ(target.image[40 + p * 4 + 3], p % 3 == 0 ? 0 : 255) << p;

  IconSlot withMask = SlotOf(16, 32, true, 3);
  ASSERT_TRUE(Paste(withMask, mask));
  EXPECT_TRUE(SameBits(withMask.image, 40 + 1024, mask, 48, 16));
}

TEST(IconClipTest, BitmapsOfAnotherSizeDepthOrFormAreRefusedAndChangeNothing) {
  IconSlot slot = SlotOf(32, 4);
  Bytes before = slot.image;
  Bytes good = Dib(32, 32, 4, std::vector<std::uint32_t>(16, 0));
  struct Case {
    const char* label;
    Bytes dib;
  };
  std::vector<Case> cases = {
      {"16 x 16", Dib(16, 16, 4, std::vector<std::uint32_t>(16, 0))},
      {"32 x 16", Dib(32, 16, 4, std::vector<std::uint32_t>(16, 0))},
      {"8 bits into 4", Dib(32, 32, 8, std::vector<std::uint32_t>(256, 0))},
      {"24 bits", Dib(32, 32, 24, {})},
      {"cut short", Bytes(good.begin(), good.end() - 1)},
      {"empty", Bytes{}},
  };
  Bytes rle = good;
  Put32(rle, 16, 2);
  cases.push_back({"compressed", rle});
  Bytes manyColours = good;
  Put32(manyColours, 32, 17);
  cases.push_back({"17 colours in 4 bits", manyColours});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_FALSE(Paste(slot, c.dib));
    EXPECT_EQ(slot.image, before);
  }
  IconSlot mono = SlotOf(16, 1);
  EXPECT_FALSE(Paste(mono, Dib(16, 16, 4, std::vector<std::uint32_t>(16, 0)), true));
  EXPECT_TRUE(SlotToDib(IconSlot(), false).empty());
}

TEST(IconClipTest, ThirtyTwoBitBitmapsWithTheUsualBitFieldsAreTaken) {
  IconSlot slot = SlotOf(16, 32, false);
  Bytes dib = Dib(16, 16, 32, {});
  Put32(dib, 16, 3);
  Bytes masks(12);
  Put32(masks, 0, 0x00FF0000u);
  Put32(masks, 4, 0x0000FF00u);
  Put32(masks, 8, 0x000000FFu);
  dib.insert(dib.begin() + 40, masks.begin(), masks.end());
  ASSERT_TRUE(Paste(slot, dib));
  EXPECT_TRUE(std::equal(slot.image.begin() + 40, slot.image.end(), dib.begin() + 52));
  Put32(dib, 40, 0x000000FFu);
  EXPECT_FALSE(Paste(slot, dib)) << "red and blue swapped";
}

TEST(IconClipTest, TheBoardPastesIntoTheSelectedImageAndIsModified) {
  Bytes file = testimages::IconFile(1, {testimages::IconImage(16, 4), testimages::IconImage(32, 4)});
  picedit::IconBoard board;
  ASSERT_TRUE(board.Load(file.data(), file.size()));
  Bytes dib = Dib(32, 32, 4, std::vector<std::uint32_t>(16, 0x00FF00));
  EXPECT_FALSE(board.PasteIntoSelected(dib.data(), dib.size(), false));
  EXPECT_TRUE(board.CopySelected(false).empty());
  ASSERT_EQ(board.SelectImage(0), 1);
  EXPECT_FALSE(board.PasteIntoSelected(dib.data(), dib.size(), false)) << "16 x 16 selected";
  EXPECT_FALSE(board.Modified());
  ASSERT_EQ(board.SelectImage(1), 3);
  EXPECT_TRUE(board.PasteIntoSelected(dib.data(), dib.size(), false));
  EXPECT_TRUE(board.Modified());
  Bytes copied = board.CopySelected(false);
  EXPECT_TRUE(std::equal(copied.begin() + 40, copied.end(), dib.begin() + 40));
}

TEST(IconClipTest, TruncatedAndRandomBitmapsArePastedOrRefusedWithoutHarm) {
  std::mt19937 rng(7u);
  Bytes good = Dib(16, 16, 8, std::vector<std::uint32_t>(256, 0x010203));
  for (std::size_t cut = 0; cut <= good.size(); cut += 7) {
    IconSlot slot = SlotOf(16, 8);
    Bytes b(good.begin(), good.begin() + cut);
    EXPECT_EQ(Paste(slot, b), cut == good.size());
  }
  for (int round = 0; round < 2000; ++round) {
    IconSlot slot = SlotOf(16, round % 2 ? 8 : 1);
    Bytes b = testimages::Mutated(rng, good, 1 + round % 5);
    if (round % 4 == 0) b.resize(rng() % b.size());
    Paste(slot, b, round % 3 == 0);
    ASSERT_EQ(slot.image.size(), round % 2 ? 1384u : 176u);
  }
}

}  // namespace
