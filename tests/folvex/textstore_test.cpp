// Tests of the text store: insert, delete, copy, measure, replacement, growth, undo and redo.
#include "folvex/textstore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "failing_allocator.h"
#include "folvex/textscan.h"

namespace {

using namespace folvex;

// Everything a failed operation must leave as it was.
struct Snapshot {
  std::string text;
  std::int32_t caret, selStart, selEnd, modified, undoCount, undoTop;
  bool operator==(const Snapshot& o) const {
    return text == o.text && caret == o.caret && selStart == o.selStart && selEnd == o.selEnd &&
           modified == o.modified && undoCount == o.undoCount && undoTop == o.undoTop;
  }
};

class TextStoreTest : public ::testing::Test {
 protected:
  testsupport::FailingAllocator allocator;
  TextStore store{allocator};

  std::string Text() const { return std::string(store.Text(), static_cast<std::size_t>(store.Length())); }
  Snapshot Take() const {
    return Snapshot{Text(), store.caret, store.selStart, store.selEnd, store.modified,
                    store.History().UndoCount(), store.History().UndoTop()};
  }
  void Select(std::int32_t start, std::int32_t end, std::int32_t caret) {
    store.selStart = start;
    store.selEnd = end;
    store.caret = caret;
  }
};

TEST_F(TextStoreTest, StartsEmptyWithAKilobyteBlock) {
  EXPECT_EQ(store.Length(), 0);
  EXPECT_EQ(store.Capacity(), TextStore::kInitialCapacity);
  EXPECT_STREQ(store.Text(), "");
  EXPECT_FALSE(store.CanUndo());
  EXPECT_FALSE(store.CanRedo());
}

TEST_F(TextStoreTest, InsertAtZeroOfAnEmptyStoreWorksAndBeyondTheEndIsRefused) {
  EXPECT_EQ(store.Insert("abc", 0), kDone);
  EXPECT_EQ(Text(), "abc");
  EXPECT_EQ(store.modified, 1);
  store.modified = 0;
  Snapshot before = Take();
  EXPECT_EQ(store.Insert("x", 4), kBadArgument);
  EXPECT_EQ(store.Insert(nullptr, 0), kBadArgument);
  EXPECT_TRUE(Take() == before);
  EXPECT_EQ(store.Insert("x", 3), kDone);
  EXPECT_EQ(store.Insert("y", 0), kDone);
  EXPECT_EQ(Text(), "yabcx");
}

// A negative position or count used to pass the "beyond the text" check and move memory outside the
// block.
TEST_F(TextStoreTest, NegativePositionsAndCountsAreRefusedAndChangeNothing) {
  ASSERT_EQ(store.Insert("hello world", 0), kDone);
  store.modified = 0;
  Snapshot before = Take();
  char out[32] = {};
  EXPECT_EQ(store.Insert("x", -1), kBadArgument);
  EXPECT_EQ(store.Delete(-1, 2), kBadArgument);
  EXPECT_EQ(store.Delete(2, -1), kBadArgument);
  EXPECT_EQ(store.Delete(INT32_MIN, 5, out, sizeof out), kBadArgument);
  EXPECT_EQ(store.CopyOut(-1, 3, out, sizeof out), kBadArgument);
  EXPECT_EQ(store.CopyOut(1, -3, out, sizeof out), kBadArgument);
  EXPECT_EQ(store.CopyOut(1, 3, out, -1), kBadArgument);
  EXPECT_TRUE(Take() == before);
  EXPECT_STREQ(out, "");
}

TEST_F(TextStoreTest, DeletingMoreThanRemainsRemovesOnlyTheRest) {
  ASSERT_EQ(store.Insert("abcdef", 0), kDone);
  char out[16];
  EXPECT_EQ(store.Delete(4, 100, out, sizeof out), kDone);
  EXPECT_EQ(Text(), "abcd");
  EXPECT_STREQ(out, "ef");
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "abcdef");
  EXPECT_EQ(store.Delete(7, 1), kBadArgument);
  EXPECT_EQ(store.Delete(6, 1), kDone);  // at the end: nothing to remove
  EXPECT_EQ(Text(), "abcdef");
}

