// Orvantel.exe as a whole: start-up, shutdown, the single-instance rule, the library checks, the
// keyboard shortcuts and the exports, each run on a copy of the program in a folder of its own.
//
// The test stands in for the trace monitor (a window of class "DLGCLASSTOOL" titled "MESSAGE"), so
// the program's trace lines show which commands arrived.
#include <windows.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "shell/settingsfile.h"
#include "support/temp_folder.h"
#include "wintest_support.h"

#ifndef ORV_PROGRAM_FILE
#error "ORV_PROGRAM_FILE names the built Orvantel.exe"
#endif

namespace {

using wintest::PumpUntil;

constexpr char kTitle[] = "Orvantel 2.52";
constexpr DWORD kStartWait = 60000;

std::string Built(const char* path) { return wintest::WindowsPath(path); }

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileA(Built(ORV_PROGRAM_FILE).c_str(), Program().c_str(), FALSE)) << Built(ORV_PROGRAM_FILE);
    WriteIni("[System]\r\nPosition=10,20,700,46\r\n"
             "[Profile]\r\nCurrent=1\r\n1=Borland\r\n2=VisualToolkit\r\n3=DigitalMars\r\n");
  }
  void TearDown() override {
    for (PROCESS_INFORMATION& p : started_) {
      if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(p.hProcess, 99);
        WaitForSingleObject(p.hProcess, 5000);
      }
      CloseHandle(p.hProcess);
      CloseHandle(p.hThread);
    }
  }

  std::string Program() const { return folder_.Path() + "\\Orvantel.exe"; }
  std::string Ini() const { return folder_.Path() + "\\Orvantel.ini"; }

  void WriteIni(const std::string& text) {
    FILE* f = std::fopen(Ini().c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  std::string IniValue(const char* section, const char* key) const {
    return settings::ReadText(Ini(), section, key, "<none>", 512);
  }

  // Copies the libraries the program loads; false when the build has not made one of them.
  bool CopyLibraries(bool dravon, bool folvex) {
    bool ok = true;
    if (dravon) ok &= CopyLibrary(ORV_DRAVON_FILE, "dravon.dll");
    if (folvex) ok &= CopyLibrary(ORV_FOLVEX_FILE, "folvex.dll");
    return ok;
  }

  PROCESS_INFORMATION Start(const std::string& arguments = "") {
    std::string line = "\"" + Program() + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL ok = CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.Path().c_str(),
                             &startup, &process);
    EXPECT_TRUE(ok) << line;
    if (ok) started_.push_back(process);
    return process;
  }

  // The program's frame, once it is up (pumping meanwhile: the program traces to us). A program
  // start can take long on a busy machine, the first of a run most of all.
  HWND WaitForFrame(const PROCESS_INFORMATION& process) {
    HWND frame = nullptr;
    PumpUntil([&] {
      frame = wintest::FindTopLevel("IdeFrameWindow", nullptr, process.dwProcessId);
      return frame != nullptr;
    }, kStartWait);
    return frame;
  }

  // Pumps until the process ends; its exit code, or -1 when it did not end.
  int WaitForExit(const PROCESS_INFORMATION& process, DWORD milliseconds = kStartWait) {
    bool ended = PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, milliseconds);
    if (!ended) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
  }

  // A message box of the program with exactly this text, or null.
  HWND WaitForBox(const PROCESS_INFORMATION& process, const char* text) {
    HWND box = nullptr;
    PumpUntil([&] {
      box = wintest::FindTopLevel("#32770", kTitle, process.dwProcessId);
      return box && wintest::HasChildText(box, text);
    }, kStartWait);
    return box && wintest::HasChildText(box, text) ? box : nullptr;
  }

  void Key(HWND frame, UINT message, int key) { PostMessageA(frame, message, static_cast<WPARAM>(key), 0); }

  wintest::TraceMonitor monitor_;

 private:
  bool CopyLibrary(const char* built, const char* name) {
    std::string from = Built(built);
    if (from.empty()) return false;
    return CopyFileA(from.c_str(), (folder_.Path() + "\\" + name).c_str(), FALSE) != FALSE;
  }

  testsupport::TempFolder folder_;
  std::vector<PROCESS_INFORMATION> started_;
};

