// Tests of the whole-text steps: line-end and brace conversion, cut, insert, append.
#include "resedit/scripttext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "script_lines.h"

namespace {

using reseditTest::Lines;

std::string Braced(std::string text) {
  resedit::ConvertBraces(text);
  return text;
}

TEST(ScriptTextTest, LoneLineFeedsBecomeCrLfAndOtherLineEndsStay) {
  std::string text = "\nA MENU\nBEGIN\r\nEND\rX\n";
  ASSERT_TRUE(resedit::ConvertLineEnds(text));
  EXPECT_EQ(text, "\r\nA MENU\r\nBEGIN\r\nEND\rX\r\n");
  std::string unchanged = "a\r\nb\r\n";
  ASSERT_TRUE(resedit::ConvertLineEnds(unchanged));
  EXPECT_EQ(unchanged, "a\r\nb\r\n");
}

TEST(ScriptTextTest, BlockWordsBecomeBracesOfTheSameLength) {
  std::string script = Lines({"IDR_M MENU", "BEGIN", "\tPOPUP \"File\"\tBEGIN MENUITEM \"Exit\", 1 END", "END"});
  std::string converted = Braced(script);
  EXPECT_EQ(converted, Lines({"IDR_M MENU", "{    ", "\tPOPUP \"File\"\t{     MENUITEM \"Exit\", 1 }  ", "}  "}));
  EXPECT_EQ(converted.size(), script.size());
}

TEST(ScriptTextTest, WordsThatOnlyLookLikeBlockWordsStay) {
  EXPECT_EQ(Braced("A \"BEGIN END\" B\r\n"), "A \"BEGIN END\" B\r\n");  // inside a string
  EXPECT_EQ(Braced(" BEGINNING ENDS XEND -END\r\n"), " BEGINNING ENDS XEND -END\r\n");
  EXPECT_EQ(Braced(" begin end\r\n"), " begin end\r\n");  // keywords match with case
}

TEST(ScriptTextTest, TheTextsStartAndEndCountAsWordBoundaries) { EXPECT_EQ(Braced("BEGIN\r\nEND"), "{    \r\n}  "); }

// A BEGIN or END inside a comment used to become a brace and cut the block around it short.
TEST(ScriptTextTest, BlockWordsInsideCommentsStay) {
  std::string script = Lines({"X RCDATA", "BEGIN", " /* start of MEDIATYPE END */ 1,", " // END of data", " 2", "END"});
  EXPECT_EQ(Braced(script),
            Lines({"X RCDATA", "{    ", " /* start of MEDIATYPE END */ 1,", " // END of data", " 2", "}  "}));
  // A slash pair inside a string starts no comment.
  EXPECT_EQ(Braced("\"http://x\" END\r\n"), "\"http://x\" }  \r\n");
  // An unclosed block comment runs to the end of the text.
  EXPECT_EQ(Braced("/* BEGIN\r\nEND\r\n"), "/* BEGIN\r\nEND\r\n");
}

TEST(ScriptTextTest, CutAndInsertRefuseRangesOutsideTheText) {
  std::string text = "abcdef";
  EXPECT_FALSE(resedit::CutText(text, 4, 3));
  EXPECT_FALSE(resedit::CutText(text, 7, 0));
  EXPECT_FALSE(resedit::InsertText(text, 7, "x"));
  EXPECT_EQ(text, "abcdef");
  EXPECT_TRUE(resedit::CutText(text, 1, 2));
  EXPECT_TRUE(resedit::InsertText(text, 3, "XY"));
  EXPECT_TRUE(resedit::InsertText(text, 5, "!"));
  EXPECT_TRUE(resedit::AppendText(text, "?"));
  EXPECT_EQ(text, "adeXY!f?");
}

TEST(ScriptTextTest, AppendOnNewLineStartsTheNewTextOnALineOfItsOwn) {
  std::string text = "}  ";
  ASSERT_TRUE(resedit::AppendOnNewLine(text, "A ICON \"a.ico\""));
  EXPECT_EQ(text, "}  \r\nA ICON \"a.ico\"");
  std::string ended = "}\r\n";
  ASSERT_TRUE(resedit::AppendOnNewLine(ended, "B"));
  EXPECT_EQ(ended, "}\r\nB");
  std::string empty;
  ASSERT_TRUE(resedit::AppendOnNewLine(empty, "C"));
  EXPECT_EQ(empty, "C");
}

// Random texts of block words, quotes, comment marks and line ends: the conversions keep their
// promises whatever the input.
TEST(ScriptTextTest, ConversionsHoldOnRandomTexts) {
  static const char* const kPieces[] = {"BEGIN", "END", " ",  "\t", "\r", "\n", "\r\n", "\"",
                                        "/*",    "*/",  "//", "/",  "*",  "x",  "{",    "}"};
  std::mt19937 random(6);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    std::uint32_t count = random() % 40;
    for (std::uint32_t i = 0; i < count; ++i) {
      std::uint32_t pick = random() % 18;
      if (pick == 17) {
        text.push_back(static_cast<char>(random() & 0xFF));
      } else if (pick == 16) {
        text.push_back('\0');
      } else {
        text.append(kPieces[pick]);
      }
    }
    SCOPED_TRACE(text);
    std::string braced = text;
    resedit::ConvertBraces(braced);
    ASSERT_EQ(braced.size(), text.size());
    std::string lines = text;
    ASSERT_TRUE(resedit::ConvertLineEnds(lines));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == '\n') {
        ASSERT_TRUE(i > 0 && lines[i - 1] == '\r');
      }
    }
  }
}

}  // namespace
