// Folder states (expanded, collapsed) shown by hiding lines, and the open-file marks of sources.
#include "project/projectfolders.h"

#include "liststore/liststore.h"
#include "project/filetype.h"
#include "project/location.h"
#include "project/projectlist.h"

namespace project {

namespace {

bool IsHidden(int list, int line) { return IsLineStatus(list, line, kHidden) != 0; }

void AnimationStep(ProjectWatcher& watcher) {
  watcher.RepaintList();
  watcher.DispatchPaintMessages();
  watcher.Pause(kAnimationPause);
}

// Whether `location` is `prefix` followed by exactly one segment.
bool IsDirectContent(const std::string& location, const std::string& prefix) {
  return location.size() > prefix.size() && BeginsWith(location, prefix) &&
         location.find('\\', prefix.size()) == std::string::npos;
}

}  // namespace

int ApplyFolderStates(int list, ProjectWatcher& watcher) {
  int changed = 0;
  int lines = GetLines(list);
  for (int folder = 0; folder < lines; ++folder) {
    if (IsHidden(list, folder) || !IsFolderLine(list, folder)) continue;
    std::string status = LineField(list, folder, kStatusField);
    std::string content = LineLocation(list, folder) + "\\";
    bool collapse = status == kClose;
    if (!collapse && status != kOpen) continue;
    for (int line = 0; line < lines; ++line) {
      if (line == folder) continue;
      std::string location = LineLocation(list, line);
      if (collapse ? (!IsHidden(list, line) && BeginsWith(location, content))
                   : (IsHidden(list, line) && IsDirectContent(location, content))) {
        if (collapse) {
          SetLineStatus(list, line, kHidden);
        } else {
          ResetLineStatus(list, line, kHidden);
        }
        ++changed;
        AnimationStep(watcher);
      }
    }
  }
  return changed;
}

bool ToggleFolder(int list, int line, ProjectWatcher& watcher) {
  if (line < 0 || line >= GetLines(list) || !IsFolderLine(list, line)) return false;
  const char* next = LineField(list, line, kStatusField) == kClose ? kOpen : kClose;
  if (SetField(list, line, kStatusField, next) < 0) return false;
  ApplyFolderStates(list, watcher);
  return true;
}

void CollapseAll(int list, ProjectWatcher& watcher) {
  int lines = GetLines(list);
  for (int line = lines - 1; line >= 0; --line) {
    if (IsHidden(list, line) || LocationDepth(LineLocation(list, line)) == 0) continue;
    SetLineStatus(list, line, kHidden);
    AnimationStep(watcher);
  }
  for (int line = 0; line < lines; ++line) {
    SetField(list, line, kStatusField, kClose);
    if (LocationDepth(LineLocation(list, line)) == 0) ResetLineStatus(list, line, kHidden);
  }
}

void ExpandAll(int list, ProjectWatcher& watcher) {
  int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    if (!IsHidden(list, line)) continue;
    ResetLineStatus(list, line, kHidden);
    AnimationStep(watcher);
  }
  for (int line = 0; line < lines; ++line) {
    if (IsFolderLine(list, line)) SetField(list, line, kStatusField, kOpen);
  }
}

void MarkOpenFiles(int list, const EditorExists& editorExists) {
  int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    if (!IsKind(LineKind(list, line), kKindSource)) continue;
    bool open = editorExists && editorExists(LineField(list, line, kFileField));
    SetField(list, line, kStatusField, open ? kOpen : kClose);
  }
}

int ReopenFiles(int list, const OpenEditor& open) {
  if (!open) return 0;
  int opened = 0;
  int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    if (!IsKind(LineKind(list, line), kKindSource) || LineField(list, line, kStatusField) != kOpen) continue;
    std::string file = LineField(list, line, kFileField);
    open(file, GetFileType(file));
    ++opened;
  }
  return opened;
}

}  // namespace project
