// From console lines to places: the next error line, and the file and line a picked line opens.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace console {

// "Goto next Error": the index of the first line after `selectedIndex` (from the first line when
// it is negative) that contains "error", "Error" or "ERROR", case-sensitive; -1 when none follows.
// The search does not wrap around. `lineAt` reads line i of `lineCount`.
int FindNextErrorLine(int lineCount, int selectedIndex, const std::function<std::string(int)>& lineAt);
int FindNextErrorLine(const std::vector<std::string>& lines, int selectedIndex);

// The place a picked console line names.
struct PlaceToOpen {
  std::string path;      // empty: nothing to open
  int lineNumber = -1;   // -1: open the file without going to a line
  int fileType = 0;      // the kind number of the path (project/filetype.h)
};

// "Opening the place": parses `line` with the rules of `profileId` (console/messageparser.h).
// A file name whose second character is ":" is used as it stands; any other is taken below
// `projectFolder` (folder + "\" + name). The editor shows the path and, when lineNumber is 0 or
// more, goes to that line.
PlaceToOpen FindPlaceToOpen(int profileId, const std::string& line, const std::string& projectFolder);
// The same with the current profile id and the current project's folder.
PlaceToOpen FindPlaceToOpen(const std::string& line);

}  // namespace console