#define REQUIRE_LIBRARIES(dravon, folvex)                                              \
  if (!CopyLibraries(dravon, folvex)) GTEST_SKIP() << "dravon.dll or folvex.dll is not built"

TEST_F(ProgramTest, StartsAndShutsDownInOrder) {
  REQUIRE_LIBRARIES(true, true);
  PROCESS_INFORMATION process = Start();
  HWND frame = WaitForFrame(process);
  ASSERT_NE(frame, nullptr) << monitor_.All();
  ASSERT_TRUE(monitor_.WaitFor("Enter Messageloop")) << monitor_.All();
  EXPECT_EQ(IniValue("System", "Status"), "run");

  // The saved place was applied.
  RECT r;
  GetWindowRect(frame, &r);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 700);

  // The start-up trace lines arrive in their order.
  std::string all = monitor_.All();
  const char* order[] = {"Ide-Debug-Version", "FileName: ",        "Register WndClasses", "Init DlgNc",
                         "Create TaskWindow", "Create FrameWindow", "Read GlobalSettings", "Enter Messageloop"};
  std::size_t at = 0;
  for (const char* piece : order) {
    std::size_t found = all.find(piece, at);
    EXPECT_NE(found, std::string::npos) << piece << " missing or out of order in:\n" << all;
    if (found != std::string::npos) at = found;
  }

  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(process), 0);
  EXPECT_EQ(IniValue("System", "Status"), "term");
  EXPECT_EQ(IniValue("System", "Position"), "10,20,700,46");
  EXPECT_EQ(IniValue("System", "MainWindow"), "restored");
}

TEST_F(ProgramTest, WithoutASavedPlaceTheFrameSpansTheDesktopTop) {
  REQUIRE_LIBRARIES(true, true);
  WriteIni("[Profile]\r\nCurrent=1\r\n1=Borland\r\n");
  PROCESS_INFORMATION process = Start();
  HWND frame = WaitForFrame(process);
  ASSERT_NE(frame, nullptr);
  RECT r, desktop;
  GetWindowRect(frame, &r);
  GetWindowRect(GetDesktopWindow(), &desktop);
  int border = GetSystemMetrics(SM_CXFRAME);
  EXPECT_EQ(r.left, -border);
  EXPECT_EQ(r.top, -border);
  EXPECT_EQ(r.right - r.left, desktop.right + 2 * border);
  EXPECT_EQ(r.bottom - r.top, 46);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(process), 0);
  EXPECT_EQ(IniValue("System", "Status"), "term");
}

TEST_F(ProgramTest, ASecondStartActivatesTheFirstAndEnds) {
  REQUIRE_LIBRARIES(true, true);
  PROCESS_INFORMATION first = Start();
  HWND frame = WaitForFrame(first);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(monitor_.WaitFor("Enter Messageloop"));

  PROCESS_INFORMATION second = Start();
  EXPECT_EQ(WaitForExit(second), 0);
  EXPECT_TRUE(monitor_.WaitFor("already running...end")) << monitor_.All();
  EXPECT_TRUE(IsWindow(frame));
  EXPECT_EQ(WaitForSingleObject(first.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(first), 0);
}

TEST_F(ProgramTest, AMissingFolvexLibraryIsReportedInABox) {
  REQUIRE_LIBRARIES(true, false);
  PROCESS_INFORMATION process = Start();
  HWND box = WaitForBox(process, "Need 'folvex.dll' !");
  ASSERT_NE(box, nullptr) << monitor_.All();
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForExit(process), 0);
  // Nothing else was started: the settings were not touched.
  EXPECT_EQ(IniValue("System", "Status"), "<none>");
}

TEST_F(ProgramTest, AMissingDravonLibraryIsReportedInABox) {
  PROCESS_INFORMATION process = Start();
  HWND box = WaitForBox(process, "Need 'dravon.dll' !");
  ASSERT_NE(box, nullptr) << monitor_.All();
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForExit(process), 0);
  EXPECT_EQ(IniValue("System", "Status"), "<none>");
}

