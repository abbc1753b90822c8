// Tests of the inline hex block: its exact written form and reading it back, sound and damaged.
#include "picedit/hexblock.h"

#include <gtest/gtest.h>

#include <random>

#include "testimages.h"

namespace {

using picedit::ReadHexBlock;
using picedit::WriteHexBlock;
using testimages::Bytes;

TEST(HexBlockTest, SeventeenBytesWriteAsALineOfSixteenAndALineOfOne) {
  Bytes bytes(17);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 15 + 10);
  std::string text = WriteHexBlock("IDI_APP ICON\r\n", bytes.data(), bytes.size());
  EXPECT_EQ(text,
            "IDI_APP ICON\r\n"
            "{\r\n"
            " '0A 19 28 37 46 55 64 73 82 91 A0 AF BE CD DC EB'\r\n"
            " 'FA'\r\n"
            "}\r\n");
  picedit::HexBlock back = ReadHexBlock(text);
  EXPECT_TRUE(back.hasData);
  EXPECT_EQ(back.head, "IDI_APP ICON\r\n");
  EXPECT_EQ(back.bytes, bytes);
}

TEST(HexBlockTest, EveryLengthAndByteValueReadsBackTheSame) {
  Bytes all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(i);
  for (std::size_t n : {1u, 15u, 16u, 32u, 33u, 256u}) {
    SCOPED_TRACE(n);
    std::string text = WriteHexBlock("X CURSOR ", all.data(), n);
    picedit::HexBlock back = ReadHexBlock(text);
    EXPECT_EQ(back.bytes, Bytes(all.begin(), all.begin() + n));
    EXPECT_EQ(back.head, "X CURSOR ");
  }
  EXPECT_EQ(WriteHexBlock("H ", nullptr, 0), "H {\r\n}\r\n");
}

TEST(HexBlockTest, ReadingTakesLowerCaseDigitsOtherSeparatorsAndLfLines) {
  picedit::HexBlock b = ReadHexBlock("B BITMAP\n{\n  'ab,cd ef'  // comment's quote\n\t'01'\n}\n");
  EXPECT_EQ(b.head, "B BITMAP\n");
  EXPECT_EQ(b.bytes, (Bytes{0xAB, 0xCD, 0xEF, 0x01}));
  // A blank before the closing quote and an empty line are passed over.
  b = ReadHexBlock("{\r\n '01 02 '\r\n ''\r\n '03'\r\n}");
  EXPECT_EQ(b.bytes, (Bytes{1, 2, 3}));
}

TEST(HexBlockTest, ABlockWithoutAnOpeningQuoteBeforeTheBraceHasNoData) {
  picedit::HexBlock b = ReadHexBlock("I ICON\r\n{\r\n}\r\n'00 00'");
  EXPECT_FALSE(b.hasData);
  EXPECT_TRUE(b.bytes.empty());
  EXPECT_EQ(b.head, "I ICON\r\n");
  b = ReadHexBlock("I ICON \"i.ico\"\r\n");
  EXPECT_FALSE(b.hasData);
  EXPECT_EQ(b.head, "I ICON \"i.ico\"\r\n");
  // Lines after the closing brace are not read.
  b = ReadHexBlock("{\r\n '01'\r\n}\r\n '02'\r\n");
  EXPECT_EQ(b.bytes, (Bytes{1}));
}

TEST(HexBlockTest, ReadingStopsAtThePairThatIsNotHexKeepingTheBytesBefore) {
  EXPECT_EQ(ReadHexBlock("{ '01 0G 03' }").bytes, (Bytes{1}));
  EXPECT_EQ(ReadHexBlock("{ '01 02").bytes, (Bytes{1, 2}));
  EXPECT_EQ(ReadHexBlock("{ '01 0").bytes, (Bytes{1}));
  EXPECT_EQ(ReadHexBlock("{ '01'").bytes, (Bytes{1}));
  EXPECT_EQ(ReadHexBlock("{ '").bytes, Bytes{});
}

TEST(HexBlockTest, TruncatedAndRandomTextsAreReadWithoutHarm) {
  std::mt19937 rng(17u);
  Bytes data = testimages::RandomBytes(rng, 200);
  std::string text = WriteHexBlock("R RCDATA\r\n", data.data(), data.size());
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    picedit::HexBlock b = ReadHexBlock(text.substr(0, cut));
    ASSERT_LE(b.bytes.size(), data.size());
    ASSERT_TRUE(std::equal(b.bytes.begin(), b.bytes.end(), data.begin())) << cut;
  }
  const char alphabet[] = "0123456789abcdefABCDEFG '{}\r\n\t";
  for (int round = 0; round < 2000; ++round) {
    std::string junk(rng() % 120, ' ');
    for (char& c : junk) c = alphabet[rng() % (sizeof alphabet - 1)];
    picedit::HexBlock b = ReadHexBlock(junk);
    ASSERT_LE(b.bytes.size(), junk.size() / 2);
  }
}

}  // namespace
