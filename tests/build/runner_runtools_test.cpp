// Tool output into console lines, the run lock and program-path quoting.
#include "build/runtools.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "console/buildline.h"

namespace {

using build::kMaxLineCharacters;
using build::ToolOutputLines;

struct Recorded {
  std::vector<std::string> lines;
  bool error = false;
};

// Feeds `output` in pieces of the given sizes (cycled), then ends it.
Recorded Feed(const std::string& output, const std::vector<std::size_t>& pieces,
             const build::LineFilter& filter = console::ClassifyBuildLine) {
  Recorded r;
  ToolOutputLines lines(filter, [&r](const std::string& line) { r.lines.push_back(line); });
  std::size_t at = 0;
  for (std::size_t i = 0; at < output.size(); ++i) {
    const std::size_t n = std::min(pieces[i % pieces.size()], output.size() - at);
    lines.Feed(output.data() + at, n);
    at += n;
  }
  lines.Finish();
  r.error = lines.ErrorSeen();
  return r;
}

Recorded RunWhole(const std::string& output) { return Feed(output, {output.size() + 1}); }

// The lines a reader that takes one byte at a time delivers: the reference for every piece size.
std::vector<std::string> ByteAtATime(const std::string& output) {
  std::vector<std::string> lines;
  std::string buffer;
  for (char c : output) {
    if (c == '\n') {
      if (!buffer.empty() && buffer.back() == '\r') buffer.pop_back();
      lines.push_back(buffer.substr(0, buffer.find('\0')));
      buffer.clear();
      continue;
    }
    if (buffer.size() == kMaxLineCharacters) {
      lines.push_back(buffer.substr(0, buffer.find('\0')));
      buffer.clear();
    }
    buffer += c;
  }
  if (!buffer.empty() && buffer.back() == '\r') buffer.pop_back();
  if (!buffer.empty()) lines.push_back(buffer.substr(0, buffer.find('\0')));
  return lines;
}

TEST(ToolOutputLinesTest, LineEndings) {
  const Recorded r = RunWhole("one\r\ntwo\nthree\rstill three\n\n\r\nlast");
  EXPECT_EQ(r.lines, (std::vector<std::string>{"one", "two", "three\rstill three", "", "", "last"}));
  EXPECT_FALSE(r.error);
}

TEST(ToolOutputLinesTest, ALastLineWithoutLineFeedIsShownAndClassified) {
  // Dropping it would let a tool whose final error line lacks a line feed pass as a success.
  const Recorded r = RunWhole("bcc32 stand-in compiler 1.0\nError E2451 a.cpp 5: Undefined symbol 'x'");
  EXPECT_EQ(r.lines.back(), "Error E2451 a.cpp 5: Undefined symbol 'x'");
  EXPECT_TRUE(r.error);
  EXPECT_EQ(RunWhole("done\r").lines, (std::vector<std::string>{"done"}));
  EXPECT_EQ(RunWhole("done\n\r").lines, (std::vector<std::string>{"done"}));
  EXPECT_TRUE(RunWhole("").lines.empty());
}

TEST(ToolOutputLinesTest, LongLinesComeInPiecesOfTheBuffersLength) {
  const std::string longLine(10000, 'x');
  const Recorded r = RunWhole(longLine + "\nafter\n");
  ASSERT_EQ(r.lines.size(), 6u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(r.lines[i], std::string(kMaxLineCharacters, 'x'));
  EXPECT_EQ(r.lines[4], std::string(10000 - 4 * kMaxLineCharacters, 'x'));
  EXPECT_EQ(r.lines[5], "after");
  // Exactly one buffer full: one line, no empty piece.
  EXPECT_EQ(RunWhole(std::string(kMaxLineCharacters, 'y') + "\n").lines,
            (std::vector<std::string>{std::string(kMaxLineCharacters, 'y')}));
}

TEST(ToolOutputLinesTest, AnErrorWordSplitOffALongLineStillCounts) {
  const Recorded r = RunWhole(std::string(kMaxLineCharacters, ' ') + "Error: split\n");
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_EQ(r.lines[1], "Error: split");
  EXPECT_TRUE(r.error);
}

TEST(ToolOutputLinesTest, AnyPieceSizesGiveTheLinesOfAByteAtATimeReader) {
  std::mt19937 random(7);
  std::string output;
  const char alphabet[] = "ab\r\n\n\0E";
  for (int i = 0; i < 60000; ++i) {
    const int pick = static_cast<int>(random() % 100);
    if (pick < 2) {
      output += std::string(kMaxLineCharacters - 1 + random() % 3, 'L');  // around the buffer's edge
    } else {
      output += alphabet[random() % (sizeof alphabet - 1)];
    }
  }
  const std::vector<std::string> expected = ByteAtATime(output);
  for (const std::vector<std::size_t>& pieces :
       std::vector<std::vector<std::size_t>>{{1}, {2}, {3, 1, 7}, {2047}, {2048}, {4096}, {65536}, {1, 5000}}) {
    SCOPED_TRACE(pieces.front());
    EXPECT_EQ(Feed(output, pieces).lines, expected);
  }
}

TEST(ToolOutputLinesTest, ZeroBytesCutTheLineAsTheConsoleWould) {
  const std::string output("ab\0cd\nef\n", 9);
  EXPECT_EQ(RunWhole(output).lines, (std::vector<std::string>{"ab", "ef"}));
}

TEST(ToolOutputLinesTest, FiltersRewriteLinesAndSetTheErrorFlag) {
  int calls = 0;
  const build::LineFilter shout = [&calls](std::string& output, const std::string& line) {
    ++calls;
    EXPECT_TRUE(output.empty());  // every line starts with an empty output buffer
    output = "[" + line + "]";
    return line == "bad" ? 1 : 0;
  };
  const Recorded r = Feed("good\nbad\nfine", {3}, shout);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"[good]", "[bad]", "[fine]"}));
  EXPECT_TRUE(r.error);
  EXPECT_EQ(calls, 3);
  // No filter: lines as they are, nothing is an error.
  const Recorded plain = Feed("Error E2451 a.cpp 5: x\n", {4}, build::LineFilter());
  EXPECT_EQ(plain.lines, (std::vector<std::string>{"Error E2451 a.cpp 5: x"}));
  EXPECT_FALSE(plain.error);
}

