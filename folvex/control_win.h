// The control's per-window record and the handlers its window procedure calls.
//
// One Control per window, made on WM_NCCREATE and freed on WM_NCDESTROY. Everything a repaint or a
// keystroke needs is kept at hand here: the line count and the first visible line's offset (in the
// line tracker), the font's byte widths, and optionally the lexical state and width of every line.
// The selection anchor, the moving selection end and the autoscroll step are kept per control, so
// several controls never disturb each other's selections.
#pragma once

#include <windows.h>

#include <cstdint>

#include "folvex/folvex.h"
#include "folvex/globalblocks_win.h"
#include "folvex/linecaches.h"
#include "folvex/linetracker.h"
#include "folvex/textstore.h"
#include "folvex/textwidths.h"

namespace folvex {

constexpr int kBarWidth = 16;          // the strip at the right edge that the bar covers
constexpr int kBottomMargin = 2;       // textHeight = client height - 2
constexpr UINT_PTR kAutoscrollTimer = 1;
constexpr UINT kAutoscrollPeriod = 200;  // milliseconds
constexpr int kAutoscrollLines = 10;
constexpr int kInitialMaxWidth = 800;
constexpr int kInitialTabWidth = 40;
constexpr int kMaxAutoIndent = 255;     // blanks Enter copies at most
constexpr int kHScrollMargin = 10;      // pixels kept between the caret and the right edge
constexpr int kHScrollLine = 8;         // pixels per line step of WM_HSCROLL
constexpr int kHScrollPage = 200;       // pixels per page step of WM_HSCROLL
constexpr int kWheelDelta = 120;
constexpr int kWheelLines = 3;

// What the vertical bar was last told, so it is told only what changed (under Wine one update with
// redraw costs as much as painting the rows).
struct BarState {
  HWND window = nullptr;  // child id 12, destroyed with the control
  bool slider = false;    // the UI library's slider, else a standard scroll bar
  std::int32_t rangeMax = -1;
  std::int32_t ratio = -1;
  std::int32_t position = -1;
};

struct Control {
  Control(HWND window, DWORD style);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND window;
  DWORD style;  // the full creation style, control bits included
  COLORREF textColour = 0x000000;
  COLORREF backColour = 0xC8C8C8;
  COLORREF selColour = 0xEBAAAA;
  HFONT font;  // borrowed: the host owns a font it sets; the stock font is never deleted
  int textWidth = 0;    // client width - 16
  int textHeight = 0;   // client height - 2
  int maxWidth = kInitialMaxWidth;
  int hScroll = 0;      // pixels
  int lineHeight = 1;   // never 0
  int visibleRows = 0;

  GlobalBlockAllocator allocator;  // declared before the store: its blocks outlive the store's use
  TextStore store;
  LineTracker lines;  // line count and the first visible line with its offset
  RowStateCache rowStates;
  LineWidthCache lineWidths;
  TextWidths widths;  // byte widths of the font and the tab width

