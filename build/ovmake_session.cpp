// One run of ovmake.exe: the command line, the project opened as the IDE opens it, the build
// command, the project saved.
#include "build/ovmake_session.h"

#include <climits>

#include "build/buildcommands.h"
#include "build/externaltools.h"
#include "build/ovmake_options.h"
#include "platform/platform.h"
#include "project/openproject.h"
#include "project/projectfile.h"
#include "project/projectlist.h"
#include "project/projectstartup.h"
#include "project/projectstrings.h"
#include "shell/settingspaths.h"

namespace ovmake {
namespace {

constexpr char kPrefix[] = "ovmake: ";

// The project window's place is never used here; the desktop's edges only clamp it.
constexpr int kNoDesktopEdge = INT_MAX / 2;

// Passes captured runs on and records whether the target's detached start succeeded: the IDE does
// not report a failed start, but a script must learn that nothing was started.
class StartWatch : public build::ProcessRunner {
 public:
  explicit StartWatch(build::ProcessRunner& inner) : inner_(inner) {}
  int RunTools(const build::ToolRun& run, const build::RunnerIo& io) override { return inner_.RunTools(run, io); }
  bool StartDetached(const std::string& commandLine, const std::string& workingDirectory) override {
    asked_ = true;
    command_ = commandLine;
    started_ = inner_.StartDetached(commandLine, workingDirectory);
    return started_;
  }
  bool FailedStart() const { return asked_ && !started_; }
  const std::string& Command() const { return command_; }

 private:
  build::ProcessRunner& inner_;
  bool asked_ = false;
  bool started_ = false;
  std::string command_;
};

// Keeps the process-wide project state of one run and undoes it when the run ends: the open
// project, the project strings and the current directory.
class OpenedProject {
 public:
  explicit OpenedProject(const std::string& currentDirectory) : currentDirectory_(currentDirectory) {}
  ~OpenedProject() {
    project::CloseOpenProject();
    project::ClearProjectFile();
    if (!currentDirectory_.empty()) platform::ChangeCurrentDirectory(currentDirectory_);
  }
  OpenedProject(const OpenedProject&) = delete;
  OpenedProject& operator=(const OpenedProject&) = delete;

 private:
  std::string currentDirectory_;
};

class Run {
 public:
  explicit Run(const System& system) : system_(system) {}

  int Execute(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.ok) return Usage(parsed.problem + " (ovmake --help shows the usage)");
    if (parsed.options.help) {
      for (const std::string& line : UsageLines()) Out(line);
      return kExitSucceeded;
    }
    options_ = parsed.options;
    // Every path is made absolute now: opening the project changes the current directory.
    ini_ = options_.ini.empty() ? settings::GlobalSettingsPath(system_.programPath)
                                : AbsolutePath(options_.ini, system_.currentDirectory);
    projectPath_ = AbsolutePath(options_.project, system_.currentDirectory);
    if (options_.mode == Mode::kCompile) compileFile_ = AbsolutePath(options_.compileFile, system_.currentDirectory);

    if (ini_.empty()) return Usage("the path of the global settings file is too long");
    if (!platform::FileExists(ini_)) return Usage("global settings file not found: " + ini_);
    if (!platform::CanOpenForReading(ini_)) return Usage("cannot read the global settings file: " + ini_);
    return BuildProject();
  }

 private:
  void Out(const std::string& line) const {
    if (system_.out) system_.out(line);
  }
  void Err(const std::string& line) const {
    if (system_.err) system_.err(kPrefix + line);
  }
  int Usage(const std::string& problem) const {
    Err(problem);
    return kExitUsage;
  }

  int BuildProject() {
    OpenedProject opened(system_.currentDirectory);
    if (project::SetProjectFile(projectPath_) != project::ProjectTextResult::kSet) {
      return Usage("the path of the project file is too long (at most 255 characters): " + projectPath_);
    }
    project::ProjectList list(projectPath_);
    if (!list.Valid()) return Usage("no memory for the project: " + projectPath_);
    switch (project::LoadProject(list.Number(), projectPath_, kNoDesktopEdge, kNoDesktopEdge).result) {
      case project::LoadResult::kLoaded: break;
      case project::LoadResult::kCannotRead: return Usage("cannot read the project file: " + projectPath_);
      // The IDE shows what it could read; building that and saving it back would lose the rest.
      case project::LoadResult::kMalformed: return Usage("the project file is damaged: " + projectPath_);
      case project::LoadResult::kStoreFailed: return Usage("no memory for the project: " + projectPath_);
    }
    project::SetOpenProject(list.Number(), nullptr);
    project::CompleteProjectStart(list.Number(), ini_, project::StartCompletion());

    int status = RunCommand(list.Number());
    if (options_.mode != Mode::kMakefile && project::SaveProject(list.Number(), projectPath_) != 0) {
      Err("cannot save the project file: " + projectPath_);
      status = kExitFailed;
    }
    return status;
  }

  build::BuildContext Context(StartWatch& runner, int& targetResult) const {
    build::BuildContext context;
    context.host = HeadlessBuildHost(runner, system_.out);
    context.files.globalSettings = ini_;
    context.files.projectSettings = project::ProjectSettingsPath();
    context.files.projectFile = projectPath_;
    context.files.projectDirectory = project::ProjectFolder();

    build::ToolPlaces places;
    places.globalSettingsFile = ini_;
    places.projectSettingsFile = project::ProjectSettingsPath();
    places.projectFolder = project::ProjectFolder();
    places.projectName = project::ProjectName();
    build::ConsoleSink console = context.host.console;
    context.host.runTarget = [&runner, &targetResult, places, console](bool debugger) {
      build::RunnerIo io;
      io.console = console;
      targetResult = build::RunTarget(runner, places, io, debugger);
    };
    return context;
  }

  int RunCommand(int list) {
    StartWatch runner(*system_.runner);
    int targetResult = 0;
    const build::BuildContext context = Context(runner, targetResult);
    build::CommandResult result = build::CommandResult::kFailed;
    switch (options_.mode) {
      case Mode::kMake: result = build::MakeCommand(context, list, false); break;
      case Mode::kBuildAll: result = build::BuildAllCommand(context, list); break;
      case Mode::kMakefile: result = build::MakefileCommand(context, list); break;
      case Mode::kCompile: result = build::CompileCommand(context, list, compileFile_); break;
      case Mode::kRun: result = build::RunCommand(context, list, false); break;
    }
    if (result != build::CommandResult::kSucceeded) return kExitFailed;
    // A DLL or library target cannot run ("can only run EXE-Projects" is on the console already).
    if (targetResult != 0) return kExitFailed;
    if (runner.FailedStart()) {
      Err("the target could not be started: " + runner.Command());
      return kExitFailed;
    }
    return kExitSucceeded;
  }

  const System& system_;
  Options options_;
  std::string ini_;
  std::string projectPath_;
  std::string compileFile_;
};

}  // namespace

int RunOvmake(const std::vector<std::string>& arguments, const System& system) {
  if (system.runner == nullptr) {
    if (system.err) system.err(std::string(kPrefix) + "no process runner");
    return kExitFailed;
  }
  return Run(system).Execute(arguments);
}

}  // namespace ovmake
