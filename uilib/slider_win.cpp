// "DV_HSlider" and "DV_VSlider": scroll-bar-like sliders, and SetSliderRange / Pos / Ratio.
//
// Geometry along the slider's length L: an arrow box at each end (as long as the slider is thick, at
// most a third of L), the track between them, and in it the thumb, whose length shows the ratio (the
// visible part) against the range plus that part. User input becomes WM_HSCROLL / WM_VSCROLL to the
// parent with the scroll-bar codes; only a thumb drag moves the thumb before the parent answers.
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace dravon {

const char kHSliderClass[] = "DV_HSlider";
const char kVSliderClass[] = "DV_VSlider";

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatMs = 350;
constexpr UINT kRepeatMs = 60;
constexpr int kMinThumb = 10;

enum class Part { None, ArrowBack, PageBack, Thumb, PageForward, ArrowForward };

struct SliderState {
  bool vertical = true;
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  int ratio = 0;          // the visible part, in range units; 0 = a square thumb
  bool dragging = false;
  int dragOffset = 0;     // pixels from the thumb's start to the grab point
  int trackPosition = 0;  // the position shown while dragging
  Part pressed = Part::None;
  Part hot = Part::None;
  bool tracking = false;
};

struct Geometry {
  int length;     // along the slider
  int thickness;  // across it
  int arrow;      // arrow box length
  int trackStart;
  int trackLength;
  int thumbStart;
  int thumbLength;  // 0 when there is nothing to scroll
};

int Span(const SliderState& s) { return s.maximum - s.minimum; }

Geometry Measure(HWND slider, const SliderState& s, int position) {
  SIZE size = ClientSize(slider);
  Geometry g = {};
  g.length = s.vertical ? size.cy : size.cx;
  g.thickness = s.vertical ? size.cx : size.cy;
  g.arrow = std::max(0, std::min(g.thickness, g.length / 3));
  g.trackStart = g.arrow;
  g.trackLength = std::max(0, g.length - 2 * g.arrow);
  int span = Span(s);
  if (span <= 0 || g.trackLength <= 0) return g;
  long long thumb = s.ratio > 0 ? static_cast<long long>(g.trackLength) * s.ratio / (span + static_cast<long long>(s.ratio))
                                : g.thickness;
  thumb = std::max<long long>(thumb, std::min(kMinThumb, g.trackLength));
  thumb = std::min<long long>(thumb, g.trackLength);
  g.thumbLength = static_cast<int>(thumb);
  long long travel = g.trackLength - g.thumbLength;
  g.thumbStart = g.trackStart + static_cast<int>(travel * (position - s.minimum) / span);
  return g;
}

int PositionFromThumb(const SliderState& s, const Geometry& g, int thumbStart) {
  int travel = g.trackLength - g.thumbLength;
  if (travel <= 0) return s.minimum;
  int offset = std::max(0, std::min(travel, thumbStart - g.trackStart));
  long long span = Span(s);
  return s.minimum + static_cast<int>((offset * span + travel / 2) / travel);
}

int Along(const SliderState& s, LPARAM lParam) {
  return s.vertical ? static_cast<short>(HIWORD(lParam)) : static_cast<short>(LOWORD(lParam));
}

Part HitPart(HWND slider, const SliderState& s, int along) {
  Geometry g = Measure(slider, s, s.position);
  if (along < g.arrow) return Part::ArrowBack;
  if (along >= g.length - g.arrow) return Part::ArrowForward;
  if (g.thumbLength == 0) return Part::None;
  if (along < g.thumbStart) return Part::PageBack;
  if (along >= g.thumbStart + g.thumbLength) return Part::PageForward;
  return Part::Thumb;
}

void Notify(HWND slider, const SliderState& s, int code, int position = 0) {
  HWND parent = GetParent(slider);
  if (!parent) return;
  UINT message = s.vertical ? WM_VSCROLL : WM_HSCROLL;
  SendMessageA(parent, message, MAKEWPARAM(code, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(slider));
}

RECT PartRect(const SliderState& s, int start, int length, int thickness) {
  return s.vertical ? RECT{0, start, thickness, start + length} : RECT{start, 0, start + length, thickness};
}

void DrawArrow(HDC dc, const SliderState& s, const RECT& box, bool forward, COLORREF colour) {
  int cx = static_cast<int>(box.left + box.right) / 2, cy = static_cast<int>(box.top + box.bottom) / 2;
  int size = std::max(2, static_cast<int>(std::min(box.right - box.left, box.bottom - box.top)) / 4);
  POINT points[3];
  if (s.vertical) {
    int tip = forward ? cy + size / 2 + 1 : cy - size / 2 - 1;
    int base = forward ? cy - size / 2 : cy + size / 2;
    points[0] = {cx - size, base};
    points[1] = {cx + size, base};
    points[2] = {cx, tip};
  } else {
    int tip = forward ? cx + size / 2 + 1 : cx - size / 2 - 1;
    int base = forward ? cx - size / 2 : cx + size / 2;
    points[0] = {base, cy - size};
    points[1] = {base, cy + size};
    points[2] = {tip, cy};
  }
  HBRUSH brush = SolidBrush(colour);
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  {
    SelectScope brushScope(dc, brush);
    SelectScope penScope(dc, pen);
    Polygon(dc, points, 3);
  }
  DeleteObject(pen);
}

void Paint(HWND slider, SliderState& s) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(slider, &ps);
  SIZE size = ClientSize(slider);
  BufferedPaint buffer(target, size.cx, size.cy);
  HDC dc = buffer.Dc();
  const Theme& t = CurrentTheme();
  bool enabled = IsWindowEnabled(slider) && Span(s) > 0;
  Geometry g = Measure(slider, s, s.dragging ? s.trackPosition : s.position);
  RECT all = {0, 0, size.cx, size.cy};
  FillSolid(dc, all, t.sliderTrack);
  RECT back = PartRect(s, 0, g.arrow, g.thickness);
  RECT forward = PartRect(s, g.length - g.arrow, g.arrow, g.thickness);
  FillSolid(dc, back, s.hot == Part::ArrowBack || s.pressed == Part::ArrowBack ? t.buttonHot : t.buttonFace);
  FillSolid(dc, forward, s.hot == Part::ArrowForward || s.pressed == Part::ArrowForward ? t.buttonHot : t.buttonFace);
  COLORREF arrow = enabled ? t.sliderArrow : t.disabledText;
  DrawArrow(dc, s, back, false, arrow);
  DrawArrow(dc, s, forward, true, arrow);
  if (enabled && g.thumbLength > 0) {
    RECT thumb = PartRect(s, g.thumbStart, g.thumbLength, g.thickness);
    if (s.vertical) {
      InflateRect(&thumb, -2, -1);
    } else {
      InflateRect(&thumb, -1, -2);
    }
    bool active = s.dragging || s.hot == Part::Thumb;
    FillSolid(dc, thumb, active ? t.sliderThumbActive : t.sliderThumb);
  }
  FrameSolid(dc, all, t.frameDark);
  buffer.Flush();
  EndPaint(slider, &ps);
}

void Redraw(HWND slider, BOOL redraw) {
  if (redraw) InvalidateRect(slider, nullptr, FALSE);
}

int SetPosition(HWND slider, SliderState& s, int position, BOOL redraw) {
  int previous = s.position;
  s.position = std::max(s.minimum, std::min(s.maximum, position));
  if (s.position != previous) Redraw(slider, redraw);
  return previous;
}

int SetRange(HWND slider, SliderState& s, int minimum, int maximum, BOOL redraw) {
  int previous = s.position;
  s.minimum = minimum;
  s.maximum = std::max(minimum, maximum);
  s.position = std::max(s.minimum, std::min(s.maximum, s.position));
  Redraw(slider, redraw);
  return previous;
}

// One step of a pressed arrow or page part. A repeated step (`repeat`) is made only while the pointer
// is still over the pressed part, so a page step stops once the thumb has reached the pointer.
void Step(HWND slider, SliderState& s, bool repeat) {
  if (repeat) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(slider, &p);
    if (HitPart(slider, s, s.vertical ? p.y : p.x) != s.pressed) return;
  }
  switch (s.pressed) {
    case Part::ArrowBack: Notify(slider, s, SB_LINEUP); break;
    case Part::ArrowForward: Notify(slider, s, SB_LINEDOWN); break;
    case Part::PageBack: Notify(slider, s, SB_PAGEUP); break;
    case Part::PageForward: Notify(slider, s, SB_PAGEDOWN); break;
    default: break;
  }
}

