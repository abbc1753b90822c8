// Tests of the per-line caches: lexical states and widths stay what a fresh scan gives through edits,
// and a state far below an edit is found again without lexing the whole text.
#include "folvex/linecaches.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

#include "folvex/textscan.h"

namespace {

using namespace folvex;

std::int32_t Len(const std::string& s) { return static_cast<std::int32_t>(s.size()); }

// A small lexer with state carried across rows: 1 outside quotes, 2 inside; a quote toggles.
int lexedRows = 0;
int FOLVEX_CALLBACK QuoteLexer(void* context, const char* row, int limit, int state) {
  ++lexedRows;
  EXPECT_EQ(context, &lexedRows);
  for (int i = 0; i < limit && row[i] != '\r' && row[i] != '\n' && row[i] != '\0'; ++i) {
    if (row[i] == '"') state = state == 1 ? 2 : 1;
  }
  return state;
}

// The state at the start of every line, lexed from the text's start.
std::vector<int> StatesFromScratch(const std::string& s) {
  std::vector<int> states;
  int state = 1;
  const char* t = s.c_str();
  for (std::int32_t start = 0; start >= 0; start = NextLineStart(t, Len(s), start)) {
    states.push_back(state);
    state = QuoteLexer(&lexedRows, t + start, Len(s) - start, state);
  }
  return states;
}

std::string RandomText(std::mt19937& random, int bytes) {
  static const char kPieces[] = "a\t\"\r\n";
  std::uniform_int_distribution<int> pick(0, 5);
  std::string s;
  while (Len(s) < bytes) {
    int p = pick(random);
    s += p == 5 ? std::string("\r\n") : std::string(1, kPieces[p]);
  }
  return s;
}

class LineCachesTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    text_ = text;
    lines_.Reset(text_.c_str(), Len(text_), 0);
    states_.SetLexer(&QuoteLexer, &lexedRows, 1);
    widths_.Clear();
  }

  void Edit(std::int32_t position, std::int32_t removed, const std::string& inserted) {
    auto pending = lines_.BeforeEdit(text_.c_str(), Len(text_), position, removed);
    text_.replace(static_cast<std::size_t>(pending.position), static_cast<std::size_t>(pending.removed), inserted);
    EditLines edit = lines_.AfterEdit(text_.c_str(), Len(text_), pending, Len(inserted));
    states_.OnEdit(edit);
    widths_.OnEdit(edit);
  }

  int StateAt(std::int32_t line) { return states_.StateAt(text_.c_str(), Len(text_), line, lines_); }
  std::int32_t Widest() { return widths_.Widest(text_.c_str(), Len(text_), lines_, measure_); }

  std::int32_t WidestFromScratch() {
    std::int32_t widest = 0;
    const char* t = text_.c_str();
    for (std::int32_t start = 0; start >= 0; start = NextLineStart(t, Len(text_), start)) {
      widest = std::max(widest, measure_.Width(t + start, EndOfLine(t, Len(text_), start) - start));
    }
    return widest;
  }

  std::string text_;
  LineTracker lines_;
  RowStateCache states_;
  LineWidthCache widths_;
  TextWidths measure_;
};

TEST_F(LineCachesTest, WithoutALexerThereIsNoState) {
  Load("a\nb");
  states_.SetLexer(nullptr, nullptr, 1);
  EXPECT_EQ(StateAt(0), -1);
  Load("a\nb");
  EXPECT_EQ(StateAt(2), -1);  // no such line
  EXPECT_EQ(StateAt(0), 1);
}

