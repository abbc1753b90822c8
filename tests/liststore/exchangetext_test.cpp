// Tests of the exchange text writer and reader: round trips, limits and bad input.
//
// This program's global column table holds names from every test, so these tests compare values,
// or bytes of lists without used columns; byte-for-byte examples live in liststore_text_test.
#include "tests/liststore/liststore_fixture.h"

#include <cstring>
#include <memory>

using ExchangeTextTest = ListStoreTest;
using Values = std::vector<std::string>;

namespace {

// Rows joined, each ended by CR LF.
std::string Rows(const Values& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\r\n";
  return text;
}

// Reads `text` from a heap block of exactly its size, so that a read past its end is caught.
int ReadExact(int list, const std::string& text) {
  std::unique_ptr<char[]> block(new char[text.size() + 1]);
  text.copy(block.get(), text.size());
  block[text.size()] = 0;
  return ReadListExchange(list, block.get());
}

const Values kEmptyListRows = {"Heading", "TITLE\tE", "", "Column", "", "", "", "Data", "", "Status"};

}  // namespace

TEST_F(ExchangeTextTest, EmptyListWritesAllBlocksAndReadsBackAsOneRow) {
  int list = MakeList("E");
  std::string text = liststore::ExchangeText(list);
  EXPECT_EQ(Rows(kEmptyListRows), text);
  EXPECT_EQ(text.size() + 2, liststore::ExchangeTextCapacity(list));

  int read = MakeList("R");
  EXPECT_EQ(1, ReadListExchange(read, text.c_str()));
  EXPECT_EQ(0, GetLines(read));
  EXPECT_EQ("E", liststore::HeadingText(read, "TITLE"));
  EXPECT_EQ("R", liststore::TitleText(read));  // the title itself is not changed
}

TEST_F(ExchangeTextTest, WriteListExchangeEndsWithTwoZeroBytes) {
  int list = MakeTable({"ExchangeText.A"}, {{"x"}, {"y"}});
  std::size_t capacity = liststore::ExchangeTextCapacity(list);
  std::vector<char> buffer(capacity + 4, 'z');
  EXPECT_EQ(2, WriteListExchange(list, buffer.data()));
  EXPECT_EQ(liststore::ExchangeText(list), std::string(buffer.data()));
  EXPECT_EQ(0, buffer[capacity - 2]);
  EXPECT_EQ(0, buffer[capacity - 1]);
  EXPECT_EQ('z', buffer[capacity]);
  EXPECT_EQ(-10, WriteListExchange(99, buffer.data()));
  EXPECT_EQ(0u, liststore::ExchangeTextCapacity(99));
}

TEST_F(ExchangeTextTest, RoundTripKeepsHeadingsColumnsFieldsAndStatuses) {
  int list = MakeTable({"Name", "Location", "Status"},
                       {{"a.c", "001", "open"}, {"b.h", "002", ""}, {"", "003", "close"}});
  SetHeading(list, "POSITION", "1,2,3,4");
  SetHeading(list, "Other", "");
  SetField(list, 1, "TYP", "H  ");
  SetField(list, 2, "", "own value");
  SetLineStatus(list, 0, 1);
  SetLineStatus(list, 2, 2 | 0x10000);  // only the low 16 bits are saved

  int read = MakeList("copy");
  EXPECT_EQ(4, ReadListExchange(read, liststore::ExchangeText(list).c_str()));
  EXPECT_EQ(3, GetLines(read));
  EXPECT_EQ(3, GetColumns(read));
  EXPECT_EQ("Location", liststore::ColumnNameText(read, 1));
  EXPECT_EQ((Values{"a.c", "b.h", ""}), Column(read, "Name"));
  EXPECT_EQ((Values{"open", "", "close"}), Column(read, "Status"));
  EXPECT_EQ((Values{"", "H  ", ""}), Column(read, "TYP"));
  EXPECT_EQ((Values{"", "", "own value"}), Column(read, ""));
  EXPECT_EQ("1,2,3,4", liststore::HeadingText(read, "POSITION"));
  EXPECT_EQ(3, GetHeadings(read));  // TITLE, POSITION, Other
  EXPECT_EQ(1, IsLineStatus(read, 0, -1));
  EXPECT_EQ(0, IsLineStatus(read, 1, -1));
  EXPECT_EQ(2, IsLineStatus(read, 2, -1));
}

