// Values the control keeps per line so that a repaint does not rescan the text: the lexical state at
// each line's start (when the host gives a row lexer) and the width of each line.
//
// Both follow the text through EditLines (linetracker.h): lines before an edit keep their values,
// lines after it move with the text, and the touched lines are worked out again when next asked.
// A cache that cannot get memory drops what it holds and answers by working from the text alone,
// so the answers stay right and only the speed suffers.
#pragma once

#include <cstdint>
#include <vector>

#include "folvex/linetracker.h"
#include "folvex/textwidths.h"

namespace folvex {

// Hosts hand the control plain functions; on Windows they use the system's callback convention.
#if defined(_WIN32)
#define FOLVEX_CALLBACK __stdcall
#else
#define FOLVEX_CALLBACK
#endif

// Lexes one row: the bytes from `row` up to its first CR, LF or zero byte, reading no more than
// `limit` bytes. `state` is the state at the row's start; the result is the state carried to the
// next row. Must not keep the pointer.
using RowLexer = int(FOLVEX_CALLBACK*)(void* context, const char* row, int limit, int state);

class RowStateCache {
 public:
  // Installs a lexer (nullptr removes it) and the state at the text's first line; forgets all.
  void SetLexer(RowLexer lexer, void* context, int firstState);
  bool Active() const { return lexer_ != nullptr; }
  // The whole text was replaced.
  void Clear();
  void OnEdit(const EditLines& edit);

  // The state at the start of `line` (0..lines.LastLine()); -1 without a lexer or for a line that
  // does not exist.
  int StateAt(const char* text, std::int32_t length, std::int32_t line, LineTracker& lines);

 private:
  // Lexes the row starting at `start` from `state`; returns the next row's state.
  int LexRow(const char* text, std::int32_t length, std::int32_t start, int state) const;
  int StateWithoutCache(const char* text, std::int32_t length, std::int32_t line, LineTracker& lines) const;
  void Drop();

  RowLexer lexer_ = nullptr;
  void* context_ = nullptr;  // borrowed: the host's, passed back to the lexer
  int firstState_ = 0;
  // states_[k] is the state at the start of line k. Entries below validCount_ are exact. Entries
  // from validCount_ up to computedEnd_ were exact once; those after dirtyEnd_ describe text that
  // no edit has touched since, so the first of them that comes out the same again proves all of
  // them still right.
  std::vector<int> states_;
  std::int32_t validCount_ = 0;
  std::int32_t computedEnd_ = 0;
  std::int32_t dirtyEnd_ = -1;
};

class LineWidthCache {
 public:
  // Every width unknown (a new text, font or tab width).
  void Clear();
  void OnEdit(const EditLines& edit);

  // The width of the widest line in pixels, measuring only the lines not measured since they last
  // changed. Line starts are found over real line ends (two bytes for CR LF, one otherwise).
  std::int32_t Widest(const char* text, std::int32_t length, LineTracker& lines, const TextWidths& widths);

 private:
  std::int32_t WidestWithoutCache(const char* text, std::int32_t length, const TextWidths& widths) const;

  std::vector<std::int32_t> widths_;  // per line; -1 unknown
  bool allUnknown_ = true;
  std::int32_t dirtyFirst_ = 0;  // lines dirtyFirst_..dirtyLast_ may hold -1
  std::int32_t dirtyLast_ = -1;
};

}  // namespace folvex
