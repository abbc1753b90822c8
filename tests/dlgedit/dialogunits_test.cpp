// Tests of the conversion between dialog units and mock-up pixels.
#include "dlgedit/dialogunits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdint>

namespace dlgedit {
namespace {

// The definition of the way back, evaluated in extended precision. Only meaningful where long
// double has a 64-bit significand and the unit computes at that precision.
long long FormulaX(int pixels) {
  const long double f = 1.0L / static_cast<long double>(1.8);
  return static_cast<long long>(static_cast<long double>(pixels) * f) + 1;
}
long long FormulaY(int pixels) {
  const long double f = 1.0L / static_cast<long double>(1.9);
  return static_cast<long long>(static_cast<long double>(pixels) * f) + 1;
}

bool ExtendedPrecisionAtHand() {
  // 1 + 2^-63 is representable only with a 64-bit significand computed at full precision.
  volatile long double one = 1.0L;
  volatile long double tiny = 1.0L / 9223372036854775808.0L;
  return LDBL_MANT_DIG == 64 && one + tiny != one;
}

TEST(DialogUnitsTest, ForwardTruncatesTowardZero) {
  EXPECT_EQ(PixelsFromDialogX(10), 18);
  EXPECT_EQ(PixelsFromDialogX(7), 12);     // 12.6
  EXPECT_EQ(PixelsFromDialogX(-7), -12);
  EXPECT_EQ(PixelsFromDialogY(10), 19);
  EXPECT_EQ(PixelsFromDialogY(7), 13);     // 13.3
  EXPECT_EQ(PixelsFromDialogY(-7), -13);
  EXPECT_EQ(PixelsFromDialogX(0), 0);
  EXPECT_EQ(PixelsFromDialogY(kMaxDialogUnits), 19 * kMaxDialogUnits / 10);
  EXPECT_EQ(PixelsFromDialogX(INT_MAX), INT_MAX);  // saturates instead of overflowing
}

TEST(DialogUnitsTest, WorkedResults) {
  for (int x = 1; x <= 11; ++x) {
    SCOPED_TRACE(x);
    EXPECT_EQ(DialogXFromPixels(PixelsFromDialogX(x)), x);
  }
  EXPECT_EQ(PixelsFromDialogY(10), 19);
  EXPECT_EQ(DialogYFromPixels(19), 11);
  EXPECT_EQ(DialogXFromPixels(PixelsFromDialogX(0)), 1);
  EXPECT_EQ(PixelsFromDialogY(20), 38);
  EXPECT_EQ(DialogYFromPixels(38), 21);
  EXPECT_EQ(DialogYFromPixels(0), 1);
}

TEST(DialogUnitsTest, MultiplesOfNineAndNineteenSitOnTheRightSideOfTheTruncation) {
  // f_x lies just below 5/9: 9 px is 4.999... -> 4 + 1. f_y lies just above 10/19: 19 px is 10.000...1.
  EXPECT_EQ(DialogXFromPixels(9), 5);
  EXPECT_EQ(DialogXFromPixels(10), 6);
  EXPECT_EQ(DialogXFromPixels(-9), -3);   // trunc(-4.999...) = -4
  EXPECT_EQ(DialogXFromPixels(-10), -4);  // trunc(-5.55...) = -5
  EXPECT_EQ(DialogYFromPixels(18), 10);
  EXPECT_EQ(DialogYFromPixels(-19), -9);
  EXPECT_EQ(DialogXFromPixels(INT_MIN), -1193046470);  // no overflow at the ends of the range
  EXPECT_EQ(DialogYFromPixels(INT_MAX), 1130254552);
}

TEST(DialogUnitsTest, IntegerWayBackMatchesTheExtendedPrecisionFormula) {
  if (!ExtendedPrecisionAtHand()) GTEST_SKIP() << "no full extended precision on this build";
  for (int px = -300000; px <= 300000; ++px) {
    if (DialogXFromPixels(px) != FormulaX(px) || DialogYFromPixels(px) != FormulaY(px)) {
      FAIL() << "pixels " << px << ": x " << DialogXFromPixels(px) << " vs " << FormulaX(px) << ", y "
             << DialogYFromPixels(px) << " vs " << FormulaY(px);
    }
  }
  // Spread over the whole int range, ends included, with a fixed sequence.
  std::uint32_t state = 12345;
  for (int i = 0; i < 2000000; ++i) {
    state = state * 1664525u + 1013904223u;
    int px = static_cast<int>(state);
    if (i == 0) px = INT_MIN;
    if (i == 1) px = INT_MAX;
    if (DialogXFromPixels(px) != FormulaX(px) || DialogYFromPixels(px) != FormulaY(px)) {
      FAIL() << "pixels " << px;
    }
  }
}

}  // namespace
}  // namespace dlgedit
