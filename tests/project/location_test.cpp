// Tests of Locations: next free Location, making room, renumbering, sorting order.
#include "project/location.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace project;
using Locations = std::vector<std::string>;

TEST(LocationTest, DepthPrefixAndSegments) {
  EXPECT_EQ(LocationDepth("001"), 0);
  EXPECT_EQ(LocationDepth("002\\001\\004"), 2);
  EXPECT_EQ(LevelPrefix("001"), "");
  EXPECT_EQ(LevelPrefix("002\\001\\004"), "002\\001\\");
  EXPECT_EQ(FormatSegment(7), "007");
  EXPECT_EQ(SegmentNumberAt("002\\013", 4), 13);
  EXPECT_EQ(SegmentNumberAt("002", 9), 0);
  EXPECT_EQ(SegmentNumberAt("x1", 0), 0);
  EXPECT_GT(SegmentNumberAt("99999999999999999999", 0), kMaxSegment);
}

TEST(LocationTest, NextFreeLocationAtTheTopAndInsideFolders) {
  EXPECT_EQ(NextFreeLocation({}, ""), "001");
  Locations tree = {"001", "002", "002\\001", "002\\002", "002\\002\\005", "003"};
  EXPECT_EQ(NextFreeLocation(tree, ""), "004");
  EXPECT_EQ(NextFreeLocation(tree, "001"), "004");
  // Inside a folder: one more than its last content segment, deeper content included.
  EXPECT_EQ(NextFreeLocation(tree, "002\\"), "002\\003");
  EXPECT_EQ(NextFreeLocation(tree, "002\\001"), "002\\003");
  EXPECT_EQ(NextFreeLocation(tree, "002\\002\\"), "002\\002\\006");
  // An empty folder.
  EXPECT_EQ(NextFreeLocation(tree, "003\\"), "003\\001");
}

TEST(LocationTest, NextFreeLocationRefusesAFourthDigit) {
  EXPECT_EQ(NextFreeLocation({"998"}, ""), "999");
  EXPECT_EQ(NextFreeLocation({"999"}, ""), std::nullopt);
  EXPECT_EQ(NextFreeLocation({"001", "001\\999"}, "001\\"), std::nullopt);
  EXPECT_EQ(NextFreeLocation({"001", "001\\999"}, ""), "002");
}

TEST(LocationTest, MakingRoomMovesTheSegmentsFromTheTargetOn) {
  Locations tree = {"001", "002", "002\\001", "003"};
  std::string target = "002";
  ASSERT_TRUE(MakeRoom(tree, target, false));
  EXPECT_EQ(target, "002");
  EXPECT_EQ(tree, (Locations{"001", "003", "003\\001", "004"}));

  // Coming from above, the moved line goes behind the target.
  tree = {"001", "002", "002\\001", "003"};
  target = "002";
  ASSERT_TRUE(MakeRoom(tree, target, true));
  EXPECT_EQ(target, "003");
  EXPECT_EQ(tree, (Locations{"001", "002", "002\\001", "004"}));

  // Inside a folder only its content at that level moves.
  tree = {"001", "001\\001", "001\\002", "001\\002\\001", "002"};
  target = "001\\002";
  ASSERT_TRUE(MakeRoom(tree, target, false));
  EXPECT_EQ(tree, (Locations{"001", "001\\001", "001\\003", "001\\003\\001", "002"}));
}

TEST(LocationTest, MakingRoomThatWouldPass999ChangesNothing) {
  Locations tree = {"001", "998", "999"};
  Locations before = tree;
  std::string target = "998";
  EXPECT_FALSE(MakeRoom(tree, target, false));
  EXPECT_EQ(tree, before);
  EXPECT_EQ(target, "998");
  target = "999";
  EXPECT_FALSE(MakeRoom(tree, target, true));
  EXPECT_EQ(tree, before);
  EXPECT_EQ(target, "999");
}

TEST(LocationTest, RenumberingNumbersEachLevelInListOrder) {
  // The last top-level line moved to the top: numbering starts again at 001.
  Locations tree = {"000", "001", "002", "002\\001", "004"};
  ASSERT_TRUE(Renumber(tree));
  EXPECT_EQ(tree, (Locations{"001", "002", "003", "003\\001", "004"}));

  // A first segment other than 001 still becomes 001, so that a tree moved away from the top and
  // back gets its old numbers again.
  tree = {"002", "003", "005"};
  ASSERT_TRUE(Renumber(tree));
  EXPECT_EQ(tree, (Locations{"001", "002", "003"}));
}

TEST(LocationTest, RenumberingRunsOnAcrossFoldersBelowTheTop) {
  Locations tree = {"001", "001\\001", "001\\002", "002", "002\\001", "002\\004", "002\\004\\009"};
  ASSERT_TRUE(Renumber(tree));
  EXPECT_EQ(tree, (Locations{"001", "001\\001", "001\\002", "002", "002\\003", "002\\004", "002\\004\\001"}));
}

TEST(LocationTest, RenumberingStopsAfterSixteenDepths) {
  std::string deep = "005";
  for (int depth = 1; depth <= 17; ++depth) deep += "\\005";
  Locations tree = {deep};
  ASSERT_TRUE(Renumber(tree));
  std::string expected = "001";
  for (int depth = 1; depth <= 15; ++depth) expected += "\\001";
  expected += "\\005\\005";
  EXPECT_EQ(tree[0], expected);
}

TEST(LocationTest, RenumberingThatWouldPass999ChangesNothing) {
  // The counter runs on across folders: 2 x 500 lines at depth 1 need numbers up to 1000.
  Locations tree = {"001"};
  for (int i = 1; i <= 500; ++i) tree.push_back("001\\" + FormatSegment(i));
  tree.push_back("002");
  for (int i = 1; i <= 500; ++i) tree.push_back("002\\" + FormatSegment(i));
  Locations before = tree;
  EXPECT_FALSE(Renumber(tree));
  EXPECT_EQ(tree, before);
}

TEST(LocationTest, TextsThatAreNotThreeDigitSegmentsAreHandled) {
  Locations tree = {"", "1", "1\\x", "abc", "0001\\\\"};
  EXPECT_EQ(NextFreeLocation(tree, ""), "002");
  EXPECT_EQ(NextFreeLocation(tree, "1\\"), "1\\001");
  std::string target = "1";
  EXPECT_TRUE(MakeRoom(tree, target, false));
  EXPECT_EQ(tree[1], "002");
  EXPECT_EQ(tree[2], "002\\x");
  Locations renumbered = tree;
  EXPECT_TRUE(Renumber(renumbered));
  for (const std::string& location : renumbered) {
    for (std::size_t i = 0; i < location.size(); i += 4) {
      EXPECT_EQ(location.find_first_not_of("0123456789", i), i + 3 < location.size() ? i + 3 : std::string::npos)
          << location;
    }
  }
}

TEST(LocationTest, SortedOrderIsAscendingAndKeepsEqualLocationsInOrder) {
  Locations tree = {"002", "001\\001", "001", "002", "\xE9", "001"};
  EXPECT_EQ(SortedOrder(tree), (std::vector<int>{2, 5, 1, 0, 3, 4}));
}

}  // namespace
