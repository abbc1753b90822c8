// Make, Build All, the make batch and the compile loop over selected lines: which files are
// compiled, what their lines record, and when the target is linked.
#include "build/make.h"

#include "build/headerchanges.h"
#include "build/makebatch.h"
#include "build_fixture.h"

namespace build {
namespace {

class MakeTest : public buildtest::BuildTest {
 protected:
  int a = -1, b = -1, header = -1, script = -1, library = -1;

  void SetUp() override {
    BuildTest::SetUp();
    Project("Target", "Name", "app");
    // A source holding "MARK" makes the stand-in compiler print a Borland error line for it.
    toolOutput = [](const ToolRun& run) {
      std::vector<std::string> lines{"bcc32 stand-in compiler 1.0"};
      std::size_t open = run.commandLine.rfind(" \"");
      if (open != std::string::npos && run.commandLine.back() == '"') {
        std::string source = run.commandLine.substr(open + 2, run.commandLine.size() - open - 3);
        if (buildtest::FileBytes(source).find("MARK") != std::string::npos) {
          lines.push_back("Error E2451 " + source + " 1: Undefined symbol 'MARK'");
        }
      }
      return lines;
    };
    a = AddProjectFile(Write("a.c", "#include \"a.h\"\nint a;\n", 0), "C  ");
    header = AddProjectFile(Write("a.h", "int f(void);\n", 0), "H  ");
    b = AddProjectFile(Write("b.c", "int b;\n", 0), "C  ");
    script = AddProjectFile(Write("r.rc", "#include \"a.h\"\n", 0), "RC ");
    library = AddProjectFile(projectDir + "\\x.lib", "LIB");
  }

  std::string File(const std::string& name) { return projectDir + "\\" + name; }
  std::string Write(const std::string& name, const std::string& text, int minute) {
    buildtest::PutFile(File(name), text);
    EXPECT_TRUE(platform::SetFileWriteTime(File(name), 2004, 5, 6, 7, minute));
    return File(name);
  }
  std::string State(int line) { return Field(line, project::kCompileField); }
  std::string Time(int line) { return Field(line, project::kTimeField); }

  std::string Compile(const std::string& name) {
    return bin + "\\bcc32 -tW -P -O2 -c -5 -w-aus- -w-par- \"" + File(name) + "\"";
  }
  std::string ResourceCompile(const std::string& name) { return bin + "\\brcc32 -32 \"" + File(name) + "\""; }
  std::string Link() {
    return bin + "\\ilink32 -aa -Tpe -Gn -s -j -I  c0w32.obj a.obj b.obj , app.exe, app.map, x.lib  "
                 "import32.lib cw32.lib, , r.res ";
  }

  // The make as the Make command runs it: headers first.
  int Make() {
    runs.clear();
    BuildContext context = Context();
    PropagateHeaderChanges(context, list);
    return MakeProject(context, list);
  }
};

TEST_F(MakeTest, FirstMakeCompilesSourcesAndScriptsInProjectOrderAndLinks) {
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c"), Compile("b.c"), ResourceCompile("r.rc"), Link()}));
  EXPECT_EQ(State(a), "COMPILED");
  EXPECT_EQ(State(b), "COMPILED");
  EXPECT_EQ(State(script), "COMPILED");
  EXPECT_EQ(State(header), "");
  EXPECT_EQ(State(library), "");
  EXPECT_EQ(Time(a), "2004-05-06  07:00");
  EXPECT_EQ(Time(library), "");  // a missing file has an empty time text
}

TEST_F(MakeTest, EachCompileShowsProgressThenItsResult) {
  std::vector<std::string> statesSeen;
  BuildContext context = Context();
  context.host.repaintProjectList = [&] { statesSeen.push_back(State(a)); };
  MakeProject(context, list);
  ASSERT_GE(statesSeen.size(), 2u);
  EXPECT_EQ(statesSeen[0], "PROGRESS");
  EXPECT_EQ(statesSeen[1], "COMPILED");
}

TEST_F(MakeTest, MakeLinksEvenWhenEverythingWasUpToDate) {
  ASSERT_EQ(Make(), 0);
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Link()}));
}

TEST_F(MakeTest, ASaveWithinTheSameMinuteIsNotRecompiled) {
  ASSERT_EQ(Make(), 0);
  Write("a.c", "#include \"a.h\"\nint a = 2;\n", 0);
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Link()}));
  Write("a.c", "#include \"a.h\"\nint a = 3;\n", 1);
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c"), Link()}));
  EXPECT_EQ(Time(a), "2004-05-06  07:01");
}

TEST_F(MakeTest, AFailedFileIsCompiledAgainAndNothingIsLinked) {
  Write("b.c", "int MARK;\n", 0);
  EXPECT_EQ(Make(), 1);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c"), Compile("b.c"), ResourceCompile("r.rc")}));
  EXPECT_EQ(State(b), "ERRORS");
  EXPECT_EQ(State(a), "COMPILED");

  // Unchanged, but "ERRORS": compiled again; the others are up to date.
  EXPECT_EQ(Make(), 1);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("b.c")}));

  // The marker removed within the same minute: still compiled, as the state is not "COMPILED".
  Write("b.c", "int b;\n", 0);
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("b.c"), Link()}));
  EXPECT_EQ(State(b), "COMPILED");
}

