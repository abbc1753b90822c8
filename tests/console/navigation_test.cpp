// The next error line and the place a picked console line opens.
#include "console/navigation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/filetype.h"
#include "shell/profiles.h"

namespace {

using console::FindNextErrorLine;
using console::FindPlaceToOpen;

const std::vector<std::string> kOutput = {
    "*MAKE ALL...",                                       // 0
    "bcc32 stand-in compiler 1.0",                        // 1
    "a.cpp:",                                             // 2
    "Error E2451 a.cpp 5: Undefined symbol 'x'",          // 3
    "Warning W8004 a.cpp 7: 'i' is never used",           // 4
    "x.obj : error LNK2019: unresolved external symbol",  // 5
    "ERROR: Grep is not configured.",                     // 6
    "Fatal: Unable to open file 'X.OBJ'",                 // 7
    "*READY",                                             // 8
};

TEST(NextErrorTest, WalksForwardWithoutWrapping) {
  EXPECT_EQ(FindNextErrorLine(kOutput, -1), 3);
  EXPECT_EQ(FindNextErrorLine(kOutput, 3), 5);
  EXPECT_EQ(FindNextErrorLine(kOutput, 5), 6);
  // "Fatal:" holds none of the three words; nothing follows, and the search does not wrap.
  EXPECT_EQ(FindNextErrorLine(kOutput, 6), -1);
  EXPECT_EQ(FindNextErrorLine(kOutput, 8), -1);
  EXPECT_EQ(FindNextErrorLine(std::vector<std::string>{}, -1), -1);
  EXPECT_EQ(FindNextErrorLine({"eRRor", "Errors: 0"}, -1), 1);
}

TEST(NextErrorTest, ReadsOnlyTheLinesItNeeds) {
  std::vector<int> read;
  const int found = FindNextErrorLine(100, 9, [&read](int i) {
    read.push_back(i);
    return i == 12 ? std::string("error") : std::string("fine");
  });
  EXPECT_EQ(found, 12);
  EXPECT_EQ(read, (std::vector<int>{10, 11, 12}));
}

TEST(PlaceToOpenTest, RelativeNamesLieBelowTheProjectFolder) {
  const auto place = FindPlaceToOpen(settings::kProfileIdBorland, "Error E2451 a.cpp 5: Undefined symbol 'x'",
                                     "C:\\Work\\Demo");
  EXPECT_EQ(place.path, "C:\\Work\\Demo\\a.cpp");
  EXPECT_EQ(place.lineNumber, 5);
  EXPECT_EQ(place.fileType, project::kFileCpp);

  const auto sub = FindPlaceToOpen(settings::kProfileIdVisualToolkit, "src\\res.rc(10) : error RC2104",
                                   "D:\\P");
  EXPECT_EQ(sub.path, "D:\\P\\src\\res.rc");
  EXPECT_EQ(sub.lineNumber, 10);
  EXPECT_EQ(sub.fileType, project::kFileResourceScript);
}

TEST(PlaceToOpenTest, DriveLetterNamesAreOpenedUnchanged) {
  const auto place = FindPlaceToOpen(settings::kProfileIdBorland, "Found in C:\\x\\y.c 000012 ", "D:\\P");
  EXPECT_EQ(place.path, "C:\\x\\y.c");
  EXPECT_EQ(place.lineNumber, 12);
  EXPECT_EQ(place.fileType, project::kFileC);
}

TEST(PlaceToOpenTest, NothingToOpen) {
  for (const char* line : {"*READY", "Error: Unresolved external '_main'", "Found in C:\\x\\y.c 000012",
                           "Stand-in compiler 1.0 for Win32 (c) 1993, 2000 Tools"}) {
    SCOPED_TRACE(line);
    const auto place = FindPlaceToOpen(settings::kProfileIdBorland, line, "D:\\P");
    EXPECT_EQ(place.path, "");
    EXPECT_EQ(place.lineNumber, -1);
  }
  EXPECT_EQ(FindPlaceToOpen(0, "a.c(3) : error C2065", "D:\\P").path, "");
}

TEST(PlaceToOpenTest, NameWithoutNumberKeepsLineMinusOne) {
  // A Microsoft line with "(" but no number: the file opens at line 0 (the number reads as 0).
  const auto place = FindPlaceToOpen(settings::kProfileIdVisualToolkit, "a.c() : x", "D:\\P");
  EXPECT_EQ(place.path, "D:\\P\\a.c");
  EXPECT_EQ(place.lineNumber, 0);
}

}  // namespace
