// The user's own additions to a tool command: the configuration (response) file and the free
// options of the "Compiler" or "Linker" section of the project settings file.
#pragma once

#include <string>

#include "build/buildcontext.h"

namespace build {

enum class OptionSection { kCompiler, kLinker };

struct ExtraOptions {
  // " +" (Borland) or " @" (the others), the file and one blank; empty when not enabled.
  std::string configuration;
  // One blank and the "Parameter" value (build/listformat.h FreeOptionsText); empty when none.
  std::string freeOptions;
  // Neither a configuration file nor free options: the steps then add their default options.
  bool Neither() const { return configuration.empty() && freeOptions.empty(); }
};

// The configuration file counts when "Configuration" starts with "1" and "ConfigurationFile" is not
// empty; a file name whose second character is not ":" lies in the project folder.
ExtraOptions ReadExtraOptions(const BuildContext& context, int profileId, OptionSection section);

}  // namespace build
