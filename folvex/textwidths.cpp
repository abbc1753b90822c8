// Row widths from a per-byte width table with one tab stop distance.
#include "folvex/textwidths.h"

#include <cstdint>

namespace folvex {

namespace {

constexpr std::int32_t kMaxWidth = INT32_MAX;

}  // namespace

TextWidths::TextWidths() {
  for (int& w : widths_) w = 8;
}

void TextWidths::SetCharWidths(const int (&widths)[256]) {
  for (int i = 0; i < 256; ++i) widths_[i] = widths[i] < 0 ? 0 : widths[i];
}

void TextWidths::SetTabWidth(int pixels) {
  if (pixels >= 1) tabWidth_ = pixels;
}

inline std::int32_t TextWidths::Step(std::int32_t x, unsigned char c) const {
  std::int64_t next;
  if (c == '\t') {
    next = (static_cast<std::int64_t>(x) / tabWidth_ + 1) * tabWidth_;
  } else {
    next = static_cast<std::int64_t>(x) + widths_[c];
  }
  return next > kMaxWidth ? kMaxWidth : static_cast<std::int32_t>(next);
}

std::int32_t TextWidths::Advance(std::int32_t x, const char* row, std::int32_t count) const {
  const auto* r = reinterpret_cast<const unsigned char*>(row);
  for (std::int32_t i = 0; i < count; ++i) x = Step(x, r[i]);
  return x;
}

std::int32_t TextWidths::Width(const char* row, std::int32_t count) const { return Advance(0, row, count); }

std::int32_t TextWidths::IndexAtX(const char* row, std::int32_t count, std::int32_t x) const {
  const auto* r = reinterpret_cast<const unsigned char*>(row);
  std::int32_t width = 0;
  for (std::int32_t k = 0; k < count; ++k) {
    if (width >= x) return k;
    width = Step(width, r[k]);
  }
  return count;
}

}  // namespace folvex
