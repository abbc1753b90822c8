// Throughput of RunTools: megabytes per second of tool output reaching a console sink.
//
// Usage: runner_bench [lines [width [repeats]]]   (default 200000 lines of 60 characters, 5 runs)
// The tool is runner_tool_helper.exe beside this program, writing CR LF ended lines in large
// blocks. Each line goes through the build-line classifier, as in a build. Prints the best and the
// median run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "build/runtools_win.h"
#include "console/buildline.h"

int main(int argc, char** argv) {
  const int lineCount = argc > 1 ? std::atoi(argv[1]) : 200000;
  const int width = argc > 2 ? std::atoi(argv[2]) : 60;
  const int repeats = argc > 3 ? std::atoi(argv[3]) : 5;

  char self[MAX_PATH];
  const std::string path(self, GetModuleFileNameA(nullptr, self, sizeof self));
  const std::string helper = path.substr(0, path.rfind('\\') + 1) + "runner_tool_helper.exe";

  long long lines = 0;
  long long characters = 0;
  build::RunnerIo io;
  io.console = [&](const std::string& line) {
    ++lines;
    characters += static_cast<long long>(line.size());
  };
  build::ToolRun run;
  run.commandLine = helper + " bulk " + std::to_string(lineCount) + " " + std::to_string(width);
  run.filter = console::ClassifyBuildLine;

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const double bytes = static_cast<double>(lineCount) * (width + 2);
  std::vector<double> rates;
  for (int i = 0; i < repeats; ++i) {
    lines = 0;
    characters = 0;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    const int result = build::RunTools(run, io);
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    if (result != 0 || lines != lineCount || characters != static_cast<long long>(lineCount) * width) {
      std::printf("run %d: result %d, %lld lines, %lld characters: wrong output\n", i, result, lines, characters);
      return 1;
    }
    rates.push_back(bytes / 1e6 / seconds);
    std::printf("run %d: %.3f s, %.1f MB/s\n", i, seconds, rates.back());
  }
  std::sort(rates.begin(), rates.end());
  std::printf("%d lines of %d characters (%.1f MB incl. CR LF): best %.1f MB/s, median %.1f MB/s\n", lineCount,
              width, bytes / 1e6, rates.back(), rates[rates.size() / 2]);
  return 0;
}
