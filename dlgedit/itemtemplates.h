// The new-item menu's template entries, from the settings section "DLGEDIT-ITEMS".
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace dlgedit {

constexpr const char* kItemTemplateSection = "DLGEDIT-ITEMS";
constexpr int kMaxItemTemplates = 31;
constexpr std::size_t kMaxTemplateValue = 255;  // characters of one value
constexpr int kFirstTemplateCommand = 1602;     // entry n has command 1602 + n

struct ItemTemplateEntry {
  int command = 0;
  bool separator = false;
  std::string menuText;      // the value before its first ":"
  std::string templateText;  // the value after it: "class, style, width, height"
};

// Reads keys "1" to "31" in order through `readValue` (which gives the value of a key of section
// "DLGEDIT-ITEMS", empty when the key is missing); the first missing or empty key ends the list.
// A value starting with "-" is a separator; a value without ":" is all menu text with no template.
// Values are cut to 255 characters.
std::vector<ItemTemplateEntry> ReadItemTemplates(const std::function<std::string(const char* key)>& readValue);

// The template of the entry with this command; empty when there is none.
std::string TemplateForCommand(const std::vector<ItemTemplateEntry>& entries, int command);

}  // namespace dlgedit
