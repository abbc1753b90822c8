// Finding text, replacing every match, selecting a line by number, and the find dialogs' first text.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace editor {

// SearchText flags.
constexpr int kSearchCaseSensitive = 1;
constexpr int kSearchWholeWords = 2;

// The offset of the first match of `pattern` at or after `from` in the first `length` bytes of
// `text` (length -1: the text up to its NUL), or -1. A match lies wholly inside the text. Without
// kSearchCaseSensitive the letters A-Z and a-z match either case. With kSearchWholeWords a match
// counts only when the byte before it (none at offset 0) and the byte after it (none at the end)
// are not letters A-Z or a-z: digits and "_" are boundaries here. The byte before `from` is looked
// at as well, so a search that goes on after a match judges words as a search from the start would.
// An empty or missing pattern finds nothing.
int SearchText(const char* text, int length, const char* pattern, int flags, int from = 0);

enum class ReplaceAnswer { kYes, kNo, kCancel };

struct ReplaceOutcome {
  int replaced = 0;        // replacements made
  bool cancelled = false;  // the answer was cancel: the match [selStart, selEnd) stays selected
  bool failed = false;     // a replacement could not be made: nothing after it was tried
  // Where the selection goes at the end: the cancelled or failed match, otherwise an empty
  // selection at the caret n - 1 (n the text's length before replacing, 0 for an empty text).
  // With an empty find text nothing is searched and moveSelection is false.
  bool moveSelection = false;
  int selStart = 0;
  int selEnd = 0;
};

// Replaces matches one by one. `copy` is the text as it was before the first replacement, `length`
// its byte count; it is never changed and only it is searched, so a replacement is never searched
// again. For each match at offset p of the copy, with d the growth of the text by the replacements
// made so far, the match stands at [p + d, p + d + findLength) of the current text:
//   decide(start, end) is asked about it (the host selects it, shows it, and asks the user or
//   answers yes itself); on yes, replace(start, end) must replace those bytes of the current text
//   by `replacement` and return true, and d grows by the difference of the two lengths; on no the
//   match is left; on cancel everything stops with the match selected.
// Searching goes on at p + findLength of the copy, with the flags of SearchText.
ReplaceOutcome ReplaceAll(const char* copy, int length, const std::string& findText, const std::string& replacement,
                          int flags, const std::function<ReplaceAnswer(int start, int end)>& decide,
                          const std::function<bool(int start, int end)>& replace);

struct TextRange {
  int start = 0;
  int end = 0;
};

// The text of line `lineNumber` (counted from 1) without its line end, whatever that is (CR LF, a
// lone CR or a lone LF); the last line runs to the text's end. Nothing for a number below 1 or
// beyond the last line: the caret then stays where it is.
std::optional<TextRange> LineSelection(const char* text, int length, int lineNumber);

// The line number typed into the goto dialog: at most its first 5 characters are read, as a
// decimal number after optional blanks and sign; 0 when they hold no number.
int ParseGotoLine(const std::string& fieldText);

// Longest text the find and replace dialogs take over from the editor.
constexpr int kPrefillCapacity = 255;

// The first text of the find and replace dialogs: the word around the caret when the selection is
// empty, otherwise the selected text, either cut to kPrefillCapacity characters. Offered only
// when it has at least two characters; empty otherwise.
std::string PrefillText(bool selectionEmpty, const std::string& wordAtCaret, const std::string& selectedText);

}  // namespace editor
