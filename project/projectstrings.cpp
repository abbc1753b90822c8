// The process-wide project strings: project file path, name, folder and settings file path.
#include "project/projectstrings.h"

#include "shell/settingspaths.h"

namespace project {

namespace {

struct ProjectStrings {
  std::string filePath;
  std::string name;
  std::string folder;
  std::string settingsPath;
};

ProjectStrings& Strings() {
  static ProjectStrings strings;
  return strings;
}

}  // namespace

std::string DirectoryOf(const std::string& path) {
  std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
  std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

ProjectTextResult SetProjectFile(const std::string& path) {
  if (path.empty()) return ProjectTextResult::kEmpty;
  if (path.size() > kMaxProjectText) return ProjectTextResult::kTooLong;
  ProjectStrings next;
  next.filePath = path;
  next.folder = DirectoryOf(path);
  std::string fileName = FileNameOf(path);
  std::size_t dot = fileName.rfind('.');
  next.name = dot == std::string::npos ? fileName : fileName.substr(0, dot);
  next.settingsPath = settings::ProjectSettingsPath(path);
  // The settings path is one character longer than the project path when ".ovp" has a shorter
  // extension or none: it may be the one that does not fit.
  if (next.settingsPath.empty() || next.settingsPath.size() > kMaxProjectText) return ProjectTextResult::kTooLong;
  if (!settings::SetProjectSettingsFile(path)) return ProjectTextResult::kTooLong;
  Strings() = std::move(next);
  return ProjectTextResult::kSet;
}

void ClearProjectFile() {
  ProjectStrings& strings = Strings();
  strings.filePath.clear();
  strings.name.clear();
  strings.settingsPath.clear();
  settings::ClearProjectSettingsFile();
}

ProjectTextResult SetProjectFolder(const std::string& folder) {
  if (folder.size() > kMaxProjectText) return ProjectTextResult::kTooLong;
  Strings().folder = folder;
  return ProjectTextResult::kSet;
}

const std::string& ProjectFilePath() { return Strings().filePath; }
const std::string& ProjectName() { return Strings().name; }
const std::string& ProjectFolder() { return Strings().folder; }
const std::string& ProjectSettingsPath() { return Strings().settingsPath; }
bool HasProjectFile() { return !Strings().filePath.empty(); }

}  // namespace project
