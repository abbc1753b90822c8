// The public interface of folvex.dll, the text-editing control: its class, style bits, messages,
// notifications and owner-draw record, and typed wrappers for hosts.
//
// Loading the library registers the window class "Folvex" (global to the process); unloading it
// removes the class. A host creates a control as a child window of that class and talks to it only
// by messages. The control owns its text block: hosts may read it in place (EM_GETHANDLE) but never
// free it; every other text crosses as a zero-terminated 8-bit string that the receiver copies.
//
// Fonts: the control never deletes a font. A font given with WM_SETFONT stays the host's: the host
// deletes it once no control uses it any more (after giving every control its successor). So one
// font object can serve many controls, and each font object is deleted exactly once, by its owner.
#pragma once

#include <windows.h>

#ifdef FOLVEX_BUILD
#define FOLVEX_API __declspec(dllexport)
#else
#define FOLVEX_API __declspec(dllimport)
#endif

// The control's window class.
#define FOLVEX_CLASS "Folvex"
// The child id of the control's vertical scroll bar or slider.
constexpr int kFolvexBarId = 12;

// ---- Style bits (taken from the creation style and removed from the window's own style) ----
constexpr DWORD FVS_EDITABLE = 0x00010000;    // keys, characters and the editing messages change the text
constexpr DWORD FVS_OWNERDRAW = 0x00020000;   // the parent draws each visible row (WM_DRAWITEM)
constexpr DWORD FVS_SLIDER = 0x00040000;      // the vertical bar is the UI library's slider
constexpr DWORD FVS_AUTOINDENT = 0x00100000;  // Enter copies the indentation; Backspace outdents
constexpr DWORD kFolvexStyleBits = 0x00370000;

// ---- Notifications: WM_COMMAND (id, code) with the control in lParam ----
// EN_CHANGE (0x0300), posted: the text was changed by the user or by a message.
constexpr WORD FVN_CARETMOVED = 0x0446;  // posted: the caret or the selection may have moved
constexpr WORD FVN_HSCROLLED = 0x0601;   // sent: a horizontal scroll request was handled
constexpr WORD FVN_VSCROLLED = 0x0602;   // sent: the view was scrolled vertically

// ---- Private messages ----
constexpr UINT FVM_GETSEL = 0x436;           // as EM_GETSEL
constexpr UINT FVM_SETSEL = 0x437;           // (start, end): see FolvexSetSel
constexpr UINT FVM_SETTEXTCOLOR = 0x438;     // (redraw, colour); returns the previous colour
constexpr UINT FVM_SETBKCOLOR = 0x439;       // (redraw, colour); returns the previous colour
constexpr UINT FVM_SETSELCOLOR = 0x43A;      // (redraw, colour); returns the previous colour
constexpr UINT FVM_GETWORDLENGTH = 0x43C;    // length of the word around the caret
constexpr UINT FVM_GETWORD = 0x43D;          // (max or -1, buffer): the word; returns caret - word start
constexpr UINT FVM_GETLINELENGTH = 0x43E;    // length of the caret's line
constexpr UINT FVM_GETCURLINE = 0x43F;       // (max or -1, buffer): the caret's line; returns caret - line start
constexpr UINT FVM_GETSELLENGTH = 0x440;     // selEnd - selStart
constexpr UINT FVM_GETSELTEXT = 0x441;       // (max or -1, buffer): the selection; returns caret - selStart
constexpr UINT FVM_GETCARETLINE = 0x442;     // the caret's line (0-based)
constexpr UINT FVM_GETCARETCOLUMN = 0x443;   // the caret's column: on line 0 one less than on the others
constexpr UINT FVM_GETHSCROLL = 0x444;       // horizontal scroll offset in pixels
constexpr UINT FVM_GETFIRSTLINE = 0x445;     // the first visible line
constexpr UINT FVM_INDENT = 0x447;           // (blanks 0..15): indent the selected lines; 1 when changed
constexpr UINT FVM_OUTDENT = 0x448;          // (blanks 0..15): outdent the selected lines; 1 when changed
constexpr UINT FVM_GETMAXWIDTH = 0x450;      // width of the widest line in pixels
constexpr UINT FVM_GETCARET = 0x451;         // the caret offset
constexpr UINT FVM_RECOUNT = 0x465;          // count the lines anew; returns the number of line ends
constexpr UINT FVM_REMEASURE = 0x466;        // measure the font anew; returns the line height
// Colouring hosts: a row lexer lets the control keep the lexical state at every line's start, so
// a host never rescans the text to colour a row. A host that sets one takes each row's start state
// from FVM_GETROWSTATE (line = FVM_GETFIRSTLINE + item id) and gets only the rows that reach into
// the area being painted; without one it gets every row of every paint, top row first, and may carry
// its state from row to row.
constexpr UINT FVM_SETROWLEXER = 0x470;      // (0, const FolvexRowLexerSetup* or NULL to remove)
constexpr UINT FVM_GETROWSTATE = 0x471;      // (line, or -1 for the first visible line): the state at its start