TEST_F(MakeTest, ATouchedHeaderRecompilesExactlyItsIncluders) {
  ASSERT_EQ(Make(), 0);
  Write("a.h", "int f(int);\n", 5);
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c"), ResourceCompile("r.rc"), Link()}));
  EXPECT_EQ(Time(header), "2004-05-06  07:05");
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Link()}));
}

TEST_F(MakeTest, AMissingCompilerFailsEachSourceButScriptsStillCompile) {
  Global("Borland", "Cc", "gone");
  EXPECT_EQ(Make(), 1);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{ResourceCompile("r.rc")}));
  EXPECT_EQ(State(a), "ERRORS");
  EXPECT_EQ(State(b), "ERRORS");
  EXPECT_EQ(State(script), "COMPILED");
}

TEST_F(MakeTest, AFailedLinkFailsTheMake) {
  forcedResult = [](const ToolRun& run) {
    return run.commandLine.find("ilink32") != std::string::npos ? kRunNotStarted : kRunSucceeded;
  };
  EXPECT_EQ(Make(), 1);
  EXPECT_EQ(State(a), "COMPILED");
}

TEST_F(MakeTest, BuildAllCompilesEverythingEvenWhenUpToDate) {
  ASSERT_EQ(Make(), 0);
  runs.clear();
  EXPECT_EQ(BuildAllProject(Context(), list, false), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c"), Compile("b.c"), ResourceCompile("r.rc"), Link()}));

  runs.clear();
  Write("a.c", "MARK\n", 9);
  EXPECT_EQ(BuildAllProject(Context(), list, false), 1);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c"), Compile("b.c"), ResourceCompile("r.rc")}));
  EXPECT_EQ(State(a), "ERRORS");
  EXPECT_EQ(Time(a), "2004-05-06  07:09");
}

TEST_F(MakeTest, MakeBatchOfASmallProjectByteForByte) {
  SetMakeBatchPath(File("makefile.bat"));
  EXPECT_EQ(BuildAllProject(Context(), list, true), 0);
  EXPECT_TRUE(runs.empty());
  EXPECT_FALSE(IsBatchFileOpen());
  EXPECT_EQ(buildtest::FileBytes(File("makefile.bat")),
            "@ECHO OFF\r\n"
            "del make.txt\r\n"
            "ECHO COMPILING...\r\n"
            "ECHO  - " + File("a.c") + "\r\n" +
            Compile("a.c") + ">> make.txt\r\n"
            "ECHO  - " + File("b.c") + "\r\n" +
            Compile("b.c") + ">> make.txt\r\n"
            "ECHO  - " + File("r.rc") + "\r\n" +
            ResourceCompile("r.rc") + ">> make.txt\r\n"
            "ECHO LINKING...\r\n"
            "ECHO  - app\r\n" +
            Link() + ">> make.txt\r\n"
            "ECHO READY\r\n");
}

// Writing the batch stored every line's current time without compiling, so a later Make skipped
// files changed since their last compile and linked stale objects.
TEST_F(MakeTest, WritingTheBatchLeavesTimeAndCompileAsTheyWere) {
  ASSERT_EQ(Make(), 0);
  Write("b.c", "int b = 2;\n", 7);
  SetMakeBatchPath(File("makefile.bat"));
  EXPECT_EQ(BuildAllProject(Context(), list, true), 0);
  EXPECT_EQ(Time(b), "2004-05-06  07:00");
  EXPECT_EQ(State(b), "COMPILED");
  EXPECT_EQ(Make(), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("b.c"), Link()}));
}

TEST_F(MakeTest, BatchModeRecordsNoErrorsAndAlwaysWritesTheLink) {
  Global("Borland", "Rc", "gone");
  SetMakeBatchPath(File("makefile.bat"));
  EXPECT_EQ(BuildAllProject(Context(), list, true), 0);
  std::string batch = buildtest::FileBytes(File("makefile.bat"));
  EXPECT_EQ(batch.find("r.rc"), std::string::npos);
  EXPECT_NE(batch.find("ECHO LINKING...\r\nECHO  - app\r\n"), std::string::npos);
}

TEST_F(MakeTest, CompileSelectedCompilesOnlySelectedLinesAndLinksNothing) {
  SetLineStatus(list, b, project::kSelected);
  SetLineStatus(list, header, project::kSelected);
  SetLineStatus(list, script, project::kSelected);
  EXPECT_EQ(CompileSelectedFiles(Context(), list), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("b.c"), ResourceCompile("r.rc")}));
  EXPECT_EQ(State(b), "COMPILED");
  EXPECT_EQ(State(a), "");
  EXPECT_EQ(Time(header), "2004-05-06  07:00");
  EXPECT_EQ(MainEvents(), (std::vector<std::string>{
                              "save: " + File("a.h"),
                              "save: " + File("b.c"), "busy: Compiling...", "run: " + Compile("b.c"),
                              "console: bcc32 stand-in compiler 1.0", "close busy",
                              "save: " + File("r.rc"), "busy: Compiling...", "run: " + ResourceCompile("r.rc"),
                              "console: bcc32 stand-in compiler 1.0", "close busy"}));

  Write("b.c", "MARK\n", 0);
  EXPECT_EQ(CompileSelectedFiles(Context(), list), 1);
  EXPECT_EQ(State(b), "ERRORS");
}

}  // namespace
}  // namespace build
