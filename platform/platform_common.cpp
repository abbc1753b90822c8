// Platform pieces shared by the host and Windows builds: failure hooks and name patterns.
#include "platform/platform_internal.h"

#include <cctype>

namespace platform {
namespace {
long long gWriteAllowance = -1;  // bytes a write may still transfer; -1: no limit
bool gCreateFails = false;
}  // namespace

void FailWritesAfter(long long bytes) { gWriteAllowance = bytes < 0 ? -1 : bytes; }
void FailCreate(bool on) { gCreateFails = on; }
void ResetFailures() {
  gWriteAllowance = -1;
  gCreateFails = false;
}

bool CreateShouldFail() { return gCreateFails; }

std::size_t AllowedWrite(std::size_t asked, std::size_t alreadyWritten) {
  if (gWriteAllowance < 0) return asked;
  long long left = gWriteAllowance - static_cast<long long>(alreadyWritten);
  if (left <= 0) return 0;
  return static_cast<std::size_t>(left) < asked ? static_cast<std::size_t>(left) : asked;
}

std::string TemporaryNameFor(const std::string& path) { return path + ".~new"; }

// '*' matches any run, '?' one character; letters compare without regard to case.
bool MatchesPattern(const char* name, const char* pattern) {
  const char* starPattern = nullptr;
  const char* starName = nullptr;
  while (*name) {
    if (*pattern == '*') {
      starPattern = ++pattern;
      starName = name;
    } else if (*pattern == '?' ||
               std::tolower(static_cast<unsigned char>(*pattern)) ==
                   std::tolower(static_cast<unsigned char>(*name))) {
      ++pattern;
      ++name;
    } else if (starPattern) {
      pattern = starPattern;
      name = ++starName;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == 0;
}

std::string FormatFileTime(int year, int month, int day, int hour, int minute) {
  char text[64];
  std::snprintf(text, sizeof text, "%d-%.2d-%.2d  %.2d:%.2d", year, month, day, hour, minute);
  return text;
}

}  // namespace platform
