// Conversion between dialog units and the editor's mock-up pixels.
//
// The mock-up uses one fixed scale whatever the dialog's font: 1.8 pixels per horizontal dialog unit
// and 1.9 per vertical one. Widths convert like x, heights like y.
#pragma once

namespace dlgedit {

// Dialog unit values read from a script are held within this range, so that every pixel value
// derived from them, and every sum of a frame and an item position, stays well inside an int.
constexpr int kMaxDialogUnits = 1 << 20;

// Dialog units to pixels: trunc(d x 1.8) and trunc(d x 1.9), truncated toward zero.
int PixelsFromDialogX(int dialogUnits);
int PixelsFromDialogY(int dialogUnits);

// Pixels back to dialog units: trunc(px x f) + 1, where f is the extended-precision quotient of 1
// by the double constant 1.8 (x, widths) or 1.9 (y, heights). Exact for every int, and the same on
// every build whatever its floating-point unit does (see the definition).
int DialogXFromPixels(int pixels);
int DialogYFromPixels(int pixels);

}  // namespace dlgedit
