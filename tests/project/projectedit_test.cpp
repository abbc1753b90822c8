// Tests of the tree operations: adding files, folders and separators, removing, renaming, moving.
#include "project/projectedit.h"

#include <gtest/gtest.h>

#include "project/location.h"
#include "project_fixture.h"

namespace {

using namespace project;
using namespace projecttest;
using Rows = std::vector<std::string>;

class ProjectEditTest : public ProjectListTest {};

TEST_F(ProjectEditTest, TheFirstFileOfAnEmptyProjectGets001AndIsSelected) {
  int line = AddFile(list, "C:\\P\\main.c", -1);
  ASSERT_EQ(line, 0);
  EXPECT_EQ(Tree(list), Rows{"001 main.c"});
  EXPECT_EQ(liststore::FieldText(list, 0, kFileField), "C:\\P\\main.c");
  EXPECT_EQ(liststore::FieldText(list, 0, kTypField), "C  ");
  EXPECT_EQ(IsLineStatus(list, 0, kSelected), kSelected);
}

TEST_F(ProjectEditTest, TheCaretRowDecidesWhereAFileGoes) {
  AppendEntries(list, {{"001", "C  ", "a.c", "C:\\P\\a.c"}, {"002", "DCF", "Folder", ""}});
  // The caret on an empty folder: its first content place.
  ASSERT_GE(AddFile(list, "C:\\P\\b.c", 1), 0);
  EXPECT_EQ(Tree(list), (Rows{"001 a.c", "002 Folder", "002\\001 b.c"}));
  // The caret on the folder again: one more than its last content segment.
  ASSERT_GE(AddFile(list, "C:\\P\\c.h", 1), 0);
  // The caret on a file inside the folder: at that file's level.
  ASSERT_GE(AddFile(list, "C:\\P\\d.rc", LineNamed(list, "b.c")), 0);
  // The caret on a top-level file, and no caret line at all: the top level.
  ASSERT_GE(AddFile(list, "C:\\P\\e.txt", 0), 0);
  ASSERT_GE(AddFile(list, "D:\\x\\f.lib", -1), 0);
  EXPECT_EQ(Tree(list), (Rows{"001 a.c", "002 Folder", "002\\001 b.c", "002\\002 c.h", "002\\003 d.rc",
                              "003 e.txt", "004 f.lib"}));
  EXPECT_EQ(liststore::FieldText(list, LineNamed(list, "d.rc"), kTypField), "RC ");
  EXPECT_EQ(NamesWithStatus(list, kSelected), Rows{"f.lib"});
}

TEST_F(ProjectEditTest, AFileAlreadyInTheProjectIsNotAddedAndTheSelectionIsCleared) {
  ASSERT_GE(AddFile(list, "C:\\P\\main.c", -1), 0);
  ASSERT_GE(AddFile(list, "C:\\P\\util.c", -1), 0);
  SetLineStatus(list, 0, kSelected);
  EXPECT_EQ(AddFile(list, "c:\\p\\MAIN.C", 0), kAlreadyInProject);
  EXPECT_EQ(AddDroppedFile(list, "C:\\P\\util.c", 0, 0), kAlreadyInProject);
  EXPECT_EQ(GetLines(list), 2);
  EXPECT_EQ(GetStatusLines(list, kSelected), 0);
}

TEST_F(ProjectEditTest, PathsAndNamesTheFileCannotHoldAreRefused) {
  EXPECT_EQ(AddFile(list, "", -1), kNotStorable);
  EXPECT_EQ(AddFile(list, "C:\\P\\a\tb.c", -1), kNotStorable);
  EXPECT_EQ(AddFile(list, "C:\\" + std::string(252, 'x'), -1), kNotStorable);
  EXPECT_EQ(AddFolder(list, "two\r\nlines"), kNotStorable);
  EXPECT_EQ(GetLines(list), 0);
  EXPECT_GE(AddFile(list, "C:\\" + std::string(251, 'x'), -1), 0);
}

TEST_F(ProjectEditTest, FoldersAndSeparatorsGoToTheNextFreeTopLevelPlace) {
  AppendEntries(list, {{"001", "DCF", "Sources", ""}, {"001\\001", "C  ", "a.c", "C:\\P\\a.c"}});
  SetLineStatus(list, 1, kSelected);
  int separator = AddSeparator(list);
  int folder = AddFolder(list, "Headers");
  EXPECT_EQ(Tree(list), (Rows{"001 Sources", "001\\001 a.c", "002 -", "003 Headers"}));
  EXPECT_EQ(separator, 2);
  EXPECT_EQ(folder, 3);
  EXPECT_EQ(liststore::FieldText(list, 2, kTypField), "SEP");
  EXPECT_EQ(liststore::FieldText(list, 3, kTypField), "DCF");
  // A new folder has no state of its own and counts as expanded; nothing gets selected or deselected.
  EXPECT_EQ(GetField(list, 3, kStatusField, nullptr), 0);
  EXPECT_EQ(NamesWithStatus(list, kSelected), Rows{"a.c"});
}

TEST_F(ProjectEditTest, AddingWhereASegmentWouldPass999ChangesNothing) {
  AppendEntries(list, {{"001", "DCF", "Full", ""}, {"001\\999", "C  ", "a.c", "C:\\P\\a.c"}, {"999", "SEP", "", ""}});
  SetLineStatus(list, 1, kSelected);
  Rows before = Tree(list);
  EXPECT_EQ(AddFile(list, "C:\\P\\b.c", 0), kLocationFull);
  EXPECT_EQ(AddFile(list, "C:\\P\\b.c", -1), kLocationFull);
  EXPECT_EQ(AddFolder(list, "More"), kLocationFull);
  EXPECT_EQ(AddSeparator(list), kLocationFull);
  EXPECT_EQ(AddDroppedFile(list, "C:\\P\\b.c", -1, 0), kLocationFull);
  EXPECT_EQ(Tree(list), before);
  EXPECT_EQ(NamesWithStatus(list, kSelected), Rows{"a.c"});
}

TEST_F(ProjectEditTest, RemovingDeletesEverySelectedLineAndLeavesFolderContent) {
  AppendEntries(list, {{"001", "DCF", "Sources", ""},
                       {"001\\001", "C  ", "a.c", "C:\\P\\a.c"},
                       {"002", "SEP", "", ""},
                       {"003", "H  ", "b.h", "C:\\P\\b.h"}});
  SetLineStatus(list, 0, kSelected);
  SetLineStatus(list, 2, kSelected);
  EXPECT_EQ(RemoveSelectedLines(list), 2);
  EXPECT_EQ(Tree(list), (Rows{"001\\001 a.c", "003 b.h"}));
}

TEST_F(ProjectEditTest, RenamingChangesOnlyAFolderName) {
  AppendEntries(list, {{"001", "DCF", "Old", ""}, {"002", "C  ", "a.c", "C:\\P\\a.c"}});
  EXPECT_TRUE(RenameFolder(list, 0, "New"));
  EXPECT_FALSE(RenameFolder(list, 1, "b.c"));
  EXPECT_FALSE(RenameFolder(list, 0, "tab\there"));
  EXPECT_FALSE(RenameFolder(list, 5, "x"));
  EXPECT_EQ(Tree(list), (Rows{"001 New", "002 a.c"}));
}

TEST_F(ProjectEditTest, AFileDroppedRightOfAFolderNameGoesIntoIt) {
  AppendEntries(list, {{"001", "C  ", "a.c", "C:\\P\\a.c"}, {"002", "DCF", "F", ""}, {"003", "C  ", "b.c", "C:\\P\\b.c"}});
  // The folder is at depth 0: a hint of 2 lies right of its name.
  ASSERT_EQ(MoveLine(list, 0, 1, 2), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 F", "001\\001 a.c", "002 b.c"}));
}

TEST_F(ProjectEditTest, ADroppedFileGoesIntoAFolderOrToItsPlace) {
  AppendEntries(list, {{"001", "C  ", "a.c", "C:\\P\\a.c"},
                       {"002", "DCF", "F", ""},
                       {"002\\001", "C  ", "in.c", "C:\\P\\in.c"},
                       {"003", "C  ", "b.c", "C:\\P\\b.c"}});
  // At x of (depth + 2) * 20 pixels: inside the folder.
  ASSERT_GE(AddDroppedFile(list, "C:\\P\\x.c", 1, 2), 0);
  EXPECT_EQ(Tree(list), (Rows{"001 a.c", "002 F", "002\\001 in.c", "002\\002 x.c", "003 b.c"}));
  // Further left: at the folder's place and level, the folder and what follows moving down one.
  ASSERT_GE(AddDroppedFile(list, "C:\\P\\y.c", 1, 1), 0);
  EXPECT_EQ(Tree(list), (Rows{"001 a.c", "002 y.c", "003 F", "003\\001 in.c", "003\\002 x.c", "004 b.c"}));
  EXPECT_EQ(NamesWithStatus(list, kSelected), Rows{"y.c"});
  // Below the last row: the next free top-level place.
  ASSERT_GE(AddDroppedFile(list, "C:\\P\\z.c", -1, 0), 0);
  EXPECT_EQ(Tree(list).back(), "005 z.c");
}

TEST_F(ProjectEditTest, MovingFilesUpAndDownAtTheTopLevel) {
  AppendEntries(list, {{"001", "C  ", "a", "C:\\P\\a"}, {"002", "C  ", "b", "C:\\P\\b"}, {"003", "C  ", "c", "C:\\P\\c"}});
  // From above, a line lands behind its target.
  ASSERT_EQ(MoveLine(list, 0, 1, 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 b", "002 a", "003 c"}));
  // The last line moved to the top: numbering starts again at 001.
  ASSERT_EQ(MoveLine(list, 2, 0, 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 c", "002 b", "003 a"}));
  // Without a target: the end of the top level.
  ASSERT_EQ(MoveLine(list, 0, -1, 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 b", "002 a", "003 c"}));
  // A line dropped onto itself stays where it is.
  ASSERT_EQ(MoveLine(list, 1, 1, 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 b", "002 a", "003 c"}));
}

TEST_F(ProjectEditTest, AFileLeavesAFolderForTheTopLevel) {
  AppendEntries(list, {{"001", "DCF", "F", ""}, {"001\\001", "C  ", "a", "C:\\P\\a"}, {"001\\002", "C  ", "b", "C:\\P\\b"},
                       {"002", "C  ", "c", "C:\\P\\c"}});
  ASSERT_EQ(MoveLine(list, 1, 3, 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 F", "001\\001 b", "002 c", "003 a"}));
}

TEST_F(ProjectEditTest, SeparatorsStayAtTheTopLevel) {
  AppendEntries(list, {{"001", "C  ", "a", "C:\\P\\a"}, {"002", "DCF", "F", ""}, {"002\\001", "C  ", "b", "C:\\P\\b"},
                       {"003", "SEP", "", ""}});
  // Dropped on a line inside a folder: at the folder's top-level place, before it.
  ASSERT_EQ(MoveLine(list, 3, 2, 5), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 a", "002 -", "003 F", "003\\001 b"}));
}

TEST_F(ProjectEditTest, AFolderMovesWithItsContentAndKeepsItUnderItsNewLocation) {
  AppendEntries(list, {{"001", "C  ", "a", "C:\\P\\a"}, {"002", "C  ", "b", "C:\\P\\b"}, {"003", "DCF", "F", ""},
                       {"003\\001", "C  ", "in", "C:\\P\\in"}});
  ASSERT_EQ(MoveLine(list, 2, 0, 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 F", "001\\001 in", "002 a", "003 b"}));
}

// The worked case: a folder with nested content moved before the first line and back.
TEST_F(ProjectEditTest, MovingAFolderToTheTopAndBackRestoresTheLocations) {
  AppendEntries(list, {{"001", "C  ", "a", "C:\\P\\a"},
                       {"002", "DCF", "F", ""},
                       {"002\\001", "C  ", "x", "C:\\P\\x"},
                       {"002\\002", "DCF", "G", ""},
                       {"002\\002\\001", "C  ", "y", "C:\\P\\y"},
                       {"003", "C  ", "b", "C:\\P\\b"}});
  Rows original = Tree(list);
  ASSERT_EQ(MoveLine(list, 1, 0, 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 F", "001\\001 x", "001\\002 G", "001\\002\\001 y", "002 a", "003 b"}));
  // Back: dropped on "a", which it now stands above, so it lands behind it.
  ASSERT_EQ(MoveLine(list, 0, LineNamed(list, "a"), 0), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), original);
}

TEST_F(ProjectEditTest, FoldersMoveIntoOtherFoldersButNeverIntoThemselves) {
  AppendEntries(list, {{"001", "DCF", "F", ""}, {"001\\001", "DCF", "G", ""}, {"001\\001\\001", "C  ", "y", "C:\\P\\y"},
                       {"002", "DCF", "H", ""}});
  Rows before = Tree(list);
  EXPECT_EQ(MoveLine(list, 0, 1, 5), MoveResult::kNotMoved);  // onto its subfolder
  EXPECT_EQ(MoveLine(list, 0, 2, 0), MoveResult::kNotMoved);  // onto its content
  EXPECT_EQ(MoveLine(list, 0, 0, 5), MoveResult::kNotMoved);  // onto itself, right of its name
  EXPECT_EQ(Tree(list), before);
  ASSERT_EQ(MoveLine(list, 0, 3, 2), MoveResult::kMoved);
  EXPECT_EQ(Tree(list), (Rows{"001 H", "001\\001 F", "001\\001\\001 G", "001\\001\\001\\001 y"}));
}

TEST_F(ProjectEditTest, AMoveWhoseRenumberingWouldPass999ChangesNothing) {
  // Below the top level the numbering runs on across folders: 2 x 500 lines need 1000 numbers.
  std::vector<Entry> entries = {{"001", "DCF", "A", ""}};
  for (int i = 1; i <= 500; ++i) entries.push_back({"001\\" + FormatSegment(i), "TXT", "a" + std::to_string(i), ""});
  entries.push_back({"002", "DCF", "B", ""});
  for (int i = 1; i <= 500; ++i) entries.push_back({"002\\" + FormatSegment(i), "TXT", "b" + std::to_string(i), ""});
  entries.push_back({"003", "SEP", "", ""});
  AppendEntries(list, entries);
  Rows before = Tree(list);
  EXPECT_EQ(MoveLine(list, GetLines(list) - 1, 0, 0), MoveResult::kLocationFull);
  EXPECT_EQ(Tree(list), before);
}

TEST_F(ProjectEditTest, AMoveThatWouldMakeRoomPast999ChangesNothing) {
  AppendEntries(list, {{"001", "C  ", "a", "C:\\P\\a"}, {"998", "C  ", "b", "C:\\P\\b"}, {"999", "C  ", "c", "C:\\P\\c"}});
  Rows before = Tree(list);
  EXPECT_EQ(MoveLine(list, 0, 1, 0), MoveResult::kLocationFull);
  EXPECT_EQ(MoveLine(list, 2, 1, 0), MoveResult::kLocationFull);
  EXPECT_EQ(Tree(list), before);
  EXPECT_EQ(MoveLine(list, 7, 0, 0), MoveResult::kNotMoved);
}

TEST_F(ProjectEditTest, OperationsOnLocationsThatAreNotThreeDigitSegmentsDoNotFail) {
  AppendEntries(list, {{"", "C  ", "a", "C:\\P\\a"}, {"7", "DCF", "F", ""}, {"7\\x", "C  ", "b", "C:\\P\\b"},
                       {"abcd", "C  ", "c", "C:\\P\\c"}, {"0001\\\\", "C  ", "d", "C:\\P\\d"}});
  EXPECT_GE(AddFile(list, "C:\\P\\e", 1), 0);
  EXPECT_GE(AddDroppedFile(list, "C:\\P\\f", 2, 9), 0);
  EXPECT_EQ(MoveLine(list, 0, 3, 0), MoveResult::kMoved);
  EXPECT_EQ(MoveLine(list, LineNamed(list, "F"), -1, 0), MoveResult::kMoved);
  EXPECT_EQ(GetLines(list), 7);
  for (const std::string& location : Locations(list)) {
    EXPECT_EQ(location.find_first_not_of("0123456789\\"), std::string::npos) << location;
  }
}

TEST_F(ProjectEditTest, AnInvalidListIsLeftAlone) {
  EXPECT_EQ(AddFile(0, "C:\\P\\a.c", -1), kStoreFailed);
  EXPECT_EQ(AddFolder(0, "F"), kStoreFailed);
  EXPECT_EQ(MoveLine(0, 0, 1, 0), MoveResult::kNotMoved);
  EXPECT_EQ(RemoveSelectedLines(0), 0);
}

}  // namespace
