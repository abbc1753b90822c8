// The outer window around a real list box, edit or combo box: creation, layout, message passing,
// notifications under the outer id, colours and the slider that follows the control's scrolling.
#include "uilib/innerhost_win.h"

#include "uilib/dravon.h"

#include <algorithm>

namespace dravon {
namespace {

const char kHostProperty[] = "DravonHost";

LRESULT CALLBACK InnerSubclassProc(HWND inner, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = static_cast<InnerHost*>(GetPropA(inner, kHostProperty));
  if (!host) return DefWindowProcA(inner, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = host->InnerMessage(inner, message, wParam, lParam);
  } catch (...) {
    result = 0;
  }
  if (message == WM_NCDESTROY) RemovePropA(inner, kHostProperty);
  return result;
}

const char* InnerClass(InnerKind kind) {
  switch (kind) {
    case InnerKind::List: return "LISTBOX";
    case InnerKind::Edit: return "EDIT";
    case InnerKind::Combo: return "COMBOBOX";
  }
  return "LISTBOX";
}

int FontHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  if (!dc) return 14;
  TEXTMETRICA tm = {};
  {
    SelectScope scope(dc, font);
    GetTextMetricsA(dc, &tm);
  }
  ReleaseDC(window, dc);
  return tm.tmHeight > 0 ? tm.tmHeight : 14;
}

bool IsFocusNotification(InnerKind kind, int code) {
  switch (kind) {
    case InnerKind::Edit: return code == EN_SETFOCUS || code == EN_KILLFOCUS;
    case InnerKind::List: return code == LBN_SETFOCUS || code == LBN_KILLFOCUS;
    case InnerKind::Combo: return code == CBN_SETFOCUS || code == CBN_KILLFOCUS;
  }
  return false;
}

}  // namespace

DWORD InnerHost::InnerStyle(DWORD outerStyle) const {
  DWORD style = WS_CHILD | WS_VISIBLE | (outerStyle & 0xFFFF) | (outerStyle & WS_TABSTOP) | WS_CLIPSIBLINGS;
  switch (kind_) {
    case InnerKind::List:
      style |= LBS_NOINTEGRALHEIGHT;
      if (drawsDefault_) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
      if (style & LBS_MULTICOLUMN) style |= outerStyle & WS_HSCROLL;
      break;
    case InnerKind::Edit:
      if (style & ES_MULTILINE) style |= ES_AUTOVSCROLL;
      break;
    case InnerKind::Combo:
      if ((style & 3) == 0) style |= CBS_DROPDOWNLIST;
      style |= WS_VSCROLL;
      if ((style & 3) == CBS_DROPDOWN) style |= CBS_AUTOHSCROLL;
      if (drawsDefault_) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
      break;
  }
  return style;
}

bool InnerHost::WantsSlider() const {
  LONG style = GetWindowLongA(outer_, GWL_STYLE);
  if (kind_ == InnerKind::List) return !(style & LBS_MULTICOLUMN);
  if (kind_ == InnerKind::Edit) return (style & ES_MULTILINE) != 0;
  return false;
}

bool InnerHost::Create(const CREATESTRUCTA& create) {
  SetWindowLongA(outer_, GWL_STYLE, GetWindowLongA(outer_, GWL_STYLE) | WS_CLIPCHILDREN);
  SetWindowLongA(outer_, GWL_EXSTYLE, GetWindowLongA(outer_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  const char* text = kind_ == InnerKind::List ? "" : (create.lpszName ? create.lpszName : "");
  DWORD ownerDraw = kind_ == InnerKind::List ? (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)
                                             : (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
  drawsDefault_ = kind_ != InnerKind::Edit && !(static_cast<DWORD>(create.style) & ownerDraw);
  HWND inner = CreateWindowExA(0, InnerClass(kind_), text, InnerStyle(static_cast<DWORD>(create.style)), 0, 0,
                               std::max(1, create.cx), std::max(1, create.cy), outer_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(DV_INNER_ID)), Module(), nullptr);
  if (!inner) return false;
  inner_ = inner;
  SendMessageA(inner_, WM_SETFONT, reinterpret_cast<WPARAM>(ThemeFont(FontRole::Normal)), FALSE);
  if (!SetPropA(inner_, kHostProperty, this)) return false;
  innerProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(inner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InnerSubclassProc)));
  if (WantsSlider()) {
    slider_ = CreateWindowExA(0, kVSliderClass, "", WS_CHILD, 0, 0, kSliderWidth, 10, outer_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(DV_INNER_ID + 1)), Module(), nullptr);
  }
  Layout();
  SyncSlider();
  Created();
  return true;
}

LRESULT InnerHost::CallInner(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!inner_ || !innerProc_) return 0;
  return CallWindowProcA(innerProc_, inner_, message, wParam, lParam);
}

