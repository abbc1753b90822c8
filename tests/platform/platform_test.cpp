// Tests of the platform layer: whole-file reads and safe whole-file writes, times, folders.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

class PlatformTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;

  std::string Read(const std::string& path) {
    std::vector<char> block;
    int n = platform::ReadWholeFile(path, block);
    if (n < 0) return "<" + std::to_string(n) + ">";
    return std::string(block.data(), static_cast<std::size_t>(n));
  }
};

TEST_F(PlatformTest, WriteThenReadGivesTheBytesFollowedByZeroPadding) {
  std::string path = folder.File("a.txt");
  const char text[] = "line one\r\nline two\r\n";
  ASSERT_EQ(platform::WriteWholeFile(path, text, std::strlen(text)), static_cast<int>(std::strlen(text)));
  std::vector<char> block;
  int n = platform::ReadWholeFile(path, block);
  ASSERT_EQ(n, static_cast<int>(std::strlen(text)));
  ASSERT_EQ(block.size(), std::strlen(text) + platform::kReadPadding);
  EXPECT_EQ(std::string(block.data(), n), text);
  for (std::size_t i = n; i < block.size(); ++i) ASSERT_EQ(block[i], 0);
}

TEST_F(PlatformTest, ReadOfAMissingFileIsCannotOpenAndAnEmptyFileIsZero) {
  std::vector<char> block;
  EXPECT_EQ(platform::ReadWholeFile(folder.File("none.txt"), block), platform::kCannotOpen);
  EXPECT_TRUE(block.empty());
  ASSERT_EQ(platform::WriteWholeFile(folder.File("empty.txt"), "", 0), 0);
  EXPECT_EQ(platform::ReadWholeFile(folder.File("empty.txt"), block), 0);
  EXPECT_EQ(block.size(), platform::kReadPadding);
}

TEST_F(PlatformTest, LargeFilesCrossManyPieces) {
  std::string big(200000, 'x');
  for (std::size_t i = 0; i < big.size(); i += 97) big[i] = static_cast<char>('a' + i % 26);
  std::string path = folder.File("big.bin");
  ASSERT_EQ(platform::WriteWholeFile(path, big.data(), big.size()), static_cast<int>(big.size()));
  EXPECT_EQ(Read(path), big);
  EXPECT_EQ(platform::FileSize(path), static_cast<long long>(big.size()));
}

TEST_F(PlatformTest, AWriteThatStopsHalfwayLeavesTheOriginalIntact) {
  std::string path = folder.File("keep.txt");
  ASSERT_EQ(platform::WriteWholeFile(path, "original", 8), 8);
  std::string big(100000, 'n');
  for (long long stop : {0LL, 1LL, 32768LL, 99999LL}) {
    SCOPED_TRACE(stop);
    platform::FailWritesAfter(stop);
    EXPECT_EQ(platform::WriteWholeFile(path, big.data(), big.size()), platform::kShortWrite);
    platform::ResetFailures();
    EXPECT_EQ(Read(path), "original");
    EXPECT_FALSE(platform::FileExists(path + ".~new"));
  }
}

TEST_F(PlatformTest, AFileThatCannotBeCreatedIsReportedAndNothingChanges) {
  std::string path = folder.File("keep.txt");
  ASSERT_EQ(platform::WriteWholeFile(path, "original", 8), 8);
  platform::FailCreate(true);
  EXPECT_EQ(platform::WriteWholeFile(path, "new", 3), platform::kCannotOpen);
  platform::FailCreate(false);
  EXPECT_EQ(Read(path), "original");
  EXPECT_EQ(platform::WriteWholeFile(folder.File("no\\such\\folder\\x.txt"), "x", 1), platform::kCannotOpen);
}

TEST_F(PlatformTest, TheTemporaryNameIsNotOneTheResourceEditorUses) {
  std::string path = folder.File("app.rc");
  ASSERT_EQ(platform::WriteWholeFile(folder.File("app.tmp"), "tmp", 3), 3);
  ASSERT_EQ(platform::WriteWholeFile(folder.File("app.bak"), "bak", 3), 3);
  ASSERT_EQ(platform::WriteWholeFile(path, "script", 6), 6);
  EXPECT_EQ(Read(folder.File("app.tmp")), "tmp");
  EXPECT_EQ(Read(folder.File("app.bak")), "bak");
  EXPECT_EQ(Read(path), "script");
}

TEST_F(PlatformTest, FileTimeTextHasTheMinuteFormatAndIsEmptyForMissingFiles) {
  std::string path = folder.File("t.c");
  ASSERT_EQ(platform::WriteWholeFile(path, "x", 1), 1);
  ASSERT_TRUE(platform::SetFileWriteTime(path, 2024, 3, 7, 9, 5));
  EXPECT_EQ(platform::FileTimeText(path), "2024-03-07  09:05");
  EXPECT_EQ(platform::FileTimeText(folder.File("missing.c")), "");
}

TEST_F(PlatformTest, RelativePathsResolveAgainstTheCurrentDirectory) {
  ASSERT_TRUE(platform::CreateFolder(folder.File("src")));
  ASSERT_TRUE(platform::ChangeCurrentDirectory(folder.File("src")));
  ASSERT_EQ(platform::WriteWholeFile("b.c", "b", 1), 1);
  EXPECT_TRUE(platform::FileExists(folder.File("src\\b.c")));
  EXPECT_TRUE(platform::FileExists("..\\src\\b.c"));
  EXPECT_TRUE(platform::CanOpenForReading(folder.File("src\\b.c")));
  EXPECT_FALSE(platform::ChangeCurrentDirectory(folder.File("nowhere")));
}

TEST_F(PlatformTest, ListsFilesByPatternWithoutRegardToCaseAndFoldersApart) {
  ASSERT_EQ(platform::WriteWholeFile(folder.File("one.ovp"), "1", 1), 1);
  ASSERT_EQ(platform::WriteWholeFile(folder.File("Two.OVP"), "2", 1), 1);
  ASSERT_EQ(platform::WriteWholeFile(folder.File("three.c"), "3", 1), 1);
  ASSERT_TRUE(platform::CreateFolder(folder.File("sub")));
  std::vector<std::string> projects = platform::ListFiles(folder.Path(), "*.ovp");
  ASSERT_EQ(projects.size(), 2u);
  EXPECT_EQ(platform::ListFiles(folder.Path(), "*").size(), 3u);
  std::vector<std::string> folders = platform::ListFolders(folder.Path());
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_EQ(folders[0], "sub");
}

TEST_F(PlatformTest, CopyAndRemove) {
  ASSERT_EQ(platform::WriteWholeFile(folder.File("a.rc"), "abc", 3), 3);
  ASSERT_TRUE(platform::CopyWholeFile(folder.File("a.rc"), folder.File("a.bak")));
  EXPECT_EQ(Read(folder.File("a.bak")), "abc");
  EXPECT_TRUE(platform::RemoveFile(folder.File("a.rc")));
  EXPECT_FALSE(platform::FileExists(folder.File("a.rc")));
  EXPECT_FALSE(platform::CopyWholeFile(folder.File("a.rc"), folder.File("b.bak")));
}

}  // namespace
