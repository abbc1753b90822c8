// The logging parent, the fixture and the helpers of the control's window tests.
#include "wintest_support.h"

#include <cstring>
#include <sstream>

namespace wintest {

namespace {

const char kParentClass[] = "FolvexTestParent";
HMODULE gFolvex = nullptr;

std::string RowText(const char* line) {
  std::string s;
  if (line == nullptr) return s;
  for (const char* p = line; *p != '\0' && *p != '\r' && *p != '\n'; ++p) s += *p;
  return s;
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      Log().push_back(Notification{message, HIWORD(wParam), wParam, lParam});
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      Rows().push_back(DrawnRow{item->itemID, item->rcItem, RowText(reinterpret_cast<const char*>(item->itemData)),
                                item->CtlType, item->itemAction, item->itemState});
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
      return 0;  // no brush of ours: the control paints with its own background colour
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

std::string MessageName(UINT message) {
  switch (message) {
    case WM_COMMAND: return "WM_COMMAND";
    case WM_NOTIFY: return "WM_NOTIFY";
    case WM_HSCROLL: return "WM_HSCROLL";
    case WM_VSCROLL: return "WM_VSCROLL";
    case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP: return "WM_RBUTTONUP";
    default: return std::to_string(message);
  }
}

std::string CodeName(WORD code) {
  switch (code) {
    case EN_CHANGE: return "EN_CHANGE";
    case FVN_CARETMOVED: return "FVN_CARETMOVED";
    case FVN_HSCROLLED: return "FVN_HSCROLLED";
    case FVN_VSCROLLED: return "FVN_VSCROLLED";
    default: return std::to_string(code);
  }
}

void SetModifiers(int modifiers) {
  BYTE keys[256];
  GetKeyboardState(keys);
  auto set = [&](int vk, bool down) { keys[vk] = down ? 0x80 : 0; };
  set(VK_SHIFT, (modifiers & kShift) != 0);
  set(VK_LSHIFT, (modifiers & kShift) != 0);
  set(VK_CONTROL, (modifiers & kCtrl) != 0);
  set(VK_LCONTROL, (modifiers & kCtrl) != 0);
  set(VK_MENU, (modifiers & kAlt) != 0);
  set(VK_LMENU, (modifiers & kAlt) != 0);
  SetKeyboardState(keys);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
  return out << "{sel " << s.selStart << ".." << s.selEnd << ", caret " << s.caret << ", caret line " << s.caretLine
             << ", first line " << s.firstLine << "}";
}

std::vector<Notification>& Log() {
  static std::vector<Notification> log;
  return log;
}

std::vector<DrawnRow>& Rows() {
  static std::vector<DrawnRow> rows;
  return rows;
}

std::string Describe(const std::vector<Notification>& log) {
  std::ostringstream out;
  if (log.empty()) out << "  (nothing)\n";
  for (const Notification& n : log) {
    out << "  " << MessageName(n.message) << " code " << CodeName(n.code) << " wParam 0x" << std::hex << n.wParam
        << " lParam 0x" << n.lParam << std::dec << "\n";
  }
  return out.str();
}

void LoadLibraryOnce() {
  if (gFolvex == nullptr) gFolvex = LoadLibraryA("folvex.dll");
  WNDCLASSA type{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), kParentClass, &type)) {
    type.style = CS_DBLCLKS;
    type.lpfnWndProc = ParentProc;
    type.hInstance = GetModuleHandleA(nullptr);
    type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    type.lpszClassName = kParentClass;
    RegisterClassA(&type);
  }
}

HMODULE FolvexModule() { return gFolvex; }

HMODULE ReloadLibrary(const char* path) {
  if (gFolvex != nullptr) FreeLibrary(gFolvex);
  gFolvex = path != nullptr ? LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH) : LoadLibraryA("folvex.dll");
  return gFolvex;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

void Pump(int bound) {
  MSG msg;
  for (int i = 0; i < bound && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void Key(HWND control, WPARAM key, int modifiers) {
  SetModifiers(modifiers);
  SendMessageA(control, WM_KEYDOWN, key, 1);
  SetModifiers(kNone);
}

void Char(HWND control, char code, int modifiers) {
  SetModifiers(modifiers);
  SendMessageA(control, WM_CHAR, static_cast<unsigned char>(code), 1);
  SetModifiers(kNone);
}

void Type(HWND control, const std::string& text) {
  for (char ch : text) Char(control, ch);
}

Snapshot Snap(HWND control) {
  DWORD start = 0, end = 0;
  SendMessageA(control, FVM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return Snapshot{static_cast<int>(start), static_cast<int>(end), FolvexGetCaret(control), FolvexGetCaretLine(control),
                  FolvexGetFirstLine(control)};
}

std::string TextOf(HWND control) {
  int length = static_cast<int>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  int copied = FolvexGetText(control, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

bool OpenClipboardBriefly(HWND owner) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

bool SetClipboardText(HWND owner, const std::string& text) {
  if (!OpenClipboardBriefly(owner)) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  bool done = false;
  if (block != nullptr) {
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    done = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!done) GlobalFree(block);
  }
  CloseClipboard();
  return done;
}

bool EmptyTheClipboard(HWND owner) {
  if (!OpenClipboardBriefly(owner)) return false;
  EmptyClipboard();
  CloseClipboard();
  return true;
}

std::string ClipboardText(HWND owner) {
  std::string text;
  if (!OpenClipboardBriefly(owner)) return "<clipboard busy>";
  HANDLE block = GetClipboardData(CF_TEXT);
  if (block != nullptr) {
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    if (bytes != nullptr) text = bytes;
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

void FolvexWinTest::SetUp() {
  LoadLibraryOnce();
  ASSERT_NE(FolvexModule(), nullptr) << "folvex.dll did not load, error " << GetLastError();
  // Shown without activation: under Wine, destroying an active top-level window waits two seconds
  // for the window manager. Tests that need the focus set it themselves.
  parent_ = CreateWindowExA(0, kParentClass, "folvex test", WS_POPUP | WS_CLIPCHILDREN, 10, 10, kParentWidth,
                            kParentHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(parent_, nullptr);
  ShowWindow(parent_, SW_SHOWNOACTIVATE);
  Pump();
  Log().clear();
  Rows().clear();
}

void FolvexWinTest::TearDown() {
  if (parent_ != nullptr) DestroyWindow(parent_);
  parent_ = nullptr;
  control_ = nullptr;
  Pump();
  SetModifiers(kNone);
}

HWND FolvexWinTest::Create(DWORD controlStyle, const char* text, int width, int height) {
  if (control_ != nullptr) DestroyWindow(control_);
  control_ = CreateWindowExA(0, FOLVEX_CLASS, text, WS_CHILD | WS_VISIBLE | controlStyle, 0, 0, width, height, parent_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), GetModuleHandleA(nullptr),
                             nullptr);
  Pump();
  Clear();
  return control_;
}

void FolvexWinTest::SetText(const std::string& text) {
  SendMessageA(control_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Clear();
}

void FolvexWinTest::Clear() {
  Pump();
  Log().clear();
  Rows().clear();
}

void FolvexWinTest::ExpectLog(const std::vector<Expected>& expected, const char* file, int line) {
  Pump();
  const std::vector<Notification> log = Log();
  Log().clear();
  std::size_t at = 0;
  bool ok = true;
  for (const Expected& e : expected) {
    bool matches = at < log.size() && log[at].message == e.message && log[at].code == e.code &&
                   (log[at].message != WM_COMMAND ||
                    (LOWORD(log[at].wParam) == kControlId && reinterpret_cast<HWND>(log[at].lParam) == control_));
    if (matches) {
      ++at;
    } else if (!e.optional) {
      ok = false;
      break;
    }
  }
  if (at != log.size()) ok = false;
  if (!ok) {
    std::ostringstream want;
    for (const Expected& e : expected) {
      want << "  " << MessageName(e.message) << " code " << CodeName(e.code);
      want << (e.optional ? " (optional)" : "") << "\n";
    }
    ADD_FAILURE_AT(file, line) << "notifications differ\nexpected:\n" << want.str() << "got:\n" << Describe(log);
  }
}

int FolvexWinTest::LineHeight() {
  // The caret's row is lineHeight pixels high: measured the way the control measures it.
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control_, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, "\xC4\x79", 2, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cy;
}

}  // namespace wintest
