// Window tests: setting and reading the selection, and the text queries hosts make.
#include <cstring>
#include <string>

#include "wintest_support.h"

namespace wintest {
namespace {

class SelectionTest : public FolvexWinTest {};

TEST_F(SelectionTest, SetSelOrdersItsArgumentsAndPutsTheCaretAtTheLarger) {
  Create(FVS_EDITABLE, "0123456789\r\nabc");
  struct Case {
    const char* label;
    LONG start, end;
    Snapshot expected;
  };
  const Case cases[] = {
      {"reversed pair", 9, 4, {4, 9, 9, 0, 0}},
      {"ordered pair", 2, 5, {2, 5, 5, 0, 0}},
      {"whole text", 0, -1, {0, 15, 15, 1, 0}},
      {"collapse at the caret", -1, 3, {15, 15, 15, 1, 0}},
      {"beyond the end", 40, 12, {12, 15, 15, 1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FolvexSetSel(control_, c.start, c.end);
    EXPECT_EQ(Snap(control_), c.expected);
    EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
  }
}

TEST_F(SelectionTest, EmSetSelTakesTheLowSixteenBitsOfEachArgument) {
  Create(FVS_EDITABLE, "0123456789");
  SendMessageA(control_, EM_SETSEL, 0x10002, 0x20006);
  EXPECT_EQ(Snap(control_), (Snapshot{2, 6, 6, 0, 0}));
  SendMessageA(control_, EM_SETSEL, 0, static_cast<LPARAM>(-1));
  EXPECT_EQ(Snap(control_), (Snapshot{0, 10, 10, 0, 0}));
}

TEST_F(SelectionTest, GetSelWritesThroughPointersAndPacksTheResult) {
  Create(FVS_EDITABLE, "0123456789");
  FolvexSetSel(control_, 7, 3);
  DWORD start = 0, end = 0;
  LRESULT packed = SendMessageA(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);
  EXPECT_EQ(end, 7u);
  EXPECT_EQ(packed, MAKELRESULT(3, 7));
  EXPECT_EQ(SendMessageA(control_, EM_GETSEL, 0, 0), MAKELRESULT(3, 7));  // null pointers are fine
  EXPECT_EQ(FolvexGetSelLength(control_), 4);
}

// WM_GETTEXT copies exactly the buffer size into a small buffer and writes no terminator.
TEST_F(SelectionTest, GetTextIntoASmallBufferCopiesExactlyItsSizeWithoutTerminator) {
  Create(FVS_EDITABLE, "hello world");
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(SendMessageA(control_, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)), 5);
  EXPECT_EQ(std::string(buffer, 8), "hello###");
  EXPECT_EQ(SendMessageA(control_, WM_GETTEXTLENGTH, 0, 0), 11);
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(SendMessageA(control_, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(buffer[0], '#');
}

TEST_F(SelectionTest, WordLineAndSelectionCopiesRespectTheirLimit) {
  Create(FVS_EDITABLE, "int counter = 1;\r\nnext");
  FolvexSetSel(control_, 6, 6);  // inside "counter"
  EXPECT_EQ(FolvexGetWordLength(control_), 7);
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(SendMessageA(control_, FVM_GETWORD, 3, reinterpret_cast<LPARAM>(buffer)), 2);
  EXPECT_EQ(std::string(buffer, 5), "cou##");
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(SendMessageA(control_, FVM_GETWORD, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer)), 2);
  EXPECT_EQ(std::string(buffer, 8), "counter#");

  EXPECT_EQ(FolvexGetCurLine(control_, buffer, sizeof buffer), 6);
  EXPECT_STREQ(buffer, "int counter = 1");  // cut to the buffer, terminated by the wrapper
  EXPECT_EQ(FolvexGetLineLength(control_), 16);

  FolvexSetSel(control_, 4, 11);
  EXPECT_EQ(FolvexGetSelText(control_, buffer, sizeof buffer), 7);  // caret - selStart
  EXPECT_STREQ(buffer, "counter");
}

TEST_F(SelectionTest, LineQueriesCountLineEndsOfEveryKind) {
  Create(FVS_EDITABLE, "a\r\nbb\rccc\ndddd");
  EXPECT_EQ(SendMessageA(control_, EM_GETLINECOUNT, 0, 0), 3);  // the number of line ends
  EXPECT_EQ(SendMessageA(control_, EM_LINEINDEX, 0, 0), 0);
  EXPECT_EQ(SendMessageA(control_, EM_LINEINDEX, 1, 0), 3);
  EXPECT_EQ(SendMessageA(control_, EM_LINEINDEX, 3, 0), 10);
  EXPECT_EQ(SendMessageA(control_, EM_LINEINDEX, 4, 0), -1);
  EXPECT_EQ(SendMessageA(control_, EM_LINELENGTH, 7, 0), 3);
  EXPECT_EQ(SendMessageA(control_, EM_LINEFROMCHAR, 2, 0), 1);  // between CR and LF: the next line
  EXPECT_EQ(SendMessageA(control_, EM_LINEFROMCHAR, 99, 0), 3);
}

// EM_GETLINE once copied the whole line whatever the buffer's size word said; a long line ran past
// a host's buffer. It now honours the size word like any edit control.
TEST_F(SelectionTest, GetLineStopsAtTheSizeWordOfTheBuffer) {
  Create(FVS_EDITABLE, "first\r\nsecond line is long");
  char buffer[12];
  std::memset(buffer, '#', sizeof buffer);
  *reinterpret_cast<WORD*>(buffer) = 6;
  EXPECT_EQ(SendMessageA(control_, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 6);
  EXPECT_EQ(std::string(buffer, 8), "second##");
  *reinterpret_cast<WORD*>(buffer) = 10;
  EXPECT_EQ(SendMessageA(control_, EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)), 5);
  EXPECT_EQ(SendMessageA(control_, EM_GETLINE, 2, reinterpret_cast<LPARAM>(buffer)), 0);
}

TEST_F(SelectionTest, CaretLineAndColumnCountAsTheStoreDoes) {
  Create(FVS_EDITABLE, "abcdef\r\nxyzxyz");
  FolvexSetSel(control_, 3, 3);
  EXPECT_EQ(FolvexGetCaretLine(control_), 0);
  EXPECT_EQ(FolvexGetCaretColumn(control_), 3);
  FolvexSetSel(control_, 11, 11);  // three bytes after the second line's start
  EXPECT_EQ(FolvexGetCaretLine(control_), 1);
  EXPECT_EQ(FolvexGetCaretColumn(control_), 4);
}

TEST_F(SelectionTest, TheTextHandleShowsTheTextInPlace) {
  Create(FVS_EDITABLE, "in place");
  HGLOBAL handle = FolvexGetTextHandle(control_);
  ASSERT_NE(handle, nullptr);
  const char* text = static_cast<const char*>(GlobalLock(handle));
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text, "in place");
  GlobalUnlock(handle);
}

TEST_F(SelectionTest, ReplacingTheSelectionMovesTheCaretAfterTheNewText) {
  Create(FVS_EDITABLE, "one two three");
  FolvexSetSel(control_, 4, 7);
  Clear();
  SendMessageA(control_, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("2\r\n2"));
  EXPECT_EQ(TextOf(control_), "one 2\r\n2 three");
  EXPECT_EQ(Snap(control_), (Snapshot{8, 8, 8, 1, 0}));
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
  EXPECT_EQ(SendMessageA(control_, EM_GETMODIFY, 0, 0), 1);
}

TEST_F(SelectionTest, IndentAndOutdentWorkOnTheSelectedLines) {
  Create(FVS_EDITABLE, "a\r\nb\r\nc");
  EXPECT_EQ(SendMessageA(control_, FVM_INDENT, 2, 0), 0);  // no selection: nothing to indent
  EXPECT_LOG({});
  FolvexSetSel(control_, 0, 4);  // "a" and part of "b"
  Clear();
  EXPECT_TRUE(FolvexIndent(control_, 2));
  EXPECT_EQ(TextOf(control_), "  a\r\n  b\r\nc");
  EXPECT_LOG({{WM_COMMAND, EN_CHANGE}});
  EXPECT_TRUE(FolvexIndent(control_, 40));  // at most 15 blanks a step
  EXPECT_EQ(TextOf(control_), std::string(17, ' ') + "a\r\n" + std::string(17, ' ') + "b\r\nc");
  EXPECT_TRUE(FolvexOutdent(control_, 15));
  EXPECT_TRUE(FolvexOutdent(control_, 15));
  EXPECT_EQ(TextOf(control_), "a\r\nb\r\nc");
  EXPECT_FALSE(FolvexOutdent(control_, 2));  // nothing left to take away
  EXPECT_EQ(SendMessageA(control_, EM_GETLINECOUNT, 0, 0), 2);
}

}  // namespace
}  // namespace wintest
