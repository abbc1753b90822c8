// Helpers shared by the host and Windows implementations of the platform layer.
#pragma once

#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace platform {

bool CreateShouldFail();
// How many of `asked` bytes the failure hook lets through when `alreadyWritten` bytes went before.
std::size_t AllowedWrite(std::size_t asked, std::size_t alreadyWritten);
std::string TemporaryNameFor(const std::string& path);
bool MatchesPattern(const char* name, const char* pattern);
std::string FormatFileTime(int year, int month, int day, int hour, int minute);

}  // namespace platform
