// File type numbers by extension.
#include "editor/filetype.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(GetFileTypeTest, ByTheTextAfterTheLastDotWithoutRegardToCase) {
  EXPECT_EQ(4, GetFileType("X.CPP"));
  EXPECT_EQ(14, GetFileType("notes.txt.bak"));
  EXPECT_EQ(0, GetFileType("Makefile"));
  EXPECT_EQ(3, GetFileType("c"));
  EXPECT_EQ(1, GetFileType("C:\\p\\demo.Ovp"));
  EXPECT_EQ(5, GetFileType("a.h"));
  EXPECT_EQ(6, GetFileType("a.rc"));
  EXPECT_EQ(16, GetFileType("make.bat"));
  EXPECT_EQ(0, GetFileType("C:\\dir.c\\file"));
  EXPECT_EQ(0, GetFileType("a."));
  EXPECT_EQ(0, GetFileType(""));
  EXPECT_EQ(0, GetFileType("a.cp"));
  EXPECT_EQ(0, GetFileType("a.cppx"));
}

TEST(GetFileTypeTest, ColouredSources) {
  EXPECT_TRUE(IsColouredSource(GetFileType("a.c")));
  EXPECT_TRUE(IsColouredSource(GetFileType("a.rc")));
  EXPECT_FALSE(IsColouredSource(GetFileType("a.txt")));
  EXPECT_FALSE(IsColouredSource(GetFileType("a.ovp")));
}

}  // namespace
}  // namespace editor
