// The Tools menu's user entries: rebuilt each time the menu opens, run when chosen.
#include "shell/toolsmenu_win.h"

#include <vector>

#include "platform/platform.h"
#include "project/projectstrings.h"
#include "shell/appstate_win.h"
#include "shell/dravonapi_win.h"
#include "shell/toolsmenu.h"
#include "shell/trace.h"

namespace shell {

int RebuildToolsMenu(HMENU menu, int fixedItems, const std::string& globalFile) {
  if (!menu) return 0;
  while (GetMenuItemCount(menu) > fixedItems) DeleteMenu(menu, static_cast<UINT>(fixedItems), MF_BYPOSITION);
  std::vector<ToolEntry> entries = ReadToolEntries(globalFile);
  if (entries.empty()) return 0;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  for (const ToolEntry& entry : entries) {
    if (entry.separator) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), entry.label.c_str());
    }
  }
  return static_cast<int>(entries.size());
}

bool RunToolEntry(HWND frame, int commandId, const std::string& globalFile) {
  std::string commandLine = ToolCommandLine(globalFile, commandId);
  if (commandLine.empty()) {
    diag::Trace("Tools menu: entry %d has no command\r\n", commandId);
    return false;
  }
  diag::Trace("Tools menu: %s\r\n", commandLine.c_str());
  const std::string& folder = project::ProjectFolder();
  const char* directory = !folder.empty() && platform::FolderExists(folder) ? folder.c_str() : nullptr;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, &process)) {
    std::string text = "Can not start\r\n" + commandLine;
    if (DravonLoaded()) Dv().CreateWarnBox(frame, text.c_str(), App().title.c_str(), MB_ICONEXCLAMATION);
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace shell
