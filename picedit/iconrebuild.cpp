// The images rebuild: slots in the fixed order, untouched images carried over in their place.
#include "picedit/iconrebuild.h"

#include <algorithm>
#include <new>

namespace picedit {

namespace {

struct OutImage {
  int sourceIndex = -1;  // old directory index, -1 for a fresh image
  Byte entry[kIconEntryBytes] = {};
  const Byte* bytes = nullptr;
  std::size_t byteCount = 0;
};

Byte ColourCountOf(int bitCount) { return bitCount == 1 ? 2 : bitCount == 4 ? 16 : 0; }

OutImage SlotImage(int type, int slot, const IconSlot& s, const std::vector<Byte>& fresh) {
  const IconFormat* f = FormatOfSlot(slot);
  OutImage out;
  out.sourceIndex = s.Present() ? s.sourceIndex : -1;
  out.bytes = s.Present() ? s.image.data() : fresh.data();
  out.byteCount = s.Present() ? s.image.size() : fresh.size();
  out.entry[0] = static_cast<Byte>(f->size);
  out.entry[1] = static_cast<Byte>(f->size);
  out.entry[2] = ColourCountOf(f->bitCount);
  out.entry[3] = 0;
  if (type == kCursorType) {
    WriteU16(out.entry + 4, s.hotspotX);
    WriteU16(out.entry + 6, s.hotspotY);
  } else {
    WriteU16(out.entry + 4, 1);
    WriteU16(out.entry + 6, static_cast<std::uint16_t>(f->bitCount));
  }
  return out;
}

OutImage CarriedImage(const IconEntry& e, int index, const Byte* data) {
  OutImage out;
  out.sourceIndex = index;
  out.entry[0] = e.width;
  out.entry[1] = e.height;
  out.entry[2] = e.colourCount;
  out.entry[3] = e.reserved;
  WriteU16(out.entry + 4, e.planesOrHotspotX);
  WriteU16(out.entry + 6, e.bitsOrHotspotY);
  out.bytes = data + e.offset;
  out.byteCount = e.byteCount;
  return out;
}

}  // namespace

std::optional<std::vector<Byte>> RebuildIconFile(const IconDirectory& dir, const Byte* data,
                                                 std::size_t length,
                                                 const std::array<IconSlot, kSlotCount>& slots,
                                                 unsigned formatSet) {
  try {
    std::array<std::vector<Byte>, kSlotCount> fresh;
    std::vector<OutImage> out;
    for (int slot : kRebuildOrder) {
      if (!(formatSet & SlotBit(slot))) continue;
      const IconSlot& s = slots[static_cast<std::size_t>(slot)];
      if (!s.Present()) fresh[static_cast<std::size_t>(slot)] = FreshImage(slot);
      out.push_back(SlotImage(dir.type, slot, s, fresh[static_cast<std::size_t>(slot)]));
    }
    for (std::size_t i = 0; i < dir.entries.size(); ++i) {
      const IconEntry& e = dir.entries[i];
      if (e.slot >= 0 || e.kind == ImageKind::kDamaged) continue;
      if (!RangeInside(length, e.offset, e.byteCount)) continue;
      // After the output image with the largest old index below i; at the front when none.
      std::size_t at = 0;
      int best = -1;
      for (std::size_t k = 0; k < out.size(); ++k) {
        int source = out[k].sourceIndex;
        if (source >= 0 && source < static_cast<int>(i) && source > best) {
          best = source;
          at = k + 1;
        }
      }
      out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), CarriedImage(e, static_cast<int>(i), data));
    }
    if (out.size() > 0xFFFF) return std::nullopt;
    std::size_t total = kIconHeaderBytes + out.size() * kIconEntryBytes;
    for (const OutImage& o : out) total += o.byteCount;
    if (total > 0xFFFFFFFFu) return std::nullopt;
    std::vector<Byte> file(total, 0);
    WriteU16(file.data(), 0);
    WriteU16(file.data() + 2, static_cast<std::uint16_t>(dir.type));
    WriteU16(file.data() + 4, static_cast<std::uint16_t>(out.size()));
    std::size_t offset = kIconHeaderBytes + out.size() * kIconEntryBytes;
    for (std::size_t k = 0; k < out.size(); ++k) {
      Byte* entry = file.data() + kIconHeaderBytes + k * kIconEntryBytes;
      std::copy(out[k].entry, out[k].entry + 8, entry);
      WriteU32(entry + 8, static_cast<std::uint32_t>(out[k].byteCount));
      WriteU32(entry + 12, static_cast<std::uint32_t>(offset));
      std::copy(out[k].bytes, out[k].bytes + out[k].byteCount,
                file.begin() + static_cast<std::ptrdiff_t>(offset));
      offset += out[k].byteCount;
    }
    return file;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace picedit
