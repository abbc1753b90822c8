// The built target, grep and the debugger, run through a recording fake runner.
#include "build/externaltools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/runtools.h"
#include "platform/platform.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace {

using build::ToolPlaces;

// Records every request; a captured run plays `output` through the run's filter like the real one.
class FakeRunner : public build::ProcessRunner {
 public:
  struct Start {
    std::string commandLine;
    std::string workingDirectory;
  };
  int RunTools(const build::ToolRun& run, const build::RunnerIo& io) override {
    runs.push_back(run);
    build::ToolOutputLines lines(run.filter, io.console);
    lines.Feed(output.data(), output.size());
    lines.Finish();
    return lines.ErrorSeen() ? build::kRunReportedErrors : build::kRunSucceeded;
  }
  bool StartDetached(const std::string& commandLine, const std::string& workingDirectory) override {
    starts.push_back({commandLine, workingDirectory});
    return startSucceeds;
  }
  std::vector<build::ToolRun> runs;
  std::vector<Start> starts;
  std::string output;
  bool startSucceeds = true;
};

class ExternalToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    places_.globalSettingsFile = folder_.File("Orvantel.ini");
    places_.projectSettingsFile = folder_.File("Demo\\Demo.ovs");
    places_.projectFolder = folder_.File("Demo");
    places_.projectName = "Demo";
    platform::CreateFolder(places_.projectFolder);
    io_.console = [this](const std::string& line) { console_.push_back(line); };
  }
  void Global(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(places_.globalSettingsFile, section, key, value.c_str()));
  }
  void Project(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(places_.projectSettingsFile, section, key, value.c_str()));
  }
  std::string MakeFile(const std::string& relative) {
    const std::string path = folder_.File(relative);
    EXPECT_EQ(platform::WriteWholeFile(path, "MZ", 2), 2);
    return path;
  }

  testsupport::TempFolder folder_;
  ToolPlaces places_;
  build::RunnerIo io_;
  std::vector<std::string> console_;
  FakeRunner runner_;
};

TEST_F(ExternalToolsTest, RunTargetStartsTheProgramInTheFinalFolder) {
  Project("Directories", "Final", folder_.File("Demo\\bin"));
  platform::CreateFolder(folder_.File("Demo\\bin"));
  EXPECT_EQ(build::RunTarget(runner_, places_, io_, false), 0);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].commandLine, folder_.File("Demo\\bin\\Demo.exe"));
  EXPECT_EQ(runner_.starts[0].workingDirectory, folder_.File("Demo\\bin"));
  EXPECT_EQ(console_, (std::vector<std::string>{"running 'Demo.exe'"}));
  EXPECT_TRUE(runner_.runs.empty());
}

TEST_F(ExternalToolsTest, RunTargetUsesTheTargetNameAndAlwaysAppendsExe) {
  Project("Target", "Name", "tool.v2");
  Project("Target", "Model", "CON");
  EXPECT_EQ(build::RunTarget(runner_, places_, io_, false), 0);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(console_, (std::vector<std::string>{"running 'tool.v2.exe'"}));
}

TEST_F(ExternalToolsTest, RunTargetWithAnEmptyFinalStaysInTheProjectFolder) {
  // Final + "\" + name would name the root of the drive.
  EXPECT_EQ(build::RunTarget(runner_, places_, io_, false), 0);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].commandLine, "Demo.exe");
  EXPECT_EQ(runner_.starts[0].workingDirectory, places_.projectFolder);
}

TEST_F(ExternalToolsTest, RunTargetResolvesARelativeFinalBelowTheProject) {
  Project("Directories", "Final", "out dir");
  platform::CreateFolder(folder_.File("Demo\\out dir"));
  EXPECT_EQ(build::RunTarget(runner_, places_, io_, false), 0);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].commandLine, "\"" + folder_.File("Demo\\out dir\\Demo.exe") + "\"");
  EXPECT_EQ(runner_.starts[0].workingDirectory, folder_.File("Demo\\out dir"));
}

TEST_F(ExternalToolsTest, RunTargetWithAFinalFolderEndingInABackslash) {
  Project("Directories", "Final", "C:\\Out\\");
  EXPECT_EQ(build::RunTarget(runner_, places_, io_, false), 0);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].commandLine, "C:\\Out\\Demo.exe");
}

TEST_F(ExternalToolsTest, RunTargetRefusesLibrariesAndDlls) {
  for (const char* model : {"DLL", "LIB"}) {
    SCOPED_TRACE(model);
    console_.clear();
    Project("Target", "Model", model);
    EXPECT_EQ(build::RunTarget(runner_, places_, io_, false), -1);
    EXPECT_EQ(console_, (std::vector<std::string>{"can only run EXE-Projects"}));
  }
  EXPECT_TRUE(runner_.starts.empty());
}

TEST_F(ExternalToolsTest, RunTargetUnderTheDebuggerQuotesBothPaths) {
  Global("Tools", "Debugger", "C:\\Borland Tools\\td32.exe");
  Project("Directories", "Final", "C:\\Out");
  std::vector<std::string> traces;
  io_.trace = [&traces](const std::string& line) { traces.push_back(line); };
  EXPECT_EQ(build::RunTarget(runner_, places_, io_, true), 0);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].commandLine, "\"C:\\Borland Tools\\td32.exe\" C:\\Out\\Demo.exe");
  EXPECT_EQ(runner_.starts[0].workingDirectory, "");  // C:\Out does not exist: the current one
  EXPECT_EQ(traces, (std::vector<std::string>{"Run: \"C:\\Borland Tools\\td32.exe\" C:\\Out\\Demo.exe"}));
}

