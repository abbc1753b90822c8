// Tests of reading icon and cursor directories, sound and damaged.
#include "picedit/icondir.h"

#include <gtest/gtest.h>

#include "testimages.h"

namespace {

using picedit::ImageKind;
using testimages::Bytes;
using testimages::IconFile;
using testimages::IconImage;
using testimages::Put16;
using testimages::Put32;

std::optional<picedit::IconDirectory> Read(const Bytes& b) {
  return picedit::ReadIconDirectory(b.data(), b.size());
}

TEST(IconDirTest, ASoundIconListsEveryImageWithItsSlotAndCaption) {
  Bytes file = IconFile(1, {IconImage(16, 4), IconImage(32, 8), IconImage(48, 32)});
  auto dir = Read(file);
  ASSERT_TRUE(dir);
  EXPECT_EQ(dir->type, picedit::kIconType);
  EXPECT_EQ(dir->declaredCount, 3);
  ASSERT_EQ(dir->entries.size(), 3u);
  EXPECT_EQ(dir->entries[0].slot, 1);
  EXPECT_EQ(dir->entries[1].slot, 4);
  EXPECT_EQ(dir->entries[2].slot, 10);
  for (const auto& e : dir->entries) EXPECT_EQ(e.kind, ImageKind::kDib);
  EXPECT_EQ(dir->entries[0].offset, 6u + 3 * 16);
  EXPECT_EQ(picedit::TileCaption(dir->entries[0]), "16 x 16, 16 Colors");
  EXPECT_EQ(picedit::TileCaption(dir->entries[1]), "32 x 32, 256 Colors");
  EXPECT_EQ(picedit::TileCaption(dir->entries[2]), "48 x 48, TrueColor");
}

TEST(IconDirTest, ImagesOutsideTheElevenAreListedButHaveNoSlot) {
  Bytes file = IconFile(1, {IconImage(24, 32),
                            IconImage(16, 24),
                            IconImage(32, 4),
                            IconImage(32, 4, true, 9),
                            {testimages::PngImage(256, 256), 0, 0, 0, 1, 32}});
  auto dir = Read(file);
  ASSERT_TRUE(dir);
  ASSERT_EQ(dir->entries.size(), 5u);
  EXPECT_EQ(dir->entries[0].slot, -1);
  EXPECT_EQ(picedit::TileCaption(dir->entries[0]), "24 x 24, TrueColor");
  EXPECT_EQ(dir->entries[1].slot, -1);
  EXPECT_EQ(dir->entries[2].slot, 3);
  EXPECT_EQ(dir->entries[3].slot, -1) << "a second image of a format has no slot of its own";
  EXPECT_EQ(dir->entries[4].kind, ImageKind::kPng);
  EXPECT_EQ(dir->entries[4].pixelWidth, 256);
  EXPECT_EQ(picedit::TileCaption(dir->entries[4]), "256 x 256, TrueColor");
}

TEST(IconDirTest, CursorsKeepTheirHotspotWords) {
  Bytes file = IconFile(2, {testimages::CursorImage(32, 1, 5, 27)});
  auto dir = Read(file);
  ASSERT_TRUE(dir);
  EXPECT_EQ(dir->type, picedit::kCursorType);
  EXPECT_EQ(dir->entries[0].planesOrHotspotX, 5);
  EXPECT_EQ(dir->entries[0].bitsOrHotspotY, 27);
  EXPECT_EQ(dir->entries[0].slot, 2);
  EXPECT_EQ(dir->entries[0].bitCount, 1) << "the depth comes from the image, not the hotspot word";
}

TEST(IconDirTest, DataThatIsNoIconOrCursorIsRefused) {
  EXPECT_FALSE(Read(Bytes{}));
  EXPECT_FALSE(Read(Bytes{0, 0, 1, 0, 0}));
  EXPECT_FALSE(Read(Bytes{1, 0, 1, 0, 0, 0}));
  EXPECT_FALSE(Read(Bytes{0, 0, 3, 0, 0, 0}));
  EXPECT_FALSE(picedit::ReadIconDirectory(nullptr, 6));
  auto empty = Read(Bytes{0, 0, 1, 0, 0, 0});
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->entries.empty());
}

TEST(IconDirTest, ADamagedFileIsShownAsFarAsItIsSound) {
  Bytes file = IconFile(1, {IconImage(16, 4), IconImage(32, 4), IconImage(16, 8)});
  {
    SCOPED_TRACE("count claims more entries than the data holds");
    Bytes b = file;
    Put16(b, 4, 0xFFFF);
    auto dir = Read(b);
    ASSERT_TRUE(dir);
    EXPECT_EQ(dir->declaredCount, 0xFFFF);
    EXPECT_EQ(dir->entries.size(), (b.size() - 6) / 16);
    EXPECT_EQ(dir->entries[0].slot, 1);
  }
  {
    SCOPED_TRACE("offsets and sizes outside the data, overflowing ones included");
    Bytes b = file;
    Put32(b, 6 + 12, static_cast<std::uint32_t>(b.size()));  // starts at the end
    Put32(b, 22 + 8, 0xFFFFFFF0u);                           // size wraps around
    Put32(b, 38 + 12, 0xFFFFFFF0u);                          // offset wraps around
    auto dir = Read(b);
    ASSERT_TRUE(dir);
    for (const auto& e : dir->entries) {
      EXPECT_EQ(e.kind, ImageKind::kDamaged);
      EXPECT_EQ(e.slot, -1);
      EXPECT_EQ(picedit::TileCaption(e), "damaged");
    }
  }
  {
    SCOPED_TRACE("the last image cut short");
    Bytes b(file.begin(), file.end() - 10);
    auto dir = Read(b);
    ASSERT_TRUE(dir);
    EXPECT_EQ(dir->entries[1].slot, 3);
    EXPECT_EQ(dir->entries[2].kind, ImageKind::kDamaged);
  }
  {
    SCOPED_TRACE("a header claiming more bytes than the image has");
    Bytes b = file;
    std::size_t image = testimages::Get32(b, 6 + 12);
    Put32(b, image, 0x7FFFFFFF);
    auto dir = Read(b);
    ASSERT_TRUE(dir);
    EXPECT_EQ(dir->entries[0].kind, ImageKind::kUnknown);
    EXPECT_EQ(dir->entries[0].slot, -1);
  }
}

TEST(IconDirTest, ImageHeadersWithImplausibleSizesFallBackToTheEntry) {
  Bytes file = IconFile(1, {IconImage(16, 4)});
  Put32(file, 22 + 4, 0x80000000u);
  Put32(file, 22 + 8, 0xFFFFFFFEu);
  auto dir = Read(file);
  ASSERT_TRUE(dir);
  EXPECT_EQ(dir->entries[0].pixelWidth, 16);
  EXPECT_EQ(dir->entries[0].pixelHeight, 16);
  EXPECT_EQ(dir->entries[0].slot, -1);
}

}  // namespace
