// Editing the project tree: adding files, folders and separators, removing, renaming and moving.
#include "project/projectedit.h"

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "liststore/liststore.h"
#include "project/filetype.h"
#include "project/location.h"
#include "project/projectlist.h"
#include "project/projectstrings.h"

namespace project {

namespace {

enum class Shape { kFile, kFolder, kSeparator };

Shape ShapeOf(int list, int line) {
  if (IsFolderLine(list, line)) return Shape::kFolder;
  if (IsSeparatorLine(list, line)) return Shape::kSeparator;
  return Shape::kFile;
}

bool InRange(const std::vector<std::string>& locations, int line) {
  return line >= 0 && line < static_cast<int>(locations.size());
}

// Plans moving the line `source` on `locations` (every line's Location in list order). On kMoved
// `locations` holds every line's Location after the move, before sorting; otherwise it is unchanged.
MoveResult PlanMove(std::vector<std::string>& locations, int source, Shape shape, int target,
                    bool targetIsFolder, int hint) {
  if (!InRange(locations, source)) return MoveResult::kNotMoved;
  if (!InRange(locations, target)) target = -1;
  std::vector<std::string> planned = locations;
  if (shape == Shape::kFolder && target >= 0 &&
      (target == source || BeginsWith(planned[target], planned[source] + "\\"))) {
    return MoveResult::kNotMoved;  // a folder never goes into itself
  }
  bool fromAbove = target >= 0 && source < target;

  std::string newLocation;
  if (target < 0) {
    std::optional<std::string> next = NextFreeLocation(planned, "");
    if (!next) return MoveResult::kLocationFull;
    newLocation = *next;
  } else if (shape == Shape::kSeparator) {
    // Separators stay at the top level: room is made at the target's top-level segment.
    std::string top = planned[target].substr(0, planned[target].find('\\'));
    if (!MakeRoom(planned, top, fromAbove)) return MoveResult::kLocationFull;
    newLocation = top;
  } else if (targetIsFolder && hint > LocationDepth(planned[target]) + 1) {
    // Dropped right of the folder's name: into the folder.
    std::optional<std::string> next = NextFreeLocation(planned, planned[target] + "\\");
    if (!next) return MoveResult::kLocationFull;
    newLocation = *next;
  } else {
    std::string at = planned[target];
    if (!MakeRoom(planned, at, fromAbove)) return MoveResult::kLocationFull;
    newLocation = at;
  }

  if (shape == Shape::kFolder) {
    // The content follows the folder from where making room left it.
    std::string oldPrefix = planned[source] + "\\";
    for (std::size_t i = 0; i < planned.size(); ++i) {
      if (static_cast<int>(i) == source || !BeginsWith(planned[i], oldPrefix)) continue;
      planned[i] = newLocation + "\\" + planned[i].substr(oldPrefix.size());
    }
  }
  planned[source] = newLocation;
  locations.swap(planned);
  return MoveResult::kMoved;
}

// Whether renumbering after sorting `locations` keeps every segment within 999.
bool RenumberHolds(const std::vector<std::string>& locations) {
  std::vector<std::string> sorted;
  sorted.reserve(locations.size());
  for (int old : SortedOrder(locations)) sorted.push_back(locations[old]);
  return Renumber(sorted);
}

// Writes the Locations that differ between `before` and `after` (both in list order). On a refusal
// of the store the ones already written are put back.
bool WriteLocations(int list, const std::vector<std::string>& before, const std::vector<std::string>& after) {
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (before[i] == after[i]) continue;
    if (SetField(list, static_cast<int>(i), kLocationField, after[i].c_str()) < 0) {
      for (std::size_t k = 0; k < i; ++k) SetField(list, static_cast<int>(k), kLocationField, before[k].c_str());
      return false;
    }
  }
  return true;
}

void SortByLocation(int list) { Sort(list, kLocationField, 1); }

void SortAndRenumber(int list) {
  SortByLocation(list);
  std::vector<std::string> before = ReadLocations(list);
  std::vector<std::string> after = before;
  if (Renumber(after)) WriteLocations(list, before, after);
}

// The position of the line of kind `kind` at `location`, -1 when none.
int FindLineAt(int list, const std::string& location, const char* kind) {
  int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    if (LineLocation(list, line) == location && IsKind(LineKind(list, line), kind)) return line;
  }
  return -1;
}

int LastShownLine(int list) {
  for (int line = GetLines(list) - 1; line >= 0; --line) {
    if (IsLineStatus(list, line, kHidden) == 0) return line;
  }
  return -1;
}

struct DropPlace {
  int target;
  int hint;
};

