// The trace channel: formatted diagnostic lines for the outside trace monitor window, and
// optionally for a log file beside the program.
//
// The monitor is a top-level window of class "DLGCLASSTOOL" titled "MESSAGE", looked up once at
// start-up by FindMonitor (before anything is traced). Each line is sent to it as its window text
// (WM_SETTEXT) with wParam 0; history dumps use wParam 1; a monitor command is WM_COMMAND with the
// command in wParam and its value in lParam. Without a monitor every call does nothing, unless
// "System"/"TraceLog" of the global settings file is "1": then every line, dump and command is also
// appended to "Orvantel.log" beside the program (a new log each run).
//
// Callers write "\r\n" themselves where a line ends, as in printf:
//   diag::Trace("Register WndClasses\r\n");
//   diag::Trace("FileName: %s\r\n", fileName);
// A line longer than the trace buffer (kTraceBufferSize - 1 characters) is cut.
//
// Only the user-interface thread traces: the buffer is shared and has no lock.
#pragma once

#include <cstddef>
#include <string>

namespace diag {

constexpr std::size_t kTraceBufferSize = 2048;
// Monitor wParam values: a trace line, and a line of the call-history dump.
constexpr unsigned kTraceText = 0;
constexpr unsigned kTraceHistory = 1;
// Monitor command sent by the fault report (with value 0).
constexpr int kMonitorCommand = 302;

// Where trace output goes. Each function may be null. The Windows build makes one in FindMonitor;
// tests pass their own.
struct TraceSink {
  void* context = nullptr;
  // Sends `text` to the monitor as its window text with `wParam`.
  void (*sendText)(void* context, const char* text, unsigned wParam) = nullptr;
  // Sends the monitor `command` with `value`.
  void (*sendCommand)(void* context, int command, int value) = nullptr;
  // Appends `text` to the log file as it is (no line end added).
  void (*appendLog)(void* context, const char* text) = nullptr;
};

// Windows build: looks up the monitor window and remembers it (or none); reads "System"/"TraceLog"
// from the global settings file beside the program and starts the log when it is "1".
void FindMonitor();

// Replaces where trace output goes (a sink with no functions drops everything).
void SetTraceSink(const TraceSink& sink);
// True when trace output goes anywhere (a monitor or the log).
bool TraceEnabled();

// Formats with printf conventions into the trace buffer and sends it as a line (wParam 0).
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Sends a text as it is with the given wParam (kTraceText or kTraceHistory).
void TraceText(const char* text, unsigned wParam);
// Sends the monitor command 302 with `value`.
void TraceCommand(int value);

}  // namespace diag
