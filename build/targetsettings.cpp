// The active compiler profile, the target settings of the project and where each tool lies.
#include "build/targetsettings.h"

#include "build/runtools.h"
#include "platform/platform.h"
#include "shell/profiles.h"
#include "shell/settingskeys.h"

namespace build {
namespace {

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

struct ToolEntry {
  const settings::KeySpec* key;
  const char* missingLine;
};

ToolEntry EntryFor(Tool tool) {
  switch (tool) {
    case Tool::kCompiler:
      return {&settings::kToolCc, "Can not find the Compiler! Check Global Settings."};
    case Tool::kResourceCompiler:
      return {&settings::kToolRc, "Can not find the Resource Compiler! Check Global Settings."};
    case Tool::kLinker:
      return {&settings::kToolLinker, "Can not find the Linker! Check Global Settings."};
    case Tool::kLibrarian:
      break;
  }
  return {&settings::kToolLibrarian, "Can not find the Librian! Check Global Settings."};
}

}  // namespace

int ProfileIdForName(const std::string& name, int previous) {
  if (StartsWith(name, settings::kProfileBorland)) return settings::kProfileIdBorland;
  if (StartsWith(name, settings::kProfileVisualToolkit)) return settings::kProfileIdVisualToolkit;
  if (StartsWith(name, settings::kProfileDigitalMars)) return settings::kProfileIdDigitalMars;
  return previous;
}

std::string ResolveProfile(const std::string& globalSettings) {
  std::string name = settings::CurrentProfileName(globalSettings);
  settings::SetCurrentProfileId(ProfileIdForName(name, settings::CurrentProfileId()));
  return name;
}

TargetModel ParseTargetModel(const std::string& word) {
  if (word == settings::kModelGui) return TargetModel::kGui;
  if (word == settings::kModelConsole) return TargetModel::kConsole;
  if (word == settings::kModelDll) return TargetModel::kDll;
  if (word == settings::kModelLibrary) return TargetModel::kLibrary;
  return TargetModel::kUnknown;
}

TargetSettings ResolveTargetSettings(const std::string& projectSettings) {
  TargetSettings target;
  target.model = ParseTargetModel(settings::ReadKey(projectSettings, settings::kTargetModel));
  target.multithread = settings::ReadKey(projectSettings, settings::kTargetMultithread) == "1";
  std::string build = settings::ReadKey(projectSettings, settings::kTargetBuild);
  target.build = build == settings::kBuildRelease ? BuildKind::kRelease
               : build == settings::kBuildDebug   ? BuildKind::kDebug
                                                  : BuildKind::kUnknown;
  std::string optimise = settings::ReadKey(projectSettings, settings::kTargetOptimize);
  target.optimisation = optimise == settings::kOptimizeSpeed ? Optimisation::kSpeed
                      : optimise == settings::kOptimizeSize  ? Optimisation::kSize
                                                             : Optimisation::kNone;
  target.forceCpp = settings::ReadKey(projectSettings, settings::kTargetCpp) == settings::kCppAlways;
  return target;
}

bool IsValidFile(const std::string& path) { return platform::CanOpenForReading(path); }

std::string ToolFolder(const BuildContext& context, const std::string& profile) {
  return settings::ReadProfileKey(context.files.globalSettings, profile, settings::kToolBin);
}

std::optional<std::string> LookUpTool(const BuildContext& context, const std::string& profile, Tool tool) {
  ToolEntry entry = EntryFor(tool);
  std::string path = ToolFolder(context, profile) + "\\" +
                     settings::ReadProfileKey(context.files.globalSettings, profile, *entry.key);
  if (!IsValidFile(path + ".exe")) {
    SendConsoleLine(context, entry.missingLine);
    return std::nullopt;
  }
  return QuoteProgramPath(path);
}

}  // namespace build
