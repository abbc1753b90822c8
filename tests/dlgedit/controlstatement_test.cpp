// Tests of single control statements: the CONTROL form, the shorthand keywords and what cannot be read.
#include "dlgedit/controlstatement.h"

#include <gtest/gtest.h>

namespace dlgedit {
namespace {

TEST(ControlStatementTest, ControlFormTakesEveryField) {
  auto c = ParseControlStatement(
      "CONTROL \"&Name:\", IDC_NAME, \"Static\", SS_LEFT | WS_GROUP, 7, 9, 40, 8");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->text, "&Name:");
  EXPECT_FALSE(c->bareText);
  EXPECT_EQ(c->id, "IDC_NAME");
  EXPECT_EQ(c->className, "Static");
  EXPECT_EQ(c->style, "SS_LEFT | WS_GROUP");
  EXPECT_EQ(c->units, (std::array<int, 4>{7, 9, 40, 8}));
  EXPECT_EQ(c->extendedStyle, "");
}

// An unquoted class used to lose the whole control.
TEST(ControlStatementTest, BareClassIsTheClass) {
  auto c = ParseControlStatement("CONTROL \"x\", 130, BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 5, 40, 14");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->className, "BUTTON");
  EXPECT_EQ(c->style, "BS_DEFPUSHBUTTON | WS_TABSTOP");
  EXPECT_EQ(c->units, (std::array<int, 4>{5, 5, 40, 14}));
}

TEST(ControlStatementTest, ShorthandGetsClassAndDefaultStyleWithExtraStyleJoined) {
  auto c = ParseControlStatement("defpushbutton \"OK\", IDOK, 10, 20, 50, 14, WS_GROUP");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->className, "BUTTON");
  EXPECT_EQ(c->style, "WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | WS_GROUP");
  auto edit = ParseControlStatement("EDITTEXT IDC_EDIT, 1, 2, 3, 4");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->text, "");
  EXPECT_EQ(edit->id, "IDC_EDIT");
  EXPECT_EQ(edit->className, "EDIT");
  EXPECT_EQ(edit->style, "WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_LEFT");
}

TEST(ControlStatementTest, EveryKeywordAndItsClass) {
  struct Row {
    const char* statement;
    const char* className;
    const char* styleTail;
  };
  const Row rows[] = {
      {"LTEXT \"a\", 1, 1, 1, 1, 1", "STATIC", "SS_LEFT"},
      {"CTEXT \"a\", 1, 1, 1, 1, 1", "STATIC", "SS_CENTER"},
      {"RTEXT \"a\", 1, 1, 1, 1, 1", "STATIC", "SS_RIGHT"},
      {"ICON \"a\", 1, 1, 1, 1, 1", "STATIC", "SS_ICON"},
      {"PUSHBUTTON \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_PUSHBUTTON"},
      {"CHECKBOX \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_CHECKBOX"},
      {"RADIOBUTTON \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_RADIOBUTTON"},
      {"AUTOCHECKBOX \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_AUTOCHECKBOX"},
      {"AUTOCHECBOX \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_AUTOCHECKBOX"},  // first 8 letters
      {"AUTORADIOBUTTON \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_AUTORADIOBUTTON"},
      {"AutoRadioBu \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_AUTORADIOBUTTON"},  // first 11 letters
      {"LISTBOX 1, 1, 1, 1, 1", "LISTBOX", "LBS_NOTIFY"},
      {"COMBOBOX 1, 1, 1, 1, 1", "COMBOBOX", "CBS_SIMPLE"},
      {"GROUPBOX \"a\", 1, 1, 1, 1, 1", "BUTTON", "BS_GROUPBOX"},
      {"SCROLLBAR 1, 1, 1, 1, 1", "SCROLLBAR", "SBS_HORZ"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.statement);
    auto c = ParseControlStatement(row.statement);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->className, row.className);
    std::string tail = row.styleTail;
    ASSERT_GE(c->style.size(), tail.size());
    EXPECT_EQ(c->style.substr(c->style.size() - tail.size()), tail);
  }
}

