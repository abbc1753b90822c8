// The compiler's function instrumentation feeds the call history: this file is built with
// -finstrument-functions, as the program's own code is.
#include <gtest/gtest.h>

#include <cstdint>

#include "shell/callhistory.h"

namespace {

volatile int gSink = 0;

__attribute__((noinline)) void Inner() { gSink = gSink + 1; }

__attribute__((noinline)) void Outer() {
  Inner();
  gSink = gSink + 2;
}

__attribute__((noinline)) int EarlyReturn(int value) {
  if (value > 0) return value;
  Inner();
  return -value;
}

std::uintptr_t Address(void (*function)()) { return reinterpret_cast<std::uintptr_t>(function); }

// The slots written since `from`, in order.
std::vector<std::uintptr_t> EventsSince(const diag::CallHistory& before, unsigned count) {
  std::vector<std::uintptr_t> events;
  for (unsigned k = 0; k < count; ++k) {
    events.push_back(diag::gCallHistory.slots[(before.index + k) % diag::kHistorySlots]);
  }
  return events;
}

TEST(CallHooksTest, EveryEntryAndExitOfInstrumentedCodeIsRecorded) {
  diag::CallHistory before = diag::gCallHistory;
  Outer();
  diag::CallHistory after = diag::gCallHistory;
  ASSERT_EQ((after.index + diag::kHistorySlots - before.index) % diag::kHistorySlots, 4u);
  std::vector<std::uintptr_t> events = EventsSince(before, 4);
  EXPECT_EQ(events[0], Address(&Outer));
  EXPECT_EQ(events[1], Address(&Inner));
  EXPECT_EQ(events[2], 0u);
  EXPECT_EQ(events[3], 0u);
}

TEST(CallHooksTest, AnEarlyReturnIsAnExitToo) {
  diag::CallHistory before = diag::gCallHistory;
  EXPECT_EQ(EarlyReturn(3), 3);
  diag::CallHistory after = diag::gCallHistory;
  ASSERT_EQ((after.index + diag::kHistorySlots - before.index) % diag::kHistorySlots, 2u);
  EXPECT_NE(diag::gCallHistory.slots[before.index], 0u);
  EXPECT_EQ(diag::gCallHistory.slots[(before.index + 1) % diag::kHistorySlots], 0u);
}

TEST(CallHooksTest, MoreThanThirtyTwoEventsKeepTheLastThirtyTwo) {
  for (int i = 0; i < 20; ++i) Outer();  // 80 events
  // The last two calls of Outer fill the newest 8 slots: Outer, Inner, 0, 0, twice.
  unsigned index = diag::gCallHistory.index;
  for (unsigned k = 1; k <= 8; k += 4) {
    EXPECT_EQ(diag::gCallHistory.slots[(index + 32 - k) % 32], 0u);
    EXPECT_EQ(diag::gCallHistory.slots[(index + 32 - k - 1) % 32], 0u);
    EXPECT_EQ(diag::gCallHistory.slots[(index + 32 - k - 2) % 32], Address(&Inner));
    EXPECT_EQ(diag::gCallHistory.slots[(index + 32 - k - 3) % 32], Address(&Outer));
  }
}

}  // namespace
