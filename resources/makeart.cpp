// makeart: turns the picture descriptions of resources/art/*.txt into the .bmp, .ico and .cur files
// the resource script names. A small host program, built with the host's C++ compiler at build time.
//
// Usage: makeart OUTPUT_FOLDER DESCRIPTION.txt...
//
// A description file holds blocks; each starts with a header line and runs to the next header:
//   bitmap NAME WIDTH HEIGHT [masked]    a 24-bit bitmap; "masked" doubles its width: the picture on
//                                        the left (transparent pixels black), its mask on the right
//                                        (white where transparent, black where opaque)
//   icon NAME                            an icon; its images follow, each started by "image SIZE"
//   cursor NAME HOTX HOTY                a 32 x 32 black-and-white cursor with its hot spot
// Lines starting with "#" are comments. "palette" lines define colour letters for the whole file:
//   palette X #RRGGBB        (or "palette X none" for a transparent letter; "." is transparent)
// Drawing commands inside a block (C is a palette letter, #RRGGBB, or "none"):
//   fill C                   the whole picture
//   rect X Y W H C           a filled rectangle
//   frame X Y W H C          a rectangle's outline
//   line X1 Y1 X2 Y2 C       a straight line
//   vgrad X Y W H C1 C2      a vertical gradient from C1 at the top to C2 at the bottom
//   text X Y C SCALE TEXT    text in the built-in 5 x 7 font (upper case), each dot SCALE pixels
//   pixels X Y [SCALE]       a pixel map: the lines that follow, up to a line "end", one letter a pixel
//   copy SIZE                (icons) the image of that size drawn so far, scaled to this one
// Bitmaps start black, icon images and cursors transparent. Pixels outside the picture are dropped.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kTransparent = 0xFF000000u;  // no colour: 0x00RRGGBB otherwise

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row by row from the top
  Picture() = default;
  Picture(int w, int h, std::uint32_t colour) : width(w), height(h), pixels(static_cast<size_t>(w) * h, colour) {}
  void Set(int x, int y, std::uint32_t c) {
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y) * width + x] = c;
  }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

enum class Kind { kBitmap, kIcon, kCursor };

struct Block {
  Kind kind = Kind::kBitmap;
  std::string name;
  bool masked = false;
  int hotX = 0, hotY = 0;
  std::vector<Picture> images;  // one for bitmaps and cursors; one per size for icons
  int line = 0;
};

