// Helpers of the dravon.dll window tests.
#include "wintest_support.h"

#include <cstdio>
#include <sstream>

namespace wintest {
namespace {

struct StepRun {
  std::vector<Step> steps;
  std::size_t next = 0;
  int ticks = 0;
  UINT_PTR timer = 0;
};

// Timer procedures receive no data of their own: the steps in progress live here.
StepRun gRun;

constexpr int kMaxTicks = 400;  // about ten seconds at 25 ms

void CloseEverything() {
  EndMenu();
  for (int i = 0; i < 8; ++i) {
    HWND box = FindThreadWindow("#32770");
    if (!box) break;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(box, WM_CLOSE, 0, 0);
    EndDialog(box, 0);
  }
}

void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (gRun.next < gRun.steps.size() && ++gRun.ticks <= kMaxTicks) {
    if (gRun.steps[gRun.next]()) ++gRun.next;
    if (gRun.next < gRun.steps.size()) return;
  }
  KillTimer(nullptr, gRun.timer);
  gRun.timer = 0;
  if (gRun.next < gRun.steps.size()) {
    gRun.steps.clear();
    CloseEverything();
  }
}

struct Search {
  const char* className;
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  char name[64];
  if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name)) return TRUE;
  if (lstrcmpiA(name, search->className) != 0) return TRUE;
  if (search->title) {
    char title[256];
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(title, search->title) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}

const char* MessageName(UINT message) {
  switch (message) {
    case WM_COMMAND: return "WM_COMMAND";
    case WM_HSCROLL: return "WM_HSCROLL";
    case WM_VSCROLL: return "WM_VSCROLL";
    case WM_CLOSE: return "WM_CLOSE";
    case WM_INITMENUPOPUP: return "WM_INITMENUPOPUP";
    case WM_ENTERMENULOOP: return "WM_ENTERMENULOOP";
    case WM_EXITMENULOOP: return "WM_EXITMENULOOP";
    case WM_MEASUREITEM: return "WM_MEASUREITEM";
    case WM_DRAWITEM: return "WM_DRAWITEM";
  }
  return "message";
}

std::string Describe(UINT message, WPARAM wParam, LPARAM lParam) {
  char line[160];
  std::snprintf(line, sizeof line, "%s (0x%04X) wParam %u:%u lParam 0x%lX", MessageName(message), message,
                static_cast<unsigned>(LOWORD(wParam)), static_cast<unsigned>(HIWORD(wParam)),
                static_cast<unsigned long>(lParam));
  return line;
}

}  // namespace

void PumpPending() {
  MSG msg;
  for (int i = 0; i < 20000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  PumpPending();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpPending();
  }
  return true;
}

std::string DescribeLog() {
  std::ostringstream out;
  for (const gallery::Logged& entry : gallery::Log()) {
    out << "  " << Describe(entry.message, entry.wParam, entry.lParam) << "\n";
  }
  return out.str();
}

::testing::AssertionResult LogMatches(const std::vector<Expected>& expected) {
  const std::vector<gallery::Logged>& log = gallery::Log();
  std::size_t at = 0;
  for (const Expected& e : expected) {
    bool same = at < log.size() && log[at].message == e.message && log[at].wParam == e.wParam &&
                log[at].lParam == e.lParam;
    if (same) {
      ++at;
      continue;
    }
    if (e.optional) continue;
    return ::testing::AssertionFailure() << "expected " << Describe(e.message, e.wParam, e.lParam) << " at entry "
                                         << at << "; the log was:\n"
                                         << DescribeLog();
  }
  if (at != log.size()) {
    return ::testing::AssertionFailure() << "unexpected entries from " << at << "; the log was:\n" << DescribeLog();
  }
  return ::testing::AssertionSuccess();
}

bool Logged(UINT message, WPARAM wParam, LPARAM lParam) {
  for (const gallery::Logged& entry : gallery::Log()) {
    if (entry.message == message && entry.wParam == wParam && entry.lParam == lParam) return true;
  }
  return false;
}

void RunSteps(std::vector<Step> steps) {
  if (gRun.timer) KillTimer(nullptr, gRun.timer);
  gRun = StepRun();
  gRun.steps = std::move(steps);
  gRun.timer = SetTimer(nullptr, 0, 25, OnStepTimer);
}

bool StepsFinished() { return gRun.timer == 0 && gRun.next >= gRun.steps.size(); }

HWND FindThreadWindow(const char* className, const char* title) {
  Search search = {className, title, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OpenMenuWindow() {
  HWND menu = FindWindowA("#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

void PostKey(HWND window, UINT key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void Click(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

POINT CentreOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return POINT{r.right / 2, r.bottom / 2};
}

RECT ChildRect(HWND parent, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace wintest
