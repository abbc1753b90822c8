// Tests of the new-item menu's template entries.
#include "dlgedit/itemtemplates.h"

#include <gtest/gtest.h>

#include <map>

namespace dlgedit {
namespace {

TEST(ItemTemplatesTest, EntriesSeparatorsAndTheFirstMissingKey) {
  std::map<std::string, std::string> values = {
      {"1", "Button:BUTTON,WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,80,24"},
      {"2", "-"},
      {"3", "Label: STATIC, SS_LEFT, 100, 16"},
      {"4", "Plain entry"},
      {"6", "Never:read"}};
  std::vector<std::string> asked;
  auto entries = ReadItemTemplates([&](const char* key) {
    asked.push_back(key);
    auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
  });
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(asked.size(), 5u);
  EXPECT_EQ(entries[0].command, 1603);
  EXPECT_EQ(entries[0].menuText, "Button");
  EXPECT_EQ(entries[0].templateText, "BUTTON,WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,80,24");
  EXPECT_TRUE(entries[1].separator);
  EXPECT_EQ(entries[2].templateText, " STATIC, SS_LEFT, 100, 16");
  EXPECT_EQ(entries[3].menuText, "Plain entry");
  EXPECT_EQ(entries[3].templateText, "");
  EXPECT_EQ(TemplateForCommand(entries, 1605), " STATIC, SS_LEFT, 100, 16");
  EXPECT_EQ(TemplateForCommand(entries, 1604), "");
  EXPECT_EQ(TemplateForCommand(entries, 1600), "");
}

TEST(ItemTemplatesTest, AtMostThirtyOneEntriesOfAtMost255Characters) {
  int calls = 0;
  auto entries = ReadItemTemplates([&](const char*) {
    ++calls;
    return "Long:" + std::string(400, 'x');
  });
  EXPECT_EQ(calls, kMaxItemTemplates);
  ASSERT_EQ(entries.size(), 31u);
  EXPECT_EQ(entries.back().command, 1633);
  EXPECT_EQ(entries[0].templateText.size(), 250u);
  EXPECT_TRUE(ReadItemTemplates(nullptr).empty());
}

}  // namespace
}  // namespace dlgedit
