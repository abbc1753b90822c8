// The menu bar: a child window showing a menu's top-level items and opening their popups.
//
// A popup is shown with TrackPopupMenuEx owned by the bar itself, so the bar sees the menu's
// notifications and passes them to its owner (WM_INITMENUPOPUP with the item's position in the bar).
// While a popup is open a message filter hook watches Left / Right and the mouse over the bar, closes
// the popup and opens the neighbour, as a system menu bar does.
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <new>
#include <vector>

namespace dravon {

const char kMenuBarClass[] = "DravonMenuBar";

namespace {

struct MenuBarState {
  HWND owner = nullptr;  // borrowed: the window that receives the commands
  HMENU menu = nullptr;  // borrowed: the caller keeps and destroys it
  int hot = -1;          // item under the mouse or chosen by keyboard
  int open = -1;         // item whose popup is shown
  HMENU openPopup = nullptr;
  int next = -1;         // set by the filter: the item to open once the current popup has closed
  bool nextByKey = false;
  bool keyboardMode = false;
  bool tracking = false;
  HWND previousFocus = nullptr;
  HMENU selectedMenu = nullptr;  // from the last WM_MENUSELECT
  UINT selectedFlags = 0;
};

struct CreateData {
  HWND owner;
  HMENU menu;
};

// The bar whose popup is open. Only one menu can be tracked at a time in a thread, and a hook
// procedure receives no data of its own, so this lives here for the duration of TrackPopupMenuEx.
struct Tracking {
  HWND bar = nullptr;
  MenuBarState* state = nullptr;
  HHOOK hook = nullptr;
};
Tracking gTracking;

std::string ItemText(HMENU menu, int index) {
  char buffer[256];
  int length = GetMenuStringA(menu, static_cast<UINT>(index), buffer, sizeof buffer, MF_BYPOSITION);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

char Mnemonic(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(tolower(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

std::vector<RECT> ItemRects(HWND bar, const MenuBarState& state) {
  std::vector<RECT> rects;
  int count = state.menu ? GetMenuItemCount(state.menu) : 0;
  if (count <= 0) return rects;
  SIZE size = ClientSize(bar);
  HDC dc = GetDC(bar);
  {
    SelectScope font(dc, ThemeFont(FontRole::Normal));
    int x = 2;
    for (int i = 0; i < count; ++i) {
      std::string text = ItemText(state.menu, i);
      RECT measure = {0, 0, 0, 0};
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_CALCRECT | DT_SINGLELINE);
      int width = measure.right + 16;
      rects.push_back(RECT{x, 1, x + width, size.cy - 2});
      x += width;
    }
  }
  ReleaseDC(bar, dc);
  return rects;
}

int ItemAt(HWND bar, const MenuBarState& state, POINT client) {
  std::vector<RECT> rects = ItemRects(bar, state);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (PtInRect(&rects[i], client)) return static_cast<int>(i);
  }
  return -1;
}

void Paint(HWND bar, MenuBarState& state) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(bar, &ps);
  SIZE size = ClientSize(bar);
  BufferedPaint buffer(target, size.cx, size.cy);
  HDC dc = buffer.Dc();
  const Theme& t = CurrentTheme();
  RECT all = {0, 0, size.cx, size.cy};
  FillSolid(dc, all, t.menuBarBack);
  RECT line = {0, size.cy - 1, size.cx, size.cy};
  FillSolid(dc, line, t.frameDark);
  std::vector<RECT> rects = ItemRects(bar, state);
  SelectScope font(dc, ThemeFont(FontRole::Normal));
  SetBkMode(dc, TRANSPARENT);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    int index = static_cast<int>(i);
    UINT itemState = GetMenuState(state.menu, static_cast<UINT>(index), MF_BYPOSITION);
    bool disabled = itemState != static_cast<UINT>(-1) && (itemState & (MF_GRAYED | MF_DISABLED));
    if (index == state.open) {
      FillSolid(dc, rects[i], t.selectionBack);
    } else if (index == state.hot) {
      FillSolid(dc, rects[i], t.buttonHot);
    }
    SetTextColor(dc, disabled ? t.disabledText : index == state.open ? t.selectionText : t.menuBarText);
    std::string text = ItemText(state.menu, index);
    RECT r = rects[i];
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  buffer.Flush();
  EndPaint(bar, &ps);
}

void SetHot(HWND bar, MenuBarState& state, int hot) {
  if (state.hot == hot) return;
  state.hot = hot;
  InvalidateRect(bar, nullptr, FALSE);
}

LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_MENU && gTracking.state) {
    MenuBarState& state = *gTracking.state;
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    int count = GetMenuItemCount(state.menu);
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) && count > 0) {
      bool inSubMenu = state.selectedMenu && state.selectedMenu != state.openPopup;
      bool onSubMenuItem = (state.selectedFlags & MF_POPUP) != 0;
      if (!(msg->wParam == VK_RIGHT && onSubMenuItem) && !(msg->wParam == VK_LEFT && inSubMenu)) {
        int step = msg->wParam == VK_RIGHT ? 1 : count - 1;
        state.next = (state.open + step) % count;
        state.nextByKey = true;
        EndMenu();
        return TRUE;
      }
    }
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_LBUTTONDOWN) {
      POINT p = msg->pt;
      RECT barRect;
      GetWindowRect(gTracking.bar, &barRect);
      if (PtInRect(&barRect, p)) {
        ScreenToClient(gTracking.bar, &p);
        int item = ItemAt(gTracking.bar, state, p);
        if (msg->message == WM_MOUSEMOVE && item >= 0 && item != state.open) {
          state.next = item;
          state.nextByKey = false;
          EndMenu();
          return TRUE;
        }
        if (msg->message == WM_LBUTTONDOWN && item == state.open) {
          EndMenu();
          return TRUE;
        }
      }
    }
  }
  return CallNextHookEx(gTracking.hook, code, wParam, lParam);
}

