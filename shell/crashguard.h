// The fault guard around the program's message loop: a fault while a message is handled becomes a
// "Fatal Error" report, and the loop goes on.
//
// How it works. g++ has no __try/__except, and a C++ exception must never cross the system's
// window-procedure frames, so the guard works below the language: a vectored exception handler
// sees every fault first. It claims a fault that happens on the loop's thread while the loop runs,
// unless system code expects to handle it itself (faults inside ntdll, kernel32 and kernelbase are
// left alone: those libraries probe memory under handlers of their own). Claiming names the fault
// and writes its line into the fault text. Then the faulting code is left:
// - when nothing between the fault and the loop catches it, the top-level exception filter drops
//   the faulting frames and resumes the loop at its guard point, as a longjmp would, with the
//   structured-exception chain reset to the guard point's;
// - when the procedure was called back by the system from kernel mode, that callback is ended with
//   the result 0 and the call that led into it returns normally;
// - when something in between catches the fault (the system does so around timer procedures), it
//   carries on by itself.
// The report then runs as soon as the loop has control again, or from a zero-delay thread timer
// while a modal loop runs in between: trace the fault line, close the busy box, trace "FATALERROR",
// dump the call history, monitor command 302 with 0, append the advice sentence, show the box.
// Only the quit message ends the loop.
//
// Whatever is dropped between the fault and the point where control resumes is not unwound:
// destructors there do not run, and a modal loop left that way does not re-enable its owner. Under
// Wine, each fault in a procedure entered by SendMessage also uses up one of the 64 nested window
// procedure calls Wine allows a thread (posted messages are not counted). That is the price of
// resuming after a fault, and the reason the box advises to save and restart.
//
// Use (start-up):
//   diag::FindMonitor();                       // trace.h, before anything is traced
//   ...
//   diag::FormMapFilePath(programPath);       // callhistory.h, beside the settings path
//   diag::FaultReportHooks hooks;
//   hooks.closeBusyBox = &CloseBusyBoxIfShown; // the program's busy box, may stay null
//   hooks.showWarnBox = &CreateWarnBoxAdapter; // the UI library's warning box; MessageBoxA if null
//   diag::SetFaultReportHooks(hooks);
//   int exitCode = diag::RunGuardedMessageLoop(&KeyboardFilter);
// In the keyboard filter, Ctrl+F12 calls diag::RaiseTestFault().
//
// Only the user-interface thread runs the loop, and only from the program's entry (not from inside
// a window procedure); a fault on any other thread is not claimed.
#pragma once

#include <string>

struct tagMSG;
struct HWND__;

namespace diag {

// Offered every fetched message before it is translated and dispatched; returns true when it
// consumed the message (it is then dropped). May be null: every message is dispatched.
using MessageFilter = bool (*)(tagMSG& message);

struct FaultReportHooks {
  // Called first by the report: when a busy box is shown, destroy it and clear its shown flag.
  void (*closeBusyBox)() = nullptr;
  // Shows the warning box (no owner, the fault text, caption "Fatal Error", style 0x10 = error
  // icon) and returns when the user has closed it. Null: the system's MessageBoxA.
  int (*showWarnBox)(HWND__* owner, const char* text, const char* caption, unsigned style) = nullptr;
};

void SetFaultReportHooks(const FaultReportHooks& hooks);

// Installs the vectored handler (once; later calls do nothing). RunGuardedMessageLoop calls it,
// so start-up need not. False when the system refused the handler: the loop then runs unguarded.
bool InstallFaultGuard();

// The program's message loop: GetMessage until the quit message; each message goes to `filter`,
// and when not consumed to TranslateMessage and DispatchMessage. A fault while a message is handled
// (in the filter, in a window procedure, in anything they call on this thread) is reported as
// above and the loop goes on. Returns the quit message's wParam (the program's exit code).
// Not re-entrant: a second call while one runs returns -1 at once.
int RunGuardedMessageLoop(MessageFilter filter);

// Ctrl+F12: raises the software exception 255, which the guard reports as "UNKNOWN_EXCEPTION" at
// the address where it was raised.
void RaiseTestFault();

// The description of the last fault reported ("ACCESS_VIOLATION on address 401A2C\r\n" followed
// by the advice sentence once the box was shown); empty before the first fault.
std::string LastFaultText();
// How many faults the guard has reported in this run.
int FaultCount();

}  // namespace diag
