// The program's life: start-up in its fixed order, the guarded message loop, shutdown in its order.
#pragma once

#include <windows.h>

namespace shell {

// Runs the program with the text after the program's name on its command line. Returns the exit
// code: 0 when another copy runs or a library is missing (after its box), otherwise the quit
// message's value.
int RunProgram(HINSTANCE instance, const char* commandLine);

}  // namespace shell
