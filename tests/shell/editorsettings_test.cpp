// Tests of the editor settings: font description, tab width, space tabs, colours and their source.
#include "shell/editorsettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings_files.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace {

using settings::CurrentEditorSettings;
using settings::EditorSettings;
using testsupport::FileBytes;
using testsupport::PutFile;

class EditorSettingsTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string ini = folder.File("Orvantel.ini");
  std::string ovs = folder.File("demo.ovs");
  std::vector<std::string> measured;
  // Ten pixels a letter, plus the font's height so the font used shows in the result.
  settings::TextWidthFunction measure = [this](const settings::FontDescription& font,
                                               const std::string& text) {
    measured.push_back(text);
    return static_cast<int>(text.size()) * 10 - font.height;
  };

  void SetUp() override { settings::ReadEditorSettings("", measure); }
};

TEST_F(EditorSettingsTest, AFileWithoutEditorKeysGivesTheTableDefaults) {
  EXPECT_EQ(settings::ReadEditorSettings(ini, measure), 0);
  const EditorSettings& s = CurrentEditorSettings();
  EXPECT_EQ(s.font.height, -13);
  EXPECT_EQ(s.font.weight, 400);
  EXPECT_FALSE(s.font.italic);
  EXPECT_EQ(s.font.face, "Courier New");
  EXPECT_TRUE(s.spaceTabs);
  EXPECT_EQ(s.tabColumns, 8);
  EXPECT_EQ(measured.back(), "QWERTZUI");
  EXPECT_EQ(s.tabPixels, 80 + 13);
  // The set's order: background, plain, selection, comment, preprocessor, string, type, keyword, private.
  const char* expected[] = {"#BFBFBF", "#000000", "#7F7FCF", "#FFFFFF", "#007F00",
                            "#FFFF00", "#7F0000", "#00007F", "#005080"};
  for (int slot = 0; slot < settings::kColourSlotCount; ++slot) {
    EXPECT_EQ(settings::FormatColour(s.colours[slot]), expected[slot]) << "slot " << slot;
  }
}

TEST_F(EditorSettingsTest, TheFileDescribesTheFontTabsAndColours) {
  PutFile(ovs,
          "[Editor]\r\nFont=Lucida Console\r\nFontSize=16\r\nFontBold=1\r\nFontItalic=1\r\nTabs=4\r\n"
          "ColorBack=#010203\r\nColorType=#0a0b0c\r\nColorKeyword=#0D0E0F\r\nColorPrivate=bad\r\n");
  EXPECT_EQ(settings::ReadEditorSettings(ovs, measure), 1);
  const EditorSettings& s = CurrentEditorSettings();
  EXPECT_EQ(s.font.face, "Lucida Console");
  EXPECT_EQ(s.font.height, -16);
  EXPECT_EQ(s.font.weight, 700);
  EXPECT_TRUE(s.font.italic);
  EXPECT_EQ(s.tabColumns, 4);
  EXPECT_EQ(measured.back(), "QWER");
  EXPECT_EQ(s.tabPixels, 40 + 16);  // measured in the new font
  EXPECT_EQ(s.colours[settings::kColourBack], settings::MakeColour(1, 2, 3));
  EXPECT_EQ(s.colours[settings::kColourType], settings::MakeColour(10, 11, 12));
  EXPECT_EQ(s.colours[settings::kColourKeyword], settings::MakeColour(13, 14, 15));
  EXPECT_EQ(s.colours[settings::kColourPrivate], 0u);
  EXPECT_EQ(s.colours[settings::kColourNormal], 0u);
}

TEST_F(EditorSettingsTest, OnlyOneMakesBoldOrItalic) {
  PutFile(ovs, "[Editor]\r\nFontBold=2\r\nFontItalic=yes\r\n");
  settings::ReadEditorSettings(ovs, measure);
  EXPECT_EQ(CurrentEditorSettings().font.weight, 400);
  EXPECT_FALSE(CurrentEditorSettings().font.italic);
}

TEST_F(EditorSettingsTest, TabWidthsAreCappedAt26AndNeverBelowOne) {
  PutFile(ovs, "[Editor]\r\nTabs=40\r\n");
  settings::ReadEditorSettings(ovs, measure);
  EXPECT_EQ(CurrentEditorSettings().tabColumns, 26);
  EXPECT_EQ(measured.back(), "QWERTZUIOPASDFGHJKLYXCVBNM");
  for (const char* tabs : {"0", "-3"}) {
    SCOPED_TRACE(tabs);
    PutFile(ovs, std::string("[Editor]\r\nTabs=") + tabs + "\r\n");
    settings::ReadEditorSettings(ovs, measure);
    EXPECT_EQ(CurrentEditorSettings().tabColumns, 1);
    EXPECT_EQ(measured.back(), "Q");
  }
  PutFile(ovs, "[Editor]\r\nTabs=3\r\n");
  settings::ReadEditorSettings(ovs, nullptr);
  EXPECT_EQ(CurrentEditorSettings().tabPixels, 3 * settings::kFallbackCharPixels);
}

