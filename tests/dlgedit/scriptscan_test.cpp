// Tests of the text scanners: quoted texts with doubled quotes and escapes, fields, numbers, lines.
#include "dlgedit/scriptscan.h"

#include <gtest/gtest.h>

#include "dlgedit/dialogunits.h"

namespace dlgedit {
namespace {

TEST(ScriptScanTest, QuotedTextsKeepDoubledQuotesAndEscapes) {
  std::string_view text = "\"Provided \"\"AS IS\"\" and \\\"so\\\" on\", 1";
  std::size_t close = ClosingQuote(text, 0);
  ASSERT_NE(close, std::string_view::npos);
  EXPECT_EQ(text.substr(close + 1), ", 1");
  // An escaped backslash does not escape the quote after it.
  EXPECT_EQ(ClosingQuote("\"C:\\\\\", x", 0), 5u);
  EXPECT_EQ(ClosingQuote("\"\"", 0), 1u);             // empty text
  EXPECT_EQ(ClosingQuote("\"\"\"\"", 0), 3u);         // one doubled quote inside
  EXPECT_EQ(ClosingQuote("\"open\r\n\"", 0), std::string_view::npos);  // a line end comes first
  EXPECT_EQ(ClosingQuote("\"open\\", 0), std::string_view::npos);
}

TEST(ScriptScanTest, FieldsSplitOutsideQuotesAndBrackets) {
  auto fields = SplitFields(" \"a, \"\"b\"\"\" , ID_X,  MAKE(1, 2) | S ,,4 ");
  ASSERT_TRUE(fields);
  ASSERT_EQ(fields->size(), 5u);
  EXPECT_EQ((*fields)[0], "\"a, \"\"b\"\"\"");
  EXPECT_EQ((*fields)[1], "ID_X");
  EXPECT_EQ((*fields)[2], "MAKE(1, 2) | S");
  EXPECT_EQ((*fields)[3], "");
  EXPECT_EQ((*fields)[4], "4");
  EXPECT_FALSE(SplitFields("\"never closed, 1, 2"));
}

TEST(ScriptScanTest, TextFieldsAreQuotedOrBare) {
  auto quoted = ParseTextField("  \"He said \"\"hi\"\"\"  ");
  ASSERT_TRUE(quoted);
  EXPECT_FALSE(quoted->bare);
  EXPECT_EQ(quoted->text, "He said \"\"hi\"\"");
  auto bare = ParseTextField("IDR_MAINFRAME");
  ASSERT_TRUE(bare);
  EXPECT_TRUE(bare->bare);
  EXPECT_EQ(bare->text, "IDR_MAINFRAME");
  EXPECT_FALSE(ParseTextField("\"text\" junk"));
  EXPECT_FALSE(ParseTextField("half\"quoted"));
}

TEST(ScriptScanTest, LeadingNumbersAndWords) {
  EXPECT_EQ(LeadingNumber("  42 + 3"), 42);
  EXPECT_EQ(LeadingNumber("-7"), -7);
  EXPECT_EQ(LeadingNumber("X_POS"), 0);
  EXPECT_EQ(LeadingNumber("99999999999999999999999"), kMaxDialogUnits);
  EXPECT_EQ(LeadingNumber("-99999999999999999999999"), -kMaxDialogUnits);
  EXPECT_TRUE(WordAt("x caption \"a\"", 2, "CAPTION"));
  EXPECT_FALSE(WordAt("DIALOGEX 1", 0, "DIALOG"));
  EXPECT_TRUE(WordAt("DIALOG", 0, "DIALOG"));
  EXPECT_FALSE(WordAt("DIA", 0, "DIALOG"));
  EXPECT_FALSE(WordAt("DIA", 9, "DIALOG"));
}

TEST(ScriptScanTest, LineEndsOfEveryKind) {
  std::string_view text = "a\r\nb\nc\rd";
  EXPECT_EQ(LineEnd(text, 0), 1u);
  EXPECT_EQ(NextLineStart(text, 1), 3u);
  EXPECT_EQ(NextLineStart(text, LineEnd(text, 3)), 5u);
  EXPECT_EQ(NextLineStart(text, LineEnd(text, 5)), 7u);
  EXPECT_EQ(LineEnd(text, 7), text.size());
  EXPECT_EQ(NextLineStart(text, text.size()), text.size());
}

}  // namespace
}  // namespace dlgedit