// With recording suppressed the count used to go unlimited, moving bytes from beyond the block.
TEST_F(TextStoreTest, DeleteLimitsTheCountAlsoWhenNotRecording) {
  ASSERT_EQ(store.Insert("abcdef", 0), kDone);
  store.suppressRecording = 1;
  EXPECT_EQ(store.Delete(2, INT32_MAX), kDone);
  EXPECT_EQ(Text(), "ab");
  EXPECT_EQ(store.Delete(0, 1000000), kDone);
  EXPECT_EQ(Text(), "");
  store.suppressRecording = 0;
  EXPECT_EQ(store.History().UndoCount(), 1);  // only the recorded insert
}

TEST_F(TextStoreTest, DeleteIntoABufferTooSmallIsRefused) {
  ASSERT_EQ(store.Insert("abcdef", 0), kDone);
  Snapshot before = Take();
  char out[4] = "zzz";
  EXPECT_EQ(store.Delete(1, 4, out, 4), kBadArgument);  // 4 bytes need 5
  EXPECT_TRUE(Take() == before);
  EXPECT_STREQ(out, "zzz");
  char exact[5];
  EXPECT_EQ(store.Delete(1, 4, exact, 5), kDone);
  EXPECT_STREQ(exact, "bcde");
}

TEST_F(TextStoreTest, CopyOutCopiesWhatFitsWithoutATerminator) {
  ASSERT_EQ(store.Insert("abcdef", 0), kDone);
  char out[8];
  std::memset(out, '#', sizeof out);
  EXPECT_EQ(store.CopyOut(2, 100, out, sizeof out), 4);
  EXPECT_EQ(std::string(out, 8), "cdef####");
  std::memset(out, '#', sizeof out);
  EXPECT_EQ(store.CopyOut(0, 6, out, 3), 3);
  EXPECT_EQ(std::string(out, 8), "abc#####");
  EXPECT_EQ(store.CopyOut(6, 5, out, sizeof out), 0);
  EXPECT_EQ(store.CopyOut(7, 1, out, sizeof out), kBadArgument);
  EXPECT_EQ(store.CopyOut(0, 1, nullptr, 5), kBadArgument);
}

TEST_F(TextStoreTest, AnInsertFromTheTextItselfIsCopiedBeforeTheTextMoves) {
  ASSERT_EQ(store.Insert("abc", 0), kDone);
  EXPECT_EQ(store.Insert(store.Text() + 1, 1), kDone);
  EXPECT_EQ(Text(), "abcbc");
  std::string big(3000, 'q');
  ASSERT_EQ(store.Insert(big.c_str(), 5), kDone);
  EXPECT_EQ(store.Insert(store.Text(), 0), kDone);  // the whole text, and a larger block is needed
  EXPECT_EQ(Text(), "abcbc" + big + "abcbc" + big);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "abcbc" + big);
}

TEST_F(TextStoreTest, AFailedGrowthChangesNothingAndRecordsNoStep) {
  ASSERT_EQ(store.Insert("first", 0), kDone);
  ASSERT_EQ(store.Insert(" second", 5), kDone);
  Snapshot before = Take();
  std::string big(5000, 'b');
  allocator.FailFromNow();
  EXPECT_EQ(store.Insert(big.c_str(), 5), kNoMemory);
  allocator.Succeed();
  EXPECT_TRUE(Take() == before);
  // Undo takes back the last insert that happened, not the one that failed.
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "first");
}

// Undo of a delete re-inserts its bytes, which may need a larger block; when it cannot be had the
// position in the history must stay, so that a later Undo still applies the right step.
TEST_F(TextStoreTest, UndoAndRedoMoveInTheHistoryOnlyWhenTheirEditHappened) {
  std::string big(9000, 'd');
  ASSERT_EQ(store.Insert(("<" + big + ">").c_str(), 0), kDone);
  ASSERT_EQ(store.Delete(1, 9000), kDone);  // the block shrinks
  ASSERT_EQ(Text(), "<>");
  Snapshot afterDelete = Take();
  allocator.FailFromNow();
  EXPECT_EQ(store.Undo(), kNoMemory);
  EXPECT_TRUE(Take() == afterDelete);
  allocator.Succeed();
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "<" + big + ">");
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "");
  store.suppressRecording = 1;
  ASSERT_EQ(store.Insert("<>", 0), kDone);  // a tiny text: redoing the big insert must grow
  store.suppressRecording = 0;
  Snapshot small = Take();
  allocator.FailFromNow();
  EXPECT_EQ(store.Redo(), kNoMemory);
  EXPECT_TRUE(Take() == small);
  allocator.Succeed();
  ASSERT_EQ(store.Redo(), 1);
  EXPECT_EQ(Text(), "<" + big + "><>");
}

