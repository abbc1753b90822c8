// The state at the start of a line, and its agreement with what painting the rows carries.
#include "editor/rowstate.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editor/colourtable.h"
#include "editor/rowcolour.h"
#include "editor/wordtable.h"
#include "editor/exact_text.h"

namespace editor {
namespace {

using testsupport::ExactText;

// The state painting carries into each line when the rows are painted from the first one on, as
// the control paints them top to bottom.
std::vector<LexState> PaintedLineStates(const ExactText& text) {
  const ColourTable colours = InitialColourTable();
  const WordTable words = BuildWordTable(colours, "");
  auto measure = [](const char*, int length) { return length * 7; };
  std::vector<LexState> states;
  LexState state = LexState::kPlain;
  int lineStart = 0;
  for (;;) {
    states.push_back(state);
    const RowColours row = ColourRow(text.data() + lineStart, text.size() - lineStart, state, 28, colours, words,
                                     measure);
    const int next = NextLineStart(text.data(), text.size(), lineStart + row.rowLength);
    if (next < 0) break;
    state = row.next;
    lineStart = next;
  }
  return states;
}

std::vector<int> LineStarts(const std::string& text) {
  std::vector<int> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') starts.push_back(static_cast<int>(i + 1));
  }
  return starts;
}

// Every way of finding a line's state gives the same answer, at every line.
void ExpectAllAgree(const std::string& source) {
  const ExactText text(source);
  const std::vector<LexState> painted = PaintedLineStates(text);
  const std::vector<LexState> scanned = ScanLineStates(text.data(), text.size());
  const std::vector<int> starts = LineStarts(source);
  ASSERT_EQ(painted.size(), starts.size());
  ASSERT_EQ(scanned.size(), starts.size());
  for (std::size_t line = 0; line < starts.size(); ++line) {
    SCOPED_TRACE("line " + std::to_string(line));
    EXPECT_EQ(painted[line], scanned[line]);
    EXPECT_EQ(painted[line], ScanState(text.data(), text.size(), starts[line]));
  }
}

std::vector<LexState> StatesOf(const std::string& source) {
  const ExactText text(source);
  return ScanLineStates(text.data(), text.size());
}

constexpr LexState P = LexState::kPlain;
constexpr LexState B = LexState::kBlockComment;
constexpr LexState S = LexState::kString;
constexpr LexState H = LexState::kPreprocessor;

TEST(RowLengthTest, StopsAtTheFirstLineEndOrNulAndNeverPastTheLimit) {
  const ExactText text("ab\r\ncd");
  EXPECT_EQ(2, RowLength(text.data(), text.size()));
  EXPECT_EQ(1, RowLength("a\nb", 3));
  EXPECT_EQ(1, RowLength("a\rb", 3));
  EXPECT_EQ(1, RowLength("a\0b", 3));
  const ExactText plain("abc");
  EXPECT_EQ(3, RowLength(plain.data(), plain.size()));
  EXPECT_EQ(0, RowLength(nullptr, 5));
  EXPECT_EQ(0, RowLength("abc", 0));
  EXPECT_EQ(0, RowLength("abc", -3));
}

TEST(ToLexStateTest, UnknownNumbersArePlain) {
  EXPECT_EQ(LexState::kCharacter, ToLexState(17));
  EXPECT_EQ(LexState::kPreprocessor, ToLexState(32));
  EXPECT_EQ(P, ToLexState(0));
  EXPECT_EQ(P, ToLexState(-1));
  EXPECT_EQ(P, ToLexState(3));
}

TEST(ScanStateTest, FirstLineAndOffsetsOutsideTheTextArePlainOrClamped) {
  const ExactText text("/* open\nstill");
  EXPECT_EQ(P, ScanState(text.data(), text.size(), 0));
  EXPECT_EQ(P, ScanState(text.data(), text.size(), -5));
  EXPECT_EQ(P, ScanState(text.data(), text.size(), 3));  // inside the first line
  EXPECT_EQ(B, ScanState(text.data(), text.size(), 8));
  EXPECT_EQ(B, ScanState(text.data(), text.size(), 10));  // inside the second line
  EXPECT_EQ(B, ScanState(text.data(), text.size(), 1000));
  EXPECT_EQ(P, ScanState(nullptr, 10, 5));
  EXPECT_EQ(P, ScanState(text.data(), 0, 5));
}

TEST(ScanStateTest, BlockCommentSpansRowsAndEndsAfterItsCloser) {
  EXPECT_EQ((std::vector<LexState>{P, B, B, B, P}), StatesOf("a /* one\ntwo\nthree\nfour */ b\nc"));
  // The opener's asterisk also serves the closer.
  EXPECT_EQ((std::vector<LexState>{P, P}), StatesOf("/*/\nx"));
}

TEST(ScanStateTest, LineCommentCharacterAndClosedStringEndWithTheirRow) {
  EXPECT_EQ((std::vector<LexState>{P, P}), StatesOf("x // note \\\ny"));
  EXPECT_EQ((std::vector<LexState>{P, P}), StatesOf("c = 'a\ny"));
  EXPECT_EQ((std::vector<LexState>{P, P}), StatesOf("s = \"open\ny"));
}

// Mend: a continued string or preprocessor line is decided by the byte just before the line end,
// whatever the line end is; the rule "two bytes before the end" was right for CR LF only.
TEST(ScanStateTest, ContinuationIsDecidedByTheByteBeforeAnyLineEnd) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE("line end of " + std::to_string(end.size()) + " bytes");
    EXPECT_EQ((std::vector<LexState>{P, H, P}), StatesOf("#define X \\" + end + "  1" + end + "int"));
    EXPECT_EQ((std::vector<LexState>{P, S, P}), StatesOf("s = \"abc\\" + end + "def\";" + end + "x"));
    // A backslash two bytes before the line end continues nothing.
    EXPECT_EQ((std::vector<LexState>{P, P}), StatesOf("#define X \\a" + end + "int"));
    EXPECT_EQ((std::vector<LexState>{P, P}), StatesOf("s = \"abc\\a" + end + "x"));
  }
}

