// "DV_COLORSELECT" (a palette to choose a colour from) and "DV_PIE" (a progress pie).
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

namespace dravon {
namespace {

constexpr int kColumns = 12;
constexpr int kRows = 7;  // six hue rows from light to dark, then greys
constexpr int kSwatchHeight = 12;

struct ColourState {
  COLORREF colour = RGB(0, 0, 0);
};

struct PieState {
  int value = 0;
  HFONT font = nullptr;  // borrowed
};

BYTE Channel(double value) { return static_cast<BYTE>(std::lround(std::max(0.0, std::min(1.0, value)) * 255.0)); }

double HueToChannel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

COLORREF FromHsl(double hue, double saturation, double lightness) {
  double q = lightness < 0.5 ? lightness * (1 + saturation) : lightness + saturation - lightness * saturation;
  double p = 2 * lightness - q;
  return RGB(Channel(HueToChannel(p, q, hue + 1.0 / 3)), Channel(HueToChannel(p, q, hue)),
             Channel(HueToChannel(p, q, hue - 1.0 / 3)));
}

COLORREF CellColour(int column, int row) {
  if (row == kRows - 1) {
    BYTE grey = static_cast<BYTE>(column * 255 / (kColumns - 1));
    return RGB(grey, grey, grey);
  }
  static const double kLightness[] = {0.85, 0.72, 0.58, 0.45, 0.32, 0.2};
  return FromHsl(static_cast<double>(column) / kColumns, 0.9, kLightness[row]);
}

RECT CellRect(const SIZE& client, int column, int row) {
  int gridHeight = std::max(kRows, static_cast<int>(client.cy) - kSwatchHeight - 2);
  RECT r;
  r.left = column * client.cx / kColumns;
  r.right = (column + 1) * client.cx / kColumns;
  r.top = row * gridHeight / kRows;
  r.bottom = (row + 1) * gridHeight / kRows;
  return r;
}

void PaintColourSelect(HWND control, const ColourState& state) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(control, &ps);
  SIZE size = ClientSize(control);
  BufferedPaint buffer(target, size.cx, size.cy);
  HDC dc = buffer.Dc();
  const Theme& t = CurrentTheme();
  RECT all = {0, 0, size.cx, size.cy};
  FillSolid(dc, all, ParentBackground(control));
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      RECT cell = CellRect(size, column, row);
      COLORREF colour = CellColour(column, row);
      FillSolid(dc, cell, colour);
      if (colour == state.colour) {
        FrameSolid(dc, cell, RGB(255, 255, 255));
        InflateRect(&cell, -1, -1);
        FrameSolid(dc, cell, RGB(0, 0, 0));
      }
    }
  }
  RECT swatch = {0, size.cy - kSwatchHeight, size.cx, size.cy};
  FillSolid(dc, swatch, state.colour);
  FrameSolid(dc, swatch, t.controlBorder);
  buffer.Flush();
  EndPaint(control, &ps);
}

// Chooses the colour of the cell under the point, if any; the parent hears of it last.
void ChooseAt(HWND control, ColourState& state, LPARAM lParam) {
  SIZE size = ClientSize(control);
  POINT p = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      RECT cell = CellRect(size, column, row);
      if (!PtInRect(&cell, p)) continue;
      state.colour = CellColour(column, row);
      InvalidateRect(control, nullptr, FALSE);
      NotifyParent(control, DVN_COLORCHANGED);
      return;
    }
  }
}

LRESULT CALLBACK ColourSelectProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    ColourState* state = StateOf<ColourState>(control);
    switch (message) {
      case WM_NCCREATE: {
        auto* made = new (std::nothrow) ColourState;
        if (!made) return FALSE;
        AttachState(control, made);
        break;
      }
      case WM_NCDESTROY: FreeState<ColourState>(control); break;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
        if (!state) break;
        PaintColourSelect(control, *state);
        return 0;
      case WM_SIZE: InvalidateRect(control, nullptr, FALSE); return 0;
      case WM_LBUTTONDOWN:
        if (state) ChooseAt(control, *state, lParam);
        return 0;
      case DVM_SETCOLOR: {
        if (!state) return 0;
        COLORREF previous = state->colour;
        state->colour = static_cast<COLORREF>(wParam) & 0x00FFFFFF;
        InvalidateRect(control, nullptr, FALSE);
        return static_cast<LRESULT>(previous);
      }
      case DVM_GETCOLOR: return state ? static_cast<LRESULT>(state->colour) : 0;
    }
  } catch (...) {
  }
  return DefWindowProcA(control, message, wParam, lParam);
}

