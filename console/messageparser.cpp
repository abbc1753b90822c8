// Navigation parsers for the Borland and Microsoft message forms.
#include "console/messageparser.h"

#include <climits>
#include <cstddef>
#include <cstring>

#include "shell/profiles.h"

namespace console {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// The value of the leading digits of a number token, read the way the token buffer holds it: cut
// to kNumberTokenBytes - 1 characters, saturating at INT_MAX. No leading digit gives 0.
int TokenValue(const std::string& text, std::size_t from, std::size_t to) {
  char token[kNumberTokenBytes];
  std::size_t length = 0;
  while (from < to && length < sizeof token - 1) token[length++] = text[from++];
  token[length] = '\0';
  long long value = 0;
  for (std::size_t i = 0; i < length && IsDigit(token[i]); ++i) {
    value = value * 10 + (token[i] - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

// Prefix, then exactly four digits and a blank ("Error E2451 ").
bool StartsWithCodedPrefix(const std::string& line, const char* prefix) {
  const std::size_t length = std::strlen(prefix);
  if (!StartsWith(line, prefix) || line.size() < length + 5) return false;
  for (std::size_t i = length; i < length + 4; ++i) {
    if (!IsDigit(line[i])) return false;
  }
  return line[length + 4] == ' ';
}

// Where the file name starts, or npos for a line that names no file.
std::size_t FileNameOffset(const std::string& line) {
  if (StartsWith(line, "Marker: ")) return 9;
  if (StartsWith(line, "Found in ")) return 9;
  if (StartsWithCodedPrefix(line, "Error E")) return 12;
  if (StartsWithCodedPrefix(line, "Warning W")) return 14;
  if (StartsWithCodedPrefix(line, "Fatal F")) return 12;
  if (StartsWith(line, "Error ") && !StartsWith(line, "Error messages")) return 6;
  if (StartsWith(line, "Warning ")) return 8;
  return std::string::npos;
}

// The token after the blank at `blank` is a line token when it ends at a blank and holds only
// digits and ":"; `tokenEnd` receives the position of that ending blank.
bool IsLineTokenAfter(const std::string& line, std::size_t blank, std::size_t& tokenEnd) {
  std::size_t at = blank + 1;
  while (at < line.size() && line[at] != ' ') {
    if (!IsDigit(line[at]) && line[at] != ':') return false;
    ++at;
  }
  tokenEnd = at;
  return at < line.size();
}

}  // namespace

bool ParseBorlandMessage(const std::string& line, std::string& fileName, int& lineNumber) {
  fileName.clear();
  int blanks = 0;
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (line[at] != ' ' || ++blanks < 2) continue;
    std::size_t tokenEnd = 0;
    if (!IsLineTokenAfter(line, at, tokenEnd)) continue;
    const std::size_t offset = FileNameOffset(line);
    if (offset != std::string::npos && at > offset) fileName = line.substr(offset, at - offset);
    lineNumber = TokenValue(line, at + 1, tokenEnd);
    return true;
  }
  return false;
}

bool ParseMicrosoftMessage(const std::string& line, std::string& fileName, int& lineNumber) {
  fileName.clear();
  const std::size_t open = line.rfind('(');
  if (open == std::string::npos) return false;
  std::size_t close = line.find(')', open + 1);
  if (close == std::string::npos) close = line.size();
  fileName = line.substr(0, open);
  lineNumber = TokenValue(line, open + 1, close);
  return true;
}

bool ParseConsoleLine(int profileId, const std::string& line, std::string& fileName, int& lineNumber) {
  switch (profileId) {
    case settings::kProfileIdBorland:
      return ParseBorlandMessage(line, fileName, lineNumber);
    case settings::kProfileIdVisualToolkit:
    case settings::kProfileIdDigitalMars:
      if (StartsWith(line, "Marker: ") || StartsWith(line, "Found in ")) {
        return ParseBorlandMessage(line, fileName, lineNumber);
      }
      return ParseMicrosoftMessage(line, fileName, lineNumber);
    default:
      fileName.clear();
      return false;
  }
}

bool ParseConsoleLine(const std::string& line, std::string& fileName, int& lineNumber) {
  return ParseConsoleLine(settings::CurrentProfileId(), line, fileName, lineNumber);
}

}  // namespace console
