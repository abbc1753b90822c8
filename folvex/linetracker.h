// Lines of a large text found from nearby places whose line is known, and those places kept true
// across edits, so that a repaint or a keystroke never rescans the text from its start.
//
// A "place" is an offset together with its line as LineOfOffset counts it. The tracker keeps three:
// the text's end (the line count), the start of the first visible line (the view's top) and the
// last offset it was asked about. Finding a line or a line's start scans from the nearest of them,
// so the work is proportional to the distance from the view or the last edit, not to the text.
//
// Line ends are counted as LineOfOffset counts them: a byte counts when it is a CR, or an LF that
// does not follow a CR (a CR LF pair counts at its CR). The number of line ends in [a, b) is then
// LineOfOffset(b) - LineOfOffset(a), which is what makes counting from any place exact.
//
// Every text passed in is the store's current text: `length` bytes followed by a zero byte.
#pragma once

#include <cstdint>

namespace folvex {

// Line ends counted (as above) among the bytes [from, to); both are clamped to 0..length.
std::int32_t LineEndsBetween(const char* text, std::int32_t length, std::int32_t from, std::int32_t to);

struct LinePlace {
  std::int32_t offset;
  std::int32_t line;  // LineOfOffset(offset)
};

// What an edit did to the lines: the line it began on, the lines it added (negative: removed) and
// the last line whose text it touched, in the text after the edit. Lines before `line` are
// unchanged; a line k after `lastTouched` holds what line k - lineDelta held before.
struct EditLines {
  std::int32_t line;
  std::int32_t lineDelta;
  std::int32_t lastTouched;
};

class LineTracker {
 public:
  // Counts the text anew and puts the top at the start of `firstLine` (kept within 0..last line).
  void Reset(const char* text, std::int32_t length, std::int32_t firstLine);

  std::int32_t LastLine() const { return lastLine_; }  // number of line ends
  std::int32_t FirstLine() const { return top_.line; }
  std::int32_t TopOffset() const { return top_.offset; }

  // Moves the top to the start of `line`, kept within 0..LastLine().
  void SetFirstLine(const char* text, std::int32_t length, std::int32_t line);

  // LineOfOffset(offset), offset clamped to 0..length.
  std::int32_t LineOf(const char* text, std::int32_t length, std::int32_t offset);
  // LineStart(line): 0 for line 0, the offset after the line-th line end (after both bytes of a CR
  // LF), -1 for a line that does not exist.
  std::int32_t StartOf(const char* text, std::int32_t length, std::int32_t line);

  // An edit replaces `removed` bytes at `position` by `inserted` bytes. Call BeforeEdit with the
  // text before the edit and AfterEdit with the text after it; nothing else may change the text in
  // between. Position and count are clamped to the text as the store clamps them.
  struct PendingEdit {
    std::int32_t position;
    std::int32_t removed;
    std::int32_t line;         // LineOfOffset(position), the same before and after
    std::int32_t endsBefore;   // line ends among the removed bytes and the byte after them
    std::int32_t topLine;      // the top's line before the edit
    int topCase;               // where the top stood relative to the edit
  };
  PendingEdit BeforeEdit(const char* text, std::int32_t length, std::int32_t position, std::int32_t removed);
  EditLines AfterEdit(const char* text, std::int32_t length, const PendingEdit& edit, std::int32_t inserted);

 private:
  // The known place nearest to `line` or to `offset`; a known place is one of the four: the start,
  // the top, the last place asked about, the end.
  LinePlace NearestToLine(std::int32_t line, std::int32_t length) const;
  LinePlace NearestToOffset(std::int32_t offset, std::int32_t length) const;

  LinePlace top_{0, 0};
  LinePlace recent_{0, 0};
  std::int32_t lastLine_ = 0;
};

}  // namespace folvex
