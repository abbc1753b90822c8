// Linking the target: link lists, output names, the linker and librarian commands, the post-build
// batch.
#include "build/linkcommand.h"

#include <optional>

#include "build/commandoptions.h"
#include "build/listformat.h"
#include "build/makebatch.h"
#include "build/runtools.h"
#include "build/toolstep.h"
#include "liststore/liststore.h"
#include "project/filetype.h"
#include "project/projectlist.h"
#include "shell/profiles.h"
#include "shell/settingskeys.h"

namespace build {
namespace {

using settings::kProfileIdBorland;
using settings::kProfileIdDigitalMars;
using settings::kProfileIdVisualToolkit;

constexpr char kBorlandLibraries[] = " import32.lib cw32.lib, ";
constexpr char kWindowsLibraries[] =
    " kernel32.lib user32.lib gdi32.lib winspool.lib comdlg32.lib advapi32.lib shell32.lib ole32.lib"
    " oleaut32.lib uuid.lib odbc32.lib";

std::string ReadProjectKey(const BuildContext& context, const settings::KeySpec& keySpec) {
  return settings::ReadKey(context.files.projectSettings, keySpec);
}

bool SwitchOn(const BuildContext& context, const settings::KeySpec& keySpec) {
  std::string value = settings::ReadText(context.files.projectSettings, keySpec.section, keySpec.key,
                                         keySpec.defaultValue, settings::kSwitchCapacity);
  return !value.empty() && value[0] == '1';
}

std::string InQuotesWhen(bool quoted, const std::string& text) {
  return quoted ? "\"" + text + "\"" : text;
}

const char* ModelExtension(TargetModel model) {
  switch (model) {
    case TargetModel::kGui:
    case TargetModel::kConsole: return ".exe";
    case TargetModel::kDll: return ".dll";
    case TargetModel::kLibrary: return ".lib";
    default: return "";
  }
}

// The "Final" list as a folder to run in (the link's output lands there).
std::string FinalFolder(const BuildContext& context, const std::string& finalJoined) {
  return WorkingDirectoryFor(UnquotedDirectory(finalJoined), context.files.projectDirectory);
}

// The Borland part between the model options and the objects.
void AppendBorlandBlock(std::string& command, const BuildContext& context, const std::string& profile,
                        const TargetSettings& target, const ExtraOptions& extra, const std::string& finalJoined) {
  if (extra.Neither()) command += " -Gn -s";
  if (target.build == BuildKind::kDebug) command += " -v";
  command += " -j" + FormatJoinedList(ReadProjectKey(context, settings::kDirectoriesObjects));
  std::string profileLibs = FormatJoinedList(
      settings::ReadProfileKey(context.files.globalSettings, profile, settings::kToolLib));
  std::string projectLibs = FormatJoinedList(ReadProjectKey(context, settings::kDirectoriesLibrary));
  if (!profileLibs.empty()) command += " -L" + profileLibs;
  if (!projectLibs.empty()) command += " -L" + projectLibs;
  command += " -I" + finalJoined + " ";
  switch (target.model) {
    case TargetModel::kGui: command += " c0w32.obj "; break;
    case TargetModel::kConsole: command += " c0x32.obj "; break;
    case TargetModel::kDll: command += " c0d32.obj "; break;
    default: break;
  }
}

void AppendVisualToolkitBlock(std::string& command, const BuildContext& context, const std::string& profile,
                              const TargetSettings& target, const ExtraOptions& extra, const LinkLists& lists) {
  if (!lists.definition.empty()) command += " /DEF:" + lists.definition;
  if (extra.Neither()) command += " /INCREMENTAL:NO /MAP";
  if (target.build == BuildKind::kDebug) command += " /DEBUG";
  command += " /NOLOGO";
  const std::string folders[] = {
      FormatAttachedOptions(ReadProjectKey(context, settings::kDirectoriesObjects), "/LIBPATH:"),
      FormatAttachedOptions(settings::ReadProfileKey(context.files.globalSettings, profile, settings::kToolLib),
                            "/LIBPATH:"),
      FormatAttachedOptions(ReadProjectKey(context, settings::kDirectoriesLibrary), "/LIBPATH:"),
  };
  bool anyFolder = false;
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    command += " " + folder + " ";
    anyFolder = true;
  }
  // Without any folder option the objects would follow "/NOLOGO" directly ("/NOLOGOa.obj").
  if (!anyFolder) command += " ";
}

}  // namespace

