// dravon.dll as a library: its exports, initialisation, themes, layout sizes and the task window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "uilib/dravon.h"
#include "wintest_support.h"

namespace {

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH info = {};
  GetObjectA(brush, sizeof info, &info);
  return info.lbColor;
}

TEST(DravonLibraryTest, ExportsEveryOperationByItsPlainName) {
  HMODULE library = LoadLibraryA("dravon.dll");
  ASSERT_NE(library, nullptr);
  const char* names[] = {
      "InitDravon",          "ExitDravon",          "SetDravonTheme",     "CreateDravonTaskWindow",
      "DestroyDravonTaskWindow", "DravonWindowProc", "GetDravonWindowProcResult", "DravonTaskProc",
      "GetDravonTaskProcResult", "DravonDialogProc", "DravonToolDialogProc", "DravonSmallDialogProc",
      "DravonSmallProc",     "CreateMenuBar",       "DravonCaptionSize",  "DravonFrameSize",
      "DravonMenuSize",      "FileOpenBox",         "FileSaveBox",        "BrowseFolder",
      "CreateWarnBox",       "ShowPopupMenu",       "ShowPopupWindow",    "CenterDialog",
      "SetSliderRange",      "SetSliderPos",        "SetSliderRatio",
  };
  for (const char* name : names) {
    SCOPED_TRACE(name);
    EXPECT_NE(GetProcAddress(library, name), nullptr);
  }
  FreeLibrary(library);
}

TEST(DravonLibraryTest, ClassesLiveFromTheFirstInitToTheLastExit) {
  HINSTANCE library = GetModuleHandleA("dravon.dll");
  ASSERT_NE(library, nullptr);
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  const char* classes[] = {"DV_TEXT",     "DV_FRAME",     "DV_TXGBUTTON",   "DV_BMBUTTON",   "DV_CHECKER",
                           "DV_SINGLEEDIT", "DV_MULTIEDIT", "DV_SCROLLLIST", "DV_SCROLLCOMBO", "DV_PICTURE",
                           "DV_DIRLIST",  "DV_COLORSELECT", "DV_PIE",       "DV_FolderList", "DV_HSlider",
                           "DV_VSlider"};
  EXPECT_FALSE(GetClassInfoExA(library, "DV_TEXT", &info));
  ASSERT_TRUE(InitDravon(GetModuleHandleA(nullptr)));
  ASSERT_TRUE(InitDravon(library));  // a second user, as folvex is
  for (const char* name : classes) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(GetClassInfoExA(library, name, &info));
  }
  ExitDravon(library);
  EXPECT_TRUE(GetClassInfoExA(library, "DV_SCROLLLIST", &info)) << "one user is left";
  ExitDravon(GetModuleHandleA(nullptr));
  EXPECT_FALSE(GetClassInfoExA(library, "DV_SCROLLLIST", &info));
}

TEST(DravonLibraryTest, ThemeNamesChooseColoursAndUnknownNamesChangeNothing) {
  ASSERT_TRUE(InitDravon(GetModuleHandleA(nullptr)));
  HDC dc = GetDC(nullptr);
  auto dialogColour = [&] {
    return BrushColour(reinterpret_cast<HBRUSH>(DravonSmallProc(nullptr, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0)));
  };
  EXPECT_TRUE(SetDravonTheme("Dark"));
  COLORREF dark = dialogColour();
  EXPECT_EQ(GetTextColor(dc), RGB(200, 200, 200));
  EXPECT_TRUE(SetDravonTheme("light"));
  COLORREF light = dialogColour();
  EXPECT_NE(light, dark);
  EXPECT_GT(GetRValue(light), 200);
  struct Case {
    const char* label;
    const char* name;
  };
  std::string longName(40, 'D');
  const Case unknown[] = {{"unknown", "Sepia"}, {"empty", ""}, {"none", nullptr}, {"over 30 characters", longName.c_str()},
                          {"a known name with more after it", "Darkish"}};
  for (const Case& c : unknown) {
    SCOPED_TRACE(c.label);
    EXPECT_FALSE(SetDravonTheme(c.name));
    EXPECT_EQ(dialogColour(), light);
  }
  EXPECT_TRUE(SetDravonTheme("DARK"));
  EXPECT_EQ(dialogColour(), dark);
  ReleaseDC(nullptr, dc);
  ExitDravon(GetModuleHandleA(nullptr));
}

