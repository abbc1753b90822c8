// Lexical state at any line: the row lexer run over the lines before it.
#include "editor/rowstate.h"

#include "editor/rowlexer.h"

namespace editor {

namespace {

struct NoRuns {
  void operator()(int, int, int) const {}
};

}  // namespace

LexState ToLexState(int value) {
  switch (value) {
    case 1: return LexState::kPlain;
    case 2: return LexState::kBlockComment;
    case 4: return LexState::kLineComment;
    case 16: return LexState::kString;
    case 17: return LexState::kCharacter;
    case 32: return LexState::kPreprocessor;
    default: return LexState::kPlain;
  }
}

int RowLength(const char* row, int limit) {
  if (row == nullptr || limit < 1) return 0;
  return lexer::SkipTo(row, 0, limit, 0);
}

int NextLineStart(const char* text, int length, int rowEnd) {
  int p = rowEnd < 0 ? 0 : rowEnd;
  // A NUL ends the lexed part of a line only: its line goes on to the next CR or LF.
  while (p < length && text[p] != '\r' && text[p] != '\n') ++p;
  if (p >= length) return -1;
  if (text[p] == '\r' && p + 1 < length && text[p + 1] == '\n') return p + 2;
  return p + 1;
}

LexState ScanState(const char* text, int length, int offset) {
  LexState state = LexState::kPlain;
  if (text == nullptr || length < 1) return state;
  if (offset > length) offset = length;
  int lineStart = 0;
  while (lineStart < offset) {
    LexState next = state;
    const int rowEnd = lineStart + lexer::LexRow(text + lineStart, length - lineStart, next, NoRuns{});
    const int nextStart = NextLineStart(text, length, rowEnd);
    if (nextStart < 0 || nextStart > offset) break;
    state = next;
    lineStart = nextStart;
  }
  return state;
}

std::vector<LexState> ScanLineStates(const char* text, int length) {
  std::vector<LexState> states;
  LexState state = LexState::kPlain;
  states.push_back(state);
  if (text == nullptr || length < 1) return states;
  int lineStart = 0;
  for (;;) {
    const int rowEnd = lineStart + lexer::LexRow(text + lineStart, length - lineStart, state, NoRuns{});
    const int nextStart = NextLineStart(text, length, rowEnd);
    if (nextStart < 0) break;
    states.push_back(state);
    lineStart = nextStart;
  }
  return states;
}

}  // namespace editor
