// The command line of ovmake.exe.
#include "build/ovmake_options.h"

#include <cctype>
#include <cstddef>

namespace ovmake {
namespace {

const char* ModeOption(Mode mode) {
  switch (mode) {
    case Mode::kBuildAll: return "--all";
    case Mode::kMakefile: return "--makefile";
    case Mode::kCompile: return "--compile";
    case Mode::kRun: return "--run";
    case Mode::kMake: break;
  }
  return "";
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  ParsedCommandLine Parse() {
    ParsedCommandLine result;
    bool optionsEnded = false;
    for (next_ = 0; next_ < arguments_.size();) {
      const std::string argument = arguments_[next_++];
      if (!optionsEnded && argument == "--") {
        optionsEnded = true;
      } else if (!optionsEnded && IsHelp(argument)) {
        result.options.help = true;
      } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
        Option(argument);
      } else {
        projects_.push_back(argument);
      }
    }
    if (result.options.help) {
      result.ok = true;
      return result;
    }
    if (problem_.empty()) CheckProject();
    result.ok = problem_.empty();
    result.problem = problem_;
    result.options.mode = mode_;
    result.options.compileFile = compileFile_;
    result.options.ini = ini_;
    if (!projects_.empty()) result.options.project = projects_.front();
    return result;
  }

 private:
  static bool IsHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "/?" || argument == "-?";
  }

  void Problem(const std::string& text) {
    if (problem_.empty()) problem_ = text;
  }

  void Option(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const bool attached = equals != std::string::npos;
    const std::string attachedValue = attached ? argument.substr(equals + 1) : std::string();
    if (name == "--all" || name == "--makefile" || name == "--run") {
      if (attached) return Problem("option " + name + " takes no value");
      SetMode(name == "--all" ? Mode::kBuildAll : name == "--makefile" ? Mode::kMakefile : Mode::kRun);
    } else if (name == "--compile") {
      std::string file;
      if (!Value(name, attached, attachedValue, "a file name", file)) return;
      if (mode_ == Mode::kCompile) return Problem("option --compile given twice");
      SetMode(Mode::kCompile);
      compileFile_ = file;
    } else if (name == "--ini") {
      std::string path;
      if (!Value(name, attached, attachedValue, "a path", path)) return;
      if (!ini_.empty()) return Problem("option --ini given twice");
      ini_ = path;
    } else {
      Problem("unknown option " + argument);
    }
  }

  // The value of an option: after its "=", or the next argument. A next argument that is itself an
  // option ("--all") is not taken as the value: the value is missing.
  bool Value(const std::string& name, bool attached, const std::string& attachedValue, const char* what,
             std::string& value) {
    if (attached) {
      value = attachedValue;
    } else if (next_ < arguments_.size() && arguments_[next_].compare(0, 2, "--") != 0) {
      value = arguments_[next_++];
    } else {
      value.clear();
    }
    if (value.empty()) {
      Problem("option " + name + " needs " + what);
      return false;
    }
    return true;
  }

  void SetMode(Mode mode) {
    if (mode_ != Mode::kMake && mode_ != mode) {
      return Problem(std::string("options ") + ModeOption(mode_) + " and " + ModeOption(mode) +
                     " cannot be combined");
    }
    mode_ = mode;
  }

  void CheckProject() {
    if (projects_.empty()) return Problem("no project file given");
    if (projects_.size() > 1) return Problem("more than one project file given: " + projects_[0] + ", " + projects_[1]);
    if (projects_[0].empty()) Problem("the project file name is empty");
  }

  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
  Mode mode_ = Mode::kMake;
  std::string compileFile_;
  std::string ini_;
  std::vector<std::string> projects_;
  std::string problem_;
};

std::string Backslashed(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

bool SameDrive(const std::string& a, const std::string& b) {
  return a.size() >= 2 && b.size() >= 2 && a[1] == ':' && b[1] == ':' &&
         std::toupper(static_cast<unsigned char>(a[0])) == std::toupper(static_cast<unsigned char>(b[0]));
}

// An absolute path cut into its root ("C:\", "\\server\share") and the rest.
void SplitRoot(const std::string& path, std::string& root, std::string& rest) {
  if (path.compare(0, 2, "\\\\") == 0) {
    std::size_t server = path.find('\\', 2);
    std::size_t share = server == std::string::npos ? std::string::npos : path.find('\\', server + 1);
    root = path.substr(0, share);
    rest = share == std::string::npos ? std::string() : path.substr(share + 1);
  } else if (path.size() >= 2 && path[1] == ':') {
    root = path.substr(0, 2) + "\\";
    rest = path.size() > 2 ? path.substr(path[2] == '\\' ? 3 : 2) : std::string();
  } else {
    root.clear();
    rest = path;
  }
}

std::string Collapse(const std::string& root, const std::string& rest) {
  std::vector<std::string> parts;
  for (std::size_t start = 0; start <= rest.size();) {
    std::size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    std::string part = rest.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string path = root;
  for (const std::string& part : parts) {
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += part;
  }
  return path;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  return Parser(arguments).Parse();
}

std::vector<std::string> UsageLines() {
  return {
      "Usage: ovmake [options] PROJECT.ovp",
      "Builds an Orvantel project without the IDE, with the project's own settings.",
      "",
      "  (no option)     make: compile what changed since the last build, then link",
      "  --all           build all: compile every source and resource script, then link",
      "  --makefile      write the make batch makefile.bat in the project folder, nothing else",
      "  --compile FILE  compile one source or resource script",
      "  --run           make, then start the target when the make succeeded",
      "  --ini PATH      the global settings file (default: Orvantel.ini beside ovmake.exe)",
      "  --help          show this text",
      "",
      "Exit status: 0 success; 1 the build failed (error lines, a missing tool, a failed link);",
      "2 a usage error, a project file that cannot be read or a missing global settings file.",
  };
}

std::string AbsolutePath(const std::string& path, const std::string& currentDirectory) {
  const std::string given = Backslashed(path);
  if (given.empty()) return given;
  std::string currentRoot;
  std::string currentRest;
  SplitRoot(Backslashed(currentDirectory), currentRoot, currentRest);

  std::string root;
  std::string rest;
  if (given.compare(0, 2, "\\\\") == 0) {
    SplitRoot(given, root, rest);
  } else if (given.size() >= 2 && given[1] == ':') {
    SplitRoot(given, root, rest);
    const bool driveRelative = given.size() == 2 || given[2] != '\\';
    if (driveRelative && SameDrive(given, currentRoot)) {
      root = currentRoot;
      rest = currentRest + "\\" + rest;
    }
  } else if (given[0] == '\\') {
    root = currentRoot;
    rest = given.substr(1);
  } else {
    root = currentRoot;
    rest = currentRest + "\\" + given;
  }
  return Collapse(root, rest);
}

}  // namespace ovmake
