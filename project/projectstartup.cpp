// What the project window does once it has started and when it closes, apart from its windows.
#include "project/projectstartup.h"

#include "platform/platform.h"
#include "project/projectstrings.h"
#include "shell/profiles.h"
#include "shell/windowplacement.h"

namespace project {

namespace {

constexpr char kConsoleKey[] = "Console";

}  // namespace

StartCompletionResult CompleteProjectStart(int list, const std::string& globalFile,
                                           const StartCompletion& window) {
  StartCompletionResult result;
  const std::string& projectSettings = ProjectSettingsPath();
  result.consoleState = settings::ReadWindowState(projectSettings, kConsoleKey);
  if (result.consoleState != 0 && window.showConsole) window.showConsole(result.consoleState);
  result.projectEditorSettings =
      settings::ReadProjectEditorSettings(projectSettings, globalFile, window.measure) == 1;
  result.filesReopened = ReopenFiles(list, window.openEditor);
  result.profile = settings::ChooseProjectProfile(projectSettings, globalFile);
  result.folderEntered = !ProjectFolder().empty() && platform::ChangeCurrentDirectory(ProjectFolder());
  return result;
}

bool SaveConsoleState(bool consoleOpen, const std::string& stateWord) {
  if (ProjectSettingsPath().empty()) return false;
  return settings::SaveWindowState(ProjectSettingsPath(), kConsoleKey, consoleOpen, stateWord);
}

}  // namespace project