TEST(ToolOutputLinesTest, WithoutAConsoleTheFilterStillDecides) {
  ToolOutputLines lines(console::ClassifyBuildLine, build::ConsoleSink());
  const std::string text = "Fatal: Unable to open file 'X.OBJ'\n";
  EXPECT_EQ(lines.Feed(text.data(), text.size()), 1u);
  lines.Finish();
  EXPECT_TRUE(lines.ErrorSeen());
}

TEST(RunLockTest, OneHolderAtATime) {
  EXPECT_FALSE(build::IsRunLocked());
  {
    build::RunLock first;
    EXPECT_TRUE(first.Held());
    EXPECT_TRUE(build::IsRunLocked());
    {
      build::RunLock second;
      EXPECT_FALSE(second.Held());
    }
    EXPECT_TRUE(build::IsRunLocked());  // the refused one does not release the holder's lock
  }
  EXPECT_FALSE(build::IsRunLocked());
}

TEST(QuoteProgramPathTest, QuotesOnlyPathsWithBlanks) {
  EXPECT_EQ(build::QuoteProgramPath("C:\\BC\\BIN\\bcc32"), "C:\\BC\\BIN\\bcc32");
  EXPECT_EQ(build::QuoteProgramPath("C:\\Program Files\\VC\\bin\\cl"), "\"C:\\Program Files\\VC\\bin\\cl\"");
  EXPECT_EQ(build::QuoteProgramPath("\"C:\\Program Files\\grep.exe\""), "\"C:\\Program Files\\grep.exe\"");
  EXPECT_EQ(build::QuoteProgramPath(""), "");
}

}  // namespace
