// The keyboard filter on real windows: which window each shortcut's command is posted to, and the
// Tab key's spaces in an editing control.
#include "shell/keyboardfilter_win.h"

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings_files.h"
#include "shell/appstate_win.h"
#include "shell/settingspaths.h"
#include "support/temp_folder.h"
#include "wintest_support.h"

namespace {

struct Received {
  HWND window;
  UINT message;
  WPARAM wParam;
  std::string text;  // EM_REPLACESEL
  bool operator==(const Received& o) const {
    return window == o.window && message == o.message && wParam == o.wParam && text == o.text;
  }
};
std::vector<Received> gLog;
int gCaretColumn = 1;  // what the stand-in editing control answers to 1091

LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      gLog.push_back({window, message, wParam, ""});
      return 0;
    case EM_REPLACESEL:
      gLog.push_back({window, message, wParam, reinterpret_cast<const char*>(lParam)});
      return 0;
    case 1091:
      return gCaretColumn;
    case WM_KEYDOWN:
      gLog.push_back({window, message, wParam, ""});
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

std::string Describe(const std::vector<Received>& log) {
  std::string s;
  for (const Received& r : log) {
    char line[160];
    std::snprintf(line, sizeof line, "  window %p message 0x%X wParam %u text '%s'\n", static_cast<void*>(r.window),
                  r.message, static_cast<unsigned>(r.wParam), r.text.c_str());
    s += line;
  }
  return s;
}

class KeyboardFilterWinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* name : {"OrvTestWindow", "Folvex"}) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = LoggingProc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = name;
      RegisterClassA(&wc);
    }
  }
  static void TearDownTestSuite() {
    for (const char* name : {"OrvTestWindow", "Folvex"}) UnregisterClassA(name, GetModuleHandleA(nullptr));
  }
  void SetUp() override {
    frame = Make("OrvTestWindow", nullptr);
    child = Make("OrvTestWindow", nullptr);
    shell::App().frame = frame;
    shell::App().activeChild = child;
    shell::App().keys = shell::KeyFlags();
    gLog.clear();
  }
  void TearDown() override {
    DestroyWindow(child);
    DestroyWindow(frame);
    shell::App().frame = nullptr;
    shell::App().activeChild = nullptr;
    shell::App().keys = shell::KeyFlags();
    settings::ClearProjectSettingsFile();
  }
  HWND Make(const char* className, HWND parent) {
    return CreateWindowExA(0, className, "", parent ? WS_CHILD : WS_OVERLAPPED, 0, 0, 50, 50, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  // Offers a message to the filter as the loop would; true when it was consumed.
  bool Offer(UINT message, int key, HWND to = nullptr) {
    MSG m = {};
    m.hwnd = to ? to : frame;
    m.message = message;
    m.wParam = static_cast<WPARAM>(key);
    return shell::KeyboardFilter(m);
  }
  std::vector<Received> Posted() {
    gLog.clear();
    wintest::PumpFor(0);
    return gLog;
  }
  void ExpectPosted(const std::vector<Received>& expected) {
    std::vector<Received> got = Posted();
    EXPECT_EQ(got, expected) << "got:\n" << Describe(got) << "expected:\n" << Describe(expected);
  }

  HWND frame = nullptr;
  HWND child = nullptr;
};

TEST_F(KeyboardFilterWinTest, ControlLettersGoToTheFrameOrTheActiveChild) {
  EXPECT_FALSE(Offer(WM_KEYDOWN, VK_CONTROL));
  EXPECT_TRUE(Offer(WM_KEYDOWN, 'C'));
  ExpectPosted({{child, WM_COMMAND, 11422, ""}});
  EXPECT_TRUE(Offer(WM_KEYDOWN, 'Z'));
  ExpectPosted({{child, WM_COMMAND, 10201, ""}});
  EXPECT_TRUE(Offer(WM_KEYDOWN, 'O'));  // clears Control
  ExpectPosted({{frame, WM_COMMAND, 10102, ""}});
  EXPECT_FALSE(Offer(WM_KEYDOWN, 'O'));
  ExpectPosted({});
}

TEST_F(KeyboardFilterWinTest, PlainAndShiftKeys) {
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_F1));
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_F3));
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_DELETE));
  ExpectPosted({{frame, WM_COMMAND, 9000, ""}, {child, WM_COMMAND, 11434, ""}, {child, WM_COMMAND, 11424, ""}});
  Offer(WM_KEYDOWN, VK_SHIFT);
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_DELETE));
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_INSERT));
  ExpectPosted({{child, WM_COMMAND, 11421, ""}, {child, WM_COMMAND, 11423, ""}});
  Offer(WM_KEYUP, VK_SHIFT);
  EXPECT_FALSE(Offer(WM_KEYDOWN, VK_INSERT));
  ExpectPosted({});
}

