// The public interface of dravon.dll: window chrome, themed control classes, standard boxes and sliders.
//
// Every operation is exported by its plain name with the C calling convention, so a host can link the
// import library or resolve a name with GetProcAddress (the Pfn* types below). Nothing here throws;
// failures are return values as each declaration states.
#pragma once

#include <windows.h>
#include <commdlg.h>

#ifdef DRAVON_BUILD
#define DRAVON_API __declspec(dllexport)
#else
#define DRAVON_API __declspec(dllimport)
#endif

// ---- Control classes (registered by InitDravon, global to the process) ----
//
// "DV_TEXT"        a text line. SS_CENTER / SS_RIGHT align it. Colours: the parent's WM_CTLCOLORSTATIC
//                  answer when it gives one of its own, otherwise the theme.
// "DV_FRAME"       a group frame; its window text, when any, is drawn into the top edge. Only the
//                  outline belongs to the window: controls placed inside it stay reachable and visible.
// "DV_TXGBUTTON"   a text push button: BN_CLICKED, BM_CLICK, BM_SETSTYLE (BS_DEFPUSHBUTTON), BM_SETSTATE.
// "DV_BMBUTTON"    a bitmap button: the window text names a bitmap resource of the module whose instance
//                  created the window; created with a width or height of 0 it takes the bitmap's size.
//                  The bitmap is one picture; the pressed and checked looks are drawn over it. It is
//                  also a check button: BM_SETCHECK / BM_GETCHECK; style BS_AUTOCHECKBOX toggles the check
//                  on every click. A click sends WM_COMMAND (id, BN_CLICKED, window) to the parent.
// "DV_CHECKER"     a check box (BS_RADIOBUTTON / BS_AUTORADIOBUTTON draw a round mark); clicks toggle
//                  the check unless the style is BS_CHECKBOX or BS_RADIOBUTTON; BN_CLICKED.
// "DV_SINGLEEDIT", "DV_NUMEDIT", "DV_MULTIEDIT"
//                  a real EDIT control (child DV_INNER_ID) inside a themed border. Edit messages, text
//                  messages, WM_CUT/COPY/PASTE/CLEAR/UNDO and keys are passed to it; its EN_ notifications
//                  reach the parent with the outer window's id and handle. The multi-line edit keeps a
//                  vertical slider beside the text when the text is taller than the view.
// "DV_SCROLLLIST"  a real LISTBOX (child DV_INNER_ID; the low 16 style bits are its list-box styles) and a
//                  vertical slider shown when the items do not fit. LB_ messages are passed to the list box;
//                  its notifications, WM_MEASUREITEM, WM_DRAWITEM (CtlID = the outer id), WM_COMPAREITEM,
//                  WM_DELETEITEM and WM_CTLCOLORLISTBOX go to the parent. Enter in the list sends
//                  notification DVN_OPEN (13). The inner list box may be subclassed by the host.
// "DV_SCROLLCOMBO" a real COMBOBOX (child DV_INNER_ID, the low 16 style bits are its combo styles);
//                  CB_ messages and the text messages are passed to it, CBN_ notifications to the parent.
// "DV_PICTURE"     draws the bitmap resource named by its window text (as DV_BMBUTTON) at its top left.
// "DV_DIRLIST"     a scroll list of the folder named by its window text: "[..]", "[folder]" entries and
//                  file names. A double click on a folder entry moves into it (the window text follows)
//                  and the parent gets DVN_FOLDERCHANGED.
// "DV_COLORSELECT" a palette; a click chooses a colour: DVN_COLORCHANGED, DVM_GETCOLOR / DVM_SETCOLOR.
// "DV_PIE"         a progress pie, DVM_SETPIEVALUE / DVM_GETPIEVALUE with a percentage 0..100.
// "DV_FolderList"  a folder tree: the drives, the chain of the current folder and its sub-folders. The
//                  current folder is the window text, or the creation data (a const char*) when the text
//                  is empty. A click on an entry makes it current; a double click or Enter chooses it: the
//                  window text becomes that folder and the parent gets WM_COMMAND (id, 1).
// "DV_HSlider", "DV_VSlider"
//                  scroll-bar-like sliders: range, position and ratio (the visible part, in range units)
//                  are set with SetSliderRange/Pos/Ratio or SBM_SETRANGE / SBM_SETPOS and read with
//                  SBM_GETRANGE / SBM_GETPOS / SBM_GETSCROLLINFO. User input sends WM_HSCROLL / WM_VSCROLL
//                  to the parent (lParam = the slider) with SB_LINEUP, SB_LINEDOWN, SB_PAGEUP,
//                  SB_PAGEDOWN, SB_THUMBTRACK, SB_THUMBPOSITION (position in the high word) and
//                  SB_ENDSCROLL. Like a scroll bar, a slider moves its thumb only when told to, except
//                  while the thumb is dragged.

#define DV_INNER_ID 1000            // child id of the real control inside an edit, list or combo