void LeaveKeyboardMode(HWND bar, MenuBarState& state) {
  if (!state.keyboardMode) return;
  state.keyboardMode = false;
  SetHot(bar, state, -1);
  HWND previous = state.previousFocus;
  state.previousFocus = nullptr;
  if (previous && IsWindow(previous) && GetFocus() == bar) SetFocus(previous);
}

// Opens item `index` and any neighbour the user moves to; posts the chosen command to the owner.
void OpenItem(HWND bar, MenuBarState& state, int index, bool byKey) {
  if (gTracking.state) return;
  int count = GetMenuItemCount(state.menu);
  HWND owner = state.owner;
  while (index >= 0 && index < count) {
    HMENU popup = GetSubMenu(state.menu, index);
    if (!popup) {
      UINT id = GetMenuItemID(state.menu, index);
      LeaveKeyboardMode(bar, state);
      if (id != static_cast<UINT>(-1)) PostMessageA(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
      return;
    }
    std::vector<RECT> rects = ItemRects(bar, state);
    POINT corner = {rects[static_cast<std::size_t>(index)].left, rects[static_cast<std::size_t>(index)].bottom + 1};
    ClientToScreen(bar, &corner);
    state.open = index;
    state.hot = index;
    state.openPopup = popup;
    state.next = -1;
    state.selectedMenu = nullptr;
    state.selectedFlags = 0;
    InvalidateRect(bar, nullptr, FALSE);
    UpdateWindow(bar);
    gTracking.bar = bar;
    gTracking.state = &state;
    gTracking.hook = SetWindowsHookExA(WH_MSGFILTER, MenuFilter, nullptr, GetCurrentThreadId());
    if (byKey) PostMessageA(bar, WM_KEYDOWN, VK_DOWN, 0);
    UINT command = static_cast<UINT>(
        TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, corner.x, corner.y, bar, nullptr));
    if (gTracking.hook) UnhookWindowsHookEx(gTracking.hook);
    gTracking = Tracking();
    if (!IsWindow(bar)) {
      if (command) PostMessageA(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
      return;
    }
    state.open = -1;
    state.openPopup = nullptr;
    InvalidateRect(bar, nullptr, FALSE);
    if (command) {
      LeaveKeyboardMode(bar, state);
      SetHot(bar, state, -1);
      PostMessageA(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
      return;
    }
    index = state.next;
    byKey = state.nextByKey;
  }
  LeaveKeyboardMode(bar, state);
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(bar, &p);
  SetHot(bar, state, ItemAt(bar, state, p));
}

int ItemByMnemonic(const MenuBarState& state, char letter) {
  int count = GetMenuItemCount(state.menu);
  char wanted = static_cast<char>(tolower(static_cast<unsigned char>(letter)));
  for (int i = 0; i < count; ++i) {
    if (Mnemonic(ItemText(state.menu, i)) == wanted) return i;
  }
  return -1;
}

void OnMenuKey(HWND bar, MenuBarState& state, WPARAM letter) {
  if (!state.menu || GetMenuItemCount(state.menu) <= 0) return;
  if (letter == 0 || letter == ' ') {
    if (state.keyboardMode) {
      LeaveKeyboardMode(bar, state);
      return;
    }
    state.keyboardMode = true;
    state.previousFocus = GetFocus();
    SetFocus(bar);
    SetHot(bar, state, 0);
    return;
  }
  int item = ItemByMnemonic(state, static_cast<char>(letter));
  if (item < 0) {
    MessageBeep(0);
    return;
  }
  OpenItem(bar, state, item, true);
}

void OnKeyDown(HWND bar, MenuBarState& state, WPARAM key) {
  if (!state.keyboardMode) return;
  int count = GetMenuItemCount(state.menu);
  if (count <= 0) return;
  switch (key) {
    case VK_LEFT: SetHot(bar, state, (state.hot + count - 1) % count); break;
    case VK_RIGHT: SetHot(bar, state, (state.hot + 1) % count); break;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN: OpenItem(bar, state, state.hot < 0 ? 0 : state.hot, true); break;
    case VK_ESCAPE:
    case VK_MENU: LeaveKeyboardMode(bar, state); break;
  }
}

// Menu notifications arrive at the bar (the popup's owner) and go on to the real owner.
LRESULT Relay(HWND bar, MenuBarState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITMENUPOPUP && reinterpret_cast<HMENU>(wParam) == state.openPopup && state.open >= 0) {
    lParam = MAKELPARAM(state.open, FALSE);
  }
  if (message == WM_MENUSELECT) {
    state.selectedMenu = reinterpret_cast<HMENU>(lParam);
    state.selectedFlags = HIWORD(wParam) == 0xFFFF ? 0 : HIWORD(wParam);
  }
  if (message == WM_COMMAND) return PostMessageA(state.owner, message, wParam, lParam);
  return state.owner ? SendMessageA(state.owner, message, wParam, lParam) : DefWindowProcA(bar, message, wParam, lParam);
}

LRESULT CALLBACK MenuBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    MenuBarState* state = StateOf<MenuBarState>(bar);
    switch (message) {
      case WM_NCCREATE: {
        auto* made = new (std::nothrow) MenuBarState;
        if (!made) return FALSE;
        auto* data = static_cast<CreateData*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (data) {
          made->owner = data->owner;
          made->menu = data->menu;
        }
        AttachState(bar, made);
        break;
      }
      case WM_NCDESTROY: FreeState<MenuBarState>(bar); break;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
        if (!state) break;
        Paint(bar, *state);
        return 0;
      case WM_SIZE: InvalidateRect(bar, nullptr, FALSE); return 0;
      case WM_MOUSEMOVE:
        if (state) {
          if (!state->tracking) {
            TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, bar, 0};
            state->tracking = TrackMouseEvent(&track) != FALSE;
          }
          POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
          if (!state->keyboardMode) SetHot(bar, *state, ItemAt(bar, *state, p));
        }
        return 0;
      case WM_MOUSELEAVE:
        if (state) {
          state->tracking = false;
          if (!state->keyboardMode && state->open < 0) SetHot(bar, *state, -1);
        }
        return 0;
      case WM_LBUTTONDOWN:
        if (state) {
          POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
          int item = ItemAt(bar, *state, p);
          if (item >= 0) OpenItem(bar, *state, item, false);
        }
        return 0;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (state && state->keyboardMode && wParam != VK_F10) {
          OnKeyDown(bar, *state, wParam);
          return 0;
        }
        break;
      case WM_CHAR:
        if (state && state->keyboardMode) {
          int item = ItemByMnemonic(*state, static_cast<char>(wParam));
          if (item >= 0) OpenItem(bar, *state, item, true);
        }
        return 0;
      case WM_KILLFOCUS:
        if (state && state->keyboardMode && state->open < 0) {
          state->keyboardMode = false;
          state->previousFocus = nullptr;
          SetHot(bar, *state, -1);
        }
        return 0;
      case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case DVM_MENUKEY:
        if (state) OnMenuKey(bar, *state, wParam);
        return 0;
      case WM_INITMENU:
      case WM_INITMENUPOPUP:
      case WM_UNINITMENUPOPUP:
      case WM_MENUSELECT:
      case WM_MENUCHAR:
      case WM_ENTERMENULOOP:
      case WM_EXITMENULOOP:
      case WM_ENTERIDLE:
      case WM_COMMAND:
        if (state) return Relay(bar, *state, message, wParam, lParam);
        break;
      case WM_MEASUREITEM:
      case WM_DRAWITEM:
        if (state && state->owner) return SendMessageA(state->owner, message, wParam, lParam);
        break;
    }
  } catch (...) {
  }
  return DefWindowProcA(bar, message, wParam, lParam);
}

}  // namespace

bool RegisterMenuBar() { return RegisterControlClass(kMenuBarClass, MenuBarProc); }

void UnregisterMenuBar() { UnregisterControlClass(kMenuBarClass); }

}  // namespace dravon

extern "C" DRAVON_API HWND __cdecl CreateMenuBar(HWND owner, int x, int y, int height, HMENU menu, int id) {
  using namespace dravon;
  try {
    if (!owner) return nullptr;
    CreateData data = {owner, menu};
    SIZE size = ClientSize(owner);
    int width = size.cx - x > 0 ? size.cx - x : 1;
    return CreateWindowExA(0, kMenuBarClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, width,
                           height > 0 ? height : kMenuSize, owner, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           Module(), &data);
  } catch (...) {
    return nullptr;
  }
}
