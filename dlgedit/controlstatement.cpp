// One control statement of a DIALOG statement's list: the CONTROL form and the shorthand keywords.
#include "dlgedit/controlstatement.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "dlgedit/scriptscan.h"

namespace dlgedit {

namespace {

struct Shorthand {
  const char* keyword;
  std::size_t matchLength;  // leading characters that recognise it
  const char* className;
  const char* defaultStyle;
  bool hasText;
};

// AUTOCHECKBOX and AUTORADIOBUTTON are recognised by their first 8 and 11 characters, so the
// common misspellings of their tails still read.
const Shorthand kShorthands[] = {
    {"LTEXT", 5, "STATIC", "WS_CHILD | WS_VISIBLE | SS_LEFT", true},
    {"CTEXT", 5, "STATIC", "WS_CHILD | WS_VISIBLE | SS_CENTER", true},
    {"RTEXT", 5, "STATIC", "WS_CHILD | WS_VISIBLE | SS_RIGHT", true},
    {"ICON", 4, "STATIC", "WS_CHILD | WS_VISIBLE | SS_ICON", true},
    {"PUSHBUTTON", 10, "BUTTON", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON", true},
    {"DEFPUSHBUTTON", 13, "BUTTON", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON", true},
    {"CHECKBOX", 8, "BUTTON", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX", true},
    {"RADIOBUTTON", 11, "BUTTON", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON", true},
    {"AUTOCHECKBOX", 8, "BUTTON", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX", true},
    {"AUTORADIOBUTTON", 11, "BUTTON", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON", true},
    {"EDITTEXT", 8, "EDIT", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_LEFT", false},
    {"LISTBOX", 7, "LISTBOX", "WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY", false},
    {"COMBOBOX", 8, "COMBOBOX", "WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_SIMPLE", false},
    {"GROUPBOX", 8, "BUTTON", "WS_CHILD | WS_VISIBLE | BS_GROUPBOX", true},
    {"SCROLLBAR", 9, "SCROLLBAR", "WS_CHILD | WS_VISIBLE | SBS_HORZ", false},
};

// The resource compiler's other control keywords: they start a statement (so the one before them
// ends there) but cannot be read here, which makes the whole read fail rather than fold them into
// the statement before.
const char* const kUnreadKeywords[] = {"STATE3", "AUTO3STATE", "PUSHBOX", "USERBUTTON",
                                        "BEDIT", "HEDIT", "IEDIT"};

std::size_t WordLength(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && IsWordChar(text[end])) ++end;
  return end - pos;
}

bool PrefixMatches(std::string_view word, const char* keyword, std::size_t length) {
  if (word.size() < length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::toupper(static_cast<unsigned char>(word[i])) != keyword[i]) return false;
  }
  return true;
}

// The shorthand the word names; nullptr for none.
const Shorthand* FindShorthand(std::string_view word) {
  for (const Shorthand& s : kShorthands) {
    std::size_t full = std::strlen(s.keyword);
    if (s.matchLength < full) {
      if (PrefixMatches(word, s.keyword, s.matchLength)) return &s;
    } else if (word.size() == full && PrefixMatches(word, s.keyword, full)) {
      return &s;
    }
  }
  return nullptr;
}

bool HasQuote(const std::string& field) { return field.find('"') != std::string::npos; }

// Fills the four numbers from fields[first..first+3]; false when one is empty or holds a quote.
bool ReadNumbers(const std::vector<std::string>& fields, std::size_t first, ControlStatement& out) {
  for (std::size_t i = 0; i < 4; ++i) {
    const std::string& field = fields[first + i];
    if (field.empty() || HasQuote(field)) return false;
    out.numberText[i] = field;
    out.units[i] = LeadingNumber(field);
  }
  return true;
}

bool ReadText(const std::string& field, ControlStatement& out) {
  std::optional<TextField> text = ParseTextField(field);
  if (!text) return false;
  out.text = text->text;
  out.bareText = text->bare;
  return true;
}

std::optional<ControlStatement> ReadControlForm(const std::vector<std::string>& fields) {
  if (fields.size() < 8 || fields.size() > 9) return std::nullopt;
  ControlStatement out;
  if (!ReadText(fields[0], out)) return std::nullopt;
  std::optional<TextField> className = ParseTextField(fields[2]);
  if (!className || className->text.empty()) return std::nullopt;
  out.id = fields[1];
  out.className = className->text;
  out.style = fields[3];
  if (out.id.empty() || out.style.empty()) return std::nullopt;
  if (fields.size() == 9) out.extendedStyle = fields[8];
  if (HasQuote(out.id) || HasQuote(out.style) || HasQuote(out.extendedStyle)) return std::nullopt;
  if (!ReadNumbers(fields, 4, out)) return std::nullopt;
  return out;
}

std::optional<ControlStatement> ReadShorthand(const Shorthand& form, std::vector<std::string> fields) {
  ControlStatement out;
  std::size_t next = 0;
  if (form.hasText) {
    if (fields.empty() || !ReadText(fields[0], out)) return std::nullopt;
    next = 1;
  }
  // ICON id, x, y alone: the icon sizes itself, the template says 0 x 0.
  if (std::strcmp(form.keyword, "ICON") == 0 && fields.size() == next + 3) {
    fields.push_back("0");
    fields.push_back("0");
  }
  if (fields.size() < next + 5 || fields.size() > next + 7) return std::nullopt;
  out.id = fields[next];
  if (out.id.empty() || HasQuote(out.id) || !ReadNumbers(fields, next + 1, out)) return std::nullopt;
  out.className = form.className;
  out.style = form.defaultStyle;
  if (fields.size() > next + 5 && !fields[next + 5].empty()) out.style += " | " + fields[next + 5];
  if (fields.size() > next + 6) out.extendedStyle = fields[next + 6];
  if (HasQuote(out.style) || HasQuote(out.extendedStyle)) return std::nullopt;
  return out;
}

}  // namespace

bool ControlKeywordAt(std::string_view text, std::size_t pos) {
  std::string_view word = text.substr(pos < text.size() ? pos : text.size());
  word = word.substr(0, WordLength(word, 0));
  if (word.empty()) return false;
  if (word.size() == 7 && PrefixMatches(word, "CONTROL", 7)) return true;
  if (FindShorthand(word)) return true;
  for (const char* keyword : kUnreadKeywords) {
    if (word.size() == std::strlen(keyword) && PrefixMatches(word, keyword, word.size())) return true;
  }
  return false;
}

std::optional<ControlStatement> ParseControlStatement(std::string_view statement) {
  statement = Trim(statement);
  std::size_t wordLength = WordLength(statement, 0);
  std::string_view word = statement.substr(0, wordLength);
  std::optional<std::vector<std::string>> fields = SplitFields(statement.substr(wordLength));
  if (wordLength == 0 || !fields) return std::nullopt;
  if (word.size() == 7 && PrefixMatches(word, "CONTROL", 7)) return ReadControlForm(*fields);
  const Shorthand* form = FindShorthand(word);
  if (!form) return std::nullopt;
  return ReadShorthand(*form, std::move(*fields));
}

}  // namespace dlgedit
