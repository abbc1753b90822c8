// The build commands as the frame runs them: the sequence each shows, and one run at a time.
#include "build/buildcommands.h"

#include "build/makebatch.h"
#include "build/runtools.h"
#include "build_fixture.h"

namespace build {
namespace {

class BuildCommandsTest : public buildtest::BuildTest {
 protected:
  int source = -1;
  int header = -1;

  void SetUp() override {
    BuildTest::SetUp();
    Project("Target", "Name", "app");
    source = AddProjectFile(Write("a.c", "int a;\n"), "C  ");
    header = AddProjectFile(Write("a.h", "int f(void);\n"), "H  ");
  }

  std::string File(const std::string& name) { return projectDir + "\\" + name; }
  std::string Write(const std::string& name, const std::string& text) {
    buildtest::PutFile(File(name), text);
    EXPECT_TRUE(platform::SetFileWriteTime(File(name), 2004, 5, 6, 7, 8));
    return File(name);
  }
  std::string Compile(const std::string& name) {
    return bin + "\\bcc32 -tW -P -O2 -c -5 -w-aus- -w-par- \"" + File(name) + "\"";
  }
  std::string Link() {
    return bin + "\\ilink32 -aa -Tpe -Gn -s -j -I  c0w32.obj a.obj , app.exe, app.map,  import32.lib cw32.lib, ";
  }
  void FailLink() {
    forcedResult = [](const ToolRun& run) {
      return run.commandLine.find("ilink32") != std::string::npos ? kRunReportedErrors : kRunSucceeded;
    };
  }
};

TEST_F(BuildCommandsTest, MakeShowsItsHeadingSavesPropagatesMakesAndEndsReady) {
  EXPECT_EQ(MakeCommand(Context(), list, false), CommandResult::kSucceeded);
  EXPECT_EQ(MainEvents(), (std::vector<std::string>{
                              "show console", "console: *MAKE ALL...", "save: " + File("a.c"),
                              "save: " + File("a.h"), "busy: Make...", "run: " + Compile("a.c"),
                              "run: " + Link(), "close busy", "console: *READY"}));
  EXPECT_EQ(Field(source, project::kCompileField), "COMPILED");
  EXPECT_FALSE(IsRunLocked());
}

TEST_F(BuildCommandsTest, MakeWithShiftCompilesInstead) {
  EXPECT_EQ(MakeCommand(Context(), list, true), CommandResult::kHandedOn);
  EXPECT_EQ(events, (std::vector<std::string>{"post compile"}));
}

TEST_F(BuildCommandsTest, BuildAllUsesItsOwnHeadingAndBusyCaption) {
  FailLink();
  EXPECT_EQ(BuildAllCommand(Context(), list), CommandResult::kFailed);
  EXPECT_EQ(MainEvents(), (std::vector<std::string>{
                              "show console", "console: *BUILD ALL...", "save: " + File("a.c"),
                              "save: " + File("a.h"), "busy: Building...", "run: " + Compile("a.c"),
                              "run: " + Link(), "close busy", "console: *READY"}));
}

TEST_F(BuildCommandsTest, RunStartsTheTargetOnlyAfterASuccessfulMake) {
  EXPECT_EQ(RunCommand(Context(), list, false), CommandResult::kSucceeded);
  EXPECT_EQ(MainEvents(), (std::vector<std::string>{
                              "show console", "console: *BUILD FOR RUN...", "save: " + File("a.c"),
                              "save: " + File("a.h"), "busy: Building...", "run: " + Compile("a.c"),
                              "run: " + Link(), "close busy", "console: *RUN...", "run target"}));
  events.clear();
  EXPECT_EQ(RunCommand(Context(), list, true), CommandResult::kSucceeded);
  EXPECT_EQ(events.back(), "run debugger");
  EXPECT_EQ(ConsoleLines().back(), "*START DEBUGGER...");

  events.clear();
  FailLink();
  EXPECT_EQ(RunCommand(Context(), list, false), CommandResult::kFailed);
  EXPECT_EQ(ConsoleLines().back(), "*CAN NOT RUN...");
  EXPECT_EQ(events.back(), "console: *CAN NOT RUN...");
}

TEST_F(BuildCommandsTest, MakefileWritesTheBatchAndOpensItWithoutTouchingTheLines) {
  SetField(list, source, project::kCompileField, "ERRORS");
  EXPECT_EQ(MakefileCommand(Context(), list), CommandResult::kSucceeded);
  std::string path = File("makefile.bat");
  EXPECT_EQ(MainEvents(), (std::vector<std::string>{"show console", "open batch: " + path}));
  EXPECT_EQ(MakeBatchPath(), path);
  EXPECT_EQ(buildtest::FileBytes(path).rfind("@ECHO OFF\r\n", 0), 0u);
  EXPECT_EQ(Field(source, project::kCompileField), "ERRORS");
  EXPECT_EQ(Field(source, project::kTimeField), "");
}

TEST_F(BuildCommandsTest, MakefileThatCannotBeWrittenSaysSo) {
  platform::FailCreate(true);
  EXPECT_EQ(MakefileCommand(Context(), list), CommandResult::kFailed);
  platform::ResetFailures();
  EXPECT_EQ(ConsoleLines(), (std::vector<std::string>{"ERROR: Can not write " + File("makefile.bat")}));
}

TEST_F(BuildCommandsTest, CompileOfTheActiveEditorsFile) {
  SetField(list, source, project::kCompileField, "CHANGED");
  EXPECT_EQ(CompileCommand(Context(), list, File("a.c")), CommandResult::kSucceeded);
  EXPECT_EQ(MainEvents(), (std::vector<std::string>{"save: " + File("a.c"), "show console", "console: *COMPILE...",
                                                    "busy: Compiling...", "run: " + Compile("a.c"), "close busy",
                                                    "console: *READY"}));
  EXPECT_EQ(Field(source, project::kCompileField), "COMPILED");
  EXPECT_EQ(Field(source, project::kTimeField), "2004-05-06  07:08");

  // Found by its path without regard to case.
  forcedResult = [](const ToolRun&) { return kRunReportedErrors; };
  EXPECT_EQ(CompileCommand(Context(), list, projectDir + "\\A.C"), CommandResult::kFailed);
  EXPECT_EQ(Field(source, project::kCompileField), "ERRORS");
}

TEST_F(BuildCommandsTest, CompileOfAFileThatIsNoSourceOrOutsideTheProject) {
  EXPECT_EQ(CompileCommand(Context(), list, File("a.h")), CommandResult::kSucceeded);
  EXPECT_EQ(ConsoleLines(), (std::vector<std::string>{"*COMPILE...", "nothing to Compile", "*READY"}));
  EXPECT_TRUE(runs.empty());

  EXPECT_EQ(CompileCommand(Context(), list, "C:\\elsewhere\\z.c"), CommandResult::kSucceeded);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{bin + "\\bcc32 -tW -P -O2 -c -5 -w-aus- -w-par- \"C:\\elsewhere\\z.c\""}));

