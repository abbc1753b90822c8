// What a build needs from the rest of the program: where the settings and the project lie, and
// the window-side operations it calls (running a tool, console lines, the busy box, editors).
//
// The build core knows no window. Everything it asks of the IDE is a function object here, so the
// whole orchestration runs in tests with recording fakes. Every member may be empty; an empty
// operation is skipped (an empty runTool counts as a process that could not be started).
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "build/processrunner.h"

namespace build {

// Results of a build step besides those of the runner (build/processrunner.h).
constexpr int kCommandTooLong = -4;  // the command would not fit the command buffer: nothing ran

// The command buffer holds 4096 bytes, terminator included.
constexpr std::size_t kMaxCommandLength = 4095;

struct BuildHost {
  // Runs a tool with its output captured (ProcessRunner::RunTools of the IDE's runner).
  std::function<int(const ToolRun& run, const RunnerIo& io)> runTool;
  ConsoleSink console;     // adds a line to the console's output list
  MessagePump pump;        // lets pending window messages run
  TraceSink trace;         // diagnostic lines for the trace monitor
  std::function<void()> showConsole;
  // The busy box: a caption ("Make...", "Building...", "Compiling...") and its text.
  std::function<void(const std::string& caption, const std::string& text)> showBusy;
  std::function<void()> closeBusy;
  // Saves the editor that holds `path` when its text is modified; nothing when none holds it.
  std::function<void(const std::string& path)> saveIfModified;
  std::function<void()> repaintProjectList;
  // Make with Shift held: posts the Compile command instead.
  std::function<void()> postCompileCommand;
  // Starts the built program, or the debugger on it (RunTarget, build/externaltools.h).
  std::function<void(bool debugger)> runTarget;
  // Opens the written make batch in an editor window at (100, 200), 650 by 350 pixels.
  std::function<void(const std::string& path)> openMakeBatch;
};

// Where the build reads its settings and finds the project.
struct BuildFiles {
  std::string globalSettings;    // "Orvantel.ini"
  std::string projectSettings;   // the project's "ovs" file
  std::string projectFile;       // the project's "ovp" file
  std::string projectDirectory;  // the folder that holds it, without a trailing backslash
};

// The process-wide settings paths and project strings.
BuildFiles CurrentBuildFiles();

struct BuildContext {
  BuildHost host;
  BuildFiles files;
};

// Small helpers over the host, each a no-op when the operation is empty.
void SendConsoleLine(const BuildContext& context, const std::string& line);
void TraceLine(const BuildContext& context, const std::string& line);
void Pump(const BuildContext& context);
void RepaintProjectList(const BuildContext& context);

}  // namespace build
