// The coloured runs of a row: words, comments, strings, preprocessor runs and their x positions.
#include "editor/rowcolour.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/exact_text.h"

namespace editor {
namespace {

using testsupport::ExactText;

// Distinct colours per slot, so a row's colours can be spelled as one letter per byte.
ColourTable TestColours() { return {0xB0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80}; }

char LetterOf(Colour colour) {
  switch (colour) {
    case 0x30: return 'c';  // comment
    case 0x40: return 'p';  // preprocessor
    case 0x50: return 's';  // string or character
    case 0x60: return 't';  // type word
    case 0x70: return 'k';  // statement word
    case 0x80: return 'u';  // user word
    default: return '?';
  }
}

class RowColourTest : public ::testing::Test {
 protected:
  // Colours a row held in a block of its exact size and spells its colours, "." for plain bytes.
  std::string Spell(const std::string& row, LexState start = LexState::kPlain, const std::string& keywords = "") {
    const ExactText text(row);
    last_ = ColourRow(text.data(), text.size(), start, 40, TestColours(), BuildWordTable(TestColours(), keywords),
                      measure_);
    std::string spelled(static_cast<std::size_t>(last_.rowLength), '.');
    int previousEnd = 0;
    for (const ColourRun& run : last_.runs) {
      EXPECT_GE(run.start, previousEnd) << "runs are ordered and never overlap";
      EXPECT_GE(run.length, 1);
      previousEnd = run.start + run.length;
      EXPECT_LE(previousEnd, last_.rowLength);
      for (int i = 0; i < run.length; ++i) spelled[run.start + i] = LetterOf(run.colour);
    }
    return spelled;
  }

