// The build-line classifier against real output lines of the three tool families.
#include "console/buildline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void ExpectAll(const std::vector<std::string>& lines, bool error) {
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    std::string output = "left over";
    EXPECT_EQ(console::ClassifyBuildLine(output, line), error ? 1 : 0);
    EXPECT_EQ(output, line);  // the console shows the line as the tool wrote it
  }
}

TEST(BuildLineTest, WorkedExamplesKeepTheirResults) {
  ExpectAll({"Error E2451 a.cpp 5: Undefined symbol 'x'",
             "c:\\src\\a.cpp(12) : error C2065: 'x' : undeclared identifier",
             "Error: Unresolved external '_main'"},
            true);
  ExpectAll({"Warning W8004 a.cpp 7: 'i' is assigned a value that is never used", "Error messages:",
             "a.cpp(3) : warning C4101: 'y' : unreferenced local variable (in f(int))", "*COMPILE...", ""},
            false);
}

TEST(BuildLineTest, ThePartsRulesStayCaseSensitive) {
  ExpectAll({"Errorlevel set", "a.c(1) : fatal error C1083: Cannot open include file: 'x.h'",
             "a.rc(4) : error RC2104 : undefined keyword", "x : error C1", "a fatal error Cx"},
            true);
  ExpectAll({"error in a.cpp 5: lower case", "ERROR: Grep is not configured.", " Error E2451 indented",
             "a.c(1) : Error C2065 capital"},
            false);
}

TEST(BuildLineTest, MicrosoftLinkerAndResourceCompilerCodesAreErrors) {
  ExpectAll({"x.obj : error LNK2019: unresolved external symbol _f",
             "LINK : fatal error LNK1104: cannot open file 'y.lib'",
             "a.rc(10) : fatal error RC1015: cannot open include file 'afxres.h'.",
             "fatal error RC1110: could not open a.rc",
             "error LNK2001: unresolved external symbol _main",
             "main.obj : error LNK2005: _x already defined in a.obj",
             "a.exe : fatal error LNK1120: 1 unresolved externals",
             "a.cpp(4): error C2143: syntax error: missing ';' before '}'",
             "cl : Command line error D8021 : invalid numeric argument '/Wx'",
             "Command line error: bad option -Q"},
            true);
}

TEST(BuildLineTest, MicrosoftCodesNeedTheirShape) {
  // One to four capitals, then four or five digits, at the start or after ": ".
  ExpectAll({"see error LNK2019 in the docs", "x.obj : error lnk2019: lower-case letters",
             "x.obj : error ABCDE1234: five letters", "x.obj : error LNK123: three digits",
             "x.obj : error LNK123456: six digits", "x.obj :error LNK2019: no blank after the colon",
             "cl : Command line warning D9002 : ignoring unknown option '/Q'",
             "x.obj : warning LNK4098: defaultlib 'LIBC' conflicts with use of other libs",
             "LINK : warning LNK4044: unrecognized option '/X'; ignored",
             "a.rc(3) : warning RC4005: 'X' : redefinition",
             "a.cpp(12) : note: see declaration of 'f'"},
            false);
}

TEST(BuildLineTest, BorlandFatalLinesAreErrors) {
  ExpectAll({"Fatal F1003 a.cpp 12: Error directive: stop", "Fatal: Unable to open file 'X.OBJ'",
             "Error ping.c 15: Undefined symbol 'y' in function main",
             "Error: 'C:\\P\\A.OBJ' contains invalid OMF record, type 0x21"},
            true);
  ExpectAll({"Warning askfile.cpp 39: Possible use of 'x' before definition",
             "Warning W8057 a.cpp 20: Parameter 'argc' is never used in function main(int,char * *)",
             "ilink32 stand-in linker 1.0",
             "a.cpp:", "Warning: Public symbol '_x' defined in both module A.OBJ and B.OBJ"},
            false);
}

TEST(BuildLineTest, DigitalMarsFormsAreErrors) {
  ExpectAll({"a.c(12) : Error: undefined identifier 'x'", "OPTLINK : Error 8: Illegal Filename",
             "  Error 42: Symbol Undefined _f", " Error 2: File Not Found a.obj",
             "--- errorlevel 1", "--- errorlevel 2", "--- errorlevel -1"},
            true);
  ExpectAll({"a.c(12) : Warning 18: implied return of f at closing '}' does not return value",
             "OPTLINK : Warning 9: Unknown Option : X", "--- errorlevel 0", "--- errorlevel 00",
             "--- errorlevel", "--- errorlevel x", "OPTLINK (R) for Win32  Release 8.00.17",
             "  Error forty-two: not numbered", "  Error 42 without colon", "a.c(2) : Error 8 no colon"},
            false);
}

}  // namespace
