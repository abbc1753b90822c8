// Building the word table from the built-in words and the user's "Keywords" value.
#include "editor/wordtable.h"

#include "shell/settingskeys.h"

namespace editor {

namespace {

const char* const kTypeWords[] = {"void", "signed", "unsigned", "long", "int",
                                  "char", "double", "float",  "static"};
const char* const kStatementWords[] = {"for",    "do",   "while", "break", "continue", "switch",
                                       "case",   "return", "goto", "if",   "else",     "else if"};

static_assert(sizeof kTypeWords / sizeof kTypeWords[0] + sizeof kStatementWords / sizeof kStatementWords[0] ==
                  kBuiltInWords,
              "the built-in words fill the first entries");

}  // namespace

WordTable BuildWordTable(const ColourTable& colours, const std::string& keywords) {
  WordTable table;
  table.reserve(kMaxWordEntries);
  for (const char* word : kTypeWords) table.push_back({word, colours[kSlotType]});
  for (const char* word : kStatementWords) table.push_back({word, colours[kSlotKeyword]});

  std::size_t pieceStart = 0;
  while (pieceStart <= keywords.size() && static_cast<int>(table.size()) < kMaxWordEntries) {
    std::size_t comma = keywords.find(',', pieceStart);
    if (comma == std::string::npos) comma = keywords.size();
    const std::size_t pieceLength = comma - pieceStart;
    if (pieceLength > 0 && pieceLength <= static_cast<std::size_t>(kMaxWordLength)) {
      table.push_back({keywords.substr(pieceStart, pieceLength), colours[kSlotPrivate]});
    }
    pieceStart = comma + 1;
  }
  return table;
}

std::string ReadKeywords(const std::string& globalSettingsFile) {
  return settings::ReadKey(globalSettingsFile, settings::kEditorKeywords);
}

}  // namespace editor
