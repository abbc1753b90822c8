// Tests of the scanning functions: line ends of every kind, lines, columns, words, indentation.
#include "folvex/textscan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace folvex;

// The text in a block of exactly length + 1 bytes, so that the sanitizers see any read past the
// terminator.
class Text {
 public:
  explicit Text(const std::string& s) : bytes_(s.begin(), s.end()) { bytes_.push_back('\0'); }
  const char* data() const { return bytes_.data(); }
  std::int32_t size() const { return static_cast<std::int32_t>(bytes_.size() - 1); }

 private:
  std::vector<char> bytes_;
};

// The plain byte walk the scanners must agree with: CR LF is one line end, counted at its CR.
struct Walk {
  std::vector<std::int32_t> lineOf;    // per offset 0..length
  std::vector<std::int32_t> columnOf;  // per offset 0..length
  std::vector<std::int32_t> starts;    // line starts
};

Walk WalkText(const std::string& s) {
  Walk w;
  std::int32_t line = 0, column = 0;
  w.starts.push_back(0);
  std::size_t i = 0;
  while (i <= s.size()) {
    w.lineOf.push_back(line);
    w.columnOf.push_back(column);
    if (i == s.size()) break;
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
      // The offset between CR and LF already belongs to the next line, column 1.
      w.lineOf.push_back(line + 1);
      w.columnOf.push_back(1);
      i += 2;
    } else if (s[i] == '\r' || s[i] == '\n') {
      i += 1;
    } else {
      i += 1;
      ++column;
      continue;
    }
    ++line;
    column = 1;
    w.starts.push_back(static_cast<std::int32_t>(i));
  }
  return w;
}

void ExpectAgreesWithWalk(const std::string& s) {
  Text t(s);
  Walk w = WalkText(s);
  std::int32_t ends = static_cast<std::int32_t>(w.starts.size()) - 1;
  ASSERT_EQ(CountLineEnds(t.data(), t.size()), ends);
  for (std::int32_t k = 0; k <= ends; ++k) ASSERT_EQ(LineStart(t.data(), t.size(), k), w.starts[k]) << k;
  ASSERT_EQ(LineStart(t.data(), t.size(), ends + 1), -1);
  for (std::int32_t p = 0; p <= t.size(); ++p) {
    ASSERT_EQ(LineOfOffset(t.data(), t.size(), p), w.lineOf[p]) << p;
    LineAndColumn place = LineColumn(t.data(), t.size(), p);
    ASSERT_EQ(place.line, w.lineOf[p]) << p;
    ASSERT_EQ(place.column, w.columnOf[p]) << p;
  }
}

TEST(TextScanTest, LineEndsOfEveryKindCountOnce) {
  auto count = [](const std::string& s) { Text t(s); return CountLineEnds(t.data(), t.size()); };
  EXPECT_EQ(count(""), 0);
  EXPECT_EQ(count("one line"), 0);
  EXPECT_EQ(count("a\r\nb"), 1);
  EXPECT_EQ(count("a\rb\nc"), 2);
  EXPECT_EQ(count("\r\r\n\n"), 3);
  EXPECT_EQ(count("\n\r"), 2);
  EXPECT_EQ(count("x\r"), 1);
}

TEST(TextScanTest, LineStartOfAMissingLineIsMinusOne) {
  Text t("a\r\nb\r\nc");
  EXPECT_EQ(LineStart(t.data(), t.size(), 0), 0);
  EXPECT_EQ(LineStart(t.data(), t.size(), 2), 6);
  EXPECT_EQ(LineStart(t.data(), t.size(), 3), -1);
  EXPECT_EQ(LineStart(t.data(), t.size(), -1), -1);
  Text empty("");
  EXPECT_EQ(LineStart(empty.data(), 0, 1), -1);
}

TEST(TextScanTest, ColumnIsOneMoreOnLaterLinesThanOnTheFirst) {
  Text t("abcdef\r\nabcdef");
  EXPECT_EQ(LineColumn(t.data(), t.size(), 3).line, 0);
  EXPECT_EQ(LineColumn(t.data(), t.size(), 3).column, 3);
  EXPECT_EQ(LineColumn(t.data(), t.size(), 8 + 3).line, 1);
  EXPECT_EQ(LineColumn(t.data(), t.size(), 8 + 3).column, 4);
}

// The counting functions skip whole blocks of bytes; a CR LF pair split across two blocks, or a
// line end right at a block edge, must count as the byte walk counts it.
TEST(TextScanTest, CountingAgreesWithTheByteWalkAcrossBlockEdges) {
  std::mt19937 random(7);
  const char pieces[] = {'x', 'x', 'x', '\r', '\n', ' ', '\t'};
  for (int round = 0; round < 60; ++round) {
    std::string s(static_cast<std::size_t>(random() % 400), 'x');
    for (char& c : s) c = pieces[random() % sizeof pieces];
    SCOPED_TRACE(round);
    ExpectAgreesWithWalk(s);
  }
  for (int edge = 60; edge < 70; ++edge) {
    std::string s(static_cast<std::size_t>(edge), 'a');
    s += "\r\n\r\r\n\n";
    s += std::string(130, 'b');
    SCOPED_TRACE(edge);
    ExpectAgreesWithWalk(s);
  }
}

