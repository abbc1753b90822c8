// Navigation parsers: file names and line numbers cut out of console lines.
#include "console/messageparser.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shell/profiles.h"

namespace {

using console::ParseBorlandMessage;
using console::ParseConsoleLine;
using console::ParseMicrosoftMessage;

struct Parsed {
  bool found;
  std::string file;
  int line;
};

constexpr int kUntouched = -77;

Parsed Borland(const std::string& text) {
  Parsed p{false, "stale", kUntouched};
  p.found = ParseBorlandMessage(text, p.file, p.line);
  return p;
}

Parsed Microsoft(const std::string& text) {
  Parsed p{false, "stale", kUntouched};
  p.found = ParseMicrosoftMessage(text, p.file, p.line);
  return p;
}

Parsed WithProfile(int profile, const std::string& text) {
  Parsed p{false, "stale", kUntouched};
  p.found = ParseConsoleLine(profile, text, p.file, p.line);
  return p;
}

void ExpectPlace(const Parsed& p, const std::string& file, int line) {
  EXPECT_TRUE(p.found);
  EXPECT_EQ(p.file, file);
  EXPECT_EQ(p.line, line);
}

void ExpectNothing(const Parsed& p) {
  EXPECT_FALSE(p.found);
  EXPECT_EQ(p.file, "");
  EXPECT_EQ(p.line, kUntouched);
}

TEST(BorlandParserTest, WorkedExamples) {
  ExpectPlace(Borland("Error E2451 a.cpp 5: Undefined symbol 'x'"), "a.cpp", 5);
  ExpectPlace(Borland("Warning W8004 a.cpp 7: 'i' is assigned a value that is never used"), "a.cpp", 7);
  ExpectPlace(Borland("Marker:  main.c 120: todo"), "main.c", 120);
  ExpectPlace(Borland("Found in C:\\src\\a.c 000012 "), "C:\\src\\a.c", 12);
  // Without the trailing blank the number runs to the end of the line: no line token.
  ExpectNothing(Borland("Found in C:\\src\\a.c 000012"));
}

TEST(BorlandParserTest, OlderFormsAndFatalLines) {
  ExpectPlace(Borland("Error ping.c 15: Undefined symbol 'y' in function main"), "ping.c", 15);
  ExpectPlace(Borland("Warning askfile.cpp 39: Possible use of 'x' before definition"), "askfile.cpp", 39);
  ExpectPlace(Borland("Fatal F1003 a.cpp 12: Error directive: stop"), "a.cpp", 12);
  // The coded offsets need four digits and a blank after the letter.
  ExpectPlace(Borland("Error Editor.cpp 5: Undefined symbol 'q'"), "Editor.cpp", 5);
  ExpectPlace(Borland("Warning Wnd.cpp 8: Unreachable code"), "Wnd.cpp", 8);
  ExpectPlace(Borland("Error E245 a.cpp 5: three digits"), "E245 a.cpp", 5);
  ExpectPlace(Borland("Warning W8057 C:\\P\\main.cpp 20: Parameter 'argc' is never used"),
              "C:\\P\\main.cpp", 20);
}

TEST(BorlandParserTest, LinesThatNameNoFile) {
  // A line token is found, but the line's start names no file.
  ExpectPlace(Borland("Stand-in compiler 1.0 for Win32 (c) 1993, 2000 Tools"), "", 2000);
  ExpectPlace(Borland("Error messages: 3 2: x"), "", 3);
  ExpectPlace(Borland("Fatal: Unable to open file 'X.OBJ' 1: x"), "", 1);
  // The first line token ends the search even when it stands before the offset.
  ExpectPlace(Borland("Marker: 5 7 main.c 3: x"), "", 7);
  ExpectNothing(Borland("Error: Unresolved external '_main'"));
  ExpectNothing(Borland(""));
  ExpectNothing(Borland("*READY"));
}

TEST(BorlandParserTest, TokenRules) {
  // An empty token (two blanks) is a line token without digits.
  ExpectPlace(Borland("Error E2451 a.cpp  5: x"), "a.cpp", 0);
  // The first blank is never followed by the line token.
  ExpectPlace(Borland("Error 12: a.c 9: x"), "12: a.c", 9);
  // Only digits and ":" make a line token; the ":" ends the number.
  ExpectPlace(Borland("Error E2451 a.cpp 12:34: x"), "a.cpp", 12);
  ExpectPlace(Borland("Marker:  my file.c 7: x"), "my file.c", 7);
  // A blank in a file name counts as a separator once a number follows it.
  ExpectPlace(Borland("Found in C:\\v 2 a.c 000012 "), "C:\\v", 2);
}

TEST(BorlandParserTest, OverLongNumbersAreCutNotOverrun) {
  const std::string digits(5000, '9');
  ExpectPlace(Borland("Error E2451 a.cpp " + digits + ": x"), "a.cpp", INT_MAX);
  ExpectPlace(Borland("Error E2451 a.cpp 0000000000000000000000000042 x"), "a.cpp", 0);  // cut to 15
  ExpectPlace(Borland("Error E2451 a.cpp 000000000000042 x"), "a.cpp", 42);
}

TEST(MicrosoftParserTest, WorkedExamples) {
  ExpectPlace(Microsoft("c:\\src\\a.cpp(12) : error C2065: 'x' : undeclared identifier"), "c:\\src\\a.cpp",
              12);
  // The last "(" decides.
  ExpectPlace(Microsoft("a.cpp(3) : warning C4101: 'y' : unreferenced local variable (in f(int))"),
              "a.cpp(3) : warning C4101: 'y' : unreferenced local variable (in f", 0);
  ExpectNothing(Microsoft("LINK : fatal error LNK1104: cannot open file 'y.lib'"));
}

TEST(MicrosoftParserTest, NumbersAndEnds) {
  ExpectPlace(Microsoft("a.rc(10) : fatal error RC1015: cannot open include file 'afxres.h'."), "a.rc", 10);
  ExpectPlace(Microsoft("a.c(12) : Error: undefined identifier 'x'"), "a.c", 12);
  ExpectPlace(Microsoft("b.cpp(7,15): error C2143"), "b.cpp", 7);
  ExpectPlace(Microsoft("half(42"), "half", 42);
  ExpectPlace(Microsoft("(9) x"), "", 9);
  ExpectPlace(Microsoft("a.c(" + std::string(3000, '1') + ") : x"), "a.c", INT_MAX);
  ExpectPlace(Microsoft("a.c(000000000000000000007) : x"), "a.c", 0);
}

TEST(ConsoleLineTest, DispatchesOnTheProfile) {
  const std::string borlandLine = "Error E2451 a.cpp 5: Undefined symbol 'x'";
  const std::string microsoftLine = "c:\\src\\a.cpp(12) : error C2065: 'x' : undeclared identifier";
  ExpectPlace(WithProfile(settings::kProfileIdBorland, borlandLine), "a.cpp", 5);
  ExpectPlace(WithProfile(settings::kProfileIdBorland, microsoftLine), "", 0);
  ExpectPlace(WithProfile(settings::kProfileIdVisualToolkit, microsoftLine), "c:\\src\\a.cpp", 12);
  ExpectNothing(WithProfile(settings::kProfileIdVisualToolkit, borlandLine));
  ExpectNothing(WithProfile(0, borlandLine));
  ExpectNothing(WithProfile(7, microsoftLine));
}

TEST(ConsoleLineTest, MarkersAndSearchResultsOpenUnderEveryProfile) {
  for (int profile : {settings::kProfileIdBorland, settings::kProfileIdVisualToolkit,
                      settings::kProfileIdDigitalMars}) {
    SCOPED_TRACE(profile);
    ExpectPlace(WithProfile(profile, "Marker:  main.c 120: todo (later)"), "main.c", 120);
    ExpectPlace(WithProfile(profile, "Found in C:\\src\\a.c 000012 "), "C:\\src\\a.c", 12);
  }
}

TEST(ConsoleLineTest, DigitalMarsLinesAreReadTheMicrosoftWay) {
  ExpectPlace(WithProfile(settings::kProfileIdDigitalMars, "a.c(12) : Error: undefined identifier 'x'"),
              "a.c", 12);
  ExpectPlace(WithProfile(settings::kProfileIdDigitalMars, "src\\b.cpp(3) : Warning 18: implied return"),
              "src\\b.cpp", 3);
  ExpectNothing(WithProfile(settings::kProfileIdDigitalMars, "OPTLINK : Error 8: Illegal Filename"));
}

TEST(ConsoleLineTest, TheCurrentProfileIdDecides) {
  const int saved = settings::CurrentProfileId();
  std::string file;
  int line = -1;
  settings::SetCurrentProfileId(settings::kProfileIdVisualToolkit);
  EXPECT_TRUE(ParseConsoleLine("a.c(4) : error C2065", file, line));
  EXPECT_EQ(file, "a.c");
  EXPECT_EQ(line, 4);
  settings::SetCurrentProfileId(settings::kProfileIdBorland);
  line = -1;
  EXPECT_FALSE(ParseConsoleLine("a.c(4) : error C2065", file, line));
  EXPECT_EQ(line, -1);
  settings::SetCurrentProfileId(saved);
}

}  // namespace
