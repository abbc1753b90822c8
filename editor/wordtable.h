// The words a row painter colours: the built-in type and statement words and the user's own.
#pragma once

#include <string>
#include <vector>

#include "editor/colourtable.h"

namespace editor {

// The table holds at most this many entries, built-in ones included.
constexpr int kMaxWordEntries = 48;
// Longest word an entry can hold.
constexpr int kMaxWordLength = 31;
// Number of built-in entries.
constexpr int kBuiltInWords = 21;

struct WordEntry {
  std::string word;  // never empty, at most kMaxWordLength characters
  Colour colour = 0;
};

// Entries in the order the painter applies them: where two entries colour the same characters,
// the later one shows.
using WordTable = std::vector<WordEntry>;

// Builds the table: the nine type words in colour slot 6 and the twelve statement words in slot 7,
// then the pieces of `keywords` split at commas, exactly as written (blanks kept), in slot 8, until
// the table holds kMaxWordEntries entries. Empty pieces are skipped, and so are pieces longer than
// kMaxWordLength (cutting one would colour a different word); later pieces still count.
WordTable BuildWordTable(const ColourTable& colours, const std::string& keywords);

// The user's words: key "Keywords" of section "EDITOR" of the global settings file.
std::string ReadKeywords(const std::string& globalSettingsFile);

}  // namespace editor
