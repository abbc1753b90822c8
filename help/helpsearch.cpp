// The help browser's search over the help folder and its result entries.
#include "help/helpsearch.h"

#include "help/helpscan.h"
#include "platform/platform.h"

namespace help {

std::string HelpDirectory(const std::string& setting) {
  if (setting.empty() || setting.back() == '\\') return setting;
  return setting + "\\";
}

std::string HelpResultEntry(const std::string& title, const std::string& fileName) {
  return title + " [" + fileName + "]";
}

std::string HelpFileOfEntry(const std::string& entry) {
  std::size_t open = entry.rfind('[');
  if (open == std::string::npos) return std::string();
  std::size_t close = entry.find(']', open + 1);
  if (close == std::string::npos) close = entry.size();
  return entry.substr(open + 1, close - open - 1);
}

std::vector<std::string> SearchHelpFiles(const std::string& directory, const std::string& keyword,
                                         const std::function<void(const std::string&)>& onEntry) {
  std::vector<std::string> entries;
  std::string folder = directory.empty() ? platform::CurrentDirectory() : directory;
  for (const std::string& name : platform::ListFiles(folder, "*.hlp")) {
    std::string title;
    if (ScanHelpFile(HelpDirectory(directory) + name, keyword, &title) != kFound) continue;
    entries.push_back(HelpResultEntry(title, name));
    if (onEntry) onEntry(entries.back());
  }
  return entries;
}

}  // namespace help
