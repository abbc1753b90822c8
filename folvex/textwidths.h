// Pixel widths of row text in one font: a width per byte value and a single tab stop distance.
//
// The control measures every caret position, click, highlight and line width with this table
// instead of asking the system for each prefix: a prefix's width is the sum of its bytes' widths,
// and a tab advances to the next multiple of the tab width counted from the row's start (a tab
// standing exactly on a stop goes on to the next one). That is how the system lays out a row drawn
// with one tab stop in a font without kerning, which is what an editor font is.
#pragma once

#include <cstdint>

namespace folvex {

class TextWidths {
 public:
  TextWidths();

  // Widths of the byte values 0..255 in pixels (negative ones count as 0).
  void SetCharWidths(const int (&widths)[256]);
  // The distance between tab stops; values below 1 are ignored. Starts at 40.
  void SetTabWidth(int pixels);
  int TabWidth() const { return tabWidth_; }
  int CharWidth(unsigned char c) const { return widths_[c]; }

  // Width of the first `count` bytes of `row`, tabs expanded from the row's start. Saturates at
  // INT32_MAX for absurdly long rows.
  std::int32_t Width(const char* row, std::int32_t count) const;
  // Width after `count` more bytes of `row`, starting `x` pixels after the row's start.
  std::int32_t Advance(std::int32_t x, const char* row, std::int32_t count) const;

  // The first k in 0..count-1 whose prefix width Width(row, k) is at least `x`; `count` when there
  // is none. A point inside a character therefore gives the offset after it.
  std::int32_t IndexAtX(const char* row, std::int32_t count, std::int32_t x) const;

 private:
  std::int32_t Step(std::int32_t x, unsigned char c) const;

  int widths_[256];
  int tabWidth_ = 40;
};

}  // namespace folvex
