// The frame's view of the editor windows: found by class, listed in the Window menu.
#include "shell/editorwindows_win.h"

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace {

std::string ItemText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

class EditorWindowsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = shell::kEditorClass;
    RegisterClassA(&wc);
  }
  static void TearDownTestSuite() { UnregisterClassA(shell::kEditorClass, GetModuleHandleA(nullptr)); }
  void SetUp() override {
    // Created in this order, each new one on top: the last is the topmost.
    for (const char* title : {"C:\\src\\b.c", "C:\\src\\a.c", "C:\\src\\x&y.h"}) {
      editors.push_back(CreateWindowExA(0, shell::kEditorClass, title, WS_POPUP, 0, 0, 50, 50,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    }
    menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 8000, "&Close All");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 8099, "stale entry");
  }
  void TearDown() override {
    for (HWND e : editors)
      if (IsWindow(e)) DestroyWindow(e);
    DestroyMenu(menu);
  }
  std::vector<HWND> editors;
  HMENU menu = nullptr;
};

TEST_F(EditorWindowsTest, FindsEditorsByTitleAndTheTopmostOne) {
  EXPECT_EQ(shell::EditorWindows().size(), 3u);
  EXPECT_EQ(shell::FindEditor("C:\\src\\a.c"), editors[1]);
  EXPECT_EQ(shell::FindEditor("C:\\src\\none.c"), nullptr);
  std::string title;
  EXPECT_EQ(shell::GetTopEditor(&title), editors[2]);
  EXPECT_EQ(title, "C:\\src\\x&y.h");
}

TEST_F(EditorWindowsTest, TheWindowMenuListsEditorsAlphabetically) {
  EXPECT_EQ(shell::RebuildWindowMenu(menu, 2), 3);
  ASSERT_EQ(GetMenuItemCount(menu), 5);
  EXPECT_EQ(ItemText(menu, 0), "&Close All");
  EXPECT_EQ(ItemText(menu, 2), "C:\\src\\a.c");
  EXPECT_EQ(ItemText(menu, 3), "C:\\src\\b.c");
  EXPECT_EQ(ItemText(menu, 4), "C:\\src\\x&&y.h");  // "&" doubled so it is shown, not underlining
  // Ids count up in z-order (topmost first); each id leads back to its title.
  EXPECT_EQ(GetMenuItemID(menu, 4), 8001u);
  EXPECT_EQ(shell::EditorTitleByCommand(8001), "C:\\src\\x&y.h");
  EXPECT_EQ(shell::EditorTitleByCommand(8003), "C:\\src\\b.c");
  EXPECT_EQ(shell::EditorTitleByCommand(8004), "");
}

TEST_F(EditorWindowsTest, AClosedEditorLeavesTheList) {
  DestroyWindow(editors[0]);
  EXPECT_EQ(shell::RebuildWindowMenu(menu, 2), 2);
  EXPECT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_EQ(shell::EditorTitleByCommand(8003), "");
}

TEST_F(EditorWindowsTest, EditorsMoveWithTheFrame) {
  RECT before;
  GetWindowRect(editors[0], &before);
  shell::MoveEditorsBy(15, -5);
  RECT after;
  GetWindowRect(editors[0], &after);
  EXPECT_EQ(after.left, before.left + 15);
  EXPECT_EQ(after.top, before.top - 5);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
}

}  // namespace