// Mend: a block comment opened in a preprocessor line and not closed there goes on in the next rows.
TEST(ScanStateTest, CommentOpenedInPreprocessorLineCarriesOn) {
  EXPECT_EQ((std::vector<LexState>{P, B, B, P}), StatesOf("#define X 1 /* note\nmore\nend */ int y;\nz"));
  // Closed on its own line, the preprocessor run goes on after it and ends with the line.
  EXPECT_EQ((std::vector<LexState>{P, P}), StatesOf("#define X /* c */ 1\nz"));
  EXPECT_EQ((std::vector<LexState>{P, H, P}), StatesOf("#define X /* c */ \\\n 1\nz"));
}

// Mend: the scanner once read strings, quotes and slashes differently from the painter; these are
// the texts where the two disagreed. The answers are the painter's.
TEST(ScanStateTest, AgreesWithPaintingWhereTheOldScannerDidNot) {
  // A single quote holding a double quote is a character literal, not the start of a string.
  EXPECT_EQ((std::vector<LexState>{P, B, P}), StatesOf("c = '\"'; /* open\n*/\nx"));
  // The slash of a closer does not start a line comment with the next slash.
  EXPECT_EQ((std::vector<LexState>{P, B, P}), StatesOf("/* a *//* b\nc */\nx"));
  // A string ending in two backslashes closes at its quote.
  EXPECT_EQ((std::vector<LexState>{P, B, P}), StatesOf("s = \"a\\\\\" /* c\n*/\nx"));
  // A backslash before a quote keeps the string open.
  EXPECT_EQ((std::vector<LexState>{P, S, P}), StatesOf("s = \"a\\\" /* c \\\n*/\nx"));
  // "//" in a continued preprocessor line ends it as a line comment.
  EXPECT_EQ((std::vector<LexState>{P, H, P}), StatesOf("#define A \\\n  // c \\\nint"));
  for (const char* source : {"c = '\"'; /* open\n*/\nx", "/* a *//* b\nc */\nx", "s = \"a\\\\\" /* c\n*/\nx",
                             "#define A \\\n  // c \\\nint"}) {
    ExpectAllAgree(source);
  }
}

