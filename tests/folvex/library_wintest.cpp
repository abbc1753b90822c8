// Window tests: the library and the control's life — the class, the export, style bits, initial
// values, the bar, fonts, the row lexer, focus, and the UI library's slider when it is there.
#include <string>

#include "wintest_support.h"

namespace wintest {
namespace {

class LibraryTest : public FolvexWinTest {
 protected:
  std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name - 1);
    return name;
  }
};

TEST_F(LibraryTest, TheClassIsGlobalWithDoubleClicksAndEightExtraBytes) {
  WNDCLASSA type{};
  ASSERT_TRUE(GetClassInfoA(FolvexModule(), FOLVEX_CLASS, &type));
  EXPECT_EQ(type.style, static_cast<UINT>(CS_GLOBALCLASS | CS_DBLCLKS));
  EXPECT_EQ(type.cbWndExtra, 8);
  EXPECT_EQ(type.hbrBackground, nullptr);
  FARPROC exported = GetProcAddress(FolvexModule(), "FolvexProc");
  ASSERT_NE(exported, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(type.lpfnWndProc), reinterpret_cast<void*>(exported));
}

TEST_F(LibraryTest, UnloadingTheLibraryRemovesTheClassAndLoadingRegistersIt) {
  WNDCLASSA type{};
  ASSERT_NE(ReloadLibrary(nullptr), nullptr);  // the old module freed, a fresh one loaded
  EXPECT_TRUE(GetClassInfoA(FolvexModule(), FOLVEX_CLASS, &type));
  FreeLibrary(FolvexModule());
  EXPECT_FALSE(GetClassInfoA(nullptr, FOLVEX_CLASS, &type));
  ASSERT_NE(ReloadLibrary(nullptr), nullptr);
  EXPECT_TRUE(GetClassInfoA(FolvexModule(), FOLVEX_CLASS, &type));
}

// The control bits would mean scroll bars and a sizing frame to the system.
TEST_F(LibraryTest, ControlStyleBitsAreTakenOutOfTheWindowStyle) {
  Create(FVS_EDITABLE | FVS_OWNERDRAW | FVS_SLIDER | FVS_AUTOINDENT | 0x00200000, "x", 200, 100);
  LONG style = GetWindowLongA(control_, GWL_STYLE);
  EXPECT_EQ(style & static_cast<LONG>(kFolvexStyleBits), 0);
  RECT window{}, client{};
  GetWindowRect(control_, &window);
  GetClientRect(control_, &client);
  EXPECT_EQ(client.right, window.right - window.left);
  EXPECT_EQ(client.bottom, window.bottom - window.top);
  Char(control_, 'a');  // the control itself still knows it is editable
  EXPECT_EQ(TextOf(control_), "ax");
}

TEST_F(LibraryTest, ANewControlStartsAsDescribed) {
  Create(FVS_EDITABLE, "created\r\ntext", 300, 200);
  EXPECT_EQ(TextOf(control_), "created\r\ntext");
  EXPECT_EQ(SendMessageA(control_, EM_CANUNDO, 0, 0), 0);  // the window text is not an edit
  EXPECT_EQ(Snap(control_), (Snapshot{0, 0, 0, 0, 0}));
  EXPECT_EQ(FolvexGetHScroll(control_), 0);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(SendMessageA(control_, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
  RECT rect{};
  SendMessageA(control_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  EXPECT_EQ(rect.right, 300 - 16);
  EXPECT_EQ(rect.bottom, 200 - 2);
  EXPECT_EQ(FolvexSetTextColor(control_, 0, false), 0x000000u);
  EXPECT_EQ(FolvexSetBkColor(control_, 0, false), 0xC8C8C8u);
  EXPECT_EQ(FolvexSetSelColor(control_, 0, false), 0xEBAAAAu);
}

TEST_F(LibraryTest, WithoutAUiLibraryTheBarIsAStandardScrollBar) {
  Create(FVS_EDITABLE | FVS_SLIDER, "a\r\nb\r\nc", 300, 200);
  HWND bar = GetDlgItem(control_, kFolvexBarId);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ClassOf(bar), "ScrollBar");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE)) & 0xFFFF000Fu, 0x50000001u);
  RECT r{};
  GetWindowRect(bar, &r);
  MapWindowPoints(nullptr, control_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 300 - 16);
  EXPECT_EQ(r.right - r.left, 16);
  EXPECT_EQ(r.bottom - r.top, 200);
  int low = -1, high = -1;
  GetScrollRange(bar, SB_CTL, &low, &high);
  EXPECT_EQ(high, 2);
}

// The control never deletes a font it was given: the host deletes it, exactly once, after giving
// every control its successor.
TEST_F(LibraryTest, FontsStayTheHostsToDelete) {
  Create(FVS_EDITABLE, "text");
  HFONT big = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
  HFONT small = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
  ASSERT_NE(big, nullptr);
  SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)), big);
  int bigHeight = FolvexRemeasure(control_);
  SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(small), TRUE);
  EXPECT_LT(FolvexRemeasure(control_), bigHeight);
  LOGFONTA info{};
  EXPECT_NE(GetObjectA(big, sizeof info, &info), 0);  // the old font is still alive
  DestroyWindow(control_);
  control_ = nullptr;
  EXPECT_NE(GetObjectA(small, sizeof info, &info), 0);
  EXPECT_TRUE(DeleteObject(big));
  EXPECT_TRUE(DeleteObject(small));
  Create(FVS_EDITABLE, "text");
  SendMessageA(control_, WM_SETFONT, 0, FALSE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)), GetStockObject(SYSTEM_FONT));
}

