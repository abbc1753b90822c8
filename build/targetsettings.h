// The active compiler profile, the target settings of the project and where each tool lies.
//
// Every build step resolves all three afresh before it writes a line, so a changed setting counts
// from the next step on.
#pragma once

#include <optional>
#include <string>

#include "build/buildcontext.h"

namespace build {

// ---- Profile ----

// The profile id a name selects by its beginning: "Borland" 1, "VisualToolkit" 2, "DigitalMars" 3
// (case counts, so "Borland 5.5" is Borland); `previous` for any other name.
int ProfileIdForName(const std::string& name, int previous);

// The current profile's name (section "Profile": the key that "Current" names, default "1";
// "Borland" when that key is missing). Sets the process-wide current profile id from it; an
// unknown name keeps the id the previous step left.
std::string ResolveProfile(const std::string& globalSettings);

// ---- Target settings ("Target" section of the project settings file) ----

// Words that match none of the listed ones give 0 and select no option.
enum class TargetModel { kUnknown = 0, kGui = 1, kConsole = 2, kDll = 3, kLibrary = 4 };
enum class BuildKind { kUnknown = 0, kRelease = 1, kDebug = 2 };
enum class Optimisation { kNone = 0, kSpeed = 1, kSize = 2 };

struct TargetSettings {
  TargetModel model = TargetModel::kGui;
  bool multithread = false;               // "Multithread" is exactly "1"
  BuildKind build = BuildKind::kRelease;
  Optimisation optimisation = Optimisation::kSpeed;
  bool forceCpp = true;                   // "C++" is exactly "Always"
};

TargetModel ParseTargetModel(const std::string& word);
TargetSettings ResolveTargetSettings(const std::string& projectSettings);

// ---- Tools ----

enum class Tool { kCompiler, kResourceCompiler, kLinker, kLibrarian };

// True when the file can be opened for reading.
bool IsValidFile(const std::string& path);

// The profile's tool folder ("Bin" of the profile's section).
std::string ToolFolder(const BuildContext& context, const std::string& profile);

// The tool's command: the profile's "Bin", a backslash and the tool's name (without ".exe"),
// in double quotes when it contains a blank. It must exist with ".exe" appended; otherwise the
// console receives "Can not find the <tool>! Check Global Settings." and the result is empty.
std::optional<std::string> LookUpTool(const BuildContext& context, const std::string& profile, Tool tool);

}  // namespace build
