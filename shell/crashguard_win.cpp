// The fault guard around the message loop: claiming a fault, returning to the loop, the report.
//
// The vectored handler claims a fault before anything else sees it. Where control goes next
// depends on how the faulting procedure was reached (see crashguard.h):
// - called back by the system from kernel mode: the handler ends that innermost callback with the
//   result 0 (NtCallbackReturn), as the system's own callback dispatcher does on newer releases;
// - caught by something in between (the system's guard around timer procedures): it carries on;
// - otherwise the fault reaches the top-level filter, which resumes the loop at its guard point.
// Wine 8 calls window procedures directly from DispatchMessage and SendMessage, so there the last
// way is the usual one. The report runs when the loop has control again, or from a zero-delay
// thread timer when a modal loop is in between.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "shell/callhistory.h"
#include "shell/crashguard.h"
#include "shell/faultnames.h"
#include "shell/trace.h"

// Nothing on the way from a fault to its report is recorded in the call history: the dump must show
// the calls that led to the fault.
#define ORV_NO_HISTORY __attribute__((no_instrument_function))

namespace diag {

namespace {

constexpr std::size_t kFaultTextSize = 512;

// ntdll's end of a user-mode callback: control returns to the system code that made the callback,
// with the given result. Fails (STATUS_NO_CALLBACK_ACTIVE) when no callback is active.
using CallbackReturnFunction = LONG(NTAPI*)(void* result, ULONG resultLength, LONG status);
constexpr DWORD kSoftwareFault = 255;

struct GuardState {
  DWORD loopThread = 0;         // the thread running the guarded loop; 0 while none runs
  MessageFilter filter = nullptr;
  void* resumePoint[5] = {};    // __builtin_setjmp buffer of the guard point
  void* exceptionChain = nullptr;  // the structured-exception chain head at the guard point
  volatile LONG pending = 0;    // a claimed fault waits for its report
  bool reporting = false;       // the report (and its box) is running
  UINT_PTR timer = 0;           // the zero-delay timer that reports from inside a modal loop
  int faultCount = 0;
  FaultReportHooks hooks;
  PVOID vectoredHandler = nullptr;
  LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
  HMODULE probingModules[3] = {};  // system libraries that catch their own faults
  CallbackReturnFunction callbackReturn = nullptr;
  char faultText[kFaultTextSize] = {};
};

GuardState g;

ORV_NO_HISTORY void* ReadExceptionChain() {
  void* head = nullptr;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}

ORV_NO_HISTORY void WriteExceptionChain(void* head) {
  asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory");
}

ORV_NO_HISTORY bool IsInProbingModule(const void* address) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<LPCSTR>(address), &module)) {
    return false;
  }
  for (HMODULE probing : g.probingModules) {
    if (probing != nullptr && probing == module) return true;
  }
  return false;
}

// Exceptions that are not faults: debugger output, thread naming, unwinding, C++ throws of
// libraries built with other compilers (they catch their own).
ORV_NO_HISTORY bool IsFaultCode(DWORD code) {
  if (code == kSoftwareFault) return true;
  switch (code) {
    case 0x80000001u:  // guard page: the system's stack growth and memory watchers
    case 0x80000026u:  // longjmp unwinding
    case 0xC0000027u:  // unwinding
    case 0xC0000028u:
    case 0xC0000029u:
    case 0xE06D7363u:  // C++ exception of the Microsoft compiler
      return false;
    default:
      break;
  }
  // Only warnings and errors; success and informational codes (debug output 0x40010006, thread
  // names 0x406D1388) are messages, not faults.
  return (code & 0x80000000u) != 0;
}

ORV_NO_HISTORY bool OnLoopThread() {
  return g.loopThread != 0 && g.loopThread == GetCurrentThreadId();
}

ORV_NO_HISTORY void CALLBACK ReportFromTimer(HWND, UINT, UINT_PTR, DWORD);

// The filter: names the fault and writes its line into the fault text. Runs inside exception
// dispatch, so it only formats into a fixed buffer and arms the timer.
ORV_NO_HISTORY void ClaimFault(const EXCEPTION_RECORD& record) {
  std::snprintf(g.faultText, sizeof g.faultText, "%s on address %lX\r\n",
                FaultName(record.ExceptionCode),
                static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(record.ExceptionAddress)));
  InterlockedExchange(&g.pending, 1);
  if (g.timer == 0) g.timer = SetTimer(nullptr, 0, 0, &ReportFromTimer);
}

