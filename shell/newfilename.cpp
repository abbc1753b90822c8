// The New File command's names.
#include "shell/newfilename.h"

#include <cstdio>

#include "platform/platform.h"

namespace shell {

std::string JoinFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

std::string FirstFreeNewFileName(const std::string& folder, const std::string& projectName) {
  for (int n = 1; n <= 9999; ++n) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", n);
    std::string path = JoinFolder(folder, projectName + number + ".c");
    if (!platform::CanOpenForReading(path)) return path;
  }
  return std::string();
}

NewFileCheck CheckNewFileName(const std::string& folder, const std::string& typedName, std::string& path) {
  std::string name = typedName.substr(0, kMaxNewFileName);
  if (name.find_first_not_of(' ') == std::string::npos) return NewFileCheck::kEmpty;
  std::string joined = JoinFolder(folder, name);
  if (platform::FileExists(joined)) return NewFileCheck::kExists;
  path = joined;
  return NewFileCheck::kAccepted;
}

}  // namespace shell
