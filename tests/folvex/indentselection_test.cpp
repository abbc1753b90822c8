// Tests of IndentSelection and OutdentSelection: which lines change, where the caret and the
// selection go, line ends of every kind, and the undo steps they leave.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "failing_allocator.h"
#include "folvex/textscan.h"
#include "folvex/textstore.h"

namespace {

using namespace folvex;

struct Points {
  std::int32_t selStart, selEnd, caret;
};

class IndentSelectionTest : public ::testing::Test {
 protected:
  testsupport::FailingAllocator allocator;
  TextStore store{allocator};

  void Load(const std::string& text, Points points, TextStore& into) {
    into.suppressRecording = 1;
    ASSERT_EQ(into.SetText(text.c_str()), kDone);
    into.suppressRecording = 0;
    into.selStart = points.selStart;
    into.selEnd = points.selEnd;
    into.caret = points.caret;
  }
  void Load(const std::string& text, Points points) { Load(text, points, store); }
  std::string Text(const TextStore& s) const { return std::string(s.Text(), static_cast<std::size_t>(s.Length())); }
  std::string Text() const { return Text(store); }
  void ExpectPoints(std::int32_t selStart, std::int32_t selEnd, std::int32_t caret) {
    EXPECT_EQ(store.selStart, selStart);
    EXPECT_EQ(store.selEnd, selEnd);
    EXPECT_EQ(store.caret, caret);
  }
};

// The operations line by line through the public primitives, as a user editing each line would:
// the per-line undo steps of the one-pass operations must be the same.
int IndentLineByLine(TextStore& s, std::int32_t n, bool outdent) {
  if (s.selStart >= s.selEnd) return 0;
  std::int32_t line = StartOfLine(s.Text(), s.Length(), s.selStart);
  bool changed = false;
  for (;;) {
    std::int32_t count = n;
    if (outdent) {
      std::int32_t blanks = Indentation(s.Text(), s.Length(), line, nullptr, 0);
      count = blanks < n ? blanks : n;
    }
    if (count > 0) {
      int result = outdent ? s.Delete(line, count) : s.Insert(std::string(static_cast<std::size_t>(count), ' ').c_str(), line);
      if (result != kDone) return result;
      changed = true;
      for (std::int32_t* p : {&s.selStart, &s.selEnd, &s.caret}) {
        if (!outdent && *p >= line) *p += count;
        if (outdent && *p > line) *p -= (*p - line < count ? *p - line : count);
      }
    }
    std::int32_t next = NextLineStart(s.Text(), s.Length(), line);
    if (next < 0 || next >= s.selEnd) break;
    line = next;
  }
  return changed ? 1 : 0;
}

// Three whole lines selected (ending at the start of the fourth) used to indent four.
TEST_F(IndentSelectionTest, ASelectionEndingAtALineStartLeavesThatLineOut) {
  Load("one\r\ntwo\r\nthree\r\nfour\r\n", {0, 17, 17});
  EXPECT_EQ(store.IndentSelection(2), 1);
  EXPECT_EQ(Text(), "  one\r\n  two\r\n  three\r\nfour\r\n");
  ExpectPoints(2, 23, 23);
  EXPECT_EQ(store.OutdentSelection(2), 1);
  EXPECT_EQ(Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST_F(IndentSelectionTest, ASelectionInsideOneLineChangesThatLine) {
  Load("ab\r\n  cdef\r\ngh", {7, 9, 7});
  EXPECT_EQ(store.IndentSelection(3), 1);
  EXPECT_EQ(Text(), "ab\r\n     cdef\r\ngh");
  ExpectPoints(10, 12, 10);
  EXPECT_EQ(store.OutdentSelection(5), 1);
  EXPECT_EQ(Text(), "ab\r\ncdef\r\ngh");
  ExpectPoints(5, 7, 5);
}

// Stepping two bytes over every line end used to swallow the first byte of the next line after a
// lone CR or LF.
TEST_F(IndentSelectionTest, EveryKindOfLineEndIsSteppedOverAsItIs) {
  Load("a\rb\nc\r\nd\n\re", {0, 12, 12});
  EXPECT_EQ(store.IndentSelection(1), 1);
  EXPECT_EQ(Text(), " a\r b\n c\r\n d\n \r e");
  EXPECT_EQ(store.OutdentSelection(1), 1);
  EXPECT_EQ(Text(), "a\rb\nc\r\nd\n\re");
}

// Selecting whole lines from the first line and outdenting used to make selStart negative.
TEST_F(IndentSelectionTest, PointsInsideRemovedBlanksGoToTheLineStart) {
  Load("    one\n    two\n", {0, 16, 16});
  EXPECT_EQ(store.OutdentSelection(4), 1);
  EXPECT_EQ(Text(), "one\ntwo\n");
  ExpectPoints(0, 8, 8);
  Load("    one\n    two\n", {2, 10, 2});
  EXPECT_EQ(store.OutdentSelection(4), 1);
  ExpectPoints(0, 4, 0);
  Load("  one\n\t\tx", {3, 8, 8});  // selEnd after the tabs of the last line
  EXPECT_EQ(store.OutdentSelection(1), 1);
  EXPECT_EQ(Text(), " one\n\tx");
  ExpectPoints(2, 6, 6);
}

TEST_F(IndentSelectionTest, OnlyTheBlanksThereAreRemoved) {
  Load("\t x\n  y\nz\n      w", {0, 18, 0});
  EXPECT_EQ(store.OutdentSelection(3), 1);
  EXPECT_EQ(Text(), "x\ny\nz\n   w");
  EXPECT_EQ(store.History().UndoCount(), 3);  // the line without blanks records nothing
  Load("a\nb\n", {0, 3, 3});
  EXPECT_EQ(store.OutdentSelection(4), 0);
  EXPECT_EQ(Text(), "a\nb\n");
}

TEST_F(IndentSelectionTest, AnEmptySelectionOrNoBlanksChangeNothing) {
  Load("abc\ndef", {2, 2, 2});
  store.modified = 0;
  EXPECT_EQ(store.IndentSelection(4), 0);
  EXPECT_EQ(store.OutdentSelection(4), 0);
  Load("abc\ndef", {0, 5, 5});
  store.modified = 0;
  EXPECT_EQ(store.IndentSelection(0), 0);
  EXPECT_EQ(store.IndentSelection(-3), 0);
  EXPECT_EQ(Text(), "abc\ndef");
  EXPECT_EQ(store.modified, 0);
  EXPECT_FALSE(store.CanUndo());
}

TEST_F(IndentSelectionTest, AtMostFifteenBlanksGoIn) {
  Load("x", {0, 1, 1});
  EXPECT_EQ(store.IndentSelection(100), 1);
  EXPECT_EQ(Text(), std::string(15, ' ') + "x");
}

TEST_F(IndentSelectionTest, PointsBeyondTheTextAreBroughtBackFirst) {
  Load("ab\ncd", {1, 900, 900});
  EXPECT_EQ(store.IndentSelection(1), 1);
  EXPECT_EQ(Text(), " ab\n cd");
  ExpectPoints(2, 7, 7);
}

TEST_F(IndentSelectionTest, EachLineIsOneUndoStepAndUndoRestoresThePoints) {
  Load("a\r\nb\r\nc", {0, 7, 7});
  ASSERT_EQ(store.IndentSelection(2), 1);
  EXPECT_EQ(store.History().UndoCount(), 3);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "  a\r\n  b\r\nc");
  ASSERT_EQ(store.Undo(), 1);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "a\r\nb\r\nc");
  ExpectPoints(0, 7, 7);
  EXPECT_EQ(store.Undo(), 0);
}

// More lines than the history keeps: the one-pass operations must leave the same text, points and
// history as editing line by line would.
TEST_F(IndentSelectionTest, ManyLinesLeaveTheSameHistoryAsLineByLineEdits) {
  std::string text;
  for (int i = 0; i < 80; ++i) {
    text += std::string(static_cast<std::size_t>(i % 5), i % 2 ? ' ' : '\t') + "line" + std::to_string(i);
    text += (i % 3 == 0) ? "\r\n" : (i % 3 == 1 ? "\n" : "\r");
  }
  auto samePoints = [](const TextStore& a, const TextStore& b) {
    return a.selStart == b.selStart && a.selEnd == b.selEnd && a.caret == b.caret;
  };
  for (bool outdent : {false, true}) {
    for (Points points : {Points{3, 300, 300}, Points{0, static_cast<std::int32_t>(text.size()), 0}}) {
      SCOPED_TRACE(outdent ? "outdent" : "indent");
      TextStore reference(allocator);
      TextStore onePass(allocator);
      Load(text, points, reference);
      Load(text, points, onePass);
      ASSERT_EQ(reference.Insert("#", 0), kDone);  // an older step that must end up pushed out
      ASSERT_EQ(onePass.Insert("#", 0), kDone);
      ASSERT_EQ(IndentLineByLine(reference, 3, outdent), 1);
      ASSERT_EQ(outdent ? onePass.OutdentSelection(3) : onePass.IndentSelection(3), 1);
      ASSERT_EQ(Text(onePass), Text(reference));
      EXPECT_TRUE(samePoints(onePass, reference));
      ASSERT_EQ(onePass.History().UndoCount(), reference.History().UndoCount());
      while (reference.CanUndo()) {
        ASSERT_EQ(onePass.Undo(), 1);
        ASSERT_EQ(reference.Undo(), 1);
        ASSERT_EQ(Text(onePass), Text(reference));
        ASSERT_TRUE(samePoints(onePass, reference));
      }
      EXPECT_FALSE(onePass.CanUndo());
      while (reference.CanRedo()) {
        ASSERT_EQ(onePass.Redo(), 1);
        ASSERT_EQ(reference.Redo(), 1);
        ASSERT_EQ(Text(onePass), Text(reference));
        ASSERT_TRUE(samePoints(onePass, reference));
      }
      EXPECT_FALSE(onePass.CanRedo());
    }
  }
}

TEST_F(IndentSelectionTest, UnrecordedIndentingLeavesTheHistoryAlone) {
  Load("a\nb", {0, 3, 3});
  store.suppressRecording = 1;
  EXPECT_EQ(store.IndentSelection(2), 1);
  EXPECT_EQ(store.OutdentSelection(1), 1);
  EXPECT_EQ(Text(), " a\n b");
  EXPECT_FALSE(store.CanUndo());
}

TEST_F(IndentSelectionTest, WithoutMemoryNothingChanges) {
  std::string text(40, 'x');
  text += "\n";
  std::string many;
  for (int i = 0; i < 200; ++i) many += text;  // 8200 bytes: 3000 more need a larger block
  Load(many, {0, static_cast<std::int32_t>(many.size()), 0});
  allocator.FailFromNow();
  EXPECT_EQ(store.IndentSelection(15), kNoMemory);
  allocator.Succeed();
  EXPECT_EQ(Text(), many);
  ExpectPoints(0, static_cast<std::int32_t>(many.size()), 0);
  EXPECT_FALSE(store.CanUndo());
  EXPECT_EQ(store.IndentSelection(15), 1);
  std::int32_t undoCapacity = store.History().Capacity();
  std::string indented = Text();
  // Outdenting needs room in the history for up to 31 steps of 15 blanks; fill it to the brim first.
  while (store.History().BytesInUse() + 31 * 15 < store.History().Capacity()) {
    ASSERT_EQ(store.Insert("q", 0), kDone);
    ASSERT_EQ(store.History().Capacity(), undoCapacity);
  }
  indented = Text();
  store.selStart = 1;
  store.selEnd = store.Length();
  allocator.FailFromNow();
  EXPECT_EQ(store.OutdentSelection(15), kNoMemory);
  allocator.Succeed();
  EXPECT_EQ(Text(), indented);
  EXPECT_EQ(store.OutdentSelection(15), 1);
}

// Indenting every line of a large text moves the text once, not once per line.
TEST_F(IndentSelectionTest, AWholeLargeTextIsIndentedAndUndone) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "int v" + std::to_string(i) + ";\r\n";
  Load(text, {0, static_cast<std::int32_t>(text.size()), 0});
  ASSERT_EQ(store.IndentSelection(4), 1);
  EXPECT_EQ(store.Length(), static_cast<std::int32_t>(text.size()) + 4 * 200000);
  EXPECT_EQ(std::string(store.Text(), 14), "    int v0;\r\n ");
  EXPECT_EQ(std::string(store.Text() + store.Length() - 18), "    int v199999;\r\n");
  ASSERT_EQ(store.OutdentSelection(4), 1);
  EXPECT_EQ(Text(), text);
  EXPECT_EQ(store.History().UndoCount(), 31);
}

}  // namespace
