// The headless build host: console lines as output lines, window operations as no-ops.
#include "build/ovmake_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/buildcommands.h"
#include "ovmake_fixture.h"

namespace {

TEST(OvmakeHostTest, AConsoleLineIsAlwaysOneOutputLine) {
  EXPECT_EQ(ovmake::OutputLine("*READY"), "*READY");
  EXPECT_EQ(ovmake::OutputLine("C:\\P\r\nC:\\P\\app.ovp"), "C:\\P  C:\\P\\app.ovp");
  EXPECT_EQ(ovmake::OutputLine("50%\rdone\n"), "50% done ");
  EXPECT_EQ(ovmake::OutputLine(""), "");
}

TEST(OvmakeHostTest, ToolsRunThroughTheRunnerAndEveryOperationIsSafeToCall) {
  ovmaketest::FakeTools runner;
  std::vector<std::string> out;
  build::BuildHost host = ovmake::HeadlessBuildHost(runner, [&](const std::string& line) { out.push_back(line); });

  // The window-side operations exist and do nothing.
  ASSERT_TRUE(host.showConsole && host.pump && host.trace && host.showBusy && host.closeBusy &&
              host.saveIfModified && host.repaintProjectList && host.postCompileCommand && host.openMakeBatch);
  host.showConsole();
  host.pump();
  host.showBusy("Make...", "C:\\P\r\nC:\\P\\app.ovp");
  host.closeBusy();
  host.saveIfModified("C:\\P\\a.c");
  host.repaintProjectList();
  host.postCompileCommand();
  host.openMakeBatch("C:\\P\\makefile.bat");
  host.trace("LINKERCMD: 12");
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(host.runTarget) << "left to the caller that runs --run";

  host.console("*MAKE ALL...");
  build::ToolRun run;
  run.commandLine = "C:\\BC\\BIN\\ilink32 -aa";
  build::RunnerIo io;
  io.console = host.console;
  EXPECT_EQ(host.runTool(run, io), build::kRunSucceeded);
  EXPECT_EQ(runner.ran, (std::vector<std::string>{"ilink32"}));
  EXPECT_EQ(out, (std::vector<std::string>{"*MAKE ALL...", "ilink32 banner"}));
}

TEST(OvmakeHostTest, AnEmptyOutputSinkDropsLines) {
  ovmaketest::FakeTools runner;
  build::BuildHost host = ovmake::HeadlessBuildHost(runner, ovmake::LineSink());
  host.console("*READY");  // must not call an empty function
}

}  // namespace
