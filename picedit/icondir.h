// Icon and cursor files read into their directory: one description per image, every size, count
// and offset checked against the data's length.
//
// Layout: a 6-byte header (reserved 0, type 1 icon or 2 cursor, image count), then 16-byte entries
// (width, height, colour count, reserved, planes or hotspot x, bit count or hotspot y, byte size,
// offset), then the images. A directory that claims more entries than the data holds keeps those
// that fit; an image whose bytes do not lie inside the data is marked damaged and never read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "picedit/lebytes.h"

namespace picedit {

constexpr std::size_t kIconHeaderBytes = 6;
constexpr std::size_t kIconEntryBytes = 16;
constexpr int kIconType = 1;
constexpr int kCursorType = 2;

enum class ImageKind {
  kDib,      // a bitmap image with a sound header
  kPng,      // a PNG-compressed image (large icons)
  kUnknown,  // bytes inside the data that are neither
  kDamaged,  // the entry's byte range is not inside the data: nothing of it is read
};

struct IconEntry {
  // The directory entry as stored.
  Byte width = 0;
  Byte height = 0;
  Byte colourCount = 0;
  Byte reserved = 0;
  std::uint16_t planesOrHotspotX = 0;
  std::uint16_t bitsOrHotspotY = 0;
  std::uint32_t byteCount = 0;
  std::uint32_t offset = 0;

  // What the image's own bytes say.
  ImageKind kind = ImageKind::kDamaged;
  int pixelWidth = 0;  // from the image header, else from the entry (0 there meaning 256)
  int pixelHeight = 0;
  int bitCount = 0;  // 32 for PNG images
  // The board slot that edits this image, or -1: a format outside the eleven, or a second image
  // of a format an earlier image already fills.
  int slot = -1;
};

struct IconDirectory {
  int type = 0;                    // kIconType or kCursorType
  int declaredCount = 0;           // the count the header claims
  std::vector<IconEntry> entries;  // those whose directory entry lies inside the data
};

// Reads the directory of an icon or cursor file. Nothing when the data is shorter than the header,
// the reserved word is not 0 or the type is neither 1 nor 2.
std::optional<IconDirectory> ReadIconDirectory(const Byte* data, std::size_t length);

// The caption of an image's tile: "%d x %d, TrueColor" for 24 and 32 bits, "%d x %d, %d Colors"
// otherwise, and "damaged" for an image that cannot be read.
std::string TileCaption(const IconEntry& entry);

}  // namespace picedit