void EndPress(HWND slider, SliderState& s) {
  KillTimer(slider, kRepeatTimer);
  bool wasDragging = s.dragging;
  bool wasPressed = s.pressed != Part::None;
  s.dragging = false;
  s.pressed = Part::None;
  if (GetCapture() == slider) ReleaseCapture();
  InvalidateRect(slider, nullptr, FALSE);
  if (wasDragging) Notify(slider, s, SB_THUMBPOSITION, s.trackPosition);
  if (wasDragging || wasPressed) Notify(slider, s, SB_ENDSCROLL);
}

void OnButtonDown(HWND slider, SliderState& s, LPARAM lParam) {
  if (Span(s) <= 0) return;
  int along = Along(s, lParam);
  Part part = HitPart(slider, s, along);
  if (part == Part::None) return;
  SetCapture(slider);
  s.pressed = part;
  if (part == Part::Thumb) {
    Geometry g = Measure(slider, s, s.position);
    s.dragging = true;
    s.dragOffset = along - g.thumbStart;
    s.trackPosition = s.position;
  } else {
    Step(slider, s, false);
    SetTimer(slider, kRepeatTimer, kFirstRepeatMs, nullptr);
  }
  InvalidateRect(slider, nullptr, FALSE);
}

void OnMouseMove(HWND slider, SliderState& s, LPARAM lParam) {
  if (!s.tracking) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, slider, 0};
    s.tracking = TrackMouseEvent(&track) != FALSE;
  }
  int along = Along(s, lParam);
  if (s.dragging) {
    Geometry g = Measure(slider, s, s.position);
    int position = PositionFromThumb(s, g, along - s.dragOffset);
    if (position != s.trackPosition) {
      s.trackPosition = position;
      InvalidateRect(slider, nullptr, FALSE);
      Notify(slider, s, SB_THUMBTRACK, position);
    }
    return;
  }
  Part hot = HitPart(slider, s, along);
  if (hot != s.hot) {
    s.hot = hot;
    InvalidateRect(slider, nullptr, FALSE);
  }
}

