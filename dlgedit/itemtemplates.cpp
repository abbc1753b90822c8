// The new-item menu's template entries, from the settings section "DLGEDIT-ITEMS".
#include "dlgedit/itemtemplates.h"

namespace dlgedit {

std::vector<ItemTemplateEntry> ReadItemTemplates(const std::function<std::string(const char* key)>& readValue) {
  std::vector<ItemTemplateEntry> entries;
  if (!readValue) return entries;
  for (int key = 1; key <= kMaxItemTemplates; ++key) {
    std::string value = readValue(std::to_string(key).c_str());
    if (value.empty()) break;
    if (value.size() > kMaxTemplateValue) value.resize(kMaxTemplateValue);
    ItemTemplateEntry entry;
    entry.command = kFirstTemplateCommand + key;
    if (value[0] == '-') {
      entry.separator = true;
    } else {
      std::size_t colon = value.find(':');
      entry.menuText = value.substr(0, colon);
      if (colon != std::string::npos) entry.templateText = value.substr(colon + 1);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string TemplateForCommand(const std::vector<ItemTemplateEntry>& entries, int command) {
  for (const ItemTemplateEntry& entry : entries) {
    if (entry.command == command && !entry.separator) return entry.templateText;
  }
  return std::string();
}

}  // namespace dlgedit
