// Helpers of the shell's window tests: pumping with a deadline, a stand-in trace monitor, finding
// windows by class, title and text, and running Orvantel.exe from a folder of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace wintest {

// Dispatches this thread's messages until `done` answers true or `milliseconds` have passed.
// Returns whether `done` answered true.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 15000) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done()) return true;
    if (GetTickCount() - start > milliseconds) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

inline void PumpFor(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

// A window of class "DLGCLASSTOOL" titled "MESSAGE", as the program's trace monitor: it keeps
// every text the program sends it. Only one may exist at a time.
class TraceMonitor {
 public:
  TraceMonitor() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "DLGCLASSTOOL";
    RegisterClassA(&wc);
    current() = this;
    window_ = CreateWindowExA(0, "DLGCLASSTOOL", "MESSAGE", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  ~TraceMonitor() {
    if (window_) DestroyWindow(window_);
    current() = nullptr;
  }
  TraceMonitor(const TraceMonitor&) = delete;
  TraceMonitor& operator=(const TraceMonitor&) = delete;

  bool Has(const std::string& piece) const {
    for (const std::string& line : lines_)
      if (line.find(piece) != std::string::npos) return true;
    return false;
  }
  // Pumps until a line holding `piece` has arrived.
  bool WaitFor(const std::string& piece, DWORD milliseconds = 15000) {
    return PumpUntil([&] { return Has(piece); }, milliseconds);
  }
  std::string All() const {
    std::string all;
    for (const std::string& line : lines_) all += line;
    return all;
  }
  void Clear() { lines_.clear(); }

 private:
  static TraceMonitor*& current() {
    static TraceMonitor* monitor = nullptr;
    return monitor;
  }
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && current() && lParam) {
      current()->lines_.push_back(reinterpret_cast<const char*>(lParam));
      return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
  std::vector<std::string> lines_;
};

struct FoundWindow {
  const char* className;  // null: any
  const char* title;      // null: any
  DWORD processId;        // 0: any
  HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<FoundWindow*>(lParam);
  char name[128] = {}, title[256] = {};
  GetClassNameA(window, name, sizeof name);
  GetWindowTextA(window, title, sizeof title);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (search->className && lstrcmpiA(name, search->className) != 0) return TRUE;
  if (search->title && lstrcmpA(title, search->title) != 0) return TRUE;
  if (search->processId && pid != search->processId) return TRUE;
  if (!IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible top-level window of that class and title (either may be null) of the process.
inline HWND FindTopLevel(const char* className, const char* title, DWORD processId = 0) {
  FoundWindow search = {className, title, processId, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct TextSearch {
  std::string text;
  bool found;
};

inline BOOL CALLBACK MatchChildText(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TextSearch*>(lParam);
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  if (search->text == text) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

// Whether a child (at any depth) of `window` shows exactly `text`.
inline bool HasChildText(HWND window, const std::string& text) {
  TextSearch search = {text, false};
  EnumChildWindows(window, MatchChildText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Windows form of a path the build wrote in host form ("/work/x" -> "Z:\work\x"); Windows paths
// are kept.
inline std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string result = "Z:";
  for (char c : path) result += c == '/' ? '\\' : c;
  return result;
}

}  // namespace wintest
