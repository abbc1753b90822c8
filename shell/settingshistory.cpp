// History lists kept in a settings file section.
#include "shell/settingshistory.h"

#include "shell/settingsfile.h"
#include "shell/settingskeys.h"

namespace settings {
namespace {

int LastKeyFor(int limit) { return (limit > 0 && limit < 32) ? limit : kHistoryLimit; }

std::string ReadEntry(const std::string& file, const char* section, int index) {
  return ReadText(file, section, std::to_string(index).c_str(), "", kHistoryCapacity);
}

void WriteEntry(const std::string& file, const char* section, int index, const std::string& value) {
  WriteString(file, section, std::to_string(index).c_str(), value.c_str());
}

}  // namespace

int AddToHistory(const std::string& file, const char* section, const std::string& text, int limit) {
  std::string entry = StoredValue(text.c_str());
  if (entry.size() > kHistoryCapacity - 1) {
    entry = StoredValue(entry.substr(0, kHistoryCapacity - 1).c_str());
  }
  if (entry.empty()) return 0;
  int last = LastKeyFor(limit);

  // Find the text, or the first free key.
  int stop = 0;
  bool found = false;
  for (; stop <= last; ++stop) {
    std::string value = ReadEntry(file, section, stop);
    if (value.empty()) break;
    if (value == entry) {
      found = true;
      break;
    }
  }
  // Shift the entries above the found text, or all of them (the one at `last` drops out).
  int from = found ? stop : (stop > last ? last : stop);
  for (int k = from; k >= 1; --k) WriteEntry(file, section, k, ReadEntry(file, section, k - 1));
  if (!(found && stop == 0)) WriteEntry(file, section, 0, entry);
  return 1;
}

std::vector<std::string> ReadHistory(const std::string& file, const char* section, int limit) {
  std::vector<std::string> texts;
  int last = LastKeyFor(limit);
  for (int i = 0; i <= last; ++i) {
    std::string value = ReadEntry(file, section, i);
    if (value.empty()) break;
    texts.push_back(value);
  }
  return texts;
}

}  // namespace settings
