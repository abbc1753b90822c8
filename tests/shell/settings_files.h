// Helpers of the settings tests: put exact bytes into a file and read them back.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace testsupport {

inline void PutFile(const std::string& path, const std::string& bytes) {
  platform::WriteWholeFile(path, bytes.data(), bytes.size());
}

// The file's bytes, or "<missing>" when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::vector<char> block;
  int n = platform::ReadWholeFile(path, block);
  if (n < 0) return "<missing>";
  return std::string(block.data(), static_cast<std::size_t>(n));
}

}  // namespace testsupport