LinkLists GatherLinkLists(int list, int profileId) {
  LinkLists lists;
  const int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    std::string file = liststore::FieldText(list, line, project::kFileField);
    if (file.empty()) continue;
    switch (project::GetFileType(file)) {
      case project::kFileC:
      case project::kFileCpp:
        lists.objects += QuotedWhenBlank(BaseNameOfPath(file) + ".obj") + " ";
        break;
      case project::kFileLibrary:
        lists.libraries +=
            QuotedWhenBlank(profileId == kProfileIdVisualToolkit ? file : FileNameOfPath(file)) + " ";
        break;
      case project::kFileResourceScript:
        lists.resources += QuotedWhenBlank(BaseNameOfPath(file) + ".res") + " ";
        break;
      case project::kFileResource:
        lists.resources += QuotedWhenBlank(FileNameOfPath(file)) + " ";
        break;
      case project::kFileDefinition:
        lists.definition = QuotedWhenBlank(FileNameOfPath(file));
        SetField(list, line, project::kCompileField, "");
        break;
      default:
        break;
    }
  }
  return lists;
}

TargetNames ResolveTargetNames(const BuildContext& context, TargetModel model) {
  TargetNames names;
  names.name = ReadProjectKey(context, settings::kTargetName);
  if (names.name.empty()) names.name = BaseNameOfPath(context.files.projectFile);
  std::size_t dot = names.name.rfind('.');
  names.hasExtension = dot != std::string::npos && dot > 0;
  names.nameWithoutExtension = names.hasExtension ? names.name.substr(0, dot) : names.name;
  names.quoted = names.name.find(' ') != std::string::npos;
  names.output = InQuotesWhen(names.quoted, names.name + (names.hasExtension ? "" : ModelExtension(model)));
  names.map = InQuotesWhen(names.quoted, names.nameWithoutExtension + ".map");
  return names;
}

int RunPostBuildBatch(const BuildContext& context, const std::string& workingDirectory) {
  if (!SwitchOn(context, settings::kMakeBatch)) return kRunSucceeded;
  std::string value = ReadProjectKey(context, settings::kMakeBatchFile);
  if (value.empty()) return kRunSucceeded;
  std::string path = value.size() >= 2 && value[1] == ':' ? value : context.files.projectDirectory + "\\" + value;
  SendConsoleLine(context, "");
  SendConsoleLine(context, value);
  return RunToolCommand(context, QuoteProgramPath(path), workingDirectory, false);
}

