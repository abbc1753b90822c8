// Where the two settings files lie: the global file beside the program, the project file's twin.
#pragma once

#include <cstddef>
#include <string>

namespace settings {

// Longest path the system keeps (characters, terminator not counted). Longer results are refused.
constexpr std::size_t kMaxPathLength = 511;

// `programPath` with everything from its last "\" replaced by "\" + `fileName`
// ("C:\Tools\Orvantel.exe" -> "C:\Tools\Orvantel.ini"); just `fileName` when the path has no "\".
// Empty when the result would be longer than kMaxPathLength.
std::string FileBesideProgram(const std::string& programPath, const char* fileName);

// The global settings file "Orvantel.ini" beside the program.
std::string GlobalSettingsPath(const std::string& programPath);

// The project file's path with its extension replaced by "ovs" ("D:\Work\demo.ovp" ->
// "D:\Work\demo.ovs"). Only a "." in the file name counts: "D:\my.dir\demo" gives
// "D:\my.dir\demo.ovs". Empty for an empty project path or a result longer than kMaxPathLength.
std::string ProjectSettingsPath(const std::string& projectFilePath);

// The process-wide paths. The global one is set once at start-up; the project one whenever a project
// becomes current, and cleared (empty: project keys read as their defaults) when the project dialog
// opens. A path that is too long is refused: the setter returns false and leaves the path empty.
bool SetGlobalSettingsFile(const std::string& programPath);
const std::string& GlobalSettingsFile();
bool SetProjectSettingsFile(const std::string& projectFilePath);
void ClearProjectSettingsFile();
const std::string& ProjectSettingsFile();

}  // namespace settings
