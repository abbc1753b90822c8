// Tests of declared columns: adding, removing, positions, status words, renaming.
#include "tests/liststore/liststore_fixture.h"

using ColumnsTest = ListStoreTest;
using Values = std::vector<std::string>;

namespace {

Values Columns(int list) {
  Values names;
  for (int i = 0; i < GetColumns(list); ++i) names.push_back(liststore::ColumnNameText(list, i));
  return names;
}

}  // namespace

TEST_F(ColumnsTest, AtMost31ColumnsAreDeclared) {
  int list = MakeList();
  for (int i = 0; i < 31; ++i) ASSERT_EQ(i, AddColumn(list, ("C" + std::to_string(i)).c_str()));
  EXPECT_EQ(-1, AddColumn(list, "C31"));
  EXPECT_EQ(31, GetColumns(list));
  EXPECT_EQ(5, AddColumn(list, "C5"));  // already declared: its position, even when full
  EXPECT_EQ(0, AddColumn(99, "C0"));
  EXPECT_EQ(-1, AddColumn(list, nullptr));
}

TEST_F(ColumnsTest, DelColumnShiftsFollowingColumnsWithTheirStatus) {
  int list = MakeTable({"A", "B", "C"}, {{"a", "b", "c"}});
  SetColumnStatus(list, "C", 6);
  EXPECT_EQ(1, DelColumn(list, "B"));
  EXPECT_EQ((Values{"A", "C"}), Columns(list));
  EXPECT_EQ(6, IsColumnStatus(list, "C", -1));
  EXPECT_EQ(0, DelColumn(list, "B"));
  EXPECT_EQ(0, DelColumn(99, "A"));
  // The lines keep their fields under the removed name.
  EXPECT_EQ("b", liststore::FieldText(list, 0, "B"));
  EXPECT_EQ(2, IsColumnUsed(list, "B"));
}

TEST_F(ColumnsTest, ColumnStatusOperations) {
  int list = MakeTable({"A", "B"}, {});
  EXPECT_EQ(0, SetColumnStatus(list, "A", 1));
  EXPECT_EQ(1, SetColumnStatus(list, "A", 3));
  EXPECT_EQ(2, ResetColumnStatus(list, "A", 2));
  EXPECT_EQ(1, IsColumnStatus(list, "A", 3));
  EXPECT_EQ(1, GetStatusColumns(list, 1));
  EXPECT_EQ(0, GetStatusColumns(list, 2));
  EXPECT_EQ(-1, SetColumnStatus(list, "Undeclared", 1));
  EXPECT_EQ(-1, IsColumnStatus(list, nullptr, 1));
  EXPECT_EQ(0, IsColumnStatus(99, "A", 1));
  EXPECT_EQ(0, AddColumn(list, "A"));
  EXPECT_EQ(1, IsColumnStatus(list, "A", 1));  // re-adding keeps the status
}

TEST_F(ColumnsTest, GetColumnNameAndPosition) {
  int list = MakeTable({"Name", "Location"}, {});
  char buffer[64];
  EXPECT_EQ(8, GetColumnName(list, 1, buffer));
  EXPECT_STREQ("Location", buffer);
  EXPECT_EQ(4, GetColumnName(list, 0, nullptr));
  EXPECT_EQ(-10, GetColumnName(list, 2, buffer));
  EXPECT_EQ(-10, GetColumnName(list, -1, buffer));
  EXPECT_EQ(-10, GetColumnName(99, 0, buffer));
  EXPECT_EQ(1, GetColumnPosition(list, "Location"));
  EXPECT_EQ(-1, GetColumnPosition(list, "location"));
  EXPECT_EQ(-10, GetColumnPosition(99, "Name"));
}

TEST_F(ColumnsTest, SetColumnPositionMovesOneColumnWithItsStatus) {
  int list = MakeTable({"A", "B", "C", "D"}, {});
  SetColumnStatus(list, "A", 9);
  EXPECT_EQ(1, SetColumnPosition(list, "A", 2));
  EXPECT_EQ((Values{"B", "C", "A", "D"}), Columns(list));
  EXPECT_EQ(9, IsColumnStatus(list, "A", -1));
  EXPECT_EQ(1, SetColumnPosition(list, "D", 0));
  EXPECT_EQ((Values{"D", "B", "C", "A"}), Columns(list));
  EXPECT_EQ(0, SetColumnPosition(list, "C", 2));
  EXPECT_EQ(-1, SetColumnPosition(list, "C", 4));
  EXPECT_EQ(-1, SetColumnPosition(list, "E", 0));
  EXPECT_EQ(-10, SetColumnPosition(99, "A", 0));
}