// 5 x 7 font: each glyph seven rows of five bits, the highest bit on the left.
struct Glyph {
  char c;
  unsigned char rows[7];
};
constexpr Glyph kFont[] = {
    {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}}, {'C', {14, 17, 16, 16, 16, 17, 14}},
    {'D', {30, 17, 17, 17, 17, 17, 30}}, {'E', {31, 16, 16, 30, 16, 16, 31}}, {'F', {31, 16, 16, 30, 16, 16, 16}},
    {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}}, {'I', {14, 4, 4, 4, 4, 4, 14}},
    {'J', {7, 2, 2, 2, 2, 18, 12}},      {'K', {17, 18, 20, 24, 20, 18, 17}}, {'L', {16, 16, 16, 16, 16, 16, 31}},
    {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}}, {'O', {14, 17, 17, 17, 17, 17, 14}},
    {'P', {30, 17, 17, 30, 16, 16, 16}}, {'Q', {14, 17, 17, 17, 21, 18, 13}}, {'R', {30, 17, 17, 30, 20, 18, 17}},
    {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},       {'U', {17, 17, 17, 17, 17, 17, 14}},
    {'V', {17, 17, 17, 17, 17, 10, 4}},  {'W', {17, 17, 17, 21, 21, 21, 10}}, {'X', {17, 17, 10, 4, 10, 17, 17}},
    {'Y', {17, 17, 10, 4, 4, 4, 4}},     {'Z', {31, 1, 2, 4, 8, 16, 31}},     {'0', {14, 17, 19, 21, 25, 17, 14}},
    {'1', {4, 12, 4, 4, 4, 4, 14}},      {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {31, 2, 4, 2, 1, 17, 14}},
    {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},   {'6', {6, 8, 16, 30, 17, 17, 14}},
    {'7', {31, 1, 2, 4, 8, 8, 8}},       {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
    {' ', {0, 0, 0, 0, 0, 0, 0}},        {'.', {0, 0, 0, 0, 0, 12, 12}},      {'-', {0, 0, 0, 31, 0, 0, 0}},
    {'/', {1, 1, 2, 4, 8, 16, 16}},      {':', {0, 12, 12, 0, 12, 12, 0}},    {'+', {0, 4, 4, 31, 4, 4, 0}},
    {',', {0, 0, 0, 0, 12, 4, 8}},       {'!', {4, 4, 4, 4, 4, 0, 4}},        {'(', {2, 4, 8, 8, 8, 4, 2}},
    {')', {8, 4, 2, 2, 2, 4, 8}},        {'_', {0, 0, 0, 0, 0, 0, 31}},       {'?', {14, 17, 1, 2, 4, 0, 4}},
    {'#', {10, 10, 31, 10, 31, 10, 10}}, {'*', {0, 4, 21, 14, 21, 4, 0}},     {'<', {2, 4, 8, 16, 8, 4, 2}},
    {'>', {8, 4, 2, 1, 2, 4, 8}},        {'=', {0, 0, 31, 0, 31, 0, 0}},      {'{', {6, 4, 4, 8, 4, 4, 6}},
    {'}', {12, 4, 4, 2, 4, 4, 12}},
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  std::fprintf(stderr, "makeart: %s: %s\n", where.c_str(), what.c_str());
  std::exit(1);
}

class Reader {
 public:
  Reader(const std::string& path) : path_(path) {}

  std::vector<Block> Read() {
    std::ifstream in(path_);
    if (!in) Fail(path_, "cannot be read");
    std::string text;
    std::vector<Block> blocks;
    while (std::getline(in, text)) {
      ++line_;
      if (!text.empty() && text.back() == '\r') text.pop_back();
      std::istringstream words(text);
      std::string word;
      if (!(words >> word) || word[0] == '#') continue;
      if (word == "palette") {
        std::string letter, colour;
        words >> letter >> colour;
        if (letter.size() != 1) Fail(Where(), "a palette letter is one character");
        palette_[letter[0]] = Colour(colour);
      } else if (word == "bitmap" || word == "icon" || word == "cursor") {
        blocks.push_back(Header(word, words));
      } else {
        if (blocks.empty()) Fail(Where(), "drawing before the first block");
        Command(blocks.back(), word, words, in);
      }
    }
    return blocks;
  }

 private:
  std::string Where() const { return path_ + ":" + std::to_string(line_); }

  std::uint32_t Colour(const std::string& text) {
    if (text == "none") return kTransparent;
    if (text.size() == 7 && text[0] == '#') return static_cast<std::uint32_t>(std::strtoul(text.c_str() + 1, nullptr, 16));
    if (text.size() == 1) {
      if (text[0] == '.') return kTransparent;
      auto it = palette_.find(text[0]);
      if (it != palette_.end()) return it->second;
    }
    Fail(Where(), "unknown colour '" + text + "'");
  }

  int Number(std::istringstream& words) {
    int value;
    if (!(words >> value)) Fail(Where(), "a number is missing");
    return value;
  }

  Block Header(const std::string& kind, std::istringstream& words) {
    Block block;
    block.line = line_;
    if (!(words >> block.name)) Fail(Where(), "the block has no name");
    if (kind == "bitmap") {
      block.kind = Kind::kBitmap;
      int w = Number(words), h = Number(words);
      std::string option;
      block.masked = (words >> option) && option == "masked";
      block.images.emplace_back(w, h, block.masked ? kTransparent : 0);
    } else if (kind == "icon") {
      block.kind = Kind::kIcon;
    } else {
      block.kind = Kind::kCursor;
      block.hotX = Number(words);
      block.hotY = Number(words);
      block.images.emplace_back(32, 32, kTransparent);
    }
    return block;
  }