TEST_F(TextStoreTest, AfterFortyInsertsThirtyOneUndosLeaveTheTextOfTheNinth) {
  std::string typed;
  for (int i = 0; i < 40; ++i) {
    char c[2] = {static_cast<char>('a' + i % 26), 0};
    ASSERT_EQ(store.Insert(c, store.Length()), kDone);
    typed += c;
  }
  for (int i = 0; i < 31; ++i) ASSERT_EQ(store.Undo(), 1) << i;
  EXPECT_EQ(Text(), typed.substr(0, 9));
  EXPECT_EQ(store.Undo(), 0);
  EXPECT_EQ(Text(), typed.substr(0, 9));
  for (int i = 0; i < 31; ++i) ASSERT_EQ(store.Redo(), 1) << i;
  EXPECT_EQ(store.Redo(), 0);
  EXPECT_EQ(Text(), typed);
}

TEST_F(TextStoreTest, ANewEditAfterUndoDiscardsTheRedoBranch) {
  ASSERT_EQ(store.Insert("abc", 0), kDone);
  ASSERT_EQ(store.Insert("def", 3), kDone);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_TRUE(store.CanRedo());
  ASSERT_EQ(store.Insert("X", 0), kDone);
  EXPECT_FALSE(store.CanRedo());
  EXPECT_EQ(store.Redo(), 0);
  ASSERT_EQ(store.Undo(), 1);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "");
}

TEST_F(TextStoreTest, UndoRestoresTheSelectionAndRedoCollapsesItAtTheOldCaret) {
  ASSERT_EQ(store.Insert("hello cruel world, and more", 0), kDone);
  Select(6, 12, 12);  // "cruel " selected, caret at its end
  ASSERT_EQ(store.Delete(6, 6), kDone);
  Select(6, 6, 6);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), "hello cruel world, and more");
  EXPECT_EQ(store.selStart, 6);
  EXPECT_EQ(store.selEnd, 12);
  EXPECT_EQ(store.caret, 12);
  ASSERT_EQ(store.Redo(), 1);
  EXPECT_EQ(Text(), "hello world, and more");
  EXPECT_EQ(store.selStart, 12);
  EXPECT_EQ(store.selEnd, 12);
  EXPECT_EQ(store.caret, 12);
}

// The caret a step started from may lie beyond the text the redo leaves: it stops at the end.
TEST_F(TextStoreTest, RedoNeverLeavesTheCaretBeyondTheText) {
  ASSERT_EQ(store.Insert("abcdef", 0), kDone);
  Select(2, 6, 6);
  ASSERT_EQ(store.Delete(2, 4), kDone);
  ASSERT_EQ(store.Undo(), 1);
  ASSERT_EQ(store.Redo(), 1);
  EXPECT_EQ(Text(), "ab");
  EXPECT_EQ(store.caret, 2);
  EXPECT_EQ(store.selStart, 2);
  EXPECT_EQ(store.selEnd, 2);
}

TEST_F(TextStoreTest, EditsOfNoBytesRecordNoStep) {
  ASSERT_EQ(store.Insert("abc", 0), kDone);
  store.modified = 0;
  EXPECT_EQ(store.Insert("", 1), kDone);
  EXPECT_EQ(store.Delete(1, 0), kDone);
  EXPECT_EQ(store.Delete(3, 5), kDone);
  EXPECT_EQ(store.History().UndoCount(), 1);
  EXPECT_EQ(store.modified, 1);
}

TEST_F(TextStoreTest, UnrecordedEditsStillSetModified) {
  store.suppressRecording = 1;
  ASSERT_EQ(store.Insert("abc", 0), kDone);
  EXPECT_EQ(store.modified, 1);
  store.modified = 0;
  ASSERT_EQ(store.Delete(0, 1), kDone);
  EXPECT_EQ(store.modified, 1);
  EXPECT_FALSE(store.CanUndo());
}

