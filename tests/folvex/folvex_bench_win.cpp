// Speed of the control on large texts under Wine: setting the text, typing at its end and start,
// paging near its end and Enter in its middle, each followed by the repaint it causes.
//
// Usage: folvex_bench.exe [megabytes...]   (default: 1 10)
// Two hosts are measured: the control drawing its rows itself, and an owner-draw parent that
// colours every row with the editor's lexer and asks the control for the top row's lexical state
// (FVM_GETROWSTATE), as the IDE's editor window does. Times are medians over repeated runs, in
// milliseconds, wall clock (QueryPerformanceCounter).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/rowlexer.h"
#include "folvex/folvex.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 700;
constexpr COLORREF kSlotColours[] = {0, 0, 0, 0x808080, 0x007F00, 0xA08000};

LARGE_INTEGER gFrequency;

double Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(gFrequency.QuadPart);
}

// ---- the owner-draw host: plain text, then the lexer's coloured runs over it ----

struct RunSink {
  HDC dc;
  const char* row;
  RECT rect;
  int tab;
  void operator()(int start, int end, int slot) const {
    int x = start == 0 ? 0 : LOWORD(GetTabbedTextExtentA(dc, row, start, 1, &tab));
    SetTextColor(dc, kSlotColours[slot]);
    TabbedTextOutA(dc, rect.left + x, rect.top, row + start, end - start, 1, &tab, rect.left);
  }
};

// With a row lexer set, the control sends only the rows being painted; each takes its state from it.
void DrawRow(const DRAWITEMSTRUCT& item) {
  const char* row = reinterpret_cast<const char*>(item.itemData);
  int first = FolvexGetFirstLine(item.hwndItem);
  auto state = static_cast<editor::LexState>(FolvexGetRowState(item.hwndItem, first + static_cast<int>(item.itemID)));
  int length = 0;
  while (row[length] != '\0' && row[length] != '\r' && row[length] != '\n') ++length;
  int tab = 40;
  SetTextColor(item.hDC, 0);
  TabbedTextOutA(item.hDC, item.rcItem.left, item.rcItem.top, row, length, 1, &tab, item.rcItem.left);
  editor::lexer::LexRow(row, length, state, RunSink{item.hDC, row, item.rcItem, tab});
}

