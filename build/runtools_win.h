// Running outside tools on Windows: captured runs through pipes, and detached starts.
#pragma once

#include <string>

#include "build/processrunner.h"

namespace build {

// Runs `run.commandLine` with its standard output and standard error joined in one pipe and shows
// its output line by line (build/runtools.h ToolOutputLines). The child's input is a pipe whose
// IDE end is closed as soon as the child started, so a tool that reads its input sees its end at
// once instead of waiting forever. Reading goes on until the pipe breaks (every copy of the write
// end closed); then the process gets run.waitMilliseconds to end. Results: kRunSucceeded or
// kRunReportedErrors from the filter; kRunToolMissing when the pipes cannot be made (no console
// line); kRunNotStarted with "RunTools Error: Can not create process!" when the process cannot be
// created, or with kBusyRefusalLine when another captured run is active; kRunDidNotEnd with
// "RunTools Error: process terminated abnormal!" when it has not ended by then (it is left
// running). A read that keeps failing for another reason ends the output as a broken pipe would.
int RunTools(const ToolRun& run, const RunnerIo& io);

// Starts a program shown, without capture and without waiting. `workingDirectory` empty: the
// IDE's current directory. True when the process started.
bool StartDetachedProcess(const std::string& commandLine, const std::string& workingDirectory);

// The runner the IDE uses: RunTools and StartDetachedProcess behind the ProcessRunner interface.
ProcessRunner& SystemProcessRunner();

}  // namespace build
