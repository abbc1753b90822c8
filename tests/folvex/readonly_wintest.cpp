// Window tests: a control without FVS_EDITABLE refuses every change of its text, whichever way it
// is asked, and still lets the user select and copy.
#include <functional>

#include "wintest_support.h"

namespace wintest {
namespace {

class ReadOnlyTest : public FolvexWinTest {};

TEST_F(ReadOnlyTest, EveryChangeIsRefused) {
  const char* const kText = "  if (x)   \r\n    y;";
  struct Case {
    const char* label;
    std::function<void(HWND)> act;
  };
  const Case cases[] = {
      {"a character", [](HWND c) { Char(c, 'x'); }},
      {"Tab", [](HWND c) { Char(c, '\t'); }},
      {"Enter", [](HWND c) { Char(c, '\r'); }},
      {"Backspace", [](HWND c) { Char(c, '\b'); }},
      {"Delete", [](HWND c) { Key(c, VK_DELETE); }},
      {"Down, which trims blanks when editable", [](HWND c) { Key(c, VK_DOWN); }},
      {"Ctrl+X", [](HWND c) { Key(c, 'X', kCtrl); }},
      {"Ctrl+V", [](HWND c) { Key(c, 'V', kCtrl); }},
      {"Ctrl+Z", [](HWND c) { Key(c, 'Z', kCtrl); }},
      {"cut", [](HWND c) { SendMessageA(c, WM_CUT, 0, 0); }},
      {"paste", [](HWND c) { SendMessageA(c, WM_PASTE, 0, 0); }},
      {"clear", [](HWND c) { SendMessageA(c, WM_CLEAR, 0, 0); }},
      {"undo", [](HWND c) { SendMessageA(c, WM_UNDO, 0, 0); }},
      {"redo", [](HWND c) { SendMessageA(c, WM_UNDO, 1, 0); }},
      {"replace selection", [](HWND c) { SendMessageA(c, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("z")); }},
      {"indent", [](HWND c) { SendMessageA(c, FVM_INDENT, 2, 0); }},
      {"outdent", [](HWND c) { SendMessageA(c, FVM_OUTDENT, 2, 0); }},
      {"a click, which trims blanks when editable",
       [](HWND c) {
         SendMessageA(c, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 30));
         SendMessageA(c, WM_LBUTTONUP, 0, MAKELPARAM(1, 30));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Create(0, kText);
    SendMessageA(control_, EM_SETMODIFY, 0, 0);
    ASSERT_TRUE(SetClipboardText(parent_, "pasted"));
    FolvexSetSel(control_, 0, 11);  // the whole first line, its trailing blanks included
    Clear();
    c.act(control_);
    Pump();
    EXPECT_EQ(TextOf(control_), kText);
    EXPECT_EQ(SendMessageA(control_, EM_GETMODIFY, 0, 0), 0);
    EXPECT_EQ(SendMessageA(control_, EM_CANUNDO, 0, 0), 0);
    for (const Notification& n : Log()) EXPECT_NE(n.code, EN_CHANGE) << Describe(Log());
  }
}

TEST_F(ReadOnlyTest, SelectingAndCopyingStillWork) {
  Create(0, "read only text");
  ASSERT_TRUE(SetClipboardText(parent_, "old"));
  SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 2));
  SendMessageA(control_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 2));
  SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(300, 2));
  EXPECT_EQ(FolvexGetSelLength(control_), 14);
  Key(control_, 'C', kCtrl);
  Pump();
  EXPECT_EQ(ClipboardText(parent_), "read only text");
}

}  // namespace
}  // namespace wintest
