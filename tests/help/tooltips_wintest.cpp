// Window tests of the tooltips: the hint table, the relay, the timer, placement and hiding.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "help/tooltips_win.h"

namespace {

const char kHostClass[] = "TooltipTestHost";

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  help::TooltipRelay(window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpPending() {
  MSG msg;
  for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Pumps messages until `done` holds or `timeoutMs` passed; returns whether it holds.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 6000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpPending();
  }
  return true;
}

// Lets the messages of about `ms` milliseconds run (for timers that must have ticked once).
void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

std::string TipText(HWND tip) {
  char text[256] = {};
  GetDlgItemTextA(tip, help::kTipTextId, text, sizeof text);
  return text;
}

class TooltipsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
    help::EnableTooltips(GetModuleHandleA(nullptr));
    host_ = MakeHost(100, 100);
    alpha_ = MakeChild(host_, "Alpha", 20, 20);
    beta_ = MakeChild(host_, "Beta", 160, 20);
  }

  void TearDown() override {
    help::DisableTooltips();
    for (HWND window : hosts_) DestroyWindow(window);
    PumpPending();
  }

  HWND MakeHost(int x, int y, int width = 360, int height = 160) {
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kHostClass, "host", WS_POPUP | WS_VISIBLE, x, y, width, height,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    hosts_.push_back(window);
    UpdateWindow(window);
    return window;
  }

  static HWND MakeChild(HWND parent, const char* text, int x, int y) {
    return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE, x, y, 100, 40, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }

  // Puts the cursor on `point` (screen) and tells the host, as the system does on a mouse move.
  static void MoveTo(HWND host, POINT point) {
    SetCursorPos(point.x, point.y);
    POINT client = point;
    ScreenToClient(host, &client);
    HWND under = ChildWindowFromPoint(host, client);
    SendMessageA(host, WM_SETCURSOR, reinterpret_cast<WPARAM>(under ? under : host), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  }

  static POINT CentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  void MoveOnto(HWND control) { MoveTo(GetParent(control), CentreOf(control)); }

  void MoveOffControls(HWND host) {
    RECT r;
    GetWindowRect(host, &r);
    MoveTo(host, POINT{r.left + 10, r.bottom - 10});
  }

  HWND WaitForTip() {
    PumpUntil([] { return help::ShownTooltip() != nullptr; });
    return help::ShownTooltip();
  }

  HWND host_ = nullptr;
  HWND alpha_ = nullptr;
  HWND beta_ = nullptr;
  std::vector<HWND> hosts_;
};

TEST_F(TooltipsTest, TheTableHoldsSixtyFourHintsAndRefusesTheNext) {
  std::vector<HWND> controls;
  for (int i = 0; i < help::kMaxHints + 1; ++i) controls.push_back(MakeChild(host_, "x", 0, 0));
  for (int i = 0; i < help::kMaxHints; ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(help::AddHint(controls[static_cast<std::size_t>(i)], "hint"), 1);
  }
  EXPECT_EQ(help::AddHint(controls.back(), "one too many"), 0);
  // A control that already has a hint gets the new text in its own entry.
  EXPECT_EQ(help::AddHint(controls[0], "new text"), 1);
  EXPECT_EQ(help::AddHint(controls.back(), "still too many"), 0);
  EXPECT_EQ(help::RemoveHint(controls[5]), 1);
  EXPECT_EQ(help::RemoveHint(controls[5]), 0);
  EXPECT_EQ(help::AddHint(controls.back(), "now it fits"), 1);
  EXPECT_EQ(help::AddHint(nullptr, "no control"), 0);
}

TEST_F(TooltipsTest, EnablingClearsTheTable) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  help::EnableTooltips(GetModuleHandleA(nullptr));
  EXPECT_EQ(help::RemoveHint(alpha_), 0);
}

TEST_F(TooltipsTest, RestingOnAHintedControlShowsItsTipUnfolded) {
  ASSERT_EQ(help::AddHint(alpha_, "Show Compiler Output "), 1);
  MoveOnto(alpha_);
  EXPECT_EQ(help::ShownTooltip(), nullptr) << "the tip waits for the timer";
  HWND tip = WaitForTip();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(TipText(tip), "Show Compiler Output ");
  EXPECT_EQ(GetActiveWindow() == tip, false) << "the tip never takes activation";
  int width = help::TipWidth(static_cast<int>(std::string("Show Compiler Output ").size()));
  ASSERT_TRUE(PumpUntil([&] {
    RECT r;
    GetWindowRect(tip, &r);
    return r.right - r.left == width;
  })) << "the tip unfolds to 6 x length + 20 pixels";
  RECT r;
  GetWindowRect(tip, &r);
  EXPECT_EQ(r.bottom - r.top, help::kTipHeight);
}

TEST_F(TooltipsTest, MovingToAnotherHintedControlReplacesTheTipAtOnce) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  ASSERT_EQ(help::AddHint(beta_, "Beta hint"), 1);
  MoveOnto(alpha_);
  HWND first = WaitForTip();
  ASSERT_NE(first, nullptr);
  MoveOnto(beta_);
  HWND second = help::ShownTooltip();
  ASSERT_NE(second, nullptr) << "no timer wait while a tip shows";
  EXPECT_NE(second, first);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(TipText(second), "Beta hint");
}