TEST_F(ExchangeTextTest, RowsBeginningWithStatusAreData) {
  // A file named Status.c once ended the data block, losing it and every line after it.
  int list = MakeTable({"Name", "Location"}, {{"main.c", "001"},
                                              {"Status.c", "002"},
                                              {"StatusBar.h", "003"},
                                              {"Status", "004"},
                                              {"zlast.c", "005"}});
  SetLineStatus(list, 4, 1);
  int read = MakeList("copy");
  EXPECT_EQ(6, ReadListExchange(read, liststore::ExchangeText(list).c_str()));
  EXPECT_EQ((Values{"main.c", "Status.c", "StatusBar.h", "Status", "zlast.c"}), Column(read, "Name"));
  EXPECT_EQ(1, IsLineStatus(read, 4, -1));
  EXPECT_EQ(0, IsLineStatus(read, 1, -1));
}

TEST_F(ExchangeTextTest, TitleHeadingIsNotWrittenTwice) {
  int list = MakeList("Real title");
  SetHeading(list, "TITLE", "stale");
  std::string text = liststore::ExchangeText(list);
  EXPECT_EQ(std::string::npos, text.find("stale"));
  EXPECT_NE(std::string::npos, text.find("TITLE\tReal title\r\n"));
}

TEST_F(ExchangeTextTest, ReadingTwiceDoublesLinesAndOrsStatuses) {
  int list = MakeTable({"V"}, {{"a"}, {"b"}});
  SetLineStatus(list, 1, 2);
  std::string text = liststore::ExchangeText(list);
  int read = MakeList("copy");
  ReadListExchange(read, text.c_str());
  SetLineStatus(read, 1, 4);
  ResetLineStatus(read, 1, 2);
  EXPECT_EQ(3, ReadListExchange(read, text.c_str()));
  EXPECT_EQ((Values{"a", "b", "a", "b"}), Column(read, "V"));
  EXPECT_EQ(6, IsLineStatus(read, 1, -1));  // the second read's status OR-ed into line 1
  EXPECT_EQ(0, IsLineStatus(read, 3, -1));
}

TEST_F(ExchangeTextTest, ReadingCutsNamesAndValues) {
  std::string longName(100, 'N');
  std::string text = Rows({"Heading", "TITLE\tT", longName + "\t" + std::string(300, 'h'), "",
                           "Column", "ExchangeText.Long\t" + longName, "", "", "Data",
                           std::string(300, 'v') + "\t" + std::string(300, 'w') + "\t" +
                               std::string(300, 'u'),
                           "", "Status", "0"});
  int list = MakeList("cut");
  EXPECT_EQ(2, ReadExact(list, text));
  std::string cutName(63, 'N');
  EXPECT_EQ(std::string(255, 'h'), liststore::HeadingText(list, cutName.c_str()));
  EXPECT_EQ(cutName, liststore::ColumnNameText(list, 1));
  EXPECT_EQ(std::string(254, 'v'), liststore::FieldText(list, 0, "ExchangeText.Long"));
  EXPECT_EQ(std::string(254, 'w'), liststore::FieldText(list, 0, cutName.c_str()));
  EXPECT_EQ(std::string(254, 'u'), liststore::FieldText(list, 0, ""));
}

TEST_F(ExchangeTextTest, AValueHoldingATabSplitsIntoTwoCells) {
  int list = MakeTable({"ExchangeText.First", "ExchangeText.Second"}, {{"a\tb", "c"}});
  int read = MakeList("copy");
  ReadListExchange(read, liststore::ExchangeText(list).c_str());
  EXPECT_EQ("a", liststore::FieldText(read, 0, "ExchangeText.First"));
  EXPECT_EQ("b", liststore::FieldText(read, 0, "ExchangeText.Second"));
  EXPECT_EQ("c", liststore::FieldText(read, 0, ""));
}

TEST_F(ExchangeTextTest, KeywordsAreFoundPastUpTo16Rows) {
  Values rows(16, "noise");
  Values text = rows;
  text.insert(text.end(), kEmptyListRows.begin(), kEmptyListRows.end());
  int list = MakeList("k");
  EXPECT_EQ(1, ReadExact(list, Rows(text)));
  text.insert(text.begin(), "one more");
  EXPECT_EQ(-6, ReadExact(list, Rows(text)));
}