#define DVM_FIRST (WM_USER + 0x0B00)
#define DVM_GETINNER (DVM_FIRST + 0)     // edit, list, combo: returns the inner control's window
#define DVM_SETCOLOR (DVM_FIRST + 1)     // colour select: wParam COLORREF; returns the previous colour
#define DVM_GETCOLOR (DVM_FIRST + 2)     // colour select: returns the COLORREF
#define DVM_SETPIEVALUE (DVM_FIRST + 3)  // pie: wParam 0..100 (clamped); returns the value kept
#define DVM_GETPIEVALUE (DVM_FIRST + 4)  // pie: returns the value
#define DVM_MENUKEY (DVM_FIRST + 5)      // menu bar: wParam 0 = Alt alone, otherwise the letter typed

// The framed-window state query: lParam = buffer, wParam = its capacity in bytes (0 means 16).
// The answer is "max" for a maximised window and "" otherwise; the result is the length written.
#define DVM_GETSTATEWORD 4025

// Notification codes (high word of WM_COMMAND's wParam).
#define DVN_OPEN 13                 // scroll list: Enter pressed on the selected item
#define DVN_COLORCHANGED 0x0701     // colour select: a colour was chosen
#define DVN_FOLDERCHANGED 0x0702    // dir list: the shown folder changed
#define DVN_FOLDERCHOSEN 1          // folder list: sent as the lParam of WM_COMMAND (id, 0)

// The popup window of ShowPopupWindow speaks to its owner with WM_COMMAND (DV_POPUP_ID, code) and the
// popup's handle as lParam: code 0 when it was dismissed (Escape or another window activated), code
// n > 0 when entry n (counted from 1) of its list was chosen. A popup is closed by its owner
// (DestroyWindow) or closes itself after such a command. Commands of the popup's children (a
// "DV_FolderList" placed in it) are passed to the owner unchanged.
#define DV_POPUP_ID 98

#ifdef __cplusplus
extern "C" {
#endif

// First call, before any window of the library: registers the control classes (once per process;
// calls are counted). `instance` is the caller's module. Returns TRUE when the classes are there.
DRAVON_API BOOL __cdecl InitDravon(HINSTANCE instance);
// Last call: the classes are unregistered when the last InitDravon is matched. Returns TRUE.
DRAVON_API BOOL __cdecl ExitDravon(HINSTANCE instance);

// Chooses the colours of windows drawn from now on: "Dark" (the default) or "Light", compared without
// regard to case over at most 30 characters. An empty, unknown or null name leaves the theme as it is.
// Returns TRUE when the name was known.
DRAVON_API BOOL __cdecl SetDravonTheme(const char* name);

// The hidden owner window of a program: class title + "TaskWindow", window text title, the given
// style (0xB0000: system menu, minimise and maximise), never shown on screen. Minimising it hides the
// windows it owns; "maximise" marks it maximised (IsZoomed) and maximises the frame it owns; "restore"
// undoes both. Returns the window or NULL.
DRAVON_API HWND __cdecl CreateDravonTaskWindow(const char* title, DWORD style, HICON icon, HINSTANCE instance);
DRAVON_API BOOL __cdecl DestroyDravonTaskWindow(HWND taskWindow);

// Window chrome, offered every message first. `style` says what the chrome shows: WS_SYSMENU a close
// box (child id 2 at (width - 14, 2), 12 x 12), WS_MINIMIZEBOX / WS_MAXIMIZEBOX their boxes beside it,
// WS_THICKFRAME a sizing frame of DravonFrameSize() pixels. `kind` 1 is a program frame (Alt and the menu
// letters go to its menu bar), 2 a child window (they go to its owner's menu bar). The caption strip
// along the client top (DravonCaptionSize() pixels) shows the window text and drags the window.
// Returns nonzero when the message was handled; the window then returns GetDravonWindowProcResult().
// Message DVM_GETSTATEWORD (4025) is answered here.
DRAVON_API int __cdecl DravonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD style, int kind);
DRAVON_API LRESULT __cdecl GetDravonWindowProcResult(void);

// The frame's link to its task window, offered what DravonWindowProc left: minimise, maximise and restore
// act on the whole program through the task window. Nonzero = handled; result from GetDravonTaskProcResult.
DRAVON_API int __cdecl DravonTaskProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
DRAVON_API LRESULT __cdecl GetDravonTaskProcResult(void);

