// Window tests: vertical and horizontal scrolling, line scrolling, bringing the caret into view,
// the scroll bar's range and position, and the wheel.
#include <string>

#include "wintest_support.h"

namespace wintest {
namespace {

class ScrollingTest : public FolvexWinTest {
 protected:
  // `lines` numbered lines in a control of `rows` whole rows.
  void CreateLines(int lines, int rows, DWORD style = FVS_EDITABLE) {
    Create(style);
    std::string text;
    for (int i = 0; i < lines; ++i) text += "line " + std::to_string(i) + (i + 1 < lines ? "\r\n" : "");
    SetText(text);
    SetWindowPos(control_, nullptr, 0, 0, kParentWidth, LineHeight() * rows + 2, SWP_NOZORDER | SWP_NOMOVE);
    Clear();
  }
  HWND Bar() { return GetDlgItem(control_, kFolvexBarId); }
  int BarPos() { return GetScrollPos(Bar(), SB_CTL); }
  int BarMax() {
    int low = -1, high = -1;
    GetScrollRange(Bar(), SB_CTL, &low, &high);
    return high;
  }
  void VScroll(WORD code, WORD position = 0) { SendMessageA(control_, WM_VSCROLL, MAKEWPARAM(code, position), 0); }
  void HScroll(WORD code, WORD position = 0) { SendMessageA(control_, WM_HSCROLL, MAKEWPARAM(code, position), 0); }
};

TEST_F(ScrollingTest, VerticalCodesMoveTheViewWithinTheText) {
  CreateLines(40, 10);
  struct Case {
    const char* label;
    WORD code, position;
    int firstLine;
    bool scrolls;
  };
  const Case cases[] = {
      {"line down", SB_LINEDOWN, 0, 1, true},
      {"page down", SB_PAGEDOWN, 0, 11, true},
      {"track", SB_THUMBTRACK, 30, 30, true},
      {"track beyond the text", SB_THUMBTRACK, 500, 39, true},
      {"page down at the end", SB_PAGEDOWN, 0, 39, false},
      {"page up", SB_PAGEUP, 0, 29, true},
      {"line up", SB_LINEUP, 0, 28, true},
      {"thumb position changes nothing", SB_THUMBPOSITION, 3, 28, false},
      {"end scroll changes nothing", SB_ENDSCROLL, 0, 28, false},
      {"top", SB_TOP, 0, 0, true},
      {"line up at the top", SB_LINEUP, 0, 0, false},
      {"bottom", SB_BOTTOM, 0, 39, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    VScroll(c.code, c.position);
    EXPECT_EQ(FolvexGetFirstLine(control_), c.firstLine);
    EXPECT_EQ(BarPos(), c.firstLine);
    if (c.scrolls) {
      EXPECT_LOG({{WM_COMMAND, FVN_VSCROLLED}});
    } else {
      EXPECT_LOG({});
    }
  }
}

TEST_F(ScrollingTest, TheBarsRangeFollowsTheLineCount) {
  CreateLines(3, 10);
  EXPECT_EQ(BarMax(), 2);
  FolvexSetSel(control_, 0, 0);
  Char(control_, '\r');
  EXPECT_EQ(BarMax(), 3);
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(BarMax(), 2);
}

TEST_F(ScrollingTest, EmScrollActsAsAVerticalScrollRequest) {
  CreateLines(40, 10);
  SendMessageA(control_, EM_SCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 10);
  EXPECT_LOG({{WM_COMMAND, FVN_VSCROLLED}});
  EXPECT_EQ(SendMessageA(control_, EM_GETFIRSTVISIBLELINE, 0, 0), 10);
}

TEST_F(ScrollingTest, LineScrollPutsTheCaretOnTheNewTopRow) {
  CreateLines(40, 10);
  EXPECT_EQ(SendMessageA(control_, EM_LINESCROLL, 0, 12), TRUE);
  EXPECT_EQ(Snap(control_).firstLine, 12);
  EXPECT_EQ(FolvexGetCaretLine(control_), 12);
  EXPECT_EQ(BarPos(), 12);
  SendMessageA(control_, EM_LINESCROLL, 0, -100);
  EXPECT_EQ(Snap(control_), (Snapshot{0, 0, 0, 0, 0}));
}

TEST_F(ScrollingTest, ScrollCaretShowsTheCaretsLineWithContext) {
  CreateLines(100, 10);
  int start = static_cast<int>(SendMessageA(control_, EM_LINEINDEX, 50, 0));
  FolvexSetSel(control_, start, start);
  Clear();
  SendMessageA(control_, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 42);  // 50 - 10 + 2
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
  start = static_cast<int>(SendMessageA(control_, EM_LINEINDEX, 20, 0));
  FolvexSetSel(control_, start, start);
  SendMessageA(control_, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 18);  // 20 - 2
  SendMessageA(control_, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 18);  // in view: unchanged
}

// A view of one row once put the first line below the caret's line, so the caret stayed hidden.
TEST_F(ScrollingTest, ScrollCaretShowsTheCaretEvenInAOneRowView) {
  CreateLines(100, 1);
  int start = static_cast<int>(SendMessageA(control_, EM_LINEINDEX, 50, 0));
  FolvexSetSel(control_, start, start);
  SendMessageA(control_, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 50);
}

TEST_F(ScrollingTest, HorizontalCodesMoveWithinTheWidestLineAndAlwaysNotify) {
  Create(FVS_EDITABLE, "short");
  // Until a host asks for the widest line, the control assumes 800 pixels.
  const int limit = 800 - (kParentWidth - 16);
  struct Case {
    const char* label;
    WORD code, position;
    int hScroll;
  };
  const Case cases[] = {
      {"line right", SB_LINERIGHT, 0, 8},
      {"page right", SB_PAGERIGHT, 0, 208},
      {"page right to the limit", SB_PAGERIGHT, 0, limit},
      {"line right at the limit", SB_LINERIGHT, 0, limit},
      {"line left", SB_LINELEFT, 0, limit - 8},
      {"track takes the position as it is", SB_THUMBTRACK, 1000, 1000},
      {"left", SB_LEFT, 0, 0},
      {"page left at 0", SB_PAGELEFT, 0, 0},
      {"right", SB_RIGHT, 0, limit},
      {"end scroll", SB_ENDSCROLL, 0, limit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    HScroll(c.code, c.position);
    EXPECT_EQ(FolvexGetHScroll(control_), c.hScroll);
    EXPECT_LOG({{WM_COMMAND, FVN_HSCROLLED}});
  }
  EXPECT_EQ(FolvexGetMaxWidth(control_) > 0, true);
  HScroll(SB_RIGHT);
  EXPECT_EQ(FolvexGetHScroll(control_), 0);  // "short" fits: nothing to scroll
}

TEST_F(ScrollingTest, TheCaretPastTheRightEdgeScrollsTheViewAndTellsTheParent) {
  std::string longLine(300, 'w');
  Create(FVS_EDITABLE, (longLine + "\r\nx").c_str());
  FolvexSetSel(control_, 0, 0);
  Clear();
  Key(control_, VK_END);
  int scrolled = FolvexGetHScroll(control_);
  EXPECT_GT(scrolled, 0);
  EXPECT_LOG({{WM_COMMAND, FVN_HSCROLLED}, {WM_COMMAND, FVN_CARETMOVED}});
  Key(control_, VK_HOME);
  EXPECT_EQ(FolvexGetHScroll(control_), 0);
  EXPECT_LOG({{WM_COMMAND, FVN_HSCROLLED}, {WM_COMMAND, FVN_CARETMOVED}});
  Key(control_, VK_RIGHT);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
}

TEST_F(ScrollingTest, TheWheelScrollsThreeLinesPerNotch) {
  CreateLines(40, 10);
  SendMessageA(control_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 6);
  EXPECT_LOG({{WM_COMMAND, FVN_VSCROLLED}, {WM_COMMAND, FVN_VSCROLLED}, {WM_COMMAND, FVN_VSCROLLED},
              {WM_COMMAND, FVN_VSCROLLED}, {WM_COMMAND, FVN_VSCROLLED}, {WM_COMMAND, FVN_VSCROLLED}});
  SendMessageA(control_, WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 6);  // half a notch: not yet
  SendMessageA(control_, WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
  EXPECT_EQ(FolvexGetFirstLine(control_), 3);
}

TEST_F(ScrollingTest, ReadOnlyKeysScrollTheView) {
  CreateLines(40, 10, 0);
  Key(control_, VK_NEXT);
  EXPECT_EQ(FolvexGetFirstLine(control_), 10);
  Key(control_, VK_DOWN);
  EXPECT_EQ(FolvexGetFirstLine(control_), 11);
  Key(control_, VK_PRIOR);
  Key(control_, VK_UP);
  EXPECT_EQ(FolvexGetFirstLine(control_), 0);
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, FVN_CARETMOVED},
              {WM_COMMAND, FVN_CARETMOVED}});
  EXPECT_EQ(BarPos(), 0);
}

}  // namespace
}  // namespace wintest
