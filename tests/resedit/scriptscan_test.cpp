// Tests of the character-level scanning: word ends, strings and comments, the string-table rule.
#include "resedit/scriptscan.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using resedit::IsStringTableAt;
using resedit::IsWordAt;
using resedit::SkipStringOrComment;

TEST(ScriptScanTest, AWordEndsAtBlanksLineBreaksOrTheEndOfTheText) {
  std::string_view text = "ICON ICONS ICON\tICON\rICON";
  EXPECT_TRUE(IsWordAt(text, 0, "ICON"));
  EXPECT_FALSE(IsWordAt(text, 5, "ICON"));
  EXPECT_TRUE(IsWordAt(text, 11, "ICON"));
  EXPECT_TRUE(IsWordAt(text, 16, "ICON"));
  EXPECT_TRUE(IsWordAt(text, 21, "ICON"));
  EXPECT_FALSE(IsWordAt(text, 22, "ICON"));  // would run past the end
  EXPECT_FALSE(IsWordAt(text, 999, "ICON"));
  EXPECT_FALSE(IsWordAt(text, 0, "icon"));  // case counts
}

TEST(ScriptScanTest, StringsAndCommentsAreSkippedWholeAndUnclosedOnesRunToTheEnd) {
  std::string_view text = "a \"b}\" /* c\r\nEND */ // d }\r\nx";
  EXPECT_EQ(SkipStringOrComment(text, 0), 0u);    // nothing starts at "a"
  EXPECT_EQ(SkipStringOrComment(text, 2), 6u);    // after the closing quote
  EXPECT_EQ(SkipStringOrComment(text, 7), 19u);   // after "*/"
  EXPECT_EQ(SkipStringOrComment(text, 20), 26u);  // at the CR ending the // comment
  EXPECT_EQ(SkipStringOrComment("\"open", 0), 5u);
  EXPECT_EQ(SkipStringOrComment("/* open", 0), 7u);
  EXPECT_EQ(SkipStringOrComment("// open", 0), 7u);
  EXPECT_EQ(SkipStringOrComment("/", 0), 0u);  // a lone slash is no comment
  EXPECT_EQ(SkipStringOrComment("/", 1), 1u);  // past the end: nothing
}

TEST(ScriptScanTest, AStringTableIsTheFirstWordOfItsLine) {
  std::string_view text = "STRINGTABLE\r\n  STRINGTABLE x\r\n// STRINGTABLE\r\nSTRINGTABLES\r\n\tSTRINGTABLE";
  EXPECT_TRUE(IsStringTableAt(text, 0));
  EXPECT_TRUE(IsStringTableAt(text, 15));
  EXPECT_FALSE(IsStringTableAt(text, 33));
  EXPECT_FALSE(IsStringTableAt(text, 46));
  EXPECT_TRUE(IsStringTableAt(text, 61));
}

}  // namespace
