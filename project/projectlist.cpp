// The project as one list of the list store: its columns, its line statuses, and reading its lines.
#include "project/projectlist.h"

#include <cctype>

#include "liststore/liststore.h"
#include "project/filetype.h"

namespace project {

namespace {

constexpr const char* kDeclaredColumns[] = {kNameField, kLocationField, kStatusField,
                                            kPositionField, kTimeField, kTreeField};
constexpr const char* kUsedColumns[] = {kFileField, kTypField, kCompileField, kYScrollField};

}  // namespace

bool DeclareProjectColumns(int list) {
  int position = 0;
  for (const char* name : kDeclaredColumns) {
    if (AddColumn(list, name) < 0) return false;
    if (SetColumnPosition(list, name, position) < 0) return false;
    ++position;
  }
  return true;
}

int NewProjectList(const std::string& title) {
  int list = NewList(title.c_str());
  if (list <= 0) return list;
  bool ok = DeclareProjectColumns(list);
  for (const char* name : kUsedColumns) ok = ok && AddGlobalColumn(name) > 0;
  if (!ok) {
    DelList(list);
    return -1;
  }
  return list;
}

ProjectList::~ProjectList() {
  if (list_ > 0) DelList(list_);
}

std::string LineField(int list, int line, const char* field) { return liststore::FieldText(list, line, field); }
std::string LineKind(int list, int line) { return LineField(list, line, kTypField); }
std::string LineLocation(int list, int line) { return LineField(list, line, kLocationField); }
bool IsFolderLine(int list, int line) { return IsKind(LineKind(list, line), kKindFolder); }
bool IsSeparatorLine(int list, int line) { return IsKind(LineKind(list, line), kKindSeparator); }

std::vector<std::string> ReadLocations(int list) {
  std::vector<std::string> locations;
  int lines = GetLines(list);
  locations.reserve(static_cast<std::size_t>(lines));
  for (int line = 0; line < lines; ++line) locations.push_back(LineLocation(list, line));
  return locations;
}

bool SamePath(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

int FindFileLine(int list, const std::string& path) {
  if (path.empty()) return -1;  // folders and separators hold no file
  int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    if (SamePath(LineField(list, line, kFileField), path)) return line;
  }
  return -1;
}

bool IsStorableText(const std::string& text) {
  return text.size() <= kMaxFieldText && text.find_first_of("\t\r\n") == std::string::npos;
}

}  // namespace project
