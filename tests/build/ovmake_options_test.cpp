// The command line of ovmake.exe and the paths it is given.
#include "build/ovmake_options.h"

#include <gtest/gtest.h>

namespace {

using ovmake::Mode;
using ovmake::ParseCommandLine;

TEST(OvmakeOptionsTest, EachModeAndTheIniInAnyOrder) {
  auto make = ParseCommandLine({"app.ovp"});
  ASSERT_TRUE(make.ok);
  EXPECT_EQ(make.options.mode, Mode::kMake);
  EXPECT_EQ(make.options.project, "app.ovp");
  EXPECT_EQ(make.options.ini, "");

  EXPECT_EQ(ParseCommandLine({"--all", "app.ovp"}).options.mode, Mode::kBuildAll);
  EXPECT_EQ(ParseCommandLine({"app.ovp", "--makefile"}).options.mode, Mode::kMakefile);
  EXPECT_EQ(ParseCommandLine({"--run", "app.ovp"}).options.mode, Mode::kRun);
  // Naming a mode twice is harmless.
  EXPECT_TRUE(ParseCommandLine({"--all", "--all", "app.ovp"}).ok);

  auto compile = ParseCommandLine({"--ini", "C:\\x.ini", "app.ovp", "--compile", "src\\a.c"});
  ASSERT_TRUE(compile.ok);
  EXPECT_EQ(compile.options.mode, Mode::kCompile);
  EXPECT_EQ(compile.options.compileFile, "src\\a.c");
  EXPECT_EQ(compile.options.ini, "C:\\x.ini");
  EXPECT_EQ(compile.options.project, "app.ovp");

  auto attached = ParseCommandLine({"--compile=a.c", "--ini=my.ini", "app.ovp"});
  ASSERT_TRUE(attached.ok);
  EXPECT_EQ(attached.options.compileFile, "a.c");
  EXPECT_EQ(attached.options.ini, "my.ini");

  // After "--" everything is a project name, even one that looks like an option.
  auto dashed = ParseCommandLine({"--all", "--", "-odd.ovp"});
  ASSERT_TRUE(dashed.ok);
  EXPECT_EQ(dashed.options.project, "-odd.ovp");
  EXPECT_EQ(dashed.options.mode, Mode::kBuildAll);
}

TEST(OvmakeOptionsTest, ProblemsNameWhatIsWrong) {
  struct Case {
    std::vector<std::string> arguments;
    std::string problem;
  };
  const Case cases[] = {
      {{}, "no project file given"},
      {{"--all"}, "no project file given"},
      {{"a.ovp", "b.ovp"}, "more than one project file given: a.ovp, b.ovp"},
      {{""}, "the project file name is empty"},
      {{"-x", "a.ovp"}, "unknown option -x"},
      {{"--Make", "a.ovp"}, "unknown option --Make"},
      {{"--all", "--run", "a.ovp"}, "options --all and --run cannot be combined"},
      {{"--makefile", "--compile", "a.c", "a.ovp"}, "options --makefile and --compile cannot be combined"},
      {{"--compile", "a.c", "--compile", "b.c", "a.ovp"}, "option --compile given twice"},
      {{"a.ovp", "--compile"}, "option --compile needs a file name"},
      {{"--compile", "--all", "a.ovp"}, "option --compile needs a file name"},
      {{"--compile=", "a.ovp"}, "option --compile needs a file name"},
      {{"a.ovp", "--ini"}, "option --ini needs a path"},
      {{"--ini", "a.ini", "--ini", "b.ini", "a.ovp"}, "option --ini given twice"},
      {{"--all=yes", "a.ovp"}, "option --all takes no value"},
  };
  for (const Case& c : cases) {
    auto parsed = ParseCommandLine(c.arguments);
    EXPECT_FALSE(parsed.ok) << c.problem;
    EXPECT_EQ(parsed.problem, c.problem);
  }
  // Only the first problem is told.
  EXPECT_EQ(ParseCommandLine({"-x", "-y"}).problem, "unknown option -x");
}

TEST(OvmakeOptionsTest, HelpWinsOverEveryProblem) {
  for (const char* help : {"--help", "-h", "/?"}) {
    auto parsed = ParseCommandLine({"-x", "--all", "--run", help});
    EXPECT_TRUE(parsed.ok) << help;
    EXPECT_TRUE(parsed.options.help) << help;
  }
  auto usage = ovmake::UsageLines();
  ASSERT_FALSE(usage.empty());
  EXPECT_EQ(usage.front(), "Usage: ovmake [options] PROJECT.ovp");
  for (const char* option : {"--all", "--makefile", "--compile FILE", "--run", "--ini PATH", "--help"}) {
    bool listed = false;
    for (const std::string& line : usage) listed |= line.find(option) != std::string::npos;
    EXPECT_TRUE(listed) << option;
  }
}

TEST(OvmakeOptionsTest, AbsolutePathsAsTheSystemWouldOpenThem) {
  using ovmake::AbsolutePath;
  const std::string here = "C:\\Work\\Demo";
  EXPECT_EQ(AbsolutePath("app.ovp", here), "C:\\Work\\Demo\\app.ovp");
  EXPECT_EQ(AbsolutePath("sub/app.ovp", here), "C:\\Work\\Demo\\sub\\app.ovp");
  EXPECT_EQ(AbsolutePath("..\\Other\\.\\app.ovp", here), "C:\\Work\\Other\\app.ovp");
  EXPECT_EQ(AbsolutePath(".\\app.ovp", here), "C:\\Work\\Demo\\app.ovp");
  EXPECT_EQ(AbsolutePath("..\\..\\..\\..\\app.ovp", here), "C:\\app.ovp");
  EXPECT_EQ(AbsolutePath("\\P\\app.ovp", here), "C:\\P\\app.ovp");
  EXPECT_EQ(AbsolutePath("D:\\P\\\\x\\..\\app.ovp", here), "D:\\P\\app.ovp");
  EXPECT_EQ(AbsolutePath("d:/p/app.ovp", here), "d:\\p\\app.ovp");
  // Drive-relative: below the current directory on its own drive, else below that drive's root.
  EXPECT_EQ(AbsolutePath("c:sub\\app.ovp", here), "C:\\Work\\Demo\\sub\\app.ovp");
  EXPECT_EQ(AbsolutePath("E:app.ovp", here), "E:\\app.ovp");
  EXPECT_EQ(AbsolutePath("..", "C:\\"), "C:\\");
  EXPECT_EQ(AbsolutePath("a.c", "C:\\"), "C:\\a.c");
  EXPECT_EQ(AbsolutePath("\\\\server\\share\\p\\..\\app.ovp", here), "\\\\server\\share\\app.ovp");
  EXPECT_EQ(AbsolutePath("app.ovp", "\\\\server\\share\\dir"), "\\\\server\\share\\dir\\app.ovp");
  EXPECT_EQ(AbsolutePath("", here), "");
}

}  // namespace
