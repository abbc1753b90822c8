// One tool step of a build: the command-length check, the folder the tool runs in, and the run
// itself with every output line handed to the build-line classifier.
#pragma once

#include <string>

#include "build/buildcontext.h"

namespace build {

// False, after the console line "ERROR: The command is too long (<n> characters, at most 4095);
// the step was not run.", when `command` would not fit the command buffer.
bool CommandFits(const BuildContext& context, const std::string& command);

// The folder a tool runs in, in place of the current-directory change the step would make.
// `folder` is a folder text as the settings hold it (already unquoted). Empty stays empty (the
// IDE's current directory, which the build keeps at the project folder). A bare drive ("D:") is
// the root of that drive; a relative folder lies below `projectDirectory`, where every build step
// leaves the current directory. A folder that does not exist gives empty, as a failed change of
// directory leaves the current one.
std::string WorkingDirectoryFor(const std::string& folder, const std::string& projectDirectory);

// Runs `command` captured in `workingDirectory` (empty: the IDE's current directory). With
// `classify` each output line goes through console::ClassifyBuildLine and decides the result;
// without, every line is shown as it is. Returns the runner's result (kRunNotStarted when the
// host has no runner), or kCommandTooLong when the command does not fit.
int RunToolCommand(const BuildContext& context, const std::string& command,
                   const std::string& workingDirectory, bool classify);

}  // namespace build
