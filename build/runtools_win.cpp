// Captured tool runs through pipes and CreateProcess, and detached starts.
#include "build/runtools_win.h"

#include <windows.h>

#include <vector>

#include "build/runtools.h"

namespace build {
namespace {

// Bytes asked of one read: far more than a line, so a fast tool costs few calls.
constexpr DWORD kReadPieceBytes = 65536;
// Failed reads in a row (other than a broken pipe) after which the output counts as ended.
constexpr int kMaxFailedReads = 8;

bool gRunActive = false;

// Closes the handle it owns when it goes out of scope.
class OwnedHandle {
 public:
  OwnedHandle() = default;
  ~OwnedHandle() { Close(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  HANDLE* Out() { Close(); return &handle_; }
  HANDLE Get() const { return handle_; }
  void Close() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HANDLE handle_ = nullptr;
};

// Marks a captured run as active for the length of a scope.
class ActiveRun {
 public:
  ActiveRun() { gRunActive = true; }
  ~ActiveRun() { gRunActive = false; }
  ActiveRun(const ActiveRun&) = delete;
  ActiveRun& operator=(const ActiveRun&) = delete;
};

void Show(const RunnerIo& io, const char* line) {
  if (io.console) io.console(line);
}

void Trace(const RunnerIo& io, const std::string& line) {
  if (io.trace) io.trace(line);
}

// The working directory to hand to CreateProcess: null (the current one) unless it names a folder,
// as a failed change of directory would leave the current one in place.
const char* WorkingDirectoryOrNull(const std::string& folder) {
  if (folder.empty()) return nullptr;
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return nullptr;
  return folder.c_str();
}

// The pipes of one run. The child gets W (standard output), E (standard error, a copy of W) and IR
// (standard input); the IDE keeps R and IW, made non-inheritable so the child does not hold them.
struct RunPipes {
  OwnedHandle outputRead;   // R
  OwnedHandle outputWrite;  // W
  OwnedHandle errorWrite;   // E
  OwnedHandle inputRead;    // IR
  OwnedHandle inputWrite;   // IW
};

bool MakePipes(RunPipes& pipes) {
  SECURITY_ATTRIBUTES inheritable{};
  inheritable.nLength = sizeof inheritable;
  inheritable.lpSecurityDescriptor = nullptr;
  inheritable.bInheritHandle = TRUE;
  const HANDLE self = GetCurrentProcess();

  OwnedHandle outputReadInheritable;
  OwnedHandle inputWriteInheritable;
  if (!CreatePipe(outputReadInheritable.Out(), pipes.outputWrite.Out(), &inheritable, 0)) return false;
  if (!DuplicateHandle(self, pipes.outputWrite.Get(), self, pipes.errorWrite.Out(), 0, TRUE,
                       DUPLICATE_SAME_ACCESS)) {
    return false;
  }
  if (!CreatePipe(pipes.inputRead.Out(), inputWriteInheritable.Out(), &inheritable, 0)) return false;
  if (!DuplicateHandle(self, outputReadInheritable.Get(), self, pipes.outputRead.Out(), 0, FALSE,
                       DUPLICATE_SAME_ACCESS)) {
    return false;
  }
  if (!DuplicateHandle(self, inputWriteInheritable.Get(), self, pipes.inputWrite.Out(), 0, FALSE,
                       DUPLICATE_SAME_ACCESS)) {
    return false;
  }
  return true;
}

// Reads the output until the pipe breaks, or until reads keep failing.
void ReadOutput(HANDLE output, ToolOutputLines& lines, const RunnerIo& io) {
  std::vector<char> piece(kReadPieceBytes);
  int failedReads = 0;
  for (;;) {
    DWORD got = 0;
    const BOOL ok = ReadFile(output, piece.data(), kReadPieceBytes, &got, nullptr);
    if (ok && got > 0) {
      failedReads = 0;
      if (lines.Feed(piece.data(), got) == 0 && io.pump) io.pump();
      continue;
    }
    if (!ok && GetLastError() == ERROR_BROKEN_PIPE) return;
    Trace(io, "Run: ERROR Something bad happened!");
    if (++failedReads >= kMaxFailedReads) return;
  }
}

}  // namespace

int RunTools(const ToolRun& run, const RunnerIo& io) {
  if (gRunActive) {
    Show(io, kBusyRefusalLine);
    return kRunNotStarted;
  }
  ActiveRun active;
  Trace(io, "Run: " + run.commandLine);
  Trace(io, "");

  RunPipes pipes;
  if (!MakePipes(pipes)) return kRunToolMissing;

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdOutput = pipes.outputWrite.Get();
  startup.hStdInput = pipes.inputRead.Get();
  startup.hStdError = pipes.errorWrite.Get();

  std::vector<char> commandLine(run.commandLine.begin(), run.commandLine.end());
  commandLine.push_back('\0');
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr,
                      WorkingDirectoryOrNull(run.workingDirectory), &startup, &process)) {
    Trace(io, "Run: ERROR Can not create process!");
    Show(io, "RunTools Error: Can not create process!");
    return kRunNotStarted;
  }
  OwnedHandle processHandle;
  *processHandle.Out() = process.hProcess;
  CloseHandle(process.hThread);
  // Only the child may hold the write ends now, so the output pipe breaks when it ends; and the
  // input pipe closes at once, so a tool that reads its input is not left waiting for the IDE.
  pipes.outputWrite.Close();
  pipes.errorWrite.Close();
  pipes.inputRead.Close();
  pipes.inputWrite.Close();

  ToolOutputLines lines(run.filter, io.console);
  ReadOutput(pipes.outputRead.Get(), lines, io);
  lines.Finish();

  if (WaitForSingleObject(processHandle.Get(), run.waitMilliseconds) == WAIT_TIMEOUT) {
    Show(io, "RunTools Error: process terminated abnormal!");
    return kRunDidNotEnd;
  }
  return lines.ErrorSeen() ? kRunReportedErrors : kRunSucceeded;
}

bool StartDetachedProcess(const std::string& commandLine, const std::string& workingDirectory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      WorkingDirectoryOrNull(workingDirectory), &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace build
