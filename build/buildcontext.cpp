// Where the build finds its files, and the host helpers every build step uses.
#include "build/buildcontext.h"

#include "project/projectstrings.h"
#include "shell/settingspaths.h"

namespace build {

BuildFiles CurrentBuildFiles() {
  BuildFiles files;
  files.globalSettings = settings::GlobalSettingsFile();
  files.projectSettings = project::ProjectSettingsPath();
  files.projectFile = project::ProjectFilePath();
  files.projectDirectory = project::ProjectFolder();
  return files;
}

void SendConsoleLine(const BuildContext& context, const std::string& line) {
  if (context.host.console) context.host.console(line);
}

void TraceLine(const BuildContext& context, const std::string& line) {
  if (context.host.trace) context.host.trace(line);
}

void Pump(const BuildContext& context) {
  if (context.host.pump) context.host.pump();
}

void RepaintProjectList(const BuildContext& context) {
  if (context.host.repaintProjectList) context.host.repaintProjectList();
}

}  // namespace build
