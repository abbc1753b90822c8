// Tests of the table text: values under the declared columns, one row per line.
#include "tests/liststore/liststore_fixture.h"

#include <memory>

using TableTextTest = ListStoreTest;
using Values = std::vector<std::string>;

namespace {

int ReadExact(int list, const std::string& text) {
  std::unique_ptr<char[]> block(new char[text.size() + 1]);
  text.copy(block.get(), text.size());
  block[text.size()] = 0;
  return ReadListTable(list, block.get());
}

}  // namespace

TEST_F(TableTextTest, WritesDeclaredValuesAndOwnRowsForUnnamedValues) {
  int list = MakeTable({"A", "B", "C"}, {{"1", "2", "3"}, {"", "x", ""}});
  SetField(list, 1, "", "own row");
  SetField(list, 0, "NotDeclared", "left out");
  SetLineStatus(list, 0, 1);
  EXPECT_EQ("1\t2\t3\r\nown row\r\n\tx\t\r\n", liststore::TableText(list));

  std::size_t capacity = liststore::TableTextCapacity(list);
  std::vector<char> buffer(capacity + 1, 0);
  buffer[capacity] = 'z';
  EXPECT_EQ(2, WriteListTable(list, buffer.data()));
  EXPECT_EQ(liststore::TableText(list), std::string(buffer.data()));
  EXPECT_EQ('z', buffer[capacity]);
  EXPECT_EQ(-10, WriteListTable(99, buffer.data()));
}

TEST_F(TableTextTest, ListWithoutLinesWritesNothing) {
  int list = MakeTable({"A"}, {});
  EXPECT_EQ("", liststore::TableText(list));
  char buffer[4] = {0};
  EXPECT_EQ(0, WriteListTable(list, buffer));
  EXPECT_EQ(0, buffer[0]);
}

TEST_F(TableTextTest, ReadsCellsIntoDeclaredColumnsInOrder) {
  int list = MakeTable({"A", "B"}, {{"existing", ""}});
  EXPECT_EQ(4, ReadExact(list, "1\t2\r\nonly\r\n\r\n1\t2\textra\r\nnot read"));
  EXPECT_EQ(5, GetLines(list));
  EXPECT_EQ((Values{"existing", "1", "only", "", "1"}), Column(list, "A"));
  EXPECT_EQ((Values{"", "2", "", "", "2"}), Column(list, "B"));
  // "existing" and an empty B, then 1 2, "only", the empty row, 1 2.
  EXPECT_EQ(2048 + (16 + 8 + 2) + (8 + 8 + 2) + (8 + 2) + 2 + (8 + 8 + 2), GetSize(list));
  EXPECT_EQ(-10, ReadListTable(99, "x\r\n"));
  EXPECT_EQ(0, ReadListTable(list, nullptr));
}

TEST_F(TableTextTest, RoundTripReadsUnnamedValuesAsLinesOfTheirOwn) {
  int list = MakeTable({"A", "B"}, {{"a1", "b1"}, {"a2", "b2"}});
  SetField(list, 1, "", "note");
  int read = MakeTable({"A", "B"}, {});
  EXPECT_EQ(3, ReadListTable(read, liststore::TableText(list).c_str()));
  EXPECT_EQ((Values{"a1", "note", "a2"}), Column(read, "A"));
  EXPECT_EQ((Values{"b1", "", "b2"}), Column(read, "B"));
}

TEST_F(TableTextTest, LongValuesAreCutAndOverLongRowsEndTheText) {
  int list = MakeTable({"A"}, {});
  std::string text = std::string(300, 'v') + "\r\n" + std::string(40000, 'x') + "\r\nafter\r\n";
  EXPECT_EQ(1, ReadExact(list, text));
  EXPECT_EQ((Values{std::string(254, 'v')}), Column(list, "A"));
}

TEST_F(TableTextTest, WithoutDeclaredColumnsRowsAddEmptyLines) {
  int list = MakeList();
  EXPECT_EQ(2, ReadExact(list, "a\tb\r\nc\r\n"));
  EXPECT_EQ(2, GetLines(list));
  EXPECT_EQ(2048 + 2 + 2, GetSize(list));
}
