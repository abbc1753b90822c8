// The file-type registration, read back from the registry.
#include "shell/filetypes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string DefaultValue(const std::string& key) {
  char value[1024] = {};
  LONG size = sizeof value;
  if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS) {
    return "<missing>";
  }
  return value;
}

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

TEST(FileTypesWinTest, EveryKeyIsWrittenUnderTheClassRoot) {
  EXPECT_EQ(shell::RegisterFileTypes(), 7);
  std::string program = ProgramPath();
  EXPECT_EQ(DefaultValue(".OVP"), "ovpfile");
  EXPECT_EQ(DefaultValue("ovpfile"), "Orvantel-Project");
  EXPECT_EQ(DefaultValue("ovpfile\\DefaultIcon"), program + ",1");
  EXPECT_EQ(DefaultValue(".OVS"), "ovsfile");
  EXPECT_EQ(DefaultValue("ovsfile"), "Orvantel-Settings");
  EXPECT_EQ(DefaultValue("ovsfile\\DefaultIcon"), program + ",8");
}

// The open command was the bare program path and " %1": a folder with a blank broke it.
TEST(FileTypesWinTest, OpenCommandQuotesTheProgramAndTheFile) {
  shell::RegisterFileTypes();
  EXPECT_EQ(DefaultValue("ovpfile\\shell\\open\\command"), "\"" + ProgramPath() + "\" \"%1\"");
}

// Written at every start: a changed value is put right again.
TEST(FileTypesWinTest, RegisteringAgainRepairsAChangedValue) {
  RegSetValueA(HKEY_CLASSES_ROOT, "ovpfile\\shell\\open\\command", REG_SZ, "other.exe %1", 12);
  shell::RegisterFileTypes();
  EXPECT_EQ(DefaultValue("ovpfile\\shell\\open\\command"), "\"" + ProgramPath() + "\" \"%1\"");
}

}  // namespace