TEST(DravonLibraryTest, LayoutSizesFitTheFrameOfFortySixPixels) {
  // The frame is 46 pixels high: its sizing frame top and bottom, the caption strip and the menu bar.
  EXPECT_EQ(DravonCaptionSize() + DravonMenuSize() + 2 * DravonFrameSize(), 46);
  EXPECT_GT(DravonCaptionSize(), 12) << "the 12-pixel close box at y 2 fits the strip";
}

// ---- Task window and frame ----

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (DravonWindowProc(window, message, wParam, lParam, 0x820F0000, 1)) return GetDravonWindowProcResult();
  if (DravonTaskProc(window, message, wParam, lParam)) return GetDravonTaskProcResult();
  return DefWindowProcA(window, message, wParam, lParam);
}

class TaskWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(InitDravon(GetModuleHandleA(nullptr)));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TestFrameWindow";
    RegisterClassA(&wc);
    task_ = CreateDravonTaskWindow("Orvantel 2.52", 0xB0000, nullptr, GetModuleHandleA(nullptr));
    ASSERT_NE(task_, nullptr);
    frame_ = CreateWindowExA(0, "TestFrameWindow", "Orvantel 2.52", 0x820F0000, -4, -4, 800, 46, task_, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr);
    ShowWindow(frame_, SW_SHOW);
    wintest::PumpPending();
  }

  void TearDown() override {
    if (IsWindow(task_)) DestroyDravonTaskWindow(task_);
    wintest::PumpPending();
    ExitDravon(GetModuleHandleA(nullptr));
  }

  std::string StateWord(HWND window) {
    char word[16] = "junk";
    SendMessageA(window, DVM_GETSTATEWORD, sizeof word, reinterpret_cast<LPARAM>(word));
    return word;
  }

  HWND task_ = nullptr;
  HWND frame_ = nullptr;
};

TEST_F(TaskWindowTest, IsAHiddenOwnerFoundByItsClassAndTitle) {
  char className[64];
  GetClassNameA(task_, className, sizeof className);
  EXPECT_STREQ(className, "Orvantel 2.52TaskWindow");
  EXPECT_EQ(FindWindowA("Orvantel 2.52TaskWindow", "Orvantel 2.52"), task_);
  EXPECT_FALSE(IsWindowVisible(task_));
  EXPECT_EQ(GetWindow(frame_, GW_OWNER), task_);
}

TEST_F(TaskWindowTest, MaximisingGoesThroughTheTaskWindowAndTheFrameSaysMax) {
  EXPECT_EQ(StateWord(frame_), "");
  SendMessageA(frame_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(task_)) << "the program's state is read from the task window";
  EXPECT_TRUE(IsZoomed(frame_));
  EXPECT_EQ(StateWord(frame_), "max");
  SendMessageA(frame_, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsZoomed(task_));
  EXPECT_FALSE(IsZoomed(frame_));
  EXPECT_EQ(StateWord(frame_), "");
  // Maximising the task window itself (as start-up does) maximises its frame.
  SendMessageA(task_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(frame_));
}

TEST_F(TaskWindowTest, TheStateWordNeverPassesTheBuffer) {
  SendMessageA(frame_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  char word[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(SendMessageA(frame_, DVM_GETSTATEWORD, 2, reinterpret_cast<LPARAM>(word)), 1);
  EXPECT_EQ(std::string(word), "m");
  EXPECT_EQ(word[2], 'x');
}

TEST_F(TaskWindowTest, MinimisingTheFrameMinimisesTheProgram) {
  SendMessageA(frame_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  wintest::PumpPending();
  EXPECT_TRUE(IsIconic(task_));
  EXPECT_FALSE(IsWindowVisible(frame_)) << "owned windows hide with their owner";
  SendMessageA(task_, WM_SYSCOMMAND, SC_RESTORE, 0);
  wintest::PumpPending();
  EXPECT_FALSE(IsIconic(task_));
  EXPECT_TRUE(IsWindowVisible(frame_));
  EXPECT_FALSE(IsWindowVisible(task_)) << "the task window hides again";
}

TEST_F(TaskWindowTest, DestroyingTheTaskWindowRemovesItsClassAndTheFrame) {
  EXPECT_TRUE(DestroyDravonTaskWindow(task_));
  EXPECT_FALSE(IsWindow(task_));
  EXPECT_FALSE(IsWindow(frame_));
  WNDCLASSA info;
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA("dravon.dll"), "Orvantel 2.52TaskWindow", &info));
  EXPECT_FALSE(DestroyDravonTaskWindow(task_));
}

}  // namespace