  Picture& Current(Block& block) {
    if (block.images.empty()) Fail(Where(), "an icon needs an \"image SIZE\" line first");
    return block.images.back();
  }

  void Command(Block& block, const std::string& word, std::istringstream& words, std::ifstream& in) {
    if (word == "image") {
      if (block.kind != Kind::kIcon) Fail(Where(), "only icons have images");
      int size = Number(words);
      block.images.emplace_back(size, size, kTransparent);
      return;
    }
    Picture& p = Current(block);
    if (word == "fill") {
      std::string c;
      words >> c;
      for (auto& px : p.pixels) px = Colour(c);
    } else if (word == "rect" || word == "frame") {
      int x = Number(words), y = Number(words), w = Number(words), h = Number(words);
      std::string c;
      words >> c;
      std::uint32_t colour = Colour(c);
      for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
          if (word == "rect" || j == y || j == y + h - 1 || i == x || i == x + w - 1) p.Set(i, j, colour);
    } else if (word == "line") {
      int x1 = Number(words), y1 = Number(words), x2 = Number(words), y2 = Number(words);
      std::string c;
      words >> c;
      Line(p, x1, y1, x2, y2, Colour(c));
    } else if (word == "vgrad") {
      int x = Number(words), y = Number(words), w = Number(words), h = Number(words);
      std::string c1, c2;
      words >> c1 >> c2;
      Gradient(p, x, y, w, h, Colour(c1), Colour(c2));
    } else if (word == "text") {
      int x = Number(words), y = Number(words);
      std::string c;
      words >> c;
      int scale = Number(words);
      std::string rest;
      std::getline(words, rest);
      std::size_t start = rest.find_first_not_of(' ');
      Text(p, x, y, Colour(c), scale, start == std::string::npos ? "" : rest.substr(start));
    } else if (word == "pixels") {
      int x = Number(words), y = Number(words);
      int scale = 1;
      words >> scale;
      Pixels(p, x, y, scale < 1 ? 1 : scale, in);
    } else if (word == "copy") {
      int size = Number(words);
      Copy(block, size, p);
    } else {
      Fail(Where(), "unknown command '" + word + "'");
    }
  }

  static void Line(Picture& p, int x1, int y1, int x2, int y2, std::uint32_t c) {
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1, err = dx + dy;
    for (;;) {
      p.Set(x1, y1, c);
      if (x1 == x2 && y1 == y2) break;
      int e2 = 2 * err;
      if (e2 >= dy) { err += dy; x1 += sx; }
      if (e2 <= dx) { err += dx; y1 += sy; }
    }
  }