// Dialog theming, offered every message of a dialog procedure first. They paint the themed background,
// answer the WM_CTLCOLOR messages and, for a dialog without WS_CAPTION, give it a caption strip showing
// its title (a close box, id 2 = IDCANCEL, when `style` of DravonDialogProc has WS_SYSMENU; always for the
// tool and small dialogs). The return value is what the dialog procedure must return (a brush for the
// colour messages); 0 means not handled:  INT_PTR r = DravonDialogProc(...); if (r) return r;
DRAVON_API INT_PTR __cdecl DravonDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, DWORD style, int kind);
DRAVON_API INT_PTR __cdecl DravonToolDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
DRAVON_API INT_PTR __cdecl DravonSmallDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The same for a plain window: background and control colours. Nonzero = handled, and then it is the
// message's result (a brush for the colour messages, 1 for WM_ERASEBKGND).
DRAVON_API LRESULT __cdecl DravonSmallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A menu-bar child of `owner` showing the top-level items of `menu` (borrowed: the caller keeps and
// destroys it). A click or Alt plus an underlined letter opens an item's popup; Left and Right move
// between popups. WM_INITMENUPOPUP (with the item's position), WM_ENTERMENULOOP / WM_EXITMENULOOP and
// the chosen WM_COMMAND (posted) reach the owner. Returns the bar or NULL.
DRAVON_API HWND __cdecl CreateMenuBar(HWND owner, int x, int y, int height, HMENU menu, int id);
// Pixel sizes for layout: caption strip height, sizing frame width, menu bar height.
DRAVON_API int __cdecl DravonCaptionSize(void);
DRAVON_API int __cdecl DravonFrameSize(void);
DRAVON_API int __cdecl DravonMenuSize(void);

// The system's open and save boxes. Nonzero when confirmed. With OFN_ALLOWMULTISELECT the buffer always
// holds the folder, a zero byte, each name followed by a zero byte, and an empty name, also when one file
// was chosen (a buffer too small for that form gives 0, as if cancelled).
DRAVON_API BOOL __cdecl FileOpenBox(OPENFILENAMEA* request);
DRAVON_API BOOL __cdecl FileSaveBox(OPENFILENAMEA* request);
// The system's folder chooser, starting at the buffer's folder. `folder` holds at least 511 bytes; at
// most 510 characters and a terminator are written. Nonzero when a folder was chosen.
DRAVON_API BOOL __cdecl BrowseFolder(HWND owner, char* folder);

// A themed message box. `style` takes MB_ button sets (MB_OK, MB_OKCANCEL, MB_YESNOCANCEL, MB_YESNO,
// MB_RETRYCANCEL, MB_ABORTRETRYIGNORE), icons and MB_DEFBUTTON2/3. Returns the button pressed: IDOK 1,
// IDCANCEL 2, IDYES 6, IDNO 7 ...; Escape answers Cancel when there is one, OK for an OK-only box, and is
// ignored otherwise. Returns 0 when the box could not be shown.
DRAVON_API int __cdecl CreateWarnBox(HWND owner, const char* text, const char* caption, UINT style);

// Shows `menu` (a popup menu, borrowed) at the screen point; the chosen command is posted to `owner` as
// WM_COMMAND. `flags` are TPM_ alignment flags (0: left and top). Returns the command, 0 when none.
DRAVON_API int __cdecl ShowPopupMenu(HWND owner, UINT flags, int x, int y, HMENU menu);
// A popup window owned by `owner` at a screen rectangle, with the extra style bits given (WS_BORDER,
// WS_DLGFRAME, ...). `items`, when not NULL, is a list of texts each ended by a zero byte, the list ended
// by an empty text: the popup then shows them as a list (see DV_POPUP_ID). Returns the popup or NULL.
DRAVON_API HWND __cdecl ShowPopupWindow(HWND owner, DWORD style, int x, int y, int width, int height, const char* items);
// Centres a dialog on its owner when the owner is at least as large as the dialog, otherwise on the
// work area; the dialog is kept on the screen. Returns TRUE when it was moved.
DRAVON_API BOOL __cdecl CenterDialog(HWND dialog);

// Slider settings (`bar` is accepted for symmetry with scroll bars and ignored for sliders; a window
// that is not a slider gets the matching SetScrollRange / SetScrollPos / SetScrollInfo call with it).
// The position is kept within the range. Each returns the previous position (range: 0).
DRAVON_API int __cdecl SetSliderRange(HWND slider, int bar, int minimum, int maximum, BOOL redraw);
DRAVON_API int __cdecl SetSliderPos(HWND slider, int bar, int position, BOOL redraw);
DRAVON_API int __cdecl SetSliderRatio(HWND slider, int bar, int ratio, BOOL redraw);

#ifdef __cplusplus
}
#endif

// Types for hosts that resolve the operations by name (folvex loads the library at run time).
typedef BOOL(__cdecl* PfnInitDravon)(HINSTANCE);
typedef BOOL(__cdecl* PfnExitDravon)(HINSTANCE);
typedef int(__cdecl* PfnSetSliderRange)(HWND, int, int, int, BOOL);
typedef int(__cdecl* PfnSetSliderPos)(HWND, int, int, BOOL);
typedef int(__cdecl* PfnSetSliderRatio)(HWND, int, int, BOOL);

// Typed wrappers for the private messages.
inline HWND DvInnerControl(HWND outer) { return reinterpret_cast<HWND>(SendMessageA(outer, DVM_GETINNER, 0, 0)); }
inline COLORREF DvGetColor(HWND colourSelect) { return static_cast<COLORREF>(SendMessageA(colourSelect, DVM_GETCOLOR, 0, 0)); }
inline void DvSetColor(HWND colourSelect, COLORREF colour) { SendMessageA(colourSelect, DVM_SETCOLOR, colour, 0); }
inline int DvSetPieValue(HWND pie, int percent) { return static_cast<int>(SendMessageA(pie, DVM_SETPIEVALUE, static_cast<WPARAM>(percent), 0)); }