  // Ten pixels per byte.
  TextWidthFn measure_ = [](const char*, int length) { return 10 * length; };
  RowColours last_;
};

TEST_F(RowColourTest, TypeAndStatementWords) {
  EXPECT_EQ("ttt...", Spell("int x;"));
  EXPECT_EQ("kk..kkkkk..tttt", Spell("if (while) long"));
  EXPECT_EQ("kkkkkkk", Spell("else if"));
  // Digits are no word characters for colouring: int2 colours its int.
  EXPECT_EQ("ttt.", Spell("int2"));
  EXPECT_EQ("....", Spell("_int"));
  EXPECT_EQ(".....", Spell("print"));
  EXPECT_EQ("...", Spell("Int"));
}

// Mend: an occurrence that is not a whole word no longer ends the search for that word on the row.
TEST_F(RowColourTest, WordSearchGoesOnPastAPartOfALongerWord) {
  EXPECT_EQ("...........ttt...", Spell("uint8_t a; int b;"));
  EXPECT_EQ("......ttt", Spell("print int"));
  EXPECT_EQ("kkk......kkk", Spell("for fork for"));
}

TEST_F(RowColourTest, UserWordsAreColouredAndShowOverEarlierEntries) {
  EXPECT_EQ("uuuu.uuuu.", Spell("BOOL HWND;", LexState::kPlain, "BOOL,HWND"));
  EXPECT_EQ("uuu..", Spell("int x", LexState::kPlain, "int"));
  EXPECT_EQ("uuuuuuuu.", Spell("my words.", LexState::kPlain, "my words"));
}

TEST_F(RowColourTest, CommentsStringsAndPreprocessorShowOverWords) {
  EXPECT_EQ("ttt...ccccccccccc", Spell("int x /* int y */"));
  EXPECT_EQ("...ccccccccc", Spell("x; // return"));
  EXPECT_EQ("....sssssss.", Spell("s = \"a int\";"));
  EXPECT_EQ("....sss.", Spell("c = 'x';"));
  EXPECT_EQ("pppppppppppppccccccc", Spell("#include x.h // note"));
  EXPECT_EQ("pppppppppcccccccpp", Spell("#define X/* c */ 1"));
}

TEST_F(RowColourTest, CommentOpenerAndCloserShareAnAsterisk) {
  EXPECT_EQ("ccc.", Spell("/*/x"));
  EXPECT_EQ("cccccccccccccc", Spell("/* a *//* b */"));
  EXPECT_EQ(LexState::kPlain, last_.next);
  EXPECT_EQ("ccccccc...", Spell("/* a */ /b"));
}

TEST_F(RowColourTest, StringsAndTheirBackslashes) {
  // A backslash before a quote keeps the string open; two backslashes before it close it.
  EXPECT_EQ("ssssssss", Spell("\"a\\\" int"));
  EXPECT_EQ(LexState::kPlain, last_.next);
  EXPECT_EQ("sssss.ttt", Spell("\"a\\\\\" int"));
  // A string ending its row with a backslash goes on; without one the next row starts plain.
  EXPECT_EQ("....ssss", Spell("s = \"ab\\"));
  EXPECT_EQ(LexState::kString, last_.next);
  EXPECT_EQ("....sss", Spell("s = \"ab"));
  EXPECT_EQ(LexState::kPlain, last_.next);
  // Character literals ignore backslashes.
  EXPECT_EQ("sss.sss", Spell("'\\' '\"'"));
}

TEST_F(RowColourTest, RowsContinuingAConstructStartAtTheirFirstByte) {
  EXPECT_EQ("cccccc..", Spell("end */ x", LexState::kBlockComment));
  EXPECT_EQ("sss.ttt", Spell("ab' int", LexState::kCharacter));
}

TEST_F(RowColourTest, StatesCarriedToTheNextRow) {
  Spell("all comment", LexState::kBlockComment);
  EXPECT_EQ(LexState::kBlockComment, last_.next);
  EXPECT_EQ("cccc...ttt", Spell("a */ b int", LexState::kBlockComment));
  Spell("#define X \\");
  EXPECT_EQ(LexState::kPreprocessor, last_.next);
  Spell("#define X");
  EXPECT_EQ(LexState::kPlain, last_.next);
  Spell("x = 'a");
  EXPECT_EQ(LexState::kPlain, last_.next);
  Spell("// note \\");
  EXPECT_EQ(LexState::kPlain, last_.next);
  EXPECT_EQ("", Spell("", LexState::kBlockComment));
  EXPECT_EQ(LexState::kBlockComment, last_.next);
  Spell("", LexState::kString);
  EXPECT_EQ(LexState::kPlain, last_.next);
}

// Mend: a block comment opened in a preprocessor line colours the following rows as comment.
TEST_F(RowColourTest, CommentOpenedInPreprocessorLineGoesOn) {
  EXPECT_EQ("ppppppppppppccccccccccc", Spell("#define X 1 /* note ..."));
  EXPECT_EQ(LexState::kBlockComment, last_.next);
  EXPECT_EQ("cccccc", Spell("int y;", LexState::kBlockComment));
  EXPECT_EQ("cccccc.ttt...", Spell("end */ int z;", LexState::kBlockComment));
}

TEST_F(RowColourTest, ContinuedPreprocessorAndStringRows) {
  EXPECT_EQ("pppp", Spell("  1 ", LexState::kPreprocessor));
  EXPECT_EQ("pppcccc", Spell(" 1 // x", LexState::kPreprocessor));
  // A string continued from the row above closes at a quote on the row's first byte.
  EXPECT_EQ("s.ttt", Spell("\" int", LexState::kString));
  EXPECT_EQ("sss.ttt", Spell("ab\" int", LexState::kString));
}

TEST_F(RowColourTest, UnknownStartStatesArePlain) {
  const ExactText text("int");
  const RowColours row = ColourRow(text.data(), text.size(), ToLexState(0), 40, TestColours(),
                                   BuildWordTable(TestColours(), ""), measure_);
  ASSERT_EQ(1u, row.runs.size());
  EXPECT_EQ(0x60u, row.runs[0].colour);
}

TEST_F(RowColourTest, RunPositionsFollowTabStops) {
  Spell("\tint");
  ASSERT_EQ(1u, last_.runs.size());
  EXPECT_EQ(40, last_.runs[0].x);
  Spell("abc\tx /* c */");
  ASSERT_EQ(1u, last_.runs.size());
  EXPECT_EQ(6, last_.runs[0].start);
  EXPECT_EQ(60, last_.runs[0].x);  // stop at 40, then "x " is 20 pixels
  Spell("abcd\tint");             // 40 pixels of text reach the stop: the tab goes on to the next one
  EXPECT_EQ(80, last_.runs[0].x);
  Spell("int \t\tint");
  ASSERT_EQ(2u, last_.runs.size());
  EXPECT_EQ(0, last_.runs[0].x);
  EXPECT_EQ(120, last_.runs[1].x);
}

TEST_F(RowColourTest, TabWidthBelowOneUsesEightBlanks) {
  const ExactText text("\tint");
  const RowColours row = ColourRow(text.data(), text.size(), LexState::kPlain, 0, TestColours(),
                                   BuildWordTable(TestColours(), ""), measure_);
  ASSERT_EQ(1u, row.runs.size());
  EXPECT_EQ(80, row.runs[0].x);
}

TEST_F(RowColourTest, AdjacentRunsOfOneColourAreJoined) {
  Spell("/* a */// b");
  ASSERT_EQ(1u, last_.runs.size());
  EXPECT_EQ(11, last_.runs[0].length);
  Spell("int long");
  EXPECT_EQ(2u, last_.runs.size());
}

TEST_F(RowColourTest, RowEndsAtItsFirstLineEndOrNul) {
  EXPECT_EQ("ttt", Spell("int\r\nint"));
  EXPECT_EQ(3, last_.rowLength);
  EXPECT_EQ("ttt", Spell("int\nlong"));
  EXPECT_EQ("ttt", Spell(std::string("int\0long", 8)));
  // The backslash that continues a string is the one before the CR of CR LF.
  Spell("\"ab\\\r\n");
  EXPECT_EQ(LexState::kString, last_.next);
}

// Keywords and constructs at the very end of the row sit in blocks of exact size: nothing past the
// row is read when the word's boundary or a two-byte opener is looked for.
TEST_F(RowColourTest, ConstructsAtTheVeryEnd) {
  EXPECT_EQ("..kkkkkk", Spell("x return"));
  EXPECT_EQ("..uuuu", Spell("x BOOL", LexState::kPlain, "BOOL"));
  EXPECT_EQ("..", Spell("x/"));
  EXPECT_EQ("..p", Spell("x #"));
  EXPECT_EQ("..s", Spell("x \""));
  EXPECT_EQ("..s", Spell("x '"));
  EXPECT_EQ("ccc", Spell("x *", LexState::kBlockComment));
  EXPECT_EQ("tttt", Spell("long"));
}

TEST_F(RowColourTest, NullOrEmptyRowsGiveNoRuns) {
  const RowColours none = ColourRow(nullptr, 10, LexState::kBlockComment, 40, TestColours(),
                                    BuildWordTable(TestColours(), ""), measure_);
  EXPECT_TRUE(none.runs.empty());
  EXPECT_EQ(LexState::kBlockComment, none.next);
  const RowColours noMeasure = ColourRow("\tint", 4, LexState::kPlain, 40, TestColours(),
                                         BuildWordTable(TestColours(), ""), TextWidthFn());
  ASSERT_EQ(1u, noMeasure.runs.size());
  EXPECT_EQ(40, noMeasure.runs[0].x);
}

TEST_F(RowColourTest, MillionCharacterRow) {
  std::string row;
  while (row.size() < 1000000) row += "int a = \"s\\\"t\"; /* c */ x = 'q'; uint8_t b;\t";
  const ExactText text(row);
  const RowColours colours = ColourRow(text.data(), text.size(), LexState::kPlain, 40, TestColours(),
                                       BuildWordTable(TestColours(), "uint8_t"), measure_);
  EXPECT_EQ(text.size(), colours.rowLength);
  EXPECT_GT(colours.runs.size(), 100000u);
  EXPECT_EQ(LexState::kPlain, colours.next);
  for (std::size_t i = 1; i < colours.runs.size(); ++i) {
    ASSERT_GE(colours.runs[i].start, colours.runs[i - 1].start + colours.runs[i - 1].length);
    ASSERT_GT(colours.runs[i].x, colours.runs[i - 1].x);
  }
}

TEST_F(RowColourTest, BinaryBytes) {
  std::string row;
  for (int i = 1; i < 256; ++i) row += static_cast<char>(i);
  row += row;
  const std::string spelled = Spell(row);
  EXPECT_EQ(9, last_.rowLength);  // up to the LF (byte 10)
  EXPECT_EQ(std::string(9, '.'), spelled);
  std::string noLineEnds;
  for (int i = 128; i < 256; ++i) noLineEnds += static_cast<char>(i);
  EXPECT_EQ(std::string(128, '.'), Spell(noLineEnds + "\"" + noLineEnds).substr(0, 128));
}

}  // namespace
}  // namespace editor
