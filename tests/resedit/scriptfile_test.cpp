// Tests of the files around an open script: paths, opening, saving, saving under a new name,
// closing, and what a failed write leaves behind.
#include "resedit/scriptfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "script_lines.h"
#include "support/temp_folder.h"

namespace {

using resedit::ScriptResult;
using reseditTest::Lines;

class ScriptFileTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string script = folder.File("app.rc");

  void Write(const std::string& path, const std::string& text) {
    ASSERT_EQ(platform::WriteWholeFile(path, text.data(), text.size()), static_cast<int>(text.size()));
  }
  std::string Read(const std::string& path) {
    std::vector<char> block;
    int n = platform::ReadWholeFile(path, block);
    return n < 0 ? "<missing>" : std::string(block.data(), static_cast<std::size_t>(n));
  }
};

TEST_F(ScriptFileTest, WorkingCopyAndBackupTakeTheScriptsPlaceWithOtherExtensions) {
  EXPECT_EQ(resedit::WorkingCopyPath("C:\\p\\app.rc"), "C:\\p\\app.tmp");
  EXPECT_EQ(resedit::BackupPath("C:\\p\\app.rc"), "C:\\p\\app.bak");
  EXPECT_EQ(resedit::WorkingCopyPath("C:\\my.dir\\script"), "C:\\my.dir\\script.tmp");
  EXPECT_EQ(resedit::WorkingCopyPath("app.v2.rc"), "app.v2.tmp");
  // Never the script itself.
  EXPECT_EQ(resedit::WorkingCopyPath("C:\\p\\x.TMP"), "C:\\p\\x.TMP.tmp");
  EXPECT_EQ(resedit::BackupPath("C:\\p\\x.bak"), "C:\\p\\x.bak.bak");
}

TEST_F(ScriptFileTest, PathPartsAndComparison) {
  EXPECT_EQ(resedit::FolderOf("C:\\p\\a.ico"), "C:\\p");
  EXPECT_EQ(resedit::FolderOf("a.ico"), "");
  EXPECT_EQ(resedit::FileNameOf("C:/p/a.ico"), "a.ico");
  EXPECT_TRUE(resedit::SamePath("C:\\P\\A.rc", "c:/p/a.RC"));
  EXPECT_FALSE(resedit::SamePath("C:\\p\\a.rc", "C:\\p\\a.rc2"));
}

TEST_F(ScriptFileTest, OpeningConvertsLineEndsAndBracesIntoWorkingCopyAndBackup) {
  std::string original = Lines({"X MENU", "BEGIN", " MENUITEM \"BEGIN\", 1", "END"}, "\n");
  Write(script, original);
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  std::string converted = Lines({"X MENU", "{    ", " MENUITEM \"BEGIN\", 1", "}  "});
  EXPECT_EQ(Read(folder.File("app.tmp")), converted);
  EXPECT_EQ(Read(folder.File("app.bak")), converted);
  EXPECT_EQ(Read(script), original);  // the script itself is untouched until saved
  std::string text;
  ASSERT_EQ(resedit::ReadWorkingCopy(script, text), ScriptResult::kDone);
  EXPECT_EQ(text, converted);
}

TEST_F(ScriptFileTest, AnUnreadableScriptLeavesNoWorkingCopy) {
  Write(folder.File("app.tmp"), "STALE MENU\r\n{\r\n}\r\n");  // left over from an earlier session
  EXPECT_EQ(resedit::OpenScript(script), ScriptResult::kCannotReadScript);
  EXPECT_FALSE(platform::FileExists(folder.File("app.tmp")));
  EXPECT_FALSE(platform::FileExists(folder.File("app.bak")));
  std::string text = "x";
  EXPECT_EQ(resedit::ReadWorkingCopy(script, text), ScriptResult::kNoWorkingCopy);
  EXPECT_EQ(text, "");
  EXPECT_EQ(resedit::SaveScript(script), ScriptResult::kNoWorkingCopy);
  EXPECT_FALSE(platform::FileExists(script));
}

TEST_F(ScriptFileTest, AFailedWriteWhileOpeningLeavesNoWorkingCopy) {
  Write(script, "X MENU\r\nBEGIN\r\nEND\r\n");
  platform::FailCreate(true);
  EXPECT_EQ(resedit::OpenScript(script), ScriptResult::kCannotWrite);
  platform::ResetFailures();
  EXPECT_FALSE(platform::FileExists(folder.File("app.tmp")));
  EXPECT_FALSE(platform::FileExists(folder.File("app.bak")));
}

