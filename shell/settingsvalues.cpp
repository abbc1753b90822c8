// Colour, window position, window state and line-break texts of the settings files.
#include "shell/settingsvalues.h"

#include <cstdio>

#include "shell/settingsfile.h"
#include "shell/settingskeys.h"

namespace settings {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// The two digits at `at`; digits past the end of the text count as 0.
int HexPair(const std::string& text, std::size_t at) {
  int high = at < text.size() ? HexDigit(text[at]) : 0;
  int low = at + 1 < text.size() ? HexDigit(text[at + 1]) : 0;
  return high * 16 + low;
}

bool ContainsWithoutCase(const std::string& text, const char* word) {
  for (std::size_t start = 0; start < text.size(); ++start) {
    std::size_t i = 0;
    for (; word[i] && start + i < text.size(); ++i) {
      char c = text[start + i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != word[i]) break;
    }
    if (!word[i]) return true;
  }
  return false;
}

// At most `edge` - 32 (computed without overflow for any edge), then at least 0.
int ClampOrigin(int value, int edge) {
  long long highest = static_cast<long long>(edge) - kMinWindowSize;
  if (value > highest) value = highest < 0 ? 0 : static_cast<int>(highest);
  return value < 0 ? 0 : value;
}

}  // namespace

Colour ParseColour(const std::string& text) {
  if (text.empty() || text[0] != '#') return 0;
  return MakeColour(HexPair(text, 1), HexPair(text, 3), HexPair(text, 5));
}

std::string FormatColour(Colour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return text;
}

WindowPosition ParsePosition(const std::string& text, int desktopRight, int desktopBottom) {
  int values[4] = {0, 0, kDefaultWindowWidth, kDefaultWindowHeight};
  int count = 0;
  std::size_t at = 0;
  while (count < 4 && at < text.size()) {
    while (at < text.size() && text[at] == ',') ++at;
    if (at == text.size()) break;
    std::size_t end = text.find(',', at);
    if (end == std::string::npos) end = text.size();
    values[count++] = ParseDecimal(text.substr(at, end - at).c_str(), 0);
    at = end;
  }
  WindowPosition position{values[0], values[1], values[2], values[3]};
  if (position.width < kMinWindowSize) position.width = kMinWindowSize;
  if (position.height < kMinWindowSize) position.height = kMinWindowSize;
  position.left = ClampOrigin(position.left, desktopRight);
  position.top = ClampOrigin(position.top, desktopBottom);
  return position;
}

std::string FormatPosition(const ScreenRect& outer) {
  char text[64];
  long long width = static_cast<long long>(outer.right) - outer.left;
  long long height = static_cast<long long>(outer.bottom) - outer.top;
  std::snprintf(text, sizeof text, "%d,%d,%lld,%lld", outer.left, outer.top, width, height);
  return text;
}

std::string FormatWindowState(bool open, const std::string& stateWord) {
  if (!open) return kWindowStateClose;
  std::string text = kWindowStateOpen;
  if (!stateWord.empty()) text += "," + stateWord;
  return text;
}

int ParseWindowState(const std::string& text) {
  if (text == kWindowStateClose || !ContainsWithoutCase(text, kWindowStateOpen)) return 0;
  return ContainsWithoutCase(text, "max") ? 3 : 1;
}

std::string EncodeLineBreaks(const std::string& text) {
  std::string encoded;
  encoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      encoded += kLineBreakMark;
    } else {
      encoded += c;
    }
  }
  return encoded;
}

std::string DecodeLineBreaks(const std::string& text) {
  std::string decoded;
  decoded.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kLineBreakMark[0] && i + 1 < text.size() && text[i + 1] == kLineBreakMark[1]) {
      decoded += "\r\n";
      ++i;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

}  // namespace settings
