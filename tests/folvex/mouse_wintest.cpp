// Window tests: clicks, drags with autoscroll, double clicks and the relayed right button.
#include <string>

#include "wintest_support.h"

namespace wintest {
namespace {

class MouseTest : public FolvexWinTest {
 protected:
  void Click(int x, int y) {
    SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void Drag(int x, int y) { SendMessageA(control_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
};

TEST_F(MouseTest, AClickBelowTheLastLinePutsTheCaretAtTheEnd) {
  Create(FVS_EDITABLE, "one\r\ntwo\r\nthree");
  Click(5, LineHeight() * 8);
  EXPECT_EQ(Snap(control_), (Snapshot{15, 15, 15, 2, 0}));
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
  EXPECT_EQ(GetFocus(), control_);
}

TEST_F(MouseTest, AClickLeftOfTheTextGoesToTheLineStart) {
  Create(FVS_EDITABLE, "one\r\ntwo");
  Click(0, LineHeight() + 1);
  EXPECT_EQ(FolvexGetCaret(control_), 5);
}

TEST_F(MouseTest, DraggingSelectsFromWhereTheButtonWentDown) {
  Create(FVS_EDITABLE, "one\r\ntwo\r\nthree");
  const int lh = LineHeight();
  SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, lh / 2));  // end of "one"
  Drag(0, lh + lh / 2);                                                        // start of "two"
  EXPECT_EQ(Snap(control_), (Snapshot{3, 5, 5, 1, 0}));
  Drag(200, 2 * lh + 1);
  EXPECT_EQ(Snap(control_), (Snapshot{3, 15, 15, 2, 0}));
  SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(200, 2 * lh + 1));
  EXPECT_NE(GetCapture(), control_);
  Drag(0, 0);  // no capture any more: nothing moves
  EXPECT_EQ(Snap(control_), (Snapshot{3, 15, 15, 2, 0}));
}

TEST_F(MouseTest, DraggingBelowTheViewScrollsByTimer) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "line\r\n";
  Create(FVS_EDITABLE, text.c_str(), kParentWidth, LineHeight() * 5 + 2);
  SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  Drag(2, LineHeight() * 5 + 40);
  ASSERT_TRUE(PumpUntil([&] { return FolvexGetFirstLine(control_) >= 20; }));
  SendMessageA(control_, WM_LBUTTONUP, 0, 0);
  int stopped = FolvexGetFirstLine(control_);
  Sleep(450);
  Pump();
  EXPECT_EQ(FolvexGetFirstLine(control_), stopped);  // the button is up: no more scrolling
}

TEST_F(MouseTest, ADoubleClickSelectsTheWord) {
  Create(FVS_EDITABLE, "call some_function(x);");
  Click(1, 1);
  FolvexSetSel(control_, 8, 8);
  Clear();
  SendMessageA(control_, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  EXPECT_EQ(Snap(control_), (Snapshot{5, 18, 18, 0, 0}));
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
}

TEST_F(MouseTest, TheRightButtonIsPostedToTheParentUnchanged) {
  Create(FVS_EDITABLE, "x");
  SendMessageA(control_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(11, 12));
  SendMessageA(control_, WM_RBUTTONUP, 0, MAKELPARAM(11, 12));
  Pump();
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0].lParam, MAKELPARAM(11, 12));
  EXPECT_LOG({{WM_RBUTTONDOWN, 0}, {WM_RBUTTONUP, 0}});
}

TEST_F(MouseTest, AClickRemovesBlanksLeftAtTheEndOfTheCaretsLine) {
  Create(FVS_EDITABLE, "a   \r\nb");
  FolvexSetSel(control_, 4, 4);
  Clear();
  Click(1, LineHeight() + 1);
  EXPECT_EQ(TextOf(control_), "a\r\nb");
  EXPECT_EQ(FolvexGetCaretLine(control_), 1);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
}

}  // namespace
}  // namespace wintest
