// Reads one DIALOG statement of a resource script into a DialogModel.
#include "dlgedit/dialogreader.h"

#include <climits>
#include <string>

#include "dlgedit/controlstatement.h"
#include "dlgedit/dialogunits.h"
#include "dlgedit/scriptscan.h"

namespace dlgedit {

namespace {

constexpr std::size_t npos = std::string_view::npos;

const char* const kMemoryOptions[] = {"PRELOAD", "LOADONCALL", "DISCARDABLE", "MOVEABLE",
                                      "FIXED",   "PURE",       "IMPURE"};

// Reading stops at this offset; never 0, which means success.
int FailAt(std::size_t offset) {
  if (offset == 0) return 1;
  return offset > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(offset);
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

// The first blank or tab followed by the word DIALOG (so DIALOGEX is not taken); the offset of the
// word, or npos.
std::size_t FindDialogKeyword(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (IsBlank(text[i]) && WordAt(text, i + 1, "DIALOG")) return i + 1;
  }
  return npos;
}

// Pixels of x, y, width, height in dialog units: x and widths on the horizontal scale.
PlacementAsRead Place(const std::array<std::string, 4>& text, const std::array<int, 4>& units) {
  PlacementAsRead placement;
  placement.known = true;
  placement.text = text;
  for (std::size_t i = 0; i < 4; ++i) {
    placement.pixels[i] = i % 2 == 0 ? PixelsFromDialogX(units[i]) : PixelsFromDialogY(units[i]);
  }
  return placement;
}

// A number field of the DIALOG line: trimmed, on one line, without quotes or braces.
bool ValidHeaderNumber(std::string_view field) {
  if (field.empty()) return false;
  for (char c : field) {
    if (IsLineBreak(c) || c == '"' || c == '{' || c == '}') return false;
  }
  return true;
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  int Read(DialogModel& model) {
    std::size_t keyword = FindDialogKeyword(text_);
    if (keyword == npos) return 1;
    std::size_t lineStart = keyword;
    while (lineStart > 0 && !IsLineBreak(text_[lineStart - 1])) --lineStart;
    result_.frame.name = std::string(Trim(text_.substr(lineStart, keyword - lineStart)));
    pos_ = keyword + 6;
    ReadMemoryOptions();
    if (int failed = ReadFrameNumbers()) return failed;
    if (int failed = ReadHeaderLines()) return failed;
    if (int failed = ReadControls()) return failed;
    result_.modified = false;
    model = std::move(result_);
    return 0;
  }

 private:
  void ReadMemoryOptions() {
    for (;;) {
      pos_ = SkipBlanks(text_, pos_);
      bool found = false;
      for (const char* option : kMemoryOptions) {
        if (!WordAt(text_, pos_, option)) continue;
        std::string_view word = text_.substr(pos_, std::char_traits<char>::length(option));
        if (!result_.frame.memoryOptions.empty()) result_.frame.memoryOptions += ' ';
        result_.frame.memoryOptions += std::string(word);
        pos_ += word.size();
        found = true;
        break;
      }
      if (!found) return;
    }
  }

  int ReadFrameNumbers() {
    std::array<std::string, 4> text;
    std::array<int, 4> units{};
    for (std::size_t i = 0; i < 4; ++i) {
      std::size_t end = i < 3 ? text_.find(',', pos_) : LineEnd(text_, pos_);
      if (end == npos || end >= text_.size()) return FailAt(text_.size());
      std::string_view field = Trim(text_.substr(pos_, end - pos_));
      if (!ValidHeaderNumber(field)) return FailAt(pos_);
      text[i] = std::string(field);
      units[i] = LeadingNumber(field);
      pos_ = i < 3 ? end + 1 : NextLineStart(text_, end);
    }
    DialogFrame& frame = result_.frame;
    frame.asRead = Place(text, units);
    frame.rect = {frame.asRead.pixels[0], frame.asRead.pixels[1], frame.asRead.pixels[2],
                  frame.asRead.pixels[3]};
    return 0;
  }

  // The header line at pos_ with its continuation lines: `value` joined by blanks for the keywords,
  // `raw` joined by CR LF for lines kept as they stand. Leaves pos_ at the line after them.
  void GatherHeaderLine(std::string& value, std::string& raw) {
    std::size_t end = LineEnd(text_, pos_);
    raw = std::string(TrimRight(text_.substr(pos_, end - pos_)));
    value = std::string(Trim(raw));
    pos_ = NextLineStart(text_, end);
    while (pos_ < text_.size()) {
      std::size_t nextEnd = LineEnd(text_, pos_);
      std::string_view next = Trim(text_.substr(pos_, nextEnd - pos_));
      if (next.empty() || next[0] == '{') return;
      if (value.back() != '|' && next[0] != '|') return;
      value += ' ';
      value += std::string(next);
      raw += "\r\n";
      raw += std::string(TrimRight(text_.substr(pos_, nextEnd - pos_)));
      pos_ = NextLineStart(text_, nextEnd);
    }
  }

  // CAPTION and CLASS take the quoted text after the keyword; false when there is none.
  static bool QuotedValue(std::string_view rest, std::string& out) {
    rest = Trim(rest);
    if (rest.empty() || rest[0] != '"') return false;
    std::size_t close = ClosingQuote(rest, 0);
    if (close == npos) return false;
    out = std::string(rest.substr(1, close - 1));
    return true;
  }

  void TakeHeaderLine(const std::string& value, const std::string& raw) {
    DialogFrame& frame = result_.frame;
    struct Known {
      const char* word;
      HeaderKey key;
      std::string* field;
      bool quoted;
    };
    const Known known[] = {{"STYLE", HeaderKey::Style, &frame.style, false},
                           {"CLASS", HeaderKey::Class, &frame.className, true},
                           {"CAPTION", HeaderKey::Caption, &frame.caption, true},
                           {"FONT", HeaderKey::Font, &frame.font, false},
                           {"MENU", HeaderKey::Menu, &frame.menu, false}};
    for (const Known& k : known) {
      if (!WordAt(value, 0, k.word)) continue;
      std::string_view rest = std::string_view(value).substr(std::char_traits<char>::length(k.word));
      std::string taken;
      if (k.quoted) {
        if (!QuotedValue(rest, taken)) break;
      } else {
        taken = std::string(Trim(rest));
      }
      *k.field = taken;
      for (const HeaderLine& line : frame.headerOrder) {
        if (line.key == k.key) return;
      }
      frame.headerOrder.push_back({k.key, std::string()});
      return;
    }
    frame.headerOrder.push_back({HeaderKey::Other, raw});
  }

  int ReadHeaderLines() {
    for (;;) {
      if (pos_ >= text_.size()) return FailAt(text_.size());
      std::size_t first = SkipBlanks(text_, pos_);
      if (first < text_.size() && text_[first] == '{') {
        pos_ = first + 1;
        return 0;
      }
      std::size_t end = LineEnd(text_, pos_);
      if (Trim(text_.substr(pos_, end - pos_)).empty()) {
        pos_ = NextLineStart(text_, end);
        continue;
      }
      std::string value, raw;
      GatherHeaderLine(value, raw);
      TakeHeaderLine(value, raw);
    }
  }

  // Skips blanks, line breaks and comments; false when a block comment runs out.
  bool SkipSpaceAndComments() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (IsBlank(c) || IsLineBreak(c)) {
        ++pos_;
      } else if (text_.compare(pos_, 2, "//") == 0) {
        pos_ = LineEnd(text_, pos_);
      } else if (text_.compare(pos_, 2, "/*") == 0) {
        std::size_t close = text_.find("*/", pos_ + 2);
        if (close == npos) return false;
        pos_ = close + 2;
      } else {
        return true;
      }
    }
    return true;
  }