POINT OnCircle(const RECT& box, double degrees) {
  double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
  double radius = (box.right - box.left) / 2.0 + 4;
  double radians = degrees * 3.14159265358979 / 180.0;
  return POINT{static_cast<LONG>(std::lround(cx + radius * std::cos(radians))),
               static_cast<LONG>(std::lround(cy - radius * std::sin(radians)))};
}

void PaintPie(HWND control, const PieState& state) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(control, &ps);
  SIZE size = ClientSize(control);
  BufferedPaint buffer(target, size.cx, size.cy);
  HDC dc = buffer.Dc();
  const Theme& t = CurrentTheme();
  RECT all = {0, 0, size.cx, size.cy};
  HBRUSH back = ParentOrThemeColours(control, dc, WM_CTLCOLORSTATIC, ParentBackground(control), t.text);
  FillRect(dc, &all, back);
  int diameter = std::max(0, static_cast<int>(std::min(size.cx, size.cy)) - 2);
  RECT box = {(size.cx - diameter) / 2, (size.cy - diameter) / 2, 0, 0};
  box.right = box.left + diameter;
  box.bottom = box.top + diameter;
  HPEN border = CreatePen(PS_SOLID, 1, t.controlBorder);
  {
    SelectScope pen(dc, border);
    SelectScope fill(dc, SolidBrush(t.controlBack));
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
    if (state.value >= 100) {
      SelectScope full(dc, SolidBrush(t.accent));
      Ellipse(dc, box.left, box.top, box.right, box.bottom);
    } else if (state.value > 0) {
      SelectScope part(dc, SolidBrush(t.accent));
      POINT start = OnCircle(box, 90.0 - 360.0 * state.value / 100.0);
      POINT end = OnCircle(box, 90.0);
      Pie(dc, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
    }
  }
  DeleteObject(border);
  if (diameter >= 28) {
    char text[8];
    std::snprintf(text, sizeof text, "%d%%", state.value);
    SelectScope font(dc, ControlFont(state.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, t.selectionText);
    DrawTextA(dc, text, -1, &all, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  buffer.Flush();
  EndPaint(control, &ps);
}

LRESULT CALLBACK PieProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    PieState* state = StateOf<PieState>(control);
    switch (message) {
      case WM_NCCREATE: {
        auto* made = new (std::nothrow) PieState;
        if (!made) return FALSE;
        AttachState(control, made);
        break;
      }
      case WM_NCDESTROY: FreeState<PieState>(control); break;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
        if (!state) break;
        PaintPie(control, *state);
        return 0;
      case WM_SIZE: InvalidateRect(control, nullptr, FALSE); return 0;
      case DVM_SETPIEVALUE:
        if (!state) return 0;
        state->value = std::max(0, std::min(100, static_cast<int>(wParam)));
        InvalidateRect(control, nullptr, FALSE);
        return state->value;
      case DVM_GETPIEVALUE: return state ? state->value : 0;
      case WM_SETFONT:
        if (state) state->font = reinterpret_cast<HFONT>(wParam);
        return 0;
      case WM_GETFONT: return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    }
  } catch (...) {
  }
  return DefWindowProcA(control, message, wParam, lParam);
}

}  // namespace

bool RegisterColourControls() {
  return RegisterControlClass("DV_COLORSELECT", ColourSelectProc) && RegisterControlClass("DV_PIE", PieProc);
}

void UnregisterColourControls() {
  UnregisterControlClass("DV_COLORSELECT");
  UnregisterControlClass("DV_PIE");
}

}  // namespace dravon
