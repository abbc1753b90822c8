// The project file: loading a project list from it and saving the list to it.
#include "project/projectfile.h"

#include <vector>

#include "liststore/liststore.h"
#include "project/projectlist.h"
#include "project/projectstrings.h"

namespace project {

namespace {

constexpr int kNoMemory = -1;
constexpr int kMissingBlock = -6;
constexpr int kInvalidList = -10;

bool IsDirectoryOrBelow(const std::string& directory, const std::string& projectDirectory) {
  if (directory.size() < projectDirectory.size()) return false;
  if (!SamePath(directory.substr(0, projectDirectory.size()), projectDirectory)) return false;
  return directory.size() == projectDirectory.size() || directory[projectDirectory.size()] == '\\';
}

// Replaces every non-empty "File" by `convert(File)`. Returns the old values, line by line, or
// nullopt when the store refused a value (the ones already replaced are put back).
template <typename Convert>
std::optional<std::vector<std::string>> ConvertFiles(int list, Convert convert) {
  int lines = GetLines(list);
  std::vector<std::string> old(static_cast<std::size_t>(lines));
  for (int line = 0; line < lines; ++line) {
    old[line] = LineField(list, line, kFileField);
    if (old[line].empty()) continue;
    std::string converted = convert(old[line]);
    if (converted == old[line]) continue;
    if (SetField(list, line, kFileField, converted.c_str()) < 0) {
      for (int back = 0; back < line; ++back) {
        if (!old[back].empty()) SetField(list, back, kFileField, old[back].c_str());
      }
      return std::nullopt;
    }
  }
  return old;
}

}  // namespace

std::string RelativeProjectPath(const std::string& path, const std::string& projectDirectory) {
  std::string directory = DirectoryOf(path);
  if (path.find('\\') == std::string::npos || !IsDirectoryOrBelow(directory, projectDirectory)) return path;
  if (directory.size() == projectDirectory.size()) return FileNameOf(path);
  return path.substr(projectDirectory.size() + 1);
}

std::string AbsoluteProjectPath(const std::string& stored, const std::string& projectDirectory) {
  if (stored.empty()) return stored;
  if (stored.size() >= 2 && stored[1] == ':') return stored;
  // Not joined: a UNC path ("\\server\share\f.c") would otherwise be lost on every load.
  if (stored[0] == '\\') return stored;
  return projectDirectory + "\\" + stored;
}

LoadedProject LoadProject(int list, const std::string& projectPath, int desktopRight, int desktopBottom) {
  LoadedProject loaded;
  int read = ReadList(list, projectPath.c_str());
  if (read == kInvalidList) {
    loaded.result = LoadResult::kStoreFailed;
    return loaded;
  }
  // Reading removes the declared columns and declares the file's, if it got that far.
  if (!DeclareProjectColumns(list)) {
    loaded.result = LoadResult::kStoreFailed;
    return loaded;
  }
  if (read >= 0) {
    loaded.result = LoadResult::kLoaded;
  } else if (read == kMissingBlock) {
    loaded.result = LoadResult::kMalformed;
  } else if (read == kNoMemory) {
    loaded.result = LoadResult::kStoreFailed;
  } else {
    loaded.result = LoadResult::kCannotRead;
  }

  std::string directory = DirectoryOf(projectPath);
  if (!ConvertFiles(list, [&](const std::string& stored) { return AbsoluteProjectPath(stored, directory); })) {
    loaded.result = LoadResult::kStoreFailed;
  }
  // Only the selected and hidden bits mean anything to the project; others (from an edited file)
  // would change how sorting treats the lines.
  int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) ResetLineStatus(list, line, ~kProjectStatusBits);
  Sort(list, kLocationField, 1);

  // A text without any number is no place at all: the window keeps its default one.
  std::string position = liststore::HeadingText(list, kPositionHeading);
  if (position.find_first_of("0123456789") != std::string::npos) loaded.place = settings::ParsePosition(position, desktopRight, desktopBottom);
  return loaded;
}

int SaveProject(int list, const std::string& projectPath) {
  std::string directory = DirectoryOf(projectPath);
  std::optional<std::vector<std::string>> absolute =
      ConvertFiles(list, [&](const std::string& path) { return RelativeProjectPath(path, directory); });
  if (!absolute) return kNoMemory;
  int result = WriteList(list, projectPath.c_str());
  for (std::size_t line = 0; line < absolute->size(); ++line) {
    const std::string& path = (*absolute)[line];
    if (!path.empty() && LineField(list, static_cast<int>(line), kFileField) != path) {
      SetField(list, static_cast<int>(line), kFileField, path.c_str());
    }
  }
  return result;
}

bool SetProjectPlace(int list, const settings::ScreenRect& outer) {
  return SetHeading(list, kPositionHeading, settings::FormatPosition(outer).c_str()) >= 0;
}

}  // namespace project
