// Warning boxes, popup menus, popup windows and the file box, driven from timers inside their loops.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "gallery_fixture.h"

namespace {

using wintest::Step;

// The ids of the text buttons of a box, in creation order.
std::vector<int> TextButtons(HWND box) {
  std::vector<int> ids;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpA(name, "DV_TXGBUTTON") == 0) ids.push_back(GetDlgCtrlID(child));
  }
  return ids;
}

// A step that waits for the box titled `caption` and runs `act` on it once.
Step OnBox(const char* caption, std::function<void(HWND)> act) {
  return [caption, act] {
    HWND box = wintest::FindThreadWindow("#32770", caption);
    if (!box) return false;
    act(box);
    return true;
  };
}

Step ClickButton(const char* caption, int id) {
  return OnBox(caption, [id](HWND box) { SendMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); });
}

Step PressEscape(const char* caption) {
  return OnBox(caption, [](HWND box) {
    HWND focus = GetFocus();
    wintest::PostKey(focus && IsChild(box, focus) ? focus : box, VK_ESCAPE);
  });
}

// Waits one more tick (lets a posted key be handled before the next step looks).
Step Pause(int ticks) {
  auto left = std::make_shared<int>(ticks);
  return [left] { return --*left <= 0; };
}

Step OnMenu(std::function<void(HWND)> act) {
  return [act] {
    HWND menu = wintest::OpenMenuWindow();
    if (!menu) return false;
    act(menu);
    return true;
  };
}

struct WarnCase {
  const char* label;
  UINT style;
  std::vector<int> buttons;
  int press;
  int answer;
};

using BoxesTest = GalleryTest;

TEST_F(BoxesTest, AWarningBoxAnswersWithThePressedButton) {
  const WarnCase cases[] = {
      {"error, OK", MB_ICONHAND, {IDOK}, IDOK, 1},
      {"warning, OK", MB_ICONEXCLAMATION, {IDOK}, IDOK, 1},
      {"yes/no, yes", MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, IDYES, 6},
      {"yes/no, no", MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, IDNO, 7},
      {"yes/no/cancel, cancel", MB_YESNOCANCEL | MB_ICONQUESTION, {IDYES, IDNO, IDCANCEL}, IDCANCEL, 2},
      {"yes/no/cancel, no", MB_YESNOCANCEL | MB_ICONQUESTION, {IDYES, IDNO, IDCANCEL}, IDNO, 7},
  };
  for (const WarnCase& c : cases) {
    SCOPED_TRACE(c.label);
    std::vector<int> shown;
    std::string text;
    bool ownerDisabled = false;
    HWND owner = window_;
    int press = c.press;
    wintest::RunSteps({OnBox("Remove...", [&](HWND box) {
      shown = TextButtons(box);
      char buffer[256] = {};
      GetDlgItemTextA(box, 100, buffer, sizeof buffer);
      text = buffer;
      ownerDisabled = !IsWindowEnabled(owner);
      SendMessageA(GetDlgItem(box, press), BM_CLICK, 0, 0);
    })});
    int answer = CreateWarnBox(window_, "...selected Items from Project?", "Remove...", c.style);
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(shown, c.buttons);
    EXPECT_EQ(text, "...selected Items from Project?");
    EXPECT_TRUE(ownerDisabled) << "the box is modal to its owner";
    EXPECT_TRUE(IsWindowEnabled(window_));
    EXPECT_TRUE(wintest::StepsFinished());
  }
}

TEST_F(BoxesTest, EscapeAnswersCancelOrOkAndIsIgnoredByAYesNoBox) {
  wintest::RunSteps({PressEscape("Save changes...")});
  EXPECT_EQ(CreateWarnBox(window_, "C:\\a.c", "Save changes...", 35), IDCANCEL);
  wintest::RunSteps({PressEscape("Can not find Helpfile!")});
  EXPECT_EQ(CreateWarnBox(window_, "", "Can not find Helpfile!", 48), IDOK);
  // A yes/no box has no Cancel: Escape leaves it open and only a button ends it.
  bool stillOpen = false;
  wintest::RunSteps({PressEscape("Overwrite File?"), Pause(8), OnBox("Overwrite File?", [&](HWND box) {
                       stillOpen = true;
                       SendMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
                     })});
  EXPECT_EQ(CreateWarnBox(window_, "C:\\a.c\r\nalready exist!", "Overwrite File?", 36), IDNO);
  EXPECT_TRUE(stillOpen);
}

