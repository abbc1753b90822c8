// The Tools menu's user entries as read from the global settings file.
#include "shell/toolsmenu.h"

#include <gtest/gtest.h>

#include "settings_files.h"
#include "support/temp_folder.h"

namespace shell {
namespace {

class ToolsMenuTest : public ::testing::Test {
 protected:
  void Write(const std::string& toolsSection) {
    testsupport::PutFile(ini, "[System]\r\nStatus=run\r\n[ToolsMenu]\r\n" + toolsSection);
  }
  testsupport::TempFolder folder;
  std::string ini = folder.Path() + "\\Orvantel.ini";
};

TEST_F(ToolsMenuTest, EntriesInKeyOrderWithCommandIds) {
  Write("1=Notepad,notepad.exe\r\n2=Calculator,calc.exe\r\n");
  std::vector<ToolEntry> entries = ReadToolEntries(ini);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].label, "Notepad");
  EXPECT_EQ(entries[0].command, 6101);
  EXPECT_FALSE(entries[0].separator);
  EXPECT_EQ(entries[1].label, "Calculator");
  EXPECT_EQ(entries[1].command, 6102);
}

TEST_F(ToolsMenuTest, AMissingKeyEndsTheListEvenWhenLaterKeysExist) {
  Write("1=One,a.exe\r\n2=Two,b.exe\r\n4=Four,d.exe\r\n");
  std::vector<ToolEntry> entries = ReadToolEntries(ini);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].label, "Two");
}

TEST_F(ToolsMenuTest, AnEmptyValueEndsTheListToo) {
  Write("1=One,a.exe\r\n2=\r\n3=Three,c.exe\r\n");
  EXPECT_EQ(ReadToolEntries(ini).size(), 1u);
}

TEST_F(ToolsMenuTest, ADashLabelIsASeparatorWhateverFollowsTheComma) {
  Write("1=One,a.exe\r\n2=-,notepad.exe\r\n3=--- tools ---\r\n4=Four,d.exe\r\n");
  std::vector<ToolEntry> entries = ReadToolEntries(ini);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_TRUE(entries[1].separator);
  EXPECT_EQ(entries[1].command, 0);
  EXPECT_TRUE(entries[2].separator);
  EXPECT_FALSE(entries[3].separator);
  EXPECT_EQ(entries[3].command, 6104);
  EXPECT_EQ(ToolCommandLine(ini, 6102), "");
}

TEST_F(ToolsMenuTest, AtMostFifteenKeysAreRead) {
  std::string section;
  for (int n = 1; n <= 17; ++n) section += std::to_string(n) + "=T" + std::to_string(n) + ",x.exe\r\n";
  Write(section);
  std::vector<ToolEntry> entries = ReadToolEntries(ini);
  ASSERT_EQ(entries.size(), 15u);
  EXPECT_EQ(entries.back().command, 6115);
}

TEST_F(ToolsMenuTest, TheCommandIsTheTextAfterTheFirstComma) {
  Write("1=Edit, notepad.exe C:\\a,b.txt \r\n2=No command\r\n3=Empty,\r\n");
  EXPECT_EQ(ToolCommandLine(ini, 6101), "notepad.exe C:\\a,b.txt");
  EXPECT_EQ(ToolCommandLine(ini, 6102), "");
  EXPECT_EQ(ToolCommandLine(ini, 6103), "");
  std::vector<ToolEntry> entries = ReadToolEntries(ini);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].label, "No command");
}

TEST_F(ToolsMenuTest, IdsOutsideTheEntriesHaveNoCommand) {
  Write("1=One,a.exe\r\n");
  EXPECT_EQ(ToolCommandLine(ini, 6100), "");
  EXPECT_EQ(ToolCommandLine(ini, 6116), "");
  EXPECT_EQ(ToolCommandLine(ini, 6102), "");
}

TEST_F(ToolsMenuTest, NoFileNoEntries) {
  EXPECT_TRUE(ReadToolEntries(folder.Path() + "\\missing.ini").empty());
}

}  // namespace
}  // namespace shell