LRESULT OnScrollBarMessage(HWND slider, SliderState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case SBM_SETPOS: return SetPosition(slider, s, static_cast<int>(wParam), static_cast<BOOL>(lParam));
    case SBM_GETPOS: return s.position;
    case SBM_SETRANGE: return SetRange(slider, s, static_cast<int>(wParam), static_cast<int>(lParam), FALSE);
    case SBM_SETRANGEREDRAW: return SetRange(slider, s, static_cast<int>(wParam), static_cast<int>(lParam), TRUE);
    case SBM_GETRANGE:
      if (wParam) *reinterpret_cast<int*>(wParam) = s.minimum;
      if (lParam) *reinterpret_cast<int*>(lParam) = s.maximum;
      return 0;
    case SBM_SETSCROLLINFO: {
      auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
      if (!info) return s.position;
      if (info->fMask & SIF_RANGE) SetRange(slider, s, info->nMin, info->nMax, FALSE);
      if (info->fMask & SIF_PAGE) s.ratio = std::max(0, static_cast<int>(info->nPage));
      if (info->fMask & SIF_POS) SetPosition(slider, s, info->nPos, FALSE);
      Redraw(slider, static_cast<BOOL>(wParam));
      return s.position;
    }
    case SBM_GETSCROLLINFO: {
      auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
      if (!info) return FALSE;
      if (info->fMask & SIF_RANGE) {
        info->nMin = s.minimum;
        info->nMax = s.maximum;
      }
      if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(s.ratio);
      if (info->fMask & SIF_POS) info->nPos = s.position;
      if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s.dragging ? s.trackPosition : s.position;
      return TRUE;
    }
  }
  return 0;
}

