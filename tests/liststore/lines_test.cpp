// Tests of lines: adding, removing, moving, status words and sorting.
#include "tests/liststore/liststore_fixture.h"

using LinesTest = ListStoreTest;
using Values = std::vector<std::string>;

TEST_F(LinesTest, AddLineReturnsTheNewCount) {
  int list = MakeList();
  EXPECT_EQ(0, GetLines(list));
  EXPECT_EQ(1, AddLine(list));
  EXPECT_EQ(2, AddLine(list));
  EXPECT_EQ(0, IsLineStatus(list, 1, -1));
  EXPECT_EQ(0, GetField(list, 1, "anything", nullptr));
}

TEST_F(LinesTest, ManyLinesGrowTheTableWithoutLosingAny) {
  int list = MakeList();
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(i + 1, AddLine(list));
    SetField(list, i, "N", std::to_string(i).c_str());
  }
  for (int i = 999; i >= 0; i -= 3) ASSERT_EQ(1, DelLine(list, i));
  EXPECT_EQ(666, GetLines(list));
  EXPECT_EQ("1", liststore::FieldText(list, 0, "N"));
  EXPECT_EQ("998", liststore::FieldText(list, 665, "N"));
}

TEST_F(LinesTest, DelLineMovesTheFollowingLinesUp) {
  int list = MakeTable({"V"}, {{"a"}, {"b"}, {"c"}});
  EXPECT_EQ(0, DelLine(list, 3));
  EXPECT_EQ(0, DelLine(list, -1));
  EXPECT_EQ(1, DelLine(list, 1));
  EXPECT_EQ((Values{"a", "c"}), Column(list, "V"));
  EXPECT_EQ(-10, DelLine(99, 0));
}

TEST_F(LinesTest, StatusOperationsReturnTheBitsSetBefore) {
  int list = MakeList();
  AddLine(list);
  EXPECT_EQ(0, SetLineStatus(list, 0, 1));
  EXPECT_EQ(1, SetLineStatus(list, 0, 3));
  EXPECT_EQ(3, IsLineStatus(list, 0, 7));
  EXPECT_EQ(2, ResetLineStatus(list, 0, 6));
  EXPECT_EQ(1, IsLineStatus(list, 0, -1));
  EXPECT_EQ(0, SetLineStatus(list, 0, static_cast<int>(0x80000000u)));
  EXPECT_EQ(static_cast<int>(0x80000001u), IsLineStatus(list, 0, -1));
}

TEST_F(LinesTest, StatusOfALinePastTheEndReadsAsSet) {
  int list = MakeList();
  AddLine(list);
  EXPECT_EQ(-1, IsLineStatus(list, 1, 4));
  EXPECT_EQ(-1, SetLineStatus(list, 1, 4));
  EXPECT_EQ(-1, ResetLineStatus(list, -1, 4));
  EXPECT_EQ(0, IsLineStatus(99, 0, 4));
  EXPECT_EQ(0, SetLineStatus(99, 0, 4));
}

TEST_F(LinesTest, GetStatusLinesCountsLinesWithAnyMaskBit) {
  int list = MakeList();
  for (int i = 0; i < 4; ++i) AddLine(list);
  SetLineStatus(list, 0, 1);
  SetLineStatus(list, 1, 2);
  SetLineStatus(list, 3, 3);
  EXPECT_EQ(2, GetStatusLines(list, 1));
  EXPECT_EQ(3, GetStatusLines(list, 3));
  EXPECT_EQ(0, GetStatusLines(list, 4));
  EXPECT_EQ(0, GetStatusLines(99, 1));
}

TEST_F(LinesTest, SetLinePositionMovesOneLine) {
  int list = MakeTable({"V"}, {{"A"}, {"B"}, {"C"}});
  EXPECT_EQ(2, SetLinePosition(list, 0, 2));
  EXPECT_EQ((Values{"B", "C", "A"}), Column(list, "V"));
  EXPECT_EQ(0, SetLinePosition(list, 2, 0));
  EXPECT_EQ((Values{"A", "B", "C"}), Column(list, "V"));
  EXPECT_EQ(1, SetLinePosition(list, 1, 1));
  EXPECT_EQ(-1, SetLinePosition(list, 0, 3));
  EXPECT_EQ(-1, SetLinePosition(list, -1, 0));
  EXPECT_EQ((Values{"A", "B", "C"}), Column(list, "V"));
  EXPECT_EQ(0, SetLinePosition(99, 0, 1));
}

