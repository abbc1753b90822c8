// Tests of the images rebuild: fresh formats, dropped formats, the fixed order, hotspots, and the
// images the board cannot edit carried over unchanged.
#include "picedit/iconrebuild.h"

#include <gtest/gtest.h>

#include <random>

#include "picedit/iconboard.h"
#include "testimages.h"

namespace {

using picedit::IconBoard;
using picedit::SlotBit;
using testimages::Bytes;
using testimages::Get16;
using testimages::Get32;
using testimages::IconFile;
using testimages::IconImage;

struct Entry {
  int width, height, colours, word1, word2;
  std::size_t size, offset;
};

Entry EntryOf(const Bytes& file, std::size_t index) {
  std::size_t e = 6 + 16 * index;
  return {file[e],
          file[e + 1],
          file[e + 2],
          static_cast<int>(Get16(file, e + 4)),
          static_cast<int>(Get16(file, e + 6)),
          Get32(file, e + 8),
          Get32(file, e + 12)};
}

// Every image follows the directory without gaps, and the file ends with the last one.
void ExpectContiguous(const Bytes& file) {
  std::size_t count = Get16(file, 4);
  std::size_t at = 6 + 16 * count;
  for (std::size_t i = 0; i < count; ++i) {
    Entry e = EntryOf(file, i);
    EXPECT_EQ(e.offset, at) << "image " << i;
    at += e.size;
  }
  EXPECT_EQ(at, file.size());
}

class IconRebuildTest : public ::testing::Test {
 protected:
  IconBoard board;
  void Load(const Bytes& file) { ASSERT_TRUE(board.Load(file.data(), file.size())); }
};

TEST_F(IconRebuildTest, AddingA48BitTrueColourImageToTwoFourBitImagesGivesThree) {
  Bytes file = IconFile(1, {IconImage(16, 4), IconImage(32, 4)});
  Load(file);
  ASSERT_TRUE(board.Rebuild(board.FormatSet() | SlotBit(10)));
  const Bytes& rebuilt = board.Data();
  auto dir = picedit::ReadIconDirectory(rebuilt.data(), rebuilt.size());
  ASSERT_TRUE(dir);
  EXPECT_EQ(dir->type, 1);
  ASSERT_EQ(dir->entries.size(), 3u);
  EXPECT_EQ(dir->entries[0].slot, 1);
  EXPECT_EQ(dir->entries[1].slot, 3);
  EXPECT_EQ(dir->entries[2].slot, 10);
  Entry added = EntryOf(rebuilt, 2);
  EXPECT_EQ(added.width, 48);
  EXPECT_EQ(added.height, 48);
  EXPECT_EQ(added.colours, 0);
  EXPECT_EQ(added.word1, 1);
  EXPECT_EQ(added.word2, 32);
  EXPECT_EQ(added.size, 9256u);
  EXPECT_EQ(EntryOf(rebuilt, 0).colours, 16);
  EXPECT_EQ(testimages::ImageBytes(rebuilt, 0), testimages::ImageBytes(file, 0));
  EXPECT_EQ(testimages::ImageBytes(rebuilt, 1), testimages::ImageBytes(file, 1));
  EXPECT_EQ(testimages::ImageBytes(rebuilt, 2), picedit::FreshImage(10));
  ExpectContiguous(rebuilt);
  EXPECT_TRUE(board.Modified());
}

TEST_F(IconRebuildTest, SlotsFollowTheFixedOrderAndClearedFormatsAreDropped) {
  Load(IconFile(1, {IconImage(48, 8), IconImage(16, 1), IconImage(32, 32), IconImage(16, 4)}));
  ASSERT_TRUE(board.Rebuild(picedit::kAllSlots & ~SlotBit(6)));
  auto dir = picedit::ReadIconDirectory(board.Data().data(), board.Data().size());
  ASSERT_TRUE(dir);
  std::vector<int> slots;
  for (const auto& e : dir->entries) slots.push_back(e.slot);
  EXPECT_EQ(slots, (std::vector<int>{1, 7, 8, 3, 2, 4, 9, 0, 5, 10}));
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const picedit::IconFormat* f = picedit::FormatOfSlot(slots[i]);
    Entry e = EntryOf(board.Data(), i);
    EXPECT_EQ(e.width, f->size);
    EXPECT_EQ(e.colours, f->bitCount == 1 ? 2 : f->bitCount == 4 ? 16 : 0);
    EXPECT_EQ(e.word2, f->bitCount);
  }
  ExpectContiguous(board.Data());

