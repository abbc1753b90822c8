// The project file on the command line.
#include "shell/commandline.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

TEST(CommandLineTest, QuotedArgumentKeepsItsBlanks) {
  EXPECT_EQ(FirstArgument("\"C:\\My Projects\\Demo\\Demo.ovp\""), "C:\\My Projects\\Demo\\Demo.ovp");
  EXPECT_EQ(FirstArgument("  \"C:\\a b.ovp\" second"), "C:\\a b.ovp");
}

TEST(CommandLineTest, UnquotedArgumentEndsAtABlank) {
  EXPECT_EQ(FirstArgument("C:\\Work\\Demo.ovp"), "C:\\Work\\Demo.ovp");
  EXPECT_EQ(FirstArgument("\tC:\\Work\\Demo.ovp other"), "C:\\Work\\Demo.ovp");
}

TEST(CommandLineTest, NoArgument) {
  EXPECT_EQ(FirstArgument(""), "");
  EXPECT_EQ(FirstArgument("   "), "");
  EXPECT_EQ(FirstArgument(nullptr), "");
  EXPECT_EQ(FirstArgument("\"\""), "");
}

TEST(CommandLineTest, AnUnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ(FirstArgument("\"C:\\a b.ovp"), "C:\\a b.ovp");
}

}  // namespace
}  // namespace shell