TEST_F(TooltipsTest, AnUnhintedAreaHidesTheTipAtTheNextTick) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  MoveOnto(alpha_);
  HWND tip = WaitForTip();
  ASSERT_NE(tip, nullptr);
  MoveOffControls(host_);
  EXPECT_EQ(help::ShownTooltip(), tip) << "the relay itself does not hide";
  EXPECT_TRUE(PumpUntil([] { return help::ShownTooltip() == nullptr; }));
  EXPECT_FALSE(IsWindow(tip));
}

// The timer used to stop once the tip was shown: a tip left standing for more than one tick then
// stayed on the screen after the mouse had left the control.
TEST_F(TooltipsTest, ATipThatStoodLongStillHidesWhenTheMouseLeaves) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  MoveOnto(alpha_);
  ASSERT_NE(WaitForTip(), nullptr);
  PumpFor(2 * help::kTooltipDelayMs);
  ASSERT_NE(help::ShownTooltip(), nullptr) << "resting on the control keeps the tip";
  MoveOffControls(host_);
  EXPECT_TRUE(PumpUntil([] { return help::ShownTooltip() == nullptr; }));
}

// Leaving a control before its tip appeared used to leave it as the "last control", so coming back
// to it never started the timer again and it never showed its tip.
TEST_F(TooltipsTest, ComingBackToAControlLeftEarlyShowsItsTip) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  MoveOnto(alpha_);
  MoveOffControls(host_);
  PumpFor(help::kTooltipDelayMs + 500);
  EXPECT_EQ(help::ShownTooltip(), nullptr);
  MoveOnto(alpha_);
  EXPECT_NE(WaitForTip(), nullptr);
}

TEST_F(TooltipsTest, AClickOnTheTipDestroysIt) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  MoveOnto(alpha_);
  HWND tip = WaitForTip();
  ASSERT_NE(tip, nullptr);
  SendMessageA(tip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_EQ(help::ShownTooltip(), nullptr);
}

TEST_F(TooltipsTest, RemovingTheHintOfTheShownTipHidesIt) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  MoveOnto(alpha_);
  HWND tip = WaitForTip();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(help::RemoveHint(alpha_), 1);
  EXPECT_FALSE(IsWindow(tip));
}

TEST_F(TooltipsTest, DisabledTooltipsIgnoreTheRelay) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  MoveOnto(alpha_);
  HWND tip = WaitForTip();
  ASSERT_NE(tip, nullptr);
  help::DisableTooltips();
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_EQ(help::RemoveHint(alpha_), 0) << "disabling frees every text";
  ASSERT_EQ(help::AddHint(beta_, "Beta hint"), 1);
  MoveOnto(beta_);
  PumpFor(help::kTooltipDelayMs + 500);
  EXPECT_EQ(help::ShownTooltip(), nullptr);
}

TEST_F(TooltipsTest, OtherMessagesAndNonMoveCursorRequestsAreIgnored) {
  ASSERT_EQ(help::AddHint(alpha_, "Alpha hint"), 1);
  SetCursorPos(CentreOf(alpha_).x, CentreOf(alpha_).y);
  SendMessageA(host_, WM_SETCURSOR, reinterpret_cast<WPARAM>(alpha_), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  help::TooltipRelay(host_, WM_MOUSEMOVE, 0, 0);
  help::TooltipRelay(host_, WM_SETCURSOR, reinterpret_cast<WPARAM>(alpha_), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  // Move the real pointer away so that the system's own mouse messages do not start a tip either.
  MoveOffControls(host_);
  PumpFor(help::kTooltipDelayMs + 500);
  EXPECT_EQ(help::ShownTooltip(), nullptr);
}

struct PlacementCase {
  const char* label;
  POINT cursor;
  int width;
  POINT expected;
};

TEST(TooltipPlacementTest, TipsMoveLeftAndAboveTheCursorAtTheDesktopEdges) {
  const RECT desktop = {0, 0, 1280, 1024};
  const PlacementCase cases[] = {
      {"inside", {100, 100}, 80, {112, 116}},
      {"right edge", {1250, 100}, 80, {1164, 116}},
      {"exactly at the right edge stays right", {1188, 100}, 80, {1200, 116}},
      {"bottom less 32", {100, 980}, 80, {112, 954}},
      {"just above the bottom band stays below", {100, 958}, 80, {112, 974}},
      {"bottom right corner", {1275, 1020}, 80, {1189, 994}},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.label);
    POINT at = help::TipPosition(c.cursor, c.width, help::kTipHeight, desktop);
    EXPECT_EQ(at.x, c.expected.x);
    EXPECT_EQ(at.y, c.expected.y);
  }
}

TEST_F(TooltipsTest, ATipNearTheBottomRightCornerOpensLeftOfAndAboveTheCursor) {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  HWND corner = MakeHost(desktop.right - 130, desktop.bottom - 60, 130, 60);
  HWND control = MakeChild(corner, "Corner", 10, 10);
  ASSERT_EQ(help::AddHint(control, "Collapse Tree View"), 1);
  MoveOnto(control);
  HWND tip = WaitForTip();
  ASSERT_NE(tip, nullptr);
  int width = help::TipWidth(static_cast<int>(std::string("Collapse Tree View").size()));
  ASSERT_TRUE(PumpUntil([&] {
    RECT r;
    GetWindowRect(tip, &r);
    return r.right - r.left == width;
  }));
  POINT cursor;
  GetCursorPos(&cursor);
  RECT r;
  GetWindowRect(tip, &r);
  EXPECT_EQ(r.left, cursor.x - 6 - width);
  EXPECT_EQ(r.top, cursor.y - 8 - help::kTipHeight);
}

}  // namespace
