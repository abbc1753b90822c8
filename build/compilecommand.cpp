// Compiling one file: the compiler's and the resource compiler's command lines of the three
// profiles, run through the runner or written into the make batch.
#include "build/compilecommand.h"

#include "build/commandoptions.h"
#include "build/listformat.h"
#include "build/makebatch.h"
#include "build/targetsettings.h"
#include "build/toolstep.h"
#include "shell/profiles.h"
#include "shell/settingskeys.h"

namespace build {
namespace {

using settings::kProfileIdBorland;
using settings::kProfileIdDigitalMars;
using settings::kProfileIdVisualToolkit;

// Appends `option` followed by the formatted list, only when the list is not empty.
void AppendList(std::string& command, const char* option, const std::string& formatted) {
  if (!formatted.empty()) command += option + formatted;
}

// The lists a compile step reads: defines and include folders of the project and the profile.
struct CompileLists {
  std::string defines;
  std::string projectIncludes;
  std::string profileIncludes;
};

CompileLists ReadCompileLists(const BuildContext& context, const std::string& profile) {
  CompileLists lists;
  lists.defines = settings::ReadKey(context.files.projectSettings, settings::kTargetDefines);
  lists.projectIncludes = settings::ReadKey(context.files.projectSettings, settings::kDirectoriesInclude);
  lists.profileIncludes = settings::ReadProfileKey(context.files.globalSettings, profile, settings::kToolInclude);
  return lists;
}

void AppendBorlandOptions(std::string& command, const TargetSettings& target) {
  switch (target.model) {
    case TargetModel::kGui: command += " -tW"; break;
    case TargetModel::kConsole: command += " -tC"; break;
    case TargetModel::kDll: command += " -tWD"; break;
    default: break;
  }
  if (target.multithread) command += " -tWM";
  if (target.forceCpp) command += " -P";
  if (target.optimisation == Optimisation::kSpeed) command += " -O2";
  if (target.optimisation == Optimisation::kSize) command += " -O1";
  if (target.build == BuildKind::kDebug) command += " -v -y";
}

void AppendVisualToolkitOptions(std::string& command, const TargetSettings& target) {
  if (target.forceCpp) command += " /TP";
  command += target.multithread ? " /MT" : " /ML";
  if (target.optimisation == Optimisation::kSpeed) command += " /O2";
  if (target.optimisation == Optimisation::kSize) command += " /O1";
  if (target.build == BuildKind::kDebug) command += " /Zi";
}

void AppendDigitalMarsOptions(std::string& command, const TargetSettings& target) {
  if (target.model == TargetModel::kGui || target.model == TargetModel::kConsole) command += " -WA";
  if (target.model == TargetModel::kDll) command += " -WD";
  if (target.forceCpp) command += " -cpp";
  if (target.optimisation == Optimisation::kSpeed) command += " -o";
  if (target.optimisation == Optimisation::kSize) command += " -o+space";
  if (target.build == BuildKind::kDebug) command += " -g";
}

// The object option of the VisualToolkit compiler: /Fo<objects folder>\<base name>.obj and a blank.
std::string VisualToolkitObjectOption(const std::string& objects, const std::string& source) {
  std::string option = FormatAttachedOptions(objects, "/Fo");
  if (option.empty()) return option;
  if (option.back() != '\\') option += '\\';
  return option + BaseNameOfPath(source) + ".obj ";
}

// Runs a finished step, or writes it into the batch.
int RunOrWrite(const BuildContext& context, const StepCommand& step, const std::string& shown, bool batch,
               bool traceResult) {
  if (batch) {
    if (!CommandFits(context, step.command)) return kCommandTooLong;
    WriteBatchStep(shown, step.command);
    return kRunSucceeded;
  }
  int result = RunToolCommand(context, step.command, step.workingDirectory, true);
  if (traceResult) TraceLine(context, "RUN: " + std::to_string(result));
  return result;
}

}  // namespace

std::optional<StepCommand> CompileCppCommand(const BuildContext& context, const std::string& source) {
  std::string profile = ResolveProfile(context.files.globalSettings);
  const int id = settings::CurrentProfileId();
  std::optional<std::string> tool = LookUpTool(context, profile, Tool::kCompiler);
  if (!tool) return std::nullopt;
  TraceLine(context, "CompileCppFile:");
  TargetSettings target = ResolveTargetSettings(context.files.projectSettings);
  ExtraOptions extra = ReadExtraOptions(context, id, OptionSection::kCompiler);
  CompileLists lists = ReadCompileLists(context, profile);
  std::string objects = settings::ReadKey(context.files.projectSettings, settings::kDirectoriesObjects);

  StepCommand step;
  std::string& command = step.command;
  command = *tool + extra.configuration;
  if (id == kProfileIdVisualToolkit) {
    AppendVisualToolkitOptions(command, target);
  } else if (id == kProfileIdDigitalMars) {
    AppendDigitalMarsOptions(command, target);
  } else {
    AppendBorlandOptions(command, target);
  }
  command += extra.freeOptions;

  if (id == kProfileIdVisualToolkit) {
    command += " /c /W3";
    if (extra.Neither()) command += " /G6";
    AppendList(command, " ", FormatQuotedOptions(lists.defines, "/D"));
    AppendList(command, " ", FormatQuotedOptions(lists.projectIncludes, "/I"));
    AppendList(command, " ", FormatQuotedOptions(lists.profileIncludes, "/I"));
    AppendList(command, " ", VisualToolkitObjectOption(objects, source));
  } else if (id == kProfileIdDigitalMars) {
    command += " -c";
    if (extra.Neither()) command += " -5";
    AppendList(command, " -D", FormatJoinedList(lists.defines));
    AppendList(command, " -I", FormatJoinedList(lists.profileIncludes));
    AppendList(command, " -I", FormatJoinedList(lists.projectIncludes));
    step.workingDirectory = WorkingDirectoryFor(context.files.projectDirectory, std::string());
  } else {
    command += " -c";
    if (extra.Neither()) command += " -5 -w-aus- -w-par-";
    AppendList(command, " -D", FormatJoinedList(lists.defines));
    AppendList(command, " -I", FormatJoinedList(lists.profileIncludes));
    AppendList(command, " -I", FormatJoinedList(lists.projectIncludes));
    AppendList(command, " -n", FormatJoinedList(objects));
    step.workingDirectory = WorkingDirectoryFor(ToolFolder(context, profile), context.files.projectDirectory);
  }
  command += " \"" + source + "\"";
  TraceLine(context, "COMPILERCMD: " + command);
  return step;
}

int CompileCppFile(const BuildContext& context, const std::string& source, bool batch) {
  std::optional<StepCommand> step = CompileCppCommand(context, source);
  if (!step) return kRunToolMissing;
  return RunOrWrite(context, *step, source, batch, true);
}

std::optional<StepCommand> CompileResourceCommand(const BuildContext& context, const std::string& script) {
  std::string profile = ResolveProfile(context.files.globalSettings);
  const int id = settings::CurrentProfileId();
  std::optional<std::string> tool = LookUpTool(context, profile, Tool::kResourceCompiler);
  if (!tool) return std::nullopt;
  CompileLists lists = ReadCompileLists(context, profile);

  StepCommand step;
  std::string& command = step.command;
  command = *tool;
  if (id == kProfileIdVisualToolkit) {
    AppendList(command, " ", FormatQuotedOptions(lists.defines, "/D "));
    AppendList(command, " ", FormatQuotedOptions(lists.projectIncludes, "/I "));
    AppendList(command, " ", FormatQuotedOptions(lists.profileIncludes, "/I "));
  } else {
    command += " -32";
    AppendList(command, " -D", FormatJoinedList(lists.defines));
    AppendList(command, " -I", FormatJoinedList(lists.profileIncludes));
    AppendList(command, " -I", FormatJoinedList(lists.projectIncludes));
  }
  command += " \"" + script + "\"";
  if (id == kProfileIdDigitalMars) {
    step.workingDirectory = WorkingDirectoryFor(context.files.projectDirectory, std::string());
  }
  return step;
}

int CompileResourceFile(const BuildContext& context, const std::string& script, bool batch) {
  std::optional<StepCommand> step = CompileResourceCommand(context, script);
  if (!step) return kRunToolMissing;
  return RunOrWrite(context, *step, script, batch, false);
}

}  // namespace build
