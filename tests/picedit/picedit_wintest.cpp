// Windows test: the system itself accepts every image of rebuilt icons and cursors.
#include <windows.h>

#include <gtest/gtest.h>

#include "picedit/iconboard.h"
#include "testimages.h"

namespace {

using picedit::IconBoard;
using picedit::SlotBit;
using testimages::Bytes;
using testimages::IconImage;

struct IconInfoOwner {
  ICONINFO info = {};
  ~IconInfoOwner() {
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
  }
};

// Creates an icon (or cursor) from image `index` of a file the way a resource loader would, and
// reports its size and hotspot. A cursor's image is preceded by its hotspot words.
void ExpectSystemAccepts(const Bytes& file, std::size_t index, bool icon) {
  SCOPED_TRACE(index);
  auto dir = picedit::ReadIconDirectory(file.data(), file.size());
  ASSERT_TRUE(dir);
  const picedit::IconEntry& e = dir->entries[index];
  Bytes resource;
  if (!icon) {
    resource.resize(4);
    testimages::Put16(resource, 0, e.planesOrHotspotX);
    testimages::Put16(resource, 2, e.bitsOrHotspotY);
  }
  resource.insert(resource.end(), file.begin() + e.offset, file.begin() + e.offset + e.byteCount);
  HICON handle =
      CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), icon ? TRUE : FALSE,
                               0x00030000, e.pixelWidth, e.pixelHeight, LR_DEFAULTCOLOR);
  ASSERT_NE(handle, nullptr) << "error " << GetLastError();
  IconInfoOwner owner;
  ASSERT_TRUE(GetIconInfo(handle, &owner.info));
  BITMAP mask = {};
  ASSERT_NE(GetObject(owner.info.hbmMask, sizeof mask, &mask), 0);
  EXPECT_EQ(mask.bmWidth, e.pixelWidth);
  if (!icon) {
    EXPECT_EQ(owner.info.xHotspot, e.planesOrHotspotX);
    EXPECT_EQ(owner.info.yHotspot, e.bitsOrHotspotY);
  }
  if (icon) {
    DestroyIcon(handle);
  } else {
    DestroyCursor(handle);
  }
}

TEST(PicEditWinTest, EveryImageOfARebuiltIconIsAcceptedBySystem) {
  Bytes file = testimages::IconFile(1, {IconImage(16, 4), IconImage(32, 4)});
  IconBoard board;
  ASSERT_TRUE(board.Load(file.data(), file.size()));
  ASSERT_TRUE(board.Rebuild(board.FormatSet() | SlotBit(10)));
  const Bytes& rebuilt = board.Data();
  ASSERT_EQ(testimages::Get16(rebuilt, 4), 3u);
  for (std::size_t i = 0; i < 3; ++i) ExpectSystemAccepts(rebuilt, i, true);
}

TEST(PicEditWinTest, EveryFreshFormatAndEveryCarriedImageIsAccepted) {
  Bytes file = testimages::IconFile(1, {IconImage(24, 32, true, 4), IconImage(64, 8, true, 5)});
  IconBoard board;
  ASSERT_TRUE(board.Load(file.data(), file.size()));
  ASSERT_TRUE(board.Rebuild(picedit::kAllSlots));
  const Bytes& rebuilt = board.Data();
  ASSERT_EQ(testimages::Get16(rebuilt, 4), 13u);
  for (std::size_t i = 0; i < 13; ++i) ExpectSystemAccepts(rebuilt, i, true);
}

TEST(PicEditWinTest, ARebuiltCursorKeepsItsHotspotForTheSystem) {
  Bytes file = testimages::IconFile(2, {testimages::CursorImage(32, 1, 9, 20)});
  IconBoard board;
  ASSERT_TRUE(board.Load(file.data(), file.size()));
  ASSERT_EQ(board.SelectImage(0), 2);
  board.SetHotspot(4, 6);
  ASSERT_TRUE(board.Rebuild(board.FormatSet() | SlotBit(0)));
  const Bytes& rebuilt = board.Data();
  ASSERT_EQ(testimages::Get16(rebuilt, 4), 2u);
  ExpectSystemAccepts(rebuilt, 0, false);
  ExpectSystemAccepts(rebuilt, 1, false);
  EXPECT_EQ(testimages::Get16(rebuilt, 6 + 4), 4u);
  EXPECT_EQ(testimages::Get16(rebuilt, 6 + 6), 6u);
}

}  // namespace