  static void Gradient(Picture& p, int x, int y, int w, int h, std::uint32_t top, std::uint32_t bottom) {
    for (int j = 0; j < h; ++j) {
      std::uint32_t c = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        int a = (top >> shift) & 0xFF, b = (bottom >> shift) & 0xFF;
        int v = h > 1 ? a + (b - a) * j / (h - 1) : a;
        c |= static_cast<std::uint32_t>(v) << shift;
      }
      for (int i = 0; i < w; ++i) p.Set(x + i, y + j, c);
    }
  }

  void Text(Picture& p, int x, int y, std::uint32_t c, int scale, const std::string& text) {
    for (char ch : text) {
      char upper = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
      const Glyph* glyph = nullptr;
      for (const Glyph& g : kFont)
        if (g.c == upper) glyph = &g;
      if (!glyph) Fail(Where(), std::string("no glyph for '") + ch + "'");
      for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
          if (glyph->rows[row] & (16 >> col))
            for (int j = 0; j < scale; ++j)
              for (int i = 0; i < scale; ++i) p.Set(x + col * scale + i, y + row * scale + j, c);
      x += 6 * scale;
    }
  }

  // Every row of one map has the same length: a row that is off by one is a drawing mistake.
  void Pixels(Picture& p, int x, int y, int scale, std::ifstream& in) {
    std::string row;
    int j = 0;
    std::size_t width = std::string::npos;
    while (std::getline(in, row)) {
      ++line_;
      if (!row.empty() && row.back() == '\r') row.pop_back();
      std::size_t start = row.find_first_not_of(' ');
      if (start != std::string::npos && row.compare(start, std::string::npos, "end") == 0) return;
      std::string cells = start == std::string::npos ? "" : row.substr(start);
      if (width == std::string::npos) width = cells.size();
      if (cells.size() != width) Fail(Where(), "this row of the pixel map differs in length from the first");
      for (std::size_t i = 0; i < cells.size(); ++i) {
        std::uint32_t c = Colour(std::string(1, cells[i]));
        for (int b = 0; b < scale; ++b)
          for (int a = 0; a < scale; ++a) p.Set(x + static_cast<int>(i) * scale + a, y + j * scale + b, c);
      }
      ++j;
    }
    Fail(Where(), "a pixel map has no \"end\" line");
  }

  void Copy(const Block& block, int size, Picture& target) {
    for (const Picture& source : block.images) {
      if (source.width != size || &source == &target) continue;
      for (int j = 0; j < target.height; ++j)
        for (int i = 0; i < target.width; ++i)
          target.Set(i, j, source.At(i * size / target.width, j * size / target.height));
      return;
    }
    Fail(Where(), "no image of size " + std::to_string(size) + " to copy");
  }

  std::string path_;
  int line_ = 0;
  std::map<char, std::uint32_t> palette_;
};

// ---- Writing the files ----

class Bytes {
 public:
  void U8(unsigned v) { data_.push_back(static_cast<char>(v & 0xFF)); }
  void U16(unsigned v) { U8(v); U8(v >> 8); }
  void U32(std::uint32_t v) { U16(v & 0xFFFF); U16(v >> 16); }
  void Append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
  std::size_t Size() const { return data_.size(); }
  void Save(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out.write(data_.data(), static_cast<std::streamsize>(data_.size()));
    if (!out) Fail(path, "cannot be written");
  }

 private:
  std::vector<char> data_;
};

void InfoHeader(Bytes& b, int width, int height, int bits, std::uint32_t imageBytes) {
  b.U32(40);
  b.U32(static_cast<std::uint32_t>(width));
  b.U32(static_cast<std::uint32_t>(height));
  b.U16(1);
  b.U16(static_cast<unsigned>(bits));
  b.U32(0);
  b.U32(imageBytes);
  b.U32(2835);
  b.U32(2835);
  b.U32(bits <= 8 ? (1u << bits) : 0);
  b.U32(0);
}

// Colours are held as 0xRRGGBB; files store blue, green, red.
void Rgb(Bytes& b, std::uint32_t c) {
  b.U8(c);
  b.U8(c >> 8);
  b.U8(c >> 16);
}

// The AND mask of an image: one bit per pixel, 1 where transparent, rows padded to 32 bits.
void AndMask(Bytes& b, const Picture& p) {
  int rowBytes = ((p.width + 31) / 32) * 4;
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y) == kTransparent) row[static_cast<size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
    for (unsigned char v : row) b.U8(v);
  }
}

void WriteBitmap(const Block& block, const std::string& path) {
  const Picture& source = block.images.front();
  Picture p = source;
  if (block.masked) {
    p = Picture(source.width * 2, source.height, 0);
    for (int y = 0; y < source.height; ++y)
      for (int x = 0; x < source.width; ++x) {
        bool clear = source.At(x, y) == kTransparent;
        p.Set(x, y, clear ? 0 : source.At(x, y));
        p.Set(source.width + x, y, clear ? 0xFFFFFF : 0);
      }
  }
  int rowBytes = (p.width * 3 + 3) / 4 * 4;
  std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * p.height);
  Bytes b;
  b.U8('B');
  b.U8('M');
  b.U32(14 + 40 + imageBytes);
  b.U32(0);
  b.U32(14 + 40);
  InfoHeader(b, p.width, p.height, 24, imageBytes);
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) Rgb(b, p.At(x, y) == kTransparent ? 0 : p.At(x, y));
    for (int pad = p.width * 3; pad < rowBytes; ++pad) b.U8(0);
  }
  b.Save(path);
}

