// Tooltips: the hint table, the relay, the timer and the tip window with its placement and unfolding.
#include "help/tooltips_win.h"

#include <array>
#include <cstring>
#include <new>
#include <string>

namespace help {
namespace {

constexpr std::size_t kMaxHintLength = 255;
constexpr UINT_PTR kUnfoldTimer = 1;
constexpr UINT kUnfoldStepMs = 10;
constexpr int kUnfoldSteps = 10;

struct Hint {
  HWND control = nullptr;  // borrowed: the hosting window owns the control
  std::string text;
};

struct Tooltips {
  bool enabled = false;
  HINSTANCE resources = nullptr;
  std::array<Hint, kMaxHints> hints;
  HWND tip = nullptr;         // the tip window showing, or null
  HWND tipControl = nullptr;  // the control it belongs to
  HWND last = nullptr;        // the last hinted control the mouse came onto
  UINT_PTR timer = 0;
};

// One table for the whole program, as every window shares the same tip.
Tooltips gTips;

struct TipWindow {
  HFONT font = nullptr;  // owned: created with the tip, deleted with it
  int width = 0;         // the full width the tip unfolds to
  int height = kTipHeight;
};

Hint* Find(HWND control) {
  if (!control) return nullptr;
  for (Hint& hint : gTips.hints) {
    if (hint.control == control) return &hint;
  }
  return nullptr;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

void StartTimer() {
  if (gTips.timer) KillTimer(nullptr, gTips.timer);
  gTips.timer = SetTimer(nullptr, 0, kTooltipDelayMs, OnTimer);
}

void StopTimer() {
  if (gTips.timer) KillTimer(nullptr, gTips.timer);
  gTips.timer = 0;
}

void DestroyTip() {
  HWND tip = gTips.tip;
  gTips.tip = nullptr;
  gTips.tipControl = nullptr;
  if (tip && IsWindow(tip)) DestroyWindow(tip);
}

HFONT MakeTipFont() {
  LOGFONTA lf = {};
  lf.lfHeight = -12;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(lf.lfFaceName, "Arial");
  return CreateFontIndirectA(&lf);
}

INT_PTR CALLBACK TipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<TipWindow*>(GetWindowLongPtrA(tip, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: SetWindowLongPtrA(tip, DWLP_USER, lParam); return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_INFOTEXT));
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_INFOBK));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_INFOBK));
    case WM_TIMER:
      if (wParam == kUnfoldTimer && window) {
        RECT r;
        GetWindowRect(tip, &r);
        int step = window->width / kUnfoldSteps > 0 ? window->width / kUnfoldSteps : 1;
        int width = r.right - r.left + step;
        if (width >= window->width) {
          width = window->width;
          KillTimer(tip, kUnfoldTimer);
        }
        SetWindowPos(tip, nullptr, 0, 0, width, window->height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: DestroyWindow(tip); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == kTipTextId && HIWORD(wParam) == STN_CLICKED) DestroyWindow(tip);
      return TRUE;
    case WM_DESTROY:
      if (gTips.tip == tip) {
        gTips.tip = nullptr;
        gTips.tipControl = nullptr;
      }
      return TRUE;
    case WM_NCDESTROY:
      if (window) {
        if (window->font) DeleteObject(window->font);
        delete window;
        SetWindowLongPtrA(tip, DWLP_USER, 0);
      }
      return TRUE;
  }
  return FALSE;
}