  ASSERT_TRUE(board.Rebuild(0));
  EXPECT_EQ(board.Data(), (Bytes{0, 0, 1, 0, 0, 0}));
}

TEST_F(IconRebuildTest, EditsAndTheSelectionSurviveARebuild) {
  Load(IconFile(1, {IconImage(16, 4), IconImage(32, 4)}));
  ASSERT_EQ(board.SelectImage(1), 3);
  board.SetCellTransparent(4, 4);
  board.SetCellOpaque(5, 4);
  ASSERT_TRUE(board.Rebuild(SlotBit(3) | SlotBit(7)));
  EXPECT_EQ(board.SelectedSlot(), 3);
  EXPECT_EQ(board.SelectedIndex(), 1) << "slot 7 now comes first";
  EXPECT_FALSE(board.IsCellOpaque(4, 4));
  EXPECT_TRUE(board.IsCellOpaque(5, 4));

  ASSERT_TRUE(board.Rebuild(SlotBit(7)));
  EXPECT_EQ(board.SelectedIndex(), -1) << "the selected format went away";
}

TEST_F(IconRebuildTest, ACursorsHotspotsSurviveARebuild) {
  Load(IconFile(2, {testimages::CursorImage(32, 1, 7, 30), testimages::CursorImage(16, 1, 2, 3)}));
  ASSERT_EQ(board.SelectImage(1), 0);
  board.SetHotspot(11, 12);
  ASSERT_TRUE(board.Rebuild(board.FormatSet() | SlotBit(3)));
  const Bytes& cursor = board.Data();
  EXPECT_EQ(Get16(cursor, 2), 2u);
  ASSERT_EQ(Get16(cursor, 4), 3u);
  // Order 3, 2, 0: the fresh 32 x 32 4-bit image has its hotspot at 0, 0.
  Entry fresh = EntryOf(cursor, 0), big = EntryOf(cursor, 1), small = EntryOf(cursor, 2);
  EXPECT_EQ(fresh.word1, 0);
  EXPECT_EQ(fresh.word2, 0);
  EXPECT_EQ(big.word1, 7);
  EXPECT_EQ(big.word2, 30);
  EXPECT_EQ(small.word1, 11);
  EXPECT_EQ(small.word2, 12);
  EXPECT_EQ(board.Slot(0).hotspotX, 11);
}

// Confirming the images dialog used to keep only the eleven formats: 24 x 24, 64 x 64, 256 x 256
// PNG and 24-bit images vanished even without a change, and 32-bit images lost their AND masks.
TEST_F(IconRebuildTest, ImagesTheBoardCannotEditAreCarriedOverUnchangedInTheirPlace) {
  testimages::Image png = {testimages::PngImage(256, 256, 300), 0, 0, 0, 1, 32};
  Bytes file =
      IconFile(1, {IconImage(16, 4), IconImage(24, 32, true, 3), IconImage(32, 4), IconImage(32, 32, true, 5),
                   IconImage(64, 32, true, 6), IconImage(16, 24, true, 7), png});
  Load(file);
  ASSERT_TRUE(board.Rebuild(board.FormatSet()));
  const Bytes& out = board.Data();
  ASSERT_EQ(Get16(out, 4), 7u);
  // Slots 1, 3, 9 in the fixed order; each carried image right after the one it followed.
  const std::size_t from[] = {0, 1, 2, 3, 4, 5, 6};
  for (std::size_t i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(testimages::ImageBytes(out, i), testimages::ImageBytes(file, from[i]));
    Entry a = EntryOf(out, i), b = EntryOf(file, from[i]);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.colours, b.colours);
    EXPECT_EQ(a.word1, b.word1);
    EXPECT_EQ(a.word2, b.word2);
    EXPECT_EQ(a.size, b.size);
  }
  EXPECT_EQ(EntryOf(out, 3).size, 4136u + 128u) << "the 32-bit image keeps its AND mask";
  ExpectContiguous(out);
  EXPECT_FALSE(board.Modified()) << "nothing changed";

  // Dropping the 32 x 32 4-bit slot and adding a 48 x 48 one leaves the carried images in order.
  ASSERT_TRUE(board.Rebuild(SlotBit(1) | SlotBit(9) | SlotBit(5)));
  auto dir = picedit::ReadIconDirectory(board.Data().data(), board.Data().size());
  ASSERT_TRUE(dir);
  std::vector<int> widths;
  for (const auto& e : dir->entries) widths.push_back(e.pixelWidth * 100 + e.bitCount);
  EXPECT_EQ(widths, (std::vector<int>{1604, 2432, 3232, 6432, 1624, 25632, 4804}));
}

