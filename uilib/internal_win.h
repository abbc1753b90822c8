// What the files of dravon.dll share: the module, the theme, window-state plumbing and colour queries.
#pragma once

#include <windows.h>

#include <string>

namespace dravon {

// The DLL's own module handle (set when the DLL is loaded).
HINSTANCE Module();

// ---- Theme ----
struct Theme {
  COLORREF windowBack;        // plain window client areas
  COLORREF dialogBack;        // dialogs
  COLORREF toolBack;          // tool dialogs and popups
  COLORREF text;
  COLORREF dimText;
  COLORREF disabledText;
  COLORREF controlBack;       // edits and lists
  COLORREF controlText;
  COLORREF controlBorder;
  COLORREF selectionBack;
  COLORREF selectionText;
  COLORREF captionBack;
  COLORREF captionText;
  COLORREF captionInactiveBack;
  COLORREF captionInactiveText;
  COLORREF frameLight;        // sizing frame, inner line
  COLORREF frameDark;         // sizing frame, outer line
  COLORREF buttonFace;
  COLORREF buttonHot;
  COLORREF buttonPressed;
  COLORREF buttonBorder;
  COLORREF buttonText;
  COLORREF menuBarBack;
  COLORREF menuBarText;
  COLORREF sliderTrack;
  COLORREF sliderThumb;
  COLORREF sliderThumbActive;
  COLORREF sliderArrow;
  COLORREF accent;            // focus outlines, checks, the pie
};

const Theme& CurrentTheme();
// A solid brush of that colour, owned by the theme module (never delete it). Never NULL in practice;
// falls back to a stock brush when GDI is out of handles.
HBRUSH SolidBrush(COLORREF colour);

enum class FontRole { Normal, Bold, Caption, Small };
// Fonts owned by the theme module (never delete them).
HFONT ThemeFont(FontRole role);

bool CreateThemeObjects();
void DeleteThemeObjects();

// ---- Colours asked of the parent ----
// Sends `colourMessage` (WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, ...) for `control` to its parent. When
// the parent answers with a brush of its own, the DC keeps the colours it set and that brush is
// returned; when it answers only with the system's default (DefWindowProc's brush), the DC gets the
// theme's colours (`back`, `text`) and a theme brush comes back.
HBRUSH ParentOrThemeColours(HWND control, HDC dc, UINT colourMessage, COLORREF back, COLORREF text);
// True for the brushes DefWindowProc hands out for the colour messages.
bool IsSystemDefaultBrush(HBRUSH brush);
// The theme's answer to a WM_CTLCOLOR* message (used by the dialog and window helpers).
HBRUSH ThemeControlColours(UINT colourMessage, HDC dc, COLORREF background);

// The background a control stands on when its parent does not say: dialogs and popups have their own.
COLORREF ParentBackground(HWND control);

// ---- Bitmaps named by window text ----
// Loads the bitmap resource `name` from the module whose instance created `window` (a "#n" name is
// taken as number n). Returns NULL when there is none; the caller owns the bitmap.
HBITMAP LoadNamedBitmap(HWND window, const std::string& name);
SIZE BitmapSize(HBITMAP bitmap);
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// ---- Drawing helpers ----
void FillSolid(HDC dc, const RECT& r, COLORREF colour);
void FrameSolid(HDC dc, const RECT& r, COLORREF colour);
// The control's font: the one set with WM_SETFONT, else the theme's normal font.
HFONT ControlFont(HFONT setFont);

// Selects an object into a DC and puts the old one back on scope exit.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectScope() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory DC with a bitmap of the given size for flicker-free painting; copied to `target` on
// Flush(). Falls back to painting directly on `target` when GDI refuses the bitmap.
class BufferedPaint {
 public:
  BufferedPaint(HDC target, int width, int height);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  HDC Dc() const { return dc_; }
  void Flush();

 private:
  HDC target_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  int width_;
  int height_;
};

// ---- Window state ----
// Every control class keeps one pointer of extra window memory: its state struct, made on WM_NCCREATE
// and freed on WM_NCDESTROY.
template <class State>
State* StateOf(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(window, 0));
}
template <class State>
void AttachState(HWND window, State* state) {
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(state));
}
template <class State>
void FreeState(HWND window) {
  delete StateOf<State>(window);
  SetWindowLongPtrA(window, 0, 0);
}

// Registers a control class of the library (global, one pointer of extra memory).
bool RegisterControlClass(const char* name, WNDPROC proc, HCURSOR cursor = nullptr, UINT style = 0);
void UnregisterControlClass(const char* name);

std::string WindowText(HWND window);
// The client rectangle's width and height.
SIZE ClientSize(HWND window);
// Sends WM_COMMAND (id, code, control) to the control's parent.
LRESULT NotifyParent(HWND control, int code);
bool IsClassName(HWND window, const char* className);

// The size of the caption strip, frame and menu bar.
constexpr int kCaptionSize = 16;
constexpr int kFrameSize = 4;
constexpr int kMenuSize = 22;
constexpr int kCloseBoxId = 2;
constexpr int kMinimizeBoxId = 0x7F01;
constexpr int kMaximizeBoxId = 0x7F02;

// Class registration of each file; called by InitDravon and ExitDravon.
bool RegisterStaticControls();
void UnregisterStaticControls();
bool RegisterButtonControls();
void UnregisterButtonControls();
bool RegisterSliderControls();
void UnregisterSliderControls();
bool RegisterEditControls();
void UnregisterEditControls();
bool RegisterListControls();
void UnregisterListControls();
bool RegisterComboControl();
void UnregisterComboControl();
bool RegisterFolderList();
void UnregisterFolderList();
bool RegisterColourControls();
void UnregisterColourControls();
bool RegisterChromeClasses();
void UnregisterChromeClasses();
bool RegisterMenuBar();
void UnregisterMenuBar();
bool RegisterPopupWindow();
void UnregisterPopupWindow();

// Chrome shared by windows and dialogs: the caption strip and the boxes of the strip.
// Creates the strip (and the close box when asked) as the lowest children of `window`.
void AttachCaption(HWND window, bool closeBox, bool minimizeBox, bool maximizeBox);
// Moves the strip and its boxes to the window's current width.
void PlaceCaption(HWND window);
// HTCAPTION when the client point lies on the strip (outside its boxes), else HTNOWHERE.
LRESULT CaptionHitTest(HWND window, POINT screenPoint);
// Repaints the strip after a title change, or with the window's new activation state.
void RefreshCaption(HWND window);
void SetCaptionActive(HWND window, bool active);
HWND FindCaption(HWND window);

// The slider class names and their test.
extern const char kHSliderClass[];
extern const char kVSliderClass[];
bool IsSlider(HWND window);

// The menu bar class.
extern const char kMenuBarClass[];

}  // namespace dravon
