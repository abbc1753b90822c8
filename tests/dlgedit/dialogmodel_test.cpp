// Tests of the dialog editor's edits: new items, duplicates, deleting, the order changes, the band.
#include "dlgedit/dialogmodel.h"

#include <gtest/gtest.h>

namespace dlgedit {
namespace {

class DialogModelTest : public ::testing::Test {
 protected:
  DialogModel model;

  DialogItem& Add(const std::string& id, unsigned flags = 0) {
    DialogItem item;
    item.id = id;
    item.text = "item " + id;
    item.className = "BUTTON";
    item.style = "BS_PUSHBUTTON";
    item.rect = {20, 30, 40, 15};
    item.flags = flags;
    model.items.push_back(item);
    return model.items.back();
  }

  std::string Ids() const {
    std::string out;
    for (const DialogItem& item : model.items) out += (out.empty() ? "" : " ") + item.id;
    return out;
  }
};

TEST_F(DialogModelTest, CaptionBandRules) {
  DialogFrame frame;
  EXPECT_FALSE(HasCaptionBand(frame));
  frame.style = "WS_POPUP | WS_CAPTION";
  EXPECT_TRUE(HasCaptionBand(frame));
  frame.style = "WS_POPUP";
  frame.caption = "T";
  EXPECT_TRUE(HasCaptionBand(frame));
  EXPECT_EQ(ItemOrigin(frame).y, frame.rect.y + kCaptionBandPixels);
  EXPECT_EQ(StyleWithCaption("WS_POPUP", "T"), "WS_POPUP | WS_CAPTION");
  EXPECT_EQ(StyleWithCaption("", "T"), "WS_CAPTION");
  EXPECT_EQ(StyleWithCaption("WS_CAPTION | WS_POPUP", "T"), "WS_CAPTION | WS_POPUP");
  EXPECT_EQ(StyleWithCaption("WS_POPUP", ""), "WS_POPUP");
}

TEST_F(DialogModelTest, NewItemWithoutTemplateAsksForProperties) {
  NewItemResult result = AddNewItem(model, "   ");
  EXPECT_TRUE(result.wantsProperties);
  ASSERT_EQ(result.index, 0u);
  const DialogItem& item = model.items[0];
  EXPECT_EQ(item.id, "101");
  EXPECT_EQ(item.style, "WS_VISIBLE | WS_TABSTOP");
  EXPECT_EQ(item.className, "");
  EXPECT_EQ(item.text, "");
  EXPECT_EQ(item.rect.x, 10);
  EXPECT_EQ(item.rect.y, 10);
  EXPECT_EQ(item.rect.width, 100);
  EXPECT_EQ(item.rect.height, 20);
  EXPECT_FALSE(item.asRead.known);
  EXPECT_TRUE(model.modified);
  // After the properties dialog the caller gives the default ID.
  model.items[0].className = "STATIC";
  AssignDefaultId(model.items[0]);
  EXPECT_EQ(model.items[0].id, "-1");
}

TEST_F(DialogModelTest, NewItemFromTemplatesGoesOnTopWithItsDefaultId) {
  Add("5");
  NewItemResult button = AddNewItem(model, "BUTTON, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 60, 24");
  EXPECT_FALSE(button.wantsProperties);
  EXPECT_EQ(button.index, 1u);
  EXPECT_EQ(model.items[1].className, "BUTTON");
  EXPECT_EQ(model.items[1].style, "WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON");
  EXPECT_EQ(model.items[1].rect.width, 60);
  EXPECT_EQ(model.items[1].rect.height, 24);
  EXPECT_EQ(model.items[1].id, "1");
  NewItemResult text = AddNewItem(model, "\"STATIC\",SS_LEFT");
  EXPECT_EQ(model.items[text.index].className, "STATIC");
  EXPECT_EQ(model.items[text.index].id, "-1");
  EXPECT_EQ(model.items[text.index].rect.width, 100);  // no size given
  NewItemResult odd = AddNewItem(model, "EDIT,ES_LEFT,wide,-4");
  EXPECT_EQ(model.items[odd.index].id, "101");
  EXPECT_EQ(model.items[odd.index].rect.width, 100);
  EXPECT_EQ(model.items[odd.index].rect.height, 20);
}

TEST_F(DialogModelTest, DuplicateCopiesSelectedItemsWithIdPlusOne) {
  Add("10", kItemSelected | kItemCurrent);
  Add("20");
  Add("IDOK", kItemSelected);
  Add("-1", kItemSelected);
  model.items[0].bareText = true;
  model.items[0].extendedStyle = "WS_EX_X";
  EXPECT_EQ(DuplicateSelected(model), 3);
  EXPECT_EQ(Ids(), "10 20 IDOK -1 11 1 0");
  EXPECT_TRUE(model.modified);
  const DialogItem& copy = model.items[4];
  EXPECT_EQ(copy.text, "item 10");
  EXPECT_TRUE(copy.bareText);
  EXPECT_EQ(copy.extendedStyle, "WS_EX_X");
  EXPECT_EQ(copy.className, "BUTTON");
  EXPECT_EQ(copy.style, "BS_PUSHBUTTON");
  EXPECT_EQ(copy.rect.x, 30);
  EXPECT_EQ(copy.rect.y, 40);
  EXPECT_EQ(copy.rect.width, 40);
  EXPECT_FALSE(copy.asRead.known);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(model.items[i].flags, 0u) << i;
  EXPECT_EQ(model.items[4].flags, kItemSelected);
  EXPECT_EQ(model.items[5].flags, kItemSelected);
  EXPECT_EQ(model.items[6].flags, kItemSelected | kItemCurrent);  // topmost selected
}

TEST_F(DialogModelTest, DuplicateWithNothingSelectedChangesNothing) {
  Add("1");
  EXPECT_EQ(DuplicateSelected(model), 0);
  EXPECT_EQ(model.items.size(), 1u);
  EXPECT_FALSE(model.modified);
  EXPECT_EQ(IdValue("2147483647999"), 2147483647);  // huge IDs do not overflow
  Add("99999999999999", kItemSelected);
  DuplicateSelected(model);
  EXPECT_EQ(model.items.back().id, "2147483648");
}

TEST_F(DialogModelTest, DeleteRemovesSelectedItems) {
  Add("1", kItemSelected);
  Add("2");
  Add("3", kItemSelected);
  EXPECT_EQ(DeleteSelected(model), 2);
  EXPECT_EQ(Ids(), "2");
  EXPECT_TRUE(model.modified);
  model.modified = false;
  EXPECT_EQ(DeleteSelected(model), 0);
  EXPECT_FALSE(model.modified);
}

TEST_F(DialogModelTest, OrderChanges) {
  for (const char* id : {"a", "b", "c", "d"}) Add(id);
  EXPECT_EQ(ChangeOrder(model, 1, OrderChange::Up), 3u);
  EXPECT_EQ(Ids(), "a c d b");
  EXPECT_EQ(ChangeOrder(model, 0, OrderChange::StepUp), 1u);
  EXPECT_EQ(Ids(), "c a d b");
  EXPECT_EQ(ChangeOrder(model, 2, OrderChange::StepDown), 1u);
  EXPECT_EQ(Ids(), "c d a b");
  EXPECT_EQ(ChangeOrder(model, 3, OrderChange::Down), 0u);
  EXPECT_EQ(Ids(), "b c d a");
  EXPECT_TRUE(model.modified);
}

TEST_F(DialogModelTest, OrderChangesAtTheEndsChangeNothing) {
  for (const char* id : {"a", "b", "c"}) Add(id);
  EXPECT_EQ(ChangeOrder(model, 2, OrderChange::Up), 2u);
  EXPECT_EQ(ChangeOrder(model, 2, OrderChange::StepUp), 2u);
  EXPECT_EQ(ChangeOrder(model, 0, OrderChange::StepDown), 0u);  // never below the frame
  EXPECT_EQ(ChangeOrder(model, 0, OrderChange::Down), 0u);
  EXPECT_EQ(ChangeOrder(model, 7, OrderChange::Up), 7u);
  EXPECT_EQ(Ids(), "a b c");
  EXPECT_FALSE(model.modified);
}

TEST_F(DialogModelTest, MovingTheFrameMovesEveryItem) {
  Add("1", kItemSelected | kItemCurrent);
  MoveFrame(model, 0, 0);
  EXPECT_FALSE(model.modified);
  MoveFrame(model, -5, 12);
  EXPECT_EQ(model.frame.rect.x, 5);
  EXPECT_EQ(model.frame.rect.y, 32);
  EXPECT_EQ(model.items[0].rect.x, 15);
  EXPECT_EQ(model.items[0].rect.y, 42);
  EXPECT_TRUE(model.modified);
  ClearItemFlags(model);
  EXPECT_EQ(model.items[0].flags, 0u);
}

}  // namespace
}  // namespace dlgedit
