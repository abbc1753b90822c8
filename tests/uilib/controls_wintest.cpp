// The control classes of the gallery, driven by messages as a host drives them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gallery_fixture.h"

namespace {

using gallery::ControlId;
using wintest::Expected;

LPARAM Handle(HWND window) { return reinterpret_cast<LPARAM>(window); }

class ControlsTest : public GalleryTest {
 protected:
  HWND Inner(int id) { return DvInnerControl(Control(id)); }

  static std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
  }

  static std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[512] = {};
      SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      items.push_back(text);
    }
    return items;
  }

  static int IndexOf(const std::vector<std::string>& items, const std::string& wanted) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == wanted) return static_cast<int>(i);
    }
    return -1;
  }

  // Clicks (or double-clicks: click, then the second press the system reports as a double click) the
  // centre of a list box item.
  static void ClickItem(HWND list, int index, bool doubleClick = false) {
    RECT item;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    if (!doubleClick) return;
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
  }

  static void SliderRange(HWND slider, int* minimum, int* maximum) {
    SendMessageA(slider, SBM_GETRANGE, reinterpret_cast<WPARAM>(minimum), reinterpret_cast<LPARAM>(maximum));
  }
};

// ---- Buttons ----

TEST_F(ControlsTest, ABitmapButtonTakesItsBitmapsSizeAndClicksLikeAButton) {
  HWND menu = Control(gallery::kMenuButton);
  RECT r;
  GetClientRect(menu, &r);
  EXPECT_EQ(r.right, 17) << "created 0 x 0, sized to the bitmap \"MENU\"";
  EXPECT_EQ(r.bottom, 12);
  POINT centre = wintest::CentreOf(menu);
  wintest::Click(menu, centre.x, centre.y);
  EXPECT_EQ(SendMessageA(menu, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "a push button does not check itself";
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, MAKEWPARAM(gallery::kMenuButton, BN_CLICKED), Handle(menu)}}));
}

TEST_F(ControlsTest, ABitmapButtonIsACheckButton) {
  HWND message = Control(gallery::kMessageCheck);
  EXPECT_EQ(SendMessageA(message, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  wintest::Click(message, 5, 5);
  EXPECT_EQ(SendMessageA(message, BM_GETCHECK, 0, 0), BST_CHECKED) << "BS_AUTOCHECKBOX toggles";
  wintest::Click(message, 5, 5);
  EXPECT_EQ(SendMessageA(message, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageA(message, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(message, BM_GETCHECK, 0, 0), BST_CHECKED);
  HWND push = Control(gallery::kMenuButton);
  SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), BST_CHECKED) << "any bitmap button can be shown checked";
  WPARAM clicked = MAKEWPARAM(gallery::kMessageCheck, BN_CLICKED);
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, clicked, Handle(message)}, {WM_COMMAND, clicked, Handle(message)}}));
}

TEST_F(ControlsTest, AReleaseOutsideTheButtonIsNoClick) {
  HWND ok = Control(gallery::kOkButton);
  SendMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(SendMessageA(ok, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  SendMessageA(ok, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 5));
  SendMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(300, 5));
  EXPECT_EQ(SendMessageA(ok, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  EXPECT_TRUE(wintest::LogMatches({}));
}

TEST_F(ControlsTest, TextButtonsClickByMouseKeyAndMessage) {
  HWND ok = Control(gallery::kOkButton);
  wintest::Click(ok, 10, 10);
  SetFocus(ok);
  SendMessageA(ok, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(ok, WM_KEYUP, VK_SPACE, 0);
  SendMessageA(ok, BM_CLICK, 0, 0);
  EnableWindow(ok, FALSE);
  SendMessageA(ok, BM_CLICK, 0, 0);
  WPARAM clicked = MAKEWPARAM(gallery::kOkButton, BN_CLICKED);
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, clicked, Handle(ok)}, {WM_COMMAND, clicked, Handle(ok)},
                                   {WM_COMMAND, clicked, Handle(ok)}}));
}

