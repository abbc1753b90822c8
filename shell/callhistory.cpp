// The call-history ring, its text form and the compiler's instrumentation hooks.
#include "shell/callhistory.h"

#include <cstdio>

#include "shell/settingspaths.h"
#include "shell/trace.h"

namespace diag {

CallHistory gCallHistory = {};

namespace {
std::string gMapFilePath;
}

std::string HistoryText(const CallHistory& history, const std::string& mapPath) {
  std::string text = mapPath;
  text += ';';
  if (text.size() > kHistoryTextMax) {
    text.resize(kHistoryTextMax);
    return text;
  }
  const unsigned writeIndex = history.index % kHistorySlots;
  for (unsigned slot = (writeIndex + 1) % kHistorySlots; slot != writeIndex;
       slot = (slot + 1) % kHistorySlots) {
    char entry[24];
    int length = std::snprintf(entry, sizeof entry, "%llX,",
                               static_cast<unsigned long long>(history.slots[slot]));
    if (length < 0 || text.size() + static_cast<std::size_t>(length) > kHistoryTextMax) break;
    text.append(entry, static_cast<std::size_t>(length));
  }
  return text;
}

void DumpHistory(const std::string& mapPath) {
  if (!TraceEnabled()) return;
  TraceText("CALLING HISTORY\r\n", kTraceHistory);
  TraceText(HistoryText(gCallHistory, mapPath).c_str(), kTraceHistory);
}

void FormMapFilePath(const std::string& programPath) {
  gMapFilePath = settings::FileBesideProgram(programPath, "Orvantel.map");
}

const std::string& MapFilePath() { return gMapFilePath; }

}  // namespace diag

// The compiler calls these at every entry and exit of an instrumented function (see the header).
// `function` is the entered function's address; the call site is not kept.
extern "C" __attribute__((no_instrument_function)) void __cyg_profile_func_enter(void* function,
                                                                                 void* callSite) {
  diag::Enter(reinterpret_cast<std::uintptr_t>(function));
}

extern "C" __attribute__((no_instrument_function)) void __cyg_profile_func_exit(void* function,
                                                                                void* callSite) {
  diag::Leave();
}
