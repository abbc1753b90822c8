// The open project as other subsystems reach it: the editors and the build find a project line by
// its file and read or write its fields.
//
// At most one project is open. The project window registers its list and itself as the watcher
// while it owns the project; every operation here works on that list and finds a line by comparing
// its "File" with the given path without regard to case, the first match counting. With no project
// open they find nothing.
#pragma once

#include <string>

#include "project/projectwatcher.h"

namespace project {

// `watcher` is borrowed: the project window, which owns the list, registers itself and calls
// CloseOpenProject before either goes away.
void SetOpenProject(int list, ProjectWatcher* watcher);
void CloseOpenProject();
int OpenProjectList();                   // 0 when no project is open
ProjectWatcher* OpenProjectWatcher();    // null when none
// Repaints the open project's list, when a watcher is registered.
void RepaintOpenProject();

// 1 when a line holds the file, else 0.
int IsProjectFile(const std::string& path);
// The "File" of the first line holding a file whose "Name" equals `name` (without regard to case;
// a folder of that name is passed over); 1 if found (`file` set), else 0 (`file` untouched).
int FindProjectFileByName(const std::string& name, std::string& file);
// The line's "Position" (window rectangle text); 1 if found, else 0 (`text` untouched).
int GetFilePosition(const std::string& path, std::string& text);
// Replaces the line's "Position"; 1 if found, else 0. A text the project file could not read back
// (over 254 characters, TAB, CR or LF) is not stored and gives 0.
int SetFilePosition(const std::string& path, const std::string& text);
// The line's "YScroll" as a number; 0 when the file is not in the project, holds none or a
// negative one.
int GetFileYScroll(const std::string& path);
// Stores the first visible line as "%03d"; 1 if found, else 0.
int SetFileYScroll(const std::string& path, int line);
// Stores the build state ("PROGRESS", "COMPILED", "ERRORS", "CHANGED" or "") in "Compile" and
// repaints the project list; 1 if found, else 0.
int SetFileCompileState(const std::string& path, const std::string& state);
// Stores the file's current last-write time text in "Time"; 1 if found, else 0.
int SetFileCompileTime(const std::string& path);

}  // namespace project
