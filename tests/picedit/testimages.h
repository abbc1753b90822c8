// Icon, cursor and bitmap data built in code for the picture tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace testimages {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b.at(at) = static_cast<std::uint8_t>(v);
  b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::uint32_t Get16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
inline std::uint32_t Get32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

inline std::size_t RowBytes(int width, int bits) {
  return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// An icon image: 40-byte header (height doubled), a full colour table for up to 8 bits, colour
// bits filled with a pattern from `seed`, and the AND mask (for 32 bits only when `mask`), its
// bytes also patterned so that edits show.
inline Bytes DibImage(int size, int bits, bool mask = true, std::uint8_t seed = 1) {
  std::size_t table = bits <= 8 ? (std::size_t{1} << bits) * 4 : 0;
  std::size_t colour = RowBytes(size, bits) * size;
  std::size_t andMask = (bits != 32 || mask) ? RowBytes(size, 1) * size : 0;
  Bytes b(40 + table + colour + andMask, 0);
  Put32(b, 0, 40);
  Put32(b, 4, size);
  Put32(b, 8, 2 * size);
  Put16(b, 12, 1);
  Put16(b, 14, bits);
  for (std::size_t i = 40; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(seed + i * 7);
  return b;
}

// A PNG-compressed image as icons hold them: the signature and an IHDR chunk, then some bytes.
inline Bytes PngImage(int width, int height, std::size_t extra = 40) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (int v : {width, height}) {
    b.push_back(static_cast<std::uint8_t>(v >> 24));
    b.push_back(static_cast<std::uint8_t>(v >> 16));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
    b.push_back(static_cast<std::uint8_t>(v));
  }
  for (std::size_t i = 0; i < extra; ++i) b.push_back(static_cast<std::uint8_t>(i * 13));
  return b;
}

struct Image {
  Bytes bytes;
  std::uint8_t width;
  std::uint8_t height;
  std::uint8_t colours;
  std::uint16_t word1;  // planes, or a cursor's hotspot x
  std::uint16_t word2;  // bit count, or a cursor's hotspot y
};

inline Image IconImage(int size, int bits, bool mask = true, std::uint8_t seed = 1) {
  return {DibImage(size, bits, mask, seed),
          static_cast<std::uint8_t>(size & 0xFF),
          static_cast<std::uint8_t>(size & 0xFF),
          static_cast<std::uint8_t>(bits == 1   ? 2
                                    : bits == 4 ? 16
                                                : 0),
          1,
          static_cast<std::uint16_t>(bits)};
}

inline Image CursorImage(int size, int bits, int hotX, int hotY, std::uint8_t seed = 1) {
  Image image = IconImage(size, bits, true, seed);
  image.word1 = static_cast<std::uint16_t>(hotX);
  image.word2 = static_cast<std::uint16_t>(hotY);
  return image;
}

// A whole icon (type 1) or cursor (type 2) file holding the images in the order given.
inline Bytes IconFile(int type, const std::vector<Image>& images) {
  Bytes file(6 + 16 * images.size(), 0);
  Put16(file, 2, type);
  Put16(file, 4, static_cast<std::uint32_t>(images.size()));
  for (std::size_t i = 0; i < images.size(); ++i) {
    std::size_t e = 6 + 16 * i;
    file[e] = images[i].width;
    file[e + 1] = images[i].height;
    file[e + 2] = images[i].colours;
    Put16(file, e + 4, images[i].word1);
    Put16(file, e + 6, images[i].word2);
    Put32(file, e + 8, static_cast<std::uint32_t>(images[i].bytes.size()));
    Put32(file, e + 12, static_cast<std::uint32_t>(file.size()));
    file.insert(file.end(), images[i].bytes.begin(), images[i].bytes.end());
  }
  return file;
}

// The bytes of image `index` of a well-formed file.
inline Bytes ImageBytes(const Bytes& file, std::size_t index) {
  std::size_t e = 6 + 16 * index;
  std::size_t size = Get32(file, e + 8), offset = Get32(file, e + 12);
  return Bytes(file.begin() + offset, file.begin() + offset + size);
}

// Random bytes from a fixed seed, and a copy of `data` with `flips` random bytes changed.
inline Bytes RandomBytes(std::mt19937& rng, std::size_t count) {
  Bytes b(count);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}
inline Bytes Mutated(std::mt19937& rng, Bytes data, int flips) {
  if (data.empty()) return data;
  for (int i = 0; i < flips; ++i) data[rng() % data.size()] = static_cast<std::uint8_t>(rng());
  return data;
}

}  // namespace testimages