// The buffers filled by FVM_GETWORD, FVM_GETCURLINE, FVM_GETSELTEXT and WM_GETTEXT get no terminator;
// with a limit of -1 nothing bounds the copy. Hosts use the wrappers below, which pass their buffer's
// capacity and terminate the text.

// Lexes one row: the bytes from `row` up to its first CR, LF or zero byte, reading at most `limit`
// bytes, starting in `state`; returns the state at the next row's start. Called while the control
// handles a message; must not keep `row` or send the control messages.
typedef int(CALLBACK* FolvexRowLexer)(void* context, const char* row, int limit, int state);

struct FolvexRowLexerSetup {
  FolvexRowLexer lexer;
  void* context;    // passed back to the lexer; the host keeps it alive while the lexer is set
  int firstState;   // the state at the text's start
};

// The owner-draw record: the system's DRAWITEMSTRUCT, sent with WM_DRAWITEM (wParam = control id) for
// each visible row that shows a line, top row first, each time the control paints:
//   CtlType 0, CtlID the control id, itemAction 0, itemState 0, hwndItem the control, hDC the paint
//   context (text colour, font and transparent mode set; the row already filled with the
//   background and the selection highlight),
//   itemID   the row number (0 for the top row),
//   rcItem   the row: left = -horizontal scroll, right = text width, one line high,
//   itemData the address of the line's first byte in the text; the line is not terminated: it
//            ends at CR, LF or the text's end. Valid only during the message.
// Rows below the last line are filled with the background and not sent. With a row lexer set (see
// FVM_SETROWLEXER) only rows inside the area being painted are sent, still top to bottom.
typedef DRAWITEMSTRUCT FolvexDrawItem;

#ifdef __cplusplus
extern "C" {
#endif
// The control's window procedure, exported by its plain name.
FOLVEX_API LRESULT CALLBACK FolvexProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
#ifdef __cplusplus
}
#endif

// ---- Typed wrappers ----

