// Value texts shared by several settings: colours, window positions, window states, line breaks.
#pragma once

#include <cstdint>
#include <string>

namespace settings {

// ---- Colour text: "#" and two hexadecimal digits each for red, green and blue ----

// In memory: red | green << 8 | blue << 16.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Upper- and lower-case digits are read. A text whose first character is not "#" is black (0).
// A character that is not a hexadecimal digit, and a digit missing at the end, count as 0.
Colour ParseColour(const std::string& text);
// "#RRGGBB" with upper-case digits.
std::string FormatColour(Colour colour);

// ---- Window position text: "left,top,width,height" in screen pixels ----

// A window's outer rectangle in screen pixels, as the window reports it.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct WindowPosition {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

constexpr int kDefaultWindowWidth = 500;
constexpr int kDefaultWindowHeight = 200;
constexpr int kMinWindowSize = 32;

// Never fails. The text is split at commas (a run of commas counts as one, leading ones are
// skipped); each piece is a decimal number (text that is not a number reads as 0, values beyond int
// saturate). Missing pieces: left and top 0, width 500, height 200. Then width and height are at
// least 32, left at most desktopRight - 32 and top at most desktopBottom - 32, and left and top at
// least 0.
WindowPosition ParsePosition(const std::string& text, int desktopRight, int desktopBottom);
// "%d,%d,%d,%d": left, top, width, height of the rectangle.
std::string FormatPosition(const ScreenRect& outer);

// ---- Window state text: "close", or "open" with an optional "," and the window's state word ----

// `stateWord` is what the window answers to the state query (message 4025); empty adds nothing.
std::string FormatWindowState(bool open, const std::string& stateWord);
// 0 for "close" or a text holding neither word, 1 when it holds "open", 3 when it holds "open" and
// "max" (both found without regard to case). Callers test only for non-zero.
int ParseWindowState(const std::string& text);

// ---- Line-break encoding: values entered on several lines are stored on one line ----

// The stored form of a line break: a backslash followed by the byte 0xB6.
constexpr char kLineBreakMark[] = "\\\xB6";

// Each CR LF becomes "\" and 0xB6. A lone CR or LF is a line break too and is stored the same way,
// so no value ever reaches the file with a raw line break.
std::string EncodeLineBreaks(const std::string& text);
// Each "\" 0xB6 pair becomes CR LF again.
std::string DecodeLineBreaks(const std::string& text);

}  // namespace settings
