// The help browser's search without its dialog: the help folder, the result entries and the file
// name an entry names.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace help {

// The help folder from its setting, a backslash appended when it does not end in one. An empty
// setting stays empty (the current folder).
std::string HelpDirectory(const std::string& setting);

// A result entry: the title, " [", the file name, "]".
std::string HelpResultEntry(const std::string& title, const std::string& fileName);

// The file name of a result entry: the text between the last "[" and the "]" after it (to the end
// when there is none). Empty without "[". A title holding "[" does not disturb it.
std::string HelpFileOfEntry(const std::string& entry);

// Scans every "*.hlp" file of the help folder (`directory` as HelpDirectory gives it) in name
// order and returns the entries of those that hold the keyword. `onEntry`, when given, sees each
// entry as it is found, so a list can show it at once. Files that cannot be read are left out.
std::vector<std::string> SearchHelpFiles(const std::string& directory, const std::string& keyword,
                                         const std::function<void(const std::string&)>& onEntry = {});

}  // namespace help
