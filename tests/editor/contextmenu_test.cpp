// The enabling rule of the editor's source-browsing menu items.
#include "editor/contextmenu.h"

#include <gtest/gtest.h>

#include <string>

namespace editor {
namespace {

// Positions 4, 5, 6, 7 and 9 as "1" for enabled and "0" for grey.
std::string Items(const std::string& line, int caret, const std::string& word) {
  const ContextMenuState s = ContextMenuFor(line, caret, word);
  std::string items;
  for (bool on : {s.browseSymbol, s.browseFunction, s.helpTopic, s.openInclude, s.markPosition}) {
    items += on ? '1' : '0';
  }
  return items;
}

TEST(ContextMenuTest, IncludeLineEnablesOnlyOpenIncludedSource) {
  EXPECT_EQ("00011", Items("#include \"win.h\"", 12, "win"));
  EXPECT_EQ("00011", Items("x = include(1);", 4, "include"));
}

TEST(ContextMenuTest, ControlWordsGreyTheBrowsingItems) {
  for (const char* word : {"if", "while", "for", "switch"}) {
    EXPECT_EQ("00001", Items("while (x) {", 0, word)) << word;
  }
  EXPECT_EQ("11101", Items("whilst (x);", 0, "whilst"));
}

TEST(ContextMenuTest, FunctionItemWhenAParenthesisComesFirst) {
  EXPECT_EQ("11101", Items("foo(1);", 0, "foo"));
  EXPECT_EQ("11101", Items("  x = foo (1);", 6, "foo"));
  EXPECT_EQ("10101", Items("  x = foo + bar(1);", 6, "foo"));
  EXPECT_EQ("10101", Items("s = \"foo(\";", 4, "foo"));
  EXPECT_EQ("10101", Items("int foo;", 4, "foo"));
  EXPECT_EQ("10101", Items("foo", 0, "foo"));
}

TEST(ContextMenuTest, ParenthesisWithinTheFirst128Bytes) {
  EXPECT_EQ("11101", Items(std::string(127, ' ') + "(", 0, "x"));
  EXPECT_EQ("10101", Items(std::string(128, ' ') + "(", 0, "x"));
  EXPECT_EQ("10101", Items(std::string(200, ' ') + "(", 128, "x"));
  EXPECT_EQ("10101", Items("f(x)", 10, "f"));
  EXPECT_EQ("10101", Items("f(x)", -1, "f"));
}

}  // namespace
}  // namespace editor
