// Running outside tools: result codes, the line sinks a run talks to, and the runner interface.
//
// The build steps and the Tools menu hand a command line to a ProcessRunner. The Windows runner
// (RunTools in build/runtools_win.h) starts it with its output captured; tests pass a recording
// fake. Everything a run needs from a window (the console, message pumping, the trace channel) is
// handed in as a function, so nothing here knows about windows.
#pragma once

#include <functional>
#include <string>

namespace build {

// Results of a captured run. 0 and 1 come from the line filter, never from the exit code.
constexpr int kRunSucceeded = 0;       // the tool ended and no line was an error
constexpr int kRunReportedErrors = 1;  // at least one output line was an error
constexpr int kRunToolMissing = -1;    // tool not found, or the pipes could not be made
constexpr int kRunNotStarted = -2;     // the process could not be started (or a run was active)
constexpr int kRunDidNotEnd = -3;      // the process had not ended 60 s after its output closed

// Adds one line to the console's output list. The console dispatches pending window messages
// before it returns; that is what keeps the IDE alive while a tool runs.
using ConsoleSink = std::function<void(const std::string& line)>;
// Rewrites one output line into `output` (which arrives empty) and answers non-zero when the line
// reports an error. ClassifyBuildLine (console/buildline.h) is the filter of every build step.
using LineFilter = std::function<int(std::string& output, const std::string& line)>;
// Receives diagnostic trace lines (without line end); may be empty.
using TraceSink = std::function<void(const std::string& line)>;
// Lets pending window messages run; may be empty.
using MessagePump = std::function<void()>;

// How long a run waits for the process once its output has closed.
constexpr unsigned kProcessEndWaitMilliseconds = 60000;

struct ToolRun {
  std::string commandLine;        // as the system parses it: program first, quoted when it has blanks
  std::string workingDirectory;   // empty: the IDE's current directory; a missing folder counts as empty
  LineFilter filter;              // empty: every line shown unchanged, none an error
  unsigned waitMilliseconds = kProcessEndWaitMilliseconds;
};

// What a run may talk to. Every member may be empty.
struct RunnerIo {
  ConsoleSink console;
  TraceSink trace;
  MessagePump pump;   // called between pieces of output that carried no complete line
};

class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  // Runs `run` with standard output and standard error captured, one console line per output line.
  // Returns kRunSucceeded, kRunReportedErrors, kRunToolMissing (pipes), kRunNotStarted or
  // kRunDidNotEnd. A request while another captured run is active is refused with
  // kBusyRefusalLine (build/runtools.h) on the console and kRunNotStarted.
  virtual int RunTools(const ToolRun& run, const RunnerIo& io) = 0;
  // Starts a program shown and detached: nothing is captured or waited for. True when it started.
  virtual bool StartDetached(const std::string& commandLine, const std::string& workingDirectory) = 0;
};

}  // namespace build