// The shortcuts that go to the frame; each command says in a trace line what it did, as the
// windows it needs are not there (no project, no editor).
TEST_F(ProgramTest, TheKeyboardFilterPostsTheFrameShortcuts) {
  REQUIRE_LIBRARIES(true, true);
  PROCESS_INFORMATION process = Start();
  HWND frame = WaitForFrame(process);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(monitor_.WaitFor("Enter Messageloop"));

  Key(frame, WM_KEYDOWN, VK_F9);  // make
  EXPECT_TRUE(monitor_.WaitFor("Make: no project window")) << monitor_.All();

  Key(frame, WM_KEYDOWN, VK_CONTROL);  // Ctrl+F9: run
  Key(frame, WM_KEYDOWN, VK_F9);
  EXPECT_TRUE(monitor_.WaitFor("Run: no project window")) << monitor_.All();

  Key(frame, WM_KEYDOWN, VK_SHIFT);  // Shift+F9: make turns into compile
  Key(frame, WM_KEYDOWN, VK_F9);
  EXPECT_TRUE(monitor_.WaitFor("Compile: no editor window")) << monitor_.All();
  Key(frame, WM_KEYUP, VK_SHIFT);

  Key(frame, WM_KEYDOWN, VK_CONTROL);  // Ctrl+S: save the top editor
  Key(frame, WM_KEYDOWN, 'S');
  EXPECT_TRUE(monitor_.WaitFor("Save: no editor window")) << monitor_.All();

  Key(frame, WM_KEYDOWN, VK_CONTROL);  // Ctrl+N: the new-file dialog
  Key(frame, WM_KEYDOWN, 'N');
  HWND dialog = nullptr;
  EXPECT_TRUE(PumpUntil([&] { return (dialog = wintest::FindTopLevel("#32770", "New File", process.dwProcessId)) != nullptr; }));
  if (dialog) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));

  Key(frame, WM_KEYDOWN, VK_F1);  // F1 without an editor: the help file, which is missing
  HWND box = WaitForBox(process, "Can not find Helpfile!");
  EXPECT_NE(box, nullptr);
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);

  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(process), 0);
}

TEST_F(ProgramTest, ExportsTheListStoreByName) {
  HMODULE program = LoadLibraryExA(Program().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(program, nullptr);
  const char* names[] = {"GetListlibVersion", "NewList",      "DelList",          "GetList",         "ClearList",
                         "GetSize",           "SetTitle",     "GetTitle",         "SetHeading",      "GetHeading",
                         "GetHeadingName",    "GetHeadings",  "SetField",         "GetField",        "SetFieldStatus",
                         "GetFieldStatus",    "AddLine",      "DelLine",          "SetLineStatus",   "ResetLineStatus",
                         "IsLineStatus",      "GetStatusLines", "GetLines",       "SetLinePosition", "Sort",
                         "AddColumn",         "DelColumn",    "SetColumnStatus",  "ResetColumnStatus", "IsColumnStatus",
                         "GetStatusColumns",  "GetColumns",   "GetColumnName",    "GetColumnPosition", "SetColumnPosition",
                         "IsColumnUsed",      "RenameColumn", "CopyColumns",      "AddGlobalColumn", "GetGlobalColumnName",
                         "GetGlobalColumnHandle", "GetGlobalColumnPosition", "GetGlobalColumns", "CopyHeadings",
                         "CopyStatusLines",   "MoveStatusLines", "CopyList",      "MoveList",        "NewIndex",
                         "DelIndex",          "Register",     "Unregister",       "Identify",        "GetEntries",
                         "GetEntrie",         "ReadList",     "WriteList",        "ReadListExchange", "WriteListExchange",
                         "ReadListTable",     "WriteListTable"};
  for (const char* name : names) EXPECT_NE(GetProcAddress(program, name), nullptr) << name;
  EXPECT_EQ(GetProcAddress(program, "_NewList"), nullptr);
  FreeLibrary(program);
}

}  // namespace