TEST_F(ControlsTest, TheDefaultButtonStyleIsToldToTheDialogManager) {
  HWND ok = Control(gallery::kOkButton);
  EXPECT_TRUE(SendMessageA(ok, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
  SendMessageA(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_TRUE(SendMessageA(ok, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
  EXPECT_FALSE(SendMessageA(ok, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
}

TEST_F(ControlsTest, CheckBoxesToggleAndRadioButtonsExcludeEachOther) {
  HWND check = Control(gallery::kChecker);
  HWND debug = Control(gallery::kRadioDebug);
  HWND release = Control(gallery::kRadioRelease);
  wintest::Click(check, 4, 8);
  EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  wintest::Click(check, 4, 8);
  EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  ASSERT_EQ(SendMessageA(release, BM_GETCHECK, 0, 0), BST_CHECKED);
  wintest::Click(debug, 4, 8);
  EXPECT_EQ(SendMessageA(debug, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(release, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  wintest::Click(debug, 4, 8);
  EXPECT_EQ(SendMessageA(debug, BM_GETCHECK, 0, 0), BST_CHECKED) << "a radio button stays checked";
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, MAKEWPARAM(gallery::kChecker, BN_CLICKED), Handle(check)},
                                   {WM_COMMAND, MAKEWPARAM(gallery::kChecker, BN_CLICKED), Handle(check)},
                                   {WM_COMMAND, MAKEWPARAM(gallery::kRadioDebug, BN_CLICKED), Handle(debug)},
                                   {WM_COMMAND, MAKEWPARAM(gallery::kRadioDebug, BN_CLICKED), Handle(debug)}}));
}

// ---- Text, frame and picture ----

TEST_F(ControlsTest, TextFrameAndPictureShowTheirWindowText) {
  EXPECT_EQ(TextOf(Control(gallery::kText)), "Projectfiles Location:");
  RECT r;
  GetClientRect(Control(gallery::kPicture), &r);
  EXPECT_EQ(r.right, 80) << "sized to the bitmap \"GRAYLOGO\"";
  EXPECT_EQ(r.bottom, 20);
  // Only the frame's outline is the frame: the edit inside it is what lies under its centre.
  HWND edit = Control(gallery::kSingleEdit);
  RECT editRect;
  GetWindowRect(edit, &editRect);
  POINT centre = {(editRect.left + editRect.right) / 2, (editRect.top + editRect.bottom) / 2};
  HWND under = WindowFromPoint(centre);
  EXPECT_TRUE(under == edit || GetParent(under) == edit);
  RECT frame;
  GetWindowRect(Control(gallery::kFrame), &frame);
  POINT inside = {frame.left + 100, frame.bottom - 10};
  EXPECT_NE(WindowFromPoint(inside), Control(gallery::kFrame));
}

// ---- Edits ----

TEST_F(ControlsTest, EditsAreRealEditsReachedThroughTheOuterWindow) {
  HWND outer = Control(gallery::kSingleEdit);
  HWND inner = Inner(gallery::kSingleEdit);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner, GetDlgItem(outer, DV_INNER_ID));
  EXPECT_EQ(lstrcmpiA(ClassOf(inner).c_str(), "Edit"), 0);
  EXPECT_EQ(TextOf(outer), "C:\\Work\\Projects");
  SetWindowTextA(outer, "D:\\Proj");
  EXPECT_EQ(TextOf(inner), "D:\\Proj");
  EXPECT_EQ(GetWindowTextLengthA(outer), 7);
  SendMessageA(outer, EM_SETSEL, 2, 4);
  DWORD start = 0, end = 0;
  SendMessageA(outer, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 4u);
  gallery::ClearLog();
  SetFocus(outer);
  EXPECT_EQ(GetFocus(), inner) << "the focus goes on to the real edit";
  SendMessageA(outer, EM_SETSEL, 7, 7);
  SendMessageA(outer, WM_CHAR, 'x', 1);
  EXPECT_EQ(TextOf(outer), "D:\\Projx");
  EXPECT_TRUE(wintest::Logged(WM_COMMAND, MAKEWPARAM(gallery::kSingleEdit, EN_CHANGE), Handle(outer)))
      << wintest::DescribeLog();
  EXPECT_TRUE(SendMessageA(outer, EM_GETMODIFY, 0, 0));
}

TEST_F(ControlsTest, ANumberEditTakesDigitsOnly) {
  EXPECT_TRUE(GetWindowLongA(Inner(gallery::kNumberEdit), GWL_STYLE) & ES_NUMBER);
}

TEST_F(ControlsTest, AMultiLineEditKeepsASliderInStepWithItsLines) {
  HWND outer = Control(gallery::kMultiEdit);
  HWND inner = Inner(gallery::kMultiEdit);
  HWND slider = GetDlgItem(outer, DV_INNER_ID + 1);
  ASSERT_NE(slider, nullptr);
  EXPECT_TRUE(GetWindowLongA(inner, GWL_STYLE) & ES_MULTILINE);
  EXPECT_TRUE(IsWindowVisible(slider)) << "eleven lines do not fit";
  int lines = static_cast<int>(SendMessageA(outer, EM_GETLINECOUNT, 0, 0));
  int minimum = -1, maximum = -1;
  SliderRange(slider, &minimum, &maximum);
  EXPECT_EQ(minimum, 0);
  EXPECT_GT(maximum, 0);
  EXPECT_LT(maximum, lines);
  SendMessageA(outer, WM_VSCROLL, SB_LINEDOWN, Handle(slider));
  EXPECT_EQ(SendMessageA(outer, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
  EXPECT_EQ(SendMessageA(slider, SBM_GETPOS, 0, 0), 1);
  SendMessageA(outer, EM_LINESCROLL, 0, 100);
  EXPECT_EQ(SendMessageA(slider, SBM_GETPOS, 0, 0), maximum) << "scrolling the edit moves the slider";
  SetWindowTextA(outer, "one line");
  EXPECT_FALSE(IsWindowVisible(slider)) << "nothing to scroll";
}

// ---- Lists ----

LRESULT CALLBACK CountingListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC gPreviousListProc = nullptr;
int gKeysSeen = 0;

LRESULT CALLBACK CountingListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN) ++gKeysSeen;
  return CallWindowProcA(gPreviousListProc, window, message, wParam, lParam);
}

TEST_F(ControlsTest, AScrollListHoldsARealListBoxThatHostsMaySubclass) {
  HWND outer = Control(gallery::kScrollList);
  HWND inner = Inner(gallery::kScrollList);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(lstrcmpiA(ClassOf(inner).c_str(), "ListBox"), 0);
  EXPECT_EQ(SendMessageA(outer, LB_GETCOUNT, 0, 0), 30);
  SendMessageA(outer, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("through the outer window"));
  SendMessageA(inner, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("through the list box"));
  std::vector<std::string> items = ListItems(outer);
  ASSERT_EQ(items.size(), 32u);
  EXPECT_EQ(items[30], "through the outer window");
  EXPECT_EQ(items[31], "through the list box");

  gPreviousListProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(inner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingListProc)));
  gKeysSeen = 0;
  SendMessageA(inner, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(inner, LB_SETTOPINDEX, 4, 0);
  EXPECT_EQ(gKeysSeen, 1);
  HWND slider = GetDlgItem(outer, DV_INNER_ID + 1);
  EXPECT_EQ(SendMessageA(slider, SBM_GETPOS, 0, 0), 4) << "the slider follows through the host's subclass";
  SetWindowLongPtrA(inner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPreviousListProc));
  SendMessageA(inner, LB_SETTOPINDEX, 6, 0);
  EXPECT_EQ(SendMessageA(slider, SBM_GETPOS, 0, 0), 6);
}

TEST_F(ControlsTest, AScrollListNotifiesUnderItsOwnIdAndScrollsByItsSlider) {
  HWND outer = Control(gallery::kScrollList);
  HWND inner = Inner(gallery::kScrollList);
  HWND slider = GetDlgItem(outer, DV_INNER_ID + 1);
  ASSERT_TRUE(IsWindowVisible(slider));
  int rows = 0;
  {
    RECT client;
    GetClientRect(inner, &client);
    rows = client.bottom / static_cast<int>(SendMessageA(inner, LB_GETITEMHEIGHT, 0, 0));
  }
  int minimum = -1, maximum = -1;
  SliderRange(slider, &minimum, &maximum);
  EXPECT_EQ(maximum, 30 - rows);
  SendMessageA(outer, WM_VSCROLL, SB_PAGEDOWN, Handle(slider));
  EXPECT_EQ(SendMessageA(inner, LB_GETTOPINDEX, 0, 0), rows);
  SendMessageA(inner, LB_SETTOPINDEX, 0, 0);

  SetFocus(inner);
  gallery::ClearLog();
  ClickItem(inner, 5);
  SendMessageA(inner, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(SendMessageA(outer, LB_GETCURSEL, 0, 0), 5);
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, MAKEWPARAM(gallery::kScrollList, LBN_SELCHANGE), Handle(outer)},
                                   {WM_COMMAND, MAKEWPARAM(gallery::kScrollList, DVN_OPEN), Handle(outer)}}));
}

