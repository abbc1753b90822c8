// Window places and open states kept in the settings files.
#include "shell/windowplacement.h"

#include "shell/settingsfile.h"
#include "shell/settingskeys.h"

namespace settings {
namespace {

bool EqualsWithoutCase(const std::string& text, const char* word) {
  std::size_t i = 0;
  for (; i < text.size() && word[i]; ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    char w = word[i];
    if (w >= 'A' && w <= 'Z') w = static_cast<char>(w - 'A' + 'a');
    if (c != w) return false;
  }
  return i == text.size() && !word[i];
}

}  // namespace

int RestoreWindowPosition(const std::string& file, const char* key, int desktopRight, int desktopBottom,
                          WindowPosition& position) {
  std::string text = ReadText(file, kSectionWindowPosition, key, "", kWindowValueCapacity);
  if (text.empty()) return 0;
  position = ParsePosition(text, desktopRight, desktopBottom);
  return static_cast<int>(text.size());
}

bool SaveWindowPosition(const std::string& file, const char* key, const ScreenRect& outer) {
  return WriteString(file, kSectionWindowPosition, key, FormatPosition(outer).c_str());
}

int ReadWindowState(const std::string& file, const char* key) {
  return ParseWindowState(
      ReadText(file, kSectionWindowState, key, kWindowStateClose, kWindowValueCapacity));
}

bool SaveWindowState(const std::string& file, const char* key, bool open, const std::string& stateWord) {
  return WriteString(file, kSectionWindowState, key, FormatWindowState(open, stateWord).c_str());
}

MainWindowPlacement ReadMainWindowPlacement(const std::string& globalFile, int desktopRight,
                                            int desktopBottom) {
  MainWindowPlacement placement;
  std::string position = ReadKey(globalFile, kSystemPosition);
  if (!position.empty()) {
    placement.hasPosition = true;
    placement.position = ParsePosition(position, desktopRight, desktopBottom);
  }
  placement.maximized = EqualsWithoutCase(ReadKey(globalFile, kSystemMainWindow), kMainWindowMaximized);
  return placement;
}

bool SaveMainWindowPlacement(const std::string& globalFile, bool maximized, const ScreenRect& outer) {
  if (maximized) return WriteKey(globalFile, kSystemMainWindow, kMainWindowMaximized);
  bool stateWritten = WriteKey(globalFile, kSystemMainWindow, kMainWindowRestored);
  bool positionWritten = WriteKey(globalFile, kSystemPosition, FormatPosition(outer));
  return stateWritten && positionWritten;
}

}  // namespace settings