TEST_F(LineCachesTest, StatesFollowRandomEdits) {
  std::mt19937 random(3);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    Load(RandomText(random, 600));
    for (int step = 0; step < 120; ++step) {
      SCOPED_TRACE(step);
      std::uniform_int_distribution<std::int32_t> at(0, Len(text_));
      std::uniform_int_distribution<std::int32_t> count(0, step % 9 == 0 ? 40 : 3);
      Edit(at(random), count(random), RandomText(random, count(random)));
      std::vector<int> expected = StatesFromScratch(text_);
      // Ask in a random order, as scrolling would, and now and then for every line.
      if (step % 10 == 0) {
        for (std::int32_t k = 0; k < static_cast<std::int32_t>(expected.size()); ++k) {
          ASSERT_EQ(StateAt(k), expected[static_cast<std::size_t>(k)]) << k;
        }
      } else {
        std::uniform_int_distribution<std::int32_t> line(0, static_cast<std::int32_t>(expected.size()) - 1);
        std::int32_t k = line(random);
        ASSERT_EQ(StateAt(k), expected[static_cast<std::size_t>(k)]) << k;
      }
    }
  }
}

TEST_F(LineCachesTest, AStateFarBelowAnEditIsFoundAgainAfterAFewRows) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += i % 7 == 0 ? "say \"hi\"\r\n" : "plain row\r\n";
  Load(text);
  ASSERT_EQ(StateAt(4900), 1);
  lexedRows = 0;
  Edit(3, 0, "x");  // typing on the first line changes no state below it
  ASSERT_EQ(StateAt(4900), 1);
  EXPECT_LE(lexedRows, 3);

  lexedRows = 0;
  Edit(0, 0, "\"");  // an open quote on the first line changes every state below
  int state = StateAt(4900);
  int rows = lexedRows;
  ASSERT_EQ(state, StatesFromScratch(text_)[4900]);
  EXPECT_GE(rows, 4900);
}

// A pass that stopped halfway left new states above old ones. An edit above both once let a match in
// the new run vouch for the old run below it, which still described the text before the first edit.
TEST_F(LineCachesTest, StatesLeftBehindByAnEarlierPassAreNotTrustedAfterAnotherEdit) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "row\r\n";
  Load(text);
  ASSERT_EQ(StateAt(199), 1);
  Edit(10 * 5, 0, "\"");  // opens a quote on line 10: every state below flips
  ASSERT_EQ(StateAt(50), 2);
  Edit(5 * 5, 0, "x");  // changes no state
  EXPECT_EQ(StateAt(150), 2);
  EXPECT_EQ(StateAt(199), 2);
}

TEST_F(LineCachesTest, InsertedAndRemovedLinesMoveTheStatesBelow) {
  Load("\"\na\nb\nc\n\"\nd");
  ASSERT_EQ(StateAt(5), 1);
  ASSERT_EQ(StateAt(2), 2);
  Edit(2, 0, "x\r\ny\r\n");  // two lines more inside the quote
  std::vector<int> expected = StatesFromScratch(text_);
  for (std::size_t k = 0; k < expected.size(); ++k) {
    ASSERT_EQ(StateAt(static_cast<std::int32_t>(k)), expected[k]) << k;
  }
  Edit(0, 4, "");
  expected = StatesFromScratch(text_);
  for (std::size_t k = 0; k < expected.size(); ++k) {
    ASSERT_EQ(StateAt(static_cast<std::int32_t>(k)), expected[k]) << k;
  }
}

TEST_F(LineCachesTest, WidestLineFollowsRandomEdits) {
  std::mt19937 random(5);
  for (int round = 0; round < 10; ++round) {
    SCOPED_TRACE(round);
    Load(RandomText(random, 800));
    ASSERT_EQ(Widest(), WidestFromScratch());
    for (int step = 0; step < 100; ++step) {
      SCOPED_TRACE(step);
      std::uniform_int_distribution<std::int32_t> at(0, Len(text_));
      std::uniform_int_distribution<std::int32_t> count(0, step % 9 == 0 ? 50 : 4);
      Edit(at(random), count(random), RandomText(random, count(random)));
      if (step % 3 == 0) {
        ASSERT_EQ(Widest(), WidestFromScratch());
      }
    }
  }
}

TEST_F(LineCachesTest, ShorteningTheWidestLineLowersTheWidth) {
  Load("ab\r\nabcdefgh\r\nabc");
  EXPECT_EQ(Widest(), 64);
  Edit(4, 6, "");
  EXPECT_EQ(Widest(), 24);
}

}  // namespace
