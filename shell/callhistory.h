// The call-history ring: the last 32 function entries and exits of the program's own code, dumped
// to the trace monitor when a fault is reported.
//
// A slot holds the identifier of an entered function (its code address) or 0 for an exit. Enter and
// Leave store one slot and advance the write index, wrapping from 32 to 0, so the ring always holds
// the last 32 events, oldest first from the slot at the write index.
//
// How code is recorded. Nobody writes Enter/Leave by hand. A target whose functions belong in the
// history is compiled with the compiler's function instrumentation: in CMake,
//   orv_call_history(<target>)            (shell/support.cmake)
// adds -finstrument-functions (leaving out the standard library's and the system's headers), and
// on the program also writes the linker map "Orvantel.map" beside it. The compiler then calls
// __cyg_profile_func_enter at every entry and __cyg_profile_func_exit before every return of every
// function of that target, window procedures included; both hooks are defined here and do nothing
// but Enter(function address) and Leave(). The monitor finds names for the addresses in the map.
// Window code needs nothing else: a window procedure built into an instrumented target is recorded
// like any other function. Code that must not be recorded (the hooks themselves, the fault guard's
// recovery path) is marked __attribute__((no_instrument_function)).
//
// Only the user-interface thread runs instrumented code; the ring has no lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace diag {

constexpr unsigned kHistorySlots = 32;
// The dump's text holds at most this many characters.
constexpr std::size_t kHistoryTextMax = 511;

struct CallHistory {
  std::uintptr_t slots[kHistorySlots];
  unsigned index;  // the next slot written, 0 to 31
};

// The process-wide ring; zero at start, never cleared.
extern CallHistory gCallHistory;

// The hooks: a store and an index increment, no call, no allocation.
__attribute__((no_instrument_function, always_inline)) inline void Enter(std::uintptr_t function) {
  gCallHistory.slots[gCallHistory.index] = function;
  gCallHistory.index = (gCallHistory.index + 1) % kHistorySlots;
}
__attribute__((no_instrument_function, always_inline)) inline void Leave() {
  gCallHistory.slots[gCallHistory.index] = 0;
  gCallHistory.index = (gCallHistory.index + 1) % kHistorySlots;
}

// The dump's text: `mapPath`, ";", then for each slot from the one after the write index up to,
// but not including, the write index, its value in upper-case hexadecimal ("%X") and ",". When
// that would pass kHistoryTextMax characters, the text ends after the last whole entry that fits
// (a map path that alone is too long is cut).
std::string HistoryText(const CallHistory& history, const std::string& mapPath);

// Sends "CALLING HISTORY\r\n" and then HistoryText(gCallHistory, mapPath) to the trace monitor,
// both with wParam 1. Nothing happens without a monitor (or log).
void DumpHistory(const std::string& mapPath);

// The map file path: the program's folder followed by "\Orvantel.map", formed at start-up from the
// program's full path like the global settings path. Empty until formed, or when too long.
void FormMapFilePath(const std::string& programPath);
const std::string& MapFilePath();

}  // namespace diag
