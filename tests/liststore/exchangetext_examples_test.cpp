// Byte-for-byte tests of exchange texts and list files, in a program of their own.
//
// The used-column row lists names in the order they first entered the process-wide column table,
// which never shrinks. This program enters the names of both examples in a known order before any
// test runs, so the texts below are exact whatever order the tests run in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "liststore/liststore.h"
#include "platform/platform.h"
#include "tests/support/temp_folder.h"

namespace {

const bool kNamesEntered = [] {
  for (const char* name : {"File", "TYP", "Compile", "YScroll"}) AddGlobalColumn(name);
  return true;
}();

std::string Rows(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\r\n";
  return text;
}

void SetFields(int list, int line, const std::vector<std::pair<const char*, const char*>>& fields) {
  for (const auto& field : fields) SetField(list, line, field.first, field.second);
}

const std::string kSmallListText = Rows({
    "Heading",
    "TITLE\tP",
    "POSITION\t10,10,400,300",
    "",
    "Column",
    "Name\tLocation",
    "TYP",
    "",
    "Data",
    "a.c\t001\tC  \t",
    "b.h\t002\tH  \t",
    "",
    "Status",
    "1",
    "0",
});

const std::string kProjectText = Rows({
    "Heading",
    "TITLE\tC:\\Work\\Demo\\Demo.ovp",
    "POSITION\t20,50,280,180",
    "",
    "Column",
    "Name\tLocation\tStatus\tPosition\tTime\tTree",
    "File\tTYP\tCompile\tYScroll",
    "",
    "Data",
    "Sources\t001\topen\t\t\t\t\tDCF\t\t\t",
    "main.c\t001\\001\tclose\t100,100,600,300\t2004-05-06  07:08\t\tmain.c\tC  \tCOMPILED\t012\t",
    "\t002\t\t\t\t\t\tSEP\t\t\t",
    "",
    "Status",
    "0",
    "1",
    "0",
});

class ExampleTextTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (int list = 1; list <= 127; ++list) DelList(list);
  }

  static int MakeSmallList() {
    int list = NewList("P");
    SetHeading(list, "POSITION", "10,10,400,300");
    AddColumn(list, "Name");
    AddColumn(list, "Location");
    AddLine(list);
    SetFields(list, 0, {{"Name", "a.c"}, {"Location", "001"}, {"TYP", "C  "}});
    SetLineStatus(list, 0, 1);
    AddLine(list);
    SetFields(list, 1, {{"Name", "b.h"}, {"Location", "002"}, {"TYP", "H  "}});
    return list;
  }

  static int MakeProjectList() {
    int list = NewList("C:\\Work\\Demo\\Demo.ovp");
    SetHeading(list, "POSITION", "20,50,280,180");
    for (const char* column : {"Name", "Location", "Status", "Position", "Time", "Tree"})
      AddColumn(list, column);
    AddLine(list);
    SetFields(list, 0, {{"TYP", "DCF"}, {"Location", "001"}, {"Name", "Sources"}, {"Status", "open"}});
    AddLine(list);
    SetFields(list, 1, {{"TYP", "C  "},
                        {"Location", "001\\001"},
                        {"Name", "main.c"},
                        {"File", "main.c"},
                        {"Status", "close"},
                        {"Position", "100,100,600,300"},
                        {"YScroll", "012"},
                        {"Time", "2004-05-06  07:08"},
                        {"Compile", "COMPILED"}});
    SetLineStatus(list, 1, 1);
    AddLine(list);
    SetFields(list, 2, {{"TYP", "SEP"}, {"Location", "002"}});
    return list;
  }
};

}  // namespace

TEST_F(ExampleTextTest, SmallListWritesTheExampleText) {
  ASSERT_TRUE(kNamesEntered);
  int list = MakeSmallList();
  EXPECT_EQ(kSmallListText, liststore::ExchangeText(list));
  std::vector<char> buffer(liststore::ExchangeTextCapacity(list), 'z');
  ASSERT_EQ(kSmallListText.size() + 2, buffer.size());
  EXPECT_EQ(2, WriteListExchange(list, buffer.data()));
  EXPECT_EQ(kSmallListText + std::string(2, '\0'), std::string(buffer.data(), buffer.size()));
}

TEST_F(ExampleTextTest, SmallExampleReadsBackToTheSameText) {
  int list = NewList("P");
  EXPECT_EQ(3, ReadListExchange(list, kSmallListText.c_str()));
  EXPECT_EQ(kSmallListText, liststore::ExchangeText(list));
  EXPECT_EQ("P", liststore::HeadingText(list, "TITLE"));
}

TEST_F(ExampleTextTest, ProjectListWritesTheExampleText) {
  int list = MakeProjectList();
  EXPECT_EQ(kProjectText, liststore::ExchangeText(list));
}

TEST_F(ExampleTextTest, ProjectFileIsTheTextPaddedToTheSizeEstimate) {
  testsupport::TempFolder folder;
  int list = MakeProjectList();
  std::string path = folder.File("Demo.ovp");
  ASSERT_EQ(0, WriteList(list, path.c_str()));
  std::vector<char> block;
  int size = platform::ReadWholeFile(path, block);
  ASSERT_EQ(GetSize(list), size);
  std::string expected = kProjectText;
  expected.resize(static_cast<std::size_t>(size), '\0');
  EXPECT_EQ(expected, std::string(block.data(), static_cast<std::size_t>(size)));

  int read = NewList("C:\\Work\\Demo\\Demo.ovp");
  EXPECT_EQ(4, ReadList(read, path.c_str()));
  EXPECT_EQ(kProjectText, liststore::ExchangeText(read));
  EXPECT_EQ(1, IsLineStatus(read, 1, -1));
  EXPECT_EQ("012", liststore::FieldText(read, 1, "YScroll"));
}
