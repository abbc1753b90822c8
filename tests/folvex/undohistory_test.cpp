// Tests of the undo history: 31 kept steps, the discarded redo branch, growth and reclaiming.
#include "folvex/undohistory.h"

#include <gtest/gtest.h>

#include <string>

#include "failing_allocator.h"

namespace {

using namespace folvex;

class UndoHistoryTest : public ::testing::Test {
 protected:
  testsupport::FailingAllocator allocator;
  UndoHistory history{allocator};

  void Record(const std::string& bytes, std::int32_t position = 0, std::int32_t kind = kStepInsert) {
    ASSERT_TRUE(history.Reserve(static_cast<std::int64_t>(bytes.size())));
    history.Record(kind, position, bytes.data(), static_cast<std::int32_t>(bytes.size()),
                   EditPoints{position, position, position});
  }
  std::string BytesOf(const UndoRecord* step) {
    return step == nullptr ? "<none>" : std::string(history.BytesOf(*step), static_cast<std::size_t>(step->count));
  }
  // The bytes of every undoable step, newest first, walking back and then forward again.
  std::string KeptBytes() {
    std::string all;
    int steps = 0;
    while (history.CanUndo()) {
      all += BytesOf(history.NextUndo()) + "|";
      history.StepBack();
      ++steps;
    }
    while (steps-- > 0) history.StepForward();
    return all;
  }
};

TEST_F(UndoHistoryTest, TheThirtySecondStepPushesOutTheOldest) {
  for (int i = 0; i < 31; ++i) Record(std::string(1, static_cast<char>('A' + i)), i);
  EXPECT_EQ(history.UndoCount(), 31);
  Record("!", 31);
  EXPECT_EQ(history.UndoCount(), 31);
  EXPECT_EQ(history.UndoTop(), 31);
  EXPECT_EQ(BytesOf(history.NextUndo()), "!");
  std::string kept = KeptBytes();
  EXPECT_EQ(kept.substr(kept.size() - 2), "B|");  // 'A' went out
  EXPECT_EQ(history.NextUndo()->position, 31);
}

TEST_F(UndoHistoryTest, RecordingAfterUndoDiscardsTheRedoStepsAndReusesTheirBytes) {
  Record("one");
  Record("two");
  std::int32_t afterOne = 3;
  history.StepBack();
  EXPECT_TRUE(history.CanRedo());
  EXPECT_EQ(BytesOf(history.NextRedo()), "two");
  Record("xy");
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.UndoTop(), 2);
  EXPECT_EQ(history.NextUndo()->dataOffset, afterOne);
  EXPECT_EQ(history.BytesInUse(), afterOne + 2);
  EXPECT_EQ(KeptBytes(), "xy|one|");
}

TEST_F(UndoHistoryTest, AFailedReserveKeepsTheRedoStepsWhole) {
  Record("keep");
  Record(std::string(900, 'r'));
  history.StepBack();
  allocator.FailFromNow();
  EXPECT_FALSE(history.Reserve(5000));
  allocator.Succeed();
  EXPECT_TRUE(history.CanRedo());
  EXPECT_EQ(BytesOf(history.NextRedo()), std::string(900, 'r'));
  EXPECT_EQ(BytesOf(history.NextUndo()), "keep");
}

TEST_F(UndoHistoryTest, GrowthKeepsEveryStepsBytes) {
  Record("small");
  Record(std::string(5000, 'b'));
  EXPECT_GE(history.Capacity(), 5005);
  EXPECT_EQ(history.Capacity() % UndoHistory::kGrowthStep, 0);
  EXPECT_EQ(KeptBytes(), std::string(5000, 'b') + "|small|");
}

// Typing records one byte per step for ever; the block must not grow with the number of steps.
TEST_F(UndoHistoryTest, BytesOfPushedOutStepsAreReclaimed) {
  for (int i = 0; i < 100000; ++i) Record(std::string(1, static_cast<char>('a' + i % 26)), i);
  EXPECT_LE(history.Capacity(), 4 * UndoHistory::kGrowthStep);
  EXPECT_LE(history.BytesInUse(), UndoHistory::kReclaimThreshold + 31 + 1);
  std::string expected;
  for (int i = 99999; i > 99999 - 31; --i) expected += std::string(1, static_cast<char>('a' + i % 26)) + "|";
  EXPECT_EQ(KeptBytes(), expected);
}

TEST_F(UndoHistoryTest, LargeStepsAreReclaimedOnceTheyAreOut) {
  for (int i = 0; i < 31; ++i) Record(std::string(100000, static_cast<char>('A' + i)));
  for (int i = 0; i < 62; ++i) Record(std::string(1, static_cast<char>('a' + i % 26)));
  // Only one-byte steps are kept now; the large ones' bytes are gone from the block.
  EXPECT_LE(history.BytesInUse(), UndoHistory::kReclaimThreshold + 31 + 1);
  EXPECT_EQ(KeptBytes().size(), 62u);
}

TEST_F(UndoHistoryTest, AFailedReclaimOnlyPostponesIt) {
  for (int i = 0; i < 31; ++i) Record(std::string(200, 'x'));
  // Each one-byte step pushes out a 200-byte one; at the 16th the dead bytes outweigh the kept ones.
  for (int i = 0; i < 15; ++i) Record("s");
  std::int32_t inUse = history.BytesInUse();
  allocator.FailFromNow();
  ASSERT_TRUE(history.Reserve(1));  // fits: needs no allocation
  history.Record(kStepDelete, 7, "z", 1, EditPoints{1, 2, 3});
  EXPECT_EQ(history.BytesInUse(), inUse + 1);  // not reclaimed
  allocator.Succeed();
  EXPECT_EQ(BytesOf(history.NextUndo()), "z");
  EXPECT_EQ(history.NextUndo()->kind, kStepDelete);
  EXPECT_EQ(history.NextUndo()->selEnd, 3);
  Record("w");
  EXPECT_LT(history.BytesInUse(), inUse / 2);  // reclaimed now
  std::string kept = KeptBytes();
  EXPECT_EQ(kept.substr(0, 6), "w|z|s|");
  EXPECT_EQ(kept.substr(kept.size() - 201), std::string(200, 'x') + "|");
}

TEST_F(UndoHistoryTest, AHistoryWithoutABlockMakesOneWhenNeeded) {
  testsupport::FailingAllocator none;
  none.FailFromNow();
  UndoHistory empty(none);
  EXPECT_EQ(empty.Capacity(), 0);
  EXPECT_FALSE(empty.Reserve(1));
  none.Succeed();
  ASSERT_TRUE(empty.Reserve(3));
  empty.Record(kStepInsert, 0, "abc", 3, EditPoints{0, 0, 0});
  EXPECT_EQ(std::string(empty.BytesOf(*empty.NextUndo()), 3), "abc");
}

}  // namespace