TEST_F(ColumnsTest, IsColumnUsedLooksAtColumnsThenValues) {
  int list = MakeTable({"Declared"}, {{""}, {""}});
  SetField(list, 0, "EmptyOnly", "");
  SetField(list, 1, "Filled", "x");
  EXPECT_EQ(1, IsColumnUsed(list, "Declared"));
  EXPECT_EQ(0, IsColumnUsed(list, "EmptyOnly"));
  EXPECT_EQ(2, IsColumnUsed(list, "Filled"));
  EXPECT_EQ(0, IsColumnUsed(list, "NotAColumnAnywhere"));
  EXPECT_EQ(0, IsColumnUsed(99, "Declared"));
}

TEST_F(ColumnsTest, RenameColumnKeepsPlaceValuesAndFieldStatus) {
  int list = MakeTable({"A", "Old", "C"}, {{"a", "o1", "c"}, {"a", "o2", "c"}});
  SetColumnStatus(list, "Old", 5);
  SetFieldStatus(list, 1, "Old", 3);
  EXPECT_EQ(1, RenameColumn(list, "Old", "New"));
  EXPECT_EQ((Values{"A", "New", "C"}), Columns(list));
  EXPECT_EQ(0, IsColumnStatus(list, "New", -1));
  EXPECT_EQ((Values{"o1", "o2"}), Column(list, "New"));
  EXPECT_EQ((Values{"", ""}), Column(list, "Old"));
  EXPECT_EQ(3, GetFieldStatus(list, 1, "New"));
  EXPECT_GE(GetGlobalColumnPosition("New"), 0);
}

TEST_F(ColumnsTest, RenameColumnRefusals) {
  int list = MakeTable({"A", "B"}, {{"a", "b"}});
  EXPECT_EQ(0, RenameColumn(list, "A", "B"));
  EXPECT_EQ(0, RenameColumn(list, "A", ""));
  EXPECT_EQ(0, RenameColumn(list, "A", nullptr));
  EXPECT_EQ(0, RenameColumn(99, "A", "Z"));
  EXPECT_EQ((Values{"A", "B"}), Columns(list));
  EXPECT_EQ("a", liststore::FieldText(list, 0, "A"));
}

TEST_F(ColumnsTest, RenamingAnUndeclaredNameDeclaresTheNewNameLast) {
  int list = MakeTable({"A"}, {{"a"}});
  SetField(list, 0, "Loose", "l");
  EXPECT_EQ(1, RenameColumn(list, "Loose", "Found"));
  EXPECT_EQ((Values{"A", "Found"}), Columns(list));
  EXPECT_EQ("l", liststore::FieldText(list, 0, "Found"));
}

TEST_F(ColumnsTest, RenameOntoAnUndeclaredFieldKeepsOneFieldPerName) {
  // A line holding fields under both names must not end with two fields of the new name, one of
  // them unreachable: the renamed column's value takes the name.
  int list = MakeTable({"Old"}, {{"renamed"}, {"only"}});
  SetField(list, 0, "Taken", "hidden");
  EXPECT_EQ(1, RenameColumn(list, "Old", "Taken"));
  EXPECT_EQ((Values{"renamed", "only"}), Column(list, "Taken"));
  EXPECT_EQ(2048 + (8 + 2) * 2, GetSize(list));
  DelColumn(list, "Taken");
  EXPECT_EQ(0, IsColumnUsed(list, "Old"));
}

TEST_F(ColumnsTest, CopyColumnsTakesNamesAndStatuses) {
  int source = MakeTable({"A", "B"}, {});
  SetColumnStatus(source, "B", 2);
  int target = MakeTable({"X", "Y", "Z"}, {{"x", "y", "z"}});
  EXPECT_EQ(2, CopyColumns(target, source));
  EXPECT_EQ((Values{"A", "B"}), Columns(target));
  EXPECT_EQ(2, IsColumnStatus(target, "B", -1));
  EXPECT_EQ("x", liststore::FieldText(target, 0, "X"));
  EXPECT_EQ(0, CopyColumns(target, 99));
}
