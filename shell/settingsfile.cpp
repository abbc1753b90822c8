// Our own reader and writer of sectioned settings files; see settingsfile.h for the format rules.
#include "shell/settingsfile.h"

#include <climits>
#include <cstring>
#include <vector>

#include "platform/platform.h"

namespace settings {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

char Lower(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<char>(u - 'A' + 'a') : c;
}

// Compares the file's text [begin, end) with a name, without regard to case.
bool SameName(const std::string& text, std::size_t begin, std::size_t end, const char* name) {
  std::size_t length = std::strlen(name);
  if (end - begin != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (Lower(text[begin + i]) != Lower(name[i])) return false;
  }
  return true;
}

// Position of `c` in [begin, end), or `end` when it is not there.
std::size_t FindIn(const std::string& text, char c, std::size_t begin, std::size_t end) {
  const void* hit = std::memchr(text.data() + begin, c, end - begin);
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : end;
}

void Trim(const std::string& text, std::size_t& begin, std::size_t& end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
}

// One physical line of the file. `end` stops before the line's CR LF or LF, `next` after it.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

Line LineAt(const std::string& text, std::size_t begin) {
  Line line;
  line.begin = begin;
  std::size_t newline = text.find('\n', begin);
  if (newline == std::string::npos) {
    line.end = line.next = text.size();
    return line;
  }
  line.next = newline + 1;
  line.end = (newline > begin && text[newline - 1] == '\r') ? newline - 1 : newline;
  return line;
}

enum class LineKind { kOther, kHeader, kKey };

// What a line holds. A header is "[name]" (blanks allowed around the name and before "["; text after
// "]" is ignored); a key line has an "=" and does not start with "[", ";" or "#". Anything else
// (comments, blank lines, lines without "=", a "[" without "]") is kept but never matches.
struct Classified {
  LineKind kind = LineKind::kOther;
  std::size_t nameBegin = 0, nameEnd = 0;    // section or key name, trimmed
  std::size_t valueBegin = 0, valueEnd = 0;  // value, trimmed (key lines)
  std::size_t afterEquals = 0;               // first byte after "=" and the blanks that follow it
};

Classified Classify(const std::string& text, const Line& line) {
  Classified c;
  std::size_t first = line.begin;
  while (first < line.end && IsBlank(text[first])) ++first;
  if (first == line.end) return c;
  char lead = text[first];
  if (lead == '[') {
    std::size_t close = FindIn(text, ']', first, line.end);
    if (close == line.end) return c;
    c.kind = LineKind::kHeader;
    c.nameBegin = first + 1;
    c.nameEnd = close;
    Trim(text, c.nameBegin, c.nameEnd);
    return c;
  }
  if (lead == ';' || lead == '#') return c;
  std::size_t equals = FindIn(text, '=', first, line.end);
  if (equals == line.end) return c;
  c.kind = LineKind::kKey;
  c.nameBegin = first;
  c.nameEnd = equals;
  Trim(text, c.nameBegin, c.nameEnd);
  c.afterEquals = equals + 1;
  while (c.afterEquals < line.end && (text[c.afterEquals] == ' ' || text[c.afterEquals] == '\t')) {
    ++c.afterEquals;
  }
  c.valueBegin = equals + 1;
  c.valueEnd = line.end;
  Trim(text, c.valueBegin, c.valueEnd);
  return c;
}

// Where a key is, or where a new one would go. A section repeated in the file counts as one section
// spread over its parts: the first line of the key in any part is the key; a new key goes after the
// last key line (or the header) of the last part.
struct Location {
  bool keyFound = false;
  Line keyLine;
  Classified key;
  bool sectionFound = false;
  Line insertAfter;  // last key line or header of the section's last part
};

Location Locate(const std::string& text, const char* section, const char* key) {
  Location where;
  bool inSection = false;
  std::size_t at = 0;
  while (at < text.size()) {
    Line line = LineAt(text, at);
    Classified c = Classify(text, line);
    if (c.kind == LineKind::kHeader) {
      inSection = SameName(text, c.nameBegin, c.nameEnd, section);
      if (inSection) {
        where.sectionFound = true;
        where.insertAfter = line;
      }
    } else if (inSection && c.kind == LineKind::kKey) {
      if (SameName(text, c.nameBegin, c.nameEnd, key)) {
        where.keyFound = true;
        where.keyLine = line;
        where.key = c;
        return where;
      }
      where.insertAfter = line;
    }
    at = line.next;
  }
  return where;
}

enum class Loaded { kText, kMissing, kUnusable };

// Reads the whole file. A missing file is empty text; a file that is there but cannot be read whole
// (locked, a folder of that name, a short read, no memory) is unusable: writing it would lose data.
Loaded Load(const std::string& file, std::string& text) {
  text.clear();
  if (file.empty()) return Loaded::kUnusable;
  std::vector<char> block;
  int count = platform::ReadWholeFile(file, block);
  if (count == platform::kCannotOpen) {
    if (platform::FileExists(file) || platform::FolderExists(file)) return Loaded::kUnusable;
    return Loaded::kMissing;
  }
  if (count < 0) return Loaded::kUnusable;
  if (platform::FileSize(file) != count) return Loaded::kUnusable;
  text.assign(block.data(), static_cast<std::size_t>(count));
  return Loaded::kText;
}

// The stored value of a key; false when the file, the section or the key is missing. A value ends
// at a NUL byte, as every caller handles zero-terminated texts.
bool FindValue(const std::string& file, const char* section, const char* key, std::string& value) {
  if (!section || !key || !*key) return false;
  std::string text;
  if (Load(file, text) != Loaded::kText) return false;
  Location where = Locate(text, section, key);
  if (!where.keyFound) return false;
  value = text.substr(where.key.valueBegin, where.key.valueEnd - where.key.valueBegin);
  std::size_t nul = value.find('\0');
  if (nul != std::string::npos) value.erase(nul);
  return true;
}

std::string ValueOrDefault(const std::string& file, const char* section, const char* key,
                           const char* defaultValue) {
  std::string value;
  if (FindValue(file, section, key, value)) return value;
  return defaultValue ? defaultValue : "";
}

bool HasLineBreak(const char* text) { return std::strpbrk(text, "\r\n") != nullptr; }

bool HasOuterBlanks(const char* text) {
  std::size_t length = std::strlen(text);
  return length > 0 && (IsBlank(text[0]) || IsBlank(text[length - 1]));
}

// Names that would not read back as written are refused rather than stored.
bool IsStorableSection(const char* section) {
  return section && *section && !HasLineBreak(section) && !std::strchr(section, ']') &&
         !HasOuterBlanks(section);
}

bool IsStorableKey(const char* key) {
  return key && *key && !HasLineBreak(key) && !std::strchr(key, '=') && !HasOuterBlanks(key) &&
         key[0] != '[' && key[0] != ';' && key[0] != '#';
}

// The line end of the file's first line; CR LF for a file that has none yet.
const char* LineEndOf(const std::string& text) {
  std::size_t newline = text.find('\n');
  if (newline == std::string::npos) return "\r\n";
  return (newline > 0 && text[newline - 1] == '\r') ? "\r\n" : "\n";
}

bool EndsWithLineEnd(const std::string& text) { return !text.empty() && text.back() == '\n'; }

// Whether the file's last line holds nothing but blanks.
bool LastLineIsBlank(const std::string& text) {
  std::size_t end = text.size();
  if (end > 0 && text[end - 1] == '\n') --end;
  std::size_t begin = end;
  while (begin > 0 && text[begin - 1] != '\n') --begin;
  for (std::size_t i = begin; i < end; ++i) {
    if (!IsBlank(text[i])) return false;
  }
  return true;
}

}  // namespace

