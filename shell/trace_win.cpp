// The trace channel's Windows half: the monitor window and the optional log file beside the program.
#include <windows.h>

#include <string>

#include "shell/settingsfile.h"
#include "shell/settingspaths.h"
#include "shell/trace.h"

namespace diag {

namespace {

// Our own key: "1" writes every trace line to "Orvantel.log" beside the program as well.
constexpr char kTraceLogSection[] = "System";
constexpr char kTraceLogKey[] = "TraceLog";
constexpr char kTraceLogFile[] = "Orvantel.log";
// A monitor that does not answer within this time loses the line rather than hang the program.
constexpr UINT kMonitorTimeoutMs = 2000;

struct TraceTargets {
  HWND monitor = nullptr;     // borrowed: the monitor belongs to another program
  HANDLE log = INVALID_HANDLE_VALUE;  // open for the whole run, closed by the system at exit
};

TraceTargets gTargets;

void SendToMonitor(void* context, const char* text, unsigned wParam) {
  auto* targets = static_cast<TraceTargets*>(context);
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(targets->monitor, WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG | SMTO_NORMAL, kMonitorTimeoutMs, &answer);
}

void SendCommandToMonitor(void* context, int command, int value) {
  auto* targets = static_cast<TraceTargets*>(context);
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(targets->monitor, WM_COMMAND, static_cast<WPARAM>(command),
                      static_cast<LPARAM>(value), SMTO_ABORTIFHUNG | SMTO_NORMAL, kMonitorTimeoutMs,
                      &answer);
}

void AppendToLog(void* context, const char* text) {
  auto* targets = static_cast<TraceTargets*>(context);
  DWORD written = 0;
  WriteFile(targets->log, text, static_cast<DWORD>(lstrlenA(text)), &written, nullptr);
}

std::string ProgramPath() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return std::string();
  return std::string(path, length);
}

HANDLE OpenLog(const std::string& programPath) {
  std::string settingsPath = settings::GlobalSettingsPath(programPath);
  if (settingsPath.empty()) return INVALID_HANDLE_VALUE;
  std::string flag = settings::ReadText(settingsPath, kTraceLogSection, kTraceLogKey, "", 4);
  if (flag != "1") return INVALID_HANDLE_VALUE;
  std::string logPath = settings::FileBesideProgram(programPath, kTraceLogFile);
  if (logPath.empty()) return INVALID_HANDLE_VALUE;
  return CreateFileA(logPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

void FindMonitor() {
  gTargets.monitor = FindWindowA("DLGCLASSTOOL", "MESSAGE");
  if (gTargets.log == INVALID_HANDLE_VALUE) gTargets.log = OpenLog(ProgramPath());

  TraceSink sink;
  sink.context = &gTargets;
  if (gTargets.monitor != nullptr) {
    sink.sendText = &SendToMonitor;
    sink.sendCommand = &SendCommandToMonitor;
  }
  if (gTargets.log != INVALID_HANDLE_VALUE) sink.appendLog = &AppendToLog;
  SetTraceSink(sink);
}

}  // namespace diag
