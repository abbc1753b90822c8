// The windowed keyword and title scans of help files.
#include "help/helpscan.h"

#include <algorithm>
#include <new>
#include <vector>

#include "platform/platform.h"

namespace help {

namespace {

// Hands each window to `visit(window, count, start)` until it returns true or the file ends.
// Returns kFound when a visit stopped the scan, kNotFound at the end, kNoMemory without a buffer.
int ScanWindows(std::uint64_t size, const ReadAtFn& read, std::size_t overlap,
                const std::function<bool(const char*, std::size_t, std::uint64_t)>& visit) {
  if (size <= kScanOverlap) return kNotFound;
  std::vector<char> window;
  try {
    window.resize(kScanWindow);
  } catch (const std::bad_alloc&) {
    return kNoMemory;
  }
  std::uint64_t start = 0;
  while (start < size) {
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kScanWindow, size - start));
    std::size_t got = std::min(read(start, window.data(), want), want);
    if (got == 0) break;
    if (visit(window.data(), got, start)) return kFound;
    std::uint64_t end = start + got;
    // Stop when stepping back would leave nothing unread beyond the overlap, or a short read
    // would make no progress.
    if (end >= size || got <= overlap) break;
    start = end - overlap;
  }
  return kNotFound;
}

bool IsSystemHeader(const char* p) {
  auto byte = [p](int i) { return static_cast<unsigned char>(p[i]); };
  int minor = byte(2);
  return byte(0) == 0x6C && byte(1) == 0x03 && (minor == 15 || minor == 21 || minor == 27 || minor == 33) &&
         byte(4) == 0x01;
}

}  // namespace

int ScanForKeyword(std::uint64_t size, const ReadAtFn& read, const std::string& keyword) {
  if (size <= kScanOverlap) return kNotFound;
  if (keyword.empty()) return kFound;
  if (keyword.size() > kScanWindow / 2) return kNotFound;
  std::size_t overlap = std::max(kScanOverlap, keyword.size() - 1);
  return ScanWindows(size, read, overlap, [&keyword](const char* window, std::size_t count, std::uint64_t) {
    return std::search(window, window + count, keyword.begin(), keyword.end()) != window + count;
  });
}

std::string ScanForTitle(std::uint64_t size, const ReadAtFn& read) {
  constexpr std::size_t kHeaderBytes = 5;
  constexpr std::uint64_t kTitleOffset = 16;
  std::uint64_t header = 0;
  bool found = false;
  int result =
      ScanWindows(size, read, kScanOverlap, [&](const char* window, std::size_t count, std::uint64_t start) {
        for (std::size_t i = 0; i + kHeaderBytes <= count; ++i) {
          if (IsSystemHeader(window + i)) {
            header = start + i;
            found = true;
            return true;
          }
        }
        return false;
      });
  if (result != kFound || !found || header + kTitleOffset >= size) return std::string();
  std::uint64_t from = header + kTitleOffset;
  std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kMaxTitle, size - from));
  std::string title(want, '\0');
  std::size_t got = std::min(read(from, &title[0], want), want);
  title.resize(got);
  std::size_t zero = title.find('\0');
  if (zero != std::string::npos) title.resize(zero);
  return title;
}

int ScanHelpFile(const std::string& path, const std::string& keyword, std::string* title) {
  std::vector<char> block;
  int length = platform::ReadWholeFile(path, block);
  if (length == platform::kNoMemory) return kNoMemory;
  if (length < 0) return kNotOpened;
  ReadAtFn read = [&block, length](std::uint64_t offset, char* dest, std::size_t count) -> std::size_t {
    if (offset >= static_cast<std::uint64_t>(length)) return 0;
    std::size_t n = std::min<std::size_t>(count, static_cast<std::size_t>(length - offset));
    std::copy(block.data() + offset, block.data() + offset + n, dest);
    return n;
  };
  int result = ScanForKeyword(static_cast<std::uint64_t>(length), read, keyword);
  if (result == kFound && title) *title = ScanForTitle(static_cast<std::uint64_t>(length), read);
  return result;
}

}  // namespace help
