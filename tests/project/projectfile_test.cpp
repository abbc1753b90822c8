// Tests of the project file: relative paths, save and load, the window place, bad files.
#include "project/projectfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "project/projectedit.h"
#include "project_fixture.h"
#include "support/temp_folder.h"

namespace {

using namespace project;
using namespace projecttest;
using Rows = std::vector<std::string>;

constexpr const char* kAllFields[] = {kTypField, kLocationField, kNameField,  kFileField, kStatusField,
                                      kPositionField, kYScrollField, kTimeField, kCompileField, kTreeField};

std::string ReadBytes(const std::string& path) {
  std::vector<char> block;
  int n = platform::ReadWholeFile(path, block);
  return n < 0 ? std::string() : std::string(block.data(), static_cast<std::size_t>(n));
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  return platform::WriteWholeFile(path, bytes.data(), bytes.size()) == static_cast<int>(bytes.size());
}

// Every field and the status of every line, one text per line.
Rows Snapshot(int list) {
  Rows rows;
  for (int line = 0; line < GetLines(list); ++line) {
    std::string row = std::to_string(IsLineStatus(list, line, 0xffff));
    for (const char* field : kAllFields) row += "|" + liststore::FieldText(list, line, field);
    rows.push_back(row);
  }
  return rows;
}

Rows DeclaredColumns(int list) {
  Rows names;
  for (int position = 0; position < GetColumns(list); ++position) names.push_back(liststore::ColumnNameText(list, position));
  return names;
}

const Rows kProjectColumns = {"Name", "Location", "Status", "Position", "Time", "Tree"};

TEST(ProjectPathTest, PathsInTheProjectDirectoryOrBelowAreStoredRelative) {
  EXPECT_EQ(RelativeProjectPath("C:\\P\\a.c", "C:\\P"), "a.c");
  EXPECT_EQ(RelativeProjectPath("C:\\P\\src\\b.c", "C:\\P"), "src\\b.c");
  EXPECT_EQ(RelativeProjectPath("c:\\p\\SRC\\deep\\b.c", "C:\\P"), "SRC\\deep\\b.c");
  EXPECT_EQ(RelativeProjectPath("D:\\x\\c.c", "C:\\P"), "D:\\x\\c.c");
  EXPECT_EQ(RelativeProjectPath("C:\\Pq\\d.c", "C:\\P"), "C:\\Pq\\d.c");
  EXPECT_EQ(RelativeProjectPath("C:\\e.c", "C:\\P"), "C:\\e.c");
  EXPECT_EQ(RelativeProjectPath("C:\\e.c", "C:"), "e.c");
  EXPECT_EQ(RelativeProjectPath("plain.c", "C:\\P"), "plain.c");
}

TEST(ProjectPathTest, StoredPathsAreJoinedToTheProjectDirectoryUnlessTheyHaveADriveOrRoot) {
  EXPECT_EQ(AbsoluteProjectPath("src\\b.c", "C:\\P"), "C:\\P\\src\\b.c");
  EXPECT_EQ(AbsoluteProjectPath("a.c", "C:\\P"), "C:\\P\\a.c");
  EXPECT_EQ(AbsoluteProjectPath("D:\\x\\c.c", "C:\\P"), "D:\\x\\c.c");
  // A UNC path used to be joined to the project directory and so lost on every load.
  EXPECT_EQ(AbsoluteProjectPath("\\\\server\\share\\f.c", "C:\\P"), "\\\\server\\share\\f.c");
  EXPECT_EQ(AbsoluteProjectPath("", "C:\\P"), "");
}

class ProjectFileTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string projectPath = folder.File("demo.ovp");
  ProjectList project{projectPath};
  int list = project.Number();

  // A project with every kind of line, field and status.
  void BuildProject() {
    ASSERT_EQ(AddFolder(list, "Sources"), 0);
    ASSERT_GE(AddFile(list, folder.File("main.c"), 0), 0);
    ASSERT_GE(AddFile(list, folder.File("src\\util.h"), 0), 0);
    ASSERT_GE(AddFile(list, "D:\\lib\\extern.lib", -1), 0);
    ASSERT_GE(AddSeparator(list), 0);
    ASSERT_GE(AddFile(list, folder.File("res.rc"), -1), 0);
    int main = FindFileLine(list, folder.File("main.c"));
    SetField(list, main, kPositionField, "100,100,600,300");
    SetField(list, main, kYScrollField, "012");
    SetField(list, main, kTimeField, "2004-05-06  07:08");
    SetField(list, main, kCompileField, "COMPILED");
    SetField(list, main, kStatusField, "open");
    SetField(list, 0, kStatusField, "close");
    SetLineStatus(list, main, kSelected | kHidden);
    SetLineStatus(list, FindFileLine(list, folder.File("src\\util.h")), kHidden);
    SetHeading(list, kPositionHeading, "20,50,280,180");
  }
};

