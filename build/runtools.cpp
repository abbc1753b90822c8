// The portable half of running tools: output bytes into console lines, the run lock, quoting.
#include "build/runtools.h"

#include <cstring>

namespace build {

ToolOutputLines::ToolOutputLines(const LineFilter& filter, const ConsoleSink& console)
    : filter_(filter), console_(console) {
  line_.reserve(kLineBufferBytes);
}

std::size_t ToolOutputLines::Feed(const char* bytes, std::size_t count) {
  std::size_t delivered = 0;
  const char* end = bytes + count;
  while (bytes < end) {
    const void* found = std::memchr(bytes, '\n', static_cast<std::size_t>(end - bytes));
    if (found == nullptr) {
      AppendCharacters(bytes, static_cast<std::size_t>(end - bytes));
      break;
    }
    const char* lineFeed = static_cast<const char*>(found);
    const std::size_t length = static_cast<std::size_t>(lineFeed - bytes);
    if (line_.empty() && length <= kMaxLineCharacters) {
      // The whole line lies in this piece: deliver it from here without copying it first.
      Deliver(bytes, length > 0 && bytes[length - 1] == '\r' ? length - 1 : length);
    } else {
      AppendCharacters(bytes, length);
      if (!line_.empty() && line_.back() == '\r') line_.pop_back();
      Deliver(line_.data(), line_.size());
      line_.clear();
    }
    ++delivered;
    bytes = lineFeed + 1;
  }
  return delivered;
}

// Characters other than line feeds. The buffer goes out as a line of its own only when it is full
// and another character arrives, exactly when a byte-at-a-time reader would have to flush it.
void ToolOutputLines::AppendCharacters(const char* bytes, std::size_t count) {
  while (count > 0) {
    if (line_.size() == kMaxLineCharacters) {
      Deliver(line_.data(), line_.size());
      line_.clear();
    }
    const std::size_t room = kMaxLineCharacters - line_.size();
    const std::size_t take = count < room ? count : room;
    line_.append(bytes, take);
    bytes += take;
    count -= take;
  }
}

void ToolOutputLines::Finish() {
  if (!line_.empty() && line_.back() == '\r') line_.pop_back();
  if (!line_.empty()) Deliver(line_.data(), line_.size());
  line_.clear();
}

void ToolOutputLines::Deliver(const char* text, std::size_t length) {
  const void* zero = std::memchr(text, '\0', length);
  if (zero != nullptr) length = static_cast<std::size_t>(static_cast<const char*>(zero) - text);
  const std::string line(text, length);
  if (!filter_) {
    if (console_) console_(line);
    return;
  }
  output_.clear();
  if (filter_(output_, line) != 0) errorSeen_ = true;
  if (console_) console_(output_);
}

namespace {
bool gRunLocked = false;
}  // namespace

RunLock::RunLock() : held_(!gRunLocked) {
  if (held_) gRunLocked = true;
}

RunLock::~RunLock() {
  if (held_) gRunLocked = false;
}

bool IsRunLocked() { return gRunLocked; }

std::string QuoteProgramPath(const std::string& path) {
  if (path.find(' ') == std::string::npos || (!path.empty() && path[0] == '"')) return path;
  return "\"" + path + "\"";
}

}  // namespace build
