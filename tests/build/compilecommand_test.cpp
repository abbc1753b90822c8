// The compiler and resource compiler command lines of the three profiles, run or written to the
// make batch.
#include "build/compilecommand.h"

#include "build/makebatch.h"
#include "build_fixture.h"

namespace build {
namespace {

class CompileCommandTest : public buildtest::BuildTest {
 protected:
  std::string vc = root + "\\VC\\bin";
  std::string dm = root + "\\DM\\bin";

  // The command the compile of `source` runs; empty when nothing ran.
  std::string CompiledCommand(const std::string& source) {
    runs.clear();
    CompileCppFile(Context(), source, false);
    return runs.empty() ? std::string() : runs.back().command;
  }
  std::string ResourceCommand(const std::string& script) {
    runs.clear();
    CompileResourceFile(Context(), script, false);
    return runs.empty() ? std::string() : runs.back().command;
  }
};

TEST_F(CompileCommandTest, BorlandWindowedReleaseLine) {
  EXPECT_EQ(CompileCppFile(Context(), "C:\\P\\a.cpp", false), 0);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command, bin + "\\bcc32 -tW -P -O2 -c -5 -w-aus- -w-par- \"C:\\P\\a.cpp\"");
  // The compiler runs in its own folder, as the original change of directory made it.
  EXPECT_EQ(runs[0].workingDirectory, bin);
  EXPECT_TRUE(runs[0].filtered);
  EXPECT_EQ(settings::CurrentProfileId(), 1);
}

TEST_F(CompileCommandTest, ParameterReplacesTheDefaultOptionsAndStandsBeforeDashC) {
  Project("Compiler", "Parameter", "-w\\r-x");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.cpp"), bin + "\\bcc32 -tW -P -O2 -w  -x -c \"C:\\P\\a.cpp\"");
}

TEST_F(CompileCommandTest, BorlandEveryOptionInItsPlace) {
  Project("Target", "Model", "CON");
  Project("Target", "Multithread", "1");
  Project("Target", "Build", "Debug");
  Project("Target", "Optimize", "Size");
  Project("Target", "Defines", "WIN32;_DEBUG;X");
  Project("Directories", "Include", "inc;C:\\my inc");
  Project("Directories", "Objects", "obj");
  Global("Borland", "Include", "C:\\BC\\INCLUDE");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.c"),
            bin + "\\bcc32 -tC -tWM -P -O1 -v -y -c -5 -w-aus- -w-par- -DWIN32;_DEBUG -IC:\\BC\\INCLUDE"
                  " -Iinc;\"C:\\my inc\" -nobj \"C:\\P\\a.c\"");

  Project("Target", "Model", "DLL");
  Project("Target", "C++", "Never");
  Project("Target", "Optimize", "no");
  Project("Target", "Build", "Release");
  Project("Target", "Multithread", "0");
  Project("Target", "Defines", "");
  Project("Directories", "Include", "");
  Project("Directories", "Objects", "");
  Global("Borland", "Include", "");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.c"), bin + "\\bcc32 -tWD -c -5 -w-aus- -w-par- \"C:\\P\\a.c\"");
}

TEST_F(CompileCommandTest, LibraryModelAddsNoModelOption) {
  Project("Target", "Model", "LIB");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.cpp"), bin + "\\bcc32 -P -O2 -c -5 -w-aus- -w-par- \"C:\\P\\a.cpp\"");
}

TEST_F(CompileCommandTest, ConfigurationFileLiesInTheProjectFolderUnlessItHasADrive) {
  Project("Compiler", "Configuration", "1");
  Project("Compiler", "ConfigurationFile", "app_BCC.CFG");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.cpp"),
            bin + "\\bcc32 +" + projectDir + "\\app_BCC.CFG  -tW -P -O2 -c \"C:\\P\\a.cpp\"");
  Project("Compiler", "ConfigurationFile", "D:\\cfg\\all.cfg");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.cpp"), bin + "\\bcc32 +D:\\cfg\\all.cfg  -tW -P -O2 -c \"C:\\P\\a.cpp\"");
  // Enabled only by a "1" and a file name.
  Project("Compiler", "Configuration", "0");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.cpp"), bin + "\\bcc32 -tW -P -O2 -c -5 -w-aus- -w-par- \"C:\\P\\a.cpp\"");
  Project("Compiler", "Configuration", "1");
  Project("Compiler", "ConfigurationFile", "");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.cpp"), bin + "\\bcc32 -tW -P -O2 -c -5 -w-aus- -w-par- \"C:\\P\\a.cpp\"");
}