TEST_F(ControlsTest, AnOwnerDrawnScrollListAsksItsParentUnderItsOwnId) {
  HWND list = CreateWindowExA(0, "DV_SCROLLLIST", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 10,
                              10, 100, 60, window_, reinterpret_cast<HMENU>(77), instance_, nullptr);
  ASSERT_NE(list, nullptr);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("drawn by the parent"));
  UpdateWindow(DvInnerControl(list));
  EXPECT_TRUE(wintest::Logged(WM_MEASUREITEM, 77, 77)) << wintest::DescribeLog();
  EXPECT_TRUE(wintest::Logged(WM_DRAWITEM, 77, 77)) << wintest::DescribeLog();
  EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 16) << "the parent's measure";
  DestroyWindow(list);
}

// A parent that answers the list colour itself, as the console does.
LRESULT CALLBACK ColouredParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORLISTBOX) {
    SetTextColor(reinterpret_cast<HDC>(wParam), RGB(200, 200, 200));
    return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(ControlsTest, AScrollListUsesItsParentsListColourWhenItHasOne) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ColouredParentProc;
  wc.hInstance = instance_;
  wc.lpszClassName = "ColouredParent";
  RegisterClassA(&wc);
  HWND parent = CreateWindowExA(0, "ColouredParent", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, instance_, nullptr);
  HWND list = CreateWindowExA(0, "DV_SCROLLLIST", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent, nullptr, instance_, nullptr);
  HWND inner = DvInnerControl(list);
  HDC dc = GetDC(inner);
  EXPECT_EQ(SendMessageA(list, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(inner)),
            reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(inner, dc);
  // The gallery does not answer: the theme's list colour is used.
  HWND themed = Inner(gallery::kScrollList);
  dc = GetDC(themed);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(Control(gallery::kScrollList), WM_CTLCOLORLISTBOX,
                                                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(themed)));
  ReleaseDC(themed, dc);
  LOGBRUSH info = {};
  GetObjectA(brush, sizeof info, &info);
  EXPECT_LT(GetRValue(info.lbColor), 60) << "dark";
  DestroyWindow(parent);
}

