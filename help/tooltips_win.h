// Tooltips: one table for the whole program mapping control windows to hint texts, and the relay that
// every hosting window procedure calls first so a hint appears when the mouse rests on a control.
//
// The tip window comes from the dialog resource "HYPERHELP" of the module given to EnableTooltips
// (one static control, id 100, holds the text). Everything runs on the UI thread.
#pragma once

#include <windows.h>

namespace help {

constexpr int kMaxHints = 64;
constexpr UINT kTooltipDelayMs = 1500;
constexpr int kTipTextId = 100;
constexpr int kTipHeight = 18;

// Clears the table and enables the tooltips; "HYPERHELP" is loaded from `resources`.
void EnableTooltips(HINSTANCE resources);
// Disables them: stops the timer, hides the tip and frees every text.
void DisableTooltips();

// Gives `control` the hint `text` (copied, cut at 255 characters). A control that has a hint gets the
// new text in its entry; otherwise the first free entry is used. Returns 1, or 0 when the control is
// none or all kMaxHints entries are taken.
int AddHint(HWND control, const char* text);
// Frees the entry of `control` (hiding its tip). Returns 1 when there was one, else 0.
int RemoveHint(HWND control);

// Called first by every window procedure that hosts hinted controls; never consumes the message.
// Acts on WM_SETCURSOR for a mouse move only: when the control under the cursor in `window`'s client
// area has a hint and differs from the last control seen, it becomes the last one, a showing tip is
// replaced at once, and the 1500 ms timer starts.
void TooltipRelay(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The tip window on the screen, or NULL.
HWND ShownTooltip();

// Where a tip of `width` x `height` goes for the cursor at `cursor` on a desktop `desktop`: 12 right of
// and 16 below the cursor; left of it (x = cursor x - 6 - width) when it would pass the right edge;
// above it (y = cursor y - 8 - 18) when it would pass the bottom edge less 32 pixels.
POINT TipPosition(POINT cursor, int width, int height, const RECT& desktop);
// The tip's width for a text of `length` characters: 6 per character and 20.
int TipWidth(int length);

}  // namespace help
