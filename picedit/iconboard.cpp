// The mask board's data: slots filled from an icon or cursor file, cell edits, hotspot, take-back.
#include "picedit/iconboard.h"

#include <algorithm>
#include <new>

#include "picedit/iconclip.h"
#include "picedit/iconrebuild.h"

namespace picedit {

namespace {

const IconSlot kNoSlot;

// The slot's image size taken from the bytes copied into it, so a cell is looked up in the layout
// the bytes really have.
int WidthOf(const IconSlot& slot) {
  return slot.image.size() >= kDibHeaderBytes ? ReadI32(slot.image.data() + 4) : 0;
}

int BitsOf(const IconSlot& slot) {
  return slot.image.size() >= kDibHeaderBytes ? ReadU16(slot.image.data() + 14) : 0;
}

// Where a cell lives in a slot's bytes: its AND-mask byte and bit (when the image has a mask) and,
// for 32 bits, its alpha byte. Offsets are 0 when absent; a header never sits there.
struct CellPlace {
  bool inside = false;
  std::size_t maskAt = 0;
  Byte maskBit = 0;
  std::size_t alphaAt = 0;
};

CellPlace PlaceOf(const IconSlot& slot, int x, int y) {
  CellPlace place;
  int width = WidthOf(slot);
  int bits = BitsOf(slot);
  if (x < 0 || y < 0 || x >= width || y >= width) return place;
  place.inside = true;
  std::size_t row = static_cast<std::size_t>(width - 1 - y);  // rows are stored bottom first
  std::size_t colourStart = kDibHeaderBytes + ColourTableBytes(bits);
  std::size_t colourRow = ColourRowBytes(width, bits);
  if (bits == 32) {
    std::size_t at = colourStart + row * colourRow + static_cast<std::size_t>(x) * 4 + 3;
    if (at < slot.image.size()) place.alphaAt = at;
  }
  if (slot.HasMask()) {
    std::size_t maskStart = colourStart + colourRow * static_cast<std::size_t>(width);
    std::size_t at = maskStart + row * MaskRowBytes(width) + static_cast<std::size_t>(x / 8);
    if (at < slot.image.size()) {
      place.maskAt = at;
      place.maskBit = static_cast<Byte>(0x80 >> (x % 8));
    }
  }
  return place;
}

}  // namespace

void IconBoard::Clear() {
  loaded_ = false;
  data_.clear();
  dir_ = IconDirectory();
  for (IconSlot& s : slots_) s = IconSlot();
  selectedIndex_ = -1;
  selectedSlot_ = -1;
  modified_ = false;
}

bool IconBoard::Load(const Byte* data, std::size_t length) {
  Clear();
  std::optional<IconDirectory> dir = ReadIconDirectory(data, length);
  if (!dir) return false;
  try {
    data_.assign(data, data + length);
    dir_ = std::move(*dir);
    for (std::size_t i = 0; i < dir_.entries.size(); ++i) {
      const IconEntry& e = dir_.entries[i];
      if (e.slot < 0) continue;
      bool hasMask = false;
      EditableSlotOf(data + e.offset, e.byteCount, &hasMask);
      const IconFormat* f = FormatOfSlot(e.slot);
      std::size_t size = f->byteCount;
      if (f->bitCount == 32 && hasMask) size += MaskRowBytes(f->size) * static_cast<std::size_t>(f->size);
      IconSlot& slot = slots_[static_cast<std::size_t>(e.slot)];
      slot.image.assign(data + e.offset, data + e.offset + size);
      slot.sourceIndex = static_cast<int>(i);
      if (dir_.type == kCursorType) {
        slot.hotspotX = e.planesOrHotspotX;
        slot.hotspotY = e.bitsOrHotspotY;
      }
    }
  } catch (const std::bad_alloc&) {
    Clear();
    return false;
  }
  loaded_ = true;
  return true;
}

unsigned IconBoard::FormatSet() const {
  unsigned set = 0;
  for (int s = 0; s < kSlotCount; ++s) {
    if (slots_[static_cast<std::size_t>(s)].Present()) set |= SlotBit(s);
  }
  return set;
}

const IconSlot& IconBoard::Slot(int slot) const {
  if (slot < 0 || slot >= kSlotCount) return kNoSlot;
  return slots_[static_cast<std::size_t>(slot)];
}

int IconBoard::SelectImage(int index) {
  selectedIndex_ = -1;
  selectedSlot_ = -1;
  if (index < 0 || static_cast<std::size_t>(index) >= dir_.entries.size()) return -1;
  int slot = dir_.entries[static_cast<std::size_t>(index)].slot;
  if (slot < 0 || !slots_[static_cast<std::size_t>(slot)].Present()) return -1;
  selectedIndex_ = index;
  selectedSlot_ = slot;
  return slot;
}

bool IconBoard::SetCell(int x, int y, bool opaque) {
  if (selectedSlot_ < 0) return false;
  IconSlot& slot = slots_[static_cast<std::size_t>(selectedSlot_)];
  CellPlace place = PlaceOf(slot, x, y);
  if (!place.inside) return false;
  bool changed = false;
  if (place.maskAt) {
    Byte& mask = slot.image[place.maskAt];
    Byte wanted = opaque ? static_cast<Byte>(mask & ~place.maskBit) : static_cast<Byte>(mask | place.maskBit);
    changed = wanted != mask;
    mask = wanted;
  }
  if (place.alphaAt) {
    Byte wanted = opaque ? 255 : 0;
    changed = changed || slot.image[place.alphaAt] != wanted;
    slot.image[place.alphaAt] = wanted;
  }
  if (changed) modified_ = true;
  return changed;
}

bool IconBoard::SetCellOpaque(int x, int y) { return SetCell(x, y, true); }
bool IconBoard::SetCellTransparent(int x, int y) { return SetCell(x, y, false); }

bool IconBoard::IsCellOpaque(int x, int y) const {
  if (selectedSlot_ < 0) return false;
  const IconSlot& slot = slots_[static_cast<std::size_t>(selectedSlot_)];
  CellPlace place = PlaceOf(slot, x, y);
  if (!place.inside) return false;
  if (place.alphaAt) return slot.image[place.alphaAt] != 0;
  return place.maskAt && !(slot.image[place.maskAt] & place.maskBit);
}

bool IconBoard::SetHotspot(int x, int y) {
  if (!IsCursor() || selectedSlot_ < 0) return false;
  IconSlot& slot = slots_[static_cast<std::size_t>(selectedSlot_)];
  int width = WidthOf(slot);
  if (x < 0 || y < 0 || x >= width || y >= width) return false;
  if (slot.hotspotX == x && slot.hotspotY == y) return false;
  slot.hotspotX = static_cast<std::uint16_t>(x);
  slot.hotspotY = static_cast<std::uint16_t>(y);
  modified_ = true;
  return true;
}

const std::vector<Byte>& IconBoard::TakeSlotBack() {
  if (selectedIndex_ < 0 || selectedSlot_ < 0) return data_;
  IconEntry& e = dir_.entries[static_cast<std::size_t>(selectedIndex_)];
  const IconSlot& slot = slots_[static_cast<std::size_t>(selectedSlot_)];
  // The slot was filled from this image, so it fits its byte range; checked all the same.
  if (slot.image.size() <= e.byteCount && RangeInside(data_.size(), e.offset, slot.image.size())) {
    std::copy(slot.image.begin(), slot.image.end(), data_.begin() + e.offset);
  }
  if (IsCursor()) {
    Byte* entry =
        data_.data() + kIconHeaderBytes + static_cast<std::size_t>(selectedIndex_) * kIconEntryBytes;
    WriteU16(entry + 4, slot.hotspotX);
    WriteU16(entry + 6, slot.hotspotY);
    e.planesOrHotspotX = slot.hotspotX;
    e.bitsOrHotspotY = slot.hotspotY;
  }
  return data_;
}

std::vector<Byte> IconBoard::CopySelected(bool mask) const {
  if (selectedSlot_ < 0) return {};
  return SlotToDib(slots_[static_cast<std::size_t>(selectedSlot_)], mask);
}

bool IconBoard::PasteIntoSelected(const Byte* dib, std::size_t length, bool shift) {
  if (selectedSlot_ < 0) return false;
  if (!PasteDibIntoSlot(slots_[static_cast<std::size_t>(selectedSlot_)], dib, length, shift)) return false;
  modified_ = true;
  return true;
}

bool IconBoard::Rebuild(unsigned formatSet) {
  if (!loaded_) return false;
  std::optional<std::vector<Byte>> rebuilt =
      RebuildIconFile(dir_, data_.data(), data_.size(), slots_, formatSet);
  if (!rebuilt) return false;
  int keepSlot = selectedSlot_;
  bool changed = *rebuilt != data_;
  bool wasModified = modified_;
  IconBoard next;
  if (!next.Load(rebuilt->data(), rebuilt->size())) return false;
  *this = std::move(next);
  for (std::size_t i = 0; keepSlot >= 0 && i < dir_.entries.size(); ++i) {
    if (dir_.entries[i].slot == keepSlot) {
      SelectImage(static_cast<int>(i));
      break;
    }
  }
  modified_ = wasModified || changed;
  return true;
}

}  // namespace picedit
