// One tool step of a build: the command-length check, the working folder and the captured run.
#include "build/toolstep.h"

#include "console/buildline.h"
#include "platform/platform.h"

namespace build {

bool CommandFits(const BuildContext& context, const std::string& command) {
  if (command.size() <= kMaxCommandLength) return true;
  SendConsoleLine(context, "ERROR: The command is too long (" + std::to_string(command.size()) +
                               " characters, at most " + std::to_string(kMaxCommandLength) +
                               "); the step was not run.");
  return false;
}

std::string WorkingDirectoryFor(const std::string& folder, const std::string& projectDirectory) {
  if (folder.empty()) return std::string();
  std::string path = folder;
  bool hasDrive = path.size() >= 2 && path[1] == ':';
  if (hasDrive && path.size() == 2) {
    path += '\\';
  } else if (!hasDrive && path[0] != '\\' && !projectDirectory.empty()) {
    path = projectDirectory + "\\" + path;
  }
  return platform::FolderExists(path) ? path : std::string();
}

int RunToolCommand(const BuildContext& context, const std::string& command,
                   const std::string& workingDirectory, bool classify) {
  if (!CommandFits(context, command)) return kCommandTooLong;
  if (!context.host.runTool) return kRunNotStarted;
  ToolRun run;
  run.commandLine = command;
  run.workingDirectory = workingDirectory;
  if (classify) run.filter = console::ClassifyBuildLine;
  RunnerIo io;
  io.console = context.host.console;
  io.trace = context.host.trace;
  io.pump = context.host.pump;
  return context.host.runTool(run, io);
}

}  // namespace build