TEST_F(EditorSettingsTest, SpaceTabsChangesOnlyForZeroOrOne) {
  PutFile(ovs, "[Editor]\r\nSpaceTabs=0\r\n");
  settings::ReadEditorSettings(ovs, measure);
  EXPECT_FALSE(CurrentEditorSettings().spaceTabs);
  PutFile(ovs, "[Editor]\r\nSpaceTabs=x\r\n");
  settings::ReadEditorSettings(ovs, measure);
  EXPECT_FALSE(CurrentEditorSettings().spaceTabs);
  PutFile(ovs, "[Editor]\r\nSpaceTabs=1yes\r\n");
  settings::ReadEditorSettings(ovs, measure);
  EXPECT_TRUE(CurrentEditorSettings().spaceTabs);
  PutFile(ovs, "[Editor]\r\nSpaceTabs=0\r\n");
  settings::ReadEditorSettings(ovs, measure);
  settings::ReadEditorSettings(folder.File("none.ovs"), measure);  // missing: the default "1"
  EXPECT_TRUE(CurrentEditorSettings().spaceTabs);
}

TEST_F(EditorSettingsTest, ALongFaceNameIsCutToWhatAFontRequestHolds) {
  PutFile(ovs, "[Editor]\r\nFont=" + std::string(70, 'F') + "\r\n");
  EXPECT_EQ(settings::ReadEditorSettings(ovs, measure), 1);
  EXPECT_EQ(CurrentEditorSettings().font.face, std::string(settings::kFaceCapacity - 1, 'F'));
}

TEST_F(EditorSettingsTest, AProjectWithoutAFontKeyUsesTheGlobalEditorSettings) {
  PutFile(ini, "[Editor]\r\nFont=Global Mono\r\nTabs=40\r\n");
  PutFile(ovs, "[Editor]\r\nTabs=2\r\nColorBack=#FFFFFF\r\n");
  EXPECT_EQ(settings::ReadProjectEditorSettings(ovs, ini, measure), 0);
  EXPECT_EQ(CurrentEditorSettings().font.face, "Global Mono");
  EXPECT_EQ(CurrentEditorSettings().tabColumns, 26);
  EXPECT_EQ(CurrentEditorSettings().colours[settings::kColourBack], settings::ParseColour("#BFBFBF"));
  PutFile(ovs, "[Editor]\r\nFont=\r\nTabs=2\r\n");  // an empty Font counts as none
  EXPECT_EQ(settings::ReadProjectEditorSettings(ovs, ini, measure), 0);
  EXPECT_EQ(CurrentEditorSettings().font.face, "Global Mono");
  PutFile(ovs, "[editor]\r\nfont=Project Mono\r\nTabs=2\r\n");
  EXPECT_EQ(settings::ReadProjectEditorSettings(ovs, ini, measure), 1);
  EXPECT_EQ(CurrentEditorSettings().font.face, "Project Mono");
  EXPECT_EQ(CurrentEditorSettings().tabColumns, 2);
  EXPECT_EQ(settings::ReadProjectEditorSettings("", ini, measure), 0);  // no project open
  EXPECT_EQ(CurrentEditorSettings().font.face, "Global Mono");
}

TEST_F(EditorSettingsTest, WrittenSettingsReadBackAndSpaceTabsIsNotWritten) {
  EditorSettings values;
  values.font.face = "Consolas";
  values.font.height = -15;
  values.font.weight = 700;
  values.tabColumns = 3;
  for (int slot = 0; slot < settings::kColourSlotCount; ++slot) {
    values.colours[slot] = settings::MakeColour(slot, slot * 2, slot * 3);
  }
  ASSERT_TRUE(settings::WriteEditorSettings(ovs, values));
  EXPECT_EQ(settings::ReadText(ovs, "Editor", "SpaceTabs", "<none>", 4), "<no");
  EXPECT_EQ(settings::ReadEditorSettings(ovs, measure), 1);
  const EditorSettings& s = CurrentEditorSettings();
  EXPECT_EQ(s.font.face, "Consolas");
  EXPECT_EQ(s.font.height, -15);
  EXPECT_EQ(s.font.weight, 700);
  EXPECT_FALSE(s.font.italic);
  EXPECT_EQ(s.tabColumns, 3);
  EXPECT_EQ(s.colours, values.colours);
  platform::FailWritesAfter(0);
  EXPECT_FALSE(settings::WriteEditorSettings(ovs, values));
}

}  // namespace
