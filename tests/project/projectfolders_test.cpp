// Tests of folder states (collapse, expand, all of them) and of marking and reopening source files.
#include "project/projectfolders.h"

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace {

using namespace project;
using namespace projecttest;
using Rows = std::vector<std::string>;

class ProjectFoldersTest : public ProjectListTest {
 protected:
  void SetUp() override {
    ProjectListTest::SetUp();
    AppendEntries(list, {{"001", "C  ", "a", "C:\\P\\a.c"},
                         {"002", "DCF", "F", ""},
                         {"002\\001", "C  ", "x", "C:\\P\\x.c"},
                         {"002\\002", "DCF", "G", ""},
                         {"002\\002\\001", "H  ", "y", "C:\\P\\y.h"},
                         {"003", "SEP", "", ""}});
  }

  Rows Hidden() { return NamesWithStatus(list, kHidden); }

  RecordingWatcher watcher;
};

TEST_F(ProjectFoldersTest, CollapsingHidesTheWholeContentOneAnimatedStepPerLine) {
  ASSERT_TRUE(ToggleFolder(list, 1, watcher));  // no "Status" yet: it counts as open, so it closes
  EXPECT_EQ(liststore::FieldText(list, 1, kStatusField), "close");
  EXPECT_EQ(Hidden(), (Rows{"x", "G", "y"}));
  EXPECT_EQ(watcher.Steps(), 3);
}

TEST_F(ProjectFoldersTest, ExpandingShowsDirectContentAndWhatOpenSubfoldersShow) {
  SetField(list, 3, kStatusField, kOpen);
  ASSERT_TRUE(ToggleFolder(list, 1, watcher));
  ASSERT_TRUE(ToggleFolder(list, 1, watcher));
  EXPECT_EQ(liststore::FieldText(list, 1, kStatusField), "open");
  EXPECT_EQ(Hidden(), Rows{});
  EXPECT_EQ(watcher.Steps(), 6);

  // A closed subfolder keeps its content hidden when its parent opens.
  ASSERT_TRUE(ToggleFolder(list, 3, watcher));
  ASSERT_TRUE(ToggleFolder(list, 1, watcher));
  EXPECT_EQ(Hidden(), (Rows{"x", "G", "y"}));
  ASSERT_TRUE(ToggleFolder(list, 1, watcher));
  EXPECT_EQ(Hidden(), Rows{"y"});
}

TEST_F(ProjectFoldersTest, OnlyFoldersToggle) {
  EXPECT_FALSE(ToggleFolder(list, 0, watcher));
  EXPECT_FALSE(ToggleFolder(list, 5, watcher));
  EXPECT_FALSE(ToggleFolder(list, 99, watcher));
  EXPECT_EQ(GetField(list, 0, kStatusField, nullptr), 0);
  EXPECT_TRUE(watcher.calls.empty());
}

TEST_F(ProjectFoldersTest, CollapseAllHidesEveryNestedLineAndClosesEveryLine) {
  CollapseAll(list, watcher);
  EXPECT_EQ(Hidden(), (Rows{"x", "G", "y"}));
  EXPECT_EQ(watcher.Steps(), 3);
  for (int line = 0; line < GetLines(list); ++line) EXPECT_EQ(liststore::FieldText(list, line, kStatusField), "close");

  watcher.calls.clear();
  ExpandAll(list, watcher);
  EXPECT_EQ(Hidden(), Rows{});
  EXPECT_EQ(watcher.Steps(), 3);
  EXPECT_EQ(liststore::FieldText(list, 1, kStatusField), "open");
  EXPECT_EQ(liststore::FieldText(list, 3, kStatusField), "open");
  EXPECT_EQ(liststore::FieldText(list, 0, kStatusField), "close");
}

TEST_F(ProjectFoldersTest, CollapseAllAnimatesFromTheLastLineUp) {
  // The watcher sees the hidden set grow from the bottom: y first, then G, then x.
  struct OrderWatcher : RecordingWatcher {
    int list = 0;
    Rows seen;
    void RepaintList() override {
      RecordingWatcher::RepaintList();
      seen.push_back(NamesWithStatus(list, kHidden).front());
    }
  } ordered;
  ordered.list = list;
  CollapseAll(list, ordered);
  EXPECT_EQ(ordered.seen, (Rows{"y", "G", "x"}));
}

TEST_F(ProjectFoldersTest, OpenSourcesAreMarkedAndReopenedWithTheirKind) {
  AppendEntries(list, {{"004", "CPP", "z", "C:\\P\\z.cpp"}});
  MarkOpenFiles(list, [](const std::string& path) { return path == "C:\\P\\x.c" || path == "C:\\P\\y.h"; });
  EXPECT_EQ(liststore::FieldText(list, 0, kStatusField), "close");
  EXPECT_EQ(liststore::FieldText(list, 2, kStatusField), "open");
  EXPECT_EQ(GetField(list, 4, kStatusField, nullptr), 0);  // headers are never marked
  EXPECT_EQ(GetField(list, 6, kStatusField, nullptr), 0);
  EXPECT_EQ(liststore::FieldText(list, 1, kStatusField), "");

  std::vector<std::pair<std::string, int>> opened;
  EXPECT_EQ(ReopenFiles(list, [&](const std::string& path, int type) { opened.emplace_back(path, type); }), 1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].first, "C:\\P\\x.c");
  EXPECT_EQ(opened[0].second, 3);
  EXPECT_EQ(ReopenFiles(list, nullptr), 0);
}

}  // namespace
