// The next error line of the console, and the place a picked line opens.
#include "console/navigation.h"

#include "console/messageparser.h"
#include "project/filetype.h"
#include "project/projectstrings.h"
#include "shell/profiles.h"

namespace console {
namespace {

bool MentionsError(const std::string& line) {
  return line.find("error") != std::string::npos || line.find("Error") != std::string::npos ||
         line.find("ERROR") != std::string::npos;
}

}  // namespace

int FindNextErrorLine(int lineCount, int selectedIndex, const std::function<std::string(int)>& lineAt) {
  const int first = selectedIndex < 0 ? 0 : selectedIndex + 1;
  for (int i = first; i < lineCount; ++i) {
    if (MentionsError(lineAt(i))) return i;
  }
  return -1;
}

int FindNextErrorLine(const std::vector<std::string>& lines, int selectedIndex) {
  return FindNextErrorLine(static_cast<int>(lines.size()), selectedIndex,
                           [&lines](int i) { return lines[static_cast<std::size_t>(i)]; });
}

PlaceToOpen FindPlaceToOpen(int profileId, const std::string& line, const std::string& projectFolder) {
  PlaceToOpen place;
  std::string fileName;
  int lineNumber = -1;
  ParseConsoleLine(profileId, line, fileName, lineNumber);
  if (fileName.empty()) return place;
  place.path = fileName.size() > 1 && fileName[1] == ':' ? fileName : projectFolder + "\\" + fileName;
  place.lineNumber = lineNumber;
  place.fileType = project::GetFileType(place.path);
  return place;
}

PlaceToOpen FindPlaceToOpen(const std::string& line) {
  return FindPlaceToOpen(settings::CurrentProfileId(), line, project::ProjectFolder());
}

}  // namespace console
