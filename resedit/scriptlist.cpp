// The listing of a resource script and names for new resources.
#include "resedit/scriptlist.h"

#include <cctype>
#include <cstdio>
#include <exception>

#include "resedit/scriptscan.h"

namespace resedit {
namespace {

// The name of the resource whose type keyword stands at `keyword`, or an empty view when the
// keyword is not a resource's: it must follow a blank or tab, and the word before it must start
// its line.
std::string_view ResourceNameBefore(std::string_view text, std::size_t keyword) {
  if (keyword == 0 || !IsBlank(text[keyword - 1])) return {};
  std::size_t wordEnd = keyword;  // one past the name's last character
  while (wordEnd > 0 && IsBlank(text[wordEnd - 1])) --wordEnd;
  if (wordEnd == 0 || IsLineBreak(text[wordEnd - 1])) return {};  // nothing before it on its line
  std::size_t wordStart = wordEnd;
  while (wordStart > 0 && !IsSpace(text[wordStart - 1])) --wordStart;
  if (!IsLineStart(text, wordStart)) return {};
  return text.substr(wordStart, wordEnd - wordStart);
}

void ListNamedType(std::string_view text, const char* type, std::vector<std::string>& list) {
  std::string_view keyword(type);
  bool headed = false;
  for (std::size_t pos = text.find(keyword); pos != std::string_view::npos; pos = text.find(keyword, pos + 1)) {
    if (!IsWordAt(text, pos, keyword)) continue;
    std::string_view name = ResourceNameBefore(text, pos);
    if (name.empty()) continue;
    if (!headed) list.emplace_back(type);
    headed = true;
    list.push_back(std::string(type) + ":" + std::string(name));
  }
}

void ListStringTables(std::string_view text, std::vector<std::string>& list) {
  int ordinal = 0;
  for (std::size_t pos = text.find("STRINGTABLE"); pos != std::string_view::npos;
       pos = text.find("STRINGTABLE", pos + 1)) {
    if (!IsStringTableAt(text, pos)) continue;
    if (ordinal == 0) list.emplace_back("STRINGTABLE");
    list.push_back(StringTableEntry(++ordinal));
  }
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

bool ListHolds(const std::vector<std::string>& list, const std::string& prefix) {
  for (const std::string& entry : list) {
    if (StartsWithIgnoringCase(entry, prefix)) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> ListResources(std::string_view text) {
  std::vector<std::string> list;
  try {
    for (const char* type : kListedTypes) {
      if (std::string_view(type) == "STRINGTABLE") {
        ListStringTables(text, list);
      } else {
        ListNamedType(text, type, list);
      }
    }
  } catch (const std::exception&) {
    list.clear();
  }
  return list;
}

std::string StringTableEntry(int ordinal) {
  char number[32];
  std::snprintf(number, sizeof number, "%4.d", ordinal);
  return std::string("STRINGTABLE:") + number;
}

bool SplitEntry(std::string_view entry, std::string& type, std::string& name) {
  std::size_t colon = entry.find(':');
  if (colon == std::string_view::npos) return false;
  type.assign(entry.substr(0, colon));
  name.assign(entry.substr(colon + 1));
  return true;
}

std::string UniqueName(const std::vector<std::string>& list, std::string_view type, std::string_view wanted) {
  try {
    std::string base(wanted);
    for (char& c : base) {
      if (c == ' ' || c == '.') c = '_';
    }
    std::string prefix = std::string(type) + ":";
    std::string name = base;
    // Each entry can block only a few of the numbered names, so a free one is always reached.
    for (unsigned number = 1; ListHolds(list, prefix + name); ++number) {
      char suffix[16];
      std::snprintf(suffix, sizeof suffix, "_%02u", number);
      name = base + suffix;
    }
    return name;
  } catch (const std::exception&) {
    return std::string();
  }
}

}  // namespace resedit
