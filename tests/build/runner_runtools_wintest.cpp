// RunTools with real pipes and processes: the stand-in tool runner_tool_helper.exe beside this test.
#include "build/runtools_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/externaltools.h"
#include "build/runtools.h"
#include "console/buildline.h"
#include "platform/platform.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace {

std::string HelperPath() {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path(self, length);
  return path.substr(0, path.rfind('\\') + 1) + "runner_tool_helper.exe";
}

class RunToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::FileExists(HelperPath())) << HelperPath();
    io_.console = [this](const std::string& line) { console_.push_back(line); };
  }
  // Runs the helper in `mode` with the build-line classifier.
  int RunHelper(const std::string& mode, unsigned waitMilliseconds = build::kProcessEndWaitMilliseconds) {
    build::ToolRun run;
    run.commandLine = HelperPath() + " " + mode;
    run.filter = console::ClassifyBuildLine;
    run.waitMilliseconds = waitMilliseconds;
    return build::RunTools(run, io_);
  }

  build::RunnerIo io_;
  std::vector<std::string> console_;
};

TEST_F(RunToolsTest, OutputAndErrorLinesArriveInOneStreamInTheOrderWritten) {
  EXPECT_EQ(RunHelper("lines"), build::kRunReportedErrors);
  EXPECT_EQ(console_, (std::vector<std::string>{"out one", "err two", "bare lf", "lone\rcr",
                                                "Error E2451 a.cpp 5: Undefined symbol 'x'", "last line"}));
}

TEST_F(RunToolsTest, AFinalErrorLineWithoutLineFeedFailsTheStep) {
  // Such a line used to be dropped, and the failed compile counted as a success.
  EXPECT_EQ(RunHelper("nolf-error"), build::kRunReportedErrors);
  EXPECT_EQ(console_, (std::vector<std::string>{"bcc32 stand-in compiler 1.0",
                                                "Error E2451 a.cpp 5: Undefined symbol 'x'"}));
}

TEST_F(RunToolsTest, WarningsAloneSucceed) {
  EXPECT_EQ(RunHelper("clean"), build::kRunSucceeded);
  EXPECT_EQ(console_.size(), 2u);
}

