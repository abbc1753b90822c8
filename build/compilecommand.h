// Compiling one file: the compiler's and the resource compiler's command lines of the three
// profiles, run through the runner or written into the make batch.
//
// Results of both steps: 0 success (always 0 in batch mode), 1 the tool reported errors,
// kRunToolMissing (-1) the tool cannot be found, kRunNotStarted (-2), kRunDidNotEnd (-3), and
// kCommandTooLong (-4) when the command would not fit the command buffer. A step that does not
// reach its tool writes nothing into the batch.
#pragma once

#include <optional>
#include <string>

#include "build/buildcontext.h"

namespace build {

// A command and the folder it runs in (empty: the IDE's current directory).
struct StepCommand {
  std::string command;
  std::string workingDirectory;
};

// The compile command of `source` (the "File" text of its project line) under the current profile,
// ending in the source path in double quotes. Resolves the profile (setting the current profile
// id) and the target settings. Empty, after the console line "Can not find the Compiler! Check
// Global Settings.", when the compiler is missing.
std::optional<StepCommand> CompileCppCommand(const BuildContext& context, const std::string& source);
int CompileCppFile(const BuildContext& context, const std::string& source, bool batch);

// The same for a resource script; a missing tool gives "Can not find the Resource Compiler! Check
// Global Settings.".
std::optional<StepCommand> CompileResourceCommand(const BuildContext& context, const std::string& script);
int CompileResourceFile(const BuildContext& context, const std::string& script, bool batch);

}  // namespace build
