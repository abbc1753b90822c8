// Helpers of the dravon.dll window tests: pumping, the notification log check and timer-driven steps
// that act inside modal loops (warning boxes, popup menus, file boxes).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gallery_win.h"

namespace wintest {

void PumpPending();
// Pumps until `done` holds or `timeoutMs` passed; returns whether it holds.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// One expected notification; `optional` ones may be missing (messages the system may or may not send).
struct Expected {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool optional = false;
};

// Compares the gallery's log with `expected` in order; on a mismatch the whole log is printed.
::testing::AssertionResult LogMatches(const std::vector<Expected>& expected);
// True when the log holds this exact entry.
bool Logged(UINT message, WPARAM wParam, LPARAM lParam);
std::string DescribeLog();

// Steps run one after the other from a timer while the test waits in a modal call; a step returns
// true when it has done its part. After about ten seconds the remaining steps are dropped and any
// open menu or box of the thread is closed, so a broken test fails instead of hanging.
using Step = std::function<bool()>;
void RunSteps(std::vector<Step> steps);
bool StepsFinished();

// A visible window of this thread with that class (and title, when given).
HWND FindThreadWindow(const char* className, const char* title = nullptr);
// The open popup menu's window, or NULL.
HWND OpenMenuWindow();
// Posts a key press to a window (the modal loops read it from the queue).
void PostKey(HWND window, UINT key);

// Sends a click (button down and up) at a client point of `window`.
void Click(HWND window, int x, int y);
POINT CentreOf(HWND window);  // client coordinates
RECT ChildRect(HWND parent, HWND child);  // the child's rectangle in the parent's client coordinates

}  // namespace wintest