// Each line is labelled in column "Id" so that equal sort values can be told apart.
class SortTest : public ListStoreTest {
 protected:
  int MakeSortList(const Values& keys) {
    int list = MakeList();
    AddColumn(list, "Key");
    AddColumn(list, "Id");
    for (std::size_t i = 0; i < keys.size(); ++i) {
      AddLine(list);
      SetField(list, static_cast<int>(i), "Key", keys[i].c_str());
      SetField(list, static_cast<int>(i), "Id", std::to_string(i).c_str());
    }
    return list;
  }
};

TEST_F(SortTest, AscendingKeepsEqualValuesInOrder) {
  int list = MakeSortList({"b", "a", "b"});
  EXPECT_EQ(0, Sort(list, "Key", 1));
  EXPECT_EQ((Values{"a", "b", "b"}), Column(list, "Key"));
  EXPECT_EQ((Values{"1", "0", "2"}), Column(list, "Id"));
}

TEST_F(SortTest, DescendingReversesEqualValues) {
  int list = MakeSortList({"b", "a", "b"});
  EXPECT_EQ(0, Sort(list, "Key", 0));
  EXPECT_EQ((Values{"b", "b", "a"}), Column(list, "Key"));
  EXPECT_EQ((Values{"2", "0", "1"}), Column(list, "Id"));
}

TEST_F(SortTest, ComparesUnsignedBytesWithPrefixesFirst) {
  int list = MakeSortList({"\xe9t\xe9", "ab", "", "a", "B", "abc"});
  Sort(list, "Key", 1);
  EXPECT_EQ((Values{"", "B", "a", "ab", "abc", "\xe9t\xe9"}), Column(list, "Key"));
  Sort(list, "Key", -1);
  EXPECT_EQ((Values{"\xe9t\xe9", "abc", "ab", "a", "B", ""}), Column(list, "Key"));
}

TEST_F(SortTest, AbsentFieldsSortAsEmpty) {
  int list = MakeSortList({"m", "z"});
  AddLine(list);
  Sort(list, "Key", 1);
  EXPECT_EQ((Values{"", "m", "z"}), Column(list, "Key"));
}

TEST_F(SortTest, NothingHappensForAnUndeclaredColumn) {
  int list = MakeSortList({"c", "a", "b"});
  SetField(list, 0, "Loose", "z");
  EXPECT_EQ(0, Sort(list, "Loose", 1));
  EXPECT_EQ(0, Sort(list, "NoSuchName", 1));
  EXPECT_EQ(0, Sort(list, nullptr, 1));
  EXPECT_EQ(0, Sort(99, "Key", 1));
  EXPECT_EQ((Values{"c", "a", "b"}), Column(list, "Key"));
}

TEST_F(SortTest, ChainBitKeepsTheNextLineBehind) {
  int list = MakeSortList({"c", "a", "z", "b"});
  SetLineStatus(list, 0, 8);  // line "c" carries line "a" behind it
  Sort(list, "Key", 1);
  EXPECT_EQ((Values{"b", "c", "a", "z"}), Column(list, "Key"));
  EXPECT_EQ((Values{"3", "0", "1", "2"}), Column(list, "Id"));
}

TEST_F(SortTest, ChainsOfSeveralLinesMoveTogether) {
  // A folder line "m" with two lines chained behind it, sorted descending.
  int list = MakeSortList({"a", "m", "x", "y", "z"});
  SetLineStatus(list, 1, 8);
  SetLineStatus(list, 2, 8);
  Sort(list, "Key", -1);
  EXPECT_EQ((Values{"z", "m", "x", "y", "a"}), Column(list, "Key"));
}

TEST_F(SortTest, NoWinnerBitKeepsALineFromBeingChosen) {
  // Line "z" may never win a pass, so the other lines pass it by on their way to the end.
  int list = MakeSortList({"b", "z", "a"});
  SetLineStatus(list, 1, 4);
  Sort(list, "Key", 1);
  EXPECT_EQ((Values{"z", "a", "b"}), Column(list, "Key"));
}
