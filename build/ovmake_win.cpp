// What ovmake.exe takes from Windows itself.
#include "build/ovmake_win.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace ovmake {
namespace {

void WriteLine(std::FILE* stream, const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fputc('\n', stream);  // the stream is in text mode: CR LF on Windows
  std::fflush(stream);
}

}  // namespace

std::string ProgramPath() {
  // Paths may be longer than MAX_PATH; the buffer grows until the whole path fits.
  std::vector<char> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 6; ++attempt) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
  return std::string();
}

void WriteStandardOutput(const std::string& line) { WriteLine(stdout, line); }
void WriteStandardError(const std::string& line) { WriteLine(stderr, line); }

}  // namespace ovmake
