// Names for the New File command.
#include "shell/newfilename.h"

#include <gtest/gtest.h>

#include "settings_files.h"
#include "support/temp_folder.h"

namespace shell {
namespace {

class NewFileNameTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
};

TEST_F(NewFileNameTest, ProposesTheFirstNumberNotTaken) {
  EXPECT_EQ(FirstFreeNewFileName(folder.Path(), "demo"), folder.Path() + "\\demo01.c");
  testsupport::PutFile(folder.Path() + "\\demo01.c", "x");
  testsupport::PutFile(folder.Path() + "\\demo02.c", "x");
  testsupport::PutFile(folder.Path() + "\\demo04.c", "x");
  EXPECT_EQ(FirstFreeNewFileName(folder.Path(), "demo"), folder.Path() + "\\demo03.c");
}

TEST_F(NewFileNameTest, NumbersGrowPastTwoDigits) {
  for (int n = 1; n <= 99; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "\\p%02d.c", n);
    testsupport::PutFile(folder.Path() + name, "x");
  }
  EXPECT_EQ(FirstFreeNewFileName(folder.Path(), "p"), folder.Path() + "\\p100.c");
}

TEST_F(NewFileNameTest, JoinsWithOneBackslash) {
  EXPECT_EQ(JoinFolder("C:\\Work", "a.c"), "C:\\Work\\a.c");
  EXPECT_EQ(JoinFolder("C:\\", "a.c"), "C:\\a.c");
  EXPECT_EQ(JoinFolder("", "a.c"), "a.c");
}

TEST_F(NewFileNameTest, AnExistingNameIsRefusedAndAFreeOneAccepted) {
  testsupport::PutFile(folder.Path() + "\\main.c", "int main;");
  std::string path = "unchanged";
  EXPECT_EQ(CheckNewFileName(folder.Path(), "main.c", path), NewFileCheck::kExists);
  EXPECT_EQ(path, "unchanged");
  EXPECT_EQ(CheckNewFileName(folder.Path(), "util.c", path), NewFileCheck::kAccepted);
  EXPECT_EQ(path, folder.Path() + "\\util.c");
}

TEST_F(NewFileNameTest, AnEmptyNameIsRefused) {
  std::string path;
  EXPECT_EQ(CheckNewFileName(folder.Path(), "", path), NewFileCheck::kEmpty);
  EXPECT_EQ(CheckNewFileName(folder.Path(), "   ", path), NewFileCheck::kEmpty);
}

TEST_F(NewFileNameTest, ALongNameIsCutTo63Characters) {
  std::string path;
  std::string name(80, 'n');
  ASSERT_EQ(CheckNewFileName(folder.Path(), name, path), NewFileCheck::kAccepted);
  EXPECT_EQ(path, folder.Path() + "\\" + std::string(kMaxNewFileName, 'n'));
}

}  // namespace
}  // namespace shell