TEST_F(IconRebuildTest, ACarriedImageWithNothingBeforeItStaysInFront) {
  Bytes file = IconFile(1, {IconImage(24, 8, true, 2), IconImage(32, 4), IconImage(16, 4)});
  Load(file);
  ASSERT_TRUE(board.Rebuild(board.FormatSet()));
  auto dir = picedit::ReadIconDirectory(board.Data().data(), board.Data().size());
  ASSERT_TRUE(dir);
  ASSERT_EQ(dir->entries.size(), 3u);
  EXPECT_EQ(dir->entries[0].pixelWidth, 24);
  EXPECT_EQ(dir->entries[1].slot, 1);
  EXPECT_EQ(dir->entries[2].slot, 3);
}

TEST_F(IconRebuildTest, DamagedEntriesAreLeftOutAndTheRestIsKept) {
  Bytes file = IconFile(1, {IconImage(16, 4), IconImage(24, 32), IconImage(32, 4)});
  testimages::Put32(file, 22 + 12, 0xFFFFFF00u);
  Load(file);
  ASSERT_TRUE(board.Rebuild(board.FormatSet()));
  EXPECT_EQ(Get16(board.Data(), 4), 2u);
  ExpectContiguous(board.Data());
}

TEST_F(IconRebuildTest, NothingLoadedMeansNoRebuild) {
  EXPECT_FALSE(board.Rebuild(picedit::kAllSlots));
  EXPECT_TRUE(board.Data().empty());
}

// Truncated and randomly changed files go through load, selection, edits, take-back and rebuild
// without reading or writing outside any block (the sanitizers watch), and every rebuilt file
// reads back whole.
TEST_F(IconRebuildTest, DamagedAndRandomFilesSurviveEveryStep) {
  std::mt19937 rng(20240611u);
  Bytes cursor = IconFile(2, {testimages::CursorImage(32, 4, 3, 3), testimages::CursorImage(48, 32, 1, 1)});
  Bytes icon = IconFile(1, {IconImage(16, 1),
                            IconImage(24, 32),
                            IconImage(32, 8),
                            {testimages::PngImage(64, 64), 64, 64, 0, 1, 32}});
  auto exercise = [&](const Bytes& data) {
    IconBoard b;
    if (!b.Load(data.data(), data.size())) return;
    for (int i = 0; i < static_cast<int>(b.Directory().entries.size()) && i < 8; ++i) {
      picedit::TileCaption(b.Directory().entries[i]);
      if (b.SelectImage(i) < 0) continue;
      b.SetCellOpaque(static_cast<int>(rng() % 50), static_cast<int>(rng() % 50));
      b.SetCellTransparent(static_cast<int>(rng() % 50), static_cast<int>(rng() % 50));
      b.SetHotspot(1, 1);
      b.TakeSlotBack();
    }
    unsigned set = static_cast<unsigned>(rng()) & picedit::kAllSlots;
    ASSERT_TRUE(b.Rebuild(set));
    auto dir = picedit::ReadIconDirectory(b.Data().data(), b.Data().size());
    ASSERT_TRUE(dir);
    EXPECT_EQ(static_cast<int>(dir->entries.size()), dir->declaredCount);
    for (const auto& e : dir->entries) EXPECT_NE(e.kind, picedit::ImageKind::kDamaged);
  };
  for (const Bytes* base : {&icon, &cursor}) {
    for (std::size_t cut = 0; cut <= base->size(); cut += 1 + cut / 16) {
      exercise(Bytes(base->begin(), base->begin() + cut));
    }
    for (int round = 0; round < 300; ++round) exercise(testimages::Mutated(rng, *base, 1 + round % 12));
  }
  for (int round = 0; round < 300; ++round) {
    Bytes junk = testimages::RandomBytes(rng, rng() % 400);
    if (junk.size() >= 4) {
      junk[0] = junk[1] = junk[3] = 0;
      junk[2] = static_cast<std::uint8_t>(1 + round % 2);
    }
    exercise(junk);
  }
}

}  // namespace
