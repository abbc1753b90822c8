// The frame window in this process, with stand-ins for the windows it works with: menu states,
// command routing, moving and closing, the Open box's filter number.
#include "shell/framewindow_win.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "project/projectstrings.h"
#include "resources/menu_positions.h"
#include "resources/resource_ids.h"
#include "settings_files.h"
#include "shell/appstate_win.h"
#include "shell/dravonapi_win.h"
#include "shell/editorwindows_win.h"
#include "shell/fileboxes_win.h"
#include "shell/settingsfile.h"
#include "shell/settingspaths.h"
#include "support/temp_folder.h"
#include "wintest_support.h"

namespace {

struct Seen {
  HWND window;
  UINT message;
  WPARAM wParam;
  std::string text;
  bool operator==(const Seen& o) const {
    return window == o.window && message == o.message && wParam == o.wParam && text == o.text;
  }
};
std::vector<Seen> gSeen;
bool gProjectRefusesToClose = false;

// Stand-ins for the project window, the console and an editor: they note what the frame sends them.
LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_INITMENUPOPUP:
    case 0x0184:
      gSeen.push_back({window, message, wParam, ""});
      return 0;
    case 0x0180:
      gSeen.push_back({window, message, wParam, reinterpret_cast<const char*>(lParam)});
      return 0;
    case WM_CLOSE:
      gSeen.push_back({window, message, 0, ""});
      if (!gProjectRefusesToClose) DestroyWindow(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

std::string Describe(const std::vector<Seen>& seen) {
  std::string s;
  for (const Seen& r : seen) {
    char line[160];
    std::snprintf(line, sizeof line, "  window %p message 0x%X wParam %u text '%s'\n", static_cast<void*>(r.window),
                  r.message, static_cast<unsigned>(r.wParam), r.text.c_str());
    s += line;
  }
  return s;
}

std::function<void(HWND)> gBoxScript;
void CALLBACK RunBoxScript(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = GetActiveWindow();
  if (!box || !GetDlgItem(box, 0x470)) return;  // the box's file-type list
  KillTimer(nullptr, timer);
  auto script = gBoxScript;
  gBoxScript = nullptr;
  if (script) script(box);
}

class FrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shell::AppState& app = shell::App();
    app.instance = GetModuleHandleA(nullptr);
    loaded = shell::LoadDravonLibrary();
    if (!loaded) return;
    shell::Dv().InitDravon(app.instance);
    shell::CreateSharedResources();
    shell::PrepareFileBoxes(app.instance);
    shell::RegisterFrameClass(app.instance);
    for (const char* name : {"IdeProjectWindow", "OrvStandIn", shell::kEditorClass}) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = StandInProc;
      wc.hInstance = app.instance;
      wc.lpszClassName = name;
      RegisterClassA(&wc);
    }
  }
  static void TearDownTestSuite() {
    for (const char* name : {"IdeProjectWindow", "OrvStandIn", shell::kEditorClass, shell::kFrameClass})
      UnregisterClassA(name, shell::App().instance);
    if (!loaded) return;
    shell::DeleteSharedResources();
    shell::Dv().ExitDravon(shell::App().instance);
    shell::UnloadDravonLibrary();
  }

  void SetUp() override {
    if (!loaded) GTEST_SKIP() << "dravon.dll is not built";
    shell::AppState& app = shell::App();
    app.title = shell::MakeProgramTitle();
    app.versionText = shell::MakeVersionText();
    ASSERT_TRUE(settings::SetGlobalSettingsFile(folder.Path() + "\\Orvantel.exe"));
    app.taskWindow = shell::Dv().CreateDravonTaskWindow(app.title.c_str(), 0xB0000, app.icon, app.instance);
    frame = shell::CreateFrameWindow(app.taskWindow);
    ASSERT_NE(frame, nullptr);
    gSeen.clear();
    gProjectRefusesToClose = false;
  }
  void TearDown() override {
    shell::AppState& app = shell::App();
    gProjectRefusesToClose = false;
    for (HWND w : standIns)
      if (IsWindow(w)) DestroyWindow(w);
    if (frame && IsWindow(frame)) DestroyWindow(frame);
    if (app.taskWindow) shell::Dv().DestroyDravonTaskWindow(app.taskWindow);
    app.taskWindow = nullptr;
    app.projectWindow = app.console = app.activeChild = nullptr;
    app.keys = shell::KeyFlags();
    project::ClearProjectFile();
    wintest::PumpFor(0);  // the quit message of the destroyed frame
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  HWND StandIn(const char* className, const char* title = "") {
    HWND w = CreateWindowExA(0, className, title, WS_POPUP, 100, 100, 200, 100, frame, nullptr,
                             shell::App().instance, nullptr);
    standIns.push_back(w);
    return w;
  }
  HMENU Popup(int position) { return GetSubMenu(shell::App().mainMenu, position); }
  bool Enabled(HMENU menu, int position) {
    return !(GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
  }
  void OpenPopup(int position) {
    SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Popup(position)), position);
  }
  void Command(int id, LPARAM lParam = 0) { SendMessageA(frame, WM_COMMAND, static_cast<WPARAM>(id), lParam); }
  std::vector<Seen> Seen_() {
    wintest::PumpFor(0);
    std::vector<Seen> seen = gSeen;
    gSeen.clear();
    return seen;
  }
  void ExpectSeen(const std::vector<Seen>& expected) {
    std::vector<Seen> got = Seen_();
    EXPECT_EQ(got, expected) << "got:\n" << Describe(got) << "expected:\n" << Describe(expected);
  }
  void UseProject(const std::string& ovsText) {
    testsupport::PutFile(folder.Path() + "\\demo.ovs", ovsText);
    ASSERT_EQ(project::SetProjectFile(folder.Path() + "\\demo.ovp"), project::ProjectTextResult::kSet);
  }

  static bool loaded;
  testsupport::TempFolder folder;
  HWND frame = nullptr;
  std::vector<HWND> standIns;
};
bool FrameTest::loaded = false;