TEST_F(KeyboardFilterWinTest, AltBackspaceUndoesInTheActiveChild) {
  EXPECT_FALSE(Offer(WM_SYSKEYDOWN, VK_MENU));
  EXPECT_TRUE(Offer(WM_SYSKEYDOWN, VK_BACK));
  ExpectPosted({{child, WM_COMMAND, 10201, ""}});
  Offer(WM_SYSKEYUP, VK_MENU);
  EXPECT_FALSE(Offer(WM_SYSKEYDOWN, VK_BACK));
  ExpectPosted({});
}

// With no active child a command for it has nowhere to go: the key is left to the focused window
// rather than posted as a message without a window (which would reach no one).
TEST_F(KeyboardFilterWinTest, WithoutAnActiveChildTheKeyIsLeftAlone) {
  DestroyWindow(child);
  child = nullptr;
  EXPECT_FALSE(Offer(WM_KEYDOWN, VK_DELETE));
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_F9));
  ExpectPosted({{frame, WM_COMMAND, 5004, ""}});
}

TEST_F(KeyboardFilterWinTest, TabInsertsSpacesUpToTheNextStopOfTheProjectsTabs) {
  HWND control = Make("Folvex", child);
  SetFocus(control);
  ASSERT_EQ(GetFocus(), control);

  gCaretColumn = 4;  // column 3 counted from 0; no project: Tabs is 2
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_TAB, control));
  ASSERT_EQ(gLog.size(), 1u) << Describe(gLog);
  EXPECT_EQ(gLog[0].text, " ");
  gLog.clear();

  testsupport::TempFolder folder;
  std::string ovs = folder.Path() + "\\demo.ovs";
  testsupport::PutFile(ovs, "[Editor]\r\nTabs=4\r\n");
  ASSERT_TRUE(settings::SetProjectSettingsFile(folder.Path() + "\\demo.ovp"));
  gCaretColumn = 1;
  EXPECT_TRUE(Offer(WM_KEYDOWN, VK_TAB, control));
  ASSERT_EQ(gLog.size(), 1u) << Describe(gLog);
  EXPECT_EQ(gLog[0].text, "    ");
  // The caret stands after the inserted spaces already: no cursor keys follow.
  EXPECT_EQ(gLog[0].message, static_cast<UINT>(EM_REPLACESEL));
  DestroyWindow(control);
}

TEST_F(KeyboardFilterWinTest, TabInAnyOtherWindowIsNotTouched) {
  SetFocus(child);
  EXPECT_FALSE(Offer(WM_KEYDOWN, VK_TAB, child));
  EXPECT_TRUE(gLog.empty()) << Describe(gLog);
}

TEST_F(KeyboardFilterWinTest, OtherMessagesPassThrough) {
  EXPECT_FALSE(Offer(WM_CHAR, 'N'));
  EXPECT_FALSE(Offer(WM_MOUSEMOVE, 0));
  ExpectPosted({});
}

}  // namespace
