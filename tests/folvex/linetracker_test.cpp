// Tests of the line tracker: lines and line starts found from nearby places agree with a scan from
// the start, and the places stay true through edits of every kind of line end.
#include "folvex/linetracker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "folvex/textscan.h"

namespace {

using namespace folvex;

std::int32_t Len(const std::string& s) { return static_cast<std::int32_t>(s.size()); }

// Random text of CR, LF, CR LF, letters and blanks: every kind of line end, next to each other too.
std::string RandomText(std::mt19937& random, int bytes) {
  static const char kPieces[] = "ab \r\n";
  std::uniform_int_distribution<int> pick(0, 5);
  std::string s;
  while (Len(s) < bytes) {
    int p = pick(random);
    s += p == 5 ? std::string("\r\n") : std::string(1, kPieces[p]);
  }
  return s;
}

class LineTrackerTest : public ::testing::Test {
 protected:
  void Load(const std::string& text, std::int32_t firstLine = 0) {
    text_ = text;
    tracker_.Reset(text_.c_str(), Len(text_), firstLine);
  }

  // Replaces `removed` bytes at `position` by `inserted`, as the control does around a store edit.
  EditLines Edit(std::int32_t position, std::int32_t removed, const std::string& inserted) {
    auto pending = tracker_.BeforeEdit(text_.c_str(), Len(text_), position, removed);
    text_.replace(static_cast<std::size_t>(pending.position), static_cast<std::size_t>(pending.removed), inserted);
    return tracker_.AfterEdit(text_.c_str(), Len(text_), pending, Len(inserted));
  }

  void ExpectConsistent() {
    const char* t = text_.c_str();
    ASSERT_EQ(tracker_.LastLine(), CountLineEnds(t, Len(text_)));
    ASSERT_GE(tracker_.FirstLine(), 0);
    ASSERT_LE(tracker_.FirstLine(), tracker_.LastLine());
    ASSERT_EQ(tracker_.TopOffset(), LineStart(t, Len(text_), tracker_.FirstLine()));
  }

  std::string text_;
  LineTracker tracker_;
};

TEST_F(LineTrackerTest, LineEndsBetweenCountsCrLfAtItsCr) {
  const std::string s = "a\r\nb\rc\nd";
  EXPECT_EQ(LineEndsBetween(s.c_str(), Len(s), 0, Len(s)), 3);
  EXPECT_EQ(LineEndsBetween(s.c_str(), Len(s), 0, 2), 1);  // the CR of the pair
  EXPECT_EQ(LineEndsBetween(s.c_str(), Len(s), 2, 3), 0);  // its LF alone does not count
  EXPECT_EQ(LineEndsBetween(s.c_str(), Len(s), -5, 99), 3);
}

TEST_F(LineTrackerTest, LinesAndStartsAgreeWithAScanFromTheStart) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    Load(RandomText(random, 3000), 0);
    const char* t = text_.c_str();
    std::uniform_int_distribution<std::int32_t> offset(0, Len(text_));
    std::uniform_int_distribution<std::int32_t> line(-1, tracker_.LastLine() + 1);
    for (int i = 0; i < 200; ++i) {
      if (i % 50 == 0) tracker_.SetFirstLine(t, Len(text_), line(random));
      std::int32_t p = offset(random);
      ASSERT_EQ(tracker_.LineOf(t, Len(text_), p), LineOfOffset(t, Len(text_), p)) << p;
      std::int32_t k = line(random);
      ASSERT_EQ(tracker_.StartOf(t, Len(text_), k), LineStart(t, Len(text_), k)) << k;
    }
    ExpectConsistent();
  }
}

TEST_F(LineTrackerTest, OffsetBetweenCrAndLfBelongsToTheNextLine) {
  Load("ab\r\ncd");
  EXPECT_EQ(tracker_.LineOf(text_.c_str(), Len(text_), 3), 1);
  EXPECT_EQ(tracker_.StartOf(text_.c_str(), Len(text_), 1), 4);
}

