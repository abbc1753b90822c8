// The trace channel: formatting, where lines go, and silence without a monitor.
#include "shell/trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder {
  std::vector<std::string> events;
};

void RecordText(void* context, const char* text, unsigned wParam) {
  static_cast<Recorder*>(context)->events.push_back("text " + std::to_string(wParam) + " " + text);
}
void RecordCommand(void* context, int command, int value) {
  static_cast<Recorder*>(context)->events.push_back("command " + std::to_string(command) + " " +
                                                    std::to_string(value));
}
void RecordLog(void* context, const char* text) {
  static_cast<Recorder*>(context)->events.push_back(std::string("log ") + text);
}

class TraceTest : public ::testing::Test {
 protected:
  void TearDown() override { diag::SetTraceSink(diag::TraceSink{}); }
  void UseMonitor(bool withLog) {
    diag::TraceSink sink;
    sink.context = &recorder_;
    sink.sendText = &RecordText;
    sink.sendCommand = &RecordCommand;
    if (withLog) sink.appendLog = &RecordLog;
    diag::SetTraceSink(sink);
  }
  Recorder recorder_;
};

TEST_F(TraceTest, FormatsWithPrintfConventionsAndSendsWithWParamZero) {
  UseMonitor(false);
  diag::Trace("FileName: %s\r\n", "C:\\P\\a.c");
  diag::Trace("Ide-Debug-Version %s", "");
  ASSERT_EQ(recorder_.events.size(), 2u);
  EXPECT_EQ(recorder_.events[0], "text 0 FileName: C:\\P\\a.c\r\n");
  EXPECT_EQ(recorder_.events[1], "text 0 Ide-Debug-Version ");
}

TEST_F(TraceTest, CommandGoesToTheMonitorAs302) {
  UseMonitor(false);
  diag::TraceCommand(0);
  ASSERT_EQ(recorder_.events.size(), 1u);
  EXPECT_EQ(recorder_.events[0], "command 302 0");
}

TEST_F(TraceTest, TheLogGetsEveryLineDumpAndCommand) {
  UseMonitor(true);
  diag::Trace("Register WndClasses\r\n");
  diag::TraceText("CALLING HISTORY\r\n", diag::kTraceHistory);
  diag::TraceCommand(0);
  std::vector<std::string> expected = {
      "text 0 Register WndClasses\r\n", "log Register WndClasses\r\n",
      "text 1 CALLING HISTORY\r\n",     "log CALLING HISTORY\r\n",
      "command 302 0",                  "log [command 302, 0]\r\n",
  };
  EXPECT_EQ(recorder_.events, expected);
}

TEST_F(TraceTest, WithoutMonitorOrLogNothingIsSent) {
  EXPECT_FALSE(diag::TraceEnabled());
  diag::Trace("lost %d\r\n", 1);
  diag::TraceCommand(0);
  diag::TraceText("lost", diag::kTraceHistory);
  EXPECT_TRUE(recorder_.events.empty());
}

TEST_F(TraceTest, ALineLongerThanTheBufferIsCut) {
  UseMonitor(false);
  std::string longText(5000, 'x');
  diag::Trace("%s\r\n", longText.c_str());
  ASSERT_EQ(recorder_.events.size(), 1u);
  EXPECT_EQ(recorder_.events[0], "text 0 " + std::string(diag::kTraceBufferSize - 1, 'x'));
}

TEST_F(TraceTest, LogOnlySinkCountsAsEnabled) {
  diag::TraceSink sink;
  sink.context = &recorder_;
  sink.appendLog = &RecordLog;
  diag::SetTraceSink(sink);
  EXPECT_TRUE(diag::TraceEnabled());
  diag::Trace("Enter Messageloop\r\n");
  ASSERT_EQ(recorder_.events.size(), 1u);
  EXPECT_EQ(recorder_.events[0], "log Enter Messageloop\r\n");
}

}  // namespace
