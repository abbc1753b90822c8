// Conversion between dialog units and the editor's mock-up pixels, in exact integer arithmetic.
#include "dlgedit/dialogunits.h"

#include <climits>

namespace dlgedit {

namespace {

int ClampToInt(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

// 1.8 x d is 9d/5 and 1.9 x d is 19d/10 exactly; integer division truncates toward zero as the
// conversion must.
int PixelsFromDialogX(int dialogUnits) { return ClampToInt(9LL * dialogUnits / 5); }
int PixelsFromDialogY(int dialogUnits) { return ClampToInt(19LL * dialogUnits / 10); }

// The way back is defined in extended precision: f_x = 1 / (long double)1.8 and
// f_y = 1 / (long double)1.9, the product px x f rounded to a 64-bit significand, then truncated.
// Evaluating that in floating point gives different answers on different units (SSE has no
// extended type, and an x87 set to 53-bit precision rounds differently), so it is reproduced here
// from what the constants are:
// - The double 1.8 lies just above 9/5, so f_x lies just below 5/9, by about 1.4e-17 - some 250
//   units in the last place of any product. For p = |px| a multiple of 9 the product therefore
//   rounds to just below 5p/9 and truncates to 5p/9 - 1; for any other p the product lies at least
//   1/9 away from an integer and truncates to floor(5p/9).
// - The double 1.9 lies just below 19/10, so f_y lies just above 10/19 by a similar margin; every
//   product truncates to floor(10p/19), multiples of 19 included.
// Both margins stay far below the 1/9 and 1/19 gaps for every int, so the results hold for the
// whole int range; truncation is symmetric, so negative pixels give -trunc(p x f) + 1.
int DialogXFromPixels(int pixels) {
  long long p = pixels < 0 ? -static_cast<long long>(pixels) : pixels;
  long long truncated = 5 * p / 9;
  if (p != 0 && p % 9 == 0) truncated -= 1;
  return ClampToInt((pixels < 0 ? -truncated : truncated) + 1);
}

int DialogYFromPixels(int pixels) {
  long long p = pixels < 0 ? -static_cast<long long>(pixels) : pixels;
  long long truncated = 10 * p / 19;
  return ClampToInt((pixels < 0 ? -truncated : truncated) + 1);
}

}  // namespace dlgedit
