// Tests of name indexes: reference-counted registries of names.
#include "tests/liststore/liststore_fixture.h"

#include <cstring>

using NameIndexTest = ListStoreTest;

TEST_F(NameIndexTest, NumbersAreNeverReusedAndAtMost32Live) {
  int first = MakeIndex();
  EXPECT_GE(first, 2);  // number 1 went to the global column table
  for (int i = 1; i < 32; ++i) MakeIndex();
  EXPECT_EQ(-10, NewIndex());
  EXPECT_EQ(1, DelIndex(first));
  EXPECT_EQ(-10, DelIndex(first));
  int again = MakeIndex();
  EXPECT_GT(again, first + 31);
  EXPECT_EQ(-10, GetEntries(first));
}

TEST_F(NameIndexTest, RegisterCountsReferences) {
  int index = MakeIndex();
  int handle = Register(index, "alpha");
  EXPECT_GT(handle, 0);
  EXPECT_EQ(handle, Register(index, "alpha"));
  EXPECT_EQ(1, GetEntries(index));
  EXPECT_EQ(handle, Identify(index, "alpha"));
  EXPECT_EQ(0, Identify(index, "Alpha"));
  EXPECT_EQ(handle, Unregister(index, "alpha"));  // two references: counted down
  EXPECT_EQ(0, Unregister(index, "alpha"));       // the last: removed
  EXPECT_EQ(0, GetEntries(index));
  EXPECT_EQ(-1, Unregister(index, "alpha"));
  EXPECT_EQ(-1, Unregister(index, nullptr));
  EXPECT_EQ(0, Register(index, nullptr));
  // A name registered again gets a new handle.
  EXPECT_GT(Register(index, "alpha"), handle);
}

TEST_F(NameIndexTest, UnregisterMovesTheLastEntryIntoTheGap) {
  int index = MakeIndex();
  Register(index, "a");
  Register(index, "b");
  Register(index, "c");
  Register(index, "d");
  EXPECT_EQ(0, Unregister(index, "b"));
  char buffer[64];
  EXPECT_EQ(1, GetEntrie(index, 1, buffer));
  EXPECT_STREQ("d", buffer);
  EXPECT_EQ("c", liststore::IndexEntryText(index, 2));
  EXPECT_EQ(3, GetEntries(index));
}

TEST_F(NameIndexTest, GetEntrieLooksUpAPositionOrAName) {
  int index = MakeIndex();
  Register(index, "first");
  Register(index, "second");
  char buffer[64] = "second";
  EXPECT_EQ(1, GetEntrie(index, -1, buffer));
  std::strcpy(buffer, "absent");
  EXPECT_EQ(-1, GetEntrie(index, -1, buffer));
  buffer[0] = 0;
  EXPECT_EQ(-10, GetEntrie(index, -1, buffer));
  EXPECT_EQ(-10, GetEntrie(index, 2, buffer));
  EXPECT_EQ(-10, GetEntrie(index, -2, buffer));
  EXPECT_EQ(-10, GetEntrie(index + 1000, 0, buffer));
}

TEST_F(NameIndexTest, ManyEntriesStayReachable) {
  int index = MakeIndex();
  for (int i = 0; i < 200; ++i) Register(index, ("n" + std::to_string(i)).c_str());
  EXPECT_EQ(200, GetEntries(index));
  for (int i = 0; i < 200; i += 2) EXPECT_EQ(0, Unregister(index, ("n" + std::to_string(i)).c_str()));
  EXPECT_EQ(100, GetEntries(index));
  EXPECT_GT(Identify(index, "n199"), 0);
  EXPECT_EQ(0, Identify(index, "n0"));
}

TEST_F(NameIndexTest, InvalidIndexIsRefused) {
  EXPECT_EQ(-10, Register(0, "x"));
  EXPECT_EQ(-10, Unregister(1, "x"));  // 1 is the global column table, not an index
  EXPECT_EQ(-10, Identify(-5, "x"));
  EXPECT_EQ(-10, GetEntries(12345));
}
