// The command line of ovmake.exe, the batch builder beside the IDE: its modes, its options and the
// paths it is given.
//
//   ovmake [options] PROJECT.ovp
//
// Without a mode option the project is made (the Make command). Options and the project may come
// in any order; "--" ends the options, so a project whose name starts with "-" can be named.
// "--ini PATH" and "--compile FILE" also take the form "--ini=PATH", "--compile=FILE".
#pragma once

#include <string>
#include <vector>

namespace ovmake {

// Exit statuses of ovmake.exe.
constexpr int kExitSucceeded = 0;
constexpr int kExitFailed = 1;  // the build failed: error lines, a missing tool, a failed link
constexpr int kExitUsage = 2;   // bad command line, unreadable project, missing global settings

enum class Mode {
  kMake,      // no option: stale files compiled, the target linked
  kBuildAll,  // --all
  kMakefile,  // --makefile: the make batch "makefile.bat" and nothing else
  kCompile,   // --compile FILE
  kRun,       // --run: make, then start the target when the make succeeded
};

struct Options {
  Mode mode = Mode::kMake;
  bool help = false;        // --help: print the usage, build nothing
  std::string project;      // the project file as given
  std::string compileFile;  // the file of --compile, as given
  std::string ini;          // the --ini file as given; empty: "Orvantel.ini" beside the program
};

struct ParsedCommandLine {
  bool ok = false;
  Options options;
  std::string problem;  // when not ok: what is wrong, one line ("unknown option -x")
};

// Reads the arguments that follow the program name. "--help" anywhere wins over every problem of
// the others. Problems: an unknown option, an option without its value, two modes, an option
// given twice, no project, more than one project, an empty project or file name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help, line by line.
std::vector<std::string> UsageLines();

// `path` as an absolute Windows path, the way the system would open it from `currentDirectory`
// (itself absolute, "C:\Work" or "C:\"): "/" is read as "\", a relative path is taken below the
// current directory, a path starting with "\" on the current directory's drive, "D:x" below the
// root of D: unless the current directory is on D:; then the "." and ".." parts and doubled
// backslashes are removed ("C:\a\..\b\.\c.ovp" -> "C:\b\c.ovp"; ".." at the root stays at the root).
// A UNC path ("\\server\share\...") keeps its first two parts. Empty for an empty path.
std::string AbsolutePath(const std::string& path, const std::string& currentDirectory);

}  // namespace ovmake
