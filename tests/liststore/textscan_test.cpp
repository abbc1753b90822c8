// Tests of the scanning primitives under both text readers, at their limits.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "liststore/textscan.h"

using namespace liststore::detail;

namespace {

// The text in a heap block of exactly its size plus the zero, so a read past it is caught.
class ExactText {
 public:
  explicit ExactText(const std::string& text) : block_(new char[text.size() + 1]) {
    text.copy(block_.get(), text.size());
    block_[text.size()] = 0;
  }
  const char* get() const { return block_.get(); }

 private:
  std::unique_ptr<char[]> block_;
};

}  // namespace

TEST(TextScanTest, RowLengthCountsTheLineEnd) {
  EXPECT_EQ(5u, RowLength("abc\r\nx"));
  EXPECT_EQ(4u, RowLength("abc\rx"));
  EXPECT_EQ(2u, RowLength("\r\n"));
  EXPECT_EQ(0u, RowLength("abc\nx"));  // LF alone ends nothing
  EXPECT_EQ(0u, RowLength("abc"));     // runs into the zero byte
  EXPECT_EQ(0u, RowLength(""));
}

TEST(TextScanTest, RowsOf32767CharactersAreTheLongestRead) {
  ExactText longest(std::string(32767, 'a') + "\r\n");
  EXPECT_EQ(32769u, RowLength(longest.get()));
  ExactText tooLong(std::string(32768, 'a') + "\r\n");
  EXPECT_EQ(0u, RowLength(tooLong.get()));
  ExactText unended(std::string(40000, 'a'));
  EXPECT_EQ(0u, RowLength(unended.get()));
  EXPECT_EQ(0u, CellLength(unended.get()));
  EXPECT_EQ(254u, CopyCell(unended.get(), 254).size());
}

TEST(TextScanTest, CellLengthConsumesTheTabButNotTheCr) {
  EXPECT_EQ(4u, CellLength("abc\tdef\r\n"));
  EXPECT_EQ(1u, CellLength("\tdef\r\n"));
  EXPECT_EQ(3u, CellLength("def\r\n"));
  EXPECT_EQ(0u, CellLength("\r\n"));   // an empty last cell ends the row
  EXPECT_EQ(0u, CellLength("def"));    // so does a cell that runs into the zero byte
  EXPECT_EQ(0u, CellLength("def\n"));
}

TEST(TextScanTest, CopyCellStopsAtSeparatorsAndCuts) {
  EXPECT_EQ("abc", CopyCell("abc\tdef", 63));
  EXPECT_EQ("abc", CopyCell("abc\r\n", 63));
  EXPECT_EQ("abc", CopyCell("abc\n", 63));
  EXPECT_EQ("ab", CopyCell("abc", 2));
  EXPECT_EQ("", CopyCell("", 63));
}

TEST(TextScanTest, KeywordMayFollowAtMost16Rows) {
  std::string rows;
  for (int i = 0; i < 16; ++i) rows += "row\r\n";
  ExactText found(rows + "Heading\r\n");
  const char* at = found.get();
  EXPECT_TRUE(FindKeyword(at, "Heading"));
  EXPECT_EQ(found.get() + rows.size(), at);

  ExactText tooFar("row\r\n" + rows + "Heading\r\n");
  at = tooFar.get();
  EXPECT_FALSE(FindKeyword(at, "Heading"));
  EXPECT_EQ(tooFar.get(), at);
}

TEST(TextScanTest, KeywordsMatchAsPrefixesAndStopAtUnendedRows) {
  const char* text = "Headings and more\r\n";
  EXPECT_TRUE(FindKeyword(text, "Heading"));
  text = "x\nHeading\r\n";
  EXPECT_FALSE(FindKeyword(text, "Heading"));
  text = "Head";
  EXPECT_FALSE(FindKeyword(text, "Heading"));
  EXPECT_TRUE(IsExactRow("Status\r\n", "Status"));
  EXPECT_TRUE(IsExactRow("Status\r", "Status"));
  EXPECT_FALSE(IsExactRow("Status.c\t001\r\n", "Status"));
  EXPECT_FALSE(IsExactRow("Status", "Status"));
}

TEST(TextScanTest, RowNumbersReadLikeDecimalIntegers) {
  EXPECT_EQ(12, ReadRowNumber("12\r\n"));
  EXPECT_EQ(-3, ReadRowNumber("  -3x\r\n"));
  EXPECT_EQ(7, ReadRowNumber("\t+7\r\n"));
  EXPECT_EQ(0, ReadRowNumber("\r\n5\r\n"));  // an empty row does not read the next one
  EXPECT_EQ(0, ReadRowNumber("abc\r\n"));
  EXPECT_EQ(2147483647, ReadRowNumber("99999999999999999999\r\n"));
  EXPECT_EQ(-2147483647 - 1, ReadRowNumber("-99999999999999999999\r\n"));
}
