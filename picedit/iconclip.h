// Exchanging a slot's image and mask with the clipboard as packed device-independent bitmaps
// (a 40-byte header, the colour table, the bits), the form CF_DIB carries.
#pragma once

#include <cstddef>
#include <vector>

#include "picedit/iconformat.h"

namespace picedit {

// The slot's colour image as a packed bitmap (height not doubled), or with `mask` its transparency
// as a 1-bit bitmap with a black-and-white table (black opaque, white transparent; a 32-bit image
// without an AND mask gives its zero-alpha cells as white). Empty for an absent slot.
std::vector<Byte> SlotToDib(const IconSlot& slot, bool mask);

// Pastes a packed bitmap into a slot. Only a bitmap of exactly the slot's width and height is
// taken (bottom-up or top-down, uncompressed, or 16/32 bits with bit fields). Into a 1-bit image
// a 1-bit bitmap replaces the mask when `shift` is held and the colour bits otherwise; into an
// image of another depth a bitmap of the same depth replaces the colour bits (bringing its colour
// table, since its bits index that table) and a 1-bit bitmap replaces the mask (for 32 bits the
// alpha too, and the AND mask when there is one). A 1-bit bitmap used as a mask is read by its
// colours: its brighter colour is transparent. False, the slot unchanged, for anything else or a
// bitmap whose parts do not lie inside `length` bytes.
bool PasteDibIntoSlot(IconSlot& slot, const Byte* dib, std::size_t length, bool shift);

}  // namespace picedit
