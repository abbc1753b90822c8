// Window chrome and dialog theming: the close box, the caption strip, the sizing frame, the state word,
// the dialog procedures and CenterDialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "gallery_fixture.h"

namespace {

using wintest::Expected;

class ChromeTest : public GalleryTest {
 protected:
  LRESULT HitTest(int clientX, int clientY) {
    POINT p = {clientX, clientY};
    ClientToScreen(window_, &p);
    return SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }
  std::string StateWord() {
    char word[16] = "junk";
    SendMessageA(window_, DVM_GETSTATEWORD, sizeof word, reinterpret_cast<LPARAM>(word));
    return word;
  }
};

TEST_F(ChromeTest, TheCloseBoxSitsTopRightAndFollowsTheWidth) {
  HWND close = GetDlgItem(window_, 2);
  ASSERT_NE(close, nullptr);
  RECT client;
  GetClientRect(window_, &client);
  RECT box = wintest::ChildRect(window_, close);
  EXPECT_EQ(box.left, client.right - 14);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right - box.left, 12);
  EXPECT_EQ(box.bottom - box.top, 12);
  RECT outer;
  GetWindowRect(window_, &outer);
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left - 100, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(window_, &client);
  EXPECT_EQ(wintest::ChildRect(window_, close).left, client.right - 14);
}

TEST_F(ChromeTest, ClickingTheCloseBoxAsksTheWindowToClose) {
  wintest::Click(GetDlgItem(window_, 2), 6, 6);
  wintest::PumpPending();
  EXPECT_TRUE(wintest::LogMatches({{WM_CLOSE, 0, 0}}));
}

TEST_F(ChromeTest, TheStripDragsTheWindowAndTheBorderSizesIt) {
  RECT client;
  GetClientRect(window_, &client);
  int bottom = client.bottom, right = client.right, border = DravonFrameSize();
  EXPECT_EQ(HitTest(60, 5), HTCAPTION);
  EXPECT_EQ(HitTest(right - 8, 6), HTCLIENT) << "the close box is no caption";
  EXPECT_EQ(HitTest(200, DravonCaptionSize() + 100), HTCLIENT);
  EXPECT_EQ(HitTest(-border, 200), HTLEFT);
  EXPECT_EQ(HitTest(right + border - 1, 200), HTRIGHT);
  EXPECT_EQ(HitTest(300, bottom + border - 1), HTBOTTOM);
  EXPECT_EQ(HitTest(right + border - 1, bottom + border - 1), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTest(-border, -border), HTTOPLEFT);
  RECT outer;
  GetWindowRect(window_, &outer);
  EXPECT_EQ((outer.right - outer.left) - right, 2 * border) << "the frame is DravonFrameSize() wide";
}

TEST_F(ChromeTest, TheStateWordIsMaxOnlyWhileMaximised) {
  EXPECT_EQ(StateWord(), "");
  ShowWindow(window_, SW_MAXIMIZE);
  EXPECT_EQ(StateWord(), "max");
  EXPECT_EQ(HitTest(-1, 200), HTBORDER) << "a maximised window does not size";
  ShowWindow(window_, SW_RESTORE);
  EXPECT_EQ(StateWord(), "");
  EXPECT_EQ(SendMessageA(window_, DVM_GETSTATEWORD, 16, 0), 0) << "no buffer, no answer";
}

// ---- Dialogs ----

struct DialogRecord {
  std::vector<int> commands;
  DWORD style = WS_SYSMENU;
  int variant = 0;  // 0 DravonDialogProc, 1 tool, 2 small
};

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = reinterpret_cast<DialogRecord*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    record = reinterpret_cast<DialogRecord*>(lParam);
  }
  if (record) {
    INT_PTR themed = record->variant == 1   ? DravonToolDialogProc(dialog, message, wParam, lParam)
                     : record->variant == 2 ? DravonSmallDialogProc(dialog, message, wParam, lParam)
                                            : DravonDialogProc(dialog, message, wParam, lParam, record->style, 2);
    if (themed) return themed;
    if (message == WM_COMMAND) record->commands.push_back(LOWORD(wParam));
  }
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

class DialogTest : public GalleryTest {
 protected:
  HWND MakeDialog(DWORD style, DialogRecord& record) {
    alignas(DWORD) WORD templ[32] = {};
    auto* header = reinterpret_cast<DLGTEMPLATE*>(templ);
    header->style = style;
    header->cx = 160;
    header->cy = 90;
    HWND dialog = CreateDialogIndirectParamA(instance_, header, window_, TestDialogProc, reinterpret_cast<LPARAM>(&record));
    if (dialog) {
      SetWindowTextA(dialog, "Settings");
      ShowWindow(dialog, SW_SHOW);
      wintest::PumpPending();
    }
    return dialog;
  }

  static COLORREF AnsweredColour(HWND dialog, UINT message) {
    HDC dc = GetDC(dialog);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(dialog, message, reinterpret_cast<WPARAM>(dc), 0));
    ReleaseDC(dialog, dc);
    LOGBRUSH info = {};
    GetObjectA(brush, sizeof info, &info);
    return info.lbColor;
  }
};

