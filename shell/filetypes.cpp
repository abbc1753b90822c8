// The shell registration of the project and project settings file types: what is written.
#include "shell/filetypes.h"

namespace shell {

std::vector<FileTypeValue> FileTypeValues(const std::string& programPath) {
  const std::string quotedProgram = "\"" + programPath + "\"";
  return {
      {".OVP", "", "ovpfile"},
      {"ovpfile", "", "Orvantel-Project"},
      {"ovpfile", "DefaultIcon", programPath + ",1"},
      {"ovpfile", "shell\\open\\command", quotedProgram + " \"%1\""},
      {".OVS", "", "ovsfile"},
      {"ovsfile", "", "Orvantel-Settings"},
      {"ovsfile", "DefaultIcon", programPath + ",8"},
  };
}

}  // namespace shell
