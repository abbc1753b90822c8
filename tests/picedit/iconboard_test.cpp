// Tests of the mask board's data: slots, selection, cell edits, hotspots and the take-back.
#include "picedit/iconboard.h"

#include <gtest/gtest.h>

#include "testimages.h"

namespace {

using picedit::IconBoard;
using picedit::SlotBit;
using testimages::Bytes;
using testimages::Get16;
using testimages::Get32;
using testimages::IconFile;
using testimages::IconImage;

// The AND-mask bit of cell (x, y) of image `index` of a file, rows stored bottom first.
bool MaskBitSet(const Bytes& file, std::size_t index, int x, int y) {
  std::size_t image = Get32(file, 6 + 16 * index + 12);
  int width = static_cast<int>(Get32(file, image + 4));
  int bits = static_cast<int>(Get16(file, image + 14));
  std::size_t table = bits <= 8 ? (std::size_t{1} << bits) * 4 : 0;
  std::size_t mask = image + 40 + table + testimages::RowBytes(width, bits) * width;
  std::size_t at = mask + (width - 1 - y) * testimages::RowBytes(width, 1) + x / 8;
  return file[at] & (0x80 >> (x % 8));
}

class IconBoardTest : public ::testing::Test {
 protected:
  IconBoard board;
  void Load(const Bytes& file) { ASSERT_TRUE(board.Load(file.data(), file.size())); }
};

TEST_F(IconBoardTest, LoadingFillsTheSlotsOfTheFormatsPresent) {
  Bytes file = IconFile(1, {IconImage(16, 4), IconImage(24, 32), IconImage(32, 1), IconImage(48, 32, false)});
  Load(file);
  EXPECT_FALSE(board.IsCursor());
  EXPECT_EQ(board.FormatSet(), SlotBit(1) | SlotBit(2) | SlotBit(10));
  EXPECT_EQ(board.Slot(1).image, testimages::ImageBytes(file, 0));
  EXPECT_EQ(board.Slot(2).image, testimages::ImageBytes(file, 2));
  EXPECT_EQ(board.Slot(10).image.size(), 9256u);
  EXPECT_FALSE(board.Slot(10).HasMask());
  EXPECT_FALSE(board.Slot(0).Present());
  EXPECT_FALSE(board.Slot(11).Present());
  EXPECT_EQ(board.SelectedIndex(), -1);
  EXPECT_FALSE(board.Modified());

  EXPECT_FALSE(board.Load(file.data(), 5));
  EXPECT_FALSE(board.Loaded());
  EXPECT_EQ(board.FormatSet(), 0u);
}

TEST_F(IconBoardTest, SelectingGivesTheSlotOrMinusOneForImagesItCannotEdit) {
  Load(IconFile(1, {IconImage(16, 4), IconImage(16, 24), IconImage(32, 8)}));
  EXPECT_EQ(board.SelectImage(0), 1);
  EXPECT_EQ(board.SelectImage(2), 4);
  EXPECT_EQ(board.SelectedIndex(), 2);
  EXPECT_EQ(board.SelectImage(1), -1) << "a 24-bit image is shown but cannot be edited";
  EXPECT_EQ(board.SelectedIndex(), -1);
  EXPECT_EQ(board.SelectImage(3), -1);
  EXPECT_EQ(board.SelectImage(-1), -1);
  EXPECT_FALSE(board.SetCellOpaque(0, 0));
}

TEST_F(IconBoardTest, CellEditsSetAndClearTheMaskBitOfThatCellOnly) {
  Bytes file = IconFile(1, {IconImage(16, 1), IconImage(48, 4)});
  Load(file);
  ASSERT_EQ(board.SelectImage(1), 5);
  // Start from a known state: the top-left cell transparent, the bottom-right opaque.
  board.SetCellTransparent(0, 0);
  board.SetCellOpaque(47, 47);
  board.SetModified(false);

  EXPECT_TRUE(board.SetCellOpaque(0, 0));
  EXPECT_TRUE(board.IsCellOpaque(0, 0));
  EXPECT_TRUE(board.Modified());
  EXPECT_FALSE(board.SetCellOpaque(0, 0)) << "no change the second time";
  EXPECT_TRUE(board.SetCellTransparent(47, 47));
  EXPECT_FALSE(board.IsCellOpaque(47, 47));
  EXPECT_FALSE(board.SetCellOpaque(48, 0));
  EXPECT_FALSE(board.SetCellOpaque(0, -1));
  EXPECT_FALSE(board.IsCellOpaque(0, 48));

  Bytes back = board.TakeSlotBack();
  EXPECT_FALSE(MaskBitSet(back, 1, 0, 0));
  EXPECT_TRUE(MaskBitSet(back, 1, 47, 47));
  // Only those two cells differ from the original image; the other image is untouched.
  std::size_t differing = 0;
  for (std::size_t i = 0; i < file.size(); ++i) differing += file[i] != back[i];
  EXPECT_LE(differing, 2u);
  EXPECT_EQ(testimages::ImageBytes(back, 0), testimages::ImageBytes(file, 0));
}

TEST_F(IconBoardTest, ThirtyTwoBitCellsEditTheAlphaAndAKeptMaskAlongWithIt) {
  Bytes file = IconFile(1, {IconImage(16, 32, true)});
  Load(file);
  ASSERT_EQ(board.SelectImage(0), 8);
  EXPECT_TRUE(board.Slot(8).HasMask());
  board.SetCellTransparent(3, 2);
  EXPECT_FALSE(board.IsCellOpaque(3, 2));
  Bytes back = board.TakeSlotBack();
  std::size_t image = Get32(back, 6 + 12);
  std::size_t alpha = image + 40 + (15 - 2) * 64 + 3 * 4 + 3;
  EXPECT_EQ(back[alpha], 0);
  EXPECT_TRUE(MaskBitSet(back, 0, 3, 2));
  board.SetCellOpaque(3, 2);
  back = board.TakeSlotBack();
  EXPECT_EQ(back[alpha], 255);
  EXPECT_FALSE(MaskBitSet(back, 0, 3, 2));

  IconBoard bare;
  Bytes noMask = IconFile(1, {IconImage(32, 32, false)});
  ASSERT_TRUE(bare.Load(noMask.data(), noMask.size()));
  ASSERT_EQ(bare.SelectImage(0), 9);
  bare.SetCellOpaque(31, 31);
  EXPECT_TRUE(bare.IsCellOpaque(31, 31));
  EXPECT_TRUE(bare.SetCellTransparent(31, 31));
  EXPECT_FALSE(bare.IsCellOpaque(31, 31));
  EXPECT_EQ(bare.TakeSlotBack().size(), noMask.size());
}

TEST_F(IconBoardTest, AHotspotMovesOnlyOnCursorsAndGoesIntoTheDirectory) {
  Bytes cursor = IconFile(2, {testimages::CursorImage(32, 1, 1, 2), testimages::CursorImage(16, 4, 3, 4)});
  Load(cursor);
  EXPECT_TRUE(board.IsCursor());
  EXPECT_EQ(board.Slot(2).hotspotX, 1);
  EXPECT_EQ(board.Slot(2).hotspotY, 2);
  ASSERT_EQ(board.SelectImage(1), 1);
  EXPECT_FALSE(board.SetHotspot(16, 0));
  EXPECT_TRUE(board.SetHotspot(15, 9));
  EXPECT_TRUE(board.Modified());
  EXPECT_FALSE(board.SetHotspot(15, 9));
  Bytes back = board.TakeSlotBack();
  EXPECT_EQ(Get16(back, 22 + 4), 15u);
  EXPECT_EQ(Get16(back, 22 + 6), 9u);
  EXPECT_EQ(Get16(back, 6 + 4), 1u) << "the other image keeps its own";

  IconBoard icon;
  Bytes file = IconFile(1, {IconImage(16, 4)});
  ASSERT_TRUE(icon.Load(file.data(), file.size()));
  icon.SelectImage(0);
  EXPECT_FALSE(icon.SetHotspot(1, 1));
  EXPECT_EQ(icon.TakeSlotBack(), file);
}

TEST_F(IconBoardTest, TakingBackWithoutASelectionReturnsTheDataAsItIs) {
  Bytes file = IconFile(1, {IconImage(16, 4)});
  Load(file);
  EXPECT_EQ(board.TakeSlotBack(), file);
}

}  // namespace