TEST(TextScanTest, BinaryBytesAreOrdinaryCharacters) {
  std::string s;
  for (int b = 1; b < 256; ++b) s += static_cast<char>(b);
  s += s;
  ExpectAgreesWithWalk(s);
  Text t(s);
  // 0x80..0xFF are not word characters: the word around 'a' ends at '{' and does not run on.
  std::int32_t a = static_cast<std::int32_t>(s.find('a'));
  EXPECT_EQ(WordStart(t.data(), t.size(), a + 3), a);  // '`' before 'a' is no word character
  EXPECT_EQ(WordEnd(t.data(), t.size(), a), a + 26);
  std::int32_t high = 200;
  EXPECT_EQ(WordEnd(t.data(), t.size(), high), high);
  EXPECT_FALSE(IsWordChar(static_cast<char>(0xE9)));
}

TEST(TextScanTest, OffsetsOutsideTheTextAreBroughtToItsEnds) {
  Text t("ab\ncd");
  EXPECT_EQ(LineOfOffset(t.data(), t.size(), -5), 0);
  EXPECT_EQ(LineOfOffset(t.data(), t.size(), 999), 1);
  EXPECT_EQ(LineColumn(t.data(), t.size(), 999).column, 3);
  EXPECT_EQ(StartOfLine(t.data(), t.size(), -1), 0);
  EXPECT_EQ(StartOfLine(t.data(), t.size(), 999), 3);
  EXPECT_EQ(EndOfLine(t.data(), t.size(), 999), 5);
  EXPECT_EQ(WordStart(t.data(), t.size(), 999), 3);
  EXPECT_EQ(WordEnd(t.data(), t.size(), -3), 2);
  EXPECT_EQ(NextWordStart(t.data(), t.size(), 999), 5);
  EXPECT_EQ(TrailingBlanks(t.data(), t.size(), 999), 0);
  Text empty("");
  EXPECT_EQ(LineColumn(empty.data(), 0, 4).column, 0);
  EXPECT_EQ(Indentation(empty.data(), 0, 0, nullptr, 0), 0);
}

TEST(TextScanTest, LinesAreFoundAroundEveryKindOfLineEnd) {
  Text t("ab\r\ncd\ref\ngh");
  EXPECT_EQ(StartOfLine(t.data(), t.size(), 5), 4);
  EXPECT_EQ(EndOfLine(t.data(), t.size(), 5), 6);
  EXPECT_EQ(LineLength(t.data(), t.size(), 4), 2);
  EXPECT_EQ(LineLength(t.data(), t.size(), 11), 2);
  EXPECT_EQ(NextLineStart(t.data(), t.size(), 0), 4);   // over CR LF
  EXPECT_EQ(NextLineStart(t.data(), t.size(), 4), 7);   // over a lone CR
  EXPECT_EQ(NextLineStart(t.data(), t.size(), 7), 10);  // over a lone LF
  EXPECT_EQ(NextLineStart(t.data(), t.size(), 10), -1);
  Text trailing("ab\n");
  EXPECT_EQ(NextLineStart(trailing.data(), trailing.size(), 0), 3);
  EXPECT_EQ(NextLineStart(trailing.data(), trailing.size(), 3), -1);
}

TEST(TextScanTest, WordsStartAndEndAtWordCharacters) {
  Text t("int x_1 = foo(bar);");
  EXPECT_EQ(WordStart(t.data(), t.size(), 6), 4);
  EXPECT_EQ(WordEnd(t.data(), t.size(), 5), 7);
  EXPECT_EQ(WordStart(t.data(), t.size(), 0), 0);
  EXPECT_EQ(NextWordStart(t.data(), t.size(), 0), 0);
  EXPECT_EQ(NextWordStart(t.data(), t.size(), 1), 4);
  EXPECT_EQ(NextWordStart(t.data(), t.size(), 8), 10);
  EXPECT_EQ(NextWordStart(t.data(), t.size(), 15), 19);
}

TEST(TextScanTest, IndentationIsCopiedAndCutToTheBuffer) {
  Text t("x\r\n \t  code  \t\r\n");
  char out[8] = "zzzzzzz";
  EXPECT_EQ(Indentation(t.data(), t.size(), 9, out, sizeof out), 4);
  EXPECT_STREQ(out, " \t  ");
  char small[3] = "zz";
  EXPECT_EQ(Indentation(t.data(), t.size(), 9, small, sizeof small), 4);
  EXPECT_STREQ(small, " \t");
  EXPECT_EQ(TrailingBlanks(t.data(), t.size(), 3), 3);
  EXPECT_EQ(TrailingBlanks(t.data(), t.size(), 0), 0);
  Text blanksOnly("   ");
  EXPECT_EQ(Indentation(blanksOnly.data(), blanksOnly.size(), 1, nullptr, 0), 3);
  EXPECT_EQ(TrailingBlanks(blanksOnly.data(), blanksOnly.size(), 1), 3);
}

TEST(TextScanTest, AMillionCharacterLineIsOneLine) {
  std::string s = "first\r\n" + std::string(1000000, 'w') + "\r\nlast";
  Text t(s);
  EXPECT_EQ(CountLineEnds(t.data(), t.size()), 2);
  std::int32_t end = 7 + 1000000;
  EXPECT_EQ(LineColumn(t.data(), t.size(), end).column, 1000001);
  EXPECT_EQ(StartOfLine(t.data(), t.size(), end), 7);
  EXPECT_EQ(LineLength(t.data(), t.size(), 500000), 1000000);
  EXPECT_EQ(WordStart(t.data(), t.size(), end), 7);
  EXPECT_EQ(LineStart(t.data(), t.size(), 2), end + 2);
}

}  // namespace