TEST(ControlStatementTest, ExtendedStyleAfterTheStyleStaysOutOfTheStyle) {
  auto c = ParseControlStatement("LTEXT \"a\", -1, 1, 2, 3, 4, SS_NOPREFIX, WS_EX_STATICEDGE");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->style, "WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX");
  EXPECT_EQ(c->extendedStyle, "WS_EX_STATICEDGE");
  auto control = ParseControlStatement("CONTROL \"\", 5, \"msctls_progress32\", 0, 1, 2, 3, 4, WS_EX_CLIENTEDGE");
  ASSERT_TRUE(control);
  EXPECT_EQ(control->extendedStyle, "WS_EX_CLIENTEDGE");
}

TEST(ControlStatementTest, BareTextsAndIconWithoutSize) {
  auto icon = ParseControlStatement("ICON 32515, -1, 10, 10, 20, 20");
  ASSERT_TRUE(icon);
  EXPECT_TRUE(icon->bareText);
  EXPECT_EQ(icon->text, "32515");
  auto named = ParseControlStatement("ICON IDR_MAINFRAME, IDC_STATIC, 11, 17");
  ASSERT_TRUE(named);
  EXPECT_EQ(named->text, "IDR_MAINFRAME");
  EXPECT_EQ(named->numberText, (std::array<std::string, 4>{"11", "17", "0", "0"}));
}

TEST(ControlStatementTest, NumbersKeepTheirTextAndReadTheirLeadingValue) {
  auto c = ParseControlStatement("LTEXT \"a\", 1, 10 + 2, X_POS, 0x20, -3");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->numberText, (std::array<std::string, 4>{"10 + 2", "X_POS", "0x20", "-3"}));
  EXPECT_EQ(c->units, (std::array<int, 4>{10, 0, 0, -3}));
}

TEST(ControlStatementTest, StatementsThatCannotBeRead) {
  const char* const bad[] = {
      "AUTO3STATE \"a\", 1, 1, 1, 1, 1",                   // a keyword this reader does not know
      "FOO \"a\", 1, 1, 1, 1, 1",
      "LTEXT \"a\", 1, 1, 1, 1",                           // a number missing
      "LTEXT \"a\", 1, 1, 1, 1, 1, S, X, more",            // too many fields
      "LTEXT \"a\" 1, 1, 1, 1, 1, 1",                      // junk after the quoted text
      "LTEXT \"a, 1, 1, 1, 1, 1",                          // open quote
      "LTEXT \"a\", 1, , 1, 1, 1",                         // empty number
      "CONTROL \"a\", 1, , S, 1, 1, 1, 1",                 // empty class
      "CONTROL \"a\", 1, \"C\", , 1, 1, 1, 1",             // empty style
      "LTEXT \"a\", , 1, 1, 1, 1",                         // empty ID
      "CONTROL \"a\", 1, \"C\", S, 1, 1, 1",               // a number missing
      "CONTROL \"a\", 1, \"C\", \"S\", 1, 1, 1, 1",        // quote in the style
      "ICON 1, 2, 3, 4, 5",                                // width without height
      "",
      ", 1, 2",
  };
  for (const char* statement : bad) {
    SCOPED_TRACE(statement);
    EXPECT_FALSE(ParseControlStatement(statement));
  }
}

TEST(ControlStatementTest, KeywordsThatStartAStatement) {
  EXPECT_TRUE(ControlKeywordAt("  CONTROL \"a\"", 2));
  EXPECT_TRUE(ControlKeywordAt("ltext", 0));
  EXPECT_TRUE(ControlKeywordAt("AUTO3STATE", 0));
  EXPECT_FALSE(ControlKeywordAt("CONTROL_STYLE | WS_TABSTOP", 0));  // a continued style, not CONTROL
  EXPECT_FALSE(ControlKeywordAt("WS_TABSTOP, 1, 2", 0));
  EXPECT_FALSE(ControlKeywordAt("ICONIC", 0));
  EXPECT_FALSE(ControlKeywordAt("abc", 10));
}

}  // namespace
}  // namespace dlgedit
