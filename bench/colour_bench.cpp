// Speed of row colouring, line-state scanning and text search on generated C sources of 1 MB and
// 10 MB, each against the floor of one pass over the text that counts its line feeds.
//
// Every benchmark reports "x_floor": its CPU time per iteration divided by the floor's on the same
// text. Nothing here may grow faster than the text; on 10 MB every figure stays within 10 floors.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "editor/colourtable.h"
#include "editor/rowcolour.h"
#include "editor/rowstate.h"
#include "editor/textsearch.h"
#include "editor/wordtable.h"

namespace {

// A C source of at least `bytes` bytes with CR LF line ends: functions, comments (line and block,
// some opened in preprocessor lines), strings with escapes, character literals and continued
// macros, the mix an editor meets.
std::string GenerateSource(std::size_t bytes) {
  std::uint32_t seed = 12345;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  static const char* const kLines[] = {
      "#include \"module%d.h\"",
      "#define LIMIT_%d (1 << 4) /* bits */",
      "#define PAIR_%d(a, b) \\",
      "    ((a) + (b))",
      "/* Computes the checksum of block %d.",
      "   The caller owns the buffer. */",
      "static unsigned long checksum_%d(const char* data, int length)",
      "{",
      "    unsigned long sum = 0; // running total",
      "    for (int i = 0; i < length; ++i) {",
      "        if (data[i] == '\\\\' || data[i] == '\"') continue;",
      "        sum = (sum << 5) ^ (unsigned char)data[i];",
      "    }",
      "    printf(\"block %%d: \\\"%%lu\\\"\\n\", %d, sum);",
      "    return sum;",
      "}",
      "",
      "\tswitch (mode_%d) { case 1: break; default: return -1; }",
      "char* names_%d[] = { \"alpha\", \"beta\", \"gamma\" };",
      "    while (count-- > 0) do_work(count); /* keep going */",
  };
  const int lineCount = sizeof kLines / sizeof kLines[0];
  std::string text;
  text.reserve(bytes + 256);
  char line[256];
  int number = 0;
  while (text.size() < bytes) {
    const int pick = static_cast<int>(next() % lineCount);
    std::snprintf(line, sizeof line, kLines[pick], ++number);
    text += line;
    text += "\r\n";
  }
  return text;
}

const std::string& Source(int megabytes) {
  static std::map<int, std::string> sources;
  auto found = sources.find(megabytes);
  if (found == sources.end()) {
    found = sources.emplace(megabytes, GenerateSource(static_cast<std::size_t>(megabytes) << 20)).first;
  }
  return found->second;
}

std::ptrdiff_t CountLineFeeds(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// CPU seconds of this thread, the clock the ratios are taken with (the machine may be shared, so
// wall time would count other programs' work).
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds of the floor on a text: the best of several timed passes.
double FloorSeconds(int megabytes) {
  static std::map<int, double> floors;
  auto found = floors.find(megabytes);
  if (found != floors.end()) return found->second;
  const std::string& text = Source(megabytes);
  double best = 1e9;
  for (int round = 0; round < 30; ++round) {
    const double start = ThreadSeconds();
    benchmark::DoNotOptimize(CountLineFeeds(text));
    best = std::min(best, ThreadSeconds() - start);
  }
  floors[megabytes] = best;
  return best;
}

// Times the loop body `operation` and reports its time per iteration over the floor's as "x_floor".
// `wholeText`: the operation passes over the whole text, so its bytes per second are reported too.
template <class Operation>
void RunAgainstFloor(benchmark::State& state, int megabytes, Operation operation, bool wholeText = true) {
  const double floor = FloorSeconds(megabytes);
  const double start = ThreadSeconds();
  for (auto _ : state) operation();
  const double perIteration = (ThreadSeconds() - start) / static_cast<double>(state.iterations());
  state.counters["x_floor"] = perIteration / floor;
  if (!wholeText) return;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(Source(megabytes).size()));
}

int LastLineStart(const std::string& text) {
  const std::size_t lf = text.rfind('\n', text.size() - 2);
  return lf == std::string::npos ? 0 : static_cast<int>(lf + 1);
}

void BM_FloorCountLineFeeds(benchmark::State& state) {
  const int megabytes = static_cast<int>(state.range(0));
  const std::string& text = Source(megabytes);
  RunAgainstFloor(state, megabytes, [&] { benchmark::DoNotOptimize(CountLineFeeds(text)); });
}

void BM_ScanStateAtLastLine(benchmark::State& state) {
  const int megabytes = static_cast<int>(state.range(0));
  const std::string& text = Source(megabytes);
  const int last = LastLineStart(text);
  RunAgainstFloor(state, megabytes, [&] {
    benchmark::DoNotOptimize(editor::ScanState(text.data(), static_cast<int>(text.size()), last));
  });
}

void BM_ScanLineStates(benchmark::State& state) {
  const int megabytes = static_cast<int>(state.range(0));
  const std::string& text = Source(megabytes);
  RunAgainstFloor(state, megabytes, [&] {
    benchmark::DoNotOptimize(editor::ScanLineStates(text.data(), static_cast<int>(text.size())).size());
  });
}

// What one repaint of a 60-row view costs once the state at its top row is known (kept per line):
// the runs of 60 consecutive rows from the middle of the text.
void BM_RunsOf60Rows(benchmark::State& state) {
  const int megabytes = static_cast<int>(state.range(0));
  const std::string& text = Source(megabytes);
  const int length = static_cast<int>(text.size());
  const std::size_t lf = text.find('\n', text.size() / 2);
  const int top = static_cast<int>(lf + 1);
  const editor::LexState topState = editor::ScanState(text.data(), length, top);
  const editor::ColourTable colours = editor::InitialColourTable();
  const editor::WordTable words = editor::BuildWordTable(colours, "BOOL,HWND,LPARAM,WPARAM,UINT,DWORD");
  const editor::TextWidthFn measure = [](const char*, int count) { return 8 * count; };
  std::size_t runs = 0;
  RunAgainstFloor(state, megabytes, [&] {
    editor::LexState rowState = topState;
    int lineStart = top;
    for (int row = 0; row < 60 && lineStart >= 0; ++row) {
      const editor::RowColours colouring =
          editor::ColourRow(text.data() + lineStart, length - lineStart, rowState, 64, colours, words, measure);
      runs += colouring.runs.size();
      rowState = colouring.next;
      lineStart = editor::NextLineStart(text.data(), length, lineStart + colouring.rowLength);
    }
  }, false);
  benchmark::DoNotOptimize(runs);
}

void BM_SearchAbsentPattern(benchmark::State& state) {
  const int megabytes = static_cast<int>(state.range(0));
  const int flags = static_cast<int>(state.range(1));
  const std::string& text = Source(megabytes);
  RunAgainstFloor(state, megabytes, [&] {
    benchmark::DoNotOptimize(
        editor::SearchText(text.data(), static_cast<int>(text.size()), "checksum_missing", flags));
  });
}

BENCHMARK(BM_FloorCountLineFeeds)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanStateAtLastLine)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanLineStates)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunsOf60Rows)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchAbsentPattern)
    ->Args({1, editor::kSearchCaseSensitive})
    ->Args({10, editor::kSearchCaseSensitive})
    ->Args({1, 0})
    ->Args({10, 0})
    ->Args({10, editor::kSearchWholeWords})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
