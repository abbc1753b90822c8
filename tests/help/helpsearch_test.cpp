// Tests of the help search: the folder, the result entries and the file name an entry names.
#include "help/helpsearch.h"

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace {

std::string HelpFileText(const std::string& title, const std::string& body) {
  std::string header = {'\x6C', '\x03', '\x15', '\x00', '\x01'};
  header += std::string(11, ' ');
  return std::string(200, '-') + header + title + std::string(1, '\0') + body + std::string(200, '-');
}

class HelpSearchTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  void Write(const std::string& name, const std::string& text) {
    ASSERT_EQ(platform::WriteWholeFile(folder.File(name), text.data(), text.size()),
              static_cast<int>(text.size()));
  }
};

TEST(HelpEntryTest, EntriesJoinTitleAndFileAndTheFileComesFromTheLastBracket) {
  EXPECT_EQ(help::HelpResultEntry("Win32 API", "win32.hlp"), "Win32 API [win32.hlp]");
  EXPECT_EQ(help::HelpFileOfEntry("Win32 API [win32.hlp]"), "win32.hlp");
  EXPECT_EQ(help::HelpFileOfEntry(help::HelpResultEntry("Arrays [a] and [b]", "arr.hlp")), "arr.hlp");
  EXPECT_EQ(help::HelpFileOfEntry(" [x.hlp"), "x.hlp");
  EXPECT_EQ(help::HelpFileOfEntry("no bracket"), "");
  EXPECT_EQ(help::HelpFileOfEntry(help::HelpResultEntry("", "plain.hlp")), "plain.hlp");
}

TEST(HelpEntryTest, TheHelpFolderEndsInABackslash) {
  EXPECT_EQ(help::HelpDirectory("C:\\BC5\\HELP"), "C:\\BC5\\HELP\\");
  EXPECT_EQ(help::HelpDirectory("C:\\BC5\\HELP\\"), "C:\\BC5\\HELP\\");
  EXPECT_EQ(help::HelpDirectory(""), "");
}

TEST_F(HelpSearchTest, OnlyHelpFilesHoldingTheKeywordAreListedInNameOrder) {
  Write("b.hlp", HelpFileText("Beta [reference]", "uses lstrcpy here"));
  Write("a.hlp", HelpFileText("Alpha", "also lstrcpy"));
  Write("c.hlp", HelpFileText("Gamma", "nothing to see"));
  Write("d.txt", HelpFileText("Text", "lstrcpy"));
  Write("tiny.hlp", "lstrcpy");
  ASSERT_TRUE(platform::CreateFolder(folder.File("dir.hlp")));

  std::vector<std::string> seen;
  for (const std::string& dir : {folder.Path(), folder.Path() + "\\"}) {
    SCOPED_TRACE(dir);
    seen.clear();
    std::vector<std::string> entries = help::SearchHelpFiles(
        help::HelpDirectory(dir), "lstrcpy", [&](const std::string& e) { seen.push_back(e); });
    EXPECT_EQ(entries, (std::vector<std::string>{"Alpha [a.hlp]", "Beta [reference] [b.hlp]"}));
    EXPECT_EQ(seen, entries);
    EXPECT_EQ(help::HelpFileOfEntry(entries[1]), "b.hlp");
  }
  EXPECT_EQ(help::SearchHelpFiles(help::HelpDirectory(folder.Path()), "").size(), 3u);
  EXPECT_TRUE(help::SearchHelpFiles(folder.File("missing"), "x").empty());
}

}  // namespace