// Mend: at a row's first byte and at offset 0 the "preceded by a backslash" test once read the byte
// before the text. The texts sit in blocks of their exact size, so the sanitizer sees any such read.
TEST(ScanStateTest, NeverReadsOutsideTheText) {
  for (const char* source : {"\"", "\"\\", "\\\"", "'", "#", "/", "/*", "*/", "\\", "\r", "\n", "\r\n", "\"\n\"",
                             "\"a\\\n\"", "#\\\r\n#\\", "x /* \\"}) {
    ExpectAllAgree(source);
  }
  // A continued string whose row starts with its closing quote: nothing precedes it on the row.
  EXPECT_EQ((std::vector<LexState>{P, S, P}), StatesOf("\"a\\\n\" /* x */\nb"));
}

TEST(ScanStateTest, NulEndsWhatIsLexedOfALine) {
  const std::string source("a /\0* b\nc /* d\ne", 16);
  EXPECT_EQ((std::vector<LexState>{P, P, B}), StatesOf(source));
  ExpectAllAgree(source);
}

TEST(ScanStateTest, UnterminatedCommentOrStringOverTheWholeText) {
  std::string comment = "/*";
  std::string strings = "\"";
  for (int i = 0; i < 2000; ++i) {
    comment += " line " + std::to_string(i) + " \" ' // #\r\n";
    strings += " line " + std::to_string(i) + " \\\n";
  }
  const std::vector<LexState> commentStates = StatesOf(comment);
  ASSERT_EQ(2001u, commentStates.size());
  for (std::size_t i = 1; i < commentStates.size(); ++i) ASSERT_EQ(B, commentStates[i]) << i;
  const std::vector<LexState> stringStates = StatesOf(strings);
  for (std::size_t i = 1; i < stringStates.size(); ++i) ASSERT_EQ(S, stringStates[i]) << i;
  const ExactText text(comment);
  EXPECT_EQ(B, ScanState(text.data(), text.size(), text.size()));
}

// Mend: painting row by row from the first row and scanning to a row always give the same state.
TEST(ScanStateTest, RandomCLikeTextsAgreeWithPaintingAtEveryRow) {
  const std::vector<std::string> pieces = {
      "int ", "x", " ", "\t", "\"", "'", "\\", "/", "*", "#", "/*", "*/", "//", "\\\"", "\\\\", "\r\n", "\n", "\r",
      "\\\r\n", "\\\n", "#define A ", "( ", ")", "{", "}", ";", "else if", "return", "'\"'", "\"'\"", "\x80\xff"};
  std::mt19937 random(20240607);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> size(0, 120);
  for (int round = 0; round < 1500; ++round) {
    std::string source;
    const int count = size(random);
    for (int i = 0; i < count; ++i) source += pieces[pick(random)];
    SCOPED_TRACE("text: " + source);
    ExpectAllAgree(source);
    if (HasFailure()) return;
  }
}

TEST(ScanStateTest, BinaryBytesAndLoneLineEnds) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 200; ++round) {
    std::string source;
    for (int i = 0; i < 300; ++i) source += static_cast<char>(byte(random));
    ExpectAllAgree(source);
    if (HasFailure()) return;
  }
}

TEST(NextLineStartTest, StepsOverTheLineEndThatIsThere) {
  const ExactText text("a\r\nb\rc\nd\n\re");
  EXPECT_EQ(3, NextLineStart(text.data(), text.size(), 1));
  EXPECT_EQ(5, NextLineStart(text.data(), text.size(), 4));
  EXPECT_EQ(7, NextLineStart(text.data(), text.size(), 6));
  EXPECT_EQ(9, NextLineStart(text.data(), text.size(), 8));   // LF, then CR is a line of its own
  EXPECT_EQ(10, NextLineStart(text.data(), text.size(), 9));
  EXPECT_EQ(-1, NextLineStart(text.data(), text.size(), 10));
  const ExactText crAtEnd("a\r");
  EXPECT_EQ(2, NextLineStart(crAtEnd.data(), crAtEnd.size(), 1));
}

}  // namespace
}  // namespace editor
