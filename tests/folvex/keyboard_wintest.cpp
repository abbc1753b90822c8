// Window tests: keys on an editable control — caret moves over every kind of line end, paging,
// Shift selections and Delete — and the notifications they post.
#include <string>

#include "wintest_support.h"

namespace wintest {
namespace {

class KeyboardTest : public FolvexWinTest {
 protected:
  // A control of `rows` whole rows (plus the partial one) showing `lines` numbered lines.
  void CreateLines(int lines, int rows) {
    Create(FVS_EDITABLE);
    std::string text;
    for (int i = 0; i < lines; ++i) text += "line " + std::to_string(i) + (i + 1 < lines ? "\r\n" : "");
    SetText(text);
    int height = LineHeight() * rows + 2;
    SetWindowPos(control_, nullptr, 0, 0, kParentWidth, height, SWP_NOZORDER | SWP_NOMOVE);
    Clear();
  }
};

TEST_F(KeyboardTest, LeftAndRightStepOverBothBytesOfCrLf) {
  Create(FVS_EDITABLE, "ab\r\ncd");
  FolvexSetSel(control_, 4, 4);  // start of "cd"
  Clear();
  Key(control_, VK_LEFT);
  EXPECT_EQ(Snap(control_), (Snapshot{2, 2, 2, 0, 0}));
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
  Key(control_, VK_RIGHT);
  EXPECT_EQ(Snap(control_), (Snapshot{4, 4, 4, 1, 0}));
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
}

// A lone CR or LF is a line end of its own: Left and Right once jumped over a whole empty line
// when two lone line ends stood together.
TEST_F(KeyboardTest, LoneLineEndsAreOneStepEach) {
  Create(FVS_EDITABLE, "a\r\rb\n\nc");
  FolvexSetSel(control_, 3, 3);  // before "b"
  Key(control_, VK_LEFT);
  EXPECT_EQ(FolvexGetCaret(control_), 2);  // on the empty line between the two CRs
  FolvexSetSel(control_, 4, 4);  // after "b"
  Key(control_, VK_RIGHT);
  EXPECT_EQ(FolvexGetCaret(control_), 5);  // on the empty line between the two LFs
}

TEST_F(KeyboardTest, CtrlLeftAndRightMoveByWords) {
  Create(FVS_EDITABLE, "alpha beta_2 (gamma)");
  FolvexSetSel(control_, 20, 20);
  Key(control_, VK_LEFT, kCtrl);
  EXPECT_EQ(FolvexGetCaret(control_), 14);  // one step back, then to the start of the word there
  Key(control_, VK_LEFT, kCtrl);
  EXPECT_EQ(FolvexGetCaret(control_), 13);  // "(" is no word: just the one step
  Key(control_, VK_LEFT, kCtrl);
  EXPECT_EQ(FolvexGetCaret(control_), 6);
  FolvexSetSel(control_, 0, 0);
  Key(control_, VK_RIGHT, kCtrl);
  EXPECT_EQ(FolvexGetCaret(control_), 6);
  Key(control_, VK_RIGHT, kCtrl);
  EXPECT_EQ(FolvexGetCaret(control_), 14);
}

TEST_F(KeyboardTest, HomeAndEndGoToTheLineEnds) {
  Create(FVS_EDITABLE, "first\r\n  second line\r\nthird");
  FolvexSetSel(control_, 10, 10);
  Key(control_, VK_END);
  EXPECT_EQ(FolvexGetCaret(control_), 20);
  Key(control_, VK_HOME);
  EXPECT_EQ(FolvexGetCaret(control_), 7);
}

TEST_F(KeyboardTest, UpAndDownKeepTheCaretsColumn) {
  Create(FVS_EDITABLE, "abcdef\r\nab\r\nabcdef");
  FolvexSetSel(control_, 4, 4);
  Key(control_, VK_DOWN);
  EXPECT_EQ(FolvexGetCaret(control_), 10);  // the short line's end
  Key(control_, VK_DOWN);
  EXPECT_EQ(FolvexGetCaret(control_), 14);
  Key(control_, VK_UP);
  Key(control_, VK_UP);
  EXPECT_EQ(FolvexGetCaret(control_), 2);
  Key(control_, VK_UP);  // above the first line: the first line again
  EXPECT_EQ(FolvexGetCaret(control_), 2);
}

TEST_F(KeyboardTest, ShiftExtendsTheSelectionFromItsAnchor) {
  Create(FVS_EDITABLE, "abcdef");
  FolvexSetSel(control_, 3, 3);
  Key(control_, VK_RIGHT, kShift);
  Key(control_, VK_RIGHT, kShift);
  EXPECT_EQ(Snap(control_), (Snapshot{3, 5, 5, 0, 0}));
  Key(control_, VK_HOME, kShift);
  EXPECT_EQ(Snap(control_), (Snapshot{0, 3, 0, 0, 0}));
  Key(control_, VK_RIGHT);
  EXPECT_EQ(Snap(control_), (Snapshot{1, 1, 1, 0, 0}));
}

// A key that is not listed once collapsed the selection, so pressing Ctrl on the way to Ctrl+C left
// nothing to copy.
TEST_F(KeyboardTest, ModifierKeysAloneLeaveTheSelection) {
  Create(FVS_EDITABLE, "copy me");
  FolvexSetSel(control_, 0, 4);
  Clear();
  Key(control_, VK_CONTROL, kCtrl);
  Key(control_, VK_SHIFT, kShift);
  Key(control_, VK_F5);
  EXPECT_EQ(Snap(control_), (Snapshot{0, 4, 4, 0, 0}));
  EXPECT_LOG({});
}

TEST_F(KeyboardTest, CtrlPageDownOnTwoLinesKeepsTheFirstLine) {
  Create(FVS_EDITABLE, "one\r\ntwo");
  Key(control_, VK_NEXT, kCtrl);
  EXPECT_EQ(FolvexGetFirstLine(control_), 0);
  EXPECT_EQ(FolvexGetCaret(control_), 0);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
}

TEST_F(KeyboardTest, PageKeysMoveTheViewAndKeepTheCaretsRow) {
  CreateLines(100, 10);
  FolvexSetSel(control_, 0, 0);
  Key(control_, VK_DOWN);
  Key(control_, VK_DOWN);
  Clear();
  Key(control_, VK_NEXT);
  EXPECT_EQ(FolvexGetFirstLine(control_), 10);
  EXPECT_EQ(FolvexGetCaretLine(control_), 12);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
  Key(control_, VK_PRIOR);
  EXPECT_EQ(FolvexGetFirstLine(control_), 0);
  EXPECT_EQ(FolvexGetCaretLine(control_), 0);  // the first page: the caret goes to the top row
  Key(control_, VK_NEXT, kCtrl);
  EXPECT_EQ(FolvexGetFirstLine(control_), 95);
  Key(control_, VK_PRIOR, kCtrl);
  EXPECT_EQ(Snap(control_), (Snapshot{0, 0, 0, 0, 0}));
}

TEST_F(KeyboardTest, MovingTheCaretOutOfViewScrollsToIt) {
  CreateLines(50, 5);
  FolvexSetSel(control_, 0, 0);
  for (int i = 0; i < 6; ++i) Key(control_, VK_DOWN);
  EXPECT_EQ(FolvexGetCaretLine(control_), 6);
  EXPECT_EQ(FolvexGetFirstLine(control_), 2);
  for (int i = 0; i < 4; ++i) Key(control_, VK_UP);
  EXPECT_EQ(FolvexGetFirstLine(control_), 2);
  Key(control_, VK_UP);
  EXPECT_EQ(FolvexGetFirstLine(control_), 1);
}

TEST_F(KeyboardTest, DeleteTakesCrLfTogetherAndNotifiesTheChange) {
  Create(FVS_EDITABLE, "ab\r\ncd");
  FolvexSetSel(control_, 2, 2);
  Clear();
  Key(control_, VK_DELETE);
  EXPECT_EQ(TextOf(control_), "abcd");
  EXPECT_EQ(SendMessageA(control_, EM_GETLINECOUNT, 0, 0), 0);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
  Key(control_, VK_DELETE, kShift);  // a command of the host, not of the control
  EXPECT_EQ(TextOf(control_), "abcd");
  FolvexSetSel(control_, 1, 3);
  Key(control_, VK_DELETE);
  EXPECT_EQ(TextOf(control_), "ad");
  EXPECT_EQ(Snap(control_), (Snapshot{1, 1, 1, 0, 0}));
}

TEST_F(KeyboardTest, DownRemovesBlanksAtTheEndOfTheLineLeft) {
  Create(FVS_EDITABLE, "code   \r\nnext");
  FolvexSetSel(control_, 7, 7);  // after the blanks
  Clear();
  Key(control_, VK_DOWN);
  EXPECT_EQ(TextOf(control_), "code\r\nnext");
  EXPECT_EQ(FolvexGetCaretLine(control_), 1);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
  EXPECT_EQ(SendMessageA(control_, EM_CANUNDO, 0, 0), 1);  // an ordinary, undoable delete
}

TEST_F(KeyboardTest, CtrlLettersPostTheClipboardMessages) {
  Create(FVS_EDITABLE, "abc");
  FolvexSetSel(control_, 0, 1);
  EmptyTheClipboard(parent_);
  Key(control_, 'X', kCtrl);
  EXPECT_EQ(TextOf(control_), "abc");  // posted: nothing happened yet
  Pump();
  EXPECT_EQ(TextOf(control_), "bc");
  EXPECT_EQ(ClipboardText(parent_), "a");
  Key(control_, 'Z', kCtrl);
  Pump();
  EXPECT_EQ(TextOf(control_), "abc");
  Key(control_, 'Z');  // without Ctrl: nothing
  Pump();
  EXPECT_EQ(TextOf(control_), "abc");
}

}  // namespace
}  // namespace wintest
