// Tests of the list file: writing, zero padding, reading, and failures that must lose nothing.
#include "tests/liststore/liststore_fixture.h"

#include "platform/platform.h"
#include "tests/support/temp_folder.h"

using Values = std::vector<std::string>;

namespace {

std::string FileBytes(const std::string& path) {
  std::vector<char> block;
  int size = platform::ReadWholeFile(path, block);
  return size < 0 ? std::string("<missing>") : std::string(block.data(), static_cast<std::size_t>(size));
}

void MakeFile(const std::string& path, const std::string& bytes) {
  ASSERT_EQ(static_cast<int>(bytes.size()), platform::WriteWholeFile(path, bytes.data(), bytes.size()));
}

}  // namespace

class ListFileTest : public ListStoreTest {
 protected:
  testsupport::TempFolder folder_;

  int MakeProjectLikeList() {
    int list = MakeTable({"Name", "Location"}, {{"main.c", "001"}, {"Status.c", "002"}});
    SetHeading(list, "POSITION", "20,50,280,180");
    SetField(list, 1, "ListFile.TYP", "C  ");
    SetLineStatus(list, 1, 3);
    return list;
  }
};

TEST_F(ListFileTest, WritesTextTwoZerosAndPaddingToTheSizeEstimate) {
  int list = MakeProjectLikeList();
  std::string path = folder_.File("demo.ovp");
  EXPECT_EQ(0, WriteList(list, path.c_str()));
  std::string bytes = FileBytes(path);
  std::string text = liststore::ExchangeText(list);
  ASSERT_EQ(static_cast<std::size_t>(GetSize(list)), bytes.size());
  EXPECT_EQ(text, bytes.substr(0, text.size()));
  EXPECT_EQ(std::string(bytes.size() - text.size(), '\0'), bytes.substr(text.size()));
  EXPECT_FALSE(platform::FileExists(path + ".~new"));
}

TEST_F(ListFileTest, TextLongerThanTheEstimateIsWrittenWhole) {
  int list = MakeList("long headings");
  for (int i = 0; i < 20; ++i)
    SetHeading(list, ("H" + std::to_string(i)).c_str(), std::string(200, 'h').c_str());
  std::string path = folder_.File("long.ovp");
  EXPECT_EQ(0, WriteList(list, path.c_str()));
  std::string text = liststore::ExchangeText(list);
  ASSERT_GT(text.size() + 2, static_cast<std::size_t>(GetSize(list)));
  EXPECT_EQ(text + std::string(2, '\0'), FileBytes(path));
}

TEST_F(ListFileTest, ReadListReadsWhatWriteListWrote) {
  int list = MakeProjectLikeList();
  std::string path = folder_.File("demo.ovp");
  ASSERT_EQ(0, WriteList(list, path.c_str()));
  int read = MakeList(path.c_str());
  EXPECT_EQ(3, ReadList(read, path.c_str()));
  EXPECT_EQ((Values{"main.c", "Status.c"}), Column(read, "Name"));
  EXPECT_EQ("C  ", liststore::FieldText(read, 1, "ListFile.TYP"));
  EXPECT_EQ(3, IsLineStatus(read, 1, -1));
  EXPECT_EQ("20,50,280,180", liststore::HeadingText(read, "POSITION"));
  SetTitle(read, "test");
  EXPECT_EQ(liststore::ExchangeText(list), liststore::ExchangeText(read));
}

TEST_F(ListFileTest, ReadsTextWithoutZeroBytesAndRelativePaths) {
  MakeFile(folder_.File("hand.ovp"), "Heading\r\n\r\nColumn\r\nListFile.V\r\n\r\n\r\nData\r\nx\r\n\r\nStatus\r\n1\r\n");
  int list = MakeList("hand");
  EXPECT_EQ(2, ReadList(list, "hand.ovp"));
  EXPECT_EQ("x", liststore::FieldText(list, 0, "ListFile.V"));
  EXPECT_EQ(1, IsLineStatus(list, 0, 1));
}

TEST_F(ListFileTest, ReadFailures) {
  int list = MakeList("r");
  EXPECT_EQ(-2, ReadList(list, folder_.File("missing.ovp").c_str()));
  EXPECT_EQ(-2, ReadList(list, nullptr));
  MakeFile(folder_.File("empty.ovp"), "");
  EXPECT_EQ(-6, ReadList(list, folder_.File("empty.ovp").c_str()));
  EXPECT_EQ(-10, ReadList(99, folder_.File("empty.ovp").c_str()));
}

TEST_F(ListFileTest, FileThatCannotBeCreatedGivesMinus2) {
  int list = MakeProjectLikeList();
  std::string path = folder_.File("new.ovp");
  platform::FailCreate(true);
  EXPECT_EQ(-2, WriteList(list, path.c_str()));
  platform::ResetFailures();
  EXPECT_FALSE(platform::FileExists(path));
  EXPECT_EQ(-2, WriteList(list, folder_.File("no such folder\\new.ovp").c_str()));
  EXPECT_EQ(-10, WriteList(99, path.c_str()));
}

TEST_F(ListFileTest, WriteFailingPartwayLeavesTheOriginalIntact) {
  int list = MakeProjectLikeList();
  std::string path = folder_.File("demo.ovp");
  const std::string original = "the project as it was\r\n";
  MakeFile(path, original);
  for (long long after : {0LL, 1LL, 100LL, 2047LL}) {
    SCOPED_TRACE(after);
    platform::FailWritesAfter(after);
    EXPECT_EQ(-4, WriteList(list, path.c_str()));
    platform::ResetFailures();
    EXPECT_EQ(original, FileBytes(path));
    EXPECT_FALSE(platform::FileExists(path + ".~new"));
  }
  EXPECT_EQ(0, WriteList(list, path.c_str()));
  EXPECT_NE(original, FileBytes(path));
}
