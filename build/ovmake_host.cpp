// The build host of ovmake.exe.
#include "build/ovmake_host.h"

namespace ovmake {

std::string OutputLine(const std::string& consoleLine) {
  std::string line = consoleLine;
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

build::BuildHost HeadlessBuildHost(build::ProcessRunner& runner, const LineSink& out) {
  build::BuildHost host;
  host.runTool = [&runner](const build::ToolRun& run, const build::RunnerIo& io) { return runner.RunTools(run, io); };
  host.console = [out](const std::string& line) {
    if (out) out(OutputLine(line));
  };
  // Set explicitly rather than left empty: an empty operation means "skipped" to most of the
  // core, but these are meant to be nothing at all, whatever a later core makes of emptiness.
  host.pump = [] {};
  host.trace = [](const std::string&) {};
  host.showConsole = [] {};
  host.showBusy = [](const std::string&, const std::string&) {};
  host.closeBusy = [] {};
  host.saveIfModified = [](const std::string&) {};
  host.repaintProjectList = [] {};
  host.postCompileCommand = [] {};
  host.openMakeBatch = [](const std::string&) {};
  return host;
}

}  // namespace ovmake
