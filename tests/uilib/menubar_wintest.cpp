// The menu bar: popups opened by click and by keyboard, moving between them, commands to the owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "gallery_fixture.h"

namespace {

using wintest::Step;

Step OnMenu(std::function<void(HWND)> act) {
  return [act] {
    HWND menu = wintest::OpenMenuWindow();
    if (!menu) return false;
    act(menu);
    return true;
  };
}

// Waits until the owner has been told that the popup at `position` opens.
Step WhenPopupOpens(HMENU bar, int position) {
  return [bar, position] {
    return wintest::Logged(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(bar, position)),
                           MAKELPARAM(position, 0)) &&
           wintest::OpenMenuWindow() != nullptr;
  };
}

class MenuBarTest : public GalleryTest {
 protected:
  void SetUp() override {
    GalleryTest::SetUp();
    bar_ = Control(gallery::kMenuBar);
    menu_ = gallery::GalleryMenu(window_);
  }

  void OpenByLetter(char letter) { SendMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, letter); }

  HWND bar_ = nullptr;
  HMENU menu_ = nullptr;
};

TEST_F(MenuBarTest, IsAChildOfItsOwnerWithTheGivenId) {
  ASSERT_NE(bar_, nullptr);
  char name[32];
  GetClassNameA(bar_, name, sizeof name);
  EXPECT_STREQ(name, "DravonMenuBar");
  EXPECT_EQ(GetParent(bar_), window_);
  RECT r = wintest::ChildRect(window_, bar_);
  EXPECT_EQ(r.top, DravonCaptionSize() - 1);
  EXPECT_EQ(r.bottom - r.top, DravonMenuSize());
  EXPECT_EQ(CreateMenuBar(nullptr, 0, 0, 24, menu_, 98), nullptr);
}

TEST_F(MenuBarTest, AClickOpensThePopupAndTheCommandReachesTheOwner) {
  wintest::RunSteps({WhenPopupOpens(menu_, 0), OnMenu([](HWND m) {
                       wintest::PostKey(m, VK_DOWN);
                       wintest::PostKey(m, VK_RETURN);
                     })});
  wintest::Click(bar_, 12, 10);  // on "File"
  ASSERT_TRUE(wintest::PumpUntil([] { return wintest::Logged(WM_COMMAND, gallery::kNewCommand, 0); }))
      << wintest::DescribeLog();
  EXPECT_TRUE(wintest::LogMatches({{WM_ENTERMENULOOP, TRUE, 0, true},
                                   {WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(menu_, 0)), 0},
                                   {WM_EXITMENULOOP, TRUE, 0, true},
                                   {WM_COMMAND, gallery::kNewCommand, 0}}));
}

TEST_F(MenuBarTest, AltAndAnUnderlinedLetterOpenThatPopup) {
  wintest::RunSteps({WhenPopupOpens(menu_, 2), OnMenu([](HWND m) { wintest::PostKey(m, VK_RETURN); })});
  OpenByLetter('h');
  ASSERT_TRUE(wintest::PumpUntil([] { return wintest::Logged(WM_COMMAND, gallery::kAboutCommand, 0); }))
      << wintest::DescribeLog();
  EXPECT_TRUE(wintest::Logged(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(menu_, 2)), MAKELPARAM(2, 0)));
}

TEST_F(MenuBarTest, TheRightArrowMovesToTheNextPopup) {
  wintest::RunSteps({WhenPopupOpens(menu_, 0), OnMenu([](HWND m) { wintest::PostKey(m, VK_RIGHT); }),
                     WhenPopupOpens(menu_, 1), OnMenu([](HWND m) { wintest::PostKey(m, VK_RETURN); })});
  OpenByLetter('F');
  ASSERT_TRUE(wintest::PumpUntil([] { return wintest::Logged(WM_COMMAND, gallery::kCutCommand, 0); }))
      << wintest::DescribeLog();
}

TEST_F(MenuBarTest, ALetterWithoutAnItemOpensNothing) {
  OpenByLetter('z');
  wintest::PumpPending();
  EXPECT_EQ(wintest::OpenMenuWindow(), nullptr);
  EXPECT_TRUE(wintest::LogMatches({}));
}

TEST_F(MenuBarTest, AltAloneTakesTheKeyboardAndEscapeGivesItBack) {
  HWND outer = Control(gallery::kSingleEdit);
  HWND edit = DvInnerControl(outer);
  SetFocus(edit);
  gallery::ClearLog();
  OpenByLetter(0);
  EXPECT_EQ(GetFocus(), bar_);
  SendMessageA(bar_, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(GetFocus(), edit);
  LPARAM handle = reinterpret_cast<LPARAM>(outer);
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, MAKEWPARAM(gallery::kSingleEdit, EN_KILLFOCUS), handle},
                                   {WM_COMMAND, MAKEWPARAM(gallery::kSingleEdit, EN_SETFOCUS), handle}}))
      << "only the edit's focus changes, no popup";
}

TEST_F(MenuBarTest, InKeyboardModeArrowsAndEnterOpenAPopup) {
  wintest::RunSteps({WhenPopupOpens(menu_, 1), OnMenu([](HWND m) { wintest::PostKey(m, VK_ESCAPE); })});
  OpenByLetter(0);
  SendMessageA(bar_, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(bar_, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(wintest::StepsFinished()) << wintest::DescribeLog();
  EXPECT_FALSE(wintest::Logged(WM_COMMAND, gallery::kCutCommand, 0));
}

}  // namespace
