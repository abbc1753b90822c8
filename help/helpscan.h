// Scanning Windows help files: does a file hold a keyword, and what is its title.
//
// Both scans read the file in windows of at most 32768 bytes; after each window the position steps
// back 128 bytes, so consecutive windows overlap and anything up to 129 bytes long is seen whole in
// one of them. The scan ends with the window that reaches the end of the file. Files of 128 bytes
// or less are never scanned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace help {

constexpr std::size_t kScanWindow = 32768;
constexpr std::size_t kScanOverlap = 128;
constexpr std::size_t kMaxTitle = 511;

enum ScanResult {
  kFound = 1,
  kNotFound = 0,
  kNoMemory = -1,
  kNotOpened = -2,
};

// Reads up to `count` bytes of the file at `offset` into `dest`; returns how many it read.
using ReadAtFn = std::function<std::size_t(std::uint64_t offset, char* dest, std::size_t count)>;

// Looks for `keyword` (case-sensitive) in a file of `size` bytes. kFound, kNotFound, or kNoMemory
// when the window cannot be had. An empty keyword counts as found in any file that is scanned.
// A keyword longer than the overlap widens the overlap to its length less one, so it is found
// across a window boundary too; one longer than half a window is never found.
int ScanForKeyword(std::uint64_t size, const ReadAtFn& read, const std::string& keyword);

// The title of a help file: the zero-terminated text (at most kMaxTitle characters, cut at the end
// of the file) that starts 16 bytes after the first system header, the bytes 0x6C, 0x03, a minor
// version of 15, 21, 27 or 33, any byte, and 0x01. Empty without such a header.
std::string ScanForTitle(std::uint64_t size, const ReadAtFn& read);

// Both scans on a file, read through the platform layer. Returns kFound (then `title`, when given,
// receives the file's title), kNotFound, kNoMemory, or kNotOpened for a file that cannot be opened.
int ScanHelpFile(const std::string& path, const std::string& keyword, std::string* title);

}  // namespace help
