// The project as one list of the list store: its columns, its line statuses, and reading its lines.
//
// Every entry (file, folder, separator) is one line; the tree lives in each line's "Location", and
// the lines are kept sorted by it, so a folder directly precedes its content.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace project {

// Field names of a project line.
constexpr char kTypField[] = "TYP";
constexpr char kLocationField[] = "Location";
constexpr char kNameField[] = "Name";
constexpr char kFileField[] = "File";
constexpr char kStatusField[] = "Status";
constexpr char kPositionField[] = "Position";
constexpr char kYScrollField[] = "YScroll";
constexpr char kTimeField[] = "Time";
constexpr char kCompileField[] = "Compile";
constexpr char kTreeField[] = "Tree";  // declared, never filled

// The list heading that holds the project window's rectangle.
constexpr char kPositionHeading[] = "POSITION";

// Line status bits that the project uses and saves; other bits are never set.
constexpr int kSelected = 1;
constexpr int kHidden = 2;
constexpr int kProjectStatusBits = kSelected | kHidden;

// Folder "Status" values (and, for sources, whether an editor had the file open).
constexpr char kOpen[] = "open";
constexpr char kClose[] = "close";

// Longest field value that the project file reads back whole.
constexpr std::size_t kMaxFieldText = 254;

// Makes a new list for a project: titled `title` (cut to the store's 127 characters), with the
// declared columns "Name", "Location", "Status", "Position", "Time", "Tree" in this order. The
// further field names "File", "TYP", "Compile", "YScroll" are entered in the global column table
// in this order, so that the project file lists them so when no other names came first.
// Returns the list number, or the store's result (0, -10, -1) when no list could be made.
int NewProjectList(const std::string& title);
// Declares the project's columns in their order at the front of `list`'s declared columns (a file
// read into the list may have declared others, or none). Returns false when the store refused.
bool DeclareProjectColumns(int list);

// Owns a project list: deletes it when it goes.
class ProjectList {
 public:
  explicit ProjectList(const std::string& title) : list_(NewProjectList(title)) {}
  ~ProjectList();
  ProjectList(const ProjectList&) = delete;
  ProjectList& operator=(const ProjectList&) = delete;

  bool Valid() const { return list_ > 0; }
  int Number() const { return list_; }

 private:
  int list_;
};

std::string LineKind(int list, int line);          // the "TYP" value
std::string LineLocation(int list, int line);
std::string LineField(int list, int line, const char* field);
bool IsFolderLine(int list, int line);
bool IsSeparatorLine(int list, int line);
std::vector<std::string> ReadLocations(int list);  // every line's Location, in list order

// Paths are compared as Windows compares them: without regard to (ASCII) case.
bool SamePath(const std::string& a, const std::string& b);
// The first line whose "File" is `path`, -1 when none.
int FindFileLine(int list, const std::string& path);

// Whether a text can be stored in a field and read back from the project file unchanged: at most
// 254 characters, no TAB, CR or LF (the file form has no escapes).
bool IsStorableText(const std::string& text);

}  // namespace project
