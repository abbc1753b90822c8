// The Tools menu rebuilt on a real menu from "ToolsMenu" of the global settings file.
#include "shell/toolsmenu_win.h"

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "settings_files.h"
#include "support/temp_folder.h"

namespace {

struct Item {
  bool separator;
  UINT id;
  std::string text;
};

std::vector<Item> Items(HMENU menu) {
  std::vector<Item> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back({(info.fType & MFT_SEPARATOR) != 0, info.wID, text});
  }
  return items;
}

class ToolsMenuWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 6011, "&Message...");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 6001, "&Grep...");
    AppendMenuA(menu, MF_STRING, 6002, "&Debugger...");
  }
  void TearDown() override { DestroyMenu(menu); }
  void Write(const std::string& tools) { testsupport::PutFile(ini, "[ToolsMenu]\r\n" + tools); }

  testsupport::TempFolder folder;
  std::string ini = folder.Path() + "\\Orvantel.ini";
  HMENU menu = nullptr;
};

TEST_F(ToolsMenuWinTest, UserEntriesFollowASeparatorAfterTheFixedItems) {
  Write("1=Notepad,notepad.exe\r\n2=-,ignored\r\n3=Calc,calc.exe\r\n");
  EXPECT_EQ(shell::RebuildToolsMenu(menu, 4, ini), 3);
  std::vector<Item> items = Items(menu);
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items[3].text, "&Debugger...");
  EXPECT_TRUE(items[4].separator);
  EXPECT_EQ(items[5].id, 6101u);
  EXPECT_EQ(items[5].text, "Notepad");
  EXPECT_TRUE(items[6].separator);
  EXPECT_EQ(items[7].id, 6103u);
  EXPECT_EQ(items[7].text, "Calc");
}

TEST_F(ToolsMenuWinTest, TheMenuStopsAtAMissingKey) {
  Write("1=One,a.exe\r\n2=Two,b.exe\r\n4=Four,d.exe\r\n");
  EXPECT_EQ(shell::RebuildToolsMenu(menu, 4, ini), 2);
  std::vector<Item> items = Items(menu);
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items.back().text, "Two");
  for (const Item& item : items) EXPECT_NE(item.id, 6104u);
}

TEST_F(ToolsMenuWinTest, RebuildingReplacesTheEntriesOfTheLastOpening) {
  Write("1=One,a.exe\r\n2=Two,b.exe\r\n");
  shell::RebuildToolsMenu(menu, 4, ini);
  Write("1=Only,a.exe\r\n");
  EXPECT_EQ(shell::RebuildToolsMenu(menu, 4, ini), 1);
  std::vector<Item> items = Items(menu);
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[5].text, "Only");
}

TEST_F(ToolsMenuWinTest, WithoutEntriesOnlyTheFixedItemsStay) {
  Write("1=One,a.exe\r\n");
  shell::RebuildToolsMenu(menu, 4, ini);
  Write("");
  EXPECT_EQ(shell::RebuildToolsMenu(menu, 4, ini), 0);
  EXPECT_EQ(GetMenuItemCount(menu), 4);
}

TEST_F(ToolsMenuWinTest, AnEntryRunsTheCommandAfterItsComma) {
  std::string marker = folder.Path() + "\\ran.txt";
  Write("1=Mark,cmd.exe /c echo ran> \"" + marker + "\"\r\n2=Nothing\r\n");
  ASSERT_TRUE(shell::RunToolEntry(nullptr, 6101, ini));
  DWORD start = GetTickCount();
  while (GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 15000) Sleep(50);
  EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(shell::RunToolEntry(nullptr, 6102, ini));
}

}  // namespace