// A typed byte taken back at the growth boundary used to copy the whole text twice.
TEST_F(TextStoreTest, TypingAndDeletingAtTheBoundaryKeepsTheBlock) {
  store.suppressRecording = 1;  // only the text block allocates below
  std::string text(5000, 'a');
  ASSERT_EQ(store.Insert(text.c_str(), 0), kDone);
  // Fill up to the point where the next byte needs a larger block.
  while (store.Capacity() >= store.Length() + 1 + TextStore::kMinimumSpare) {
    ASSERT_EQ(store.Insert("a", store.Length()), kDone);
  }
  for (int round = 0; round < 3; ++round) {
    ASSERT_EQ(store.Insert("x", store.Length()), kDone);
    std::int32_t grown = store.Capacity();
    int allocations = allocator.allocations;
    ASSERT_EQ(store.Delete(store.Length() - 1, 1), kDone);
    ASSERT_EQ(store.Insert("y", store.Length()), kDone);
    ASSERT_EQ(store.Delete(store.Length() - 1, 1), kDone);
    EXPECT_EQ(store.Capacity(), grown);
    EXPECT_EQ(allocator.allocations, allocations);
  }
}

TEST_F(TextStoreTest, TheBlockShrinksOnceMoreThan8KAreIdle) {
  std::string text(20000, 'a');
  ASSERT_EQ(store.Insert(text.c_str(), 0), kDone);
  EXPECT_EQ(store.Capacity(), 20000 + TextStore::kGrowthSpare);
  ASSERT_EQ(store.Delete(0, 6000), kDone);  // 8048 idle: kept
  EXPECT_EQ(store.Capacity(), 20000 + TextStore::kGrowthSpare);
  ASSERT_EQ(store.Delete(0, 200), kDone);   // 8248 idle: shrinks
  EXPECT_EQ(store.Capacity(), 13800 + TextStore::kMinimumSpare);
  EXPECT_EQ(Text(), std::string(13800, 'a'));
}

// The delete has happened when the smaller block is asked for; failing to get it is no failure.
TEST_F(TextStoreTest, AFailedShrinkStillDeletes) {
  std::string text(20000, 'a');
  text[19999] = 'z';
  ASSERT_EQ(store.Insert(text.c_str(), 0), kDone);
  std::int32_t capacity = store.Capacity();
  allocator.allowed = 1;  // room in the history, then no smaller block
  EXPECT_EQ(store.Delete(0, 10000), kDone);
  allocator.Succeed();
  EXPECT_EQ(store.Capacity(), capacity);
  EXPECT_EQ(Text(), std::string(9999, 'a') + "z");
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), text);
}

TEST_F(TextStoreTest, MeasureFindsTheTerminatorAHostWrote) {
  ASSERT_EQ(store.Insert("abcdef", 0), kDone);
  store.BlockData()[3] = '\0';
  EXPECT_EQ(store.Measure(), 3);
  EXPECT_EQ(Text(), "abc");
  std::memset(store.BlockData(), 'x', static_cast<std::size_t>(store.Capacity()));
  EXPECT_EQ(store.Measure(), store.Capacity() - 1);
  EXPECT_EQ(store.Text()[store.Length()], '\0');
}

TEST_F(TextStoreTest, SetTextReplacesEverythingWithoutRecording) {
  ASSERT_EQ(store.Insert("old", 0), kDone);
  Select(1, 2, 2);
  store.modified = 0;
  ASSERT_EQ(store.SetText("brand new\r\ntext"), kDone);
  EXPECT_EQ(Text(), "brand new\r\ntext");
  EXPECT_EQ(store.modified, 1);
  EXPECT_EQ(store.History().UndoCount(), 1);
  EXPECT_EQ(store.caret, 2);
  EXPECT_EQ(store.selStart, 1);
  ASSERT_EQ(store.SetText(store.Text() + 6), kDone);  // from the text itself
  EXPECT_EQ(Text(), "new\r\ntext");
  std::string big(50000, 'b');
  ASSERT_EQ(store.SetText(big.c_str()), kDone);
  ASSERT_EQ(store.SetText("tiny"), kDone);
  EXPECT_EQ(store.Capacity(), 4 + TextStore::kMinimumSpare);
  EXPECT_EQ(store.SetText(nullptr), kBadArgument);
}

// Deleting the old text first and then inserting the new one would leave an empty control when the
// insert fails for want of memory.
TEST_F(TextStoreTest, AFailedSetTextKeepsTheOldText) {
  ASSERT_EQ(store.SetText("precious"), kDone);
  store.modified = 0;
  Snapshot before = Take();
  std::string big(100000, 'b');
  allocator.FailFromNow();
  EXPECT_EQ(store.SetText(big.c_str()), kNoMemory);
  allocator.Succeed();
  EXPECT_TRUE(Take() == before);
}

