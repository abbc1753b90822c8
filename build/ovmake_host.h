// The build host of ovmake.exe: the build pipeline with no window around it.
//
// Every console line goes to standard output as one line, tool output lines as the runner reads
// them. The window-side operations of a build (showing the console, pumping messages, the busy
// box, saving editors, repainting the project list, posting Compile, opening the make batch) do
// nothing here: there is no window, no editor and nothing to keep alive.
#pragma once

#include <functional>
#include <string>

#include "build/buildcontext.h"
#include "build/processrunner.h"

namespace ovmake {

// Receives one line of output, without its line end.
using LineSink = std::function<void(const std::string& line)>;

// A console line as one output line: every carriage return and line feed inside it becomes a
// blank, so a line never splits or overwrites itself on the terminal.
std::string OutputLine(const std::string& consoleLine);

// The host of a windowless build: tools run captured through `runner`, console lines go to `out`
// (through OutputLine), every window-side operation is a no-op. `runTarget` is left empty: the
// caller that runs --run sets it. `runner` and `out` must outlive the host.
build::BuildHost HeadlessBuildHost(build::ProcessRunner& runner, const LineSink& out);

}  // namespace ovmake
