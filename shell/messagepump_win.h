// Letting pending window messages run while a command keeps the user-interface thread busy.
#pragma once

namespace shell {

// Dispatches every message waiting in the thread's queue, then returns. A quit message found on
// the way is posted again and ends the pumping, so the main loop still sees it.
void LetPendingMessagesRun();

}  // namespace shell