TEST_F(CompileCommandTest, VisualToolkitConsoleDebugLine) {
  UseVisualToolkit(vc);
  Project("Target", "Model", "CON");
  Project("Target", "Multithread", "1");
  Project("Target", "Build", "Debug");
  Project("Directories", "Objects", "obj");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.cpp"), vc + "\\cl /TP /MT /O2 /Zi /c /W3 /G6 /Foobj\\a.obj  \"C:\\P\\a.cpp\"");
  EXPECT_EQ(runs[0].workingDirectory, "");
  EXPECT_EQ(settings::CurrentProfileId(), 2);
}

TEST_F(CompileCommandTest, VisualToolkitListsProjectIncludesBeforeProfileIncludes) {
  UseVisualToolkit(vc);
  Project("Target", "Defines", "WIN32;NDEBUG");
  Project("Directories", "Include", "inc");
  Project("Directories", "Objects", "obj\\");
  Project("Compiler", "Configuration", "1");
  Project("Compiler", "ConfigurationFile", "D:\\x.rsp");
  Global("VisualToolkit", "Include", "C:\\VC\\include");
  EXPECT_EQ(CompiledCommand("C:\\P\\src\\b.c"),
            vc + "\\cl @D:\\x.rsp  /TP /ML /O2 /c /W3 /D \"WIN32\" /D \"NDEBUG\" /I \"inc\" /I \"C:\\VC\\include\""
                 " /Foobj\\b.obj  \"C:\\P\\src\\b.c\"");
  // Without an objects folder there is no object option at all.
  Project("Directories", "Objects", "");
  EXPECT_EQ(CompiledCommand("C:\\P\\b.c"),
            vc + "\\cl @D:\\x.rsp  /TP /ML /O2 /c /W3 /D \"WIN32\" /D \"NDEBUG\" /I \"inc\" /I \"C:\\VC\\include\""
                 " \"C:\\P\\b.c\"");
}

TEST_F(CompileCommandTest, DigitalMarsLinesRunInTheProjectFolder) {
  UseDigitalMars(dm);
  EXPECT_EQ(CompiledCommand("C:\\P\\a.c"), dm + "\\dmc -WA -cpp -o -c -5 \"C:\\P\\a.c\"");
  EXPECT_EQ(runs[0].workingDirectory, projectDir);
  Project("Target", "Model", "CON");
  Project("Target", "Build", "Debug");
  Project("Target", "Optimize", "Size");
  Project("Target", "Defines", "AAA");
  Project("Directories", "Include", "inc");
  Global("DigitalMars", "Include", "D:\\dm\\include");
  EXPECT_EQ(CompiledCommand("C:\\P\\a.c"),
            dm + "\\dmc -WA -cpp -o+space -g -c -5 -DAAA -ID:\\dm\\include -Iinc \"C:\\P\\a.c\"");
  Project("Target", "Model", "DLL");
  Project("Target", "Multithread", "1");  // no DigitalMars option
  EXPECT_EQ(CompiledCommand("C:\\P\\a.c"),
            dm + "\\dmc -WD -cpp -o+space -g -c -5 -DAAA -ID:\\dm\\include -Iinc \"C:\\P\\a.c\"");
}

TEST_F(CompileCommandTest, ToolResultsAreTheStepsResults) {
  BuildContext context = Context();
  toolOutput = [](const ToolRun&) {
    return std::vector<std::string>{"bcc32 stand-in compiler 1.0", "Error E2451 a.cpp 5: Undefined symbol 'x'"};
  };
  EXPECT_EQ(CompileCppFile(context, "C:\\P\\a.cpp", false), kRunReportedErrors);
  toolOutput = [](const ToolRun&) {
    return std::vector<std::string>{"Warning W8004 a.cpp 7: 'i' is assigned a value that is never used"};
  };
  EXPECT_EQ(CompileCppFile(context, "C:\\P\\a.cpp", false), kRunSucceeded);
  forcedResult = [](const ToolRun&) { return kRunDidNotEnd; };
  EXPECT_EQ(CompileCppFile(context, "C:\\P\\a.cpp", false), kRunDidNotEnd);
}

