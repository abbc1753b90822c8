// The make batch "makefile.bat": a Windows batch file that replays a whole build outside the IDE,
// every tool's output appended to "make.txt" in the folder the batch runs in.
//
// One batch is written at a time (process-wide). The first WriteBatchLine after a close starts a
// new batch; CloseBatchFile writes all its lines, each ended by CR LF, as the whole new content of
// the file. The old file is replaced only after the new one was written completely.
#pragma once

#include <string>

namespace build {

inline constexpr char kMakeBatchName[] = "makefile.bat";
// Appended directly (no blank before it) to every tool command in the batch.
inline constexpr char kMakeLogRedirect[] = ">> make.txt";
// The line before each step's command: "ECHO  - " and the file or target it makes.
inline constexpr char kBatchEchoStep[] = "ECHO  - ";

// Where the next batch is written ("<project folder>\makefile.bat").
void SetMakeBatchPath(const std::string& path);
const std::string& MakeBatchPath();

void WriteBatchLine(const std::string& text);
// Writes and closes the batch. True when the file was written or no batch was open; false when it
// could not be written (the lines are dropped; an old file stays as it was).
bool CloseBatchFile();
bool IsBatchFileOpen();
// Whether the batch closed last was written (true before any was closed). The link step closes the
// batch; the Makefile command asks here whether it can be opened.
bool LastBatchWritten();

// A text made safe for a batch line: "^" before each of & | < > ^ that stands outside double
// quotes, and every "%" doubled (the interpreter expands it even inside quotes). Only texts that go
// into the batch are escaped; commands run directly are never changed.
std::string EscapeBatchText(const std::string& text);

// The two lines of one step: "ECHO  - " + `shown`, then `command` + ">> make.txt", both escaped
// before the fixed parts are added.
void WriteBatchStep(const std::string& shown, const std::string& command);

}  // namespace build