TEST_F(ControlsTest, AComboPassesItsMessagesAndNotifications) {
  HWND outer = Control(gallery::kCombo);
  HWND inner = Inner(gallery::kCombo);
  EXPECT_EQ(lstrcmpiA(ClassOf(inner).c_str(), "ComboBox"), 0);
  EXPECT_EQ(SendMessageA(outer, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(TextOf(outer), "GUI");
  SendMessageA(outer, CB_SETCURSEL, 2, 0);
  EXPECT_EQ(TextOf(outer), "DLL");
  gallery::ClearLog();
  SetFocus(inner);
  SendMessageA(inner, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(SendMessageA(outer, CB_GETCURSEL, 0, 0), 3);
  EXPECT_TRUE(wintest::Logged(WM_COMMAND, MAKEWPARAM(gallery::kCombo, CBN_SELCHANGE), Handle(outer)))
      << wintest::DescribeLog();
}

TEST_F(ControlsTest, ADirectoryListShowsFoldersFirstAndMovesIntoThem) {
  HWND outer = Control(gallery::kDirList);
  std::vector<std::string> items = ListItems(outer);
  EXPECT_EQ(items, (std::vector<std::string>{"[..]", "[Alpha]", "[Beta]", "notes.txt"}));
  HWND inner = Inner(gallery::kDirList);
  ClickItem(inner, 1, true);
  EXPECT_EQ(TextOf(outer), Folder("Alpha"));
  EXPECT_EQ(ListItems(outer), (std::vector<std::string>{"[..]", "deep.txt"}));
  EXPECT_TRUE(wintest::Logged(WM_COMMAND, MAKEWPARAM(gallery::kDirList, DVN_FOLDERCHANGED), Handle(outer)))
      << wintest::DescribeLog();
  ClickItem(inner, 0, true);
  EXPECT_EQ(TextOf(outer), Folder());
}

TEST_F(ControlsTest, TheFolderListChoosesAFolderWithCommandAndValueOne) {
  HWND outer = Control(gallery::kFolderList);
  HWND inner = Inner(gallery::kFolderList);
  EXPECT_EQ(TextOf(outer), Folder());
  std::vector<std::string> items = ListItems(outer);
  int alpha = IndexOf(items, "Alpha");
  int beta = IndexOf(items, "Beta");
  ASSERT_GE(alpha, 0);
  ASSERT_EQ(beta, alpha + 1);

  SetFocus(inner);
  SendMessageA(inner, LB_SETCURSEL, static_cast<WPARAM>(alpha), 0);
  SendMessageA(inner, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(TextOf(outer), Folder("Alpha"));
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, gallery::kFolderList, DVN_FOLDERCHOSEN}}));

  gallery::ClearLog();
  ClickItem(inner, beta, true);
  EXPECT_EQ(TextOf(outer), Folder("Beta"));
  EXPECT_TRUE(wintest::Logged(WM_COMMAND, gallery::kFolderList, DVN_FOLDERCHOSEN)) << wintest::DescribeLog();
}

