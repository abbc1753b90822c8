// The images rebuild: a new icon or cursor file from the board's slots and a chosen format set.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "picedit/icondir.h"
#include "picedit/iconformat.h"

namespace picedit {

// Builds a new file of the directory's type. Every format in `formatSet` that has a slot keeps its
// bytes (edits included); every other format in the set gets a fresh image; slots outside the set
// are dropped. The slot images follow in the order kRebuildOrder, their entries carrying width,
// height, colour count (2 for 1 bit, 16 for 4 bits, 0 otherwise), reserved 0 and, for icons,
// planes 1 and the bit count, for cursors the slot's hotspot.
//
// Images the board cannot edit (other sizes and depths, PNG images, unknown bytes, second images of
// a format) are carried over byte for byte with their own directory entry, each placed right after
// the image that preceded it in the old file (at the front when none of those is left), so their
// order is kept. Damaged entries, whose bytes lie outside the data, have nothing to carry and are
// left out. Nothing (no file) when memory runs out.
std::optional<std::vector<Byte>> RebuildIconFile(const IconDirectory& dir, const Byte* data,
                                                 std::size_t length,
                                                 const std::array<IconSlot, kSlotCount>& slots,
                                                 unsigned formatSet);

}  // namespace picedit
