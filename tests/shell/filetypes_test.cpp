// The file-type registration values.
#include "shell/filetypes.h"

#include <gtest/gtest.h>

namespace {

std::string ValueOf(const std::vector<shell::FileTypeValue>& values, const std::string& key,
                    const std::string& subKey) {
  for (const shell::FileTypeValue& value : values) {
    if (value.key == key && value.subKey == subKey) return value.value;
  }
  return "<none>";
}

TEST(FileTypesTest, ProjectAndSettingsTypesAreNamedWithTheirIcons) {
  auto values = shell::FileTypeValues("C:\\Ide\\Orvantel.exe");
  EXPECT_EQ(values.size(), 7u);
  EXPECT_EQ(ValueOf(values, ".OVP", ""), "ovpfile");
  EXPECT_EQ(ValueOf(values, "ovpfile", ""), "Orvantel-Project");
  EXPECT_EQ(ValueOf(values, "ovpfile", "DefaultIcon"), "C:\\Ide\\Orvantel.exe,1");
  EXPECT_EQ(ValueOf(values, ".OVS", ""), "ovsfile");
  EXPECT_EQ(ValueOf(values, "ovsfile", ""), "Orvantel-Settings");
  EXPECT_EQ(ValueOf(values, "ovsfile", "DefaultIcon"), "C:\\Ide\\Orvantel.exe,8");
}

// The open command used to be the bare program path and " %1": a program or a project in a folder
// with a blank was cut at the blank by the shell. Both parts are quoted now.
TEST(FileTypesTest, OpenCommandQuotesProgramAndFile) {
  auto values = shell::FileTypeValues("C:\\My Programs\\Orvantel.exe");
  EXPECT_EQ(ValueOf(values, "ovpfile", "shell\\open\\command"),
            "\"C:\\My Programs\\Orvantel.exe\" \"%1\"");
}

}  // namespace
