// The portable half of running tools: output bytes into console lines, the one-run-at-a-time lock,
// and quoting a program path for a command line.
#pragma once

#include <cstddef>
#include <string>

#include "build/processrunner.h"

namespace build {

// The line buffer holds this many bytes, terminator included: a line longer than
// kLineBufferBytes - 1 characters reaches the console in pieces of that length.
constexpr std::size_t kLineBufferBytes = 2048;
constexpr std::size_t kMaxLineCharacters = kLineBufferBytes - 1;

// Turns a tool's output bytes into console lines, in whatever pieces they arrive.
//
// Contract (the same lines as reading one byte at a time):
// - a line feed ends a line; one carriage return right before it is dropped. A lone carriage
//   return is an ordinary character.
// - a line is cut at its first zero byte, as the console takes zero-terminated text.
// - when the buffer holds kMaxLineCharacters characters and a further character other than a line
//   feed arrives, the buffer goes out as a line of its own and the character starts the next one.
//   No byte is lost and none is written past the buffer.
// - Finish() delivers what follows the last line feed (one trailing carriage return dropped) as a
//   last line, classified like any other: a final error line without a line feed still fails the
//   step. Nothing is delivered when nothing (or only a carriage return) is left.
// - with a filter, the filter's output is shown and a non-zero answer sets the error flag; without
//   one the line is shown unchanged and nothing counts as an error. No console: nothing is shown
//   but the filter still decides the error flag.
class ToolOutputLines {
 public:
  ToolOutputLines(const LineFilter& filter, const ConsoleSink& console);
  ToolOutputLines(const ToolOutputLines&) = delete;
  ToolOutputLines& operator=(const ToolOutputLines&) = delete;

  // Takes the next `count` bytes of output; returns the number of lines delivered.
  std::size_t Feed(const char* bytes, std::size_t count);
  // The output has ended.
  void Finish();

  bool ErrorSeen() const { return errorSeen_; }

 private:
  void AppendCharacters(const char* bytes, std::size_t count);
  void Deliver(const char* text, std::size_t length);

  LineFilter filter_;
  ConsoleSink console_;
  std::string line_;            // never longer than kMaxLineCharacters
  std::string output_;          // the filter's output buffer, reused from line to line
  bool errorSeen_ = false;
};

// The console line of a request refused because a build or tool run is in progress.
inline constexpr char kBusyRefusalLine[] = "ERROR: A build or tool run is already in progress.";

// One build or tool run at a time. A build command, grep or the debugger holds a RunLock for its
// whole length; a second command finds it taken, writes kBusyRefusalLine and starts nothing.
// The lock is process-wide and not counted: only the holder that took it releases it. The runner
// guards itself separately (a captured run never starts inside another), so a build that holds
// the lock can still run its tools.
class RunLock {
 public:
  RunLock();
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;
  bool Held() const { return held_; }

 private:
  bool held_;
};
bool IsRunLocked();

// A program path as the first word of a command line: in double quotes when it holds a blank (the
// system would otherwise start "C:\Program" or nothing); unchanged without a blank and when it
// starts with a double quote already.
std::string QuoteProgramPath(const std::string& path);

}  // namespace build