TEST_F(FrameTest, TheMenuBarSitsUnderTheCaptionAcrossTheFrame) {
  HWND bar = GetDlgItem(frame, shell::kMenuBarId);
  ASSERT_NE(bar, nullptr);
  MoveWindow(frame, 0, 0, 640, 46, TRUE);
  RECT r;
  GetWindowRect(bar, &r);
  POINT topLeft = {r.left, r.top};
  ScreenToClient(frame, &topLeft);
  RECT client;
  GetClientRect(frame, &client);
  EXPECT_EQ(topLeft.x, -1);
  EXPECT_EQ(topLeft.y, shell::Dv().DravonCaptionSize() - 1);
  EXPECT_EQ(r.right - r.left, client.right + 2);
  EXPECT_EQ(r.bottom - r.top, shell::Dv().DravonMenuSize() + 1);
}

TEST_F(FrameTest, RunIsGreyedForLibrariesAndCompileWithoutAnEditor) {
  UseProject("[Target]\r\nModel=DLL\r\n");
  OpenPopup(menupos::kBuild);
  EXPECT_FALSE(Enabled(Popup(menupos::kBuild), menupos::kBuildRun));
  EXPECT_FALSE(Enabled(Popup(menupos::kBuild), menupos::kBuildCompile));
  EXPECT_TRUE(Enabled(Popup(menupos::kBuild), menupos::kBuildMake));

  UseProject("[Target]\r\nModel=CON\r\n");
  StandIn(shell::kEditorClass, "C:\\src\\main.c");
  OpenPopup(menupos::kBuild);
  EXPECT_TRUE(Enabled(Popup(menupos::kBuild), menupos::kBuildRun));
  EXPECT_TRUE(Enabled(Popup(menupos::kBuild), menupos::kBuildCompile));

  UseProject("[Target]\r\nModel=LIB\r\n");
  OpenPopup(menupos::kBuild);
  EXPECT_FALSE(Enabled(Popup(menupos::kBuild), menupos::kBuildRun));
}

TEST_F(FrameTest, ToolsAndWindowMenusAreRebuiltWhenTheyOpen) {
  testsupport::PutFile(settings::GlobalSettingsFile(), "[ToolsMenu]\r\n1=Notepad,notepad.exe\r\n");
  OpenPopup(menupos::kTools);
  EXPECT_EQ(GetMenuItemCount(Popup(menupos::kTools)), menupos::kToolsFixedItems + 2);
  EXPECT_EQ(GetMenuItemID(Popup(menupos::kTools), menupos::kToolsFixedItems + 1), static_cast<UINT>(6101));

  StandIn(shell::kEditorClass, "C:\\src\\b.c");
  StandIn(shell::kEditorClass, "C:\\src\\a.c");
  OpenPopup(menupos::kWindow);
  EXPECT_EQ(GetMenuItemCount(Popup(menupos::kWindow)), menupos::kWindowFixedItems + 2);
}

TEST_F(FrameTest, MenuOpeningIsPassedOnToTheActiveChild) {
  HWND child = StandIn("OrvStandIn");
  shell::App().activeChild = child;
  gSeen.clear();
  OpenPopup(menupos::kEdit);
  ExpectSeen({{child, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Popup(menupos::kEdit)), ""}});
  shell::App().activeChild = frame;
  OpenPopup(menupos::kEdit);
  ExpectSeen({});
}