int CALLBACK LexOneRow(void*, const char* row, int limit, int state) {
  auto s = static_cast<editor::LexState>(state);
  editor::lexer::LexRow(row, limit, s, [](int, int, int) {});
  return static_cast<int>(s);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLOREDIT: return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

// ---- the text: C source lines of every colour, CR LF ----

std::string MakeSource(std::size_t bytes) {
  static const char* const kLines[] = {
      "/* A block comment that opens here",
      "   and closes on the next line. */",
      "#include <stdio.h>  // a preprocessor line with a comment",
      "static int counter = 0;",
      "int main(int argc, char** argv) {",
      "\tfor (int i = 0; i < argc; ++i) printf(\"%s\\n\", argv[i]);",
      "\tif (counter > 10 && argv[0][0] == 'x') return 1;",
      "\t\tcounter += argc * 2; /* inline comment */ counter--;",
      "}",
      "",
  };
  std::string text;
  text.reserve(bytes + 128);
  for (std::size_t i = 0; text.size() < bytes; ++i) {
    text += kLines[i % (sizeof kLines / sizeof kLines[0])];
    text += "\r\n";
  }
  return text;
}

// ---- measuring ----

struct Figures {
  double setAndPaint, typeAtEnd, typeAtStart, pageDown, enterInMiddle, firstJumpToEnd;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Paint(HWND control) { UpdateWindow(control); }

// Puts the caret at the start of `line` and the line in view, then paints (not timed).
void GoToLine(HWND control, int line) {
  int start = static_cast<int>(SendMessageA(control, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  FolvexSetSel(control, start, start);
  SendMessageA(control, EM_SCROLLCARET, 0, 0);
  Paint(control);
}

void Drain() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

Figures Measure(HWND host, DWORD style, const std::string& text, bool lexer) {
  HWND control = CreateWindowExA(0, FOLVEX_CLASS, "", WS_CHILD | WS_VISIBLE | style, 0, 0, kWidth, kHeight, host,
                                 reinterpret_cast<HMENU>(10), GetModuleHandleA(nullptr), nullptr);
  if (lexer) FolvexSetRowLexer(control, LexOneRow, nullptr, 1);
  Drain();
  Figures f{};
  double t = Now();
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Paint(control);
  f.setAndPaint = Now() - t;

  const int lastLine = static_cast<int>(SendMessageA(control, EM_GETLINECOUNT, 0, 0));
  t = Now();
  GoToLine(control, lastLine);
  f.firstJumpToEnd = Now() - t;

  std::vector<double> times;
  for (int i = 0; i < 41; ++i) {
    int end = static_cast<int>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
    FolvexSetSel(control, end, end);
    Paint(control);
    Drain();
    t = Now();
    SendMessageA(control, WM_CHAR, 'x', 1);
    Paint(control);
    times.push_back(Now() - t);
  }
  f.typeAtEnd = Median(times);

  times.clear();
  for (int i = 0; i < 21; ++i) {
    FolvexSetSel(control, 0, 0);
    Paint(control);
    Drain();
    t = Now();
    SendMessageA(control, WM_CHAR, 'y', 1);
    Paint(control);
    times.push_back(Now() - t);
  }
  f.typeAtStart = Median(times);

  times.clear();
  for (int i = 0; i < 21; ++i) {
    GoToLine(control, lastLine - 300);
    Drain();
    t = Now();
    SendMessageA(control, WM_KEYDOWN, VK_NEXT, 1);
    Paint(control);
    times.push_back(Now() - t);
  }
  f.pageDown = Median(times);

  times.clear();
  for (int i = 0; i < 21; ++i) {
    GoToLine(control, lastLine / 2 + i);
    Drain();
    t = Now();
    SendMessageA(control, WM_CHAR, '\r', 1);
    Paint(control);
    times.push_back(Now() - t);
  }
  f.enterInMiddle = Median(times);

  DestroyWindow(control);
  Drain();
  return f;
}

void Report(const char* host, double megabytes, const Figures& f) {
  std::printf("| %-26s | %5.0f MB | %9.2f | %9.2f | %9.2f | %9.2f | %9.2f | %9.2f |\n", host, megabytes, f.setAndPaint,
              f.typeAtEnd, f.typeAtStart, f.pageDown, f.enterInMiddle, f.firstJumpToEnd);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QueryPerformanceFrequency(&gFrequency);
  if (LoadLibraryA("folvex.dll") == nullptr) {
    std::fprintf(stderr, "folvex.dll did not load\n");
    return 1;
  }
  WNDCLASSA type{};
  type.lpfnWndProc = HostProc;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "FolvexBenchHost";
  RegisterClassA(&type);
  HWND host = CreateWindowExA(0, "FolvexBenchHost", "bench", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ShowWindow(host, SW_SHOWNOACTIVATE);

  std::vector<double> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atof(argv[i]));
  if (sizes.empty()) sizes = {1, 10};

  std::printf("| host                       | text     | set+paint | type end  | type start| page down | enter mid | go to end |\n");
  std::printf("|----------------------------|----------|-----------|-----------|-----------|-----------|-----------|-----------|\n");
  for (double megabytes : sizes) {
    std::string text = MakeSource(static_cast<std::size_t>(megabytes * 1024 * 1024));
    Report("control draws", megabytes, Measure(host, FVS_EDITABLE | FVS_AUTOINDENT, text, false));
    Report("owner-draw, coloured", megabytes,
           Measure(host, FVS_EDITABLE | FVS_AUTOINDENT | FVS_OWNERDRAW, text, true));
  }
  DestroyWindow(host);
  return 0;
}
