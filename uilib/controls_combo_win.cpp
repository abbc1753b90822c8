// "DV_SCROLLCOMBO": a real combo box inside a themed border, its drop button covered by a themed one.
#include "uilib/innerhost_win.h"

#include "uilib/dravon.h"

#include <new>

namespace dravon {
namespace {

const char kArrowClass[] = "DravonComboArrow";

struct ArrowState {
  bool hot = false;
  bool tracking = false;
};

void PaintArrow(HWND arrow, const ArrowState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(arrow, &ps);
  const Theme& t = CurrentTheme();
  SIZE size = ClientSize(arrow);
  RECT r = {0, 0, size.cx, size.cy};
  FillSolid(dc, r, state.hot ? t.buttonHot : t.buttonFace);
  RECT edge = {0, 0, 1, size.cy};
  FillSolid(dc, edge, t.controlBorder);
  int cx = static_cast<int>(size.cx) / 2, cy = static_cast<int>(size.cy) / 2;
  POINT points[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
  COLORREF colour = IsWindowEnabled(GetParent(arrow)) ? t.sliderArrow : t.disabledText;
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  {
    SelectScope penScope(dc, pen);
    SelectScope brushScope(dc, SolidBrush(colour));
    Polygon(dc, points, 3);
  }
  DeleteObject(pen);
  EndPaint(arrow, &ps);
}

LRESULT CALLBACK ArrowProc(HWND arrow, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    ArrowState* state = StateOf<ArrowState>(arrow);
    switch (message) {
      case WM_NCCREATE: {
        auto* made = new (std::nothrow) ArrowState;
        if (!made) return FALSE;
        AttachState(arrow, made);
        break;
      }
      case WM_NCDESTROY: FreeState<ArrowState>(arrow); break;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
        if (!state) break;
        PaintArrow(arrow, *state);
        return 0;
      case WM_MOUSEMOVE:
        if (state && !state->tracking) {
          TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, arrow, 0};
          state->tracking = TrackMouseEvent(&track) != FALSE;
          state->hot = true;
          InvalidateRect(arrow, nullptr, FALSE);
        }
        return 0;
      case WM_MOUSELEAVE:
        if (state) {
          state->hot = false;
          state->tracking = false;
          InvalidateRect(arrow, nullptr, FALSE);
        }
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: {
        HWND combo = GetDlgItem(GetParent(arrow), DV_INNER_ID);
        if (combo && IsWindowEnabled(combo)) {
          SetFocus(combo);
          BOOL dropped = static_cast<BOOL>(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
          SendMessageA(combo, CB_SHOWDROPDOWN, !dropped, 0);
        }
        return 0;
      }
    }
  } catch (...) {
  }
  return DefWindowProcA(arrow, message, wParam, lParam);
}

class ComboHost : public InnerHost {
 public:
  explicit ComboHost(HWND outer) : InnerHost(outer, InnerKind::Combo) {}

 protected:
  void Created() override {
    if ((GetWindowLongA(Inner(), GWL_STYLE) & 3) == CBS_SIMPLE) return;
    arrow_ = CreateWindowExA(0, kArrowClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, Outer(), nullptr, Module(), nullptr);
    Placed();
  }

  // Covers the combo's own drop button (one pixel in, as the combo sits one pixel outside the outer window).
  void Placed() override {
    if (!arrow_) return;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Inner(), &info) || info.rcButton.right <= info.rcButton.left) return;
    RECT r = info.rcButton;
    OffsetRect(&r, -1, -1);
    SIZE size = ClientSize(Outer());
    RECT combo;
    GetWindowRect(Inner(), &combo);
    int bottom = static_cast<int>(combo.bottom - combo.top) - 3;
    SetWindowPos(arrow_, HWND_TOP, r.left, 1, static_cast<int>(size.cx) - 1 - r.left, bottom > 1 ? bottom - 1 : 1,
                 SWP_NOACTIVATE);
  }

 private:
  HWND arrow_ = nullptr;  // child, destroyed with the outer window
};

InnerHost* MakeCombo(HWND outer) { return new (std::nothrow) ComboHost(outer); }

}  // namespace

bool RegisterComboControl() {
  return RegisterControlClass("DV_SCROLLCOMBO", HostClassProc<MakeCombo>) &&
         RegisterControlClass(kArrowClass, ArrowProc);
}

void UnregisterComboControl() {
  UnregisterControlClass("DV_SCROLLCOMBO");
  UnregisterControlClass(kArrowClass);
}

}  // namespace dravon