LRESULT CALLBACK SliderProc(HWND slider, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    SliderState* s = StateOf<SliderState>(slider);
    switch (message) {
      case WM_NCCREATE: {
        auto* made = new (std::nothrow) SliderState;
        if (!made) return FALSE;
        made->vertical = IsClassName(slider, kVSliderClass);
        AttachState(slider, made);
        break;
      }
      case WM_NCDESTROY: FreeState<SliderState>(slider); break;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT:
        if (s) {
          Paint(slider, *s);
          return 0;
        }
        break;
      case WM_SIZE:
      case WM_ENABLE: InvalidateRect(slider, nullptr, FALSE); return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (s) OnButtonDown(slider, *s, lParam);
        return 0;
      case WM_MOUSEMOVE:
        if (s) OnMouseMove(slider, *s, lParam);
        return 0;
      case WM_LBUTTONUP:
        if (s && (s->dragging || s->pressed != Part::None)) EndPress(slider, *s);
        return 0;
      case WM_MOUSELEAVE:
        if (s) {
          s->tracking = false;
          s->hot = Part::None;
          InvalidateRect(slider, nullptr, FALSE);
        }
        return 0;
      case WM_CAPTURECHANGED:
        if (s && reinterpret_cast<HWND>(lParam) != slider && (s->dragging || s->pressed != Part::None)) EndPress(slider, *s);
        return 0;
      case WM_TIMER:
        if (s && wParam == kRepeatTimer) {
          SetTimer(slider, kRepeatTimer, kRepeatMs, nullptr);
          Step(slider, *s, true);
          return 0;
        }
        break;
      case WM_MOUSEWHEEL:
        if (s) {
          int delta = static_cast<short>(HIWORD(wParam));
          int steps = std::max(1, std::abs(delta) / WHEEL_DELTA);
          for (int i = 0; i < steps; ++i) Notify(slider, *s, delta > 0 ? SB_LINEUP : SB_LINEDOWN);
          Notify(slider, *s, SB_ENDSCROLL);
        }
        return 0;
      case SBM_SETPOS:
      case SBM_GETPOS:
      case SBM_SETRANGE:
      case SBM_SETRANGEREDRAW:
      case SBM_GETRANGE:
      case SBM_SETSCROLLINFO:
      case SBM_GETSCROLLINFO:
        return s ? OnScrollBarMessage(slider, *s, message, wParam, lParam) : 0;
    }
  } catch (...) {
  }
  return DefWindowProcA(slider, message, wParam, lParam);
}

}  // namespace

bool IsSlider(HWND window) { return IsClassName(window, kHSliderClass) || IsClassName(window, kVSliderClass); }

bool RegisterSliderControls() {
  return RegisterControlClass(kHSliderClass, SliderProc) && RegisterControlClass(kVSliderClass, SliderProc);
}

void UnregisterSliderControls() {
  UnregisterControlClass(kHSliderClass);
  UnregisterControlClass(kVSliderClass);
}

}  // namespace dravon

extern "C" DRAVON_API int __cdecl SetSliderRange(HWND slider, int bar, int minimum, int maximum, BOOL redraw) {
  using namespace dravon;
  try {
    SliderState* s = IsSlider(slider) ? StateOf<SliderState>(slider) : nullptr;
    if (!s) {
      int previous = GetScrollPos(slider, bar);
      SetScrollRange(slider, bar, minimum, maximum, redraw);
      return previous;
    }
    return SetRange(slider, *s, minimum, maximum, redraw);
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API int __cdecl SetSliderPos(HWND slider, int bar, int position, BOOL redraw) {
  using namespace dravon;
  try {
    SliderState* s = IsSlider(slider) ? StateOf<SliderState>(slider) : nullptr;
    if (!s) return SetScrollPos(slider, bar, position, redraw);
    return SetPosition(slider, *s, position, redraw);
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API int __cdecl SetSliderRatio(HWND slider, int bar, int ratio, BOOL redraw) {
  using namespace dravon;
  try {
    SliderState* s = IsSlider(slider) ? StateOf<SliderState>(slider) : nullptr;
    if (!s) {
      SCROLLINFO info = {sizeof info, SIF_PAGE, 0, 0, static_cast<UINT>(std::max(0, ratio)), 0, 0};
      int previous = GetScrollPos(slider, bar);
      SetScrollInfo(slider, bar, &info, redraw);
      return previous;
    }
    int previous = s->position;
    s->ratio = std::max(0, ratio);
    Redraw(slider, redraw);
    return previous;
  } catch (...) {
    return 0;
  }
}
