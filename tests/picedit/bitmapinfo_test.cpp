// Tests of reading bitmap headers: both header forms, dimensions, colour counts, damaged files.
#include "picedit/bitmapinfo.h"

#include <gtest/gtest.h>

#include <random>

#include "testimages.h"

namespace {

using picedit::ReadBitmapInfo;
using testimages::Bytes;
using testimages::Put16;
using testimages::Put32;

// A bitmap file with the 40-byte header (or a longer one), a full colour table and zero bits.
Bytes BitmapFile(int width, int height, int bits, std::uint32_t headerBytes = 40,
                 std::uint32_t coloursUsed = 0) {
  std::size_t table = bits <= 8 ? (coloursUsed ? coloursUsed : (1u << bits)) * 4 : 0;
  std::size_t stride = testimages::RowBytes(width, bits);
  std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  Bytes b(14 + headerBytes + table + stride * rows, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(14 + headerBytes + table));
  Put32(b, 14, headerBytes);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, bits);
  Put32(b, 46, coloursUsed);
  return b;
}

// The same picture with the old 12-byte header and its 3-byte colour entries.
Bytes CoreBitmapFile(int width, int height, int bits) {
  std::size_t table = bits <= 8 ? (1u << bits) * 3 : 0;
  Bytes b(14 + 12 + table + testimages::RowBytes(width, bits) * height, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, static_cast<std::uint32_t>(14 + 12 + table));
  Put32(b, 14, 12);
  Put16(b, 18, width);
  Put16(b, 20, height);
  Put16(b, 22, 1);
  Put16(b, 24, bits);
  return b;
}

std::optional<picedit::BitmapInfo> Read(const Bytes& b) { return ReadBitmapInfo(b.data(), b.size()); }

TEST(BitmapInfoTest, TheFortyByteHeaderGivesDimensionsAndColours) {
  Bytes file = BitmapFile(5, 3, 4);
  auto info = Read(file);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->headerOffset, 14u);
  EXPECT_EQ(info->headerBytes, 40u);
  EXPECT_EQ(info->width, 5);
  EXPECT_EQ(info->height, 3);
  EXPECT_FALSE(info->topDown);
  EXPECT_EQ(info->colours, 16);
  EXPECT_EQ(info->tableBytes, 64u);
  EXPECT_EQ(info->bitsOffset, 14u + 40 + 64);
  EXPECT_EQ(info->bitsNeeded, 12u);
  EXPECT_EQ(info->bitsAvailable, 12u);
  EXPECT_EQ(info->rowsAvailable, 3);
  EXPECT_EQ(picedit::BitmapInfoText(*info), "Dimension: 5 x 3\r\nColors: 16");
}

TEST(BitmapInfoTest, TheOldTwelveByteHeaderIsReadToo) {
  auto info = Read(CoreBitmapFile(7, 2, 8));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->headerBytes, 12u);
  EXPECT_EQ(info->width, 7);
  EXPECT_EQ(info->height, 2);
  EXPECT_EQ(info->colours, 256);
  EXPECT_EQ(info->tableBytes, 768u);
  EXPECT_EQ(info->rowsAvailable, 2);
  EXPECT_EQ(picedit::BitmapInfoText(*info), "Dimension: 7 x 2\r\nColors: 256");
}

TEST(BitmapInfoTest, ColourCountsFollowTheDepthAndTheColoursUsed) {
  struct Case {
    int bits;
    std::uint32_t used;
    long long colours;
  };
  const Case cases[] = {{1, 0, 2},      {8, 20, 20},       {8, 0, 256},
                        {16, 0, 65536}, {24, 0, 16777216}, {32, 0, 16777216}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bits * 1000 + c.used);
    auto info = Read(BitmapFile(4, 4, c.bits, 40, c.used));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->colours, c.colours);
  }
}

