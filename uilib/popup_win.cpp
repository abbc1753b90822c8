// Popup menus (ShowPopupMenu) and popup windows (ShowPopupWindow).
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <new>

namespace dravon {
namespace {

const char kPopupClass[] = "DravonPopup";
constexpr UINT kDismissMessage = DVM_FIRST + 0x40;
constexpr int kListId = 1;

struct PopupState {
  HWND owner = nullptr;  // borrowed
  HWND list = nullptr;   // child, or null
  bool closing = false;
};

// Tells the owner and closes. The owner may already destroy the popup while it is told, so nothing
// of the state is used after the notification.
void ClosePopup(HWND popup, PopupState& state, int code) {
  if (state.closing) return;
  state.closing = true;
  HWND owner = state.owner;
  if (owner) SendMessageA(owner, WM_COMMAND, MAKEWPARAM(DV_POPUP_ID, code), reinterpret_cast<LPARAM>(popup));
  if (IsWindow(popup)) DestroyWindow(popup);
}

void FillList(PopupState& state, const char* items) {
  if (!state.list || !items) return;
  for (const char* p = items; *p; p += lstrlenA(p) + 1) {
    SendMessageA(state.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p));
  }
  SendMessageA(state.list, LB_SETCURSEL, 0, 0);
}

LRESULT OnCommand(HWND popup, PopupState& state, WPARAM wParam, LPARAM lParam) {
  if (state.list && reinterpret_cast<HWND>(lParam) == state.list) {
    int code = HIWORD(wParam);
    bool byMouse = code == LBN_SELCHANGE && GetKeyState(VK_LBUTTON) < 0;
    if (code == LBN_DBLCLK || code == DVN_OPEN || byMouse) {
      int selected = static_cast<int>(SendMessageA(state.list, LB_GETCURSEL, 0, 0));
      if (selected >= 0) ClosePopup(popup, state, selected + 1);
    }
    return 0;
  }
  if (state.owner) SendMessageA(state.owner, WM_COMMAND, wParam, lParam);
  return 0;
}

LRESULT CALLBACK PopupProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    PopupState* state = StateOf<PopupState>(popup);
    switch (message) {
      case WM_NCCREATE: {
        auto* made = new (std::nothrow) PopupState;
        if (!made) return FALSE;
        made->owner = static_cast<HWND>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        AttachState(popup, made);
        break;
      }
      case WM_NCDESTROY: FreeState<PopupState>(popup); break;
      case WM_DESTROY:
        if (state) state->closing = true;
        return 0;
      case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(popup, &r);
        FillSolid(reinterpret_cast<HDC>(wParam), r, CurrentTheme().toolBack);
        return 1;
      }
      case WM_SIZE:
        if (state && state->list) MoveWindow(state->list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
      case WM_SETFOCUS:
        if (HWND child = GetWindow(popup, GW_CHILD)) SetFocus(child);
        return 0;
      case WM_PARENTNOTIFY:
        // A control the owner places in the popup after showing it takes the keyboard.
        if (LOWORD(wParam) == WM_CREATE && GetFocus() == popup) SetFocus(reinterpret_cast<HWND>(lParam));
        return 0;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && state && !state->closing) PostMessageA(popup, kDismissMessage, 0, 0);
        return 0;
      case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && state) ClosePopup(popup, *state, 0);
        return 0;
      case WM_CLOSE:
      case kDismissMessage:
        if (state) ClosePopup(popup, *state, 0);
        return 0;
      case WM_COMMAND:
        if (state) return OnCommand(popup, *state, wParam, lParam);
        break;
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(
            ThemeControlColours(message, reinterpret_cast<HDC>(wParam), CurrentTheme().toolBack));
    }
  } catch (...) {
  }
  return DefWindowProcA(popup, message, wParam, lParam);
}

}  // namespace

bool RegisterPopupWindow() { return RegisterControlClass(kPopupClass, PopupProc, nullptr, CS_DROPSHADOW); }

void UnregisterPopupWindow() { UnregisterControlClass(kPopupClass); }

}  // namespace dravon

extern "C" DRAVON_API int __cdecl ShowPopupMenu(HWND owner, UINT flags, int x, int y, HMENU menu) {
  try {
    if (!owner || !menu) return 0;
    UINT align = flags & (TPM_CENTERALIGN | TPM_RIGHTALIGN | TPM_VCENTERALIGN | TPM_BOTTOMALIGN);
    SetForegroundWindow(GetAncestor(owner, GA_ROOT));
    UINT command = static_cast<UINT>(
        TrackPopupMenuEx(menu, align | TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    if (command) PostMessageA(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return static_cast<int>(command);
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API HWND __cdecl ShowPopupWindow(HWND owner, DWORD style, int x, int y, int width, int height,
                                                   const char* items) {
  using namespace dravon;
  try {
    DWORD frame = style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
    HWND popup = CreateWindowExA(WS_EX_TOOLWINDOW, kPopupClass, "", WS_POPUP | WS_CLIPCHILDREN | frame, x, y, width,
                                 height, owner, nullptr, Module(), owner);
    if (!popup) return nullptr;
    if (items) {
      PopupState* state = StateOf<PopupState>(popup);
      RECT r;
      GetClientRect(popup, &r);
      state->list = CreateWindowExA(0, "DV_SCROLLLIST", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY, 0, 0,
                                    r.right, r.bottom, popup, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                                    Module(), nullptr);
      FillList(*state, items);
    }
    ShowWindow(popup, SW_SHOW);
    return popup;
  } catch (...) {
    return nullptr;
  }
}