TEST_F(ControlsTest, AClickInTheFolderListMakesTheEntryCurrent) {
  HWND outer = Control(gallery::kFolderList);
  HWND inner = Inner(gallery::kFolderList);
  int alpha = IndexOf(ListItems(outer), "Alpha");
  ASSERT_GE(alpha, 0);
  ClickItem(inner, alpha);
  ASSERT_TRUE(wintest::PumpUntil([&] { return TextOf(outer) == Folder("Alpha"); }));
  std::vector<std::string> items = ListItems(outer);
  EXPECT_EQ(IndexOf(items, "deep.txt"), -1) << "folders only";
  EXPECT_EQ(IndexOf(items, "Beta"), -1) << "the siblings of the current folder are not listed";
  EXPECT_EQ(static_cast<int>(SendMessageA(inner, LB_GETCURSEL, 0, 0)), IndexOf(items, "Alpha"));
  EXPECT_TRUE(wintest::LogMatches({})) << "making a folder current is no choice";
}

TEST_F(ControlsTest, AFolderListWithoutTextStartsAtItsCreationData) {
  std::string start = Folder("Beta");
  HWND list = CreateWindowExA(0, "DV_FolderList", "", WS_CHILD | WS_VISIBLE, 0, 0, 150, 150, window_,
                              reinterpret_cast<HMENU>(99), instance_, const_cast<char*>(start.c_str()));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(TextOf(list), start);
  DestroyWindow(list);
}

// ---- Colour select and pie ----

TEST_F(ControlsTest, TheColourSelectKeepsAndChoosesAColour) {
  HWND colours = Control(gallery::kColourSelect);
  DvSetColor(colours, RGB(1, 2, 3));
  EXPECT_EQ(DvGetColor(colours), RGB(1, 2, 3));
  wintest::Click(colours, 3, 3);
  COLORREF chosen = DvGetColor(colours);
  EXPECT_NE(chosen, RGB(1, 2, 3));
  wintest::Click(colours, 157, 70);
  EXPECT_EQ(DvGetColor(colours), RGB(255, 255, 255)) << "the last grey is white";
  WPARAM changed = MAKEWPARAM(gallery::kColourSelect, DVN_COLORCHANGED);
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, changed, Handle(colours)}, {WM_COMMAND, changed, Handle(colours)}}));
}

TEST_F(ControlsTest, ThePieKeepsAPercentage) {
  HWND pie = Control(gallery::kPie);
  EXPECT_EQ(SendMessageA(pie, DVM_GETPIEVALUE, 0, 0), 65);
  EXPECT_EQ(DvSetPieValue(pie, 150), 100);
  EXPECT_EQ(DvSetPieValue(pie, -5), 0);
  EXPECT_EQ(DvSetPieValue(pie, 42), 42);
  EXPECT_EQ(SendMessageA(pie, DVM_GETPIEVALUE, 0, 0), 42);
}

}  // namespace