TEST(BitmapInfoTest, TopDownBareAndLongerHeadersAreAccepted) {
  auto topDown = Read(BitmapFile(3, -6, 24));
  ASSERT_TRUE(topDown);
  EXPECT_TRUE(topDown->topDown);
  EXPECT_EQ(topDown->height, 6);

  Bytes file = BitmapFile(3, 3, 1);
  Bytes bare(file.begin() + 14, file.end());
  auto info = Read(bare);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->headerOffset, 0u);
  EXPECT_EQ(info->bitsOffset, 40u + 8);

  auto v5 = Read(BitmapFile(9, 2, 32, 124));
  ASSERT_TRUE(v5);
  EXPECT_EQ(v5->width, 9);
  EXPECT_EQ(v5->bitsOffset, 14u + 124);
}

TEST(BitmapInfoTest, BitsCutShortAreShownAsFarAsTheyGo) {
  Bytes file = BitmapFile(10, 8, 24);  // rows of 32 bytes
  Bytes cut(file.begin(), file.end() - 40);
  auto info = Read(cut);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->bitsNeeded, 256u);
  EXPECT_EQ(info->bitsAvailable, 216u);
  EXPECT_EQ(info->rowsAvailable, 6);

  Bytes farOffset = file;
  Put32(farOffset, 10, 0x7FFFFFF0u);  // the file header's offset points past the data
  info = Read(farOffset);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->bitsOffset, 14u + 40);
  EXPECT_EQ(info->rowsAvailable, 8);
}

TEST(BitmapInfoTest, UnsoundHeadersAreRefused) {
  Bytes good = BitmapFile(4, 4, 8);
  struct Case {
    const char* label;
    std::size_t at;
    std::uint32_t value;
    bool word;
  };
  const Case cases[] = {
      {"header size 20", 14, 20, false},
      {"header past the end", 14, 100000, false},
      {"zero width", 18, 0, false},
      {"negative width", 18, 0xFFFFFFFFu, false},
      {"zero height", 22, 0, false},
      {"huge height", 22, 0x7FFFFFFFu, false},
      {"lowest height", 22, 0x80000000u, false},
      {"three bits", 28, 3, true},
      {"two planes", 26, 2, true},
      {"JPEG inside", 30, 4, false},
      {"RLE4 with 8 bits", 30, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Bytes b = good;
    if (c.word) {
      Put16(b, c.at, c.value);
    } else {
      Put32(b, c.at, c.value);
    }
    EXPECT_FALSE(Read(b));
  }
  EXPECT_FALSE(Read(Bytes(good.begin(), good.begin() + 14 + 40 + 100))) << "colour table cut short";
  EXPECT_FALSE(Read(Bytes{'B', 'M', 0}));
  EXPECT_FALSE(ReadBitmapInfo(nullptr, 0));
}

TEST(BitmapInfoTest, TruncatedAndRandomDataNeverReadsOutsideTheBlock) {
  std::mt19937 rng(99u);
  for (const Bytes& base : {BitmapFile(13, 7, 4), BitmapFile(5, 5, 32), CoreBitmapFile(6, 3, 1)}) {
    for (std::size_t cut = 0; cut <= base.size(); ++cut) {
      // Each cut gets a block of its own size so the sanitizers see any read past it.
      Bytes b(base.begin(), base.begin() + cut);
      auto info = Read(b);
      if (!info) continue;
      ASSERT_LE(info->bitsOffset + info->bitsAvailable, b.size());
      ASSERT_LE(info->tableOffset + info->tableBytes, b.size());
    }
    for (int round = 0; round < 1000; ++round) {
      Bytes b = testimages::Mutated(rng, base, 1 + round % 6);
      auto info = Read(b);
      if (!info) continue;
      ASSERT_LE(info->bitsOffset + info->bitsAvailable, b.size());
      ASSERT_LE(info->bitsAvailable, info->bitsNeeded);
      picedit::BitmapInfoText(*info);
    }
  }
}

}  // namespace
