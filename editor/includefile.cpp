// The include line's file name and the two directory lists searched for it.
#include "editor/includefile.h"

#include "platform/platform.h"
#include "shell/profiles.h"
#include "shell/settingskeys.h"
#include "shell/settingsvalues.h"

namespace editor {

namespace {

void Trace(const TraceSink& trace, const char* label, const std::string& text) {
  if (trace) trace(std::string(label) + text + "\r\n");
}

}  // namespace

std::string IncludeFileName(const std::string& line) {
  const std::size_t open = line.find_first_of("\"<");
  if (open == std::string::npos) return std::string();
  const std::size_t close = line.find_first_of("\">\r\n", open + 1);
  return line.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

std::vector<std::string> SplitDirectoryList(const std::string& list) {
  std::vector<std::string> directories;
  std::string current;
  auto finish = [&]() {
    if (!current.empty()) directories.push_back(current);
    current.clear();
  };
  for (std::size_t i = 0; i < list.size(); ++i) {
    const char c = list[i];
    if (c == ';') {
      finish();
    } else if (c == '\\' && i + 1 < list.size() && list[i + 1] == settings::kLineBreakMark[1]) {
      finish();
      ++i;
    } else if (c != '"') {
      current += c;
    }
  }
  finish();
  return directories;
}

std::string FindInDirectoryList(const std::string& list, const std::string& name, const TraceSink& trace) {
  if (name.empty()) return std::string();
  for (const std::string& directory : SplitDirectoryList(list)) {
    std::string path = directory;
    if (path.back() != '\\') path += '\\';
    path += name;
    Trace(trace, "Inludefile: ", path);
    if (platform::FileExists(path)) return path;
  }
  return std::string();
}

std::string FindIncludedFile(const std::string& name, const std::string& projectSettingsFile,
                             const std::string& globalSettingsFile, const TraceSink& trace) {
  if (name.empty()) return std::string();
  std::string list = settings::ReadKey(projectSettingsFile, settings::kDirectoriesInclude);
  if (!list.empty()) {
    Trace(trace, "Inludepath incl: ", list);
  } else {
    list = settings::ReadKey(projectSettingsFile, settings::kDirectoriesSource);
    Trace(trace, "Inludepath source: ", list);
  }
  std::string found = FindInDirectoryList(list, name, trace);
  if (!found.empty()) return found;

  const std::string profile = settings::CurrentProfileName(globalSettingsFile);
  list = settings::ReadProfileKey(globalSettingsFile, profile, settings::kToolInclude);
  Trace(trace, "Inludepath incl: ", list);
  return FindInDirectoryList(list, name, trace);
}

}  // namespace editor
