// Speed of the text store on generated C sources of 1 MB and 10 MB, each figure beside its floor.
//
// Floors: moving the whole text by one byte (the floor for edits, undo and redo) and counting its
// line feeds in one pass (the floor for scans). Each benchmark takes samples of its floor between
// its own iterations, on the store's own block, so that both see the same machine and the same
// memory, and reports "median_us" (the median time
// of one operation), "floor_us" (the median of the floor) and "x_floor" (their ratio). A single
// operation on 10 MB must stay within 10 times its floor. Medians, not means: the machine may be
// shared, and a run descheduled in the middle says nothing about the code. Only the operation named
// is timed: the edits that put the text back between two iterations run outside the clock.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "folvex/textscan.h"
#include "folvex/textstore.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int64_t kOneMB = 1 << 20;
constexpr std::int64_t kTenMB = 10 << 20;

// A C source of exactly `bytes` bytes with CR LF line ends: functions with comments, declarations,
// strings, loops and blank lines, about 30 bytes a line.
std::string MakeCSource(std::int64_t bytes) {
  std::string s;
  s.reserve(static_cast<std::size_t>(bytes) + 512);
  s += "/* generated source */\r\n#include <stdio.h>\r\n#include <string.h>\r\n\r\n";
  for (int f = 0; static_cast<std::int64_t>(s.size()) < bytes; ++f) {
    std::string n = std::to_string(f);
    s += "/* function " + n + ": adds up a table */\r\n";
    s += "static int Sum" + n + "(const int* table, int count)\r\n{\r\n";
    s += "    int total = 0; // running sum\r\n";
    s += "    for (int i = 0; i < count; ++i) {\r\n";
    s += "        if (table[i] > " + n + ") total += table[i];\r\n";
    s += "        else total -= 1;\r\n    }\r\n";
    s += "    printf(\"Sum" + n + " = %d\\n\", total);\r\n";
    s += "    return total;\r\n}\r\n\r\n";
  }
  s.resize(static_cast<std::size_t>(bytes));
  return s;
}

const std::string& Source(std::int64_t bytes) {
  static std::map<std::int64_t, std::string> sources;
  auto found = sources.find(bytes);
  if (found == sources.end()) found = sources.emplace(bytes, MakeCSource(bytes)).first;
  return found->second;
}

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// The floor for scans: a plain count of line feeds, written in blocks of fixed size so that the
// compiler gives it vector instructions at -O2 (a byte-at-a-time count would be a floor far too low
// to mean anything).
std::int64_t CountLineFeeds(const char* t, std::size_t n) {
  std::int64_t total = 0;
  std::size_t i = 0;
  for (; i + 64 <= n; i += 64) {
    unsigned inBlock = 0;
    for (int j = 0; j < 64; ++j) inBlock += t[i + j] == '\n';
    total += inBlock;
  }
  for (; i < n; ++i) total += t[i] == '\n';
  return total;
}

// Times of single operations; keeps the first kMaxSamples (plenty for a median).
class Samples {
 public:
  static constexpr std::size_t kMaxSamples = 200000;
  void Add(double seconds) {
    total_ += seconds;
    if (times_.size() < kMaxSamples) times_.push_back(seconds);
  }
  std::size_t Size() const { return times_.size(); }
  double Total() const { return total_; }
  double Median() {
    if (times_.empty()) return 0;
    std::nth_element(times_.begin(), times_.begin() + static_cast<std::ptrdiff_t>(times_.size() / 2), times_.end());
    return times_[times_.size() / 2];
  }

 private:
  std::vector<double> times_;
  double total_ = 0;
};

enum class Floor { kMemmove, kCountLf };

// Times the operations of one benchmark and, between them, its floor on the store's block. The
// floor is sampled until it has at least kMinFloorSamples and as much time as the operations.
class Timing {
 public:
  static constexpr std::size_t kMinFloorSamples = 16;

  Timing(benchmark::State& state, Floor floor, folvex::TextStore& store)
      : state_(state), floor_(floor), store_(store) {}

  template <typename Op>
  void Time(Op op) {
    Clock::time_point start = Clock::now();
    op();
    Clock::time_point end = Clock::now();
    double seconds = Seconds(start, end);
    state_.SetIterationTime(seconds);
    ops_.Add(seconds);
    if (floors_.Size() < kMinFloorSamples || floors_.Total() < ops_.Total()) SampleFloor();
  }

  void Report() {
    if (floors_.Size() == 0) SampleFloor();
    double op = ops_.Median();
    double floor = floors_.Median();
    state_.counters["median_us"] = op * 1e6;
    state_.counters["floor_us"] = floor * 1e6;
    state_.counters["x_floor"] = op / floor;
  }

 private:
  // The memmove floor shifts the text up by one byte (over its terminator, into the spare bytes
  // every block has) and back again, one sample each, then puts the terminator back.
  void SampleFloor() {
    char* t = store_.BlockData();
    std::size_t n = static_cast<std::size_t>(store_.Length());
    if (floor_ == Floor::kCountLf) {
      Clock::time_point start = Clock::now();
      std::int64_t lf = CountLineFeeds(t, n);
      benchmark::DoNotOptimize(lf);
      floors_.Add(Seconds(start, Clock::now()));
      return;
    }
    Clock::time_point start = Clock::now();
    std::memmove(t + 1, t, n);
    benchmark::ClobberMemory();
    Clock::time_point middle = Clock::now();
    std::memmove(t, t + 1, n);
    benchmark::ClobberMemory();
    Clock::time_point end = Clock::now();
    t[n] = '\0';
    floors_.Add(Seconds(start, middle));
    floors_.Add(Seconds(middle, end));
  }

