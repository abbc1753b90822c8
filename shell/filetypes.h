// Registration of the project ("ovp") and project settings ("ovs") file types with the shell.
//
// Written under the class root at every program start; failures are silent. The open command is
// the program's path and "%1", each in double quotes, so that a program or a project in a folder
// with a blank ("C:\My Projects\Demo\Demo.ovp") opens.
#pragma once

#include <string>
#include <vector>

namespace shell {

// One default value to write: `key` (and `subKey`, may be empty) under the class root.
struct FileTypeValue {
  std::string key;
  std::string subKey;
  std::string value;
};

// The values to write for a program at `programPath` (portable: tests read it on any build).
std::vector<FileTypeValue> FileTypeValues(const std::string& programPath);

// Windows build: writes FileTypeValues for the running program under HKEY_CLASSES_ROOT. Reports
// nothing; returns how many values were written, for tests.
int RegisterFileTypes();

}  // namespace shell
