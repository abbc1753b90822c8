// Dispatching the messages that wait while a long command runs.
#include "shell/messagepump_win.h"

#include <windows.h>

namespace shell {

void LetPendingMessagesRun() {
  MSG message;
  // Bounded: a window that keeps posting to itself cannot hold the command here forever.
  for (int n = 0; n < 10000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++n) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace shell
