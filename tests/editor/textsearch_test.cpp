// Text search, replace-all, line selection, the goto number and the find dialogs' first text.
#include "editor/textsearch.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editor/exact_text.h"

namespace editor {
namespace {

using testsupport::ExactText;

int Find(const std::string& text, const char* pattern, int flags, int from = 0) {
  const ExactText exact(text);
  return SearchText(exact.data(), exact.size(), pattern, flags, from);
}

constexpr int kCase = kSearchCaseSensitive;
constexpr int kWhole = kSearchWholeWords;

TEST(SearchTextTest, CaseFlag) {
  EXPECT_EQ(4, Find("abc Int int", "int", 0));
  EXPECT_EQ(8, Find("abc Int int", "int", kCase));
  EXPECT_EQ(-1, Find("abc Int", "INT", kCase));
  EXPECT_EQ(0, Find("[X]", "[x]", 0));
  // Only ASCII letters fold: bytes above 127 match themselves only.
  EXPECT_EQ(-1, Find("\xC4", "\xE4", 0));
  EXPECT_EQ(0, Find("\xC4", "\xC4", 0));
}

TEST(SearchTextTest, WholeWordsCountOnlyLettersAsWordCharacters) {
  EXPECT_EQ(2, Find("a+int+b", "int", kWhole));
  EXPECT_EQ(0, Find("int2", "int", kWhole));
  EXPECT_EQ(1, Find("_int_", "int", kWhole));
  EXPECT_EQ(-1, Find("print", "int", kWhole));
  EXPECT_EQ(6, Find("print int", "int", kWhole));
  EXPECT_EQ(-1, Find("intx", "int", kWhole));
}

TEST(SearchTextTest, SearchingOnFromAnOffsetSkipsTheMatchThereAndJudgesItsNeighbour) {
  EXPECT_EQ(4, Find("int int", "int", 0, 1));
  EXPECT_EQ(-1, Find("int int", "int", 0, 5));
  // The byte before the start offset still decides whether a match is a whole word.
  EXPECT_EQ(-1, Find("xint", "int", kWhole, 1));
  EXPECT_EQ(4, Find("int int", "int", kWhole, 1));
}

TEST(SearchTextTest, MatchesLieWhollyInsideTheText) {
  EXPECT_EQ(3, Find("abcxyz", "xyz", kCase));
  EXPECT_EQ(-1, Find("abcxy", "xyz", kCase));
  EXPECT_EQ(4, Find("abc xyz", "XYZ", kWhole));
  EXPECT_EQ(-1, Find("abcxyz", "XYZ", kWhole));
  EXPECT_EQ(-1, Find("ab", "abc", 0));
  EXPECT_EQ(-1, Find("", "a", 0));
  EXPECT_EQ(0, Find("a", "a", kCase | kWhole));
}

TEST(SearchTextTest, EmptyMissingOrOverLongPatternsFindNothing) {
  EXPECT_EQ(-1, Find("abc", "", 0));
  EXPECT_EQ(-1, SearchText("abc", 3, nullptr, 0));
  EXPECT_EQ(-1, SearchText(nullptr, 3, "a", 0));
  EXPECT_EQ(-1, Find("abc", std::string(100000, 'a').c_str(), 0));
  EXPECT_EQ(-1, Find("abc", "a", 0, 3));
  EXPECT_EQ(0, Find("abc", "a", 0, -7));
}

TEST(SearchTextTest, LengthMinusOneMeansUpToTheNul) {
  EXPECT_EQ(2, SearchText("abcd", -1, "cd", kCase));
  EXPECT_EQ(-1, SearchText("ab\0cd", -1, "cd", kCase));
  EXPECT_EQ(-1, SearchText("abcd", -2, "cd", kCase));
}

TEST(SearchTextTest, LongTextWithManyNearMatches) {
  std::string text(1000000, 'a');
  text += "ab";
  EXPECT_EQ(1000000, Find(text, "ab", kCase));
  EXPECT_EQ(1000000, Find(text, "AB", 0));
  EXPECT_EQ(-1, Find(text, "ab", kWhole));
}

// Applies replace-all to a string as the editor applies it to its control.
struct ReplaceRun {
  explicit ReplaceRun(std::string start, std::vector<ReplaceAnswer> given = {})
      : text(std::move(start)), answers(std::move(given)) {}

  std::string text;
  std::vector<ReplaceAnswer> answers;  // given in turn; yes once they run out
  std::vector<std::pair<int, int>> asked;
  ReplaceOutcome outcome;

  void Run(const std::string& findText, const std::string& replacement, int flags) {
    const std::string copy = text;
    const ExactText exact(copy);
    outcome = ReplaceAll(
        exact.data(), exact.size(), findText, replacement, flags,
        [&](int start, int end) {
          asked.emplace_back(start, end);
          return asked.size() <= answers.size() ? answers[asked.size() - 1] : ReplaceAnswer::kYes;
        },
        [&](int start, int end) {
          text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), replacement);
          return true;
        });
  }
};

TEST(ReplaceAllTest, ReplacementsAreNeverSearchedAgain) {
  ReplaceRun run{"aaa"};
  run.Run("a", "aa", kCase);
  EXPECT_EQ("aaaaaa", run.text);
  EXPECT_EQ(3, run.outcome.replaced);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 1}, {2, 3}, {4, 5}}), run.asked);
  EXPECT_FALSE(run.outcome.cancelled);
  EXPECT_TRUE(run.outcome.moveSelection);
  EXPECT_EQ(2, run.outcome.selStart);  // the caret at n - 1 of the text before replacing
  EXPECT_EQ(2, run.outcome.selEnd);
}