void ShowTip(HWND control, const std::string& text) {
  DestroyTip();
  auto* window = new (std::nothrow) TipWindow;
  if (!window) return;
  HWND tip = CreateDialogParamA(gTips.resources, "HYPERHELP", control, TipProc, reinterpret_cast<LPARAM>(window));
  if (!tip) {
    delete window;
    return;
  }
  gTips.tip = tip;
  gTips.tipControl = control;
  window->width = TipWidth(static_cast<int>(text.size()));
  window->font = MakeTipFont();
  HWND label = GetDlgItem(tip, kTipTextId);
  if (label) {
    if (window->font) SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(window->font), FALSE);
    SetWindowTextA(label, text.c_str());
    MoveWindow(label, 3, 1, window->width - 6, window->height - 2, FALSE);
  }
  POINT cursor;
  GetCursorPos(&cursor);
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  POINT at = TipPosition(cursor, window->width, window->height, desktop);
  int firstWidth = window->width / kUnfoldSteps > 0 ? window->width / kUnfoldSteps : 1;
  SetWindowPos(tip, HWND_TOPMOST, at.x, at.y, firstWidth, window->height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetTimer(tip, kUnfoldTimer, kUnfoldStepMs, nullptr);
}

// The hinted window under a screen point: the window there or the nearest of its parents with a hint.
HWND HintedWindowAt(POINT p) {
  HWND window = WindowFromPoint(p);
  while (window) {
    if (Find(window)) return window;
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return nullptr;
    window = GetParent(window);
  }
  return nullptr;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  StopTimer();
  if (!gTips.enabled) return;
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = HintedWindowAt(cursor);
  if (!under) {
    if (gTips.tip) DestroyTip();
    gTips.last = nullptr;
    return;
  }
  if (under == gTips.last && !gTips.tip) {
    if (Hint* hint = Find(under)) ShowTip(under, hint->text);
    StartTimer();
    return;
  }
  // While a tip shows the timer keeps watching, so leaving the control later still hides the tip.
  if (gTips.tip) StartTimer();
  if (under != gTips.last && !gTips.tip) gTips.last = nullptr;
}

}  // namespace

int TipWidth(int length) { return 6 * length + 20; }

POINT TipPosition(POINT cursor, int width, int height, const RECT& desktop) {
  POINT at = {cursor.x + 12, cursor.y + 16};
  if (at.x + width > desktop.right) at.x = cursor.x - 6 - width;
  if (at.y + height > desktop.bottom - 32) at.y = cursor.y - 8 - kTipHeight;
  return at;
}

void EnableTooltips(HINSTANCE resources) {
  StopTimer();
  DestroyTip();
  for (Hint& hint : gTips.hints) hint = Hint();
  gTips.last = nullptr;
  gTips.resources = resources;
  gTips.enabled = true;
}

void DisableTooltips() {
  gTips.enabled = false;
  StopTimer();
  DestroyTip();
  for (Hint& hint : gTips.hints) hint = Hint();
  gTips.last = nullptr;
}

int AddHint(HWND control, const char* text) {
  if (!control) return 0;
  try {
    std::string copy = text ? std::string(text, strnlen(text, kMaxHintLength)) : std::string();
    Hint* entry = Find(control);
    if (!entry) {
      for (Hint& hint : gTips.hints) {
        if (!hint.control) {
          entry = &hint;
          break;
        }
      }
    }
    if (!entry) return 0;
    entry->text.swap(copy);
    entry->control = control;
    return 1;
  } catch (...) {
    return 0;
  }
}

int RemoveHint(HWND control) {
  Hint* hint = Find(control);
  if (!hint) return 0;
  *hint = Hint();
  if (gTips.last == control) gTips.last = nullptr;
  if (gTips.tipControl == control) DestroyTip();
  return 1;
}

void TooltipRelay(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (!gTips.enabled || message != WM_SETCURSOR || HIWORD(lParam) != WM_MOUSEMOVE) return;
  try {
    POINT p;
    if (!GetCursorPos(&p) || !ScreenToClient(window, &p)) return;
    HWND control = ChildWindowFromPointEx(window, p, CWP_SKIPINVISIBLE);
    Hint* hint = Find(control);
    if (!hint || control == gTips.last) return;
    gTips.last = control;
    if (gTips.tip) ShowTip(control, hint->text);
    StartTimer();
  } catch (...) {
  }
}

HWND ShownTooltip() { return gTips.tip; }

}  // namespace help
