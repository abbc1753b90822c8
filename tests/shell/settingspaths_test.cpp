// Tests of the global and project settings paths.
#include "shell/settingspaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SettingsPathsTest, TheGlobalFileLiesBesideTheProgram) {
  EXPECT_EQ(settings::GlobalSettingsPath("C:\\Tools\\Orvantel\\Orvantel.exe"), "C:\\Tools\\Orvantel\\Orvantel.ini");
  EXPECT_EQ(settings::GlobalSettingsPath("C:\\ide.exe"), "C:\\Orvantel.ini");
  EXPECT_EQ(settings::GlobalSettingsPath("ide.exe"), "Orvantel.ini");
  EXPECT_EQ(settings::FileBesideProgram("C:\\a.b\\Orvantel.exe", "Orvantel.map"), "C:\\a.b\\Orvantel.map");
}

TEST(SettingsPathsTest, TheProjectFileGetsTheExtensionOvs) {
  EXPECT_EQ(settings::ProjectSettingsPath("D:\\Work\\demo.ovp"), "D:\\Work\\demo.ovs");
  EXPECT_EQ(settings::ProjectSettingsPath("D:\\Work\\demo.backup.OVP"), "D:\\Work\\demo.backup.ovs");
  EXPECT_EQ(settings::ProjectSettingsPath("demo."), "demo.ovs");
  // A "." in a folder name is not the file's extension.
  EXPECT_EQ(settings::ProjectSettingsPath("D:\\my.dir\\demo"), "D:\\my.dir\\demo.ovs");
  EXPECT_EQ(settings::ProjectSettingsPath(""), "");
}

TEST(SettingsPathsTest, PathsLongerThan511CharactersAreRefused) {
  std::string folder = "C:\\" + std::string(511 - 3 - 13, 'f');  // room for exactly "\Orvantel.ini"
  EXPECT_EQ(settings::GlobalSettingsPath(folder + "\\Orvantel.exe").size(), 511u);
  EXPECT_EQ(settings::GlobalSettingsPath(folder + "x\\Orvantel.exe"), "");
  std::string project = "C:\\" + std::string(504, 'p') + ".ovp";  // 511 characters
  EXPECT_EQ(settings::ProjectSettingsPath(project).size(), 511u);
  EXPECT_EQ(settings::ProjectSettingsPath("C:\\" + std::string(505, 'p')), "");  // ".ovs" added
}

TEST(SettingsPathsTest, TheProcessWidePathsAreSetAndCleared) {
  ASSERT_TRUE(settings::SetGlobalSettingsFile("C:\\Orv\\Orvantel.exe"));
  EXPECT_EQ(settings::GlobalSettingsFile(), "C:\\Orv\\Orvantel.ini");
  ASSERT_TRUE(settings::SetProjectSettingsFile("D:\\Work\\demo.ovp"));
  EXPECT_EQ(settings::ProjectSettingsFile(), "D:\\Work\\demo.ovs");
  settings::ClearProjectSettingsFile();
  EXPECT_EQ(settings::ProjectSettingsFile(), "");
  EXPECT_FALSE(settings::SetProjectSettingsFile("C:\\" + std::string(600, 'p') + ".ovp"));
  EXPECT_EQ(settings::ProjectSettingsFile(), "");
}

}  // namespace
