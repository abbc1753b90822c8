// Colouring one row: word runs, lexical runs over them, and the x position of each run.
#include "editor/rowcolour.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "editor/rowlexer.h"

namespace editor {

namespace {

// Per-byte paint of a row: 0 plain, 1 ... kMaxWordEntries a word entry (index + 1), and the
// lexical slots above that.
using Paint = std::uint8_t;
constexpr Paint kLexicalPaint = 64;
static_assert(kMaxWordEntries < kLexicalPaint, "word entries and lexical slots do not collide");

bool IsColourWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

void PaintWords(std::string_view row, const WordTable& words, std::vector<Paint>& paint) {
  const int entries = static_cast<int>(words.size()) < kMaxWordEntries ? static_cast<int>(words.size())
                                                                        : kMaxWordEntries;
  for (int e = 0; e < entries; ++e) {
    const std::string& word = words[e].word;
    if (word.empty()) continue;
    for (std::size_t at = row.find(word); at != std::string_view::npos; at = row.find(word, at + 1)) {
      const std::size_t end = at + word.size();
      const bool boundaryBefore = at == 0 || !IsColourWordChar(row[at - 1]);
      const bool boundaryAfter = end >= row.size() || !IsColourWordChar(row[end]);
      if (boundaryBefore && boundaryAfter) {
        std::memset(paint.data() + at, e + 1, word.size());
      }
    }
  }
}

// Walks the row left to right, turning byte offsets into pixel positions.
class XWalker {
 public:
  XWalker(const char* row, int tabWidth, const TextWidthFn& measure) : row_(row), measure_(measure) {
    tabWidth_ = tabWidth >= 1 ? tabWidth : 8 * Width(" ", 1);
  }

  // The x position of byte `to`; calls must come with offsets that never decrease.
  int XAt(int to) {
    while (pos_ < to) {
      const void* tab = std::memchr(row_ + pos_, '\t', static_cast<std::size_t>(to - pos_));
      if (tab == nullptr) {
        x_ += Width(row_ + pos_, to - pos_);
        pos_ = to;
      } else {
        const int tabAt = static_cast<int>(static_cast<const char*>(tab) - row_);
        if (tabAt > pos_) x_ += Width(row_ + pos_, tabAt - pos_);
        if (tabWidth_ > 0) x_ = (x_ / tabWidth_ + 1) * tabWidth_;
        pos_ = tabAt + 1;
      }
    }
    return x_;
  }

 private:
  int Width(const char* text, int length) const {
    if (!measure_ || length < 1) return 0;
    const int width = measure_(text, length);
    return width > 0 ? width : 0;
  }

  const char* row_;
  const TextWidthFn& measure_;
  int tabWidth_ = 0;
  int pos_ = 0;
  int x_ = 0;
};

}  // namespace

RowColours ColourRow(const char* row, int length, LexState start, int tabWidth, const ColourTable& colours,
                     const WordTable& words, const TextWidthFn& measure) {
  RowColours result;
  if (row == nullptr || length < 1) {
    LexState state = start;
    static const char kEmpty[1] = {'\0'};
    lexer::LexRow(kEmpty, 0, state, [](int, int, int) {});
    result.next = state;
    return result;
  }
  const int rowLength = RowLength(row, length);
  result.rowLength = rowLength;

  std::vector<Paint> paint(static_cast<std::size_t>(rowLength), 0);
  PaintWords(std::string_view(row, static_cast<std::size_t>(rowLength)), words, paint);

  LexState state = start;
  lexer::LexRow(row, rowLength, state, [&paint](int runStart, int runEnd, int slot) {
    std::memset(paint.data() + runStart, kLexicalPaint + slot, static_cast<std::size_t>(runEnd - runStart));
  });
  result.next = state;

  auto colourOf = [&](Paint p) -> Colour {
    return p >= kLexicalPaint ? colours[p - kLexicalPaint] : words[p - 1].colour;
  };
  XWalker walker(row, tabWidth, measure);
  int p = 0;
  while (p < rowLength) {
    if (paint[p] == 0) {
      ++p;
      continue;
    }
    const Colour colour = colourOf(paint[p]);
    const int runStart = p;
    while (p < rowLength && paint[p] != 0 && colourOf(paint[p]) == colour) ++p;
    result.runs.push_back({runStart, p - runStart, colour, walker.XAt(runStart)});
  }
  return result;
}

}  // namespace editor
