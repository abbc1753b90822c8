// The mask board's data: an icon or cursor file, one slot per editable format, the selected image,
// the cell edits of its mask and a cursor's hotspot, and the images rebuild.
//
// Cells are addressed in image pixels from the top-left corner (x to the right, y down); the image
// rows themselves are stored bottom row first. Left button edits make a cell opaque (mask bit
// cleared, or alpha 255 for 32 bits), right button edits transparent (mask bit set, or alpha 0);
// a 32-bit image that came with an AND mask has it kept in step with the alpha.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "picedit/icondir.h"
#include "picedit/iconformat.h"

namespace picedit {

class IconBoard {
 public:
  IconBoard() = default;

  // Copies an icon or cursor file, clears all slots and fills the slots of the formats present.
  // Selects nothing. False (and an empty board) when the data is no icon or cursor file.
  bool Load(const Byte* data, std::size_t length);

  bool Loaded() const { return loaded_; }
  bool IsCursor() const { return dir_.type == kCursorType; }
  const IconDirectory& Directory() const { return dir_; }
  const std::vector<Byte>& Data() const { return data_; }

  // The set of formats present, bit SlotBit(slot) per slot.
  unsigned FormatSet() const;
  const IconSlot& Slot(int slot) const;

  // Selects image `index` of the directory for editing. Returns its slot, or -1 when the index is
  // out of range or the image is none of the eleven formats (nothing is selected then).
  int SelectImage(int index);
  int SelectedIndex() const { return selectedIndex_; }
  int SelectedSlot() const { return selectedSlot_; }

  // Cell edits on the selected image. True when the cell changed (the board is then modified);
  // false for no selection, a cell outside the image or a cell already in that state.
  bool SetCellOpaque(int x, int y);
  bool SetCellTransparent(int x, int y);
  // Whether a cell of the selected image is opaque; false outside the image.
  bool IsCellOpaque(int x, int y) const;

  // Moves a cursor's hotspot to a cell of the selected image. False for icons, no selection or a
  // cell outside the image.
  bool SetHotspot(int x, int y);

  // Copies the selected slot back into the data at the selected image's offset (for cursors also
  // its hotspot into the directory entry) and returns the data. Without a selection the data is
  // returned as it is.
  const std::vector<Byte>& TakeSlotBack();

  // The clipboard: the selected image's colour bitmap, or with `mask` its mask, as a packed
  // bitmap (see iconclip.h); empty without a selection.
  std::vector<Byte> CopySelected(bool mask) const;
  // Pastes a packed bitmap into the selected image by the rules of iconclip.h. True when it was
  // taken (the board is then modified); false, nothing changed, otherwise.
  bool PasteIntoSelected(const Byte* dib, std::size_t length, bool shift);

  // The images dialog confirmed with `formatSet`: newly ticked formats get fresh images, cleared
  // ones are dropped, and the file is rebuilt (see iconrebuild.h). The board then holds the new
  // file, keeps the selected format selected when it is still there and is modified when the bytes
  // changed. False, leaving the board as it was, when nothing is loaded or memory runs out.
  bool Rebuild(unsigned formatSet);

  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

 private:
  bool SetCell(int x, int y, bool opaque);
  void Clear();

  bool loaded_ = false;
  std::vector<Byte> data_;
  IconDirectory dir_;
  std::array<IconSlot, kSlotCount> slots_;
  int selectedIndex_ = -1;
  int selectedSlot_ = -1;
  bool modified_ = false;
};

}  // namespace picedit