// Selects start..end (in either order) with the caret at the larger; (0, -1) selects everything, an
// end below 0 means the text's end, a start of -1 collapses the selection at the caret.
inline void FolvexSetSel(HWND control, LONG start, LONG end) {
  SendMessageA(control, FVM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}
inline void FolvexGetSel(HWND control, LONG* start, LONG* end) {
  DWORD s = 0, e = 0;
  SendMessageA(control, FVM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  if (start) *start = static_cast<LONG>(s);
  if (end) *end = static_cast<LONG>(e);
}
inline COLORREF FolvexSetTextColor(HWND control, COLORREF colour, bool redraw) {
  return static_cast<COLORREF>(SendMessageA(control, FVM_SETTEXTCOLOR, redraw ? 1 : 0, static_cast<LPARAM>(colour)));
}
inline COLORREF FolvexSetBkColor(HWND control, COLORREF colour, bool redraw) {
  return static_cast<COLORREF>(SendMessageA(control, FVM_SETBKCOLOR, redraw ? 1 : 0, static_cast<LPARAM>(colour)));
}
inline COLORREF FolvexSetSelColor(HWND control, COLORREF colour, bool redraw) {
  return static_cast<COLORREF>(SendMessageA(control, FVM_SETSELCOLOR, redraw ? 1 : 0, static_cast<LPARAM>(colour)));
}

// Text copies into a caller's buffer of `capacity` bytes: at most capacity - 1 bytes and a
// terminator. Each returns what its message returns.
namespace folvexdetail {
inline LRESULT CopyText(HWND control, UINT message, char* buffer, int capacity) {
  if (buffer == nullptr || capacity < 1) return SendMessageA(control, message, 0, 0);
  for (int i = 0; i < capacity; ++i) buffer[i] = '\0';
  return SendMessageA(control, message, static_cast<WPARAM>(capacity - 1), reinterpret_cast<LPARAM>(buffer));
}
}  // namespace folvexdetail
inline int FolvexGetWord(HWND control, char* buffer, int capacity) {
  return static_cast<int>(folvexdetail::CopyText(control, FVM_GETWORD, buffer, capacity));
}
inline int FolvexGetCurLine(HWND control, char* buffer, int capacity) {
  return static_cast<int>(folvexdetail::CopyText(control, FVM_GETCURLINE, buffer, capacity));
}
inline int FolvexGetSelText(HWND control, char* buffer, int capacity) {
  return static_cast<int>(folvexdetail::CopyText(control, FVM_GETSELTEXT, buffer, capacity));
}
// WM_GETTEXT: returns the number of bytes copied (at most capacity - 1).
inline int FolvexGetText(HWND control, char* buffer, int capacity) {
  if (buffer == nullptr || capacity < 1) return 0;
  for (int i = 0; i < capacity; ++i) buffer[i] = '\0';
  WPARAM limit = static_cast<WPARAM>(capacity - 1);
  return static_cast<int>(SendMessageA(control, WM_GETTEXT, limit, reinterpret_cast<LPARAM>(buffer)));
}

inline int FolvexQuery(HWND control, UINT message) { return static_cast<int>(SendMessageA(control, message, 0, 0)); }
inline int FolvexGetWordLength(HWND control) { return FolvexQuery(control, FVM_GETWORDLENGTH); }
inline int FolvexGetLineLength(HWND control) { return FolvexQuery(control, FVM_GETLINELENGTH); }
inline int FolvexGetSelLength(HWND control) { return FolvexQuery(control, FVM_GETSELLENGTH); }
inline int FolvexGetCaretLine(HWND control) { return FolvexQuery(control, FVM_GETCARETLINE); }
inline int FolvexGetCaretColumn(HWND control) { return FolvexQuery(control, FVM_GETCARETCOLUMN); }
inline int FolvexGetHScroll(HWND control) { return FolvexQuery(control, FVM_GETHSCROLL); }
inline int FolvexGetFirstLine(HWND control) { return FolvexQuery(control, FVM_GETFIRSTLINE); }
inline int FolvexGetMaxWidth(HWND control) { return FolvexQuery(control, FVM_GETMAXWIDTH); }
inline int FolvexGetCaret(HWND control) { return FolvexQuery(control, FVM_GETCARET); }
inline int FolvexRecount(HWND control) { return FolvexQuery(control, FVM_RECOUNT); }
inline int FolvexRemeasure(HWND control) { return FolvexQuery(control, FVM_REMEASURE); }
inline bool FolvexIndent(HWND control, int blanks) {
  return SendMessageA(control, FVM_INDENT, static_cast<WPARAM>(blanks), 0) != 0;
}
inline bool FolvexOutdent(HWND control, int blanks) {
  return SendMessageA(control, FVM_OUTDENT, static_cast<WPARAM>(blanks), 0) != 0;
}
inline void FolvexSetRowLexer(HWND control, FolvexRowLexer lexer, void* context, int firstState) {
  FolvexRowLexerSetup setup = {lexer, context, firstState};
  SendMessageA(control, FVM_SETROWLEXER, 0, lexer ? reinterpret_cast<LPARAM>(&setup) : 0);
}
// The lexical state at the start of `line` (-1: the first visible line); -1 without a lexer.
inline int FolvexGetRowState(HWND control, int line) {
  return static_cast<int>(SendMessageA(control, FVM_GETROWSTATE, static_cast<WPARAM>(line), 0));
}
// The text in place: lock the handle, read the zero-terminated text, unlock; never free it. The
// block moves when the text grows or shrinks, so take the handle again after every change.
inline HGLOBAL FolvexGetTextHandle(HWND control) {
  return reinterpret_cast<HGLOBAL>(SendMessageA(control, EM_GETHANDLE, 0, 0));
}