  events.clear();
  EXPECT_EQ(CompileCommand(Context(), list, ""), CommandResult::kSucceeded);
  EXPECT_TRUE(events.empty());
}

TEST_F(BuildCommandsTest, CompileSelectedShowsItsHeadingAndEndsReady) {
  SetLineStatus(list, source, project::kSelected);
  EXPECT_EQ(CompileSelectedCommand(Context(), list), CommandResult::kSucceeded);
  std::vector<std::string> lines = ConsoleLines();
  EXPECT_EQ(lines.front(), "*COMPILE SELECTED...");
  EXPECT_EQ(lines.back(), "*READY");
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c")}));
}

// Build state is process-wide: a second build started while one runs (the console pumps messages
// between tool lines) would overwrite it.
TEST_F(BuildCommandsTest, ASecondRequestWhileOneRunsIsRefused) {
  std::vector<CommandResult> nested;
  BuildContext context = Context();
  BuildContext inner = Context();
  context.host.runTool = [&](const ToolRun& run, const RunnerIo& io) {
    nested.push_back(MakeCommand(inner, list, false));
    nested.push_back(BuildAllCommand(inner, list));
    nested.push_back(RunCommand(inner, list, false));
    nested.push_back(MakefileCommand(inner, list));
    nested.push_back(CompileCommand(inner, list, File("a.c")));
    nested.push_back(CompileSelectedCommand(inner, list));
    return FakeRun(run, io);
  };
  EXPECT_EQ(MakeCommand(context, list, false), CommandResult::kSucceeded);
  ASSERT_EQ(nested.size(), 12u);  // at the compile and at the link
  for (CommandResult result : nested) EXPECT_EQ(result, CommandResult::kRefused);
  int refusals = 0;
  for (const std::string& line : ConsoleLines()) refusals += line == kBusyRefusalLine;
  EXPECT_EQ(refusals, 12);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{Compile("a.c"), Link()}));
  EXPECT_FALSE(IsRunLocked());
}

}  // namespace
}  // namespace build