TEST_F(LibraryTest, TabStopsChangeTheMeasuredWidths) {
  Create(FVS_EDITABLE, "\t\t\r\n\t");
  EXPECT_EQ(FolvexGetMaxWidth(control_), 80);
  int tab = 24;
  EXPECT_EQ(SendMessageA(control_, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab)), TRUE);
  EXPECT_EQ(FolvexGetMaxWidth(control_), 48);
  int stops[2] = {10, 20};
  EXPECT_EQ(SendMessageA(control_, EM_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops)), FALSE);
  EXPECT_EQ(FolvexGetMaxWidth(control_), 48);
  Type(control_, "\t\t");
  EXPECT_EQ(FolvexGetMaxWidth(control_), 96);  // the first line grew: measured again
}

// Setting a shorter text once left the caret beyond its end, and every later edit at the caret
// failed.
TEST_F(LibraryTest, SettingAShorterTextKeepsTheCaretInsideIt) {
  Create(FVS_EDITABLE, "a long text to begin with");
  FolvexSetSel(control_, 10, 20);
  SetText("ab");
  EXPECT_EQ(Snap(control_), (Snapshot{2, 2, 2, 0, 0}));
  Char(control_, 'c');
  EXPECT_EQ(TextOf(control_), "abc");
}

int CALLBACK CountQuotes(void* context, const char* row, int limit, int state) {
  ++*static_cast<int*>(context);
  for (int i = 0; i < limit && row[i] != '\r' && row[i] != '\n' && row[i] != '\0'; ++i) {
    if (row[i] == '"') state = state == 1 ? 2 : 1;
  }
  return state;
}

TEST_F(LibraryTest, ARowLexerGivesTheStateAtEveryLineStart) {
  Create(FVS_EDITABLE, "a\r\n\"open\r\nb\r\nclose\"\r\nc");
  EXPECT_EQ(FolvexGetRowState(control_, 1), -1);  // no lexer yet
  int calls = 0;
  FolvexSetRowLexer(control_, CountQuotes, &calls, 1);
  const int expected[] = {1, 1, 2, 2, 1};
  for (int line = 0; line < 5; ++line) EXPECT_EQ(FolvexGetRowState(control_, line), expected[line]) << line;
  EXPECT_EQ(FolvexGetRowState(control_, 5), -1);
  SendMessageA(control_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3), 0);
  EXPECT_EQ(FolvexGetRowState(control_, -1), 2);
  FolvexSetSel(control_, 0, 0);
  Char(control_, '"');  // a quote on the first line turns every state below
  EXPECT_EQ(FolvexGetRowState(control_, 4), 2);
  FolvexSetRowLexer(control_, nullptr, nullptr, 0);
  EXPECT_EQ(FolvexGetRowState(control_, 4), -1);
}

TEST_F(LibraryTest, TheCaretExistsWhileTheControlHasTheFocus) {
  Create(FVS_EDITABLE, "abc\r\ndef");
  SetFocus(control_);
  FolvexSetSel(control_, 6, 6);
  POINT p{};
  ASSERT_TRUE(GetCaretPos(&p));
  EXPECT_EQ(p.y, LineHeight());
  EXPECT_GT(p.x, 0);
  SetFocus(parent_);
  EXPECT_EQ(GetFocus(), parent_);
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES;
}

// With dravon.dll beside it, the library uses the UI library's slider for FVS_SLIDER controls.
TEST_F(LibraryTest, WithTheUiLibraryTheBarIsItsSlider) {
  const std::string folder = ProgramFolder() + "withdravon\\";
  if (!FileExists(folder + "dravon.dll") || !FileExists(folder + "folvex.dll")) {
    GTEST_SKIP() << "dravon.dll was not built";
  }
  // folvex.dll loads dravon.dll by name, through the ordinary search: let it search that folder.
  SetDllDirectoryA(folder.c_str());
  HMODULE loaded = ReloadLibrary((folder + "folvex.dll").c_str());
  SetDllDirectoryA(nullptr);
  ASSERT_NE(loaded, nullptr);
  std::string text;
  for (int i = 0; i < 30; ++i) text += "line\r\n";
  Create(FVS_EDITABLE | FVS_SLIDER, text.c_str(), 300, LineHeight() * 10 + 2);
  HWND slider = GetDlgItem(control_, kFolvexBarId);
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(ClassOf(slider), "DV_VSlider");
  SendMessageA(control_, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
  EXPECT_EQ(SendMessageA(slider, SBM_GETPOS, 0, 0), 10);
  int low = -1, high = -1;
  SendMessageA(slider, SBM_GETRANGE, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(high, 30);
  Create(FVS_EDITABLE, "no slider asked for");
  EXPECT_EQ(ClassOf(GetDlgItem(control_, kFolvexBarId)), "ScrollBar");
  DestroyWindow(control_);
  control_ = nullptr;
  ASSERT_NE(ReloadLibrary(nullptr), nullptr);
}

}  // namespace
}  // namespace wintest