ORV_NO_HISTORY LONG CALLBACK VectoredFaultHandler(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  if (!OnLoopThread() || !IsFaultCode(record.ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
  // ntdll, kernel32 and kernelbase probe memory under handlers of their own (IsBadReadPtr and the
  // like); their faults are theirs. Our raised fault 255 comes from RaiseException, so it is ours.
  if (record.ExceptionCode != kSoftwareFault && IsInProbingModule(record.ExceptionAddress)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  ClaimFault(record);
  // Ends the innermost callback; returns only when none is active.
  if (g.callbackReturn != nullptr) g.callbackReturn(nullptr, 0, 0);
  return EXCEPTION_CONTINUE_SEARCH;
}

// Leaves the faulting frames for the guard point. Runs on the faulting thread's stack, below
// the guard point, so the jump only ever goes up.
[[noreturn]] ORV_NO_HISTORY void ResumeAtGuardPoint() {
  WriteExceptionChain(g.exceptionChain);
  asm volatile("fnclex");  // a floating-point fault leaves its exception flags pending
  __builtin_longjmp(g.resumePoint, 1);
}

ORV_NO_HISTORY LONG WINAPI TopLevelFaultFilter(EXCEPTION_POINTERS* info) {
  if (OnLoopThread()) {
    // Nothing caught it: whether the vectored handler claimed it or not, the loop survives it.
    ClaimFault(*info->ExceptionRecord);
    ResumeAtGuardPoint();
  }
  return g.previousFilter != nullptr ? g.previousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
}

ORV_NO_HISTORY void AppendAdvice() {
  std::size_t used = std::strlen(g.faultText);
  std::snprintf(g.faultText + used, sizeof g.faultText - used, "%s", kFaultAdvice);
}

ORV_NO_HISTORY void ShowFatalBox(const char* text) {
  if (g.hooks.showWarnBox != nullptr) {
    g.hooks.showWarnBox(nullptr, text, kFaultCaption, kFaultBoxStyle);
  } else {
    MessageBoxA(nullptr, text, kFaultCaption, kFaultBoxStyle);
  }
}

// The handler: busy box away, the trace lines, the history, the monitor command, the box.
ORV_NO_HISTORY void ReportPendingFault() {
  if (g.pending == 0 || g.reporting) return;
  g.reporting = true;
  InterlockedExchange(&g.pending, 0);
  if (g.timer != 0) {
    KillTimer(nullptr, g.timer);
    g.timer = 0;
  }
  ++g.faultCount;
  TraceText(g.faultText, kTraceText);
  if (g.hooks.closeBusyBox != nullptr) g.hooks.closeBusyBox();
  Trace("FATALERROR\r\n");
  DumpHistory(MapFilePath());
  TraceCommand(0);
  AppendAdvice();
  char shown[kFaultTextSize];
  std::memcpy(shown, g.faultText, sizeof shown);
  ShowFatalBox(shown);
  g.reporting = false;
}

ORV_NO_HISTORY void CALLBACK ReportFromTimer(HWND, UINT, UINT_PTR, DWORD) { ReportPendingFault(); }

// One pass of the program's loop until the quit message. Returns its wParam, or -1 when
// GetMessage fails.
ORV_NO_HISTORY int PumpUntilQuit() {
  MSG message;
  for (;;) {
    ReportPendingFault();
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    ReportPendingFault();
    if (g.filter != nullptr && g.filter(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    // A callback ended by a fault may leave the exception chain pointing into its dropped frames;
    // here, between messages, the chain is the guard point's.
    WriteExceptionChain(g.exceptionChain);
  }
}

// The guard point. All state lives in `g`: after a resume the locals of this frame are not
// trusted, so it has none.
ORV_NO_HISTORY __attribute__((noinline)) int GuardedLoop() {
  g.exceptionChain = ReadExceptionChain();
  if (__builtin_setjmp(g.resumePoint) != 0) {
    g.reporting = false;  // a fault inside the report itself ended that report
  }
  return PumpUntilQuit();
}

}  // namespace

void SetFaultReportHooks(const FaultReportHooks& hooks) { g.hooks = hooks; }

bool InstallFaultGuard() {
  if (g.vectoredHandler != nullptr) return true;
  g.probingModules[0] = GetModuleHandleA("ntdll.dll");
  g.probingModules[1] = GetModuleHandleA("kernel32.dll");
  g.probingModules[2] = GetModuleHandleA("kernelbase.dll");
  if (g.probingModules[0] != nullptr) {
    g.callbackReturn = reinterpret_cast<CallbackReturnFunction>(
        reinterpret_cast<void*>(GetProcAddress(g.probingModules[0], "NtCallbackReturn")));
  }
  g.vectoredHandler = AddVectoredExceptionHandler(1, &VectoredFaultHandler);
  if (g.vectoredHandler == nullptr) return false;
  g.previousFilter = SetUnhandledExceptionFilter(&TopLevelFaultFilter);
  return true;
}

int RunGuardedMessageLoop(MessageFilter filter) {
  if (g.loopThread != 0) return -1;
  InstallFaultGuard();
  g.filter = filter;
  g.loopThread = GetCurrentThreadId();
  int exitCode = GuardedLoop();
  g.loopThread = 0;
  g.filter = nullptr;
  if (g.timer != 0) {
    KillTimer(nullptr, g.timer);
    g.timer = 0;
  }
  InterlockedExchange(&g.pending, 0);
  return exitCode;
}

void RaiseTestFault() { RaiseException(kSoftwareFault, 0, 0, nullptr); }

std::string LastFaultText() { return g.faultText; }

int FaultCount() { return g.faultCount; }

}  // namespace diag
