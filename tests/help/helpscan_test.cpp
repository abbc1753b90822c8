// Tests of the windowed keyword and title scans of help files.
#include "help/helpscan.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace {

using help::kScanOverlap;
using help::kScanWindow;

// A file held in memory that records every window the scan asks for.
struct MemoryFile {
  std::string bytes;
  std::vector<std::pair<std::uint64_t, std::size_t>> reads;

  help::ReadAtFn Reader() {
    return [this](std::uint64_t offset, char* dest, std::size_t count) -> std::size_t {
      reads.emplace_back(offset, count);
      if (offset >= bytes.size()) return 0;
      std::size_t n = std::min<std::size_t>(count, bytes.size() - offset);
      bytes.copy(dest, n, offset);
      return n;
    };
  }
  int Keyword(const std::string& keyword) { return help::ScanForKeyword(bytes.size(), Reader(), keyword); }
  std::string Title() { return help::ScanForTitle(bytes.size(), Reader()); }
};

std::string Filler(std::size_t size) {
  std::string s(size, '.');
  for (std::size_t i = 0; i < size; i += 61) s[i] = 'x';
  return s;
}

// A help file's system header with its title at 16 bytes after the 0x6C byte.
std::string SystemHeader(int minor, const std::string& title) {
  std::string h = {'\x6C', '\x03', static_cast<char>(minor), '\x00', '\x01'};
  h += std::string(11, '\x07');
  return h + title + std::string(1, '\0');
}

TEST(HelpScanTest, WindowsOf32768BytesOverlapBy128AndReachTheEnd) {
  MemoryFile file{Filler(100000), {}};
  EXPECT_EQ(file.Keyword("absent"), help::kNotFound);
  ASSERT_EQ(file.reads.size(), 4u);
  EXPECT_EQ(file.reads[0], std::make_pair(std::uint64_t{0}, kScanWindow));
  EXPECT_EQ(file.reads[1].first, kScanWindow - kScanOverlap);
  EXPECT_EQ(file.reads[2].first, 2 * (kScanWindow - kScanOverlap));
  EXPECT_EQ(file.reads[3].first + file.reads[3].second, 100000u);
}

TEST(HelpScanTest, AKeywordStraddlingTwoWindowsIsFound) {
  for (std::size_t start :
       {kScanWindow - 6, kScanWindow - 1, kScanWindow - kScanOverlap, 2 * kScanWindow - 200}) {
    SCOPED_TRACE(start);
    MemoryFile file{Filler(3 * kScanWindow), {}};
    file.bytes.replace(start, 8, "printf()");
    EXPECT_EQ(file.Keyword("printf()"), help::kFound);
  }
  // A keyword of exactly the overlap's length plus one, across the first boundary.
  std::string longest(kScanOverlap + 1, 'k');
  MemoryFile file{Filler(2 * kScanWindow), {}};
  file.bytes.replace(kScanWindow - kScanOverlap - 1, longest.size(), longest);
  EXPECT_EQ(file.Keyword(longest), help::kFound);
}

// A keyword longer than the overlap used to be missed where it crossed a window boundary.
TEST(HelpScanTest, AKeywordLongerThanTheOverlapIsFoundAcrossABoundaryToo) {
  std::string keyword(300, 'q');
  keyword[0] = 'Q';
  MemoryFile file{Filler(2 * kScanWindow), {}};
  file.bytes.replace(kScanWindow - 150, keyword.size(), keyword);
  EXPECT_EQ(file.Keyword(keyword), help::kFound);
  EXPECT_EQ(file.Keyword(std::string(kScanWindow / 2 + 1, 'x')), help::kNotFound);
}

TEST(HelpScanTest, TheLastBytesOfAFileAreSearched) {
  MemoryFile file{Filler(kScanWindow + 50), {}};
  file.bytes.replace(file.bytes.size() - 3, 3, "END");
  EXPECT_EQ(file.Keyword("END"), help::kFound);
}

TEST(HelpScanTest, SmallFilesAreNeverSearchedAndTheComparisonKeepsCase) {
  MemoryFile tiny{std::string(128, 'a'), {}};
  EXPECT_EQ(tiny.Keyword("a"), help::kNotFound);
  EXPECT_EQ(tiny.Keyword(""), help::kNotFound);
  EXPECT_TRUE(tiny.reads.empty());
  MemoryFile small{std::string(129, 'a'), {}};
  EXPECT_EQ(small.Keyword("a"), help::kFound);
  EXPECT_EQ(small.Keyword("A"), help::kNotFound);
  EXPECT_EQ(small.Keyword(""), help::kFound);
}

