// Opening the file an include line names: its name and the directory lists searched for it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace editor {

// Receives a diagnostic trace line (ending in "\r\n").
using TraceSink = std::function<void(const std::string& line)>;

// The text after the first double quote or "<" up to the next double quote or ">" (or the line's
// end, also a CR or LF a line read with its line end holds); empty when the line has neither opener.
std::string IncludeFileName(const std::string& line);

// The directories of a list: separated by ";" or by a stored line break (a backslash followed by
// the byte 0xB6, as multi-line folder values are kept), double quotes dropped, empty pieces left
// out.
std::vector<std::string> SplitDirectoryList(const std::string& list);

// The first directory of `list` that holds a file `name` (directory, a "\" unless it ends with one,
// and the name), tracing each tried path as "Inludefile: <path>\r\n"; empty when none does.
std::string FindInDirectoryList(const std::string& list, const std::string& name, const TraceSink& trace);

// Searches for an included file: first in the project's "Directories" "Include" list (its "Source"
// list when "Include" is empty), then in the "Include" list of the current compiler profile of the
// global settings file. Each list is traced as "Inludepath incl: <list>\r\n" (the "Source" list as
// "Inludepath source: <list>\r\n"). Returns the path of the first file found, or empty (also for an
// empty name). Either settings path may be empty: its lists are then empty.
std::string FindIncludedFile(const std::string& name, const std::string& projectSettingsFile,
                             const std::string& globalSettingsFile, const TraceSink& trace);

}  // namespace editor
