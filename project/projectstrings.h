// The process-wide project strings: project file path, project name, project folder and project
// settings file path.
//
// Each holds at most 255 characters. A text that would make any of them longer is refused as a
// whole: the strings keep their values and the caller gets kTooLong. The settings store's project
// settings path is kept in step with them. Used from the UI thread only.
#pragma once

#include <cstddef>
#include <string>

namespace project {

constexpr std::size_t kMaxProjectText = 255;

enum class ProjectTextResult { kSet, kTooLong, kEmpty };

// Makes `path` (a project file, "C:\Work\Demo\Demo.ovp") the current project: the name becomes its
// file name without extension ("Demo"), the folder its directory ("C:\Work\Demo"), the settings
// path the same file with the extension "ovs" ("C:\Work\Demo\Demo.ovs"; a file name without a "."
// gets ".ovs" appended). An empty path is refused (kEmpty); use ClearProjectFile.
ProjectTextResult SetProjectFile(const std::string& path);
// Clears the project path, name and settings path; the folder stays, as it also names the place
// where projects are kept before one is chosen.
void ClearProjectFile();
ProjectTextResult SetProjectFolder(const std::string& folder);

const std::string& ProjectFilePath();
const std::string& ProjectName();
const std::string& ProjectFolder();
const std::string& ProjectSettingsPath();
bool HasProjectFile();

// The parts of a Windows path, as the project strings are made from them.
std::string DirectoryOf(const std::string& path);      // up to the last "\", "" without one
std::string FileNameOf(const std::string& path);       // after the last "\"

}  // namespace project