TEST_F(ExchangeTextTest, MissingKeywordsGiveMinus6AndKeepWhatWasRead) {
  int list = MakeList("m");
  EXPECT_EQ(-6, ReadExact(list, ""));
  EXPECT_EQ(-6, ReadListExchange(list, nullptr));
  EXPECT_EQ(-6, ReadExact(list, Rows({"Heading", "H1\tv", "", "Data", "", "Status"})));
  EXPECT_EQ("v", liststore::HeadingText(list, "H1"));
  EXPECT_EQ(-6, ReadExact(list, Rows({"Heading", "", "Column", "ExchangeText.C", "", "", "Status"})));
  EXPECT_EQ(1, GetColumns(list));
  EXPECT_EQ(-10, ReadListExchange(99, Rows(kEmptyListRows).c_str()));
}

TEST_F(ExchangeTextTest, LfLineEndsFindOnlyTheFirstKeyword) {
  std::string text = Rows(kEmptyListRows);
  std::string lfOnly;
  for (char c : text) {
    if (c != '\r') lfOnly += c;
  }
  int list = MakeList("lf");
  EXPECT_EQ(-6, ReadExact(list, lfOnly));
}

TEST_F(ExchangeTextTest, MissingStatusBlockKeepsTheLines) {
  int list = MakeList("s");
  std::string text = Rows({"Heading", "", "Column", "ExchangeText.S", "", "", "Data", "one", "two"});
  // The unended last row is counted but adds no line.
  EXPECT_EQ(3, ReadExact(list, text + "no line end"));
  EXPECT_EQ((Values{"one", "two"}), Column(list, "ExchangeText.S"));
}

TEST_F(ExchangeTextTest, ShortRowsLeaveFieldsAbsentAndEmptyCellsEmpty) {
  std::string text = Rows({"Heading", "", "Column", "ExchangeText.P\tExchangeText.Q\tExchangeText.R",
                           "", "", "Data", "p", "\t\tr", "", "Status"});
  int list = MakeList("short");
  EXPECT_EQ(3, ReadExact(list, text));
  EXPECT_EQ((Values{"p", ""}), Column(list, "ExchangeText.P"));
  EXPECT_EQ((Values{"", "r"}), Column(list, "ExchangeText.R"));
  EXPECT_EQ(2048 + (8 + 2) + (8 * 3 + 2 + 8), GetSize(list));  // "\t\tr": P, Q, R and the unnamed
}

TEST_F(ExchangeTextTest, OnlyThe31FirstOf32ColumnNamesAreDeclared) {
  std::string names, values;
  for (int i = 0; i < 34; ++i) {
    names += (i ? "\t" : "") + std::string("ExchangeText.C") + std::to_string(i);
    values += (i ? "\t" : "") + std::to_string(i);
  }
  std::string text = Rows({"Heading", "", "Column", names, "", "", "Data", values, "", "Status"});
  int list = MakeList("wide");
  EXPECT_EQ(2, ReadExact(list, text));
  EXPECT_EQ(31, GetColumns(list));
  EXPECT_EQ("30", liststore::FieldText(list, 0, "ExchangeText.C30"));
  EXPECT_EQ("31", liststore::FieldText(list, 0, "ExchangeText.C31"));  // read, not declared
  EXPECT_EQ(-1, GetGlobalColumnPosition("ExchangeText.C32"));          // past 32 names: not read
  EXPECT_EQ("32", liststore::FieldText(list, 0, ""));  // the rest of the row, up to its TAB
}

TEST_F(ExchangeTextTest, AtMost64ColumnNamesAreRead) {
  std::string declared, used, values;
  for (int i = 0; i < 10; ++i) declared += (i ? "\t" : "") + std::string("ExchangeText.D") + std::to_string(i);
  for (int i = 0; i < 60; ++i) used += (i ? "\t" : "") + std::string("ExchangeText.U") + std::to_string(i);
  for (int i = 0; i < 70; ++i) values += (i ? "\t" : "") + std::to_string(i);
  int list = MakeList("many");
  EXPECT_EQ(2, ReadExact(list, Rows({"Heading", "", "Column", declared, used, "", "Data", values, "",
                                     "Status"})));
  EXPECT_EQ("63", liststore::FieldText(list, 0, "ExchangeText.U53"));
  EXPECT_EQ(-1, GetGlobalColumnPosition("ExchangeText.U54"));
  EXPECT_EQ("64", liststore::FieldText(list, 0, ""));
}