TEST_F(BoxesTest, AYesNoBoxHasNoCloseBoxAndACancelBoxHasOne) {
  bool yesNoClose = true, cancelClose = false;
  wintest::RunSteps({OnBox("A", [&](HWND box) {
                       yesNoClose = FindWindowExA(box, nullptr, "DravonChromeBox", nullptr) != nullptr;
                       SendMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
                     })});
  CreateWarnBox(window_, "text", "A", 36);
  wintest::RunSteps({OnBox("B", [&](HWND box) {
                       HWND close = FindWindowExA(box, nullptr, "DravonChromeBox", nullptr);
                       cancelClose = close != nullptr;
                       if (close) SendMessageA(close, BM_CLICK, 0, 0);
                     })});
  EXPECT_EQ(CreateWarnBox(window_, "text", "B", 35), IDCANCEL) << "the close box cancels";
  EXPECT_FALSE(yesNoClose);
  EXPECT_TRUE(cancelClose);
}

TEST_F(BoxesTest, AWarningBoxWithoutOwnerStillAnswers) {
  wintest::RunSteps({ClickButton("Fatal Error", IDOK)});
  EXPECT_EQ(CreateWarnBox(nullptr, "It is recomented to save the project and restart the application!", "Fatal Error",
                          0x10),
            IDOK);
}

// ---- Popup menu ----

TEST_F(BoxesTest, APopupMenuRoutesTheChosenCommandToTheOwner) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 301, "View...");
  AppendMenuA(menu, MF_STRING, 302, "Compile...");
  wintest::RunSteps({OnMenu([](HWND m) {
    wintest::PostKey(m, VK_DOWN);
    wintest::PostKey(m, VK_DOWN);
    wintest::PostKey(m, VK_RETURN);
  })});
  EXPECT_EQ(ShowPopupMenu(window_, 0, 200, 200, menu), 302);
  EXPECT_TRUE(wintest::PumpUntil([] { return wintest::Logged(WM_COMMAND, 302, 0); })) << wintest::DescribeLog();

  gallery::ClearLog();
  wintest::RunSteps({OnMenu([](HWND m) { wintest::PostKey(m, VK_ESCAPE); })});
  EXPECT_EQ(ShowPopupMenu(window_, 0, 200, 200, menu), 0);
  wintest::PumpPending();
  EXPECT_FALSE(wintest::Logged(WM_COMMAND, 301, 0));
  EXPECT_FALSE(wintest::Logged(WM_COMMAND, 302, 0));
  DestroyMenu(menu);
  EXPECT_EQ(ShowPopupMenu(window_, 0, 0, 0, nullptr), 0);
}

// ---- Popup window ----

TEST_F(BoxesTest, APopupWindowPassesItsFolderListsChoiceToTheOwner) {
  RECT field;
  GetWindowRect(Control(gallery::kSingleEdit), &field);
  HWND popup = ShowPopupWindow(window_, WS_BORDER, field.left, field.bottom + 20, field.right - field.left + 1, 180, nullptr);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), window_);
  RECT client;
  GetClientRect(popup, &client);
  std::string start = Folder();
  HWND list = CreateWindowExA(0, "DV_FolderList", start.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                              client.bottom, popup, reinterpret_cast<HMENU>(99), instance_, const_cast<char*>(start.c_str()));
  ASSERT_NE(list, nullptr);
  HWND inner = DvInnerControl(list);
  int beta = static_cast<int>(SendMessageA(inner, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Beta")));
  ASSERT_GE(beta, 0);
  SendMessageA(inner, LB_SETCURSEL, static_cast<WPARAM>(beta), 0);
  SendMessageA(inner, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, 99, 1}}));
  EXPECT_EQ(TextOf(list), Folder("Beta"));

  gallery::ClearLog();
  SendMessageA(inner, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(wintest::PumpUntil([&] { return !IsWindow(popup); }));
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, MAKEWPARAM(DV_POPUP_ID, 0), reinterpret_cast<LPARAM>(popup)}}));
}

