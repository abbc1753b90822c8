// Shared pieces of the project tests: a list made line by line, a view of its tree, a recorder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "liststore/liststore.h"
#include "project/projectlist.h"
#include "project/projectwatcher.h"

namespace projecttest {

// One line as a test writes it down: Location, kind code, Name, File.
struct Entry {
  std::string location;
  std::string kind;
  std::string name;
  std::string file;
};

// Appends the entries as they are, in this order, without any project operation.
inline void AppendEntries(int list, const std::vector<Entry>& entries) {
  for (const Entry& entry : entries) {
    int line = AddLine(list) - 1;
    ASSERT_GE(line, 0);
    SetField(list, line, project::kLocationField, entry.location.c_str());
    SetField(list, line, project::kTypField, entry.kind.c_str());
    if (!entry.name.empty()) SetField(list, line, project::kNameField, entry.name.c_str());
    if (!entry.file.empty()) SetField(list, line, project::kFileField, entry.file.c_str());
  }
}

// The tree in list order, one "Location Name" per line ("001 Sources", "002 -" for a separator).
inline std::vector<std::string> Tree(int list) {
  std::vector<std::string> rows;
  for (int line = 0; line < GetLines(list); ++line) {
    std::string name = liststore::FieldText(list, line, project::kNameField);
    rows.push_back(liststore::FieldText(list, line, project::kLocationField) + " " + (name.empty() ? "-" : name));
  }
  return rows;
}

inline std::vector<std::string> Locations(int list) { return project::ReadLocations(list); }

// The lines whose status carries `bit`, by Name.
inline std::vector<std::string> NamesWithStatus(int list, int bit) {
  std::vector<std::string> names;
  for (int line = 0; line < GetLines(list); ++line) {
    if (IsLineStatus(list, line, bit) != 0) names.push_back(liststore::FieldText(list, line, project::kNameField));
  }
  return names;
}

inline int LineNamed(int list, const std::string& name) {
  for (int line = 0; line < GetLines(list); ++line) {
    if (liststore::FieldText(list, line, project::kNameField) == name) return line;
  }
  return -1;
}

// Records what the model asks of the window, in order: "repaint", "dispatch", "pause 10".
class RecordingWatcher : public project::ProjectWatcher {
 public:
  void RepaintList() override { calls.push_back("repaint"); }
  void DispatchPaintMessages() override { calls.push_back("dispatch"); }
  void Pause(int milliseconds) override { calls.push_back("pause " + std::to_string(milliseconds)); }

  // Number of complete animation steps (repaint, dispatch, pause 10 in this order).
  int Steps() const {
    int steps = 0;
    for (std::size_t i = 0; i + 2 < calls.size(); i += 3) {
      if (calls[i] == "repaint" && calls[i + 1] == "dispatch" && calls[i + 2] == "pause 10") ++steps;
    }
    return calls.size() % 3 == 0 ? steps : -1;
  }

  std::vector<std::string> calls;
};

// A fresh project list for each test, deleted afterwards.
class ProjectListTest : public ::testing::Test {
 protected:
  project::ProjectList project{"C:\\P\\test.ovp"};
  int list = project.Number();

  void SetUp() override { ASSERT_TRUE(project.Valid()); }
};

}  // namespace projecttest