TEST(HelpScanTest, AShortReadEndsTheScanInsteadOfLooping) {
  std::string bytes = Filler(200000);
  int calls = 0;
  help::ReadAtFn stingy = [&](std::uint64_t offset, char* dest, std::size_t count) -> std::size_t {
    ++calls;
    std::size_t n = std::min<std::size_t>({count, 100, static_cast<std::size_t>(bytes.size() - offset)});
    bytes.copy(dest, n, offset);
    return n;
  };
  EXPECT_EQ(help::ScanForKeyword(bytes.size(), stingy, "absent"), help::kNotFound);
  EXPECT_EQ(calls, 1);
}

TEST(HelpScanTest, TheTitleFollowsTheSystemHeaderOfAnyKnownVersion) {
  for (int minor : {15, 21, 27, 33}) {
    SCOPED_TRACE(minor);
    MemoryFile file{Filler(5000), {}};
    file.bytes.replace(1234, 40, SystemHeader(minor, "Win32 Programmer's Reference"));
    EXPECT_EQ(file.Title(), "Win32 Programmer's Reference");
  }
  MemoryFile other{Filler(5000), {}};
  other.bytes.replace(100, 40, SystemHeader(16, "Not a header"));
  EXPECT_EQ(other.Title(), "");
}

TEST(HelpScanTest, TitlesAcrossABoundaryOrAtTheEndAreReadWithinTheFile) {
  MemoryFile across{Filler(2 * kScanWindow), {}};
  across.bytes.replace(kScanWindow - 3, 40, SystemHeader(21, "Straddling [title]"));
  EXPECT_EQ(across.Title(), "Straddling [title]");

  MemoryFile atEnd{Filler(300), {}};
  std::string header = SystemHeader(33, "Cut off");
  atEnd.bytes.replace(300 - 19, 19, header.substr(0, 19));
  EXPECT_EQ(atEnd.Title(), "Cut");

  MemoryFile noRoom{Filler(300), {}};
  noRoom.bytes.replace(300 - 10, 5, header.substr(0, 5));
  EXPECT_EQ(noRoom.Title(), "");

  MemoryFile endless{Filler(3000), {}};
  endless.bytes.replace(0, 16, SystemHeader(15, "").substr(0, 16));
  EXPECT_EQ(endless.Title().size(), help::kMaxTitle);
}

TEST(HelpScanTest, FilesAreReadThroughThePlatformLayer) {
  testsupport::TempFolder folder;
  std::string text = Filler(40000) + SystemHeader(21, "Tools Help") + "CreateWindowEx";
  std::string path = folder.File("tools.hlp");
  ASSERT_EQ(platform::WriteWholeFile(path, text.data(), text.size()), static_cast<int>(text.size()));
  std::string title;
  EXPECT_EQ(help::ScanHelpFile(path, "CreateWindowEx", &title), help::kFound);
  EXPECT_EQ(title, "Tools Help");
  title = "unchanged";
  EXPECT_EQ(help::ScanHelpFile(path, "DestroyWindow", &title), help::kNotFound);
  EXPECT_EQ(title, "unchanged");
  EXPECT_EQ(help::ScanHelpFile(folder.File("none.hlp"), "x", &title), help::kNotOpened);
}

TEST(HelpScanTest, TruncatedAndRandomFilesAreScannedWithinTheirBytes) {
  std::mt19937 rng(4242u);
  std::string base = Filler(70000);
  base.replace(kScanWindow - 2, 40, SystemHeader(27, "Fuzz"));
  for (int round = 0; round < 300; ++round) {
    MemoryFile file{base.substr(0, rng() % base.size()), {}};
    for (int flips = 0; flips < 20; ++flips) {
      if (!file.bytes.empty()) file.bytes[rng() % file.bytes.size()] = static_cast<char>(rng());
    }
    if (round % 3 == 0) {
      file.bytes.resize(rng() % 600);
      for (char& c : file.bytes) c = static_cast<char>("\x6C\x03\x15\x01xyz\0"[rng() % 8]);
    }
    std::string keyword(1 + rng() % 4, 'x');
    file.Keyword(keyword);
    std::string title = file.Title();
    ASSERT_LE(title.size(), help::kMaxTitle);
    for (const auto& read : file.reads) ASSERT_LE(read.first + read.second, file.bytes.size());
  }
}

}  // namespace
