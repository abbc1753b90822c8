// Tests of the picture pane's data: modes, loading and saving files, and the inline resource text.
#include "picedit/picdocument.h"

#include "picedit/hexblock.h"

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/temp_folder.h"
#include "testimages.h"

namespace {

using picedit::PicDocument;
using testimages::Bytes;

TEST(PicModeTest, TheLastThreeCharactersOfANameGiveTheMode) {
  EXPECT_EQ(picedit::ModeFromFileName("C:\\res\\logo.bmp"), picedit::kModeBitmap);
  EXPECT_EQ(picedit::ModeFromFileName("app.ICO"), picedit::kModeIcon);
  EXPECT_EQ(picedit::ModeFromFileName("split.Cur"), picedit::kModeCursor);
  EXPECT_EQ(picedit::ModeFromFileName("notes.txt"), picedit::kModeNone);
  EXPECT_EQ(picedit::ModeFromFileName("ico"), picedit::kModeIcon);
  EXPECT_EQ(picedit::ModeFromFileName("co"), picedit::kModeNone);
}

TEST(PicModeTest, TheFirstFourBytesOfInlineDataGiveTheMode) {
  const std::uint8_t icon[] = {0, 0, 1, 0, 9}, cursor[] = {0, 0, 2, 0}, bitmap[] = {'B', 'M', 0, 0},
                     other[] = {0, 0, 3, 0}, shortIcon[] = {0, 0, 1};
  EXPECT_EQ(picedit::ModeFromData(icon, sizeof icon), picedit::kModeIcon);
  EXPECT_EQ(picedit::ModeFromData(cursor, sizeof cursor), picedit::kModeCursor);
  EXPECT_EQ(picedit::ModeFromData(bitmap, sizeof bitmap), picedit::kModeBitmap);
  EXPECT_EQ(picedit::ModeFromData(other, sizeof other), picedit::kModeBitmap);
  EXPECT_EQ(picedit::ModeFromData(shortIcon, sizeof shortIcon), picedit::kModeBitmap);
  EXPECT_EQ(picedit::ModeFromData(nullptr, 0), picedit::kModeBitmap);
}

class PicDocumentTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  PicDocument doc;

  std::string Write(const std::string& name, const Bytes& bytes) {
    std::string path = folder.File(name);
    EXPECT_EQ(platform::WriteWholeFile(path, reinterpret_cast<const char*>(bytes.data()), bytes.size()),
              static_cast<int>(bytes.size()));
    return path;
  }
  Bytes ReadBack(const std::string& path) {
    std::vector<char> block;
    int n = platform::ReadWholeFile(path, block);
    if (n < 0) return {};
    return Bytes(block.begin(), block.begin() + n);
  }
};

TEST_F(PicDocumentTest, LoadingTakesExactlyTheFilesBytesAndItsMode) {
  Bytes icon = testimages::IconFile(1, {testimages::IconImage(16, 4)});
  EXPECT_EQ(doc.LoadFile(Write("app.ico", icon)), static_cast<int>(icon.size()));
  EXPECT_EQ(doc.Data(), icon);
  EXPECT_EQ(doc.Mode(), picedit::kModeIcon);

  Bytes cursor = testimages::IconFile(2, {testimages::CursorImage(32, 1, 0, 0)});
  doc.LoadFile(Write("pointer.dat", cursor));
  EXPECT_EQ(doc.Mode(), picedit::kModeCursor) << "an unknown name leaves the mode to the data";

  EXPECT_EQ(doc.LoadFile(folder.File("missing.ico")), platform::kCannotOpen);
  EXPECT_FALSE(doc.HasData());
  EXPECT_EQ(doc.Mode(), picedit::kModeCursor);
}

TEST_F(PicDocumentTest, ResourceTextRoundTripsThroughTheHexBlock) {
  Bytes icon = testimages::IconFile(1, {testimages::IconImage(16, 1)});
  std::string text = picedit::WriteHexBlock("IDI_MAIN ICON\r\n", icon.data(), icon.size());
  doc.SetModified(true);
  EXPECT_TRUE(doc.ReadResourceText(picedit::kModeBitmap, text));
  EXPECT_FALSE(doc.Modified());
  EXPECT_EQ(doc.Mode(), picedit::kModeIcon);
  EXPECT_EQ(doc.Data(), icon);
  EXPECT_EQ(doc.Head(), "IDI_MAIN ICON\r\n");
  EXPECT_EQ(doc.ResourceText(), text);

  EXPECT_FALSE(doc.ReadResourceText(picedit::kModeCursor, "C CURSOR\r\n{\r\n}\r\n"));
  EXPECT_EQ(doc.Mode(), picedit::kModeCursor);
  EXPECT_FALSE(doc.HasData());
  EXPECT_EQ(doc.ResourceText(), "C CURSOR\r\n{\r\n}\r\n");
}

TEST_F(PicDocumentTest, SavingWritesTheContentBytesOnlyAndAFailedSaveKeepsTheFile) {
  Bytes icon = testimages::IconFile(1, {testimages::IconImage(32, 4)});
  std::string path = Write("keep.ico", Bytes{1, 2, 3});
  doc.SetData(icon);
  doc.SetModified(true);

  platform::FailWritesAfter(100);
  EXPECT_LT(doc.SaveFile(path, true), 0);
  EXPECT_TRUE(doc.Modified());
  EXPECT_EQ(ReadBack(path), (Bytes{1, 2, 3}));
  platform::ResetFailures();

  EXPECT_EQ(doc.SaveFile(folder.File("copy.ico"), false), static_cast<int>(icon.size()));
  EXPECT_TRUE(doc.Modified()) << "a copy elsewhere leaves the flag";
  EXPECT_EQ(doc.SaveFile(path, true), static_cast<int>(icon.size()));
  EXPECT_FALSE(doc.Modified());
  EXPECT_EQ(ReadBack(path), icon);
}

}  // namespace
