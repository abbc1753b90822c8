// Tests of the file kind numbers and kind codes.
#include "project/filetype.h"

#include <gtest/gtest.h>

namespace {

using namespace project;

TEST(FileTypeTest, KindNumberComesFromTheTextAfterTheLastDotWithoutRegardToCase) {
  struct Case {
    const char* path;
    int type;
  } cases[] = {
      {"C:\\P\\demo.ovp", 1}, {"a.c", 3},       {"A.CPP", 4},     {"x.H", 5},      {"r.rc", 6},
      {"k.lib", 7},           {"m.def", 8},     {"m.res", 9},     {"b.bmp", 10},   {"i.ico", 11},
      {"t.txt", 13},          {"t.bak", 14},    {"o.map", 15},    {"m.bat", 16},   {"a.hpp", 0},
      {"archive.tar.c", 3},   {"noextension", 0}, {"c", 3},        {"", 0},         {"a.", 0},
      {"C:\\my.c\\readme", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(GetFileType(c.path), c.type);
  }
}

TEST(FileTypeTest, KindCodesFollowTheTableAndEverythingElseIsBinary) {
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.c")), "C  ");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.cpp")), "C  ");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.h")), "H  ");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.rc")), "RC ");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.res")), "RES");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.txt")), "TXT");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.map")), "BIN");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.ovp")), "BIN");
  EXPECT_STREQ(KindCodeForFileType(GetFileType("a.exe")), "BIN");
}

TEST(FileTypeTest, KindsCompareOverThreeCharacters) {
  EXPECT_TRUE(IsKind("C  ", kKindSource));
  EXPECT_FALSE(IsKind("C", kKindSource));
  EXPECT_FALSE(IsKind("", kKindFolder));
  EXPECT_TRUE(IsKind("DCFx", kKindFolder));
  EXPECT_FALSE(IsKind("CPP", kKindSource));
}

}  // namespace
