// The programs the IDE starts besides the build tools: the built target, grep and the debugger.
//
// All three read their settings afresh; grep runs captured through the runner, the target and the
// debugger start detached. Program paths with blanks are quoted on the command line.
#pragma once

#include <string>

#include "build/processrunner.h"

namespace build {

// Where the settings and the project lie.
struct ToolPlaces {
  std::string globalSettingsFile;   // "Orvantel.ini": Tools/Grep, Tools/Debugger
  std::string projectSettingsFile;  // the project's "ovs" file: Target/Model, Target/Name, Directories/Final
  std::string projectFolder;        // the project directory
  std::string projectName;          // the project file's base name
};
// The process-wide settings paths and project strings.
ToolPlaces CurrentToolPlaces();

// Starts the built program, or the debugger on it. A DLL or LIB target writes "can only run
// EXE-Projects" and gives -1. The program is "Target"/"Name" (the project's name when empty) with
// ".exe" appended, in the "Directories"/"Final" folder: the command is (with `debugger`)
// the quoted "Tools"/"Debugger" path and a blank, then Final + "\" + program, quoted when it has
// blanks. The program starts in the Final folder (a relative Final lies below the project
// folder); with an empty Final it is the program name alone, started in the project folder. The
// console receives "running '" + program + "'". A start failure is not reported. Result 0.
int RunTarget(ProcessRunner& runner, const ToolPlaces& places, const RunnerIo& io, bool debugger);

// The grep tool of the Tools menu: "*GREP...", the command, then grep's output through
// TransformGrepLine. The command is the quoted "Tools"/"Grep" path and " ? " for an empty
// argument text, else " -n " and the arguments. Not configured: "ERROR: Grep is not configured.";
// missing program: "ERROR: can not find grep"; both give 0. While a build or tool run is in
// progress the request is refused with kBusyRefusalLine and gives kRunNotStarted. Otherwise the
// result of the run.
int RunGrep(ProcessRunner& runner, const ToolPlaces& places, const RunnerIo& io,
            const std::string& arguments);

// Rewrites grep's output for the console, whose Borland navigation reads "Found in" lines.
// A header "File <path>:" makes <path> the current file and shows " - "; a line whose leading
// decimal number is at least 1 becomes "Found in " + current file + " " + the number as "%06d" +
// " " (the matched text is not shown); any other line is shown unchanged. Always 0: grep reports
// no errors. One transformer serves one grep run.
class GrepLineTransformer {
 public:
  int operator()(std::string& output, const std::string& line);
  const std::string& CurrentFile() const { return currentFile_; }

 private:
  std::string currentFile_;
};
int TransformGrepLine(std::string& currentFile, std::string& output, const std::string& line);

// The debugger of the Tools menu: "*DEBUGGER...", then the quoted "Tools"/"Debugger" path with one
// blank and `arguments` when they are not empty, started detached. Not configured: "ERROR: Debugger
// is not configured."; missing: "ERROR: can not find debugger"; refused like grep during a run.
// Returns 1 when the program started, else 0.
int RunDebugger(ProcessRunner& runner, const ToolPlaces& places, const RunnerIo& io,
                const std::string& arguments);

}  // namespace build
