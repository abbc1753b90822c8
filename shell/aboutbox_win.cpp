// The About box: sized to the bitmap "TITLE", the version text drawn over it.
#include "shell/aboutbox_win.h"

#include <new>

#include "resources/resource_ids.h"
#include "shell/appstate_win.h"

namespace shell {
namespace {

constexpr int kVersionX = 261;
constexpr int kVersionY = 248;
constexpr COLORREF kVersionColour = 0xFFBE50;  // as a COLORREF: red 0x50, green 0xBE, blue 0xFF

// Per-dialog state, attached at WM_INITDIALOG and freed at WM_NCDESTROY.
struct AboutState {
  HBITMAP title = nullptr;  // owned
  SIZE size = {0, 0};
};

AboutState* StateOf(HWND dialog) { return reinterpret_cast<AboutState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

// Sized to the picture, centred horizontally on the desktop and 20 pixels below its vertical centre.
void PlaceBox(HWND dialog, const AboutState& state) {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  RECT frame = {0, 0, state.size.cx, state.size.cy};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int x = desktop.left + ((desktop.right - desktop.left) - width) / 2;
  int y = desktop.top + ((desktop.bottom - desktop.top) - height) / 2 + 20;
  SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER);
}

void Paint(HWND dialog, const AboutState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(dialog, &ps);
  if (state.title) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, state.title);
    BitBlt(dc, 0, 0, state.size.cx, state.size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kVersionColour);
  HGDIOBJ oldFont = SelectObject(dc, App().fonts[kFontInterface]);
  const std::string& text = App().versionText;
  TextOutA(dc, kVersionX, kVersionY, text.c_str(), static_cast<int>(text.size()));
  SelectObject(dc, oldFont);
  EndPaint(dialog, &ps);
}

void OnInit(HWND dialog) {
  auto* state = new (std::nothrow) AboutState;
  if (!state) return;
  state->title = static_cast<HBITMAP>(LoadImageA(App().instance, IDB_TITLE, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  BITMAP info = {};
  if (state->title && GetObjectA(state->title, sizeof info, &info)) state->size = {info.bmWidth, info.bmHeight};
  else state->size = {420, 272};
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  PlaceBox(dialog, *state);
}

}  // namespace

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  AboutState* state = StateOf(dialog);
  switch (message) {
    case WM_INITDIALOG:
      OnInit(dialog);
      return TRUE;
    case WM_PAINT:
      if (state) Paint(dialog, *state);
      return TRUE;
    case WM_ERASEBKGND:
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_COMMAND:
      EndDialog(dialog, 0);
      return TRUE;
    case WM_NCDESTROY:
      if (state) {
        if (state->title) DeleteObject(state->title);
        delete state;
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void ShowAboutBox(HWND owner) { DialogBoxParamA(App().instance, IDD_ABOUT, owner, AboutProc, 0); }

}  // namespace shell
