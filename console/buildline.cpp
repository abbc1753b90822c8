// The build-line classifier.
#include "console/buildline.h"

#include <cstddef>
#include <cstring>

namespace console {
namespace {

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// Length of the run of characters at `at` that satisfy `test`.
template <typename Test>
std::size_t RunLength(const std::string& text, std::size_t at, Test test) {
  std::size_t end = at;
  while (end < text.size() && test(text[end])) ++end;
  return end - at;
}

// One to four capital letters followed by four or five digits (and no sixth), starting at `at`.
bool IsMessageCode(const std::string& text, std::size_t at) {
  const std::size_t letters = RunLength(text, at, IsCapital);
  if (letters < 1 || letters > 4) return false;
  const std::size_t digits = RunLength(text, at + letters, IsDigit);
  return digits == 4 || digits == 5;
}

// "error CODE" or "fatal error CODE" starting exactly at `at`.
bool IsMicrosoftCodeAt(const std::string& text, std::size_t at) {
  for (const char* word : {"error ", "fatal error "}) {
    const std::size_t length = std::strlen(word);
    if (text.compare(at, length, word) == 0 && IsMessageCode(text, at + length)) return true;
  }
  return false;
}

bool HasMicrosoftCode(const std::string& text) {
  if (IsMicrosoftCodeAt(text, 0)) return true;
  for (std::size_t at = text.find(": "); at != std::string::npos; at = text.find(": ", at + 1)) {
    if (IsMicrosoftCodeAt(text, at + 2)) return true;
  }
  return false;
}

// DigitalMars: " : Error: ..." or " : Error 8: ..." anywhere in the line.
bool HasDigitalMarsError(const std::string& text) {
  static const char kMark[] = " : Error";
  const std::size_t markLength = sizeof kMark - 1;
  for (std::size_t at = text.find(kMark); at != std::string::npos; at = text.find(kMark, at + 1)) {
    const std::size_t after = at + markLength;
    if (after < text.size() && text[after] == ':') return true;
    if (after < text.size() && text[after] == ' ') {
      const std::size_t digits = RunLength(text, after + 1, IsDigit);
      if (digits > 0 && after + 1 + digits < text.size() && text[after + 1 + digits] == ':') return true;
    }
  }
  return false;
}

// The DigitalMars linker's indented "  Error 42: Symbol Undefined _f".
bool IsIndentedNumberedError(const std::string& text) {
  const std::size_t blanks = RunLength(text, 0, [](char c) { return c == ' '; });
  if (blanks == 0 || text.compare(blanks, 6, "Error ") != 0) return false;
  const std::size_t digitsAt = blanks + 6;
  const std::size_t digits = RunLength(text, digitsAt, IsDigit);
  return digits > 0 && digitsAt + digits < text.size() && text[digitsAt + digits] == ':';
}

// "--- errorlevel N" with a number N other than 0.
bool IsFailedErrorLevel(const std::string& text) {
  static const char kPrefix[] = "--- errorlevel ";
  if (!StartsWith(text, kPrefix)) return false;
  std::size_t at = sizeof kPrefix - 1;
  if (at < text.size() && text[at] == '-') ++at;
  const std::size_t digits = RunLength(text, at, IsDigit);
  if (digits == 0) return false;
  return RunLength(text, at, [](char c) { return c == '0'; }) < digits;
}

}  // namespace

bool IsBuildErrorLine(const std::string& line) {
  if (StartsWith(line, "Error messages")) return false;
  if (StartsWith(line, "Error")) return true;
  if (Contains(line, "fatal error C") || Contains(line, ": error C") || Contains(line, ": error RC")) {
    return true;
  }
  if (HasMicrosoftCode(line)) return true;
  if (Contains(line, "Command line error")) return true;
  if (StartsWith(line, "Fatal")) return true;
  return HasDigitalMarsError(line) || IsIndentedNumberedError(line) || IsFailedErrorLevel(line);
}

int ClassifyBuildLine(std::string& output, const std::string& line) {
  output = line;
  return IsBuildErrorLine(line) ? 1 : 0;
}

}  // namespace console
