// Tests of the listing of a script and of unique names for new resources.
#include "resedit/scriptlist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resedit/scripttext.h"
#include "script_lines.h"

namespace {

using reseditTest::Lines;
using List = std::vector<std::string>;

List Listed(std::string text) {
  resedit::PrepareScriptText(text);
  return resedit::ListResources(text);
}

TEST(ScriptListTest, EveryTypeListsInListingOrderUnderItsHeading) {
  List expected = {"VERSIONINFO",
                   "VERSIONINFO:1",
                   "DIALOG",
                   "DIALOG:IDD_ABOUT",
                   "DIALOGEX",
                   "DIALOGEX:IDD_OPTIONS",
                   "DLGINIT",
                   "DLGINIT:IDD_OPTIONS",
                   "ACCELERATORS",
                   "ACCELERATORS:IDR_KEYS",
                   "MENU",
                   "MENU:IDR_MAIN",
                   "MENUEX",
                   "MENUEX:IDR_MAINEX",
                   "STRINGTABLE",
                   "STRINGTABLE:   1",
                   "STRINGTABLE:   2",
                   "MESSAGETABLE",
                   "MESSAGETABLE:1",
                   "BITMAP",
                   "BITMAP:IDB_LOGO",
                   "ICON",
                   "ICON:IDI_APP",
                   "CURSOR",
                   "CURSOR:IDC_HAND",
                   "RCDATA",
                   "RCDATA:IDR_DATA"};
  EXPECT_EQ(Listed(reseditTest::EveryTypeScript()), expected);
}

TEST(ScriptListTest, ResourcesOfOneTypeFollowTheScriptAndKeywordsInsideLinesAreNotResources) {
  std::string script =
      Lines({"B ICON \"b.ico\"", "IDD_X DIALOG 0, 0, 10, 10", "BEGIN", " ICON B, -1, 1, 1, 0, 0",
             " LTEXT \"an ICON here\", -1, 1, 1, 9, 9", "END", "  C ICON \"indented.ico\"", "A ICON \"a.ico\""});
  EXPECT_EQ(Listed(script), (List{"DIALOG", "DIALOG:IDD_X", "ICON", "ICON:B", "ICON:A"}));
}

// A resource on the script's first line used to be missed: a line break had to precede its name.
TEST(ScriptListTest, AResourceOnTheFirstLineIsListed) {
  EXPECT_EQ(Listed("IDR_ONLY MENU\r\nBEGIN\r\n MENUITEM \"A\", 1\r\nEND\r\n"), (List{"MENU", "MENU:IDR_ONLY"}));
  EXPECT_EQ(Listed("STRINGTABLE\r\nBEGIN\r\n 1, \"a\"\r\nEND\r\n"), (List{"STRINGTABLE", "STRINGTABLE:   1"}));
}

// DIALOGEX and MENUEX used not to be listed at all.
TEST(ScriptListTest, ExtendedDialogsAndMenusHaveTheirOwnHeadings) {
  std::string script = Lines({"M2 MENUEX", "BEGIN", "END", "D2 DIALOGEX 0,0,1,1", "BEGIN", "END", "M1 MENU", "BEGIN",
                              "END", "D1 DIALOG 0,0,1,1", "BEGIN", "END"});
  EXPECT_EQ(Listed(script),
            (List{"DIALOG", "DIALOG:D1", "DIALOGEX", "DIALOGEX:D2", "MENU", "MENU:M1", "MENUEX", "MENUEX:M2"}));
}

// Checked-out scripts often have LF line ends; opening converts them, and the listing itself also
// takes an LF as a line break.
TEST(ScriptListTest, LineFeedOnlyScriptsListWhole) {
  List fromCrLf = Listed(reseditTest::EveryTypeScript());
  EXPECT_EQ(Listed(reseditTest::EveryTypeScript("\n")), fromCrLf);
  EXPECT_EQ(resedit::ListResources(reseditTest::EveryTypeScript("\n")), fromCrLf);
}

TEST(ScriptListTest, StringTablesAreNumberedWhereTheyStartALine) {
  std::string script = Lines({"// the STRINGTABLE below", "STRINGTABLE", "{", "}", "  STRINGTABLE", "{", "}",
                              "X STRINGTABLE", "STRINGTABLEX", "\tSTRINGTABLE PRELOAD", "{", "}"});
  EXPECT_EQ(Listed(script), (List{"STRINGTABLE", "STRINGTABLE:   1", "STRINGTABLE:   2", "STRINGTABLE:   3"}));
  EXPECT_EQ(resedit::StringTableEntry(12345), "STRINGTABLE:12345");
}

TEST(ScriptListTest, EmptyAndResourceFreeTextsListNothing) {
  EXPECT_TRUE(resedit::ListResources("").empty());
  EXPECT_TRUE(resedit::ListResources(" ICON").empty());
  EXPECT_TRUE(resedit::ListResources("ICON X\r\n#define IDI_ICON 1\r\n").empty());
}

TEST(ScriptListTest, EntriesSplitAtTheirFirstColon) {
  std::string type, name;
  ASSERT_TRUE(resedit::SplitEntry("ICON:APP:1", type, name));
  EXPECT_EQ(type, "ICON");
  EXPECT_EQ(name, "APP:1");
  EXPECT_FALSE(resedit::SplitEntry("ICON", type, name));
}

TEST(ScriptListTest, UniqueNamesReplaceBlanksAndDotsAndCountUp) {
  List list = {"ICON", "ICON:my_icon"};
  EXPECT_EQ(resedit::UniqueName({}, "ICON", "my icon.x"), "my_icon_x");
  EXPECT_EQ(resedit::UniqueName(list, "ICON", "my icon"), "my_icon_01");
  EXPECT_EQ(resedit::UniqueName(list, "BITMAP", "my icon"), "my_icon");  // another type's names are free
  list.push_back("ICON:MY_ICON_01");                                     // letters compare without case
  EXPECT_EQ(resedit::UniqueName(list, "ICON", "my icon"), "my_icon_02");
  // A name that begins another entry's name counts as taken.
  EXPECT_EQ(resedit::UniqueName({"MENU:MenuBar"}, "MENU", "Menu"), "Menu_01");
}

TEST(ScriptListTest, UniqueNamesGoPastNinetyNine) {
  List list = {"ICON:a"};
  for (int n = 1; n <= 120; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "ICON:a_%02d", n);
    list.push_back(name);
  }
  EXPECT_EQ(resedit::UniqueName(list, "ICON", "a"), "a_121");
}

}  // namespace