TEST_F(DialogTest, ACaptionlessDialogGetsAStripWithACloseBoxThatCancels) {
  DialogRecord record;
  HWND dialog = MakeDialog(WS_POPUP | WS_BORDER, record);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(FindWindowExA(dialog, nullptr, "DravonCaption", nullptr), nullptr);
  HWND close = GetDlgItem(dialog, IDCANCEL);
  ASSERT_NE(close, nullptr);
  POINT onStrip = {40, 5};
  ClientToScreen(dialog, &onStrip);
  EXPECT_EQ(SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(onStrip.x, onStrip.y)), HTCAPTION);
  SendMessageA(close, BM_CLICK, 0, 0);
  EXPECT_EQ(record.commands, std::vector<int>{IDCANCEL});
  DestroyWindow(dialog);
}

TEST_F(DialogTest, ACancelButtonSharingTheIdDoesNotHideTheCloseBox) {
  DialogRecord record;
  HWND dialog = MakeDialog(WS_POPUP | WS_BORDER | WS_THICKFRAME, record);
  ASSERT_NE(dialog, nullptr);
  HWND cancel = CreateWindowExA(0, "BUTTON", "Cancel", WS_CHILD | WS_VISIBLE, 10, 40, 60, 20, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance_, nullptr);
  ASSERT_NE(cancel, nullptr);
  SetWindowPos(dialog, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  wintest::PumpPending();
  HWND close = FindWindowExA(dialog, nullptr, "DravonChromeBox", nullptr);
  ASSERT_NE(close, nullptr);
  RECT client, box;
  GetClientRect(dialog, &client);
  GetWindowRect(close, &box);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, client.right - 14);
  EXPECT_EQ(box.top, 2);
  RECT button;
  GetWindowRect(cancel, &button);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.left, 10) << "the dialog's own button stays where it was put";
  DestroyWindow(dialog);
}

TEST_F(DialogTest, WithoutTheSystemMenuFlagThereIsNoCloseBox) {
  DialogRecord record;
  record.style = 0;
  HWND dialog = MakeDialog(WS_POPUP | WS_BORDER, record);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(FindWindowExA(dialog, nullptr, "DravonCaption", nullptr), nullptr);
  EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), nullptr);
  DestroyWindow(dialog);
}

TEST_F(DialogTest, ADialogWithASystemCaptionKeepsIt) {
  DialogRecord record;
  HWND dialog = MakeDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU, record);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(FindWindowExA(dialog, nullptr, "DravonCaption", nullptr), nullptr);
  DestroyWindow(dialog);
}

TEST_F(DialogTest, DialogsAnswerTheColourMessagesInTheTheme) {
  DialogRecord plain;
  DialogRecord tool;
  tool.variant = 1;
  HWND first = MakeDialog(WS_POPUP | WS_BORDER, plain);
  HWND second = MakeDialog(WS_POPUP | WS_BORDER, tool);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  COLORREF dialogBack = AnsweredColour(first, WM_CTLCOLORDLG);
  EXPECT_EQ(AnsweredColour(first, WM_CTLCOLORSTATIC), dialogBack);
  EXPECT_LT(GetRValue(dialogBack), 80) << "dark";
  EXPECT_NE(AnsweredColour(second, WM_CTLCOLORDLG), dialogBack) << "tool dialogs have their own shade";
  EXPECT_NE(AnsweredColour(first, WM_CTLCOLOREDIT), dialogBack) << "edits have the control colour";
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST_F(DialogTest, CenterDialogUsesALargeOwnerAndTheScreenForAThinOne) {
  DialogRecord record;
  HWND dialog = MakeDialog(WS_POPUP | WS_BORDER, record);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(CenterDialog(dialog));
  RECT owner, box;
  GetWindowRect(window_, &owner);
  GetWindowRect(dialog, &box);
  EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
  EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
  DestroyWindow(dialog);

  // A frame across the top of the screen, 46 pixels high, is smaller than the dialog: the work area is used.
  HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 46, nullptr, nullptr, instance_, nullptr);
  alignas(DWORD) WORD templ[32] = {};
  auto* header = reinterpret_cast<DLGTEMPLATE*>(templ);
  header->style = WS_POPUP | WS_BORDER;
  header->cx = 160;
  header->cy = 90;
  dialog = CreateDialogIndirectParamA(instance_, header, frame, TestDialogProc, reinterpret_cast<LPARAM>(&record));
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(CenterDialog(dialog));
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(dialog, &box);
  EXPECT_NEAR((box.top + box.bottom) / 2, (area.top + area.bottom) / 2, 1);
  EXPECT_GE(box.top, area.top);
  DestroyWindow(dialog);
  DestroyWindow(frame);
}

TEST_F(DialogTest, TheSmallProcPaintsAWindowsBackground) {
  HDC dc = GetDC(window_);
  EXPECT_EQ(DravonSmallProc(window_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(DravonSmallProc(window_, WM_MOUSEMOVE, 0, 0), 0) << "other messages are not handled";
  ReleaseDC(window_, dc);
}

}  // namespace
