// The busy box: one modeless box at a time, light grey with a raised double frame.
//
// Controls: 100 the title line (title font), 101 the detail line(s), 301 the pie ("DV_PIE"),
// and in "PROGRESS" an Abort button. Any command sets the abort-requested flag.
#include "shell/busybox_win.h"

#include "resources/resource_ids.h"
#include "shell/appstate_win.h"
#include "shell/dravonapi_win.h"
#include "shell/messagepump_win.h"

namespace shell {
namespace {

constexpr COLORREF kBoxColour = RGB(0xC8, 0xC8, 0xC8);
constexpr COLORREF kFrameLight = RGB(0xF0, 0xF0, 0xF0);
constexpr COLORREF kFrameDark = RGB(0x64, 0x64, 0x64);

// The one busy box of the program.
struct BusyState {
  HWND box = nullptr;
  bool shown = false;
  bool abortRequested = false;
  HBRUSH brush = nullptr;  // owned: made by ShowBusy, deleted by CloseBusy
};
BusyState gBusy;

INT_PTR Answer(HWND dialog, LRESULT result) {
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

void CentreOnScreen(HWND dialog) {
  if (DravonLoaded() && Dv().CenterDialog(dialog)) return;
  RECT box, work;
  GetWindowRect(dialog, &box);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int x = work.left + ((work.right - work.left) - (box.right - box.left)) / 2;
  int y = work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2;
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

// The background and two raised frames, light on the top and left, dark on the bottom and right.
void PaintBox(HWND dialog, HDC dc) {
  RECT r;
  GetClientRect(dialog, &r);
  FillRect(dc, &r, gBusy.brush ? gBusy.brush : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
  for (int inset = 0; inset < 2; ++inset) {
    int left = r.left + inset, top = r.top + inset, right = r.right - 1 - inset, bottom = r.bottom - 1 - inset;
    DrawLine(dc, left, bottom, left, top, kFrameLight);
    DrawLine(dc, left, top, right, top, kFrameLight);
    DrawLine(dc, right, top, right, bottom, kFrameDark);
    DrawLine(dc, right, bottom, left - 1, bottom, kFrameDark);
  }
}

// The drag band: from 2 to 16 pixels below the top edge, 2 pixels in from the left, 10 from the right.
LRESULT HitTest(HWND dialog, LPARAM lParam) {
  RECT r;
  GetWindowRect(dialog, &r);
  int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  if (y >= r.top + 2 && y <= r.top + 16 && x >= r.left + 2 && x <= r.right - 10) return HTCAPTION;
  return HTCLIENT;
}

}  // namespace

INT_PTR CALLBACK BusyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      CentreOnScreen(dialog);
      SendDlgItemMessageA(dialog, IDC_BUSY_TITLE, WM_SETFONT,
                          reinterpret_cast<WPARAM>(App().fonts[kFontTitle]), FALSE);
      return TRUE;
    case WM_COMMAND:
      gBusy.abortRequested = true;
      return TRUE;
    case WM_NCHITTEST:
      return Answer(dialog, HitTest(dialog, lParam));
    case WM_ERASEBKGND:
      PaintBox(dialog, reinterpret_cast<HDC>(wParam));
      return Answer(dialog, 1);
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0x20, 0x20, 0x20));
      return reinterpret_cast<INT_PTR>(gBusy.brush ? gBusy.brush : GetStockObject(NULL_BRUSH));
    }
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(gBusy.brush ? gBusy.brush : GetStockObject(LTGRAY_BRUSH));
    default:
      return FALSE;
  }
}

HWND ShowBusy(const char* templateName, const std::string& title, const std::string& detail, int pieValue) {
  if (gBusy.box) CloseBusy(gBusy.box);
  gBusy.shown = true;
  gBusy.abortRequested = false;
  gBusy.brush = CreateSolidBrush(kBoxColour);
  HWND box = CreateDialogParamA(App().instance, templateName, nullptr, BusyDlgProc, 0);
  if (!box) {
    gBusy.shown = false;
    if (gBusy.brush) DeleteObject(gBusy.brush);
    gBusy.brush = nullptr;
    return nullptr;
  }
  gBusy.box = box;
  SetDlgItemTextA(box, IDC_BUSY_TITLE, title.c_str());
  SetDlgItemTextA(box, IDC_BUSY_DETAIL, detail.c_str());
  if (HWND pie = GetDlgItem(box, IDC_BUSY_PIE)) SendMessageA(pie, DVM_SETPIEVALUE, static_cast<WPARAM>(pieValue), 0);
  SetWindowTextA(box, title.c_str());
  ShowWindow(box, SW_SHOWNOACTIVATE);
  UpdateWindow(box);
  LetPendingMessagesRun();
  return box;
}

void CloseBusy(HWND box) {
  if (box && box == gBusy.box) gBusy.box = nullptr;
  if (box && IsWindow(box)) DestroyWindow(box);
  if (gBusy.box) return;  // another box than the shown one was closed
  gBusy.shown = false;
  if (gBusy.brush) DeleteObject(gBusy.brush);
  gBusy.brush = nullptr;
}

void CloseBusyBoxIfShown() {
  if (!gBusy.shown) return;
  CloseBusy(gBusy.box);
  gBusy.shown = false;
}

bool BusyShown() { return gBusy.shown; }
bool BusyAbortRequested() { return gBusy.abortRequested; }

}  // namespace shell