TEST_F(RunToolsTest, ALongLineComesInBufferSizedPieces) {
  EXPECT_EQ(RunHelper("long"), build::kRunSucceeded);
  ASSERT_EQ(console_.size(), 6u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(console_[i], std::string(build::kMaxLineCharacters, 'x'));
  EXPECT_EQ(console_[4], std::string(10000 - 4 * build::kMaxLineCharacters, 'x'));
  EXPECT_EQ(console_[5], "after");
}

TEST_F(RunToolsTest, AToolThatReadsItsInputSeesItsEndAtOnce) {
  // The runner used to keep its end of the input pipe open for the whole run: the tool waited for
  // input forever, its output never broke and the IDE hung.
  EXPECT_EQ(RunHelper("readinput"), build::kRunSucceeded);
  EXPECT_EQ(console_, (std::vector<std::string>{"input ended after 0 bytes"}));
}

TEST_F(RunToolsTest, AMissingProgramIsNotStarted) {
  std::vector<std::string> traces;
  io_.trace = [&traces](const std::string& line) { traces.push_back(line); };
  build::ToolRun run;
  run.commandLine = "C:\\no\\such\\folder\\tool.exe -c a.cpp";
  run.filter = console::ClassifyBuildLine;
  EXPECT_EQ(build::RunTools(run, io_), build::kRunNotStarted);
  EXPECT_EQ(console_, (std::vector<std::string>{"RunTools Error: Can not create process!"}));
  EXPECT_EQ(traces, (std::vector<std::string>{"Run: C:\\no\\such\\folder\\tool.exe -c a.cpp", "",
                                               "Run: ERROR Can not create process!"}));
}

TEST_F(RunToolsTest, AProcessThatOutlivesItsOutputIsReportedAndLeftRunning) {
  EXPECT_EQ(RunHelper("linger", 200), build::kRunDidNotEnd);
  EXPECT_EQ(console_, (std::vector<std::string>{"leaving the output",
                                                "RunTools Error: process terminated abnormal!"}));
}

TEST_F(RunToolsTest, WithoutFilterOrConsole) {
  build::ToolRun run;
  run.commandLine = HelperPath() + " nolf-error";
  EXPECT_EQ(build::RunTools(run, io_), build::kRunSucceeded);  // no filter: nothing is an error
  EXPECT_EQ(console_.size(), 2u);
  run.filter = console::ClassifyBuildLine;
  EXPECT_EQ(build::RunTools(run, build::RunnerIo()), build::kRunReportedErrors);
}

TEST_F(RunToolsTest, TheWorkingDirectoryIsHandedToTheTool) {
  testsupport::TempFolder folder;
  build::ToolRun run;
  run.commandLine = HelperPath() + " cwd";
  run.workingDirectory = folder.Path();
  EXPECT_EQ(build::RunTools(run, io_), build::kRunSucceeded);
  // A folder that does not exist leaves the current one, as a failed change of directory would.
  run.workingDirectory = folder.File("missing");
  EXPECT_EQ(build::RunTools(run, io_), build::kRunSucceeded);
  ASSERT_EQ(console_.size(), 2u);
  EXPECT_EQ(lstrcmpiA(console_[0].c_str(), folder.Path().c_str()), 0) << console_[0];
  EXPECT_EQ(lstrcmpiA(console_[1].c_str(), platform::CurrentDirectory().c_str()), 0) << console_[1];
}

TEST_F(RunToolsTest, ASecondRunWhileOneIsActiveIsRefused) {
  // A console line lets window messages run, and a message may ask for another run.
  int nested = 0;
  bool asked = false;
  io_.console = [this, &nested, &asked](const std::string& line) {
    console_.push_back(line);
    if (!asked) {
      asked = true;
      build::ToolRun inner;
      inner.commandLine = HelperPath() + " clean";
      nested = build::RunTools(inner, io_);
    }
  };
  EXPECT_EQ(RunHelper("clean"), build::kRunSucceeded);
  EXPECT_EQ(nested, build::kRunNotStarted);
  EXPECT_EQ(console_, (std::vector<std::string>{"bcc32 stand-in compiler 1.0", build::kBusyRefusalLine,
                                                "Warning W8004 a.cpp 7: 'i' is assigned a value that is never used"}));
  console_.clear();
  EXPECT_EQ(RunHelper("clean"), build::kRunSucceeded);  // the guard is gone once the run ended
}

TEST_F(RunToolsTest, AProgramPathWithBlanksRunsQuoted) {
  testsupport::TempFolder folder;
  ASSERT_TRUE(platform::CreateFolder(folder.File("tool dir")));
  const std::string copy = folder.File("tool dir\\helper copy.exe");
  ASSERT_TRUE(CopyFileA(HelperPath().c_str(), copy.c_str(), FALSE));
  build::ToolRun run;
  run.commandLine = build::QuoteProgramPath(copy) + " first \"second arg\"";
  EXPECT_EQ(build::RunTools(run, io_), build::kRunSucceeded);
  EXPECT_EQ(console_, (std::vector<std::string>{"first", "second arg"}));
}

TEST_F(RunToolsTest, GrepRunsThroughTheSystemRunner) {
  testsupport::TempFolder folder;
  ASSERT_TRUE(platform::CreateFolder(folder.File("grep tools")));
  const std::string grep = folder.File("grep tools\\grep.exe");
  ASSERT_TRUE(CopyFileA(HelperPath().c_str(), grep.c_str(), FALSE));
  build::ToolPlaces places;
  places.globalSettingsFile = folder.File("Orvantel.ini");
  places.projectFolder = folder.Path();
  ASSERT_TRUE(settings::WriteString(places.globalSettingsFile, "Tools", "Grep", grep.c_str()));
  EXPECT_EQ(build::RunGrep(build::SystemProcessRunner(), places, io_, "find *.c"), build::kRunSucceeded);
  EXPECT_EQ(console_, (std::vector<std::string>{"*GREP...", "\"" + grep + "\" -n find *.c", " - ",
                                                "Found in C:\\src\\a.c 000012 ",
                                                "Found in C:\\src\\a.c 000040 "}));
}

}  // namespace
