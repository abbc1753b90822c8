// Tests of the history lists kept in a settings file.
#include "shell/settingshistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings_files.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace {

using testsupport::FileBytes;
using testsupport::PutFile;

class SettingsHistoryTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string ovs = folder.File("p.ovs");

  std::vector<std::string> List() { return settings::ReadHistory(ovs, "Find", 8); }
  void Fill(int count) {
    for (int i = count - 1; i >= 0; --i) {
      ASSERT_EQ(settings::AddToHistory(ovs, "Find", "t" + std::to_string(i), 8), 1);
    }
  }
  std::vector<std::string> Texts(std::initializer_list<int> numbers) {
    std::vector<std::string> texts;
    for (int n : numbers) texts.push_back("t" + std::to_string(n));
    return texts;
  }
};

TEST_F(SettingsHistoryTest, AnEmptyTextStoresNothing) {
  EXPECT_EQ(settings::AddToHistory(ovs, "Find", "", 8), 0);
  EXPECT_EQ(settings::AddToHistory(ovs, "Find", "  \t", 8), 0);
  EXPECT_EQ(FileBytes(ovs), "<missing>");
}

TEST_F(SettingsHistoryTest, TheFirstTextOfAnEmptyListWritesOnlyKeyZero) {
  EXPECT_EQ(settings::AddToHistory(ovs, "Find", "needle", 8), 1);
  EXPECT_EQ(FileBytes(ovs), "[Find]\r\n0=needle\r\n");
}

TEST_F(SettingsHistoryTest, ATenthTextDropsTheOldestAndShiftsTheOthersDown) {
  Fill(9);
  EXPECT_EQ(List(), Texts({0, 1, 2, 3, 4, 5, 6, 7, 8}));
  ASSERT_EQ(settings::AddToHistory(ovs, "Find", "new", 8), 1);
  std::vector<std::string> expected = {"new"};
  for (int i = 0; i < 8; ++i) expected.push_back("t" + std::to_string(i));
  EXPECT_EQ(List(), expected);
  EXPECT_EQ(settings::ReadText(ovs, "Find", "9", "<none>", 511), "<none>");
}

TEST_F(SettingsHistoryTest, AKnownTextMovesToTheFrontWithoutAppearingTwice) {
  Fill(9);
  ASSERT_EQ(settings::AddToHistory(ovs, "Find", "t3", 8), 1);
  EXPECT_EQ(List(), Texts({3, 0, 1, 2, 4, 5, 6, 7, 8}));
  std::string before = FileBytes(ovs);
  ASSERT_EQ(settings::AddToHistory(ovs, "Find", "t3", 8), 1);
  EXPECT_EQ(FileBytes(ovs), before);  // already at key "0": nothing changes
  ASSERT_EQ(settings::AddToHistory(ovs, "Find", "T3", 8), 1);  // case counts
  EXPECT_EQ(List(), std::vector<std::string>({"T3", "t3", "t0", "t1", "t2", "t4", "t5", "t6", "t7"}));
}

TEST_F(SettingsHistoryTest, TheLimitSetsTheLastKey) {
  for (const char* text : {"a", "b", "c", "d"}) settings::AddToHistory(ovs, "Grep", text, 2);
  EXPECT_EQ(settings::ReadHistory(ovs, "Grep", 2), std::vector<std::string>({"d", "c", "b"}));
  EXPECT_EQ(settings::ReadText(ovs, "Grep", "3", "<none>", 511), "<none>");
  // Limits outside 1 to 31 mean 8.
  for (int limit : {0, -1, 32}) {
    SCOPED_TRACE(limit);
    std::string file = folder.File("l" + std::to_string(limit + 1) + ".ovs");
    for (int i = 0; i < 12; ++i) settings::AddToHistory(file, "Help", std::to_string(i), limit);
    EXPECT_EQ(settings::ReadHistory(file, "Help", limit).size(), 9u);
    EXPECT_EQ(settings::ReadText(file, "Help", "8", "", 511), "3");
  }
}

TEST_F(SettingsHistoryTest, TextsAreStoredAsTheyReadBackSoTheyAreRecognisedAgain) {
  settings::AddToHistory(ovs, "Find", "  padded  ", 8);
  settings::AddToHistory(ovs, "Find", "padded", 8);
  EXPECT_EQ(List(), std::vector<std::string>({"padded"}));
  std::string longText(600, 'x');
  settings::AddToHistory(ovs, "Find", longText, 8);
  settings::AddToHistory(ovs, "Find", longText, 8);
  EXPECT_EQ(List(), std::vector<std::string>({std::string(510, 'x'), "padded"}));
}

TEST_F(SettingsHistoryTest, AGapEndsTheListAndKeysAfterItAreLeftAlone) {
  PutFile(ovs, "[Find]\r\n0=a\r\n1=b\r\n3=d\r\n");
  settings::AddToHistory(ovs, "Find", "new", 8);
  EXPECT_EQ(FileBytes(ovs), "[Find]\r\n0=new\r\n1=a\r\n3=d\r\n2=b\r\n");
}

}  // namespace
