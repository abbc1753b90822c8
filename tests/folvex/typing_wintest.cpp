// Window tests: characters, Backspace and Enter with auto-indent and the outdent rule, and undo and
// redo through WM_UNDO.
#include <string>

#include "wintest_support.h"

namespace wintest {
namespace {

class TypingTest : public FolvexWinTest {};

TEST_F(TypingTest, TypingInsertsAtTheCaretAndNotifies) {
  Create(FVS_EDITABLE, "ac");
  FolvexSetSel(control_, 1, 1);
  Clear();
  Char(control_, 'b');
  EXPECT_EQ(TextOf(control_), "abc");
  EXPECT_EQ(Snap(control_), (Snapshot{2, 2, 2, 0, 0}));
  EXPECT_LOG({{WM_COMMAND, EN_CHANGE}, {WM_COMMAND, FVN_CARETMOVED}});
  EXPECT_EQ(SendMessageA(control_, EM_GETMODIFY, 0, 0), 1);
  SendMessageA(control_, EM_SETMODIFY, 0, 0);
  EXPECT_EQ(SendMessageA(control_, EM_GETMODIFY, 0, 0), 0);
}

TEST_F(TypingTest, CommandCodesAreNotTyped) {
  Create(FVS_EDITABLE, "x");
  Clear();
  for (char code : {'\x03', '\x16', '\x18', '\x1A', '\x1B', '\x01', '\n', '\x7F'}) {
    SCOPED_TRACE(static_cast<int>(code));
    Char(control_, code);
    EXPECT_EQ(TextOf(control_), "x");
    EXPECT_LOG({});
  }
  Char(control_, '\t');
  EXPECT_EQ(TextOf(control_), "\tx");
}

TEST_F(TypingTest, TypingOverASelectionRecordsTwoUndoSteps) {
  Create(FVS_EDITABLE, "hello world");
  FolvexSetSel(control_, 0, 5);
  Char(control_, 'J');
  EXPECT_EQ(TextOf(control_), "J world");
  Clear();
  EXPECT_EQ(SendMessageA(control_, WM_UNDO, 0, 0), 1);
  EXPECT_EQ(TextOf(control_), " world");  // the typed character is one step
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}, {WM_COMMAND, EN_CHANGE}});
  EXPECT_EQ(SendMessageA(control_, WM_UNDO, 0, 0), 1);
  EXPECT_EQ(TextOf(control_), "hello world");  // the deleted selection is the other
  EXPECT_EQ(Snap(control_), (Snapshot{0, 5, 5, 0, 0}));
  EXPECT_EQ(SendMessageA(control_, EM_CANUNDO, 0, 0), 0);
  EXPECT_EQ(SendMessageA(control_, WM_UNDO, 0, 0), 0);
}

TEST_F(TypingTest, RedoAppliesUndoneStepsAgain) {
  Create(FVS_EDITABLE, "");
  Type(control_, "ab");
  SendMessageA(control_, WM_UNDO, 0, 0);
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(control_), "");
  EXPECT_EQ(SendMessageA(control_, EM_CANUNDO, 1, 0), 1);
  EXPECT_EQ(SendMessageA(control_, WM_UNDO, 1, 0), 1);
  EXPECT_EQ(SendMessageA(control_, WM_UNDO, 1, 0), 1);
  EXPECT_EQ(TextOf(control_), "ab");
  EXPECT_EQ(SendMessageA(control_, WM_UNDO, 1, 0), 0);
  // A redone step puts the caret where it stood before that step was first made.
  EXPECT_EQ(Snap(control_), (Snapshot{1, 1, 1, 0, 0}));
  FolvexSetSel(control_, 2, 2);
  Type(control_, "c");
  SendMessageA(control_, WM_UNDO, 0, 0);
  Type(control_, "d");  // a new edit after an undo drops the redo branch
  EXPECT_EQ(SendMessageA(control_, EM_CANUNDO, 1, 0), 0);
  EXPECT_EQ(TextOf(control_), "abd");
}

