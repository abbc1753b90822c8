// The About box: the title picture with the version text, closed by any key, click or command.
#pragma once

#include <windows.h>

namespace shell {

// Runs the "ABOUT" dialog owned by `owner` until the user dismisses it.
void ShowAboutBox(HWND owner);

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
