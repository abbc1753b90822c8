// The input-name dialogs, the busy box and the About box, run from the test's own copy of the
// program's resources with the UI library loaded.
#include "shell/namedialogs_win.h"

#include <windows.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "project/projectstrings.h"
#include "settings_files.h"
#include "shell/aboutbox_win.h"
#include "shell/appstate_win.h"
#include "shell/busybox_win.h"
#include "shell/dravonapi_win.h"
#include "support/temp_folder.h"
#include "wintest_support.h"

namespace {

// What runs inside a modal dialog's loop: a thread timer that finds the dialog and acts on it.
std::function<void(HWND)> gDialogScript;

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = GetActiveWindow();
  char name[16] = {};
  if (!dialog || !GetClassNameA(dialog, name, sizeof name) || lstrcmpA(name, "#32770") != 0) return;
  KillTimer(nullptr, timer);
  auto script = gDialogScript;
  gDialogScript = nullptr;
  if (script) script(dialog);
}

void WhenDialogOpens(std::function<void(HWND)> script) {
  gDialogScript = std::move(script);
  SetTimer(nullptr, 0, 50, RunScript);
}

std::string ItemText(HWND dialog, int id) {
  char text[256] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

std::string Title(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class DialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shell::App().instance = GetModuleHandleA(nullptr);
    loaded = shell::LoadDravonLibrary();
    if (!loaded) return;
    shell::Dv().InitDravon(shell::App().instance);
    shell::CreateSharedResources();
    shell::App().versionText = shell::MakeVersionText();
  }
  static void TearDownTestSuite() {
    if (!loaded) return;
    shell::DeleteSharedResources();
    shell::Dv().ExitDravon(shell::App().instance);
    shell::UnloadDravonLibrary();
  }
  void SetUp() override {
    if (!loaded) GTEST_SKIP() << "dravon.dll is not built";
    project::SetProjectFile(folder.Path() + "\\demo.ovp");
  }
  void TearDown() override { project::ClearProjectFile(); }

  static bool loaded;
  testsupport::TempFolder folder;
};
bool DialogTest::loaded = false;

TEST_F(DialogTest, NewFileProposesAFreeNameAndRefusesAnExistingOne) {
  testsupport::PutFile(folder.Path() + "\\demo01.c", "int a;");
  std::string proposal, after, title;
  bool stayed = false;
  WhenDialogOpens([&](HWND dialog) {
    title = Title(dialog);
    proposal = ItemText(dialog, 101);
    SetDlgItemTextA(dialog, 101, "demo01.c");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    stayed = IsWindow(dialog) != FALSE;
    after = ItemText(dialog, 100);
    SetDlgItemTextA(dialog, 101, "util.c");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  std::string path;
  EXPECT_TRUE(shell::AskNewFileName(nullptr, path));
  EXPECT_EQ(title, "New File");
  EXPECT_EQ(proposal, "demo02.c");
  EXPECT_TRUE(stayed);
  EXPECT_EQ(after, "Filename already exist. Choose another name!");
  EXPECT_EQ(path, folder.Path() + "\\util.c");
}

TEST_F(DialogTest, CancellingTheNewFileDialogGivesNoName) {
  WhenDialogOpens([](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  std::string path = "unchanged";
  EXPECT_FALSE(shell::AskNewFileName(nullptr, path));
  EXPECT_EQ(path, "unchanged");
}

TEST_F(DialogTest, FolderNameKeepsTheDialogOpenForAnEmptyName) {
  std::string shown, prompt;
  bool stayed = false;
  WhenDialogOpens([&](HWND dialog) {
    shown = ItemText(dialog, 101);
    prompt = ItemText(dialog, 100);
    SetDlgItemTextA(dialog, 101, "");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    stayed = IsWindow(dialog) != FALSE;
    SetDlgItemTextA(dialog, 101, "Sources");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  std::string name = "Old";
  EXPECT_TRUE(shell::AskFolderName(nullptr, name));
  EXPECT_EQ(shown, "Old");
  EXPECT_EQ(prompt, "Enter a name for the Folder or choose Cancel to abort.");
  EXPECT_TRUE(stayed);
  EXPECT_EQ(name, "Sources");
}

TEST_F(DialogTest, TheBusyBoxShowsItsTextsAndNotesAnAbortRequest) {
  HWND box = shell::ShowBusy("BUSY", "Make...", "C:\\Work\r\ndemo", 40);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(shell::BusyShown());
  EXPECT_EQ(Title(box), "Make...");
  EXPECT_EQ(ItemText(box, 100), "Make...");
  EXPECT_EQ(ItemText(box, 101), "C:\\Work\r\ndemo");
  EXPECT_EQ(SendDlgItemMessageA(box, 301, DVM_GETPIEVALUE, 0, 0), 40);
  EXPECT_FALSE(shell::BusyAbortRequested());
  SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(shell::BusyAbortRequested());
  EXPECT_TRUE(IsWindow(box));
  shell::CloseBusy(box);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_FALSE(shell::BusyShown());
}

TEST_F(DialogTest, OneBusyBoxAtATimeAndTheFaultReportRemovesIt) {
  HWND first = shell::ShowBusy("SAVE", "Saveing...", "C:\\a.c");
  HWND second = shell::ShowBusy("PROGRESS", "Building...", "C:\\Work");
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(IsWindow(first));
  shell::CloseBusyBoxIfShown();
  EXPECT_FALSE(IsWindow(second));
  EXPECT_FALSE(shell::BusyShown());
  shell::CloseBusyBoxIfShown();  // nothing shown: nothing happens
}

TEST_F(DialogTest, TheAboutBoxTakesTheTitlePicturesSizeAndClosesOnAKey) {
  SIZE client = {0, 0};
  WhenDialogOpens([&](HWND dialog) {
    RECT r;
    GetClientRect(dialog, &r);
    client = {r.right, r.bottom};
    SendMessageA(dialog, WM_KEYDOWN, 'A', 0);
  });
  shell::ShowAboutBox(nullptr);
  EXPECT_EQ(client.cx, 420);
  EXPECT_EQ(client.cy, 272);
}

}  // namespace
