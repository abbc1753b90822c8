// The keyboard filter's decisions: shortcut table, flag keeping, Tab stops.
#include "shell/keyfilter.h"

#include <gtest/gtest.h>

#include <string>

namespace shell {
namespace {

class KeyFilterTest : public ::testing::Test {
 protected:
  KeyAction Down(int key, bool spaceTabs = false) { return FilterKey(KeyMessage::kKeyDown, key, spaceTabs, flags); }
  KeyAction Up(int key) { return FilterKey(KeyMessage::kKeyUp, key, false, flags); }
  KeyAction SysDown(int key) { return FilterKey(KeyMessage::kSysKeyDown, key, false, flags); }
  KeyAction SysUp(int key) { return FilterKey(KeyMessage::kSysKeyUp, key, false, flags); }

  static void ExpectPost(const KeyAction& a, KeyTarget target, int command) {
    EXPECT_EQ(a.effect, KeyEffect::kPostCommand);
    EXPECT_EQ(a.target, target);
    EXPECT_EQ(a.command, command);
    EXPECT_TRUE(a.consumed);
  }
  static void ExpectNothing(const KeyAction& a) {
    EXPECT_EQ(a.effect, KeyEffect::kNone);
    EXPECT_FALSE(a.consumed);
  }

  KeyFlags flags;
};

struct ControlRow {
  char letter;
  KeyTarget target;
  int command;
  bool clearsControl;
};

TEST_F(KeyFilterTest, ControlLettersFollowTheTable) {
  const ControlRow rows[] = {
      {'N', KeyTarget::kFrame, 10104, true},        {'O', KeyTarget::kFrame, 10102, true},
      {'S', KeyTarget::kFrame, 10105, true},        {'Z', KeyTarget::kActiveChild, 10201, false},
      {'R', KeyTarget::kActiveChild, 10202, false}, {'X', KeyTarget::kActiveChild, 11421, false},
      {'C', KeyTarget::kActiveChild, 11422, false}, {'V', KeyTarget::kActiveChild, 11423, false},
      {'A', KeyTarget::kActiveChild, 11431, false}, {'Y', KeyTarget::kActiveChild, 1480, false},
      {'E', KeyTarget::kActiveChild, 11481, true},  {'F', KeyTarget::kActiveChild, 11433, true},
      {'G', KeyTarget::kActiveChild, 11434, false}, {'H', KeyTarget::kActiveChild, 11435, true},
      {'L', KeyTarget::kActiveChild, 11436, true},
  };
  for (const ControlRow& row : rows) {
    SCOPED_TRACE(std::string("Ctrl+") + row.letter);
    flags = KeyFlags();
    ExpectNothing(Down(vk::kControl));
    EXPECT_TRUE(flags.control);
    ExpectPost(Down(row.letter), row.target, row.command);
    EXPECT_EQ(flags.control, !row.clearsControl);
  }
}

TEST_F(KeyFilterTest, ControlStaysHeldAcrossEditingLetters) {
  Down(vk::kControl);
  ExpectPost(Down('C'), KeyTarget::kActiveChild, 11422);
  ExpectPost(Down('V'), KeyTarget::kActiveChild, 11423);
  ExpectNothing(Up(vk::kControl));
  ExpectNothing(Down('V'));
}

TEST_F(KeyFilterTest, ControlWithFunctionKeysInsertAndTab) {
  Down(vk::kControl);
  ExpectPost(Down(vk::kInsert), KeyTarget::kActiveChild, 11422);
  ExpectPost(Down(vk::kTab, true), KeyTarget::kActiveChild, 11471);
  EXPECT_TRUE(flags.control);
  ExpectPost(Down(vk::kF9), KeyTarget::kFrame, 5001);
  EXPECT_FALSE(flags.control);

  Down(vk::kControl);
  KeyAction fault = Down(vk::kF12);
  EXPECT_EQ(fault.effect, KeyEffect::kRaiseFault);
  EXPECT_TRUE(fault.consumed);
  EXPECT_FALSE(flags.control);
}

TEST_F(KeyFilterTest, UnknownControlKeyPassesThrough) {
  Down(vk::kControl);
  ExpectNothing(Down('B'));
  ExpectNothing(Down(vk::kF3));
  EXPECT_TRUE(flags.control);
}

TEST_F(KeyFilterTest, ShiftKeys) {
  ExpectNothing(Down(vk::kShift));
  ExpectPost(Down(vk::kDelete), KeyTarget::kActiveChild, 11421);
  ExpectPost(Down(vk::kInsert), KeyTarget::kActiveChild, 11423);
  // Shift+F9 posts make as F9 does: the frame's make command sees Shift and compiles instead.
  ExpectPost(Down(vk::kF9), KeyTarget::kFrame, 5004);
  EXPECT_TRUE(flags.shift);
  ExpectNothing(Down(vk::kF1));
  ExpectNothing(Up(vk::kShift));
  EXPECT_FALSE(flags.shift);
  ExpectPost(Down(vk::kF9), KeyTarget::kFrame, 5004);
}

TEST_F(KeyFilterTest, ShiftControlF9RunsWithShiftStillNoted) {
  Down(vk::kShift);
  Down(vk::kControl);
  ExpectPost(Down(vk::kF9), KeyTarget::kFrame, 5001);
  EXPECT_TRUE(flags.shift);
}

TEST_F(KeyFilterTest, PlainKeys) {
  ExpectPost(Down(vk::kF1), KeyTarget::kFrame, 9000);
  ExpectPost(Down(vk::kF3), KeyTarget::kActiveChild, 11434);
  ExpectPost(Down(vk::kF9), KeyTarget::kFrame, 5004);
  ExpectPost(Down(vk::kDelete), KeyTarget::kActiveChild, 11424);
  ExpectNothing(Down('N'));
  ExpectNothing(Down(vk::kInsert));
}

TEST_F(KeyFilterTest, TabInsertsSpacesOnlyWithSpaceTabs) {
  KeyAction on = Down(vk::kTab, true);
  EXPECT_EQ(on.effect, KeyEffect::kInsertSpaces);
  EXPECT_TRUE(on.consumed);
  ExpectNothing(Down(vk::kTab, false));
}

TEST_F(KeyFilterTest, AltFlagAndAltBackspace) {
  ExpectNothing(SysDown(vk::kMenu));
  EXPECT_TRUE(flags.alt);
  ExpectPost(SysDown(vk::kBack), KeyTarget::kActiveChild, 10201);
  ExpectNothing(SysUp(vk::kMenu));
  EXPECT_FALSE(flags.alt);
  ExpectNothing(SysDown(vk::kBack));
}

TEST_F(KeyFilterTest, KeyDownClearsAltAndAltClearsControl) {
  SysDown(vk::kMenu);
  Down('Q');
  EXPECT_FALSE(flags.alt);
  Down(vk::kControl);
  EXPECT_TRUE(flags.control);
  Down(vk::kMenu);
  EXPECT_FALSE(flags.control);
  EXPECT_TRUE(flags.alt);
}

TEST_F(KeyFilterTest, OtherMessagesChangeNothing) {
  Down(vk::kControl);
  ExpectNothing(FilterKey(KeyMessage::kOther, 'N', true, flags));
  EXPECT_TRUE(flags.control);
}

TEST(SpacesToNextTabStopTest, FillsToTheNextStop) {
  EXPECT_EQ(SpacesToNextTabStop(0, 2), 2);
  EXPECT_EQ(SpacesToNextTabStop(1, 2), 1);
  EXPECT_EQ(SpacesToNextTabStop(3, 4), 1);
  EXPECT_EQ(SpacesToNextTabStop(4, 4), 4);
  EXPECT_EQ(SpacesToNextTabStop(10, 8), 6);
}

TEST(SpacesToNextTabStopTest, WidthsOutsideTheRangeStayWithinTheSpaceRun) {
  EXPECT_EQ(SpacesToNextTabStop(0, 0), 2);     // no width: the setting's default
  EXPECT_EQ(SpacesToNextTabStop(1, -5), 1);
  EXPECT_EQ(SpacesToNextTabStop(0, 40), kMaxSpaceRun);
  EXPECT_EQ(SpacesToNextTabStop(5, 1000), kMaxSpaceRun - 5);
  EXPECT_EQ(SpacesToNextTabStop(-1, 4), 4);    // a control without a caret column
}

}  // namespace
}  // namespace shell
