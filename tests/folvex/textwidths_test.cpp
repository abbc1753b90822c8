// Tests of row widths: tab stops counted from the row's start, and points turned into offsets.
#include "folvex/textwidths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using folvex::TextWidths;

class TextWidthsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    int table[256];
    for (int& w : table) w = 7;
    table['i'] = 3;
    table[0xC4] = 11;
    widths_.SetCharWidths(table);
    widths_.SetTabWidth(40);
  }
  std::int32_t Width(const std::string& s) { return widths_.Width(s.data(), static_cast<std::int32_t>(s.size())); }
  std::int32_t IndexAt(const std::string& s, std::int32_t x) {
    return widths_.IndexAtX(s.data(), static_cast<std::int32_t>(s.size()), x);
  }

  TextWidths widths_;
};

TEST_F(TextWidthsTest, BytesAddTheirOwnWidths) {
  EXPECT_EQ(Width(""), 0);
  EXPECT_EQ(Width("ab"), 14);
  EXPECT_EQ(Width("ii"), 6);
  EXPECT_EQ(Width("\xC4"), 11);  // bytes above 127 have widths of their own
}

TEST_F(TextWidthsTest, ATabGoesToTheNextStopEvenFromAStop) {
  EXPECT_EQ(Width("\t"), 40);
  EXPECT_EQ(Width("a\t"), 40);
  EXPECT_EQ(Width("\t\t"), 80);
  EXPECT_EQ(Width("abcdef\t"), 80);  // 42 pixels of text: the next stop is 80
  EXPECT_EQ(widths_.Advance(40, "\t", 1), 80);
}

TEST_F(TextWidthsTest, ATabWidthBelowOneIsIgnored) {
  widths_.SetTabWidth(0);
  EXPECT_EQ(widths_.TabWidth(), 40);
  widths_.SetTabWidth(16);
  EXPECT_EQ(Width("a\t"), 16);
}

TEST_F(TextWidthsTest, APointInsideACharacterGivesTheOffsetAfterIt) {
  EXPECT_EQ(IndexAt("abc", -5), 0);
  EXPECT_EQ(IndexAt("abc", 0), 0);
  EXPECT_EQ(IndexAt("abc", 1), 1);
  EXPECT_EQ(IndexAt("abc", 7), 1);
  EXPECT_EQ(IndexAt("abc", 8), 2);
  EXPECT_EQ(IndexAt("abc", 15), 3);  // beyond the second character's end: no k left, the row's end
  EXPECT_EQ(IndexAt("a\tb", 20), 2);
}

TEST_F(TextWidthsTest, AnEndlessRowSaturatesInsteadOfWrapping) {
  int table[256];
  for (int& w : table) w = 1 << 30;
  widths_.SetCharWidths(table);
  EXPECT_EQ(Width("aaaa"), INT32_MAX);
  EXPECT_EQ(Width("aaaa\t"), INT32_MAX);
}

}  // namespace