TEST_F(ProjectFileTest, SaveThenLoadKeepsEveryFieldStatusAndLocation) {
  BuildProject();
  Rows before = Snapshot(list);
  ASSERT_EQ(SaveProject(list, projectPath), 0);
  EXPECT_EQ(Snapshot(list), before);  // the paths in memory stay absolute

  ProjectList loaded{projectPath};
  LoadedProject result = LoadProject(loaded.Number(), projectPath, 1024, 768);
  EXPECT_EQ(result.result, LoadResult::kLoaded);
  EXPECT_EQ(Snapshot(loaded.Number()), before);
  EXPECT_EQ(DeclaredColumns(loaded.Number()), kProjectColumns);
  ASSERT_TRUE(result.place.has_value());
  EXPECT_EQ(result.place->left, 20);
  EXPECT_EQ(result.place->top, 50);
  EXPECT_EQ(result.place->width, 280);
  EXPECT_EQ(result.place->height, 180);
}

TEST_F(ProjectFileTest, TheFileHoldsPathsRelativeToTheProjectDirectory) {
  BuildProject();
  ASSERT_EQ(SaveProject(list, projectPath), 0);
  std::string bytes = ReadBytes(projectPath);
  EXPECT_NE(bytes.find("\tmain.c\tC  \t"), std::string::npos);
  EXPECT_NE(bytes.find("\tsrc\\util.h\tH  \t"), std::string::npos);
  EXPECT_NE(bytes.find("\tD:\\lib\\extern.lib\tLIB\t"), std::string::npos);
  EXPECT_EQ(bytes.find(folder.Path() + "\\main.c"), std::string::npos);
}

TEST_F(ProjectFileTest, LoadingJoinsRelativePathsToTheProjectsOwnDirectory) {
  BuildProject();
  ASSERT_EQ(SaveProject(list, projectPath), 0);
  // The same file read as the project of another directory: its relative paths follow it.
  ASSERT_TRUE(platform::CreateFolder(folder.File("copy")));
  std::string copyPath = folder.File("copy\\demo.ovp");
  ASSERT_TRUE(platform::CopyWholeFile(projectPath, copyPath));
  ProjectList loaded{copyPath};
  LoadProject(loaded.Number(), copyPath, 1024, 768);
  EXPECT_GE(FindFileLine(loaded.Number(), folder.File("copy\\src\\util.h")), 0);
  EXPECT_GE(FindFileLine(loaded.Number(), "D:\\lib\\extern.lib"), 0);
}

TEST_F(ProjectFileTest, AFailedSaveKeepsTheOldFileAndTheAbsolutePaths) {
  BuildProject();
  ASSERT_EQ(SaveProject(list, projectPath), 0);
  std::string saved = ReadBytes(projectPath);
  Rows before = Snapshot(list);
  ASSERT_GE(AddFile(list, folder.File("later.c"), -1), 0);
  Rows changed = Snapshot(list);

  for (long long stop : {0LL, 10LL, 300LL, 2000LL}) {
    SCOPED_TRACE(stop);
    platform::FailWritesAfter(stop);
    EXPECT_EQ(SaveProject(list, projectPath), -4);
    platform::ResetFailures();
    EXPECT_EQ(ReadBytes(projectPath), saved);
    EXPECT_EQ(Snapshot(list), changed);
  }
  platform::FailCreate(true);
  EXPECT_EQ(SaveProject(list, projectPath), -2);
  platform::ResetFailures();
  EXPECT_EQ(ReadBytes(projectPath), saved);
  EXPECT_EQ(Snapshot(list), changed);
}

TEST_F(ProjectFileTest, AFileThatCannotBeReadGivesAnEmptyProjectWithItsColumns) {
  LoadedProject result = LoadProject(list, folder.File("missing.ovp"), 1024, 768);
  EXPECT_EQ(result.result, LoadResult::kCannotRead);
  EXPECT_FALSE(result.place.has_value());
  EXPECT_EQ(GetLines(list), 0);
  EXPECT_EQ(DeclaredColumns(list), kProjectColumns);

  ASSERT_TRUE(WriteBytes(projectPath, ""));
  ProjectList empty{projectPath};
  EXPECT_EQ(LoadProject(empty.Number(), projectPath, 1024, 768).result, LoadResult::kMalformed);
  EXPECT_EQ(GetLines(empty.Number()), 0);
  EXPECT_EQ(DeclaredColumns(empty.Number()), kProjectColumns);
}

