// Window-test support for the control: a logging parent, a fixture that makes a fresh control per
// test, message pumping, keyboard and clipboard helpers, and state snapshots.
//
// The parent logs every notification it receives (WM_COMMAND, WM_NOTIFY, scroll messages and the
// mouse messages the control relays) in one log, and the owner-draw requests in a log of rows.
// Tests drive the control only by messages, as a host would, then compare the log with a table.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folvex/folvex.h"

namespace wintest {

constexpr int kControlId = 7;
constexpr int kParentWidth = 420;
constexpr int kParentHeight = 320;

struct Notification {
  UINT message;
  WORD code;  // the high word of wParam (WM_COMMAND's notification code)
  WPARAM wParam;
  LPARAM lParam;
};

// An expected entry; optional entries may be missing from the log (messages the system may or may
// not send).
struct Expected {
  UINT message;
  WORD code;
  bool optional = false;
};

struct DrawnRow {
  UINT itemId;
  RECT rect;
  std::string line;  // the row's line as the parent read it from item data (up to CR, LF or NUL)
  UINT ctlType, action, state;
};

// What one query of the control says about it.
struct Snapshot {
  int selStart, selEnd, caret, caretLine, firstLine;
  bool operator==(const Snapshot& o) const {
    return selStart == o.selStart && selEnd == o.selEnd && caret == o.caret && caretLine == o.caretLine &&
           firstLine == o.firstLine;
  }
};
std::ostream& operator<<(std::ostream& out, const Snapshot& s);

std::vector<Notification>& Log();
std::vector<DrawnRow>& Rows();
std::string Describe(const std::vector<Notification>& log);

// Loads folvex.dll (once per test program) and registers the parent class.
void LoadLibraryOnce();
HMODULE FolvexModule();
// Unloads folvex.dll and loads the copy at `path` instead (nullptr: the one beside the program).
// Returns the new module, nullptr when it did not load.
HMODULE ReloadLibrary(const char* path);
// The folder of the test program, ending in a backslash.
std::string ProgramFolder();

// Handles posted and sent messages until the queue is empty or `bound` messages were handled.
void Pump(int bound = 2000);
// Pumps until `done` holds or `milliseconds` passed; returns whether it holds.
template <class Predicate>
bool PumpUntil(Predicate done, DWORD milliseconds = 3000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    Pump();
    Sleep(5);
  }
  return true;
}

// Presses a key with the given modifiers held (VK_SHIFT, VK_CONTROL, VK_MENU) for the length of one
// WM_KEYDOWN sent to the control.
enum Modifier { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
void Key(HWND control, WPARAM key, int modifiers = kNone);
void Char(HWND control, char code, int modifiers = kNone);
void Type(HWND control, const std::string& text);

Snapshot Snap(HWND control);
std::string TextOf(HWND control);

// Opens the clipboard, retrying briefly while another program holds it.
bool OpenClipboardBriefly(HWND owner);
bool SetClipboardText(HWND owner, const std::string& text);
bool EmptyTheClipboard(HWND owner);
std::string ClipboardText(HWND owner);

class FolvexWinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A fresh control filling the parent's client area (or the given size), with the style bits and
  // WS_CHILD | WS_VISIBLE. Replaces the previous one. The log is cleared afterwards.
  HWND Create(DWORD controlStyle, const char* text = "", int width = kParentWidth, int height = kParentHeight);
  void SetText(const std::string& text);
  // Clears the notification log after pumping what is pending.
  void Clear();
  // Compares the log with `expected` (after pumping) and reports the whole log on a mismatch.
  void ExpectLog(const std::vector<Expected>& expected, const char* file, int line);

  int LineHeight();

  HWND parent_ = nullptr;
  HWND control_ = nullptr;
};

#define EXPECT_LOG(...) ExpectLog(__VA_ARGS__, __FILE__, __LINE__)

}  // namespace wintest
