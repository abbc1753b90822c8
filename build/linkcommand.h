// Linking the target: the link lists gathered from the project, the target's output names, the
// linker and librarian command lines of the three profiles, and the post-build batch.
//
// LinkTarget and BuildLibrary give the results of the compile steps (build/compilecommand.h):
// 0, 1, kRunToolMissing, kRunNotStarted, kRunDidNotEnd, kCommandTooLong; 0 in batch mode when the
// lines were written. In batch mode both end the make batch: they write their step and
// "ECHO READY" and close the batch file, which is closed even when the step could not be written.
#pragma once

#include <string>

#include "build/buildcontext.h"
#include "build/targetsettings.h"

namespace build {

// What the project's lines contribute to a link, in project order. Each text ends with a blank
// when not empty; a name holding a blank is put in double quotes.
struct LinkLists {
  std::string objects;     // every C or C++ source: base name + ".obj "
  std::string libraries;   // every library: its path (VisualToolkit) or file name (others) + " "
  std::string resources;   // every script: base name + ".res "; every compiled resource: name + " "
  std::string definition;  // the file name of the last definition file; no trailing blank
};

// Gathers the lists from `list` (kinds by the extension of each line's "File"). Definition lines
// get an empty "Compile" on the way.
LinkLists GatherLinkLists(int list, int profileId);

// The target's names: "Target"/"Name" of the project settings, or the project file's base name.
struct TargetNames {
  std::string name;            // as configured
  std::string nameWithoutExtension;
  bool hasExtension = false;   // a "." stands after the first character
  bool quoted = false;         // the name holds a blank
  std::string output;          // the name, the model's extension when it has none, quoted when needed
  std::string map;             // the name cut at its extension, ".map", quoted when needed
};
TargetNames ResolveTargetNames(const BuildContext& context, TargetModel model);

int LinkTarget(const BuildContext& context, int list, bool batch);
int BuildLibrary(const BuildContext& context, int list, bool batch);

// After a link or librarian run: when "Make"/"Batch" starts with "1" and "Make"/"BatchFile" is not
// empty, the console receives an empty line and the configured value, and the batch (in the
// project folder unless the value has a drive) runs in `workingDirectory` with every output line
// shown as it is. Its result is returned but decides nothing.
int RunPostBuildBatch(const BuildContext& context, const std::string& workingDirectory);

}  // namespace build
