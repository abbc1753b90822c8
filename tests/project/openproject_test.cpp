// Tests of the open project's operations that editors and the build call.
#include "project/openproject.h"

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "project_fixture.h"
#include "support/temp_folder.h"

namespace {

using namespace project;
using namespace projecttest;

class OpenProjectTest : public ProjectListTest {
 protected:
  void SetUp() override {
    ProjectListTest::SetUp();
    AppendEntries(list, {{"001", "DCF", "main.c", ""},
                         {"001\\001", "C  ", "main.c", "C:\\P\\src\\main.c"},
                         {"002", "C  ", "main.c", "C:\\P\\other\\main.c"},
                         {"003", "H  ", "util.h", "C:\\P\\util.h"}});
    SetOpenProject(list, &watcher);
  }
  void TearDown() override { CloseOpenProject(); }

  RecordingWatcher watcher;
};

TEST_F(OpenProjectTest, FilesAreFoundWithoutRegardToCase) {
  EXPECT_EQ(IsProjectFile("c:\\p\\UTIL.H"), 1);
  EXPECT_EQ(IsProjectFile("C:\\P\\util.c"), 0);
  EXPECT_EQ(IsProjectFile(""), 0);
}

TEST_F(OpenProjectTest, FindingByNamePassesOverFoldersAndTakesTheFirstFile) {
  std::string file = "untouched";
  EXPECT_EQ(FindProjectFileByName("MAIN.C", file), 1);
  EXPECT_EQ(file, "C:\\P\\src\\main.c");
  file = "untouched";
  EXPECT_EQ(FindProjectFileByName("none.c", file), 0);
  EXPECT_EQ(file, "untouched");
}

TEST_F(OpenProjectTest, PositionsAndScrollPlacesAreKeptPerFile) {
  std::string text = "untouched";
  EXPECT_EQ(GetFilePosition("C:\\P\\util.h", text), 1);
  EXPECT_EQ(text, "");
  EXPECT_EQ(SetFilePosition("C:\\P\\UTIL.h", "10,20,600,450"), 1);
  EXPECT_EQ(GetFilePosition("C:\\P\\util.h", text), 1);
  EXPECT_EQ(text, "10,20,600,450");
  EXPECT_EQ(SetFilePosition("C:\\P\\util.h", "1,2\t3"), 0);
  EXPECT_EQ(SetFilePosition("C:\\P\\none.h", "1,2,3,4"), 0);
  text = "untouched";
  EXPECT_EQ(GetFilePosition("C:\\P\\none.h", text), 0);
  EXPECT_EQ(text, "untouched");

  EXPECT_EQ(GetFileYScroll("C:\\P\\util.h"), 0);
  EXPECT_EQ(SetFileYScroll("C:\\P\\util.h", 12), 1);
  EXPECT_EQ(liststore::FieldText(list, 3, kYScrollField), "012");
  EXPECT_EQ(GetFileYScroll("C:\\P\\util.h"), 12);
  EXPECT_EQ(SetFileYScroll("C:\\P\\util.h", 12345), 1);
  EXPECT_EQ(GetFileYScroll("C:\\P\\util.h"), 12345);
  EXPECT_EQ(SetFileYScroll("C:\\P\\none.h", 3), 0);
  EXPECT_EQ(GetFileYScroll("C:\\P\\none.h"), 0);
  SetField(list, 3, kYScrollField, "-7");
  EXPECT_EQ(GetFileYScroll("C:\\P\\util.h"), 0);
}

TEST_F(OpenProjectTest, ACompileStateIsStoredAndTheListRepainted) {
  EXPECT_EQ(SetFileCompileState("C:\\P\\OTHER\\main.c", "COMPILED"), 1);
  EXPECT_EQ(liststore::FieldText(list, 2, kCompileField), "COMPILED");
  EXPECT_EQ(watcher.calls, std::vector<std::string>{"repaint"});
  EXPECT_EQ(SetFileCompileState("C:\\P\\none.c", "ERRORS"), 0);
  EXPECT_EQ(watcher.calls.size(), 1u);
}

TEST_F(OpenProjectTest, TheCompileTimeIsTheFilesLastWriteTime) {
  testsupport::TempFolder folder;
  std::string path = folder.File("t.c");
  ASSERT_EQ(platform::WriteWholeFile(path, "x", 1), 1);
  ASSERT_TRUE(platform::SetFileWriteTime(path, 2004, 5, 6, 7, 8));
  AppendEntries(list, {{"004", "C  ", "t.c", path}});
  EXPECT_EQ(SetFileCompileTime(path), 1);
  EXPECT_EQ(liststore::FieldText(list, 4, kTimeField), "2004-05-06  07:08");
  platform::RemoveFile(path);
  EXPECT_EQ(SetFileCompileTime(path), 1);
  EXPECT_EQ(liststore::FieldText(list, 4, kTimeField), "");
}

TEST_F(OpenProjectTest, WithNoProjectOpenNothingIsFound) {
  CloseOpenProject();
  std::string text;
  EXPECT_EQ(OpenProjectList(), 0);
  EXPECT_EQ(IsProjectFile("C:\\P\\util.h"), 0);
  EXPECT_EQ(FindProjectFileByName("util.h", text), 0);
  EXPECT_EQ(GetFilePosition("C:\\P\\util.h", text), 0);
  EXPECT_EQ(SetFileCompileState("C:\\P\\util.h", "COMPILED"), 0);
  EXPECT_EQ(SetFileCompileTime("C:\\P\\util.h"), 0);
  RepaintOpenProject();
  EXPECT_TRUE(watcher.calls.empty());
}

}  // namespace
