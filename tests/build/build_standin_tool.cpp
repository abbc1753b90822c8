// Stand-in for the Borland tools in the end-to-end Make test: built four times, as bcc32.exe,
// brcc32.exe, ilink32.exe and tlib.exe (STANDIN_TOOL names the role).
//
// Each prints what its real counterpart prints in the Borland message forms and fails where the
// test wants it to:
//   bcc32    the banner, then the source path and ":"; a source holding BUILD_FAILS_HERE gives
//            "Error E2451 <source> <line>: Undefined symbol 'BUILD_FAILS_HERE' in function main"
//            and no object; otherwise <objects folder from -n, else the current one>\<base>.obj
//   brcc32   the banner; a script holding BUILD_FAILS_HERE gives "Error <script> <line>: ..."
//   ilink32  the banner; every object named must lie in the -j folder (else the current one),
//            otherwise "Fatal: Unable to open file '<object>'"; then writes the output file,
//            named after the first ", ", in the current folder
//   tlib     the banner, then writes the library named by its first argument
// Every tool also appends its command line to standin.log in the folder above its own, so the
// test can see exactly which tools ran.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#ifndef STANDIN_TOOL
#define STANDIN_TOOL "bcc32"
#endif

namespace {

constexpr char kMarker[] = "BUILD_FAILS_HERE";

void Out(const std::string& text) {
  std::string line = text + "\r\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

std::string ReadFileText(const std::string& path) {
  std::string text;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return text;
  char piece[4096];
  std::size_t got;
  while ((got = std::fread(piece, 1, sizeof piece, file)) > 0) text.append(piece, got);
  std::fclose(file);
  return text;
}

void WriteFileText(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

bool FileThere(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string BaseName(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// The line of the marker (1-based), 0 when the text has none.
int MarkerLine(const std::string& text) {
  std::size_t at = text.find(kMarker);
  if (at == std::string::npos) return 0;
  int line = 1;
  for (std::size_t i = 0; i < at; ++i) line += text[i] == '\n';
  return line;
}

void LogCommandLine() {
  char own[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
  std::string folder(own, length);
  folder = folder.substr(0, folder.find_last_of('\\'));
  folder = folder.substr(0, folder.find_last_of('\\'));
  std::string log = ReadFileText(folder + "\\standin.log");
  WriteFileText(folder + "\\standin.log", log + GetCommandLineA() + "\r\n");
}

int Compile(const std::vector<std::string>& args) {
  Out("bcc32 stand-in compiler 1.0");
  std::string objects;
  std::string source;
  for (const std::string& arg : args) {
    if (arg.compare(0, 2, "-n") == 0) objects = arg.substr(2);
    if (!arg.empty() && arg[0] != '-') source = arg;
  }
  Out(source + ":");
  std::string text = ReadFileText(source);
  if (int line = MarkerLine(text)) {
    Out("Error E2451 " + source + " " + std::to_string(line) + ": Undefined symbol '" + kMarker +
        "' in function main");
    Out("*** 1 errors in Compile ***");
    return 1;
  }
  if (text.find("WARN_HERE") != std::string::npos) {
    Out("Warning W8004 " + source + " 2: 'i' is assigned a value that is never used in function main");
  }
  WriteFileText(InFolder(objects, BaseName(source) + ".obj"), "object of " + source);
  return 0;
}

int CompileResource(const std::vector<std::string>& args) {
  Out("brcc32 stand-in resource compiler 1.0");
  Out("(test tool)");
  std::string script = args.empty() ? std::string() : args.back();
  std::string text = ReadFileText(script);
  if (int line = MarkerLine(text)) {
    Out("Error " + script + " " + std::to_string(line) + ": Expecting resource name or resource type name");
    return 1;
  }
  std::size_t dot = script.rfind('.');
  WriteFileText(script.substr(0, dot) + ".res", "resource of " + script);
  return 0;
}

int Link(const std::vector<std::string>& args) {
  Out("ilink32 stand-in linker 1.0");
  std::string objects;
  std::vector<std::string> named;
  std::string output;
  bool afterObjects = false;
  for (const std::string& arg : args) {
    if (arg.compare(0, 2, "-j") == 0) objects = arg.substr(2);
    if (afterObjects) {
      if (output.empty()) output = arg.substr(0, arg.find(','));
      continue;
    }
    if (arg == ",") {
      afterObjects = true;
      continue;
    }
    if (arg.size() > 4 && arg.compare(arg.size() - 4, 4, ".obj") == 0 && arg.compare(0, 2, "c0") != 0) {
      named.push_back(arg);
    }
  }
  for (const std::string& object : named) {
    if (!FileThere(InFolder(objects, object))) {
      Out("Fatal: Unable to open file '" + object + "'");
      return 2;
    }
  }
  WriteFileText(output, "program");
  return 0;
}

int Librarian(const std::vector<std::string>& args) {
  Out("tlib stand-in librarian 1.0");
  if (!args.empty()) WriteFileText(args[0], "library");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  LogCommandLine();
  std::vector<std::string> args(argv + 1, argv + argc);
  const std::string tool = STANDIN_TOOL;
  if (tool == "brcc32") return CompileResource(args);
  if (tool == "ilink32") return Link(args);
  if (tool == "tlib") return Librarian(args);
  return Compile(args);
}
