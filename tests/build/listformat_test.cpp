// The three list forms, free options and file-name pieces of command lines.
#include "build/listformat.h"

#include <gtest/gtest.h>

namespace build {
namespace {

TEST(ListFormatTest, WorkedExamplesComeOutByteForByte) {
  EXPECT_EQ(FormatJoinedList("C:\\inc; C:\\my inc"), "C:\\inc;\"C:\\my inc\"");
  EXPECT_EQ(FormatJoinedList("WIN32;X"), "WIN32");
  EXPECT_EQ(FormatJoinedList("C:\\a;;X;C:\\b c"), "C:\\a;\"C:\\b c\"");
  EXPECT_EQ(FormatQuotedOptions("A1;B2C", "/D"), "/D \"B2C\"");
  EXPECT_EQ(FormatAttachedOptions("obj", "/Fo"), "/Foobj");
}

TEST(ListFormatTest, StoredLineBreakSeparatesLikeASemicolon) {
  EXPECT_EQ(FormatJoinedList("ONE\\\xB6TWO;THREE"), "ONE;TWO;THREE");
  EXPECT_EQ(FormatQuotedOptions("C:\\a\\\xB6" "C:\\b", "/I"), "/I \"C:\\a\" /I \"C:\\b\"");
}

TEST(ListFormatTest, ElementsNeedThreeCharactersOtherThanBlanksAndQuotes) {
  EXPECT_EQ(FormatJoinedList("AB;A B;ABC"), "ABC");
  EXPECT_EQ(FormatJoinedList("\"AB\";  AB  "), "");
  EXPECT_EQ(FormatJoinedList(""), "");
  EXPECT_EQ(FormatQuotedOptions(";;", "/D"), "");
  EXPECT_EQ(FormatAttachedOptions("  ", "/LIBPATH:"), "");
}

TEST(ListFormatTest, LeadingBlanksQuoteAnElementTrailingBlanksDoNot) {
  EXPECT_EQ(FormatJoinedList("AAA; BBB"), "AAA;\"BBB\"");
  EXPECT_EQ(FormatJoinedList("AAA;BBB   ;CCC"), "AAA;BBB;CCC");
  EXPECT_EQ(FormatAttachedOptions("lib; C:\\x", "/LIBPATH:"), "/LIBPATH:lib /LIBPATH:\"C:\\x\"");
}

TEST(ListFormatTest, DoubleQuotesInsideAnElementAreRemoved) {
  EXPECT_EQ(FormatJoinedList("\"C:\\inc\""), "C:\\inc");
  EXPECT_EQ(FormatJoinedList("\"C:\\my inc\""), "\"C:\\my inc\"");
  EXPECT_EQ(FormatQuotedOptions("NAME=\"v\"", "/D"), "/D \"NAME=v\"");
}

TEST(ListFormatTest, EveryElementOfTheQuotedAndAttachedFormsIsFollowedByOneBlankButTheLast) {
  EXPECT_EQ(FormatQuotedOptions("AAA;BBB", "/D "), "/D  \"AAA\" /D  \"BBB\"");
  EXPECT_EQ(FormatAttachedOptions("aaa;bbb", "/Fo"), "/Foaaa /Fobbb");
}

// A quoted element ending in a backslash used to end in \" , which the tools' argument parsing
// reads as an escaped quote: the rest of the command line became part of the argument.
TEST(ListFormatTest, TrailingBackslashInsideQuotesIsDoubledInAllThreeForms) {
  EXPECT_EQ(FormatJoinedList("D:\\my sdk\\include\\"), "\"D:\\my sdk\\include\\\\\"");
  EXPECT_EQ(FormatQuotedOptions("D:\\sdk\\include\\", "/I"), "/I \"D:\\sdk\\include\\\\\"");
  EXPECT_EQ(FormatAttachedOptions("D:\\my lib\\", "/LIBPATH:"), "/LIBPATH:\"D:\\my lib\\\\\"");
  // Outside quotes a trailing backslash is harmless and stays single.
  EXPECT_EQ(FormatJoinedList("D:\\sdk\\include\\"), "D:\\sdk\\include\\");
  EXPECT_EQ(FormatAttachedOptions("obj\\", "/Fo"), "/Foobj\\");
}

TEST(ListFormatTest, FreeOptionsTurnLineBreaksIntoTwoBlanks) {
  EXPECT_EQ(FreeOptionsText(""), "");
  EXPECT_EQ(FreeOptionsText("-a\\r-b"), " -a  -b");
  EXPECT_EQ(FreeOptionsText("-a\\\xB6-b"), " -a  -b");
  EXPECT_EQ(FreeOptionsText("-x\\"), " -x\\");
}

TEST(ListFormatTest, UnquotedDirectoryUndoesTheJoinedFormsQuoting) {
  EXPECT_EQ(UnquotedDirectory("out"), "out");
  EXPECT_EQ(UnquotedDirectory(FormatJoinedList("C:\\my out")), "C:\\my out");
  EXPECT_EQ(UnquotedDirectory(FormatJoinedList("C:\\my out\\")), "C:\\my out\\");
}

TEST(ListFormatTest, FileNamePieces) {
  EXPECT_EQ(FileNameOfPath("C:\\P\\src\\a.b.cpp"), "a.b.cpp");
  EXPECT_EQ(BaseNameOfPath("C:\\P\\src\\a.b.cpp"), "a.b");
  EXPECT_EQ(BaseNameOfPath("noext"), "noext");
  EXPECT_EQ(BaseNameOfPath("C:\\my.dir\\file"), "file");
  EXPECT_EQ(QuotedWhenBlank("a b.obj"), "\"a b.obj\"");
  EXPECT_EQ(QuotedWhenBlank("ab.obj"), "ab.obj");
}

}  // namespace
}  // namespace build
