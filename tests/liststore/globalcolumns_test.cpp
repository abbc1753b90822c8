// Tests of the process-wide global column table and the handles it shares with name indexes.
#include "tests/liststore/liststore_fixture.h"

using GlobalColumnsTest = ListStoreTest;

TEST_F(GlobalColumnsTest, NamesEnterOnceAndKeepHandleAndPosition) {
  int before = GetGlobalColumns();
  int handle = AddGlobalColumn("GlobalColumnsTest.First");
  EXPECT_GT(handle, 0);
  EXPECT_EQ(before + 1, GetGlobalColumns());
  EXPECT_EQ(handle, AddGlobalColumn("GlobalColumnsTest.First"));
  EXPECT_EQ(before + 1, GetGlobalColumns());
  EXPECT_EQ(handle, GetGlobalColumnHandle("GlobalColumnsTest.First"));
  EXPECT_EQ(before, GetGlobalColumnPosition("GlobalColumnsTest.First"));
  char buffer[64];
  EXPECT_EQ(0, GetGlobalColumnName(before, buffer));
  EXPECT_STREQ("GlobalColumnsTest.First", buffer);
  EXPECT_EQ("GlobalColumnsTest.First", liststore::GlobalColumnNameText(before));
}

TEST_F(GlobalColumnsTest, EveryColumnUseEntersTheName) {
  int list = MakeList();
  AddLine(list);
  AddColumn(list, "GlobalColumnsTest.ByAddColumn");
  SetField(list, 0, "GlobalColumnsTest.BySetField", "v");
  SetHeading(list, "GlobalColumnsTest.BySetHeading", "v");
  AddColumn(list, "GlobalColumnsTest.Old");
  RenameColumn(list, "GlobalColumnsTest.Old", "GlobalColumnsTest.ByRename");
  for (const char* name : {"GlobalColumnsTest.ByAddColumn", "GlobalColumnsTest.BySetField",
                           "GlobalColumnsTest.BySetHeading", "GlobalColumnsTest.ByRename"}) {
    SCOPED_TRACE(name);
    EXPECT_GE(GetGlobalColumnPosition(name), 0);
  }
  // Deleting the list removes no name: positions never change.
  int position = GetGlobalColumnPosition("GlobalColumnsTest.ByAddColumn");
  DelList(list);
  EXPECT_EQ(position, GetGlobalColumnPosition("GlobalColumnsTest.ByAddColumn"));
}

TEST_F(GlobalColumnsTest, AbsentAndNullNames) {
  EXPECT_EQ(0, AddGlobalColumn(nullptr));
  EXPECT_EQ(0, GetGlobalColumnHandle("GlobalColumnsTest.Never"));
  EXPECT_EQ(-1, GetGlobalColumnPosition("GlobalColumnsTest.Never"));
  EXPECT_EQ(-1, GetGlobalColumnPosition(nullptr));
  EXPECT_EQ(0, GetGlobalColumnHandle(nullptr));
  char buffer[8] = "x";
  EXPECT_EQ(-1, GetGlobalColumnName(GetGlobalColumns(), buffer));
  EXPECT_STREQ("", buffer);
  EXPECT_EQ("", liststore::GlobalColumnNameText(-1));
}

TEST_F(GlobalColumnsTest, HandlesAreNeverReusedAcrossTableAndIndexes) {
  int index = MakeIndex();
  int a = AddGlobalColumn("GlobalColumnsTest.HandleA");
  int b = Register(index, "GlobalColumnsTest.HandleB");
  int c = AddGlobalColumn("GlobalColumnsTest.HandleC");
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  // The same name in an index gets a handle of its own.
  int d = Register(index, "GlobalColumnsTest.HandleA");
  EXPECT_GT(d, c);
}