int LinkTarget(const BuildContext& context, int list, bool batch) {
  std::string profile = ResolveProfile(context.files.globalSettings);
  const int id = settings::CurrentProfileId();
  TargetModel model = ParseTargetModel(ReadProjectKey(context, settings::kTargetModel));
  // A library is made by the librarian alone; the linker need not exist for it.
  if (model == TargetModel::kLibrary) return BuildLibrary(context, list, batch);
  std::optional<std::string> tool = LookUpTool(context, profile, Tool::kLinker);
  if (!tool) {
    if (batch) CloseBatchFile();
    return kRunToolMissing;
  }
  LinkLists lists = GatherLinkLists(list, id);
  TargetSettings target = ResolveTargetSettings(context.files.projectSettings);
  target.model = model;
  ExtraOptions extra = ReadExtraOptions(context, id, OptionSection::kLinker);
  TargetNames names = ResolveTargetNames(context, model);
  std::string finalJoined = FormatJoinedList(ReadProjectKey(context, settings::kDirectoriesFinal));

  std::string command = *tool + extra.configuration;
  if (id == kProfileIdBorland) {
    if (model == TargetModel::kGui) command += " -aa -Tpe";
    if (model == TargetModel::kConsole) command += " -ap -Tpe";
    if (model == TargetModel::kDll) command += " -Tpd -Gi";
  } else if (id == kProfileIdVisualToolkit) {
    if (model == TargetModel::kGui) command += " /SUBSYSTEM:WINDOWS";
    if (model == TargetModel::kConsole) command += " /SUBSYSTEM:CONSOLE";
    if (model == TargetModel::kDll) command += " /SUBSYSTEM:WINDOWS /DLL";
  }
  command += extra.freeOptions;

  std::string workingDirectory;
  if (id == kProfileIdVisualToolkit) {
    AppendVisualToolkitBlock(command, context, profile, target, extra, lists);
    command += lists.objects + "/OUT:" + names.output;
    command += " " + lists.libraries + kWindowsLibraries + " odbccp32.lib ";
    if (!lists.resources.empty()) command += " " + lists.resources;
  } else if (id == kProfileIdDigitalMars) {
    if (extra.Neither()) command += " /MAP";
    workingDirectory = FinalFolder(context, finalJoined);
    command += " " + lists.objects + ", " + names.output;
    command += ", " + names.map + ", " + lists.libraries + kWindowsLibraries + " , " + lists.definition;
    if (!lists.resources.empty()) command += ", " + lists.resources;
  } else {
    AppendBorlandBlock(command, context, profile, target, extra, finalJoined);
    workingDirectory = FinalFolder(context, finalJoined);
    command += lists.objects + ", " + names.output;
    command += ", " + names.map + ", " + lists.libraries + kBorlandLibraries + lists.definition;
    if (!lists.resources.empty()) command += ", " + lists.resources;
  }
  TraceLine(context, "LINKERCMD: " + std::to_string(command.size()));

  if (batch) {
    bool fits = CommandFits(context, command);
    if (fits) {
      WriteBatchStep(names.nameWithoutExtension, command);
      WriteBatchLine("ECHO READY");
    }
    CloseBatchFile();
    return fits ? kRunSucceeded : kCommandTooLong;
  }
  int result = RunToolCommand(context, command, workingDirectory, true);
  if (result != kCommandTooLong) RunPostBuildBatch(context, workingDirectory);
  return result;
}

int BuildLibrary(const BuildContext& context, int list, bool batch) {
  std::string profile = ResolveProfile(context.files.globalSettings);
  std::optional<std::string> tool = LookUpTool(context, profile, Tool::kLibrarian);
  if (!tool) {
    if (batch) CloseBatchFile();
    return kRunToolMissing;
  }
  TargetNames names = ResolveTargetNames(context, TargetModel::kLibrary);
  std::string finalJoined = FormatJoinedList(ReadProjectKey(context, settings::kDirectoriesFinal));
  // With an empty Final the library lies in the folder the librarian runs in, not in the root.
  std::string command = *tool + " " + finalJoined + (finalJoined.empty() ? "" : "\\");
  command += InQuotesWhen(names.quoted, names.name + (names.hasExtension ? "" : ".lib")) + " ";
  const int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    std::string file = liststore::FieldText(list, line, project::kFileField);
    int type = project::GetFileType(file);
    if (type == project::kFileC || type == project::kFileCpp) {
      command += "-+" + QuotedWhenBlank(BaseNameOfPath(file) + ".obj") + " ";
    }
  }
  std::string workingDirectory = WorkingDirectoryFor(
      UnquotedDirectory(FormatJoinedList(ReadProjectKey(context, settings::kDirectoriesObjects))),
      context.files.projectDirectory);

  if (batch) {
    bool fits = CommandFits(context, command);
    if (fits) {
      WriteBatchStep(names.name, command);
      WriteBatchLine("ECHO READY");
    }
    CloseBatchFile();
    return fits ? kRunSucceeded : kCommandTooLong;
  }
  int result = RunToolCommand(context, command, workingDirectory, true);
  if (result != kCommandTooLong) RunPostBuildBatch(context, workingDirectory);
  return result;
}

}  // namespace build
