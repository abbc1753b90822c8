// One run of ovmake.exe from its arguments to its exit status, with the system around it passed
// in, so that the whole run can be tested with a fake runner.
//
// The project is opened as the project window opens it: the project strings and settings path set,
// the project file read (paths made absolute), the start-up completion run (the project's profile
// made current in the global settings file, the project folder made the current directory). The
// chosen build command then runs through the IDE's own command code with the headless host
// (build/ovmake_host.h), and the project is saved as the IDE saves it, so that "Compile" and
// "Time" carry over to the next build in either program. --makefile writes the make batch and
// nothing else: the project file is not written.
#pragma once

#include <string>
#include <vector>

#include "build/ovmake_host.h"
#include "build/processrunner.h"

namespace ovmake {

struct System {
  build::ProcessRunner* runner = nullptr;  // captured tool runs and the target's detached start
  LineSink out;                            // one line of standard output
  LineSink err;                            // one line of standard error
  std::string programPath;                 // ovmake.exe's full path: the default ini lies beside it
  std::string currentDirectory;            // where relative paths of the arguments lie
};

// Runs ovmake with `arguments` (without the program name) and returns its exit status:
// kExitSucceeded, kExitFailed or kExitUsage (build/ovmake_options.h). Every exit with kExitUsage,
// and every failure that no console line shows (the project could not be saved, the target could
// not be started), writes one line starting with "ovmake: " to `err`. The current directory is
// `system.currentDirectory` again when it returns.
int RunOvmake(const std::vector<std::string>& arguments, const System& system);

}  // namespace ovmake