  // Blanks, tabs and line breaks outside quotes gather into one blank.
  static void AppendBlank(std::string& statement) {
    if (!statement.empty() && statement.back() != ' ') statement += ' ';
  }

  // Gathers the statement at pos_ onto one line. It ends before a "}" outside quotes or at a line
  // break whose next line starts with a control keyword; comments are dropped and every run of
  // blanks outside quotes becomes one blank. False when the text runs out first.
  bool GatherStatement(std::string& statement) {
    bool inQuote = false;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (inQuote && !IsLineBreak(c)) {
        std::size_t take = 1;
        if (c == '\\' && pos_ + 1 < text_.size() && !IsLineBreak(text_[pos_ + 1])) {
          take = 2;
        } else if (c == '"') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
            take = 2;
          } else {
            inQuote = false;
          }
        }
        statement.append(text_.substr(pos_, take));
        pos_ += take;
        continue;
      }
      inQuote = false;  // a quote left open at a line end stays open; the statement will not read
      if (c == '}') return true;
      if (c == '"') {
        inQuote = true;
        statement += c;
        ++pos_;
      } else if (text_.compare(pos_, 2, "//") == 0) {
        pos_ = LineEnd(text_, pos_);
      } else if (text_.compare(pos_, 2, "/*") == 0) {
        std::size_t close = text_.find("*/", pos_ + 2);
        if (close == npos) return false;
        AppendBlank(statement);
        pos_ = close + 2;
      } else if (IsLineBreak(c)) {
        std::size_t next = SkipBlanks(text_, NextLineStart(text_, pos_));
        if (ControlKeywordAt(text_, next)) {
          pos_ = next;
          return true;
        }
        AppendBlank(statement);
        ++pos_;
      } else if (IsBlank(c)) {
        AppendBlank(statement);
        ++pos_;
      } else {
        statement += c;
        ++pos_;
      }
    }
    return false;
  }

  int ReadControls() {
    PixelPoint origin = ItemOrigin(result_.frame);
    if (HasCaptionBand(result_.frame)) result_.frame.rect.height += kCaptionBandPixels;
    for (;;) {
      if (!SkipSpaceAndComments() || pos_ >= text_.size()) return FailAt(text_.size());
      if (text_[pos_] == '}') return 0;
      std::size_t start = pos_;
      std::string statement;
      if (!GatherStatement(statement)) return FailAt(text_.size());
      std::optional<ControlStatement> control = ParseControlStatement(statement);
      if (!control) return FailAt(start);
      DialogItem item;
      item.text = std::move(control->text);
      item.bareText = control->bareText;
      item.id = std::move(control->id);
      item.className = std::move(control->className);
      item.style = std::move(control->style);
      item.extendedStyle = std::move(control->extendedStyle);
      item.asRead = Place(control->numberText, control->units);
      item.rect = {origin.x + item.asRead.pixels[0], origin.y + item.asRead.pixels[1],
                   item.asRead.pixels[2], item.asRead.pixels[3]};
      result_.items.push_back(std::move(item));
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  DialogModel result_;
};

}  // namespace

int ReadDialogStatement(std::string_view text, DialogModel& model) {
  Reader reader(text);
  return reader.Read(model);
}

}  // namespace dlgedit