void InnerHost::Layout() {
  if (!inner_) return;
  SIZE client = ClientSize(outer_);
  const int width = static_cast<int>(client.cx), height = static_cast<int>(client.cy);
  const int pad = 1;
  int right = width - pad;
  if (slider_) {
    if (sliderShown_) {
      right -= kSliderWidth;
      SetWindowPos(slider_, nullptr, right, pad, kSliderWidth, std::max(0, height - 2 * pad),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
      ShowWindow(slider_, SW_HIDE);
    }
  }
  switch (kind_) {
    case InnerKind::List: {
      // Whole rows only: the strip below the last row is painted by the outer window in the list colour.
      int listHeight = std::max(0, height - 2 * pad);
      int rowHeight = static_cast<int>(CallInner(LB_GETITEMHEIGHT, 0));
      bool variable = (GetWindowLongA(inner_, GWL_STYLE) & LBS_OWNERDRAWVARIABLE) != 0;
      if (rowHeight > 0 && !variable && listHeight > rowHeight) listHeight -= listHeight % rowHeight;
      MoveWindow(inner_, pad, pad, std::max(0, right - pad), listHeight, TRUE);
      break;
    }
    case InnerKind::Edit: {
      bool multiLine = (GetWindowLongA(inner_, GWL_STYLE) & ES_MULTILINE) != 0;
      HFONT font = reinterpret_cast<HFONT>(CallInner(WM_GETFONT));
      int innerHeight = multiLine ? height - 2 * pad - 2 : std::min(height - 2 * pad, FontHeight(inner_, font) + 2);
      int y = multiLine ? pad + 1 : (height - innerHeight) / 2;
      MoveWindow(inner_, pad + 3, y, std::max(0, right - pad - 4), std::max(0, innerHeight), TRUE);
      break;
    }
    case InnerKind::Combo:
      MoveWindow(inner_, -1, -1, width + 2, std::max(0, height + 2), TRUE);
      ShapeCombo();
      break;
  }
  Placed();
}

// The outer window of a combo box is only as tall as the closed box; the rest of its rectangle (where
// the dropped list opens) belongs to whatever lies below it. The combo sits one pixel outside the outer
// window on every side so that its own 3-D edge is hidden and the outer window draws the border.
void InnerHost::ShapeCombo() {
  RECT r;
  GetWindowRect(inner_, &r);
  int height = std::max(0, static_cast<int>(r.bottom - r.top) - 2);
  SIZE size = ClientSize(outer_);
  HRGN region = CreateRectRgn(0, 0, size.cx, height);
  if (region && !SetWindowRgn(outer_, region, TRUE)) DeleteObject(region);
}

InnerHost::ScrollView InnerHost::View() {
  ScrollView view = {0, 0, 1};
  RECT client;
  GetClientRect(inner_, &client);
  if (kind_ == InnerKind::List) {
    view.count = static_cast<int>(CallInner(LB_GETCOUNT));
    view.top = static_cast<int>(CallInner(LB_GETTOPINDEX));
    int itemHeight = static_cast<int>(CallInner(LB_GETITEMHEIGHT, 0));
    if (itemHeight > 0) view.visible = std::max(1, static_cast<int>(client.bottom) / itemHeight);
  } else if (kind_ == InnerKind::Edit) {
    view.count = static_cast<int>(CallInner(EM_GETLINECOUNT));
    view.top = static_cast<int>(CallInner(EM_GETFIRSTVISIBLELINE));
    RECT text = client;
    CallInner(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    int lineHeight = FontHeight(inner_, reinterpret_cast<HFONT>(CallInner(WM_GETFONT)));
    view.visible = std::max(1, static_cast<int>(text.bottom - text.top) / lineHeight);
  }
  if (view.count < 0) view.count = 0;
  if (view.top < 0) view.top = 0;
  return view;
}

void InnerHost::SyncSlider() {
  if (!slider_ || !inner_ || syncing_) return;
  syncing_ = true;
  ScrollView view = View();
  bool needed = view.count > view.visible;
  if (needed != sliderShown_) {
    sliderShown_ = needed;
    Layout();
    view = View();
  }
  int last = std::max(0, view.count - view.visible);
  SetSliderRange(slider_, SB_CTL, 0, last, FALSE);
  SetSliderRatio(slider_, SB_CTL, view.visible, FALSE);
  SetSliderPos(slider_, SB_CTL, view.top, FALSE);
  InvalidateRect(slider_, nullptr, FALSE);
  syncing_ = false;
}

void InnerHost::ScrollInner(int code) {
  ScrollView view = View();
  int last = std::max(0, view.count - view.visible);
  int top = view.top;
  switch (code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= view.visible; break;
    case SB_PAGEDOWN: top += view.visible; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = last; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      SendMessageA(slider_, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
      top = info.nTrackPos;
      break;
    }
    default: return;
  }
  top = std::max(0, std::min(last, top));
  if (top == view.top) return;
  if (kind_ == InnerKind::List) SendMessageA(inner_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  if (kind_ == InnerKind::Edit) SendMessageA(inner_, EM_LINESCROLL, 0, top - view.top);
}

void InnerHost::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(outer_, &ps);
  const Theme& t = CurrentTheme();
  RECT r;
  GetClientRect(outer_, &r);
  UINT colourMessage = kind_ == InnerKind::List ? WM_CTLCOLORLISTBOX : WM_CTLCOLOREDIT;
  HBRUSH brush = ParentOrThemeColours(outer_, dc, colourMessage, t.controlBack, t.controlText);
  FillRect(dc, &r, brush);
  if (kind_ == InnerKind::Combo) {
    RECT combo;
    GetWindowRect(inner_, &combo);
    r.bottom = std::min<LONG>(r.bottom, combo.bottom - combo.top - 2);
  }
  HWND focus = GetFocus();
  bool focused = focus && (focus == inner_ || IsChild(inner_, focus));
  FrameSolid(dc, r, focused ? t.accent : t.controlBorder);
  EndPaint(outer_, &ps);
}

bool InnerHost::IsInnerMessage(UINT message) const {
  switch (kind_) {
    case InnerKind::List:
      if (message >= LB_ADDSTRING && message <= 0x01B2) return true;
      return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR;
    case InnerKind::Edit:
      if (message >= EM_GETSEL && message <= 0x00DA) return true;
      if (message >= WM_CUT && message <= WM_UNDO) return true;
      return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == WM_SETTEXT ||
             message == WM_GETTEXT || message == WM_GETTEXTLENGTH;
    case InnerKind::Combo:
      if (message >= CB_GETEDITSEL && message <= 0x0165) return true;
      if (message >= WM_CUT && message <= WM_UNDO) return true;
      return message == WM_SETTEXT || message == WM_GETTEXT || message == WM_GETTEXTLENGTH;
  }
  return false;
}

LRESULT InnerHost::PassToParent(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND parent = GetParent(outer_);
  return parent ? SendMessageA(parent, message, wParam, lParam) : 0;
}

LRESULT InnerHost::OuterMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT answer = 0;
  if (HandleOuter(message, wParam, lParam, answer)) return answer;
  int id = GetDlgCtrlID(outer_);
  const Theme& t = CurrentTheme();
  switch (message) {
    case WM_SIZE:
      Layout();
      SyncSlider();
      return 0;
    case WM_SETFOCUS:
      if (inner_) SetFocus(inner_);
      return 0;
    case WM_ENABLE:
      if (inner_) EnableWindow(inner_, static_cast<BOOL>(wParam));
      if (slider_) EnableWindow(slider_, static_cast<BOOL>(wParam));
      InvalidateRect(outer_, nullptr, FALSE);
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (inner_) {
        HFONT font = font_ ? font_ : ThemeFont(FontRole::Normal);
        SendMessageA(inner_, WM_SETFONT, reinterpret_cast<WPARAM>(font), lParam);
      }
      if (drawsDefault_ && kind_ == InnerKind::List) CallInner(LB_SETITEMHEIGHT, 0, ItemHeight());
      if (drawsDefault_ && kind_ == InnerKind::Combo) {
        CallInner(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ItemHeight());
        CallInner(CB_SETITEMHEIGHT, 0, ItemHeight());
      }
      Layout();
      SyncSlider();
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_COMMAND:
      if (inner_ && reinterpret_cast<HWND>(lParam) == inner_) {
        int code = HIWORD(wParam);
        if (IsFocusNotification(kind_, code)) InvalidateRect(outer_, nullptr, FALSE);
        if (HandleCommand(code)) return 0;
        return PassToParent(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(outer_));
      }
      return PassToParent(message, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      UINT asked = message == WM_CTLCOLORSTATIC && kind_ == InnerKind::Edit ? WM_CTLCOLOREDIT : message;
      return reinterpret_cast<LRESULT>(
          ParentOrThemeColours(outer_, reinterpret_cast<HDC>(wParam), asked, t.controlBack, t.controlText));
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (wParam != DV_INNER_ID || !item) return PassToParent(message, wParam, lParam);
      if (DrawsItems()) {
        MeasureItem(*item);
        return TRUE;
      }
      item->CtlID = static_cast<UINT>(id);
      return PassToParent(message, static_cast<WPARAM>(id), lParam);
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (wParam != DV_INNER_ID || !item) return PassToParent(message, wParam, lParam);
      if (DrawsItems()) {
        DrawItem(*item);
        return TRUE;
      }
      DRAWITEMSTRUCT copy = *item;
      copy.CtlID = static_cast<UINT>(id);
      return PassToParent(message, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&copy));
    }
    case WM_DELETEITEM: {
      auto* item = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
      if (wParam != DV_INNER_ID || !item) return PassToParent(message, wParam, lParam);
      DELETEITEMSTRUCT copy = *item;
      copy.CtlID = static_cast<UINT>(id);
      return PassToParent(message, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&copy));
    }
    case WM_COMPAREITEM: {
      auto* item = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam);
      if (wParam != DV_INNER_ID || !item) return PassToParent(message, wParam, lParam);
      COMPAREITEMSTRUCT copy = *item;
      copy.CtlID = static_cast<UINT>(id);
      return PassToParent(message, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&copy));
    }
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: return PassToParent(message, wParam, lParam);
    case WM_VSCROLL:
      if (slider_ && reinterpret_cast<HWND>(lParam) == slider_) {
        ScrollInner(LOWORD(wParam));
        return 0;
      }
      return 0;
    case DVM_GETINNER: return reinterpret_cast<LRESULT>(inner_);
    case WM_GETDLGCODE: return inner_ ? SendMessageA(inner_, WM_GETDLGCODE, wParam, lParam) : 0;
    case WM_SETREDRAW:
      if (inner_) SendMessageA(inner_, WM_SETREDRAW, wParam, lParam);
      if (wParam) SyncSlider();
      return 0;
  }
  if (inner_ && IsInnerMessage(message)) return SendMessageA(inner_, message, wParam, lParam);
  return DefWindowProcA(outer_, message, wParam, lParam);
}

