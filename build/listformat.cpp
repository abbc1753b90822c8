// Setting texts turned into command-line pieces: the three list forms, free options, file names.
#include "build/listformat.h"

#include <vector>

namespace build {
namespace {

constexpr char kLineBreakByte = '\xB6';
constexpr std::size_t kMinElementCharacters = 3;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct Element {
  std::string text;   // trimmed, double quotes removed
  bool quoted;        // a blank stood in it before its end
};

// The elements that survive, in list order.
std::vector<Element> SplitList(const std::string& list) {
  std::vector<Element> elements;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = start;
    std::size_t next = list.size() + 1;
    while (end < list.size()) {
      if (list[end] == ';') {
        next = end + 1;
        break;
      }
      if (list[end] == '\\' && end + 1 < list.size() && list[end + 1] == kLineBreakByte) {
        next = end + 2;
        break;
      }
      ++end;
    }
    std::size_t last = end;
    while (last > start && IsBlank(list[last - 1])) --last;
    std::size_t first = start;
    while (first < last && IsBlank(list[first])) ++first;
    Element element{std::string(), first > start};
    std::size_t counted = 0;
    for (std::size_t i = first; i < last; ++i) {
      char c = list[i];
      if (c == '"') continue;
      if (IsBlank(c)) {
        element.quoted = true;
      } else {
        ++counted;
      }
      element.text += c;
    }
    if (counted >= kMinElementCharacters) elements.push_back(std::move(element));
    start = next;
  }
  return elements;
}

// The element in double quotes, a trailing backslash doubled so the quote stays a closing quote.
std::string InQuotes(const std::string& text) {
  std::string quoted = "\"" + text;
  if (!text.empty() && text.back() == '\\') quoted += '\\';
  return quoted + "\"";
}

std::string AsJoined(const Element& element) {
  return element.quoted ? InQuotes(element.text) : element.text;
}

void TrimTrailingBlanks(std::string& text) {
  while (!text.empty() && IsBlank(text.back())) text.pop_back();
}

}  // namespace

std::string FormatJoinedList(const std::string& list) {
  std::string result;
  for (const Element& element : SplitList(list)) {
    if (!result.empty()) result += ';';
    result += AsJoined(element);
  }
  return result;
}

std::string FormatQuotedOptions(const std::string& list, const std::string& prefix) {
  std::string result;
  for (const Element& element : SplitList(list)) {
    result += prefix + " " + InQuotes(element.text) + " ";
  }
  TrimTrailingBlanks(result);
  return result;
}

std::string FormatAttachedOptions(const std::string& list, const std::string& prefix) {
  std::string result;
  for (const Element& element : SplitList(list)) {
    result += prefix + AsJoined(element) + " ";
  }
  TrimTrailingBlanks(result);
  return result;
}

std::string FreeOptionsText(const std::string& parameter) {
  if (parameter.empty()) return std::string();
  std::string result = " ";
  for (std::size_t i = 0; i < parameter.size(); ++i) {
    if (parameter[i] == '\\' && i + 1 < parameter.size() &&
        (parameter[i + 1] == 'r' || parameter[i + 1] == kLineBreakByte)) {
      result += "  ";
      ++i;
    } else {
      result += parameter[i];
    }
  }
  return result;
}

std::string UnquotedDirectory(const std::string& joined) {
  std::string result;
  bool inQuotes = false;
  for (std::size_t i = 0; i < joined.size(); ++i) {
    char c = joined[i];
    if (c == '"') {
      inQuotes = !inQuotes;
      continue;
    }
    // Inside quotes, "\\" right before the closing quote stands for one backslash.
    if (inQuotes && c == '\\' && i + 2 < joined.size() && joined[i + 1] == '\\' && joined[i + 2] == '"') continue;
    result += c;
  }
  return result;
}

std::string FileNameOfPath(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseNameOfPath(const std::string& path) {
  std::string name = FileNameOfPath(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string QuotedWhenBlank(const std::string& text) {
  if (text.find(' ') == std::string::npos) return text;
  return "\"" + text + "\"";
}

}  // namespace build