// Appends a line of `kind` at `location` with the given further fields; -1 (and no line) when the
// store refuses.
int AppendLine(int list, const char* kind, const std::string& location,
               std::initializer_list<std::pair<const char*, const std::string*>> fields) {
  int added = AddLine(list);
  if (added <= 0) return -1;
  int line = added - 1;
  bool ok = true;
  for (const auto& field : fields) ok = ok && SetField(list, line, field.first, field.second->c_str()) >= 0;
  ok = ok && SetField(list, line, kLocationField, location.c_str()) >= 0;
  ok = ok && SetField(list, line, kTypField, kind) >= 0;
  if (!ok) {
    DelLine(list, line);
    return -1;
  }
  return line;
}

int AddFileAt(int list, const std::string& path, int caretLine, const DropPlace* drop) {
  if (path.empty() || !IsStorableText(path)) return kNotStorable;
  std::vector<std::string> locations = ReadLocations(list);
  int lines = static_cast<int>(locations.size());

  std::string at;
  if (drop) {
    int last = LastShownLine(list);
    if (last >= 0) at = locations[last];
  } else if (InRange(locations, caretLine)) {
    at = IsFolderLine(list, caretLine) ? locations[caretLine] + "\\" : locations[caretLine];
  }
  std::optional<std::string> first = NextFreeLocation(locations, at);
  if (!first) return kLocationFull;
  std::vector<std::string> planned = locations;
  planned.push_back(*first);
  if (drop) {
    bool targetIsFolder = InRange(locations, drop->target) && IsFolderLine(list, drop->target);
    if (PlanMove(planned, lines, Shape::kFile, drop->target, targetIsFolder, drop->hint) != MoveResult::kMoved ||
        !RenumberHolds(planned)) {
      return kLocationFull;
    }
  }

  for (int line = 0; line < lines; ++line) ResetLineStatus(list, line, kSelected);
  if (FindFileLine(list, path) >= 0) return kAlreadyInProject;

  std::string name = FileNameOf(path);
  int line = AppendLine(list, KindCodeForFileType(GetFileType(path)), planned.back(),
                        {{kFileField, &path}, {kNameField, &name}});
  if (line < 0) return kStoreFailed;
  SetLineStatus(list, line, kSelected);
  if (drop) {
    planned.pop_back();
    if (!WriteLocations(list, locations, planned)) {
      DelLine(list, line);
      return kStoreFailed;
    }
    SortAndRenumber(list);
  } else {
    SortByLocation(list);
  }
  return FindFileLine(list, path);
}

int AddTopLevelLine(int list, const char* kind, const std::string* name) {
  std::optional<std::string> location = NextFreeLocation(ReadLocations(list), "");
  if (!location) return kLocationFull;
  int line = name ? AppendLine(list, kind, *location, {{kNameField, name}}) : AppendLine(list, kind, *location, {});
  if (line < 0) return kStoreFailed;
  SortByLocation(list);
  return FindLineAt(list, *location, kind);
}

}  // namespace

int AddFile(int list, const std::string& path, int caretLine) { return AddFileAt(list, path, caretLine, nullptr); }

int AddDroppedFile(int list, const std::string& path, int targetLine, int hint) {
  DropPlace drop{targetLine, hint};
  return AddFileAt(list, path, -1, &drop);
}

int AddFolder(int list, const std::string& name) {
  if (!IsStorableText(name)) return kNotStorable;
  return AddTopLevelLine(list, kKindFolder, &name);
}

int AddSeparator(int list) { return AddTopLevelLine(list, kKindSeparator, nullptr); }

int RemoveSelectedLines(int list) {
  int removed = 0;
  for (int line = GetLines(list) - 1; line >= 0; --line) {
    if (IsLineStatus(list, line, kSelected) > 0 && DelLine(list, line) == 1) ++removed;
  }
  return removed;
}

bool RenameFolder(int list, int line, const std::string& name) {
  if (line < 0 || line >= GetLines(list) || !IsFolderLine(list, line) || !IsStorableText(name)) return false;
  if (SetField(list, line, kNameField, name.c_str()) < 0) return false;
  SortByLocation(list);
  return true;
}

MoveResult MoveLine(int list, int source, int target, int hint) {
  std::vector<std::string> locations = ReadLocations(list);
  if (!InRange(locations, source)) return MoveResult::kNotMoved;
  bool targetIsFolder = InRange(locations, target) && IsFolderLine(list, target);
  std::vector<std::string> planned = locations;
  MoveResult planResult = PlanMove(planned, source, ShapeOf(list, source), target, targetIsFolder, hint);
  if (planResult != MoveResult::kMoved) return planResult;
  if (!RenumberHolds(planned)) return MoveResult::kLocationFull;
  if (!WriteLocations(list, locations, planned)) return MoveResult::kStoreFailed;
  SortAndRenumber(list);
  return MoveResult::kMoved;
}

}  // namespace project