TEST_F(CompileCommandTest, MissingCompilerRunsAndWritesNothing) {
  Global("Borland", "Cc", "gone");
  SetMakeBatchPath(projectDir + "\\makefile.bat");
  EXPECT_EQ(CompileCppFile(Context(), "C:\\P\\a.cpp", false), kRunToolMissing);
  EXPECT_EQ(CompileCppFile(Context(), "C:\\P\\a.cpp", true), kRunToolMissing);
  EXPECT_TRUE(runs.empty());
  EXPECT_FALSE(IsBatchFileOpen());
  EXPECT_EQ(ConsoleLines(), (std::vector<std::string>(2, "Can not find the Compiler! Check Global Settings.")));
}

TEST_F(CompileCommandTest, BatchModeWritesTheEchoAndTheCommandInsteadOfRunning) {
  SetMakeBatchPath(projectDir + "\\makefile.bat");
  EXPECT_EQ(CompileCppFile(Context(), "C:\\P\\a.cpp", true), 0);
  EXPECT_EQ(CompileResourceFile(Context(), "C:\\P\\r.rc", true), 0);
  EXPECT_TRUE(runs.empty());
  ASSERT_TRUE(CloseBatchFile());
  EXPECT_EQ(buildtest::FileBytes(projectDir + "\\makefile.bat"),
            "ECHO  - C:\\P\\a.cpp\r\n" + bin + "\\bcc32 -tW -P -O2 -c -5 -w-aus- -w-par- \"C:\\P\\a.cpp\">> make.txt\r\n"
            "ECHO  - C:\\P\\r.rc\r\n" + bin + "\\brcc32 -32 \"C:\\P\\r.rc\">> make.txt\r\n");
}

// The command buffer holds 4096 bytes and the lists were appended without a check: an over-long
// command ran past its end.
TEST_F(CompileCommandTest, OverLongCommandIsRefusedAndCountsAsFailed) {
  // Settings values are read cut to 511 characters, but the quoted form grows each element and a
  // source path has no such limit.
  std::string defines;
  for (int i = 0; i < 100; ++i) defines += "D" + std::to_string(100 + i) + ";";
  Project("Target", "Defines", defines);
  Project("Directories", "Include", defines);
  std::string source = "C:\\P\\" + std::string(2500, 'n') + ".cpp";
  UseVisualToolkit(vc);
  SetMakeBatchPath(projectDir + "\\makefile.bat");
  EXPECT_EQ(CompileCppFile(Context(), source, false), kCommandTooLong);
  EXPECT_EQ(CompileCppFile(Context(), source, true), kCommandTooLong);
  EXPECT_TRUE(runs.empty());
  EXPECT_FALSE(IsBatchFileOpen());
  ASSERT_EQ(ConsoleLines().size(), 2u);
  EXPECT_EQ(ConsoleLines()[0].rfind("ERROR: The command is too long (", 0), 0u);
  EXPECT_NE(ConsoleLines()[0].find("at most 4095"), std::string::npos);
}

TEST_F(CompileCommandTest, ResourceLinesOfTheThreeProfiles) {
  Project("Target", "Defines", "WIN32");
  Project("Directories", "Include", "res");
  Global("Borland", "Include", "C:\\BC\\INCLUDE");
  EXPECT_EQ(ResourceCommand("C:\\P\\r.rc"), bin + "\\brcc32 -32 -DWIN32 -IC:\\BC\\INCLUDE -Ires \"C:\\P\\r.rc\"");
  EXPECT_EQ(runs[0].workingDirectory, "");

  UseVisualToolkit(vc);
  Global("VisualToolkit", "Include", "C:\\VC\\include");
  EXPECT_EQ(ResourceCommand("C:\\P\\r.rc"),
            vc + "\\rc /D  \"WIN32\" /I  \"res\" /I  \"C:\\VC\\include\" \"C:\\P\\r.rc\"");

  UseDigitalMars(dm);
  EXPECT_EQ(ResourceCommand("C:\\P\\r.rc"), dm + "\\rcc -32 -DWIN32 -Ires \"C:\\P\\r.rc\"");
  EXPECT_EQ(runs[0].workingDirectory, projectDir);

  Global("DigitalMars", "Rc", "gone");
  EXPECT_EQ(CompileResourceFile(Context(), "C:\\P\\r.rc", false), kRunToolMissing);
  EXPECT_EQ(ConsoleLines().back(), "Can not find the Resource Compiler! Check Global Settings.");
}

}  // namespace
}  // namespace build