TEST_F(BoxesTest, APopupWindowClosesWhenAnotherWindowIsActivated) {
  HWND popup = ShowPopupWindow(window_, WS_BORDER, 100, 100, 120, 80, nullptr);
  ASSERT_NE(popup, nullptr);
  wintest::PumpPending();
  SetActiveWindow(window_);
  ASSERT_TRUE(wintest::PumpUntil([&] { return !IsWindow(popup); }));
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, MAKEWPARAM(DV_POPUP_ID, 0), reinterpret_cast<LPARAM>(popup)}}));
}

TEST_F(BoxesTest, APopupListReportsTheChosenEntryCountedFromOne) {
  HWND popup = ShowPopupWindow(window_, WS_BORDER, 100, 100, 120, 80, "GUI\0Console\0DLL\0");
  ASSERT_NE(popup, nullptr);
  HWND list = GetWindow(popup, GW_CHILD);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  SendMessageA(DvInnerControl(list), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(IsWindow(popup)) << "a choice closes the popup";
  EXPECT_TRUE(wintest::LogMatches({{WM_COMMAND, MAKEWPARAM(DV_POPUP_ID, 2), reinterpret_cast<LPARAM>(popup)}}));
}

// ---- File box ----

// Types a name into the open box and confirms it.
Step ChooseInFileBox(const char* name) {
  return [name] {
    HWND box = wintest::FindThreadWindow("#32770", "Add File...");
    if (!box) return false;
    for (int id : {0x47C, 0x480}) {  // the name field: combo box (explorer style) or edit
      if (GetDlgItem(box, id)) SetDlgItemTextA(box, id, name);
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    return true;
  };
}

class FileBoxTest : public GalleryTest {
 protected:
  OPENFILENAMEA Request(DWORD flags) {
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = window_;
    request.lpstrFilter = "C/C++-File (*.c*)\0*.c*\0All Files\0*.*\0";
    request.nFilterIndex = 2;
    request.lpstrFile = buffer_;
    request.nMaxFile = sizeof buffer_;
    request.lpstrInitialDir = initial_.c_str();
    request.lpstrTitle = "Add File...";
    request.Flags = flags | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    return request;
  }

  void SetUp() override {
    GalleryTest::SetUp();
    initial_ = Folder();
    std::memset(buffer_, 0, sizeof buffer_);
  }

  char buffer_[2048];
  std::string initial_;
};

TEST_F(FileBoxTest, OneFileOfAMultipleSelectionComesAsFolderAndName) {
  OPENFILENAMEA request = Request(OFN_ALLOWMULTISELECT);
  wintest::RunSteps({ChooseInFileBox("notes.txt")});
  ASSERT_TRUE(FileOpenBox(&request));
  std::string folder(buffer_);
  EXPECT_EQ(lstrcmpiA(folder.c_str(), Folder().c_str()), 0) << folder;
  const char* name = buffer_ + folder.size() + 1;
  EXPECT_STREQ(name, "notes.txt");
  EXPECT_EQ(name[std::strlen(name) + 1], '\0') << "an empty name ends the list";
  EXPECT_EQ(request.nFileOffset, folder.size() + 1);
  EXPECT_EQ(request.nFilterIndex, 2u);
}

TEST_F(FileBoxTest, WithoutMultipleSelectionTheFullPathComesBack) {
  OPENFILENAMEA request = Request(0);
  wintest::RunSteps({ChooseInFileBox("notes.txt")});
  ASSERT_TRUE(FileOpenBox(&request));
  EXPECT_EQ(lstrcmpiA(buffer_, Folder("notes.txt").c_str()), 0) << buffer_;
}

TEST_F(FileBoxTest, MissingRecordsAreRefused) {
  EXPECT_FALSE(FileOpenBox(nullptr));
  EXPECT_FALSE(FileSaveBox(nullptr));
  EXPECT_FALSE(BrowseFolder(window_, nullptr));
}

}  // namespace
