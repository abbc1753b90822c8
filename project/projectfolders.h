// Folder states (expanded, collapsed) shown by hiding lines, and the open-file marks of sources.
#pragma once

#include <functional>
#include <string>

#include "project/projectwatcher.h"

namespace project {

// Milliseconds between the steps of an animated folder change.
constexpr int kAnimationPause = 10;

// Applies every visible folder's "Status", in list order: a "close" folder hides its visible content,
// an "open" folder shows its direct content (folders shown so are handled in turn, so open
// subfolders show theirs). Each changed line is one animation step: repaint, dispatch paint
// messages, pause. Returns the number of lines changed.
int ApplyFolderStates(int list, ProjectWatcher& watcher);

// Toggles the folder at `line` ("close" becomes "open", anything else "close") and applies the
// folder states. False, with nothing changed, when the line is no folder.
bool ToggleFolder(int list, int line, ProjectWatcher& watcher);

// Hides every visible line below the top level, last to first (animated), then sets every line's
// "Status" to "close" and shows every top-level line.
void CollapseAll(int list, ProjectWatcher& watcher);
// Shows every hidden line (animated), then sets every folder's "Status" to "open".
void ExpandAll(int list, ProjectWatcher& watcher);

// Whether an editor window titled with this path exists.
using EditorExists = std::function<bool(const std::string& path)>;
// Opens the file in an editor window; `fileType` is its kind number.
using OpenEditor = std::function<void(const std::string& path, int fileType)>;

// Before the project window closes: every source line ("C  ") gets "Status" "open" when an editor
// holds its file, else "close".
void MarkOpenFiles(int list, const EditorExists& editorExists);
// After the project window started: every source line marked "open" is opened again. Returns the
// number of files handed to `open`.
int ReopenFiles(int list, const OpenEditor& open);

}  // namespace project
