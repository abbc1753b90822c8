// A small host that shows the control with a C source and a selection, for a screenshot taken from
// outside (e.g. ImageMagick's `import -window root` under Xvfb).
//
// Usage: folvex_shot.exe [seconds]   (default 8; the window closes itself afterwards)
#include <windows.h>

#include <cstdlib>

#include "folvex/folvex.h"

namespace {

const char kSource[] =
    "/* hello.c: greets everyone named on the command line. */\r\n"
    "#include <stdio.h>\r\n"
    "\r\n"
    "static int Greet(const char* name) {\r\n"
    "\tif (name == NULL || name[0] == '\\0') return 0;\r\n"
    "\tprintf(\"Hello, %s!\\n\", name);  // one line each\r\n"
    "\treturn 1;\r\n"
    "}\r\n"
    "\r\n"
    "int main(int argc, char** argv) {\r\n"
    "\tint greeted = 0;\r\n"
    "\tfor (int i = 1; i < argc; ++i) {\r\n"
    "\t\tgreeted += Greet(argv[i]);\r\n"
    "\t}\r\n"
    "\treturn greeted > 0 ? 0 : 1;\r\n"
    "}\r\n";

HWND gControl = nullptr;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (gControl != nullptr) MoveWindow(gControl, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (gControl != nullptr) SetFocus(gControl);
      return 0;
    case WM_CTLCOLOREDIT:
      return 0;  // no brush of the host's: the control paints with its own background colour
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 8;
  if (LoadLibraryA("folvex.dll") == nullptr) return 1;
  WNDCLASSA type{};
  type.lpfnWndProc = HostProc;
  type.hInstance = GetModuleHandleA(nullptr);
  type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  type.lpszClassName = "FolvexShotHost";
  RegisterClassA(&type);
  HWND host = CreateWindowExA(0, "FolvexShotHost", "hello.c - folvex", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20,
                              640, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  gControl = CreateWindowExA(0, FOLVEX_CLASS, "", WS_CHILD | WS_VISIBLE | FVS_EDITABLE | FVS_AUTOINDENT, 0, 0, 100, 100,
                             host, reinterpret_cast<HMENU>(10), GetModuleHandleA(nullptr), nullptr);
  HFONT font = CreateFontA(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, CLEARTYPE_QUALITY,
                           FIXED_PITCH | FF_MODERN, "Courier New");
  SendMessageA(gControl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  int tab = 32;
  SendMessageA(gControl, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab));
  SendMessageA(gControl, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kSource));
  ShowWindow(host, SW_SHOW);
  SetFocus(gControl);
  // From "printf" on the sixth line into the middle of the seventh.
  int sixth = static_cast<int>(SendMessageA(gControl, EM_LINEINDEX, 5, 0));
  int seventh = static_cast<int>(SendMessageA(gControl, EM_LINEINDEX, 6, 0));
  FolvexSetSel(gControl, sixth + 1, seventh + 7);
  SetTimer(host, 1, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DeleteObject(font);  // the control is gone: the font is the host's to delete, once
  return 0;
}
