// ovmake.exe: builds an Orvantel project from the command line, for scripted and unattended builds.
//
//   ovmake [options] PROJECT.ovp
//
// The build runs through the IDE's own build commands and project model (build/ovmake_session.h),
// so the IDE and ovmake always agree on what is stale and how each tool is called.
#include <string>
#include <vector>

#include "build/ovmake_session.h"
#include "build/ovmake_win.h"
#include "build/runtools_win.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  ovmake::System system;
  system.runner = &build::SystemProcessRunner();
  system.out = ovmake::WriteStandardOutput;
  system.err = ovmake::WriteStandardError;
  system.programPath = ovmake::ProgramPath();
  system.currentDirectory = platform::CurrentDirectory();
  return ovmake::RunOvmake(arguments, system);
}
