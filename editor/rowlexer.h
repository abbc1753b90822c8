// The one lexical state machine behind both the row colours and the scanned state of a row.
//
// Painting a row and finding the state at a row's start must agree byte for byte, or a row's colours
// change when it scrolls to the top of the view. So both run LexRow: the colouring with a sink that
// records the runs, ScanState with a sink that does nothing (and compiles away).
#pragma once

#include <cstdint>

#include "editor/colourtable.h"
#include "editor/rowstate.h"

namespace editor {
namespace lexer {

enum StopClass : std::uint8_t {
  kStopPlain = 1,         // " ' / #
  kStopComment = 2,       // *
  kStopString = 4,        // "
  kStopCharacter = 8,     // '
  kStopPreprocessor = 16, // /
  kStopRowEnd = 0x80,     // CR, LF, NUL: in every state
};

struct StopTable {
  std::uint8_t stops[256];
  constexpr StopTable() : stops() {
    stops[static_cast<unsigned char>('"')] = kStopPlain | kStopString;
    stops[static_cast<unsigned char>('\'')] = kStopPlain | kStopCharacter;
    stops[static_cast<unsigned char>('/')] = kStopPlain | kStopPreprocessor;
    stops[static_cast<unsigned char>('#')] = kStopPlain;
    stops[static_cast<unsigned char>('*')] = kStopComment;
    stops['\r'] = stops['\n'] = stops[0] = kStopRowEnd;
  }
};

inline constexpr StopTable kStops{};

// The first index at or after `p` below `limit` whose byte ends the row or is in `stopClass`.
inline int SkipTo(const char* row, int p, int limit, std::uint8_t stopClass) {
  const std::uint8_t mask = stopClass | kStopRowEnd;
  while (p < limit && (kStops.stops[static_cast<unsigned char>(row[p])] & mask) == 0) ++p;
  return p;
}

inline bool EndsRow(const char* row, int p, int limit) {
  return p >= limit || (kStops.stops[static_cast<unsigned char>(row[p])] & kStopRowEnd) != 0;
}

// Lexes one row: the bytes from `row` up to the first CR, LF or NUL, or up to `limit`. `state` is
// the state at the row's start (one of the LexState values) and becomes the state carried to the
// next row. For each coloured run, in order of position and never overlapping, calls
// sink(start, end, slot) with end > start and slot kSlotComment, kSlotPreprocessor or kSlotString.
// Returns the row's length. Reads nothing before `row` or at or after `limit`.
//
// Rules, per state:
//   plain          " opens a string, ' a character literal, /* a block comment (the search for its
//                  closer starts at the opener's asterisk, so "/*/" is a whole comment), // a line
//                  comment, # a preprocessor run; tested in this order at each position.
//   string         closed by a " not preceded by a backslash, or preceded by two backslashes;
//                  a " at the row's first byte is not preceded by anything.
//   character      closed by the next ' (backslashes are not considered).
//   block comment  closed by */; lexing goes on after the closer.
//   line comment   runs to the row's end.
//   preprocessor   a /* inside it colours a comment and the run goes on after the comment's closer;
//                  // ends it and colours the rest as a line comment.
// Carried to the next row: a block comment, also one opened inside a preprocessor run, stays a
// block comment; a string or preprocessor run goes on when the row's last byte is a backslash;
// every other state becomes plain.
template <class Sink>
int LexRow(const char* row, int limit, LexState& state, Sink&& sink) {
  // Inside the row a block comment opened in a preprocessor run returns to that run when it closes.
  enum Internal { kPlain, kBlock, kBlockInPreprocessor, kLine, kString, kCharacter, kPreprocessor };
  Internal s = kPlain;
  switch (state) {
    case LexState::kBlockComment: s = kBlock; break;
    case LexState::kLineComment: s = kLine; break;
    case LexState::kString: s = kString; break;
    case LexState::kCharacter: s = kCharacter; break;
    case LexState::kPreprocessor: s = kPreprocessor; break;
    default: s = kPlain; break;
  }
  int p = 0;
  int runStart = 0;
  for (;;) {
    switch (s) {
      case kPlain: {
        p = SkipTo(row, p, limit, kStopPlain);
        if (EndsRow(row, p, limit)) goto rowEnd;
        const char c = row[p];
        const char next = p + 1 < limit ? row[p + 1] : '\0';
        if (c == '"') {
          s = kString;
        } else if (c == '\'') {
          s = kCharacter;
        } else if (c == '/' && next == '*') {
          s = kBlock;
        } else if (c == '/' && next == '/') {
          s = kLine;
        } else if (c == '#') {
          s = kPreprocessor;
        } else {
          ++p;
          break;
        }
        runStart = p;
        ++p;
        break;
      }
      case kBlock:
      case kBlockInPreprocessor: {
        p = SkipTo(row, p, limit, kStopComment);
        if (EndsRow(row, p, limit)) goto rowEnd;
        if (p + 1 < limit && row[p + 1] == '/') {
          sink(runStart, p + 2, kSlotComment);
          p += 2;
          runStart = p;
          s = s == kBlock ? kPlain : kPreprocessor;
        } else {
          ++p;
        }
        break;
      }
      case kLine:
        p = SkipTo(row, p, limit, 0);
        goto rowEnd;
      case kString: {
        p = SkipTo(row, p, limit, kStopString);
        if (EndsRow(row, p, limit)) goto rowEnd;
        const bool escaped = p >= 1 && row[p - 1] == '\\' && !(p >= 2 && row[p - 2] == '\\');
        ++p;
        if (!escaped) {
          sink(runStart, p, kSlotString);
          s = kPlain;
        }
        break;
      }
      case kCharacter: {
        p = SkipTo(row, p, limit, kStopCharacter);
        if (EndsRow(row, p, limit)) goto rowEnd;
        ++p;
        sink(runStart, p, kSlotString);
        s = kPlain;
        break;
      }
      case kPreprocessor: {
        p = SkipTo(row, p, limit, kStopPreprocessor);
        if (EndsRow(row, p, limit)) goto rowEnd;
        const char next = p + 1 < limit ? row[p + 1] : '\0';
        if (next == '*' || next == '/') {
          if (p > runStart) sink(runStart, p, kSlotPreprocessor);
          runStart = p;
          s = next == '*' ? kBlockInPreprocessor : kLine;
        }
        ++p;
        break;
      }
    }
  }

rowEnd:
  const bool lastIsBackslash = p > 0 && row[p - 1] == '\\';
  switch (s) {
    case kPlain:
      state = LexState::kPlain;
      break;
    case kBlock:
    case kBlockInPreprocessor:
      if (p > runStart) sink(runStart, p, kSlotComment);
      state = LexState::kBlockComment;
      break;
    case kLine:
      if (p > runStart) sink(runStart, p, kSlotComment);
      state = LexState::kPlain;
      break;
    case kString:
      if (p > runStart) sink(runStart, p, kSlotString);
      state = lastIsBackslash ? LexState::kString : LexState::kPlain;
      break;
    case kCharacter:
      if (p > runStart) sink(runStart, p, kSlotString);
      state = LexState::kPlain;
      break;
    case kPreprocessor:
      if (p > runStart) sink(runStart, p, kSlotPreprocessor);
      state = lastIsBackslash ? LexState::kPreprocessor : LexState::kPlain;
      break;
  }
  return p;
}

}  // namespace lexer
}  // namespace editor
