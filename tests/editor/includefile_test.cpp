// The include line's file name and the directory lists searched for it.
#include "editor/includefile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace editor {
namespace {

using Dirs = std::vector<std::string>;

TEST(IncludeFileNameTest, TextBetweenTheQuotesOrAngles) {
  EXPECT_EQ("win.h", IncludeFileName("#include \"win.h\""));
  EXPECT_EQ("stdio.h", IncludeFileName("#include <stdio.h> // io"));
  EXPECT_EQ("sys\\a.h", IncludeFileName("  #  include <sys\\a.h>"));
  EXPECT_EQ("a.h", IncludeFileName("#include <a.h\" x"));
  EXPECT_EQ("open.h", IncludeFileName("#include \"open.h"));
  EXPECT_EQ("open.h", IncludeFileName("#include \"open.h\r\n"));
  EXPECT_EQ("", IncludeFileName("#include"));
  EXPECT_EQ("", IncludeFileName("#include \"\""));
  EXPECT_EQ("", IncludeFileName(""));
}

TEST(SplitDirectoryListTest, SemicolonsStoredLineBreaksAndQuotes) {
  EXPECT_EQ((Dirs{"C:\\a", "D:\\b c"}), SplitDirectoryList("C:\\a;\"D:\\b c\""));
  EXPECT_EQ((Dirs{"C:\\a", "C:\\b"}), SplitDirectoryList(";C:\\a;;C:\\b;"));
  EXPECT_EQ((Dirs{"C:\\a", "C:\\b"}), SplitDirectoryList("C:\\a\\\xB6" "C:\\b"));
  EXPECT_EQ((Dirs{"C:\\inc\\", "D:\\x"}), SplitDirectoryList("C:\\inc\\;D:\\x"));
  EXPECT_EQ((Dirs{}), SplitDirectoryList(""));
  EXPECT_EQ((Dirs{"C:\\a\\"}), SplitDirectoryList("C:\\a\\"));
}

class FindIncludedFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::CreateFolder(folder_.File("inc1"));
    platform::CreateFolder(folder_.File("inc2"));
    platform::CreateFolder(folder_.File("src"));
    platform::CreateFolder(folder_.File("tools"));
  }
  void Put(const std::string& path) { ASSERT_EQ(1, platform::WriteWholeFile(path, "x", 1)); }
  std::string Find(const std::string& name) {
    trace_.clear();
    return FindIncludedFile(name, project_, global_, [this](const std::string& line) { trace_.push_back(line); });
  }

  testsupport::TempFolder folder_;
  std::string project_ = folder_.File("demo.ovs");
  std::string global_ = folder_.File("Orvantel.ini");
  std::vector<std::string> trace_;
};

TEST_F(FindIncludedFileTest, ProjectIncludeListFirstInOrder) {
  Put(folder_.File("inc2") + "\\a.h");
  ASSERT_TRUE(settings::WriteString(project_, "Directories", "Include",
                                    (folder_.File("inc1") + ";\"" + folder_.File("inc2") + "\\\"").c_str()));
  EXPECT_EQ(folder_.File("inc2") + "\\a.h", Find("a.h"));
  EXPECT_EQ((std::vector<std::string>{
                "Inludepath incl: " + folder_.File("inc1") + ";\"" + folder_.File("inc2") + "\\\"\r\n",
                "Inludefile: " + folder_.File("inc1") + "\\a.h\r\n", "Inludefile: " + folder_.File("inc2") + "\\a.h\r\n"}),
            trace_);
}

TEST_F(FindIncludedFileTest, SourceListWhenIncludeIsEmpty) {
  Put(folder_.File("src") + "\\b.h");
  ASSERT_TRUE(settings::WriteString(project_, "Directories", "Source", folder_.File("src").c_str()));
  EXPECT_EQ(folder_.File("src") + "\\b.h", Find("b.h"));
  ASSERT_FALSE(trace_.empty());
  EXPECT_EQ("Inludepath source: " + folder_.File("src") + "\r\n", trace_[0]);
}

TEST_F(FindIncludedFileTest, ThenTheCurrentProfilesIncludeList) {
  Put(folder_.File("tools") + "\\windows.h");
  Put(folder_.File("inc1") + "\\windows.h");
  ASSERT_TRUE(settings::WriteString(project_, "Directories", "Include", folder_.File("inc2").c_str()));
  ASSERT_TRUE(settings::WriteString(global_, "Profile", "Current", "2"));
  ASSERT_TRUE(settings::WriteString(global_, "Profile", "2", "VisualToolkit"));
  ASSERT_TRUE(settings::WriteString(global_, "Borland", "Include", folder_.File("inc1").c_str()));
  ASSERT_TRUE(settings::WriteString(global_, "VisualToolkit", "Include", folder_.File("tools").c_str()));
  EXPECT_EQ(folder_.File("tools") + "\\windows.h", Find("windows.h"));
}

TEST_F(FindIncludedFileTest, BorlandWhenTheCurrentKeyNamesNoProfile) {
  Put(folder_.File("inc1") + "\\w.h");
  ASSERT_TRUE(settings::WriteString(global_, "Borland", "Include", folder_.File("inc1").c_str()));
  EXPECT_EQ(folder_.File("inc1") + "\\w.h", Find("w.h"));
}

TEST_F(FindIncludedFileTest, NothingFoundOrNoName) {
  ASSERT_TRUE(settings::WriteString(project_, "Directories", "Include", folder_.File("inc1").c_str()));
  EXPECT_EQ("", Find("none.h"));
  EXPECT_EQ("", Find(""));
  EXPECT_TRUE(trace_.empty());
  EXPECT_EQ("", FindIncludedFile("a.h", "", "", TraceSink()));
  // A folder of the name is no file.
  EXPECT_EQ("", Find("..\\inc2"));
}

}  // namespace
}  // namespace editor