void WriteIcon(const Block& block, const std::string& path) {
  if (block.images.empty()) Fail(block.name, "an icon without images");
  std::vector<Bytes> images;
  for (const Picture& p : block.images) {
    Bytes img;
    std::uint32_t xorBytes = static_cast<std::uint32_t>(p.width * p.height * 4);
    std::uint32_t andBytes = static_cast<std::uint32_t>(((p.width + 31) / 32) * 4 * p.height);
    InfoHeader(img, p.width, p.height * 2, 32, xorBytes + andBytes);
    for (int y = p.height - 1; y >= 0; --y)
      for (int x = 0; x < p.width; ++x) {
        std::uint32_t c = p.At(x, y);
        Rgb(img, c == kTransparent ? 0 : c);
        img.U8(c == kTransparent ? 0 : 255);
      }
    AndMask(img, p);
    images.push_back(img);
  }
  Bytes b;
  b.U16(0);
  b.U16(1);
  b.U16(static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const Picture& p = block.images[i];
    b.U8(p.width >= 256 ? 0 : static_cast<unsigned>(p.width));
    b.U8(p.height >= 256 ? 0 : static_cast<unsigned>(p.height));
    b.U8(0);
    b.U8(0);
    b.U16(1);
    b.U16(32);
    b.U32(static_cast<std::uint32_t>(images[i].Size()));
    b.U32(offset);
    offset += static_cast<std::uint32_t>(images[i].Size());
  }
  for (const Bytes& img : images) b.Append(img);
  b.Save(path);
}

// Cursors are black and white: a pixel is white when it is light, black otherwise.
void WriteCursor(const Block& block, const std::string& path) {
  const Picture& p = block.images.front();
  Bytes img;
  int rowBytes = ((p.width + 31) / 32) * 4;
  std::uint32_t maskBytes = static_cast<std::uint32_t>(rowBytes * p.height);
  InfoHeader(img, p.width, p.height * 2, 1, 2 * maskBytes);
  img.U32(0x000000);
  img.U32(0xFFFFFF);
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes), 0);
    for (int x = 0; x < p.width; ++x) {
      std::uint32_t c = p.At(x, y);
      if (c == kTransparent) continue;
      int light = static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF));
      if (light >= 3 * 128) row[static_cast<size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
    }
    for (unsigned char v : row) img.U8(v);
  }
  AndMask(img, p);
  Bytes b;
  b.U16(0);
  b.U16(2);
  b.U16(1);
  b.U8(static_cast<unsigned>(p.width));
  b.U8(static_cast<unsigned>(p.height));
  b.U8(0);
  b.U8(0);
  b.U16(static_cast<unsigned>(block.hotX));
  b.U16(static_cast<unsigned>(block.hotY));
  b.U32(static_cast<std::uint32_t>(img.Size()));
  b.U32(6 + 16);
  b.Append(img);
  b.Save(path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: makeart OUTPUT_FOLDER DESCRIPTION.txt...\n");
    return 2;
  }
  std::string folder = argv[1];
  int written = 0;
  for (int i = 2; i < argc; ++i) {
    Reader reader(argv[i]);
    for (const Block& block : reader.Read()) {
      std::string base = folder + "/" + block.name;
      if (block.kind == Kind::kBitmap) WriteBitmap(block, base + ".bmp");
      if (block.kind == Kind::kIcon) WriteIcon(block, base + ".ico");
      if (block.kind == Kind::kCursor) WriteCursor(block, base + ".cur");
      ++written;
    }
  }
  std::printf("makeart: %d pictures written to %s\n", written, folder.c_str());
  return 0;
}
