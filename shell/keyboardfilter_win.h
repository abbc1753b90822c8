// The message loop's keyboard filter: the program's shortcuts, whatever window has the focus.
#pragma once

#include <windows.h>

namespace shell {

// Offered every fetched message before it is translated and dispatched. Updates the loop's key
// flags and carries out the shortcut the message stands for (keyfilter.h): posts its command to the
// frame or to the active child, raises the test fault, or inserts spaces for Tab. Returns true when
// the message is consumed. A command for the active child while there is none leaves the key alone.
bool KeyboardFilter(MSG& message);

// Tab with space-tabs on: the focused editing control gets spaces up to the next tab stop of the
// project's "Editor"/"Tabs" (default 2). Only an editing control ("Folvex") is served; false for any
// other window, which then gets the Tab key itself.
bool InsertSpacesForTab(HWND focus);

}  // namespace shell
