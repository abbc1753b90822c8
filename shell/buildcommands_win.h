// The build commands of the frame: make, build all, build for run, compile, makefile.
//
// Each works on the open project (the project window's list) and reports in the console, showing
// the busy box while the tools run. Without a project window, or before the build steps are part
// of the program, a command stops at once with a trace line.
#pragma once

#include <windows.h>

namespace shell {

// Make (5004) or build all (5005). True when the target was made.
bool MakeCommand(HWND frame, bool buildAll);
// Build for run (5001): make, then run the target, under the debugger when Shift was held.
void RunCommand(HWND frame);
// Compile (5003): the file of the top editor window, or the project window's selection when the
// project window is the active child.
void CompileCommand(HWND frame);
// Makefile (5007): writes the make batch and opens it in an editor window.
void MakefileCommand(HWND frame);

}  // namespace shell
