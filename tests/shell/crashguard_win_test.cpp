// The fault guard under a real message loop: faults in window procedures, in the keyboard filter
// and inside a nested modal loop are reported, and the loop goes on.
#include "shell/crashguard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/callhistory.h"
#include "shell/faultnames.h"
#include "shell/trace.h"

namespace {

constexpr UINT kFault = WM_APP + 1;        // writes through a null pointer
constexpr UINT kRaise = WM_APP + 2;        // Ctrl+F12's software fault
constexpr UINT kCount = WM_APP + 3;        // counts, to show the loop goes on
constexpr UINT kSendFault = WM_APP + 4;    // sends kFault to itself
constexpr UINT kNestedLoop = WM_APP + 5;   // runs a modal loop of its own that meets a fault
constexpr UINT kDivide = WM_APP + 6;       // integer division by zero
constexpr UINT kProbe = WM_APP + 7;        // a system call that probes bad memory itself
constexpr UINT kQuit = WM_APP + 8;         // ends the loop with exit code 7
constexpr int kExitCode = 7;
constexpr char kClassName[] = "CrashGuardTestWindow";

struct Log {
  std::vector<std::string> events;
  int counted = 0;
  bool inNestedLoop = false;
  bool boxShownInNestedLoop = false;
  BOOL probeResult = FALSE;
};

Log gLog;

volatile int* volatile gNull = nullptr;
volatile int gZero = 0;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kFault:
      *gNull = 1;
      return 0;
    case kRaise:
      diag::RaiseTestFault();
      return 0;
    case kCount:
      ++gLog.counted;
      return 0;
    case kSendFault:
      SendMessageA(window, kFault, 0, 0);
      return 0;
    case kDivide:
      return 10 / gZero;
    case kProbe:
      gLog.probeResult = IsBadReadPtr(reinterpret_cast<void*>(16), 4);
      return 0;
    case kNestedLoop: {
      gLog.inNestedLoop = true;
      PostMessageA(window, kFault, 0, 0);
      DWORD start = GetTickCount();
      while (!gLog.boxShownInNestedLoop && GetTickCount() - start < 5000) {
        MSG nested;
        while (PeekMessageA(&nested, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&nested);
        Sleep(5);
      }
      gLog.inNestedLoop = false;
      return 0;
    }
    case kQuit:
      PostQuitMessage(kExitCode);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int RecordBox(HWND__* owner, const char* text, const char* caption, unsigned style) {
  gLog.events.push_back(std::string("box ") + caption + " " + std::to_string(style) + " " + text);
  if (gLog.inNestedLoop) gLog.boxShownInNestedLoop = true;
  return IDOK;
}

void RecordBusy() { gLog.events.push_back("close busy"); }

void RecordTrace(void*, const char* text, unsigned wParam) {
  gLog.events.push_back("trace " + std::to_string(wParam) + " " + text);
}

void RecordCommand(void*, int command, int value) {
  gLog.events.push_back("command " + std::to_string(command) + " " + std::to_string(value));
}

bool FilterF12(tagMSG& message) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_F12) {
    diag::RaiseTestFault();
    return true;
  }
  return false;
}

// Ends the loop after `milliseconds` whatever happens, so that a broken guard fails the test
// instead of hanging it.
DWORD WINAPI Watchdog(void* threadId) {
  Sleep(20000);
  PostThreadMessageA(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(threadId)), WM_QUIT, 99, 0);
  return 0;
}

class CrashGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = TestWindowProc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = kClassName;
      registered = RegisterClassA(&wc) != 0;
    }
    window_ = CreateWindowA(kClassName, "guarded", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    gLog = Log();
    diag::FaultReportHooks hooks;
    hooks.closeBusyBox = &RecordBusy;
    hooks.showWarnBox = &RecordBox;
    diag::SetFaultReportHooks(hooks);
    diag::TraceSink sink;
    sink.sendText = &RecordTrace;
    sink.sendCommand = &RecordCommand;
    diag::SetTraceSink(sink);
    diag::FormMapFilePath("C:\\Ide\\Orvantel.exe");
  }
  void TearDown() override {
    diag::SetFaultReportHooks(diag::FaultReportHooks{});
    diag::SetTraceSink(diag::TraceSink{});
    DestroyWindow(window_);
    MSG stale;
    while (PeekMessageA(&stale, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  void Post(UINT message, WPARAM wParam = 0) { PostMessageA(window_, message, wParam, 0); }

  // Runs the guarded loop until kQuit, which is posted last unless `postQuit` is false (the test
  // then ends the loop itself).
  int RunLoop(diag::MessageFilter filter = nullptr, bool postQuit = true) {
    if (postQuit) Post(kQuit);
    HANDLE watchdog = CreateThread(
        nullptr, 0, Watchdog,
        reinterpret_cast<void*>(static_cast<ULONG_PTR>(GetCurrentThreadId())), 0, nullptr);
    int exitCode = diag::RunGuardedMessageLoop(filter);
    TerminateThread(watchdog, 0);
    CloseHandle(watchdog);
    return exitCode;
  }

  std::vector<std::string> Boxes() const {
    std::vector<std::string> boxes;
    for (const std::string& event : gLog.events) {
      if (event.rfind("box ", 0) == 0) boxes.push_back(event);
    }
    return boxes;
  }

  static std::string BoxFor(const char* faultName) {
    return std::string("box Fatal Error 16 ") + faultName + " on address ";
  }

  HWND window_ = nullptr;
};

TEST_F(CrashGuardTest, FaultInAWindowProcedureShowsTheBoxAndTheLoopGoesOn) {
  int before = diag::FaultCount();
  Post(kCount);
  Post(kFault);
  Post(kCount);
  EXPECT_EQ(RunLoop(), kExitCode);
  EXPECT_EQ(gLog.counted, 2);
  EXPECT_EQ(diag::FaultCount(), before + 1);
  std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind(BoxFor("ACCESS_VIOLATION"), 0), 0u) << boxes[0];
  std::string advice = std::string("\r\n") + diag::kFaultAdvice;
  EXPECT_EQ(boxes[0].substr(boxes[0].size() - advice.size()), advice);
}

TEST_F(CrashGuardTest, ReportClosesTheBusyBoxTracesAndDumpsBeforeTheBox) {
  Post(kFault);
  EXPECT_EQ(RunLoop(), kExitCode);
  ASSERT_EQ(gLog.events.size(), 7u);
  std::string faultLine = diag::LastFaultText();
  faultLine = faultLine.substr(0, faultLine.find("\r\n") + 2);
  EXPECT_EQ(faultLine.rfind("ACCESS_VIOLATION on address ", 0), 0u);
  EXPECT_EQ(gLog.events[0], "trace 0 " + faultLine);
  EXPECT_EQ(gLog.events[1], "close busy");
  EXPECT_EQ(gLog.events[2], "trace 0 FATALERROR\r\n");
  EXPECT_EQ(gLog.events[3], "trace 1 CALLING HISTORY\r\n");
  EXPECT_EQ(gLog.events[4].rfind("trace 1 C:\\Ide\\Orvantel.map;", 0), 0u) << gLog.events[4];
  EXPECT_EQ(gLog.events[5], "command 302 0");
  EXPECT_EQ(gLog.events[6], "box Fatal Error 16 " + faultLine + diag::kFaultAdvice);
}

TEST_F(CrashGuardTest, ControlF12InTheKeyboardFilterIsAnUnknownException) {
  Post(WM_KEYDOWN, VK_F12);
  Post(kCount);
  EXPECT_EQ(RunLoop(&FilterF12), kExitCode);
  EXPECT_EQ(gLog.counted, 1);
  std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind(BoxFor("UNKNOWN_EXCEPTION"), 0), 0u) << boxes[0];
}

TEST_F(CrashGuardTest, EachKindOfFaultIsNamed) {
  Post(kRaise);
  Post(kDivide);
  Post(kSendFault);
  Post(kCount);
  EXPECT_EQ(RunLoop(), kExitCode);
  EXPECT_EQ(gLog.counted, 1);
  std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].rfind(BoxFor("UNKNOWN_EXCEPTION"), 0), 0u) << boxes[0];
  EXPECT_EQ(boxes[1].rfind(BoxFor("INT_DIVIDE_BY_ZERO"), 0), 0u) << boxes[1];
  EXPECT_EQ(boxes[2].rfind(BoxFor("ACCESS_VIOLATION"), 0), 0u) << boxes[2];
}