TEST_F(FrameTest, EditCommandsGoToTheActiveChildAndSaveGoesToTheFrameForTheProjectWindow) {
  HWND editor = StandIn(shell::kEditorClass, "C:\\src\\a.c");
  shell::App().activeChild = editor;
  Command(IDM_EDIT_COPY);
  Command(IDM_FILE_SAVE);
  Command(IDM_FILE_SAVE_AS);
  ExpectSeen({{editor, WM_COMMAND, IDM_EDIT_COPY, ""},
              {editor, WM_COMMAND, IDM_FILE_SAVE, ""},
              {editor, WM_COMMAND, IDM_FILE_SAVE_AS, ""}});

  HWND project = StandIn("IdeProjectWindow");
  shell::App().projectWindow = project;
  shell::App().activeChild = project;
  Command(IDM_FILE_SAVE_AS);  // not for the project window
  Command(IDM_EDIT_DELETE);
  ExpectSeen({{project, WM_COMMAND, IDM_EDIT_DELETE, ""}});

  shell::App().activeChild = frame;
  Command(IDM_EDIT_UNDO);  // not posted back to the frame
  ExpectSeen({});
}

TEST_F(FrameTest, ConsoleCommandsSendTheConsoleItsMessages) {
  HWND console = StandIn("OrvStandIn");
  shell::App().console = console;
  Command(IDM_CONSOLE_LINE, reinterpret_cast<LPARAM>("*READY"));
  Command(IDM_CONSOLE_RESET);
  Command(IDM_CONSOLE_LINE, 0);  // a line command without a text is ignored
  ExpectSeen({{console, 0x0180, 0, "*READY"}, {console, 0x0184, 0, ""}});
}

TEST_F(FrameTest, ADestroyChildRequestClosesTheActiveChild) {
  HWND child = StandIn("OrvStandIn");
  shell::App().activeChild = child;
  SendMessageA(frame, 545, 0, 0);
  ExpectSeen({{child, WM_CLOSE, 0, ""}});
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(FrameTest, ProjectWindowAndConsoleTravelWithTheFrame) {
  HWND project = StandIn("IdeProjectWindow");
  HWND console = StandIn("OrvStandIn");
  shell::App().projectWindow = project;
  shell::App().console = console;
  MoveWindow(frame, 0, 0, 600, 46, TRUE);
  auto left = [](HWND w) { RECT r; GetWindowRect(w, &r); return POINT{r.left, r.top}; };
  POINT start = left(project);

  MoveWindow(frame, 30, 12, 600, 46, TRUE);  // a drag by the caption: flags 0x214
  EXPECT_EQ(left(project).x - start.x, 30);
  EXPECT_EQ(left(project).y - start.y, 12);
  EXPECT_EQ(left(console).x, 130);

  SetWindowPos(frame, nullptr, 40, 12, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);  // the system's move
  EXPECT_EQ(left(project).x - start.x, 40);

  MoveWindow(frame, 0, 0, 500, 46, TRUE);  // a size change leaves them where they are
  EXPECT_EQ(left(project).x - start.x, 40);
  RECT size;
  GetWindowRect(project, &size);
  EXPECT_EQ(size.right - size.left, 200);
}

TEST_F(FrameTest, TheFrameClosesOnlyWhenTheProjectWindowHasGone) {
  HWND project = StandIn("IdeProjectWindow");
  shell::App().projectWindow = project;
  gProjectRefusesToClose = true;
  SendMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(frame));
  gProjectRefusesToClose = false;
  SendMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(frame));
  // Destroying the frame saved its place.
  EXPECT_EQ(settings::ReadText(settings::GlobalSettingsFile(), "System", "MainWindow", "", 16), "restored");
  EXPECT_NE(settings::ReadText(settings::GlobalSettingsFile(), "System", "Position", "", 46), "");
  frame = nullptr;
}

TEST_F(FrameTest, TheOpenBoxStartsOnTheStoredFilterAndWritesItBackWhenCancelled) {
  UseProject("[Project]\r\nOpenFileType=3\r\n");
  int shownFilter = -1;
  gBoxScript = [&](HWND box) {
    shownFilter = static_cast<int>(SendDlgItemMessageA(box, 0x470, CB_GETCURSEL, 0, 0));
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  };
  SetTimer(nullptr, 0, 100, RunBoxScript);
  Command(IDM_OPEN_FILE);
  EXPECT_EQ(shownFilter, 2);  // the third filter: "Resource Script(*.rc)"
  EXPECT_EQ(settings::ReadText(folder.Path() + "\\demo.ovs", "Project", "OpenFileType", "<none>", 15), "3");
}

TEST_F(FrameTest, KeyFlagsAreForgottenWhenTheProgramLosesActivation) {
  shell::App().keys.control = true;
  shell::App().keys.shift = true;
  SendMessageA(frame, WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(shell::App().keys.control);
  EXPECT_FALSE(shell::App().keys.shift);
}

}  // namespace