TEST_F(TypingTest, EnterWritesCrLfAndAutoIndentCopiesTheIndentation) {
  Create(FVS_EDITABLE | FVS_AUTOINDENT, "  \tif (x) {");
  FolvexSetSel(control_, 11, 11);
  Clear();
  Char(control_, '\r');
  EXPECT_EQ(TextOf(control_), "  \tif (x) {\r\n  \t");
  EXPECT_EQ(Snap(control_), (Snapshot{16, 16, 16, 1, 0}));
  EXPECT_LOG({{WM_COMMAND, EN_CHANGE}, {WM_COMMAND, FVN_CARETMOVED}});
  Char(control_, '\r', kShift);  // Enter with a modifier is a command
  EXPECT_EQ(TextOf(control_), "  \tif (x) {\r\n  \t");

  Create(FVS_EDITABLE, "  a");
  FolvexSetSel(control_, 3, 3);
  Char(control_, '\r');
  EXPECT_EQ(TextOf(control_), "  a\r\n");  // without the style: no indentation
}

TEST_F(TypingTest, BackspaceInTheIndentationOutdentsToTheLineAbove) {
  Create(FVS_EDITABLE | FVS_AUTOINDENT, "if (a) {\r\n  if (b) {\r\n\r\n      x;");
  const int lineStart = 24;  // "      x;"
  FolvexSetSel(control_, lineStart + 6, lineStart + 6);
  Clear();
  Char(control_, '\b');
  // The empty line above says nothing; the line "  if (b) {" is the first indented less.
  EXPECT_EQ(TextOf(control_), "if (a) {\r\n  if (b) {\r\n\r\n  x;");
  EXPECT_EQ(FolvexGetCaret(control_), lineStart + 2);
  EXPECT_LOG({{WM_COMMAND, EN_CHANGE}, {WM_COMMAND, FVN_CARETMOVED}});
  Char(control_, '\b');
  EXPECT_EQ(TextOf(control_), "if (a) {\r\n  if (b) {\r\n\r\nx;");
  EXPECT_EQ(FolvexGetCaret(control_), lineStart);
  // The first outdent was two steps (the blanks out, the new ones in), the second one step.
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(control_), "if (a) {\r\n  if (b) {\r\n\r\n  x;");
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(control_), "if (a) {\r\n  if (b) {\r\n\r\nx;");
  SendMessageA(control_, WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(control_), "if (a) {\r\n  if (b) {\r\n\r\n      x;");
}

TEST_F(TypingTest, BackspaceOutsideTheIndentationDeletesOneCharacter) {
  Create(FVS_EDITABLE | FVS_AUTOINDENT, "a\r\n    b");
  FolvexSetSel(control_, 8, 8);  // after "b"
  Char(control_, '\b');
  EXPECT_EQ(TextOf(control_), "a\r\n    ");
  FolvexSetSel(control_, 4, 4);  // inside the blanks, not right after them
  Char(control_, '\b');
  EXPECT_EQ(TextOf(control_), "a\r\n   ");
  Create(FVS_EDITABLE | FVS_AUTOINDENT, "a\r\n b");
  FolvexSetSel(control_, 4, 4);  // one blank only: an ordinary Backspace
  Char(control_, '\b');
  EXPECT_EQ(TextOf(control_), "a\r\nb");
}

TEST_F(TypingTest, BackspaceJoinsCrLfLinesButNotALoneCr) {
  Create(FVS_EDITABLE, "ab\r\ncd");
  FolvexSetSel(control_, 4, 4);
  Char(control_, '\b');
  EXPECT_EQ(TextOf(control_), "abcd");
  EXPECT_EQ(SendMessageA(control_, EM_GETLINECOUNT, 0, 0), 0);
  // Deleting the byte after a lone CR once took the CR with it.
  Create(FVS_EDITABLE, "a\rbc");
  FolvexSetSel(control_, 3, 3);
  Char(control_, '\b');
  EXPECT_EQ(TextOf(control_), "a\rc");
  FolvexSetSel(control_, 0, 0);
  Clear();
  Char(control_, '\b');  // at the start: nothing to delete, nothing changed
  EXPECT_LOG({{WM_COMMAND, FVN_CARETMOVED}});
}

TEST_F(TypingTest, EnterOnTheLastVisibleRowBringsTheCaretIntoView) {
  Create(FVS_EDITABLE, "", kParentWidth, LineHeight() * 3 + 2);
  Type(control_, "1\r2\r3\r4");
  EXPECT_EQ(FolvexGetCaretLine(control_), 3);
  EXPECT_EQ(FolvexGetFirstLine(control_), 1);
}

}  // namespace
}  // namespace wintest
