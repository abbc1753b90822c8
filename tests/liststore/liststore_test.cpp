// Tests of whole lists, their titles, headings and fields.
#include "tests/liststore/liststore_fixture.h"

#include <cstring>

using ListTest = ListStoreTest;

TEST_F(ListTest, VersionIs0x0300) { EXPECT_EQ(0x0300, GetListlibVersion()); }

TEST_F(ListTest, NewListRefusesEmptyTitleAndFillsOnly127Slots) {
  EXPECT_EQ(0, NewList(""));
  EXPECT_EQ(0, NewList(nullptr));
  for (int expected = 1; expected <= 127; ++expected) ASSERT_EQ(expected, NewList("x"));
  EXPECT_EQ(-10, NewList("one too many"));
}

TEST_F(ListTest, NewListReusesTheLowestFreeSlot) {
  MakeList("a");
  MakeList("b");
  MakeList("c");
  MakeList("d");
  EXPECT_EQ(1, DelList(3));
  EXPECT_EQ(-10, DelList(3));
  EXPECT_EQ(3, NewList("e"));
  EXPECT_EQ(5, NewList("f"));
}

TEST_F(ListTest, InvalidListNumbersAreRefused) {
  for (int bad : {0, -1, 128, 5}) {
    SCOPED_TRACE(bad);
    char buffer[128] = "unchanged";
    EXPECT_EQ(-10, DelList(bad));
    EXPECT_EQ(-10, ClearList(bad));
    EXPECT_EQ(-10, GetSize(bad));
    EXPECT_EQ(-10, SetTitle(bad, "t"));
    EXPECT_EQ(-10, GetTitle(bad, buffer));
    EXPECT_STREQ("unchanged", buffer);
    EXPECT_EQ(-10, SetHeading(bad, "h", "v"));
    EXPECT_EQ(-10, GetHeadings(bad));
    EXPECT_EQ(-10, SetField(bad, 0, "c", "v"));
    EXPECT_EQ(-10, GetField(bad, 0, "c", nullptr));
    EXPECT_EQ(-10, AddLine(bad));
    EXPECT_EQ(0, GetLines(bad));
  }
}

TEST_F(ListTest, GetListFindsTheLowestNumberWithTheTitle) {
  MakeList("y");
  int first = MakeList("x");
  MakeList("x");
  EXPECT_EQ(first, GetList("x"));
  EXPECT_EQ(-10, GetList("X"));  // titles compare case-sensitively
  EXPECT_EQ(0, GetList(""));
  EXPECT_EQ(0, GetList(nullptr));
}

TEST_F(ListTest, TitlesAreCutTo127Characters) {
  std::string longTitle(300, 't');
  int list = MakeList(longTitle.c_str());
  char buffer[128];
  memset(buffer, 'z', sizeof buffer);
  EXPECT_EQ(0, GetTitle(list, buffer));
  EXPECT_EQ(std::string(127, 't'), buffer);
  EXPECT_EQ(list, GetList(longTitle.c_str()));

  EXPECT_EQ(0, SetTitle(list, "short"));
  EXPECT_EQ("short", liststore::TitleText(list));
  EXPECT_EQ(0, SetTitle(list, longTitle.c_str()));
  EXPECT_EQ(127u, liststore::TitleText(list).size());
}

TEST_F(ListTest, SizedCopiesAreCutAndTerminated) {
  int list = MakeList("a title");
  AddLine(list);
  SetField(list, 0, "Name", "0123456789");
  SetHeading(list, "H", "heading value");
  char buffer[6];
  memset(buffer, 'z', sizeof buffer);
  EXPECT_EQ(10, liststore::GetFieldSized(list, 0, "Name", buffer, 5));
  EXPECT_STREQ("0123", buffer);
  EXPECT_EQ('z', buffer[5]);
  EXPECT_EQ(0, liststore::GetTitleSized(list, buffer, 4));
  EXPECT_STREQ("a t", buffer);
  EXPECT_EQ(0, liststore::GetHeadingSized(list, "H", buffer, 6));
  EXPECT_STREQ("headi", buffer);
  EXPECT_EQ(-10, liststore::GetFieldSized(list, 1, "Name", buffer, 6));
}

TEST_F(ListTest, ClearListKeepsTitleAndHeadings) {
  int list = MakeTable({"A", "B"}, {{"1", "2"}, {"3", "4"}});
  SetHeading(list, "H", "v");
  EXPECT_EQ(2, ClearList(list));
  EXPECT_EQ(0, GetLines(list));
  EXPECT_EQ(0, GetColumns(list));
  EXPECT_EQ("test", liststore::TitleText(list));
  EXPECT_EQ("v", liststore::HeadingText(list, "H"));
  EXPECT_EQ(0, ClearList(list));
}