TEST_F(ScriptFileTest, SavingCopiesTheWorkingCopyToTheScript) {
  Write(script, "X MENU\nBEGIN\nEND\n");
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  ASSERT_EQ(resedit::WriteWorkingCopy(script, "Y MENU\r\n{\r\n}\r\n"), ScriptResult::kDone);
  EXPECT_EQ(resedit::SaveScript(script), ScriptResult::kDone);
  EXPECT_EQ(Read(script), "Y MENU\r\n{\r\n}\r\n");
  EXPECT_EQ(Read(folder.File("app.bak")), "X MENU\r\n{    \r\n}  \r\n");  // the backup keeps the opened state
}

TEST_F(ScriptFileTest, SavingWithoutAWorkingCopyWritesNothing) {
  Write(script, "X MENU\r\n{\r\n}\r\n");
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  ASSERT_TRUE(platform::RemoveFile(folder.File("app.tmp")));
  EXPECT_EQ(resedit::SaveScript(script), ScriptResult::kNoWorkingCopy);
  EXPECT_EQ(Read(script), "X MENU\r\n{\r\n}\r\n");
}

TEST_F(ScriptFileTest, AFailedSaveLeavesTheScriptWhole) {
  Write(script, "X MENU\r\n{\r\n}\r\n");
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  std::string edited = "Y MENU\r\n{\r\n MENUITEM \"a\", 1\r\n}\r\n";
  ASSERT_EQ(resedit::WriteWorkingCopy(script, edited), ScriptResult::kDone);
  for (long long stop : {0LL, 1LL, 10LL}) {
    platform::FailWritesAfter(stop);
    EXPECT_EQ(resedit::SaveScript(script), ScriptResult::kCannotWrite);
    platform::ResetFailures();
    EXPECT_EQ(Read(script), "X MENU\r\n{\r\n}\r\n");
  }
  EXPECT_EQ(Read(folder.File("app.tmp")), edited);
}

TEST_F(ScriptFileTest, SavingUnderANewNameMovesTheWorkingCopy) {
  Write(script, "X MENU\r\n{\r\n}\r\n");
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  std::string renamed = folder.File("new.rc");
  ASSERT_EQ(resedit::SaveScriptAs(script, renamed), ScriptResult::kDone);
  EXPECT_EQ(Read(renamed), "X MENU\r\n{\r\n}\r\n");
  EXPECT_EQ(Read(folder.File("new.tmp")), "X MENU\r\n{\r\n}\r\n");
  EXPECT_FALSE(platform::FileExists(folder.File("app.tmp")));
  EXPECT_TRUE(platform::FileExists(folder.File("app.bak")));
}

TEST_F(ScriptFileTest, SavingUnderTheSameNameKeepsTheWorkingCopy) {
  Write(script, "X MENU\r\n{\r\n}\r\n");
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  ASSERT_EQ(resedit::SaveScriptAs(script, folder.File("APP.rc")), ScriptResult::kDone);
  EXPECT_TRUE(platform::FileExists(folder.File("app.tmp")));
  // A script saved over the old working copy's name is not deleted afterwards.
  ASSERT_EQ(resedit::SaveScriptAs(script, folder.File("app.tmp")), ScriptResult::kDone);
  EXPECT_EQ(Read(folder.File("app.tmp")), "X MENU\r\n{\r\n}\r\n");
  EXPECT_EQ(Read(folder.File("app.tmp.tmp")), "X MENU\r\n{\r\n}\r\n");
}

TEST_F(ScriptFileTest, AFailedSaveUnderANewNameKeepsTheOldWorkingCopy) {
  Write(script, "X MENU\r\n{\r\n}\r\n");
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  platform::FailCreate(true);
  EXPECT_EQ(resedit::SaveScriptAs(script, folder.File("new.rc")), ScriptResult::kCannotWrite);
  platform::ResetFailures();
  EXPECT_TRUE(platform::FileExists(folder.File("app.tmp")));
  EXPECT_FALSE(platform::FileExists(folder.File("new.rc")));
}

TEST_F(ScriptFileTest, ClosingDeletesTheWorkingCopyAndKeepsTheBackup) {
  Write(script, "X MENU\r\n{\r\n}\r\n");
  ASSERT_EQ(resedit::OpenScript(script), ScriptResult::kDone);
  EXPECT_TRUE(resedit::CloseScript(script));
  EXPECT_FALSE(platform::FileExists(folder.File("app.tmp")));
  EXPECT_TRUE(platform::FileExists(folder.File("app.bak")));
  EXPECT_TRUE(resedit::CloseScript(script));  // already closed
}

}  // namespace