TEST_F(LineTrackerTest, FirstLineIsKeptWithinTheText) {
  Load("a\nb\nc", 9);
  EXPECT_EQ(tracker_.FirstLine(), 2);
  EXPECT_EQ(tracker_.TopOffset(), 4);
  tracker_.SetFirstLine(text_.c_str(), Len(text_), -3);
  EXPECT_EQ(tracker_.FirstLine(), 0);
  EXPECT_EQ(tracker_.TopOffset(), 0);
}

TEST_F(LineTrackerTest, AnLfTypedAfterTheCrAboveTheTopJoinsThatLineEnd) {
  Load("a\rb\rc", 1);  // top at "b", offset 2
  Edit(2, 0, "\n");    // "a\r\nb\rc": the top line now starts after the LF
  ExpectConsistent();
  EXPECT_EQ(tracker_.FirstLine(), 1);
  EXPECT_EQ(tracker_.TopOffset(), 3);
}

TEST_F(LineTrackerTest, RemovingTheCrOfAPairBeforeTheTopKeepsTheTopRight) {
  Load("a\r\nb\nc", 2);  // top at "c"
  Edit(1, 1, "");        // "a\nb\nc"
  ExpectConsistent();
  EXPECT_EQ(tracker_.FirstLine(), 2);
}

TEST_F(LineTrackerTest, DeletingTheTopLineKeepsTheTopOnTheSameLineNumber) {
  Load("1\n2\n3\n4\n5", 3);  // top at "4"
  EditLines lines = Edit(2, 6, "");  // "1\n5"
  ExpectConsistent();
  EXPECT_EQ(tracker_.FirstLine(), 1);
  EXPECT_EQ(lines.line, 1);
  EXPECT_EQ(lines.lineDelta, -3);
}

// Random edits near and far from the top: after each one the counts and the top must be exactly
// what a scan from the start gives, lines before the edit must not move, and lines after the
// touched ones must move by the reported delta.
TEST_F(LineTrackerTest, RandomEditsKeepEveryPlaceTrue) {
  std::mt19937 random(11);
  for (int round = 0; round < 30; ++round) {
    SCOPED_TRACE(round);
    Load(RandomText(random, 400 + round * 40), round);
    for (int step = 0; step < 150; ++step) {
      SCOPED_TRACE(step);
      std::string before = text_;
      std::int32_t topBefore = tracker_.FirstLine();
      std::uniform_int_distribution<std::int32_t> at(0, Len(text_));
      std::uniform_int_distribution<std::int32_t> count(0, step % 7 == 0 ? 60 : 3);
      std::int32_t position = at(random);
      std::int32_t removed = count(random);
      std::string inserted = RandomText(random, count(random));
      if (inserted.size() > 3 && step % 2 == 0) inserted.clear();
      if (step % 13 == 0) tracker_.SetFirstLine(text_.c_str(), Len(text_), at(random) % (tracker_.LastLine() + 1));
      topBefore = tracker_.FirstLine();
      std::int32_t topOffsetBefore = tracker_.TopOffset();
      std::int32_t realRemoved = std::min(removed, Len(before) - position);
      EditLines lines = Edit(position, removed, inserted);
      ExpectConsistent();
      const char* t = text_.c_str();
      const char* b = before.c_str();
      ASSERT_EQ(lines.line, LineOfOffset(b, Len(before), position));
      ASSERT_EQ(lines.lineDelta, CountLineEnds(t, Len(text_)) - CountLineEnds(b, Len(before)));
      for (std::int32_t k = 0; k < lines.line; ++k) {
        ASSERT_EQ(LineStart(t, Len(text_), k), LineStart(b, Len(before), k)) << k;
      }
      std::int32_t shift = Len(inserted) - realRemoved;
      for (std::int32_t k = lines.lastTouched + 1; k <= tracker_.LastLine(); ++k) {
        ASSERT_EQ(LineStart(t, Len(text_), k), LineStart(b, Len(before), k - lines.lineDelta) + shift) << k;
      }
      if (topOffsetBefore <= position) {
        ASSERT_EQ(tracker_.FirstLine(), topBefore);
      } else if (topOffsetBefore > position + realRemoved + 1) {
        ASSERT_EQ(tracker_.FirstLine(), topBefore + lines.lineDelta);
        ASSERT_EQ(tracker_.TopOffset(), topOffsetBefore + shift);
      }
    }
  }
}

}  // namespace
