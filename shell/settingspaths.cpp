// The global and project settings paths and the process-wide copies of them.
#include "shell/settingspaths.h"

namespace settings {
namespace {
std::string gGlobalSettingsFile;
std::string gProjectSettingsFile;
}  // namespace

std::string FileBesideProgram(const std::string& programPath, const char* fileName) {
  std::string name = fileName ? fileName : "";
  std::size_t slash = programPath.rfind('\\');
  std::string path = slash == std::string::npos ? name : programPath.substr(0, slash) + "\\" + name;
  if (path.size() > kMaxPathLength) return std::string();
  return path;
}

std::string GlobalSettingsPath(const std::string& programPath) {
  return FileBesideProgram(programPath, "Orvantel.ini");
}

std::string ProjectSettingsPath(const std::string& projectFilePath) {
  if (projectFilePath.empty()) return std::string();
  std::size_t slash = projectFilePath.rfind('\\');
  std::size_t dot = projectFilePath.rfind('.');
  std::string path;
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    path = projectFilePath + ".ovs";
  } else {
    path = projectFilePath.substr(0, dot + 1) + "ovs";
  }
  if (path.size() > kMaxPathLength) return std::string();
  return path;
}

bool SetGlobalSettingsFile(const std::string& programPath) {
  gGlobalSettingsFile = GlobalSettingsPath(programPath);
  return !gGlobalSettingsFile.empty();
}

const std::string& GlobalSettingsFile() { return gGlobalSettingsFile; }

bool SetProjectSettingsFile(const std::string& projectFilePath) {
  gProjectSettingsFile = ProjectSettingsPath(projectFilePath);
  return !gProjectSettingsFile.empty();
}

void ClearProjectSettingsFile() { gProjectSettingsFile.clear(); }

const std::string& ProjectSettingsFile() { return gProjectSettingsFile; }

}  // namespace settings