int ReadString(const std::string& file, const char* section, const char* key, const char* defaultValue,
               char* buffer, std::size_t capacity) {
  if (!buffer || capacity == 0) return 0;
  std::string value = ValueOrDefault(file, section, key, defaultValue);
  std::size_t length = value.size() < capacity - 1 ? value.size() : capacity - 1;
  if (length > static_cast<std::size_t>(INT_MAX)) length = INT_MAX;
  std::memcpy(buffer, value.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

std::string ReadText(const std::string& file, const char* section, const char* key,
                     const char* defaultValue, std::size_t capacity) {
  if (capacity == 0) return std::string();
  std::string value = ValueOrDefault(file, section, key, defaultValue);
  if (value.size() > capacity - 1) value.erase(capacity - 1);
  return value;
}

int ReadInteger(const std::string& file, const char* section, const char* key, int defaultValue) {
  std::string value;
  if (!FindValue(file, section, key, value)) return defaultValue;
  return ParseDecimal(value.c_str(), defaultValue);
}

int ParseDecimal(const char* text, int fallback) {
  if (!text) return fallback;
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  if (*p < '0' || *p > '9') return fallback;
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*p - '0');
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::string StoredValue(const char* value) {
  if (!value) return std::string();
  std::size_t length = std::strcspn(value, "\r\n");
  std::size_t begin = 0;
  while (begin < length && IsBlank(value[begin])) ++begin;
  while (length > begin && IsBlank(value[length - 1])) --length;
  return std::string(value + begin, length - begin);
}

bool WriteString(const std::string& file, const char* section, const char* key, const char* value) {
  if (!value || !IsStorableSection(section) || !IsStorableKey(key)) return false;
  std::string text;
  if (Load(file, text) == Loaded::kUnusable) return false;
  // A line break would end the line early and let the rest pose as keys or sections of its own.
  std::string stored(value, std::strcspn(value, "\r\n"));
  const char* lineEnd = LineEndOf(text);

  Location where = Locate(text, section, key);
  std::string result;
  if (where.keyFound) {
    result.reserve(text.size() + stored.size());
    result.append(text, 0, where.key.afterEquals);
    result += stored;
    result.append(text, where.keyLine.end, std::string::npos);
  } else if (where.sectionFound) {
    std::string line = std::string(key) + "=" + stored;
    std::size_t at = where.insertAfter.next;
    bool lineHasEnd = where.insertAfter.next > where.insertAfter.end;
    result.reserve(text.size() + line.size() + 2);
    result.append(text, 0, at);
    if (lineHasEnd) {
      result += line;
      result += lineEnd;
    } else {
      result += lineEnd;
      result += line;
    }
    result.append(text, at, std::string::npos);
  } else {
    result = text;
    if (!result.empty()) {
      if (!EndsWithLineEnd(result)) result += lineEnd;
      if (!LastLineIsBlank(text)) result += lineEnd;
    }
    result += "[";
    result += section;
    result += "]";
    result += lineEnd;
    result += key;
    result += "=";
    result += stored;
    result += lineEnd;
  }
  int written = platform::WriteWholeFile(file, result.data(), result.size());
  return written >= 0 && static_cast<std::size_t>(written) == result.size();
}

}  // namespace settings
