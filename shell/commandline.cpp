// Taking the project file from the command line.
#include "shell/commandline.h"

namespace shell {

std::string FirstArgument(const char* commandLine) {
  if (!commandLine) return std::string();
  std::string text = commandLine;
  std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return std::string();
  if (text[start] == '"') {
    std::size_t close = text.find('"', start + 1);
    return text.substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1);
  }
  std::size_t end = text.find_first_of(" \t", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace shell