  std::int32_t anchor = 0;      // the selection's fixed end
  std::int32_t movingEnd = 0;   // the end Shift moves
  int autoscrollStep = 0;       // lines per timer tick while dragging: -10, 0 or +10
  int wheelRemainder = 0;       // wheel delta not yet worth a step
  std::uint32_t editCount = 0;  // grows with every change of the text
  bool hasCaret = false;
  bool erasedSincePaint = false;  // the rows were drawn on WM_ERASEBKGND since the last WM_PAINT
  BarState bar;
};

Control* ControlOf(HWND window);

// ---- state helpers (control_win.cpp) ----
inline bool Editable(const Control& c) { return (c.style & FVS_EDITABLE) != 0; }
inline const char* Text(const Control& c) { return c.store.Text(); }
inline std::int32_t Length(const Control& c) { return c.store.Length(); }
inline std::int32_t FirstLine(const Control& c) { return c.lines.FirstLine(); }
inline std::int32_t LastLine(const Control& c) { return c.lines.LastLine(); }
void PostNotify(Control& c, WORD code);
void SendNotify(Control& c, WORD code);
// FVN_CARETMOVED, then EN_CHANGE.
void NotifyChange(Control& c);

// ---- edits (edits_win.cpp): every change of the text goes through these ----
int InsertAt(Control& c, std::int32_t position, const char* text);
int DeleteAt(Control& c, std::int32_t position, std::int32_t count, char* out = nullptr, std::int32_t outCapacity = 0);
int UndoStep(Control& c);
int RedoStep(Control& c);
int IndentLines(Control& c, int blanks, bool outdent);
// The whole text changed behind the tracker's back: count everything anew.
void Recount(Control& c);
// Deletes a non-empty selection and collapses it at its start; false when it was empty.
bool DeleteSelection(Control& c);
// Caret, selection, anchor and moving end all at `offset`.
void CollapseAt(Control& c, std::int32_t offset);
// The selection spans `anchor` and `caret` in order; the caret and the moving end at `caret`.
void SelectSpan(Control& c, std::int32_t anchor, std::int32_t caret);
// Deletes the blanks at the end of the caret's line; the caret and the selection keep their
// places in the text. Returns the number deleted.
std::int32_t DeleteTrailingBlanks(Control& c);

// ---- view (view_win.cpp) ----
void Remeasure(Control& c);
// The caret's place in client pixels (before any horizontal scrolling of placement).
POINT CaretPoint(Control& c);
// Computes caretLine and caretColumn and moves the system caret; with horizontal scrolling, first
// scrolls so that the caret is inside the text width (telling the parent FVN_HSCROLLED).
void PlaceCaret(Control& c, bool scrollHorizontally);
std::int32_t OffsetAtPoint(Control& c, int x, int y);
// Start offset and length of a line; false when it does not exist.
bool LineSpan(Control& c, std::int32_t line, std::int32_t* start, std::int32_t* length);
void Repaint(Control& c);
// Repaints only the rows of the lines from `first` on: its row alone, or every row down to the
// bottom. (The erase still walks every row from the top; only the pixels are limited.)
void RepaintLines(Control& c, std::int32_t first, bool toBottom);
void UpdateScrollRange(Control& c);
void UpdateScrollPos(Control& c);
// Moves the first visible line (kept within 0..last line); true when it changed. Updates the bar.
bool MoveFirstLine(Control& c, std::int32_t line);
// After a caret move: scrolls so that the caret's row is visible; true when the view moved.
bool ScrollToCaret(Control& c);
// After an edit: places the caret, brings it into view, repaints and tells the parent of the change.
void ShowEdit(Control& c);
void MakeCaret(Control& c);
void DropCaret(Control& c);

// ---- message handlers ----
LRESULT OnEraseBackground(Control& c, HDC dc);     // paint_win.cpp
LRESULT OnPaint(Control& c);
LRESULT OnKeyDown(Control& c, WPARAM key);         // keyboard_win.cpp
LRESULT OnChar(Control& c, WPARAM code);           // characters_win.cpp
LRESULT OnMouse(Control& c, UINT message, WPARAM wParam, LPARAM lParam);  // mouse_win.cpp
LRESULT OnTimer(Control& c, WPARAM id);
LRESULT OnVScroll(Control& c, WPARAM wParam, LPARAM lParam);  // scrolling_win.cpp
LRESULT OnHScroll(Control& c, WPARAM wParam);
LRESULT OnLineScroll(Control& c, LPARAM lines);
LRESULT OnScrollCaret(Control& c);
LRESULT OnClipboard(Control& c, UINT message);     // clipboard_win.cpp
LRESULT OnUndo(Control& c, WPARAM redo);
LRESULT OnSetSel(Control& c, LPARAM start, LPARAM end);  // selection_win.cpp
LRESULT OnGetSel(Control& c, WPARAM startOut, LPARAM endOut);
LRESULT OnReplaceSel(Control& c, LPARAM text);
LRESULT OnIndent(Control& c, WPARAM blanks, bool outdent);
LRESULT OnQuery(Control& c, UINT message, WPARAM wParam, LPARAM lParam);  // queries_win.cpp
LRESULT OnGetText(Control& c, WPARAM size, LPARAM buffer);
LRESULT OnGetLine(Control& c, WPARAM line, LPARAM buffer);
LRESULT OnCopyPart(Control& c, UINT message, WPARAM max, LPARAM buffer);

// ---- the UI library (library_win.cpp) ----
bool LoadUiLibrary(HINSTANCE self);
void FreeUiLibrary(HINSTANCE self);
bool SliderAvailable();
const char* SliderClass();
void SetBarRange(const BarState& bar, std::int32_t maximum);
void SetBarRatio(const BarState& bar, std::int32_t ratio);
void SetBarPos(const BarState& bar, std::int32_t position);
bool RegisterControlClass(HINSTANCE self);
void UnregisterControlClass(HINSTANCE self);

}  // namespace folvex