  benchmark::State& state_;
  Floor floor_;
  folvex::TextStore& store_;  // borrowed: the benchmark's store
  Samples ops_;
  Samples floors_;
};

// A store holding the source, with recording on and an empty history.
void Load(folvex::TextStore& store, std::int64_t bytes) {
  store.SetText(Source(bytes).c_str());
  store.modified = 0;
}

std::int32_t Where(const folvex::TextStore& store, std::int64_t place) {
  return place == 0 ? 0 : (place == 1 ? store.Length() / 2 : store.Length());
}

// The floors alone, timed like everything else (so their ratio shows the spread of the method).
void BM_FloorMemmove(benchmark::State& state) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing floor(state, Floor::kMemmove, store);
  char* t = store.BlockData();
  std::size_t n = static_cast<std::size_t>(store.Length());
  bool up = true;
  for (auto _ : state) {
    floor.Time([&] { up ? std::memmove(t + 1, t, n) : std::memmove(t, t + 1, n); });
    up = !up;
  }
  if (!up) std::memmove(t, t + 1, n);
  t[n] = '\0';
  floor.Report();
}

void BM_FloorCountLf(benchmark::State& state) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing floor(state, Floor::kCountLf, store);
  for (auto _ : state) {
    floor.Time([&] { benchmark::DoNotOptimize(CountLineFeeds(store.Text(), static_cast<std::size_t>(store.Length()))); });
  }
  floor.Report();
}

// range(1): 0 start, 1 middle, 2 end.
void BM_InsertByte(benchmark::State& state) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing timing(state, Floor::kMemmove, store);
  std::int32_t at = Where(store, state.range(1));
  for (auto _ : state) {
    timing.Time([&] { store.Insert("x", at); });
    store.Delete(at, 1);
  }
  timing.Report();
}

void BM_DeleteByte(benchmark::State& state) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing timing(state, Floor::kMemmove, store);
  std::int32_t at = Where(store, state.range(1));
  if (at == store.Length()) --at;
  for (auto _ : state) {
    timing.Time([&] { store.Delete(at, 1); });
    store.Insert("x", at);
  }
  timing.Report();
}

// One iteration: a byte typed at the end and deleted again, both timed.
void BM_TypeAndDeleteAtEnd(benchmark::State& state) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing timing(state, Floor::kMemmove, store);
  for (auto _ : state) {
    timing.Time([&] {
      store.Insert("x", store.Length());
      store.Delete(store.Length() - 1, 1);
    });
  }
  timing.Report();
}

template <typename Scan>
void TimeScan(benchmark::State& state, Scan scan) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing timing(state, Floor::kCountLf, store);
  for (auto _ : state) {
    timing.Time([&] { benchmark::DoNotOptimize(scan(store)); });
  }
  timing.Report();
}

void BM_CountLineEnds(benchmark::State& state) {
  TimeScan(state, [](const folvex::TextStore& s) { return folvex::CountLineEnds(s.Text(), s.Length()); });
}

void BM_LineStartOfLastLine(benchmark::State& state) {
  const std::string& text = Source(state.range(0));
  std::int32_t last = folvex::CountLineEnds(text.c_str(), static_cast<std::int32_t>(text.size()));
  TimeScan(state, [last](const folvex::TextStore& s) { return folvex::LineStart(s.Text(), s.Length(), last); });
}

void BM_LineColumnAtEnd(benchmark::State& state) {
  TimeScan(state, [](const folvex::TextStore& s) {
    return folvex::LineColumn(s.Text(), s.Length(), s.Length()).column;
  });
}

// The step undone and redone is a one-byte insert in the middle of the text.
void BM_Undo(benchmark::State& state) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing timing(state, Floor::kMemmove, store);
  store.Insert("x", store.Length() / 2);
  for (auto _ : state) {
    timing.Time([&] { store.Undo(); });
    store.Redo();
  }
  timing.Report();
}

void BM_Redo(benchmark::State& state) {
  folvex::TextStore store;
  Load(store, state.range(0));
  Timing timing(state, Floor::kMemmove, store);
  store.Insert("x", store.Length() / 2);
  store.Undo();
  for (auto _ : state) {
    timing.Time([&] { store.Redo(); });
    store.Undo();
  }
  timing.Report();
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgName("bytes")->Arg(kOneMB)->Arg(kTenMB)->UseManualTime()->Unit(benchmark::kMicrosecond);
}

void SizesAndPlaces(benchmark::internal::Benchmark* b) {
  b->ArgNames({"bytes", "at"})->UseManualTime()->Unit(benchmark::kMicrosecond);
  for (std::int64_t bytes : {kOneMB, kTenMB}) {
    for (std::int64_t place : {0, 1, 2}) b->Args({bytes, place});
  }
}

BENCHMARK(BM_FloorMemmove)->Apply(Sizes);
BENCHMARK(BM_FloorCountLf)->Apply(Sizes);
BENCHMARK(BM_InsertByte)->Apply(SizesAndPlaces);
BENCHMARK(BM_DeleteByte)->Apply(SizesAndPlaces);
BENCHMARK(BM_TypeAndDeleteAtEnd)->Apply(Sizes);
BENCHMARK(BM_CountLineEnds)->Apply(Sizes);
BENCHMARK(BM_LineStartOfLastLine)->Apply(Sizes);
BENCHMARK(BM_LineColumnAtEnd)->Apply(Sizes);
BENCHMARK(BM_Undo)->Apply(Sizes);
BENCHMARK(BM_Redo)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
