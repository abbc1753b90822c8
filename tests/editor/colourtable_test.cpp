// The colour table's initial values and its reading from the settings.
#include "editor/colourtable.h"

#include <gtest/gtest.h>

#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace editor {
namespace {

TEST(ColourTableTest, InitialValuesBeforeAnySettingsAreRead) {
  const ColourTable table = InitialColourTable();
  EXPECT_EQ(0x7F7F7Fu, table[kSlotBackground]);
  EXPECT_EQ(0xBFFF7Fu, table[kSlotSelection]);
  EXPECT_EQ(0x00A0FFu, table[kSlotPrivate]);
}

TEST(ColourTableTest, MissingFileGivesTheKeyTableDefaults) {
  testsupport::TempFolder folder;
  const ColourTable table = ReadColourTable(folder.File("none.ini"));
  EXPECT_EQ(0xBFBFBFu, table[kSlotBackground]);
  EXPECT_EQ(0x000000u, table[kSlotText]);
  EXPECT_EQ(0xCF7F7Fu, table[kSlotSelection]);  // "#7F7FCF": red in the low byte
  EXPECT_EQ(0xFFFFFFu, table[kSlotComment]);
  EXPECT_EQ(0x007F00u, table[kSlotPreprocessor]);
  EXPECT_EQ(0x00FFFFu, table[kSlotString]);
  EXPECT_EQ(0x00007Fu, table[kSlotType]);
  EXPECT_EQ(0x7F0000u, table[kSlotKeyword]);
  EXPECT_EQ(0x805000u, table[kSlotPrivate]);
}

TEST(ColourTableTest, ValuesFromTheEditorSection) {
  testsupport::TempFolder folder;
  const std::string ini = folder.File("p.ovs");
  ASSERT_TRUE(settings::WriteString(ini, "Editor", "ColorComment", "#ff8000"));
  ASSERT_TRUE(settings::WriteString(ini, "Editor", "ColorPrivate", "ff8000"));
  const ColourTable table = ReadColourTable(ini);
  EXPECT_EQ(0x0080FFu, table[kSlotComment]);
  EXPECT_EQ(0u, table[kSlotPrivate]);  // no "#": black
  EXPECT_EQ(0xBFBFBFu, table[kSlotBackground]);
}

TEST(ColourTableTest, KeysBySlot) {
  EXPECT_STREQ("ColorBack", ColourKey(kSlotBackground));
  EXPECT_STREQ("ColorPP", ColourKey(kSlotPreprocessor));
  EXPECT_STREQ("ColorPrivate", ColourKey(kSlotPrivate));
  EXPECT_STREQ("", ColourKey(9));
  EXPECT_STREQ("", ColourKey(-1));
}

}  // namespace
}  // namespace editor