TEST_F(TextStoreTest, AStepThatNoLongerFitsTheTextIsRefused) {
  ASSERT_EQ(store.Insert("a long line of text", 0), kDone);
  ASSERT_EQ(store.SetText("short"), kDone);
  Snapshot before = Take();
  EXPECT_EQ(store.Undo(), kBadArgument);
  EXPECT_TRUE(Take() == before);
}

TEST_F(TextStoreTest, AStoreThatGotNoBlockWorksOnceMemoryIsThere) {
  testsupport::FailingAllocator none;
  none.FailFromNow();
  TextStore empty(none);
  EXPECT_EQ(empty.Capacity(), 0);
  EXPECT_EQ(empty.BlockData(), nullptr);
  EXPECT_STREQ(empty.Text(), "");
  EXPECT_EQ(empty.Measure(), 0);
  EXPECT_EQ(empty.Delete(0, 5), kDone);
  char out[2] = "z";
  EXPECT_EQ(empty.CopyOut(0, 1, out, 1), 0);
  EXPECT_EQ(empty.Insert("x", 0), kNoMemory);
  none.Succeed();
  EXPECT_EQ(empty.Insert("x", 0), kDone);
  EXPECT_STREQ(empty.Text(), "x");
  EXPECT_EQ(empty.Undo(), 1);
  EXPECT_STREQ(empty.Text(), "");
}

TEST_F(TextStoreTest, BinaryBytesAndLoneLineEndsSurviveEditsAndUndo) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  bytes += "\r\r\n\n\r";
  ASSERT_EQ(store.Insert(bytes.c_str(), 0), kDone);
  ASSERT_EQ(store.Insert(bytes.c_str(), 100), kDone);
  ASSERT_EQ(store.Delete(50, 300), kDone);
  ASSERT_EQ(store.Undo(), 1);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), bytes);
  EXPECT_EQ(CountLineEnds(store.Text(), store.Length()), 2 + 4);  // bytes 10 and 13; CR, CR LF, LF, CR
}

TEST_F(TextStoreTest, AMillionCharacterLineIsEditedAndUndone) {
  std::string line(1000000, 'm');
  ASSERT_EQ(store.Insert(line.c_str(), 0), kDone);
  ASSERT_EQ(store.Insert("\r\n", 500000), kDone);
  ASSERT_EQ(store.Delete(0, 999999), kDone);
  EXPECT_EQ(store.Length(), 3);
  ASSERT_EQ(store.Undo(), 1);
  ASSERT_EQ(store.Undo(), 1);
  EXPECT_EQ(Text(), line);
  EXPECT_EQ(LineColumn(store.Text(), store.Length(), store.Length()).column, 1000000);
}

// Every operation run with no memory to be had either succeeds without memory or fails and leaves
// the store exactly as it was.
TEST_F(TextStoreTest, EveryOperationFailsWithoutATraceWhenMemoryRunsOut) {
  std::string big(30000, 'g');
  std::vector<std::pair<const char*, std::function<int()>>> steps = {
      {"insert big", [&] { return store.Insert(big.c_str(), 0); }},
      {"insert small", [&] { return store.Insert("ab\r\ncd", 3); }},
      {"delete most", [&] { return store.Delete(1, 29000); }},
      {"undo", [&] { return store.Undo(); }},
      {"undo again", [&] { return store.Undo(); }},
      {"redo", [&] { return store.Redo(); }},
      {"set text", [&] { return store.SetText(big.c_str()); }},
      {"insert from itself", [&] { return store.Insert(store.Text() + 10, 5); }},
      {"select all", [&] { Select(0, store.Length(), 0); return 0; }},
      {"indent", [&] { return store.IndentSelection(4); }},
      {"outdent", [&] { return store.OutdentSelection(2); }},
  };
  for (auto& step : steps) {
    SCOPED_TRACE(step.first);
    Snapshot before = Take();
    allocator.FailFromNow();
    int result = step.second();
    allocator.Succeed();
    if (result < 0) {
      EXPECT_EQ(result, kNoMemory);
      EXPECT_TRUE(Take() == before);
      result = step.second();
    }
    ASSERT_GE(result, 0);
  }
  EXPECT_EQ(allocator.live, 2);  // the text block and the history's, nothing leaked
}

}  // namespace
