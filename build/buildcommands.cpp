// The build commands of the "Build" menu and the project window.
#include "build/buildcommands.h"

#include "build/compilecommand.h"
#include "build/headerchanges.h"
#include "build/make.h"
#include "build/makebatch.h"
#include "build/runtools.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/filetype.h"
#include "project/projectlist.h"

namespace build {
namespace {

void ShowConsole(const BuildContext& context) {
  if (context.host.showConsole) context.host.showConsole();
}

void ShowBusy(const BuildContext& context, const char* caption, const std::string& text) {
  if (context.host.showBusy) context.host.showBusy(caption, text);
}

void CloseBusy(const BuildContext& context) {
  if (context.host.closeBusy) context.host.closeBusy();
}

// The busy box text of a whole-project step: the project folder and the project file on two lines.
std::string ProjectBusyText(const BuildContext& context) {
  return context.files.projectDirectory + "\r\n" + context.files.projectFile;
}

// Every project file that an editor holds modified is saved first, so the build sees the text the
// user sees.
void SaveModifiedProjectFiles(const BuildContext& context, int list) {
  if (!context.host.saveIfModified) return;
  const int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    std::string file = liststore::FieldText(list, line, project::kFileField);
    if (!file.empty()) context.host.saveIfModified(file);
  }
}

// Shown console, heading, saved editors, propagated headers and the busy box: the opening of Make,
// Build All and Run.
void OpenProjectBuild(const BuildContext& context, int list, const char* heading, const char* busyCaption) {
  ShowConsole(context);
  SendConsoleLine(context, heading);
  Pump(context);
  SaveModifiedProjectFiles(context, list);
  PropagateHeaderChanges(context, list);
  ShowBusy(context, busyCaption, ProjectBusyText(context));
  Pump(context);
}

void CloseProjectBuild(const BuildContext& context) {
  CloseBusy(context);
  RepaintProjectList(context);
}

CommandResult Refuse(const BuildContext& context) {
  SendConsoleLine(context, kBusyRefusalLine);
  return CommandResult::kRefused;
}

CommandResult ResultOf(bool succeeded) {
  return succeeded ? CommandResult::kSucceeded : CommandResult::kFailed;
}

}  // namespace

CommandResult MakeCommand(const BuildContext& context, int list, bool shiftHeld) {
  if (shiftHeld) {
    if (context.host.postCompileCommand) context.host.postCompileCommand();
    return CommandResult::kHandedOn;
  }
  RunLock lock;
  if (!lock.Held()) return Refuse(context);
  OpenProjectBuild(context, list, kHeadingMakeAll, "Make...");
  int result = MakeProject(context, list);
  CloseProjectBuild(context);
  SendConsoleLine(context, kHeadingReady);
  return ResultOf(result == 0);
}

CommandResult BuildAllCommand(const BuildContext& context, int list) {
  RunLock lock;
  if (!lock.Held()) return Refuse(context);
  OpenProjectBuild(context, list, kHeadingBuildAll, "Building...");
  int result = BuildAllProject(context, list, false);
  CloseProjectBuild(context);
  SendConsoleLine(context, kHeadingReady);
  return ResultOf(result == 0);
}

CommandResult RunCommand(const BuildContext& context, int list, bool shiftHeld) {
  RunLock lock;
  if (!lock.Held()) return Refuse(context);
  OpenProjectBuild(context, list, kHeadingBuildForRun, "Building...");
  int result = MakeProject(context, list);
  CloseProjectBuild(context);
  if (result != 0) {
    SendConsoleLine(context, kHeadingCannotRun);
    return CommandResult::kFailed;
  }
  SendConsoleLine(context, shiftHeld ? kHeadingStartDebugger : kHeadingRun);
  if (context.host.runTarget) context.host.runTarget(shiftHeld);
  return CommandResult::kSucceeded;
}

CommandResult MakefileCommand(const BuildContext& context, int list) {
  RunLock lock;
  if (!lock.Held()) return Refuse(context);
  ShowConsole(context);
  Pump(context);
  std::string path = context.files.projectDirectory + "\\" + kMakeBatchName;
  SetMakeBatchPath(path);
  BuildAllProject(context, list, true);
  // The link step closes the batch; a batch it never reached is closed here.
  if (IsBatchFileOpen()) CloseBatchFile();
  if (!LastBatchWritten()) {
    SendConsoleLine(context, "ERROR: Can not write " + path);
    return CommandResult::kFailed;
  }
  if (context.host.openMakeBatch) context.host.openMakeBatch(path);
  return CommandResult::kSucceeded;
}

CommandResult CompileCommand(const BuildContext& context, int list, const std::string& file) {
  if (file.empty()) return CommandResult::kSucceeded;
  RunLock lock;
  if (!lock.Held()) return Refuse(context);
  if (context.host.saveIfModified) context.host.saveIfModified(file);
  ShowConsole(context);
  SendConsoleLine(context, kHeadingCompile);
  Pump(context);
  int type = project::GetFileType(file);
  bool source = type == project::kFileC || type == project::kFileCpp;
  bool succeeded = true;
  if (source || type == project::kFileResourceScript) {
    ShowBusy(context, "Compiling...", file);
    Pump(context);
    // A file outside the project compiles all the same; only the line updates find nothing.
    int line = project::FindFileLine(list, file);
    if (line >= 0) SetField(list, line, project::kCompileField, "");
    int result = source ? CompileCppFile(context, file, false) : CompileResourceFile(context, file, false);
    succeeded = result == 0;
    if (line >= 0) {
      SetField(list, line, project::kCompileField, succeeded ? kStateCompiled : kStateErrors);
      SetField(list, line, project::kTimeField, platform::FileTimeText(file).c_str());
    }
    CloseBusy(context);
    RepaintProjectList(context);
  } else {
    SendConsoleLine(context, kNothingToCompile);
  }
  SendConsoleLine(context, kHeadingReady);
  return ResultOf(succeeded);
}

CommandResult CompileSelectedCommand(const BuildContext& context, int list) {
  RunLock lock;
  if (!lock.Held()) return Refuse(context);
  ShowConsole(context);
  SendConsoleLine(context, kHeadingCompileSelected);
  Pump(context);
  int failures = CompileSelectedFiles(context, list);
  SendConsoleLine(context, kHeadingReady);
  return ResultOf(failures == 0);
}

}  // namespace build
