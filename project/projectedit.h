// Editing the project tree: adding files, folders and separators, removing, renaming and moving.
//
// Every operation plans its Location changes first and changes the list only when the whole plan
// holds, so a refused operation leaves the project exactly as it was. Lines are kept sorted by
// Location afterwards; a move also renumbers them.
#pragma once

#include <string>

namespace project {

// Results of the adding operations: the new line's position (0 or more) or one of these.
constexpr int kAlreadyInProject = -1;  // the file is in the project: nothing added, selection cleared
constexpr int kLocationFull = -3;      // a Location segment would pass 999: nothing changed
constexpr int kNotStorable = -4;       // empty or over-long text, or one holding TAB, CR or LF
constexpr int kStoreFailed = -5;       // the list store refused (no memory, invalid list)

// The "Position" a file made through the New button gets.
constexpr char kNewFilePosition[] = "50,50,600,450";

// Adds the file `path` where the line shown at the list's caret row says (-1: no line there):
// inside it when it is a folder, else at its level; the top level when there is no such line. All
// lines are deselected and the new line is selected. Then the lines are sorted.
int AddFile(int list, const std::string& path, int caretLine);

// Adds the file `path` dropped on the row showing `targetLine` (-1: below the last row), `hint` being
// the drop's x divided by 20 pixels. The line starts at the next free Location at the level of the
// last line that is not hidden and is then moved to the target as MoveLine moves a file.
int AddDroppedFile(int list, const std::string& path, int targetLine, int hint);

// Adds a folder named `name` at the next free top-level Location (no "Status": it counts as
// expanded), or a separator there. Return the new line's position or an error above.
int AddFolder(int list, const std::string& name);
int AddSeparator(int list);

// Deletes every selected line, whatever its kind; the content of a removed folder stays at its
// Locations. Returns the number of lines removed.
int RemoveSelectedLines(int list);

// Gives the folder at `line` the name `name`. False when the line is no folder or the name cannot be
// stored; nothing changes then.
bool RenameFolder(int list, int line, const std::string& name);

enum class MoveResult {
  kMoved,
  kNotMoved,       // no such source line, or a folder would go into itself
  kLocationFull,   // a Location segment would pass 999: nothing changed
  kStoreFailed,
};

// Moves the line `source` to the line `target` (-1: below the last row), `hint` being the drop's x
// divided by 20 pixels:
// - a file goes into a target folder at its next free Location when the hint lies right of the
//   folder's name (hint > the folder's depth + 1); otherwise room is made at the target's Location
//   and the file takes it; without a target it takes the next free top-level Location;
// - a separator stays at the top level: room is made at the target's top-level segment;
// - a folder moves as a file does, with its content; onto itself or its own content it does not move.
// Then the lines are sorted and renumbered.
MoveResult MoveLine(int list, int source, int target, int hint);

}  // namespace project
