// Tests of the process-wide project strings.
#include "project/projectstrings.h"

#include <gtest/gtest.h>

#include "shell/settingspaths.h"

namespace {

using namespace project;

class ProjectStringsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ClearProjectFile();
    SetProjectFolder("");
  }
};

TEST_F(ProjectStringsTest, AProjectFileGivesNameFolderAndSettingsPath) {
  ASSERT_EQ(SetProjectFile("C:\\Work\\Demo\\Demo.ovp"), ProjectTextResult::kSet);
  EXPECT_TRUE(HasProjectFile());
  EXPECT_EQ(ProjectFilePath(), "C:\\Work\\Demo\\Demo.ovp");
  EXPECT_EQ(ProjectName(), "Demo");
  EXPECT_EQ(ProjectFolder(), "C:\\Work\\Demo");
  EXPECT_EQ(ProjectSettingsPath(), "C:\\Work\\Demo\\Demo.ovs");
  EXPECT_EQ(settings::ProjectSettingsFile(), "C:\\Work\\Demo\\Demo.ovs");

  ASSERT_EQ(SetProjectFile("D:\\my.dir\\plain"), ProjectTextResult::kSet);
  EXPECT_EQ(ProjectName(), "plain");
  EXPECT_EQ(ProjectSettingsPath(), "D:\\my.dir\\plain.ovs");
}

TEST_F(ProjectStringsTest, TextsOverTheLimitAreRefusedAndNothingChanges) {
  ASSERT_EQ(SetProjectFile("C:\\P\\p.ovp"), ProjectTextResult::kSet);
  std::string longest = "C:\\" + std::string(248, 'x') + ".ovp";  // 255 characters
  ASSERT_EQ(longest.size(), 255u);
  EXPECT_EQ(SetProjectFile(longest), ProjectTextResult::kSet);
  EXPECT_EQ(SetProjectFile("C:\\" + std::string(249, 'x') + ".ovp"), ProjectTextResult::kTooLong);
  EXPECT_EQ(ProjectFilePath(), longest);
  // The path fits but its settings path (".ovs" appended) does not.
  EXPECT_EQ(SetProjectFile("C:\\" + std::string(250, 'x')), ProjectTextResult::kTooLong);
  EXPECT_EQ(SetProjectFile(""), ProjectTextResult::kEmpty);
  EXPECT_EQ(ProjectFilePath(), longest);
  EXPECT_EQ(settings::ProjectSettingsFile(), ProjectSettingsPath());

  EXPECT_EQ(SetProjectFolder(std::string(256, 'f')), ProjectTextResult::kTooLong);
  EXPECT_EQ(ProjectFolder(), "C:");
}

TEST_F(ProjectStringsTest, ClearingKeepsTheFolderWhereProjectsAreKept) {
  ASSERT_EQ(SetProjectFile("C:\\Work\\Demo\\Demo.ovp"), ProjectTextResult::kSet);
  ClearProjectFile();
  EXPECT_FALSE(HasProjectFile());
  EXPECT_EQ(ProjectName(), "");
  EXPECT_EQ(ProjectSettingsPath(), "");
  EXPECT_EQ(settings::ProjectSettingsFile(), "");
  EXPECT_EQ(ProjectFolder(), "C:\\Work\\Demo");
}

}  // namespace
