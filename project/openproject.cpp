// The open project as other subsystems reach it: lines found by their file, fields read and written.
#include "project/openproject.h"

#include <cstdio>
#include <cstdlib>

#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/projectlist.h"

namespace project {

namespace {

struct OpenProject {
  int list = 0;
  ProjectWatcher* watcher = nullptr;  // borrowed: the project window
};

OpenProject gOpen;

int LineOfOpenFile(const std::string& path) {
  if (gOpen.list <= 0) return -1;
  return FindFileLine(gOpen.list, path);
}

bool StoreField(int line, const char* field, const std::string& value) {
  return SetField(gOpen.list, line, field, value.c_str()) >= 0;
}

}  // namespace

void SetOpenProject(int list, ProjectWatcher* watcher) {
  gOpen.list = list > 0 ? list : 0;
  gOpen.watcher = gOpen.list ? watcher : nullptr;
}

void CloseOpenProject() { gOpen = OpenProject(); }
int OpenProjectList() { return gOpen.list; }
ProjectWatcher* OpenProjectWatcher() { return gOpen.watcher; }

void RepaintOpenProject() {
  if (gOpen.watcher) gOpen.watcher->RepaintList();
}

int IsProjectFile(const std::string& path) { return LineOfOpenFile(path) >= 0 ? 1 : 0; }

int FindProjectFileByName(const std::string& name, std::string& file) {
  if (gOpen.list <= 0) return 0;
  int lines = GetLines(gOpen.list);
  for (int line = 0; line < lines; ++line) {
    // Folders carry names too; only a line that holds a file can answer.
    if (!SamePath(LineField(gOpen.list, line, kNameField), name)) continue;
    std::string found = LineField(gOpen.list, line, kFileField);
    if (found.empty()) continue;
    file = found;
    return 1;
  }
  return 0;
}

int GetFilePosition(const std::string& path, std::string& text) {
  int line = LineOfOpenFile(path);
  if (line < 0) return 0;
  text = LineField(gOpen.list, line, kPositionField);
  return 1;
}

int SetFilePosition(const std::string& path, const std::string& text) {
  int line = LineOfOpenFile(path);
  if (line < 0 || !IsStorableText(text)) return 0;
  return StoreField(line, kPositionField, text) ? 1 : 0;
}

int GetFileYScroll(const std::string& path) {
  int line = LineOfOpenFile(path);
  if (line < 0) return 0;
  std::string text = LineField(gOpen.list, line, kYScrollField);
  long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value < 0) return 0;
  return value > 0x7fffffffLL ? 0x7fffffff : static_cast<int>(value);
}

int SetFileYScroll(const std::string& path, int line) {
  int found = LineOfOpenFile(path);
  if (found < 0) return 0;
  char text[16];
  std::snprintf(text, sizeof text, "%03d", line);
  return StoreField(found, kYScrollField, text) ? 1 : 0;
}

int SetFileCompileState(const std::string& path, const std::string& state) {
  int line = LineOfOpenFile(path);
  if (line < 0 || !IsStorableText(state)) return 0;
  if (!StoreField(line, kCompileField, state)) return 0;
  RepaintOpenProject();
  return 1;
}

int SetFileCompileTime(const std::string& path) {
  int line = LineOfOpenFile(path);
  if (line < 0) return 0;
  return StoreField(line, kTimeField, platform::FileTimeText(LineField(gOpen.list, line, kFileField))) ? 1 : 0;
}

}  // namespace project
