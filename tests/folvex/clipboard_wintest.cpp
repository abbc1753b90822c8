// Window tests: cut, copy, paste and clear through the real clipboard.
#include "wintest_support.h"

namespace wintest {
namespace {

class ClipboardTest : public FolvexWinTest {};

TEST_F(ClipboardTest, CopyPutsTheSelectionOnTheClipboardQuietly) {
  Create(FVS_EDITABLE, "copy this part");
  ASSERT_TRUE(SetClipboardText(parent_, "old"));
  FolvexSetSel(control_, 5, 9);
  Clear();
  SendMessageA(control_, WM_COPY, 0, 0);
  EXPECT_EQ(ClipboardText(parent_), "this");
  EXPECT_EQ(TextOf(control_), "copy this part");
  EXPECT_LOG({});
}

TEST_F(ClipboardTest, CopyWithoutASelectionLeavesTheClipboard) {
  Create(FVS_EDITABLE, "abc");
  ASSERT_TRUE(SetClipboardText(parent_, "kept"));
  SendMessageA(control_, WM_COPY, 0, 0);
  EXPECT_EQ(ClipboardText(parent_), "kept");
}

TEST_F(ClipboardTest, CutMovesTheSelectionToTheClipboard) {
  Create(FVS_EDITABLE, "one\r\ntwo\r\nthree");
  FolvexSetSel(control_, 3, 10);
  Clear();
  SendMessageA(control_, WM_CUT, 0, 0);
  EXPECT_EQ(ClipboardText(parent_), "\r\ntwo\r\n");
  EXPECT_EQ(TextOf(control_), "onethree");
  EXPECT_EQ(Snap(control_), (Snapshot{3, 3, 3, 0, 0}));
  EXPECT_EQ(SendMessageA(control_, EM_GETLINECOUNT, 0, 0), 0);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(control_), "one\r\ntwo\r\nthree");
}

TEST_F(ClipboardTest, CutWithoutASelectionStillNotifies) {
  Create(FVS_EDITABLE, "abc");
  ASSERT_TRUE(SetClipboardText(parent_, "kept"));
  Clear();
  SendMessageA(control_, WM_CUT, 0, 0);
  EXPECT_EQ(ClipboardText(parent_), "kept");
  EXPECT_EQ(TextOf(control_), "abc");
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
}

TEST_F(ClipboardTest, PasteReplacesTheSelectionAndCountsTheNewLines) {
  Create(FVS_EDITABLE, "head [old] tail");
  ASSERT_TRUE(SetClipboardText(parent_, "new\r\nlines\r\n"));
  FolvexSetSel(control_, 5, 10);
  Clear();
  SendMessageA(control_, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(control_), "head new\r\nlines\r\n tail");
  EXPECT_EQ(Snap(control_), (Snapshot{17, 17, 17, 2, 0}));
  EXPECT_EQ(SendMessageA(control_, EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
  // The selection's removal and the insertion are two steps.
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(control_), "head  tail");
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(control_), "head [old] tail");
}

TEST_F(ClipboardTest, PasteWithoutClipboardTextChangesNothingButNotifies) {
  Create(FVS_EDITABLE, "keep [this]");
  ASSERT_TRUE(EmptyTheClipboard(parent_));
  FolvexSetSel(control_, 5, 11);
  Clear();
  SendMessageA(control_, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(control_), "keep [this]");
  EXPECT_EQ(Snap(control_), (Snapshot{5, 11, 11, 0, 0}));
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
}

TEST_F(ClipboardTest, ClearDeletesTheSelectionWithoutTouchingTheClipboard) {
  Create(FVS_EDITABLE, "abcdef");
  ASSERT_TRUE(SetClipboardText(parent_, "kept"));
  FolvexSetSel(control_, 1, 3);
  Clear();
  SendMessageA(control_, WM_CLEAR, 0, 0);
  EXPECT_EQ(TextOf(control_), "adef");
  EXPECT_EQ(ClipboardText(parent_), "kept");
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
}

}  // namespace
}  // namespace wintest
