// The trace channel's portable half: formatting into the shared buffer and handing it to the sink.
#include "shell/trace.h"

#include <cstdarg>
#include <cstdio>

namespace diag {

namespace {

TraceSink gSink;
char gTraceBuffer[kTraceBufferSize];

}  // namespace

void SetTraceSink(const TraceSink& sink) { gSink = sink; }

bool TraceEnabled() { return gSink.sendText != nullptr || gSink.appendLog != nullptr; }

void TraceText(const char* text, unsigned wParam) {
  if (text == nullptr) return;
  if (gSink.sendText != nullptr) gSink.sendText(gSink.context, text, wParam);
  if (gSink.appendLog != nullptr) gSink.appendLog(gSink.context, text);
}

void Trace(const char* format, ...) {
  if (!TraceEnabled() || format == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  int length = std::vsnprintf(gTraceBuffer, sizeof gTraceBuffer, format, arguments);
  va_end(arguments);
  if (length < 0) gTraceBuffer[0] = '\0';  // a format error traces an empty line
  TraceText(gTraceBuffer, kTraceText);
}

void TraceCommand(int value) {
  if (gSink.sendCommand != nullptr) gSink.sendCommand(gSink.context, kMonitorCommand, value);
  if (gSink.appendLog != nullptr) {
    char line[48];
    std::snprintf(line, sizeof line, "[command %d, %d]\r\n", kMonitorCommand, value);
    gSink.appendLog(gSink.context, line);
  }
}

}  // namespace diag
