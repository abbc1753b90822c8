// Stand-in tool for the runner's window tests and benchmark: writes what its first argument asks.
//
//   lines       stdout and stderr lines with CR LF, bare LF and a lone CR, an error line, and a
//               last line without a line feed
//   nolf-error  a final Borland error line without a line feed
//   clean       a banner and a warning, no error
//   long        a 10,000-character line, then "after"
//   readinput   reads its input to the end first, then reports how many bytes came (gives up
//               after 20 s so a runner that keeps the input open cannot hang the tests for good)
//   linger      writes one line, closes its output, then stays alive for 3 s
//   cwd         writes its current directory
//   bulk N W    N lines of W characters each, CR LF ended, written in large blocks
//   -n ... / ?  acts as grep: a file header and two match lines
//   anything else: writes each argument on a line of its own
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Write(DWORD which, const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(which), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
void Out(const std::string& text) { Write(STD_OUTPUT_HANDLE, text); }
void Err(const std::string& text) { Write(STD_ERROR_HANDLE, text); }

DWORD WINAPI ReadAllInput(LPVOID count) {
  char piece[512];
  DWORD got = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), piece, sizeof piece, &got, nullptr) && got > 0) {
    *static_cast<DWORD*>(count) += got;
  }
  return 0;
}

// Closes every pipe handle of the process: the standard handles may have been duplicated from the
// inherited ones, and the output only breaks once all of them are gone.
void CloseEveryPipe() {
  for (ULONG_PTR value = 4; value < 65536; value += 4) {
    HANDLE handle = reinterpret_cast<HANDLE>(value);
    if (GetFileType(handle) == FILE_TYPE_PIPE) CloseHandle(handle);
  }
}

int Bulk(int lines, int width) {
  std::string line(static_cast<std::size_t>(width), 'x');
  for (int i = 0; i < width; ++i) line[static_cast<std::size_t>(i)] = static_cast<char>('a' + i % 26);
  line += "\r\n";
  std::string block;
  block.reserve(70000);
  for (int i = 0; i < lines; ++i) {
    block += line;
    if (block.size() >= 65536 - line.size()) {
      Out(block);
      block.clear();
    }
  }
  Out(block);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "lines") {
    Out("out one\r\n");
    Err("err two\n");
    Out("bare lf\n");
    Out("lone\rcr\r\n");
    Err("Error E2451 a.cpp 5: Undefined symbol 'x'\r\n");
    Out("last line");
  } else if (mode == "nolf-error") {
    Out("bcc32 stand-in compiler 1.0\r\n");
    Out("Error E2451 a.cpp 5: Undefined symbol 'x'");
  } else if (mode == "clean") {
    Out("bcc32 stand-in compiler 1.0\r\n");
    Out("Warning W8004 a.cpp 7: 'i' is assigned a value that is never used\r\n");
  } else if (mode == "long") {
    Out(std::string(10000, 'x') + "\r\n");
    Out("after\r\n");
  } else if (mode == "readinput") {
    DWORD count = 0;
    HANDLE reader = CreateThread(nullptr, 0, ReadAllInput, &count, 0, nullptr);
    if (reader == nullptr || WaitForSingleObject(reader, 20000) == WAIT_TIMEOUT) {
      Out("input never ended\r\n");
      ExitProcess(0);
    }
    Out("input ended after " + std::to_string(count) + " bytes\r\n");
  } else if (mode == "linger") {
    Out("leaving the output\r\n");
    CloseEveryPipe();
    FreeConsole();  // the console host may hold copies of the inherited handles too
    Sleep(3000);
  } else if (mode == "cwd") {
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    Out(std::string(folder) + "\r\n");
  } else if (mode == "bulk" && argc > 3) {
    return Bulk(std::atoi(argv[2]), std::atoi(argv[3]));
  } else if (mode == "-n" || mode == "?") {
    Out("File C:\\src\\a.c:\r\n");
    Out("12 int x = find();\r\n");
    Out("40 return find();\r\n");
  } else {
    for (int i = 1; i < argc; ++i) Out(std::string(argv[i]) + "\r\n");
  }
  return 0;
}