TEST_F(ExternalToolsTest, TransformGrepLineExamples) {
  std::string current;
  std::string output;
  EXPECT_EQ(build::TransformGrepLine(current, output, "File C:\\src\\a.c:"), 0);
  EXPECT_EQ(current, "C:\\src\\a.c");
  EXPECT_EQ(output, " - ");
  EXPECT_EQ(build::TransformGrepLine(current, output, "12 int x = find();"), 0);
  EXPECT_EQ(output, "Found in C:\\src\\a.c 000012 ");
  build::TransformGrepLine(current, output, "1234567: far down");
  EXPECT_EQ(output, "Found in C:\\src\\a.c 1234567 ");
  for (const char* unchanged : {"Grep 2.0", "0 leading zero", "", "-5 negative"}) {
    build::TransformGrepLine(current, output, unchanged);
    EXPECT_EQ(output, unchanged);
  }
  build::TransformGrepLine(current, output, "File");  // a header too short to hold a name
  EXPECT_EQ(current, "");
  build::TransformGrepLine(current, output, std::string(40, '9') + " huge");
  EXPECT_EQ(output, "Found in  2147483647 ");
}

TEST_F(ExternalToolsTest, GrepRunsTheConfiguredProgramThroughItsTransformer) {
  const std::string grep = MakeFile("grep.exe");
  Global("Tools", "Grep", grep);
  runner_.output = "File C:\\src\\a.c:\r\n12 x\r\n40 y\r\nFile C:\\src\\b.h:\r\n3 z\r\n";
  EXPECT_EQ(build::RunGrep(runner_, places_, io_, "-i find *.c"), 0);
  ASSERT_EQ(runner_.runs.size(), 1u);
  EXPECT_EQ(runner_.runs[0].commandLine, grep + " -n -i find *.c");
  EXPECT_EQ(console_, (std::vector<std::string>{"*GREP...", grep + " -n -i find *.c", " - ",
                                                "Found in C:\\src\\a.c 000012 ", "Found in C:\\src\\a.c 000040 ",
                                                " - ", "Found in C:\\src\\b.h 000003 "}));
  EXPECT_FALSE(build::IsRunLocked());
}

TEST_F(ExternalToolsTest, GrepWithoutArgumentsAndWithABlankInItsPath) {
  platform::CreateFolder(folder_.File("my tools"));
  const std::string grep = MakeFile("my tools\\grep.exe");
  Global("Tools", "Grep", grep);
  EXPECT_EQ(build::RunGrep(runner_, places_, io_, ""), 0);
  ASSERT_EQ(runner_.runs.size(), 1u);
  EXPECT_EQ(runner_.runs[0].commandLine, "\"" + grep + "\" ? ");
}

TEST_F(ExternalToolsTest, GrepNotConfiguredOrMissing) {
  EXPECT_EQ(build::RunGrep(runner_, places_, io_, "x"), 0);
  Global("Tools", "Grep", folder_.File("nowhere\\grep.exe"));
  EXPECT_EQ(build::RunGrep(runner_, places_, io_, "x"), 0);
  EXPECT_EQ(console_,
            (std::vector<std::string>{"ERROR: Grep is not configured.", "ERROR: can not find grep"}));
  EXPECT_TRUE(runner_.runs.empty());
}

TEST_F(ExternalToolsTest, GrepAndDebuggerAreRefusedWhileARunIsInProgress) {
  Global("Tools", "Grep", MakeFile("grep.exe"));
  Global("Tools", "Debugger", MakeFile("td32.exe"));
  build::RunLock build;
  ASSERT_TRUE(build.Held());
  EXPECT_EQ(build::RunGrep(runner_, places_, io_, "x"), build::kRunNotStarted);
  EXPECT_EQ(build::RunDebugger(runner_, places_, io_, ""), 0);
  EXPECT_EQ(console_, (std::vector<std::string>{build::kBusyRefusalLine, build::kBusyRefusalLine}));
  EXPECT_TRUE(runner_.runs.empty());
  EXPECT_TRUE(runner_.starts.empty());
  EXPECT_TRUE(build::IsRunLocked());
}

TEST_F(ExternalToolsTest, DebuggerStartsDetached) {
  platform::CreateFolder(folder_.File("Debug Tools"));
  const std::string debugger = MakeFile("Debug Tools\\td32.exe");
  Global("Tools", "Debugger", debugger);
  EXPECT_EQ(build::RunDebugger(runner_, places_, io_, ""), 1);
  EXPECT_EQ(build::RunDebugger(runner_, places_, io_, "demo.exe -x"), 1);
  ASSERT_EQ(runner_.starts.size(), 2u);
  EXPECT_EQ(runner_.starts[0].commandLine, "\"" + debugger + "\"");
  EXPECT_EQ(runner_.starts[1].commandLine, "\"" + debugger + "\" demo.exe -x");
  runner_.startSucceeds = false;
  EXPECT_EQ(build::RunDebugger(runner_, places_, io_, ""), 0);
  EXPECT_EQ(console_, (std::vector<std::string>{"*DEBUGGER...", "*DEBUGGER...", "*DEBUGGER..."}));
}

TEST_F(ExternalToolsTest, DebuggerNotConfiguredOrMissing) {
  EXPECT_EQ(build::RunDebugger(runner_, places_, io_, ""), 0);
  Global("Tools", "Debugger", folder_.File("td32.exe"));
  EXPECT_EQ(build::RunDebugger(runner_, places_, io_, ""), 0);
  EXPECT_EQ(console_, (std::vector<std::string>{"*DEBUGGER...", "ERROR: Debugger is not configured.",
                                                "*DEBUGGER...", "ERROR: can not find debugger"}));
  EXPECT_TRUE(runner_.starts.empty());
}

}  // namespace