TEST_F(ExchangeTextTest, OverLongRowsEndTheirBlockSafely) {
  int list = MakeList("long");
  std::string longRow(40000, 'x');
  // A heading row without a line end in reach ends the headings; "Column" is then not found.
  EXPECT_EQ(-6, ReadExact(list, Rows({"Heading", longRow, "", "Column", "", "", "", "Data", "", "Status"})));
  // A data row too long to read ends the data block after the lines before it.
  std::string text = Rows({"Heading", "", "Column", "ExchangeText.L", "", "", "Data", "before", longRow,
                           "after", "", "Status", "1", "1"});
  int read = MakeList("read");
  EXPECT_EQ(2, ReadExact(read, text));
  EXPECT_EQ((Values{"before"}), Column(read, "ExchangeText.L"));
  // A row of 32767 characters still reads, its value cut.
  int longest = MakeList("longest");
  text = Rows({"Heading", "", "Column", "ExchangeText.L", "", "", "Data", std::string(32767, 'y'), "",
               "Status", "3"});
  EXPECT_EQ(2, ReadExact(longest, text));
  EXPECT_EQ(std::string(254, 'y'), liststore::FieldText(longest, 0, "ExchangeText.L"));
  EXPECT_EQ(3, IsLineStatus(longest, 0, -1));
}

TEST_F(ExchangeTextTest, EveryTruncationOfATextReadsSafely) {
  int list = MakeTable({"Name", "Location"}, {{"a.c", "001"}, {"Status.c", "002"}});
  SetHeading(list, "POSITION", "1,2,3,4");
  SetField(list, 1, "ExchangeText.Extra", "e");
  SetLineStatus(list, 1, 3);
  std::string text = liststore::ExchangeText(list);
  for (std::size_t length = 0; length <= text.size(); ++length) {
    SCOPED_TRACE(length);
    int read = MakeList("part");
    int result = ReadExact(read, text.substr(0, length));
    EXPECT_TRUE(result == -6 || (result >= 1 && result <= 4)) << result;
    EXPECT_LE(GetLines(read), 2);
    DelList(read);
  }
}

TEST_F(ExchangeTextTest, StatusRowsAreReadAsNumbersAndOred) {
  std::string text = Rows({"Heading", "", "Column", "ExchangeText.V", "", "", "Data", "a", "b", "c", "d",
                           "", "Status", " 5", "", "-1", "junk", "7"});
  int list = MakeList("st");
  EXPECT_EQ(5, ReadExact(list, text));
  EXPECT_EQ(5, IsLineStatus(list, 0, -1));
  EXPECT_EQ(0, IsLineStatus(list, 1, -1));
  EXPECT_EQ(-1, IsLineStatus(list, 2, -1));
  EXPECT_EQ(0, IsLineStatus(list, 3, -1));
}

TEST_F(ExchangeTextTest, StatusAbove65535IsSavedAsItsLow16Bits) {
  int list = MakeTable({"V"}, {{"a"}});
  SetLineStatus(list, 0, 65537);
  EXPECT_NE(std::string::npos, liststore::ExchangeText(list).find("Status\r\n1\r\n"));
}

TEST_F(ExchangeTextTest, EmptyNamedDeclaredColumnKeepsTheCellsInStep) {
  int list = MakeList("gap");
  AddColumn(list, "ExchangeText.Left");
  AddColumn(list, "");
  AddColumn(list, "ExchangeText.Right");
  AddLine(list);
  SetField(list, 0, "ExchangeText.Left", "l");
  SetField(list, 0, "ExchangeText.Right", "r");
  SetField(list, 0, "", "own");
  std::string text = liststore::ExchangeText(list);
  EXPECT_NE(std::string::npos, text.find("Column\r\nExchangeText.Left\t\tExchangeText.Right\r\n"));
  EXPECT_NE(std::string::npos, text.find("Data\r\nl\t\tr\town\r\n"));
  int read = MakeList("read");
  EXPECT_EQ(2, ReadListExchange(read, text.c_str()));
  EXPECT_EQ(3, GetColumns(read));
  EXPECT_EQ("l", liststore::FieldText(read, 0, "ExchangeText.Left"));
  EXPECT_EQ("r", liststore::FieldText(read, 0, "ExchangeText.Right"));
  EXPECT_EQ("own", liststore::FieldText(read, 0, ""));
}
