// The main frame: a thin window across the top of the screen holding the caption and the menu bar.
// The project window, the editors, the console and the resource editor are windows it owns.
#pragma once

#include <windows.h>

namespace shell {

constexpr char kFrameClass[] = "IdeFrameWindow";
constexpr DWORD kFrameStyle = 0x820F0000;  // popup, clip children, sizing frame, system, min and max boxes
constexpr int kFrameHeight = 46;
constexpr int kMenuBarId = 99;
constexpr int kMenuBarHeight = 24;

// Class style 11 (redraw on width and height changes, double clicks), 20 extra bytes, icon "APPL",
// the arrow cursor, no background brush, no menu.
bool RegisterFrameClass(HINSTANCE instance);

// The frame across the top of the desktop, owned by the task window: at x = y = -(frame border
// width), as wide as the desktop plus both borders, 46 pixels high. Not shown yet.
HWND CreateFrameWindow(HWND taskWindow);

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