TEST_F(ListTest, SizeCountsFieldBuffersInStepsOfEight) {
  int list = MakeList();
  EXPECT_EQ(2048, GetSize(list));
  AddLine(list);
  EXPECT_EQ(2048 + 2, GetSize(list));
  SetField(list, 0, "A", "");         // 8
  SetField(list, 0, "B", "1234567");  // 8
  SetField(list, 0, "C", "12345678"); // 16
  AddLine(list);
  SetField(list, 1, "A", std::string(20, 'x').c_str());  // 24
  EXPECT_EQ(2048 + (8 + 8 + 16 + 2) + (24 + 2), GetSize(list));
  SetHeading(list, "H", "headings do not count");
  EXPECT_EQ(2048 + 34 + 26, GetSize(list));
}

TEST_F(ListTest, SetHeadingReplacesInPlaceOrAppends) {
  int list = MakeList();
  EXPECT_EQ(1, SetHeading(list, "POSITION", "1,2,3,4"));
  EXPECT_EQ(2, SetHeading(list, "Other", nullptr));
  EXPECT_EQ(0, SetHeading(list, "POSITION", "5,6,7,8"));
  EXPECT_EQ(2, GetHeadings(list));
  char buffer[64];
  EXPECT_EQ(0, GetHeading(list, "POSITION", buffer));
  EXPECT_STREQ("5,6,7,8", buffer);
  EXPECT_EQ(0, GetHeading(list, "Other", buffer));
  EXPECT_STREQ("", buffer);
  EXPECT_EQ(0, GetHeading(list, "missing", buffer));
  EXPECT_STREQ("", buffer);
  EXPECT_EQ(0, GetHeadingName(list, 1, buffer));
  EXPECT_STREQ("Other", buffer);
  EXPECT_EQ(-1, GetHeadingName(list, 2, buffer));
  EXPECT_STREQ("", buffer);
  EXPECT_EQ("POSITION", liststore::HeadingNameText(list, 0));
  EXPECT_EQ(-1, SetHeading(list, nullptr, "v"));
}

TEST_F(ListTest, NamesSetByCallersAreKeptWhole) {
  int list = MakeList();
  std::string name(200, 'n');
  std::string value(1000, 'v');
  AddLine(list);
  SetField(list, 0, name.c_str(), value.c_str());
  SetHeading(list, name.c_str(), value.c_str());
  EXPECT_EQ(value, liststore::FieldText(list, 0, name.c_str()));
  EXPECT_EQ(value, liststore::HeadingText(list, name.c_str()));
  EXPECT_EQ(name, liststore::HeadingNameText(list, 0));
  EXPECT_EQ(0, AddColumn(list, name.c_str()));
  EXPECT_EQ(200, GetColumnName(list, 0, nullptr));
}

TEST_F(ListTest, SetFieldReplacesInPlaceAndResetsItsStatus) {
  int list = MakeList();
  AddLine(list);
  EXPECT_EQ(1, SetField(list, 0, "A", "a"));
  EXPECT_EQ(2, SetField(list, 0, "B", "b"));
  EXPECT_EQ(0, SetFieldStatus(list, 0, "A", 0x55));
  EXPECT_EQ(0x55, GetFieldStatus(list, 0, "A"));
  EXPECT_EQ(0, SetField(list, 0, "A", "again"));
  EXPECT_EQ(0, GetFieldStatus(list, 0, "A"));
  EXPECT_EQ(1, SetField(list, 0, "B", nullptr));
  EXPECT_EQ(0, GetField(list, 0, "B", nullptr));
  EXPECT_EQ(-10, SetField(list, 1, "A", "past the end"));
  EXPECT_EQ(-10, SetField(list, -1, "A", "before the start"));
  EXPECT_EQ(-1, SetField(list, 0, nullptr, "no column"));
}

TEST_F(ListTest, AbsentFieldsReadEmptyWithStatusZero) {
  int list = MakeList();
  AddLine(list);
  char buffer[16] = "unchanged";
  EXPECT_EQ(0, GetField(list, 0, "NeverUsedAnywhere", buffer));
  EXPECT_STREQ("", buffer);
  EXPECT_EQ(0, GetFieldStatus(list, 0, "NeverUsedAnywhere"));
  SetField(list, 0, "Value", "12345");
  EXPECT_EQ(5, GetField(list, 0, "Value", nullptr));
  EXPECT_EQ(5, GetField(list, 0, "Value", buffer));
  EXPECT_STREQ("12345", buffer);
  // Setting the status of an absent field does not create it.
  EXPECT_EQ(0, SetFieldStatus(list, 0, "Other", 3));
  EXPECT_EQ(0, GetFieldStatus(list, 0, "Other"));
  EXPECT_EQ(2048 + 8 + 2, GetSize(list));
  EXPECT_EQ(-10, GetFieldStatus(list, 1, "Value"));
}

TEST_F(ListTest, FieldNamesCompareExactly) {
  int list = MakeList();
  AddLine(list);
  SetField(list, 0, "name", "lower");
  SetField(list, 0, "Name", "upper");
  EXPECT_EQ("lower", liststore::FieldText(list, 0, "name"));
  EXPECT_EQ("upper", liststore::FieldText(list, 0, "Name"));
}
