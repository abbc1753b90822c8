// The built target, grep and the debugger.
#include "build/externaltools.h"

#include <climits>
#include <cstdio>

#include "build/runtools.h"
#include "platform/platform.h"
#include "project/projectstrings.h"
#include "shell/settingskeys.h"
#include "shell/settingspaths.h"

namespace build {
namespace {

void Show(const RunnerIo& io, const std::string& line) {
  if (io.console) io.console(line);
}

void Trace(const RunnerIo& io, const std::string& line) {
  if (io.trace) io.trace(line);
}

bool IsAbsolutePath(const std::string& path) {
  return (path.size() > 1 && path[1] == ':') || (!path.empty() && path[0] == '\\');
}

// The folder the Final text names, as a change of directory from the project folder would find it.
std::string FinalFolder(const std::string& final, const std::string& projectFolder) {
  if (final.empty()) return projectFolder;
  if (IsAbsolutePath(final) || projectFolder.empty()) return final;
  return projectFolder + "\\" + final;
}

// The leading decimal number of a grep line (after blanks), saturating; 0 when there is none.
int LeadingNumber(const std::string& line) {
  std::size_t at = 0;
  while (at < line.size() && line[at] == ' ') ++at;
  long long value = 0;
  for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
    value = value * 10 + (line[at] - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

// The configured path of a Tools-menu program, or empty after the console was told why not.
std::string ConfiguredTool(const std::string& path, const RunnerIo& io, const char* notConfigured,
                           const char* missing) {
  if (path.empty()) {
    Show(io, notConfigured);
    return std::string();
  }
  if (!platform::CanOpenForReading(path)) {
    Show(io, missing);
    return std::string();
  }
  return path;
}

}  // namespace

ToolPlaces CurrentToolPlaces() {
  ToolPlaces places;
  places.globalSettingsFile = settings::GlobalSettingsFile();
  places.projectSettingsFile = settings::ProjectSettingsFile();
  places.projectFolder = project::ProjectFolder();
  places.projectName = project::ProjectName();
  return places;
}

int RunTarget(ProcessRunner& runner, const ToolPlaces& places, const RunnerIo& io, bool debugger) {
  const std::string model = settings::ReadKey(places.projectSettingsFile, settings::kTargetModel);
  if (model == settings::kModelDll || model == settings::kModelLibrary) {
    Show(io, "can only run EXE-Projects");
    return -1;
  }
  std::string name = settings::ReadKey(places.projectSettingsFile, settings::kTargetName);
  if (name.empty()) name = places.projectName;
  const std::string program = name + ".exe";

  const std::string final = settings::ReadKey(places.projectSettingsFile, settings::kDirectoriesFinal);
  const std::string folder = FinalFolder(final, places.projectFolder);
  // An empty Final leaves the program in the project folder, not in the root of the drive.
  const bool endsInBackslash = !folder.empty() && folder.back() == '\\';
  const std::string programPath =
      final.empty() ? program : folder + (endsInBackslash ? "" : "\\") + program;

  std::string command;
  if (debugger) {
    const std::string debuggerPath = settings::ReadKey(places.globalSettingsFile, settings::kToolsDebugger);
    if (!debuggerPath.empty()) command = QuoteProgramPath(debuggerPath) + " ";
  }
  command += QuoteProgramPath(programPath);
  Trace(io, "Run: " + command);
  Show(io, "running '" + program + "'");
  runner.StartDetached(command, platform::FolderExists(folder) ? folder : std::string());
  return 0;
}

int TransformGrepLine(std::string& currentFile, std::string& output, const std::string& line) {
  if (line.compare(0, 4, "File") == 0) {
    currentFile = line.size() > 5 ? line.substr(5, line.size() - 6) : std::string();
    output = " - ";
    return 0;
  }
  const int number = LeadingNumber(line);
  if (number == 0) {
    output = line;
    return 0;
  }
  char digits[16];
  std::snprintf(digits, sizeof digits, "%06d", number);
  output = "Found in " + currentFile + " " + digits + " ";
  return 0;
}

int GrepLineTransformer::operator()(std::string& output, const std::string& line) {
  return TransformGrepLine(currentFile_, output, line);
}

int RunGrep(ProcessRunner& runner, const ToolPlaces& places, const RunnerIo& io,
            const std::string& arguments) {
  RunLock lock;
  if (!lock.Held()) {
    Show(io, kBusyRefusalLine);
    return kRunNotStarted;
  }
  const std::string grep =
      ConfiguredTool(settings::ReadKey(places.globalSettingsFile, settings::kToolsGrep), io,
                     "ERROR: Grep is not configured.", "ERROR: can not find grep");
  if (grep.empty()) return 0;
  ToolRun run;
  run.commandLine = QuoteProgramPath(grep) + (arguments.empty() ? " ? " : " -n " + arguments);
  run.filter = GrepLineTransformer();
  Show(io, "*GREP...");
  Show(io, run.commandLine);
  return runner.RunTools(run, io);
}

int RunDebugger(ProcessRunner& runner, const ToolPlaces& places, const RunnerIo& io,
                const std::string& arguments) {
  RunLock lock;
  if (!lock.Held()) {
    Show(io, kBusyRefusalLine);
    return 0;
  }
  Show(io, "*DEBUGGER...");
  const std::string debugger =
      ConfiguredTool(settings::ReadKey(places.globalSettingsFile, settings::kToolsDebugger), io,
                     "ERROR: Debugger is not configured.", "ERROR: can not find debugger");
  if (debugger.empty()) return 0;
  std::string command = QuoteProgramPath(debugger);
  if (!arguments.empty()) command += " " + arguments;
  Trace(io, "Run: " + command);
  return runner.StartDetached(command, std::string()) ? 1 : 0;
}

}  // namespace build
