// The sliders: settings kept and clamped, user input turned into scroll notifications to the parent.
#include <windows.h>

#include <gtest/gtest.h>

#include "gallery_fixture.h"

namespace {

using wintest::Expected;

LPARAM Handle(HWND window) { return reinterpret_cast<LPARAM>(window); }

class SliderTest : public GalleryTest {
 protected:
  void SetUp() override {
    GalleryTest::SetUp();
    vertical_ = Control(gallery::kVSlider);    // 14 x 150: range 0..100, ratio 20, position 30
    horizontal_ = Control(gallery::kHSlider);  // 620 x 14: range 0..800, ratio 200, position 120
  }

  static int Position(HWND slider) { return static_cast<int>(SendMessageA(slider, SBM_GETPOS, 0, 0)); }

  HWND vertical_ = nullptr;
  HWND horizontal_ = nullptr;
};

TEST_F(SliderTest, RangePositionAndRatioAreKeptAndThePositionStaysInRange) {
  EXPECT_EQ(SetSliderRange(vertical_, SB_CTL, 0, 50, TRUE), 30);
  EXPECT_EQ(SetSliderPos(vertical_, SB_CTL, 80, TRUE), 30) << "returns the previous position";
  EXPECT_EQ(Position(vertical_), 50);
  SetSliderPos(vertical_, 2, -7, TRUE);
  EXPECT_EQ(Position(vertical_), 0);
  SetSliderPos(vertical_, 0, 40, TRUE);
  SetSliderRange(vertical_, 0, 0, 10, TRUE);
  EXPECT_EQ(Position(vertical_), 10) << "a narrower range pulls the position in";
  SetSliderRatio(vertical_, 2, 6, TRUE);
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(SendMessageA(vertical_, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 10);
  EXPECT_EQ(info.nPage, 6u);
  EXPECT_EQ(info.nPos, 10);
  EXPECT_TRUE(wintest::LogMatches({})) << "settings send nothing";
}

TEST_F(SliderTest, ArrowsAndTheTrackSendLineAndPageCodes) {
  wintest::Click(vertical_, 7, 3);
  wintest::Click(vertical_, 7, 146);
  wintest::Click(vertical_, 7, 20);   // above the thumb (which starts at 44)
  wintest::Click(vertical_, 7, 120);  // below it
  EXPECT_EQ(Position(vertical_), 30) << "the parent moves the slider, not the click";
  LPARAM s = Handle(vertical_);
  EXPECT_TRUE(wintest::LogMatches({{WM_VSCROLL, SB_LINEUP, s},   {WM_VSCROLL, SB_ENDSCROLL, s},
                                   {WM_VSCROLL, SB_LINEDOWN, s}, {WM_VSCROLL, SB_ENDSCROLL, s},
                                   {WM_VSCROLL, SB_PAGEUP, s},   {WM_VSCROLL, SB_ENDSCROLL, s},
                                   {WM_VSCROLL, SB_PAGEDOWN, s}, {WM_VSCROLL, SB_ENDSCROLL, s}}));
}

TEST_F(SliderTest, DraggingTheThumbTracksAndEndsWithThePosition) {
  // Track 14..136 (122 pixels), thumb 122 x 20 / 120 = 20 pixels, travel 102: position 30 starts at 44.
  SendMessageA(vertical_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 50));
  SendMessageA(vertical_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7, 102));
  SendMessageA(vertical_, WM_LBUTTONUP, 0, MAKELPARAM(7, 102));
  LPARAM s = Handle(vertical_);
  EXPECT_TRUE(wintest::LogMatches({{WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 80), s},
                                   {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 80), s},
                                   {WM_VSCROLL, SB_ENDSCROLL, s}}));
  EXPECT_EQ(Position(vertical_), 30);
}

TEST_F(SliderTest, DraggingPastTheEndStopsAtTheMaximum) {
  SendMessageA(vertical_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 50));
  SendMessageA(vertical_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7, 400));
  SendMessageA(vertical_, WM_LBUTTONUP, 0, MAKELPARAM(7, 400));
  LPARAM s = Handle(vertical_);
  EXPECT_TRUE(wintest::LogMatches({{WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 100), s},
                                   {WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100), s},
                                   {WM_VSCROLL, SB_ENDSCROLL, s}}));
}

TEST_F(SliderTest, AHorizontalSliderSendsHorizontalScrolls) {
  wintest::Click(horizontal_, 3, 7);
  wintest::Click(horizontal_, 616, 7);
  LPARAM s = Handle(horizontal_);
  EXPECT_TRUE(wintest::LogMatches({{WM_HSCROLL, SB_LINELEFT, s}, {WM_HSCROLL, SB_ENDSCROLL, s},
                                   {WM_HSCROLL, SB_LINERIGHT, s}, {WM_HSCROLL, SB_ENDSCROLL, s}}));
}

TEST_F(SliderTest, ARangeWithNothingToScrollIgnoresClicks) {
  SetSliderRange(horizontal_, SB_CTL, 0, 0, TRUE);
  wintest::Click(horizontal_, 3, 7);
  wintest::Click(horizontal_, 300, 7);
  EXPECT_TRUE(wintest::LogMatches({}));
}

TEST_F(SliderTest, AStandardScrollBarGetsTheScrollBarCalls) {
  HWND bar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 16, 100, window_, nullptr,
                             instance_, nullptr);
  ASSERT_NE(bar, nullptr);
  SetSliderRange(bar, SB_CTL, 0, 50, TRUE);
  SetSliderRatio(bar, SB_CTL, 5, TRUE);
  SetSliderPos(bar, SB_CTL, 20, TRUE);
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
  EXPECT_EQ(info.nMax, 50);
  EXPECT_EQ(info.nPage, 5u);
  EXPECT_EQ(info.nPos, 20);
  DestroyWindow(bar);
}

}  // namespace
