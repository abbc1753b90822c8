// The project file: loading a project list from it and saving the list to it.
//
// The file is a list file of the list store. On disk a "File" path that lies in the project's
// directory or below it is stored relative to that directory; in memory every path is absolute.
#pragma once

#include <optional>
#include <string>

#include "shell/settingsvalues.h"

namespace project {

enum class LoadResult {
  kLoaded,
  kCannotRead,   // missing or unreadable: the project is empty
  kMalformed,    // a block is missing (also an empty file): what could be read is kept
  kStoreFailed,  // the list store ran out of memory or the list is invalid
};

struct LoadedProject {
  LoadResult result = LoadResult::kCannotRead;
  // The window's place from "POSITION", parsed and clamped onto the desktop; none when the heading
  // is missing or holds no number (the window keeps its default place).
  std::optional<settings::WindowPosition> place;
};

// Reads the project file `projectPath` into `list` (a fresh project list), whatever state the file
// is in: the project's declared columns are restored in their order, every stored "File" is made
// absolute, line statuses keep only the selected and hidden bits, and the lines are sorted by
// Location. `desktopRight`/`desktopBottom` are the desktop's edges for placing the window.
LoadedProject LoadProject(int list, const std::string& projectPath, int desktopRight, int desktopBottom);

// Writes `list` to `projectPath`, with "File" paths stored relative where they can be. The old file
// is replaced only after the whole new one was written. The list's paths stay absolute. Returns 0,
// or the list store's failure: -1 no memory, -2 cannot create, -4 short write, -10 invalid list.
int SaveProject(int list, const std::string& projectPath);

// Stores the window's outer rectangle as the heading "POSITION" ("left,top,width,height").
bool SetProjectPlace(int list, const settings::ScreenRect& outer);

// The path as the project file stores it, relative to `projectDirectory` when it lies there or
// below (compared without regard to case): "a.c", "src\b.c"; other paths unchanged.
std::string RelativeProjectPath(const std::string& path, const std::string& projectDirectory);
// The stored path made absolute: a path with a drive letter ("D:\x\c.c") or beginning with "\"
// (a UNC or rooted path) stays as it is; any other is joined to `projectDirectory`.
std::string AbsoluteProjectPath(const std::string& stored, const std::string& projectDirectory);

}  // namespace project
