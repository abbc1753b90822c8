// Reading the Tools menu's user entries from the global settings file.
#include "shell/toolsmenu.h"

#include <string>

#include "shell/settingsfile.h"
#include "shell/settingskeys.h"

namespace shell {
namespace {

std::string ReadToolValue(const std::string& globalFile, int key) {
  std::string name = std::to_string(key);
  return settings::ReadText(globalFile, settings::kSectionToolsMenu, name.c_str(), "",
                            settings::kToolsMenuCapacity);
}

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<ToolEntry> ReadToolEntries(const std::string& globalFile) {
  std::vector<ToolEntry> entries;
  for (int n = 1; n <= settings::kToolsMenuCount; ++n) {
    std::string value = ReadToolValue(globalFile, n);
    if (value.empty()) break;
    ToolEntry entry;
    entry.key = n;
    entry.label = value.substr(0, value.find(','));
    entry.separator = !entry.label.empty() && entry.label[0] == '-';
    entry.command = entry.separator ? 0 : kToolCommandBase + n;
    entries.push_back(entry);
  }
  return entries;
}

std::string ToolCommandLine(const std::string& globalFile, int commandId) {
  int key = commandId - kToolCommandBase;
  if (key < 1 || key > settings::kToolsMenuCount) return std::string();
  std::string value = ReadToolValue(globalFile, key);
  if (value.empty() || value[0] == '-') return std::string();
  std::size_t comma = value.find(',');
  if (comma == std::string::npos) return std::string();
  return Trimmed(value.substr(comma + 1));
}

}  // namespace shell