int InnerHost::ItemHeight() { return FontHeight(outer_, font_ ? font_ : ThemeFont(FontRole::Normal)) + 2; }

void InnerHost::MeasureItem(MEASUREITEMSTRUCT& item) { item.itemHeight = static_cast<UINT>(ItemHeight()); }

void InnerHost::DrawItem(const DRAWITEMSTRUCT& item) {
  const Theme& t = CurrentTheme();
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  bool comboEdit = (item.itemState & ODS_COMBOBOXEDIT) != 0;
  if (comboEdit && GetFocus() != inner_) selected = false;
  FillSolid(dc, r, selected ? t.selectionBack : t.controlBack);
  if (item.itemID == static_cast<UINT>(-1)) return;
  bool isList = kind_ == InnerKind::List;
  int length = static_cast<int>(CallInner(isList ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, item.itemID));
  if (length < 0) return;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  CallInner(isList ? LB_GETTEXT : CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(length));
  HFONT font = reinterpret_cast<HFONT>(CallInner(WM_GETFONT));
  SelectScope scope(dc, font ? font : ThemeFont(FontRole::Normal));
  SetBkMode(dc, TRANSPARENT);
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  SetTextColor(dc, disabled ? t.disabledText : selected ? t.selectionText : t.controlText);
  RECT textRect = {r.left + 3, r.top, r.right - 2, r.bottom};
  DrawTextA(dc, text.c_str(), length, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
  if ((item.itemState & ODS_FOCUS) && !comboEdit) FrameSolid(dc, r, t.accent);
}

LRESULT InnerHost::InnerMessage(HWND inner, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcA(innerProc_, inner, message, wParam, lParam);
  if (message == WM_NCDESTROY || message == WM_DESTROY) return result;
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
    HWND root = GetAncestor(outer_, GA_ROOT);
    if (IsClassName(root, "DravonPopup")) PostMessageA(root, WM_CLOSE, 0, 0);
  }
  AfterInner(message, wParam, lParam);
  if (!syncing_) SyncSlider();
  if (kind_ == InnerKind::List && message == WM_KEYDOWN && wParam == VK_RETURN && !HandleCommand(DVN_OPEN)) {
    PassToParent(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(outer_), DVN_OPEN), reinterpret_cast<LPARAM>(outer_));
  }
  return result;
}

LRESULT HostWindowProc(HWND outer, UINT message, WPARAM wParam, LPARAM lParam, InnerHost* (*make)(HWND)) {
  InnerHost* host = StateOf<InnerHost>(outer);
  switch (message) {
    case WM_NCCREATE: {
      InnerHost* made = make(outer);
      if (!made) return FALSE;
      AttachState(outer, made);
      break;
    }
    case WM_CREATE:
      if (!host || !host->Create(*reinterpret_cast<CREATESTRUCTA*>(lParam))) return -1;
      return 0;
    case WM_NCDESTROY: FreeState<InnerHost>(outer); break;
    default:
      if (host) return host->OuterMessage(message, wParam, lParam);
      break;
  }
  return DefWindowProcA(outer, message, wParam, lParam);
}

}  // namespace dravon
