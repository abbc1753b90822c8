// Tests of copying and moving headings, lines and whole lists between lists.
#include "tests/liststore/liststore_fixture.h"

using CopyingTest = ListStoreTest;
using Values = std::vector<std::string>;

TEST_F(CopyingTest, CopyHeadingsReplacesTheTargetsHeadings) {
  int source = MakeList("s");
  int target = MakeList("t");
  SetHeading(source, "A", "1");
  SetHeading(source, "B", "2");
  SetHeading(target, "C", "3");
  EXPECT_EQ(2, CopyHeadings(target, source));
  EXPECT_EQ(2, GetHeadings(target));
  EXPECT_EQ("1", liststore::HeadingText(target, "A"));
  EXPECT_EQ("", liststore::HeadingText(target, "C"));
  EXPECT_EQ(0, CopyHeadings(target, 99));
  EXPECT_EQ(0, CopyHeadings(99, source));
}

TEST_F(CopyingTest, CopyingAListOntoItselfLosesNothing) {
  // Emptying the target first would empty the source as well.
  int list = MakeTable({"V"}, {{"a"}, {"b"}});
  SetHeading(list, "H", "h");
  EXPECT_EQ(1, CopyHeadings(list, list));
  EXPECT_EQ("h", liststore::HeadingText(list, "H"));
  EXPECT_EQ(2, CopyList(list, list));
  EXPECT_EQ(2, MoveList(list, list));
  EXPECT_EQ((Values{"a", "b"}), Column(list, "V"));
  EXPECT_EQ(1, GetColumns(list));
}

TEST_F(CopyingTest, CopyStatusLinesAppendsSelectedLinesWithTheirStatus) {
  int source = MakeTable({"V"}, {{"a"}, {"b"}, {"c"}});
  int target = MakeTable({"W"}, {{"old"}});
  SetLineStatus(source, 0, 1);
  SetLineStatus(source, 2, 3);
  SetFieldStatus(source, 2, "V", 7);
  EXPECT_EQ(2, CopyStatusLines(target, source, 1));
  EXPECT_EQ((Values{"", "a", "c"}), Column(target, "V"));
  EXPECT_EQ(3, IsLineStatus(target, 2, -1));
  EXPECT_EQ(7, GetFieldStatus(target, 2, "V"));
  EXPECT_EQ(3, GetLines(source));
  EXPECT_EQ(1, GetColumns(target));  // the target's columns stay
  EXPECT_EQ(0, CopyStatusLines(target, source, 4));
}

TEST_F(CopyingTest, CopyStatusLinesOntoItselfCopiesEachLineOnce) {
  int list = MakeTable({"V"}, {{"a"}, {"b"}});
  SetLineStatus(list, 0, 1);
  SetLineStatus(list, 1, 1);
  EXPECT_EQ(2, CopyStatusLines(list, list, 1));
  EXPECT_EQ((Values{"a", "b", "a", "b"}), Column(list, "V"));
}

TEST_F(CopyingTest, MoveStatusLinesTakesLinesOutOfTheSource) {
  int source = MakeTable({"V"}, {{"a"}, {"b"}, {"c"}, {"d"}});
  int target = MakeList("t");
  SetLineStatus(source, 1, 2);
  SetLineStatus(source, 3, 2);
  EXPECT_EQ(2, MoveStatusLines(target, source, 2));
  EXPECT_EQ((Values{"a", "c"}), Column(source, "V"));
  EXPECT_EQ((Values{"b", "d"}), Column(target, "V"));
  EXPECT_EQ(2, IsLineStatus(target, 1, 2));
}

TEST_F(CopyingTest, MoveStatusLinesWithinOneListMovesThemToTheEnd) {
  int list = MakeTable({"V"}, {{"a"}, {"b"}, {"c"}});
  SetLineStatus(list, 0, 1);
  EXPECT_EQ(1, MoveStatusLines(list, list, 1));
  EXPECT_EQ((Values{"b", "c", "a"}), Column(list, "V"));
}

TEST_F(CopyingTest, CopyListReplacesLinesAndColumnsButNotTitleOrHeadings) {
  int source = MakeTable({"A", "B"}, {{"1", "2"}, {"3", "4"}});
  SetColumnStatus(source, "B", 16);
  int target = MakeTable({"X"}, {{"x"}, {"y"}, {"z"}});
  SetTitle(target, "target");
  SetHeading(target, "H", "kept");
  EXPECT_EQ(2, CopyList(target, source));
  EXPECT_EQ((Values{"1", "3"}), Column(target, "A"));
  EXPECT_EQ((Values{"", ""}), Column(target, "X"));
  EXPECT_EQ(2, GetColumns(target));
  EXPECT_EQ(16, IsColumnStatus(target, "B", -1));
  EXPECT_EQ("target", liststore::TitleText(target));
  EXPECT_EQ("kept", liststore::HeadingText(target, "H"));
  // The copies are separate from the source's lines.
  SetField(source, 0, "A", "changed");
  EXPECT_EQ("1", liststore::FieldText(target, 0, "A"));
}

TEST_F(CopyingTest, MoveListLeavesTheSourceEmpty) {
  int source = MakeTable({"A"}, {{"1"}, {"2"}});
  int target = MakeTable({"X"}, {{"x"}});
  EXPECT_EQ(2, MoveList(target, source));
  EXPECT_EQ((Values{"1", "2"}), Column(target, "A"));
  EXPECT_EQ(0, GetLines(source));
  EXPECT_EQ(0, GetColumns(source));
  EXPECT_EQ(1, AddLine(source));  // the source is still usable
  EXPECT_EQ(0, MoveList(target, 99));
}

TEST_F(CopyingTest, CopiesGrowTheTargetPastItsFirstCapacity) {
  int source = MakeList("s");
  for (int i = 0; i < 300; ++i) {
    AddLine(source);
    SetField(source, i, "N", std::to_string(i).c_str());
    SetLineStatus(source, i, 1);
  }
  int target = MakeTable({"N"}, {{"first"}});
  EXPECT_EQ(300, CopyStatusLines(target, source, 1));
  EXPECT_EQ(300, MoveStatusLines(target, source, 1));
  EXPECT_EQ(601, GetLines(target));
  EXPECT_EQ("299", liststore::FieldText(target, 600, "N"));
  EXPECT_EQ(0, GetLines(source));
}
