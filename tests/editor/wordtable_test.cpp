// Building the word table from the built-in words and the "Keywords" value.
#include "editor/wordtable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace editor {
namespace {

ColourTable TestColours() { return {0xB0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80}; }

std::vector<std::string> UserWords(const WordTable& table) {
  std::vector<std::string> words;
  for (std::size_t i = kBuiltInWords; i < table.size(); ++i) {
    EXPECT_EQ(0x80u, table[i].colour) << table[i].word;
    words.push_back(table[i].word);
  }
  return words;
}

TEST(WordTableTest, BuiltInWordsInTheirSlotsAndOrder) {
  const WordTable table = BuildWordTable(TestColours(), "");
  ASSERT_EQ(static_cast<std::size_t>(kBuiltInWords), table.size());
  EXPECT_EQ("void", table[0].word);
  EXPECT_EQ(0x60u, table[0].colour);
  EXPECT_EQ("static", table[8].word);
  EXPECT_EQ(0x60u, table[8].colour);
  EXPECT_EQ("for", table[9].word);
  EXPECT_EQ(0x70u, table[9].colour);
  EXPECT_EQ("else if", table[20].word);
  EXPECT_EQ(0x70u, table[20].colour);
}

TEST(WordTableTest, UserWordsAreTakenExactlyAsWritten) {
  EXPECT_EQ((std::vector<std::string>{"BOOL", "HWND"}), UserWords(BuildWordTable(TestColours(), "BOOL,HWND")));
  EXPECT_EQ((std::vector<std::string>{" BOOL", "HWND "}), UserWords(BuildWordTable(TestColours(), " BOOL,HWND ")));
}

// Mend: an empty piece once ended the table and dropped every later user word.
TEST(WordTableTest, EmptyPiecesAreSkipped) {
  EXPECT_EQ((std::vector<std::string>{"BOOL", "HWND"}), UserWords(BuildWordTable(TestColours(), "BOOL,,HWND")));
  EXPECT_EQ((std::vector<std::string>{"BOOL"}), UserWords(BuildWordTable(TestColours(), ",BOOL")));
  EXPECT_EQ((std::vector<std::string>{"BOOL"}), UserWords(BuildWordTable(TestColours(), "BOOL,")));
  EXPECT_TRUE(UserWords(BuildWordTable(TestColours(), ",,,")).empty());
}

TEST(WordTableTest, OverLongWordsAreLeftOutAndLaterOnesKept) {
  const std::string longest(kMaxWordLength, 'a');
  const std::string tooLong(kMaxWordLength + 1, 'b');
  EXPECT_EQ((std::vector<std::string>{longest, "HWND"}),
            UserWords(BuildWordTable(TestColours(), longest + "," + tooLong + ",HWND")));
  EXPECT_EQ((std::vector<std::string>{"X"}), UserWords(BuildWordTable(TestColours(), std::string(5000, 'c') + ",X")));
}

TEST(WordTableTest, TheTableStopsAtItsLastEntry) {
  std::string keywords;
  for (int i = 0; i < 100; ++i) keywords += "W" + std::to_string(i) + ",";
  const WordTable table = BuildWordTable(TestColours(), keywords);
  ASSERT_EQ(static_cast<std::size_t>(kMaxWordEntries), table.size());
  EXPECT_EQ("W0", table[kBuiltInWords].word);
  EXPECT_EQ("W26", table[kMaxWordEntries - 1].word);
}

TEST(WordTableTest, KeywordsComeFromTheEditorSectionOfTheGlobalFile) {
  testsupport::TempFolder folder;
  const std::string ini = folder.File("Orvantel.ini");
  EXPECT_EQ("", ReadKeywords(ini));
  ASSERT_TRUE(settings::WriteString(ini, "Editor", "Keywords", "BOOL,HWND"));
  EXPECT_EQ("BOOL,HWND", ReadKeywords(ini));
}

}  // namespace
}  // namespace editor