// Depending on the system, the nested loop either survives the fault (the fault is reported from
// inside it) or is left with the faulting frames (the fault is reported at the guard point). The
// report comes once either way, and the program's loop goes on.
TEST_F(CrashGuardTest, AFaultInsideANestedLoopIsReportedAndTheLoopGoesOn) {
  Post(kNestedLoop);
  Post(kCount);
  EXPECT_EQ(RunLoop(), kExitCode);
  EXPECT_TRUE(gLog.boxShownInNestedLoop);
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(gLog.counted, 1);
}

TEST_F(CrashGuardTest, SystemCodeThatCatchesItsOwnFaultsIsLeftAlone) {
  Post(kProbe);
  Post(kCount);
  EXPECT_EQ(RunLoop(), kExitCode);
  EXPECT_TRUE(gLog.probeResult);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(gLog.counted, 1);
}

// Leaving faulting frames must not wear the system down: after many faults, windows are still
// made, sent messages still arrive and the loop still dispatches. (Wine counts the window
// procedures that SendMessage has entered and refuses more than 64 at once; a fault that leaves a
// procedure entered by SendMessage is never counted out, so only a few of those are made here.)
TEST_F(CrashGuardTest, ManyFaultsLeaveTheProgramWorking) {
  const int kRounds = 150;
  const int kSentEvery = 30;
  int expectedBoxes = 0;
  for (int i = 0; i < kRounds; ++i) {
    Post(kFault);
    Post(kRaise);
    Post(WM_KEYDOWN, VK_F12);
    expectedBoxes += 3;
    if (i % kSentEvery == 0) {
      Post(kSendFault);
      ++expectedBoxes;
    }
    Post(kCount);
  }
  EXPECT_EQ(RunLoop(&FilterF12), kExitCode);
  EXPECT_EQ(gLog.counted, kRounds);
  EXPECT_EQ(Boxes().size(), static_cast<std::size_t>(expectedBoxes));
  HWND another = CreateWindowA(kClassName, "after", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(another, nullptr);
  SendMessageA(another, kCount, 0, 0);
  EXPECT_EQ(gLog.counted, kRounds + 1);
  DestroyWindow(another);
}

// The real warning box: found, read and closed by another thread, as a user would.
struct BoxSeen {
  HWND window = nullptr;  // told to end the loop once the box is closed
  std::string text;
  bool found = false;
};

DWORD WINAPI CloseFatalErrorBox(void* context) {
  auto* seen = static_cast<BoxSeen*>(context);
  for (int i = 0; i < 1000 && !seen->found; ++i) {
    HWND box = FindWindowA(nullptr, diag::kFaultCaption);
    if (box != nullptr && IsWindowVisible(box)) {
      char text[600] = {};
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message text
      seen->text = text;
      seen->found = true;
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      // The quit message would end the box's own loop: it comes only once the box is closed.
      for (int wait = 0; wait < 500 && IsWindow(box); ++wait) Sleep(10);
    } else {
      Sleep(10);
    }
  }
  PostMessageA(seen->window, kQuit, 0, 0);
  return 0;
}

TEST_F(CrashGuardTest, WithoutHooksTheSystemBoxShowsTheFaultAndIsClosed) {
  diag::SetFaultReportHooks(diag::FaultReportHooks{});
  BoxSeen seen;
  seen.window = window_;
  Post(kFault);
  Post(kCount);
  HANDLE closer = CreateThread(nullptr, 0, CloseFatalErrorBox, &seen, 0, nullptr);
  EXPECT_EQ(RunLoop(nullptr, false), kExitCode);
  WaitForSingleObject(closer, INFINITE);
  CloseHandle(closer);
  EXPECT_TRUE(seen.found);
  EXPECT_EQ(seen.text.rfind("ACCESS_VIOLATION on address ", 0), 0u) << seen.text;
  EXPECT_NE(seen.text.find(diag::kFaultAdvice), std::string::npos) << seen.text;
  EXPECT_EQ(gLog.counted, 1);
}

TEST_F(CrashGuardTest, LoopIsNotReentrant) {
  static int nestedResult = 0;
  struct Nested {
    static bool Filter(tagMSG& message) {
      if (message.message == kCount) nestedResult = diag::RunGuardedMessageLoop(nullptr);
      return false;
    }
  };
  Post(kCount);
  EXPECT_EQ(RunLoop(&Nested::Filter), kExitCode);
  EXPECT_EQ(nestedResult, -1);
}

}  // namespace