TEST(ReplaceAllTest, ShrinkingReplacementsMoveLaterMatchesBack) {
  ReplaceRun run{"x abc y abc z abc"};
  run.Run("abc", "", kCase);
  EXPECT_EQ("x  y  z ", run.text);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 5}, {5, 8}, {8, 11}}), run.asked);
}

TEST(ReplaceAllTest, CancelAtTheSecondOfThreeLeavesOneReplacementAndSelectsTheMatch) {
  ReplaceRun run{"foo foo foo", {ReplaceAnswer::kYes, ReplaceAnswer::kCancel}};
  run.Run("foo", "barbaz", kCase);
  EXPECT_EQ("barbaz foo foo", run.text);
  EXPECT_EQ(1, run.outcome.replaced);
  EXPECT_TRUE(run.outcome.cancelled);
  EXPECT_EQ(7, run.outcome.selStart);
  EXPECT_EQ(10, run.outcome.selEnd);
  EXPECT_EQ("foo", run.text.substr(7, 3));
}

TEST(ReplaceAllTest, NoLeavesAMatchAndKeepsTheGrowth) {
  ReplaceRun run{"a-a-a", {ReplaceAnswer::kYes, ReplaceAnswer::kNo, ReplaceAnswer::kYes}};
  run.Run("a", "bb", kCase);
  EXPECT_EQ("bb-a-bb", run.text);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 1}, {3, 4}, {5, 6}}), run.asked);
}

TEST(ReplaceAllTest, FlagsApplyToTheMatches) {
  ReplaceRun run{"Int int print int2"};
  run.Run("INT", "long", kWhole);
  EXPECT_EQ("long long print long2", run.text);
}

TEST(ReplaceAllTest, EmptyFindTextReplacesNothingAndMovesNothing) {
  ReplaceRun run{"abc"};
  run.Run("", "x", 0);
  EXPECT_EQ("abc", run.text);
  EXPECT_TRUE(run.asked.empty());
  EXPECT_FALSE(run.outcome.moveSelection);
}

TEST(ReplaceAllTest, FailedReplacementStopsEverything) {
  const ExactText copy("a a a");
  int calls = 0;
  const ReplaceOutcome outcome = ReplaceAll(
      copy.data(), copy.size(), "a", "b", kCase, [](int, int) { return ReplaceAnswer::kYes; },
      [&](int, int) { return ++calls < 2; });
  EXPECT_TRUE(outcome.failed);
  EXPECT_EQ(1, outcome.replaced);
  EXPECT_EQ(2, calls);
  EXPECT_EQ(2, outcome.selStart);
  EXPECT_EQ(3, outcome.selEnd);
}

TEST(ReplaceAllTest, EmptyTextPutsTheCaretAtZero) {
  ReplaceRun run{""};
  run.Run("a", "b", 0);
  EXPECT_TRUE(run.outcome.moveSelection);
  EXPECT_EQ(0, run.outcome.selStart);
}

std::optional<TextRange> Line(const std::string& text, int number) {
  const ExactText exact(text);
  return LineSelection(exact.data(), exact.size(), number);
}

TEST(LineSelectionTest, SelectsTheLineWithoutItsLineEnd) {
  const std::string text = "one\r\ntwo\nthree\rfour";
  ASSERT_TRUE(Line(text, 1));
  EXPECT_EQ(0, Line(text, 1)->start);
  EXPECT_EQ(3, Line(text, 1)->end);
  EXPECT_EQ(5, Line(text, 2)->start);
  EXPECT_EQ(8, Line(text, 2)->end);  // a lone LF: the whole word "two" stays selected
  EXPECT_EQ(9, Line(text, 3)->start);
  EXPECT_EQ(14, Line(text, 3)->end);
  EXPECT_EQ(15, Line(text, 4)->start);  // the last line runs to the text's end
  EXPECT_EQ(19, Line(text, 4)->end);
}

TEST(LineSelectionTest, NumbersOutsideTheTextMoveNothing) {
  EXPECT_FALSE(Line("a\r\nb", 0));
  EXPECT_FALSE(Line("a\r\nb", -3));
  EXPECT_FALSE(Line("a\r\nb", 3));
  ASSERT_TRUE(Line("a\r\n", 2));
  EXPECT_EQ(3, Line("a\r\n", 2)->start);
  EXPECT_EQ(3, Line("a\r\n", 2)->end);
  ASSERT_TRUE(Line("", 1));
  EXPECT_EQ(0, Line("", 1)->end);
}

TEST(GotoLineTest, ReadsAtMostFiveDigits) {
  EXPECT_EQ(12, ParseGotoLine("12"));
  EXPECT_EQ(12345, ParseGotoLine("123456"));
  EXPECT_EQ(7, ParseGotoLine(" 7x"));
  EXPECT_EQ(0, ParseGotoLine(""));
  EXPECT_EQ(0, ParseGotoLine("abc"));
  EXPECT_EQ(-4, ParseGotoLine("-4"));
}

TEST(PrefillTest, WordOrSelectionOfAtLeastTwoCharacters) {
  EXPECT_EQ("word", PrefillText(true, "word", "selected"));
  EXPECT_EQ("selected", PrefillText(false, "word", "selected"));
  EXPECT_EQ("", PrefillText(true, "w", "selected"));
  EXPECT_EQ("", PrefillText(false, "word", ""));
  EXPECT_EQ(std::string(255, 'x'), PrefillText(true, std::string(300, 'x'), ""));
  EXPECT_EQ("", PrefillText(true, std::string("a\0bc", 4), ""));
}

}  // namespace
}  // namespace editor
