// CreateWarnBox: a themed message box built at run time from an empty dialog template.
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <algorithm>
#include <vector>

namespace dravon {
namespace {

constexpr int kTextId = 100;
constexpr int kIconId = 101;
constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 22;
constexpr int kGap = 8;
constexpr int kMargin = 16;
constexpr int kMaxTextWidth = 420;

struct ButtonSpec {
  int id;
  const char* label;
};

struct WarnRequest {
  const char* text;
  const char* caption;
  UINT style;
};

std::vector<ButtonSpec> ButtonsFor(UINT style) {
  switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "Yes"}, {IDNO, "No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
  }
}

// What Escape (and the close box) answer: Cancel when the box has it, OK for an OK-only box, else nothing.
int EscapeAnswer(UINT style) {
  std::vector<ButtonSpec> buttons = ButtonsFor(style);
  for (const ButtonSpec& b : buttons) {
    if (b.id == IDCANCEL) return IDCANCEL;
  }
  return buttons.size() == 1 && buttons[0].id == IDOK ? IDOK : 0;
}

LPCSTR IconFor(UINT style) {
  switch (style & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
  }
  return nullptr;
}

HWND MakeChild(HWND dialog, const char* className, const char* text, DWORD style, int x, int y, int w, int h, int id) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(), nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(ThemeFont(FontRole::Normal)), FALSE);
  return child;
}

void LayOut(HWND dialog, const WarnRequest& request) {
  const char* text = request.text ? request.text : "";
  RECT measure = {0, 0, kMaxTextWidth, 0};
  HDC dc = GetDC(dialog);
  {
    SelectScope font(dc, ThemeFont(FontRole::Normal));
    DrawTextA(dc, text, -1, &measure, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  }
  ReleaseDC(dialog, dc);
  LPCSTR iconName = IconFor(request.style);
  int top = kCaptionSize + kMargin;
  int textX = kMargin + (iconName ? 32 + 12 : 0);
  int textHeight = std::max<int>(measure.bottom, 16);
  if (iconName) {
    HWND icon = MakeChild(dialog, "STATIC", "", SS_ICON, kMargin, top, 32, 32, kIconId);
    if (icon) SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIcon(nullptr, iconName)), 0);
  }
  int textTop = iconName && textHeight < 32 ? top + (32 - textHeight) / 2 : top;
  MakeChild(dialog, "DV_TEXT", text, SS_NOPREFIX, textX, textTop, measure.right + 2, textHeight, kTextId);

  std::vector<ButtonSpec> buttons = ButtonsFor(request.style);
  int count = static_cast<int>(buttons.size());
  int rowWidth = count * kButtonWidth + (count - 1) * kGap;
  int width = std::max({textX + static_cast<int>(measure.right) + kMargin, rowWidth + 2 * kMargin, 240});
  int contentBottom = std::max(textTop + textHeight, iconName ? top + 32 : 0);
  int buttonsTop = contentBottom + kMargin + 4;
  int height = buttonsTop + kButtonHeight + 12;
  int defaultIndex = std::min(static_cast<int>((request.style & MB_DEFMASK) >> 8), count - 1);
  int x = (width - rowWidth) / 2;
  for (int i = 0; i < count; ++i) {
    DWORD style = WS_TABSTOP | (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | (i == 0 ? WS_GROUP : 0);
    HWND button = MakeChild(dialog, "DV_TXGBUTTON", buttons[static_cast<std::size_t>(i)].label, style, x, buttonsTop,
                            kButtonWidth, kButtonHeight, buttons[static_cast<std::size_t>(i)].id);
    if (i == defaultIndex && button) {
      SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(buttons[static_cast<std::size_t>(i)].id), 0);
      SetFocus(button);
    }
    x += kButtonWidth + kGap;
  }
  RECT frame = {0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CenterDialog(dialog);
}

INT_PTR CALLBACK WarnBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    const WarnRequest* request = reinterpret_cast<const WarnRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
    UINT style = message == WM_INITDIALOG ? reinterpret_cast<const WarnRequest*>(lParam)->style
                                          : (request ? request->style : 0);
    DWORD chrome = EscapeAnswer(style) ? WS_SYSMENU : 0;
    if (message == WM_INITDIALOG) {
      auto* asked = reinterpret_cast<const WarnRequest*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetWindowTextA(dialog, asked->caption ? asked->caption : "");
      DravonDialogProc(dialog, message, wParam, lParam, chrome, 2);
      LayOut(dialog, *asked);
      return FALSE;
    }
    if (INT_PTR themed = DravonDialogProc(dialog, message, wParam, lParam, chrome, 2)) return themed;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      int id = LOWORD(wParam);
      if (id == IDCANCEL) {
        int answer = EscapeAnswer(style);
        if (answer) EndDialog(dialog, answer);
        return TRUE;
      }
      for (const ButtonSpec& b : ButtonsFor(style)) {
        if (b.id == id) {
          EndDialog(dialog, id);
          return TRUE;
        }
      }
    }
  } catch (...) {
  }
  return FALSE;
}

}  // namespace
}  // namespace dravon

extern "C" DRAVON_API int __cdecl CreateWarnBox(HWND owner, const char* text, const char* caption, UINT style) {
  using namespace dravon;
  try {
    // An empty template: DLGTEMPLATE, then empty menu, class and title words.
    alignas(DWORD) WORD templ[16] = {};
    auto* header = reinterpret_cast<DLGTEMPLATE*>(templ);
    header->style = WS_POPUP | WS_BORDER | DS_MODALFRAME | WS_CLIPCHILDREN;
    header->dwExtendedStyle = owner ? 0 : WS_EX_TOPMOST;
    WarnRequest request = {text, caption, style};
    INT_PTR answer = DialogBoxIndirectParamA(Module(), header, owner, WarnBoxProc, reinterpret_cast<LPARAM>(&request));
    return answer > 0 ? static_cast<int>(answer) : 0;
  } catch (...) {
    return 0;
  }
}
