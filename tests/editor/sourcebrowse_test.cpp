// Function-definition and symbol searches, on texts and over the project's files.
#include "editor/sourcebrowse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/exact_text.h"
#include "platform/platform.h"
#include "support/temp_folder.h"

namespace editor {
namespace {

using testsupport::ExactText;
using Lines = std::vector<int>;

Lines Definitions(const std::string& text, const std::string& word) {
  const ExactText exact(text);
  return FindFunctionDefinitions(exact.data(), exact.size(), word);
}

Lines Symbols(const std::string& text, const std::string& word) {
  const ExactText exact(text);
  return FindSymbolOccurrences(exact.data(), exact.size(), word);
}

TEST(FindFunctionDefinitionsTest, DefinitionsButNotCallsOrPrototypes) {
  const std::string text =
      "int foo (int a) { return a; }\r\n"
      "void g() { foo(1); }\r\n"
      "int foo(int a);\r\n"
      "int foo(void)\r\n"
      "{\r\n"
      "}\r\n";
  EXPECT_EQ((Lines{1, 4}), Definitions(text, "foo"));
  EXPECT_EQ((Lines{2}), Definitions(text, "g"));
  EXPECT_EQ((Lines{}), Definitions(text, "fo"));  // "fo" is followed by "o", not "("
}

TEST(FindFunctionDefinitionsTest, SplitDefinitionIsFoundAtTheLineHoldingItsName) {
  EXPECT_EQ((Lines{2}), Definitions("int\r\nfoo\r\n(int a)\r\n{\r\n}\r\n", "foo"));
  EXPECT_EQ((Lines{1}), Definitions("foo \\\n\t(int a) \\\n {", "foo"));
}

TEST(FindFunctionDefinitionsTest, OnlyTheByteBeforeTheWordIsJudged) {
  EXPECT_EQ((Lines{}), Definitions("void barfoo(int a) {}", "foo"));
  EXPECT_EQ((Lines{}), Definitions("void _foo(int a) {}", "foo"));
  EXPECT_EQ((Lines{}), Definitions("void 2foo(int a) {}", "foo"));
  EXPECT_EQ((Lines{1}), Definitions("void *foo(int a) {}", "foo"));
  EXPECT_EQ((Lines{1}), Definitions("foo(){}", "foo"));  // at offset 0 nothing precedes it
}

TEST(FindFunctionDefinitionsTest, TheFirstClosingParenthesisDecides) {
  // A parameter list holding parentheses ends at its first ")": such definitions are not found.
  EXPECT_EQ((Lines{}), Definitions("void foo(int (*f)(void)) {}", "foo"));
}

TEST(FindFunctionDefinitionsTest, LinesCountLoneCrAndLf) {
  EXPECT_EQ((Lines{4}), Definitions("a\rb\nc\r\nfoo(){}", "foo"));
  EXPECT_EQ((Lines{4}), Definitions("\n\r\rfoo(){}", "foo"));
}

TEST(FindFunctionDefinitionsTest, TruncatedTextsAndEmptyWords) {
  for (const char* text : {"foo", "foo ", "foo(", "foo(a", "foo(a)", "foo(a) ", "foo(a)\\", "x foo"}) {
    EXPECT_EQ((Lines{}), Definitions(text, "foo")) << text;
  }
  EXPECT_EQ((Lines{}), Definitions("foo(){}", ""));
  EXPECT_EQ((Lines{}), FindFunctionDefinitions(nullptr, 5, "foo"));
}

TEST(FindFunctionDefinitionsTest, HostileTextsStayLinear) {
  std::string open;
  for (int i = 0; i < 100000; ++i) open += "foo(";
  EXPECT_EQ((Lines{}), Definitions(open, "foo"));
  std::string shared = open + ")" + std::string(1000000, ' ') + "{";
  EXPECT_EQ(100000u, Definitions(shared, "foo").size());
  std::string blanks;
  for (int i = 0; i < 2000; ++i) blanks += " ";
  EXPECT_EQ((Lines{}), Definitions(blanks + "x", " "));
}

TEST(FindSymbolOccurrencesTest, EveryOccurrenceNotPrecededByAWordCharacter) {
  EXPECT_EQ((Lines{1, 2, 3}), Symbols("foo\nfoobar\n(foo)\nbarfoo\n_foo", "foo"));
  EXPECT_EQ((Lines{1}), Symbols("x foo", "foo"));
  EXPECT_EQ((Lines{}), Symbols("", "foo"));
  EXPECT_EQ((Lines{}), Symbols("foo", ""));
}

class BrowseTest : public ::testing::Test {
 protected:
  void Put(const std::string& name, const std::string& text) {
    ASSERT_EQ(static_cast<int>(text.size()), platform::WriteWholeFile(folder_.File(name), text.data(), text.size()));
  }
  std::vector<std::string> Files(const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(folder_.File(name));
    return paths;
  }
  ConsoleSink Sink() {
    return [this](const std::string& line) { lines_.push_back(line); };
  }

  testsupport::TempFolder folder_;
  std::vector<std::string> lines_;
};

TEST_F(BrowseTest, FunctionSearchCoversCAndCppSourcesOnly) {
  Put("a.c", "int foo(void)\r\n{\r\n}\r\n");
  Put("b.CPP", "\r\n\r\nvoid foo(int) {}\r\n");
  Put("c.h", "int foo(void) {}\r\n");
  Put("d.txt", "int foo(void) {}\r\n");
  BrowseForFunction(Files({"a.c", "missing.c", "b.CPP", "c.h", "d.txt"}), "foo", Sink());
  EXPECT_EQ((std::vector<std::string>{"*BROWSE FOR FUNCTION: foo", "Found in " + folder_.File("a.c") + " 1 ",
                                      "Found in " + folder_.File("b.CPP") + " 3 ", "...ready"}),
            lines_);
}

TEST_F(BrowseTest, SymbolSearchCoversHeadersToo) {
  Put("a.c", "foo(1);\nfoobar;\n");
  Put("c.h", "\nextern int foo;\n");
  BrowseForSymbol(Files({"a.c", "c.h", "e.rc"}), "foo", Sink());
  EXPECT_EQ((std::vector<std::string>{"*BROWSE FOR SYMBOL: foo", "Found in " + folder_.File("a.c") + " 1 ",
                                      "Found in " + folder_.File("a.c") + " 2 ",
                                      "Found in " + folder_.File("c.h") + " 2 ", "...ready"}),
            lines_);
}

TEST_F(BrowseTest, NoHitsGiveOnlyTheHeadingAndReady) {
  BrowseForSymbol({}, "foo", Sink());
  EXPECT_EQ((std::vector<std::string>{"*BROWSE FOR SYMBOL: foo", "...ready"}), lines_);
  BrowseForFunction({}, "foo", ConsoleSink());  // no sink: nothing to do, nothing breaks
}

TEST(ConsoleLineTest, FoundAndMarkerLines) {
  EXPECT_EQ("Found in C:\\p\\a.c 12 ", FoundLine("C:\\p\\a.c", 12));
  EXPECT_EQ("Marker:  C:\\p\\a.c 3: int x;", MarkerLine("C:\\p\\a.c", 3, "int x;"));
  EXPECT_EQ("Marker:  a.c 1: " + std::string(128, 'x'), MarkerLine("a.c", 1, std::string(600, 'x')));
}

}  // namespace
}  // namespace editor
