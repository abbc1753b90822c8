// The edits the dialog editor makes on a DIALOG statement's data.
#include "dlgedit/dialogmodel.h"

#include <climits>

#include "dlgedit/scriptscan.h"

namespace dlgedit {

namespace {

constexpr int kDuplicateOffset = 10;

bool Contains(const std::string& text, const char* what) { return text.find(what) != std::string::npos; }

// A template's size field: its value when it is a positive number, otherwise `fallback`.
int TemplateSize(const std::string& field, int fallback) {
  std::string_view trimmed = Trim(field);
  if (trimmed.empty() || trimmed[0] < '0' || trimmed[0] > '9') return fallback;
  int value = LeadingNumber(trimmed);
  return value > 0 ? value : fallback;
}

}  // namespace

bool HasCaptionBand(const DialogFrame& frame) {
  return Contains(frame.style, "WS_CAPTION") || !frame.caption.empty();
}

std::string StyleWithCaption(const std::string& style, const std::string& caption) {
  if (caption.empty() || Contains(style, "WS_CAPTION")) return style;
  if (style.empty()) return "WS_CAPTION";
  return style + " | WS_CAPTION";
}

PixelPoint ItemOrigin(const DialogFrame& frame) {
  return {frame.rect.x, frame.rect.y + (HasCaptionBand(frame) ? kCaptionBandPixels : 0)};
}

long long IdValue(const std::string& idText) {
  std::size_t pos = 0;
  while (pos < idText.size() && (IsBlank(idText[pos]) || IsLineBreak(idText[pos]))) ++pos;
  bool negative = false;
  if (pos < idText.size() && (idText[pos] == '-' || idText[pos] == '+')) {
    negative = idText[pos] == '-';
    ++pos;
  }
  long long value = 0;
  while (pos < idText.size() && idText[pos] >= '0' && idText[pos] <= '9') {
    if (value < INT_MAX) value = value * 10 + (idText[pos] - '0');
    ++pos;
  }
  if (value > INT_MAX) value = INT_MAX;
  return negative ? -value : value;
}

NewItemResult AddNewItem(DialogModel& model, const std::string& templateText) {
  DialogItem item;
  item.id = "101";
  item.style = "WS_VISIBLE | WS_TABSTOP";
  item.rect = {10, 10, 100, 20};
  NewItemResult result;
  std::optional<std::vector<std::string>> fields;
  if (!Trim(templateText).empty()) fields = SplitFields(templateText);
  if (fields) {
    std::optional<TextField> className = ParseTextField((*fields)[0]);
    item.className = className ? className->text : (*fields)[0];
    if (fields->size() > 1) item.style = (*fields)[1];
    if (fields->size() > 2) item.rect.width = TemplateSize((*fields)[2], item.rect.width);
    if (fields->size() > 3) item.rect.height = TemplateSize((*fields)[3], item.rect.height);
    AssignDefaultId(item);
  } else {
    result.wantsProperties = true;
  }
  model.items.push_back(std::move(item));
  result.index = model.items.size() - 1;
  model.modified = true;
  return result;
}

void AssignDefaultId(DialogItem& item) {
  if (item.className == "STATIC") {
    item.id = "-1";
  } else if (item.className == "BUTTON" && Contains(item.style, "BS_DEFPUSHBUTTON")) {
    item.id = "1";
  }
}

int DuplicateSelected(DialogModel& model) {
  std::size_t count = model.items.size();
  int copies = 0;
  for (std::size_t i = 0; i < count; ++i) {
    DialogItem& source = model.items[i];
    if (!(source.flags & kItemSelected)) continue;
    source.flags &= ~(kItemSelected | kItemCurrent);
    DialogItem copy;
    copy.text = source.text;
    copy.bareText = source.bareText;
    copy.id = std::to_string(IdValue(source.id) + 1);
    copy.className = source.className;
    copy.style = source.style;
    copy.extendedStyle = source.extendedStyle;
    copy.rect = source.rect;
    copy.rect.x += kDuplicateOffset;
    copy.rect.y += kDuplicateOffset;
    copy.flags = kItemSelected;
    model.items.push_back(std::move(copy));  // `source` is not used past this point
    ++copies;
  }
  if (copies == 0) return 0;
  for (std::size_t i = model.items.size(); i-- > 0;) {
    if (model.items[i].flags & kItemSelected) {
      model.items[i].flags |= kItemCurrent;
      break;
    }
  }
  model.modified = true;
  return copies;
}

int DeleteSelected(DialogModel& model) {
  std::size_t before = model.items.size();
  std::vector<DialogItem> kept;
  kept.reserve(before);
  for (DialogItem& item : model.items) {
    if (!(item.flags & kItemSelected)) kept.push_back(std::move(item));
  }
  model.items = std::move(kept);
  int removed = static_cast<int>(before - model.items.size());
  if (removed > 0) model.modified = true;
  return removed;
}

std::size_t ChangeOrder(DialogModel& model, std::size_t index, OrderChange change) {
  std::vector<DialogItem>& items = model.items;
  if (index >= items.size()) return index;
  std::size_t target = index;
  switch (change) {
    case OrderChange::Up: target = items.size() - 1; break;
    case OrderChange::StepUp: target = index + 1 < items.size() ? index + 1 : index; break;
    case OrderChange::StepDown: target = index > 0 ? index - 1 : 0; break;
    case OrderChange::Down: target = 0; break;
  }
  if (target == index) return index;
  DialogItem moving = std::move(items[index]);
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(target), std::move(moving));
  model.modified = true;
  return target;
}

void ApplyDialogProperties(DialogModel& model, const DialogProperties& properties) {
  DialogFrame& frame = model.frame;
  bool bandBefore = HasCaptionBand(frame);
  frame.caption = properties.caption;
  frame.className = properties.className;
  frame.style = StyleWithCaption(properties.style, properties.caption);
  frame.font = properties.font;
  frame.menu = properties.menu;
  bool bandAfter = HasCaptionBand(frame);
  if (bandBefore != bandAfter) {
    int shift = bandAfter ? kCaptionBandPixels : -kCaptionBandPixels;
    frame.rect.height += shift;
    for (DialogItem& item : model.items) item.rect.y += shift;
  }
  model.modified = true;
}

void MoveFrame(DialogModel& model, int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  model.frame.rect.x += dx;
  model.frame.rect.y += dy;
  for (DialogItem& item : model.items) {
    item.rect.x += dx;
    item.rect.y += dy;
  }
  model.modified = true;
}

void ClearItemFlags(DialogModel& model) {
  for (DialogItem& item : model.items) item.flags &= ~(kItemSelected | kItemCurrent);
}

}  // namespace dlgedit