TEST_F(ProjectFileTest, MalformedFilesKeepWhatCanBeRead) {
  struct Case {
    const char* label;
    std::string bytes;
    int lines;
  } cases[] = {
      {"garbage", std::string("\x01\xff\t\t\r\n\r\r\n", 8), 0},
      {"LF line ends", "Heading\nTITLE\tx\n\nColumn\nName\tLocation\n\nData\na\t001\n\nStatus\n1\n", 0},
      {"no status block", "Heading\r\n\r\nColumn\r\nLocation\tName\r\nTYP\r\n\r\nData\r\n001\ta\tC  \t\r\n", 1},
      {"other columns, unknown names",
       "Heading\r\n\r\nColumn\r\nTYP\tFoo\tLocation\r\n\r\n\r\nData\r\nDCF\tbar\t002\t\r\nSEP\t\t001\t\r\n\r\n", 2},
      {"data row cut in the middle", "Heading\r\n\r\nColumn\r\nName\tLocation\r\n\r\n\r\nData\r\nm.c\t00", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(WriteBytes(projectPath, c.bytes));
    ProjectList loaded{projectPath};
    LoadProject(loaded.Number(), projectPath, 1024, 768);
    EXPECT_EQ(GetLines(loaded.Number()), c.lines);
    Rows columns = DeclaredColumns(loaded.Number());
    ASSERT_GE(columns.size(), kProjectColumns.size());
    EXPECT_EQ(Rows(columns.begin(), columns.begin() + 6), kProjectColumns);
  }
  // What was read is in Location order.
  ASSERT_TRUE(WriteBytes(projectPath, cases[3].bytes));
  ProjectList loaded{projectPath};
  LoadProject(loaded.Number(), projectPath, 1024, 768);
  EXPECT_EQ(Locations(loaded.Number()), (Rows{"001", "002"}));
  EXPECT_EQ(liststore::FieldText(loaded.Number(), 1, "Foo"), "bar");
}

TEST_F(ProjectFileTest, ATruncatedFileLoadsWhatItHolds) {
  BuildProject();
  ASSERT_EQ(SaveProject(list, projectPath), 0);
  std::string bytes = ReadBytes(projectPath);
  std::size_t text = bytes.find('\0');
  ASSERT_NE(text, std::string::npos);
  for (std::size_t length = 0; length <= text; ++length) {
    ASSERT_TRUE(WriteBytes(projectPath, bytes.substr(0, length)));
    ProjectList loaded{projectPath};
    LoadedProject result = LoadProject(loaded.Number(), projectPath, 1024, 768);
    ASSERT_LE(GetLines(loaded.Number()), GetLines(list)) << length;
    ASSERT_EQ(DeclaredColumns(loaded.Number()), kProjectColumns) << length;
    if (length == text) {
      EXPECT_EQ(result.result, LoadResult::kLoaded);
    }
  }
}

TEST_F(ProjectFileTest, LineStatusesKeepOnlyTheSelectedAndHiddenBits) {
  ASSERT_TRUE(WriteBytes(projectPath,
                         "Heading\r\n\r\nColumn\r\nName\tLocation\r\n\r\n\r\nData\r\na\t001\t\r\nb\t002\t\r\n\r\n"
                         "Status\r\n15\r\n65535\r\n"));
  LoadProject(list, projectPath, 1024, 768);
  ASSERT_EQ(GetLines(list), 2);
  EXPECT_EQ(IsLineStatus(list, 0, 0xffff), 3);
  EXPECT_EQ(IsLineStatus(list, 1, 0xffff), 3);
}

TEST_F(ProjectFileTest, TheWindowPlaceIsParsedAndClampedOntoTheDesktop) {
  struct Case {
    const char* position;
    bool placed;
    int left, top, width, height;
  } cases[] = {
      {"10,20,5,5", true, 10, 20, 32, 32},
      {"-5,-9,400,300", true, 0, 0, 400, 300},
      {"5000,5000,400,300", true, 992, 736, 400, 300},
      {"10,20", true, 10, 20, 500, 200},
      {"", false, 0, 0, 0, 0},
      {"none", false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    ProjectList written{projectPath};
    if (*c.position) SetHeading(written.Number(), kPositionHeading, c.position);
    ASSERT_EQ(SaveProject(written.Number(), projectPath), 0);
    ProjectList loaded{projectPath};
    LoadedProject result = LoadProject(loaded.Number(), projectPath, 1024, 768);
    ASSERT_EQ(result.place.has_value(), c.placed);
    if (!c.placed) continue;
    EXPECT_EQ(result.place->left, c.left);
    EXPECT_EQ(result.place->top, c.top);
    EXPECT_EQ(result.place->width, c.width);
    EXPECT_EQ(result.place->height, c.height);
  }
}

TEST_F(ProjectFileTest, TheWindowRectangleIsStoredAsPositionText) {
  settings::ScreenRect outer;
  outer.left = 20;
  outer.top = 50;
  outer.right = 300;
  outer.bottom = 230;
  ASSERT_TRUE(SetProjectPlace(list, outer));
  EXPECT_EQ(liststore::HeadingText(list, kPositionHeading), "20,50,280,180");
}

}  // namespace
