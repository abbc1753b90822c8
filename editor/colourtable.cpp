// The colour table: its initial values and its reading from the "Editor" section.
#include "editor/colourtable.h"

#include "shell/settingskeys.h"

namespace editor {

namespace {

// In slot order.
const settings::KeySpec* const kColourKeys[kColourSlots] = {
    &settings::kEditorColorBack,    &settings::kEditorColorNormal,  &settings::kEditorColorSelect,
    &settings::kEditorColorComment, &settings::kEditorColorPP,      &settings::kEditorColorString,
    &settings::kEditorColorType,    &settings::kEditorColorKeyword, &settings::kEditorColorPrivate,
};

}  // namespace

ColourTable InitialColourTable() {
  return {0x7F7F7F, 0x000000, 0xBFFF7F, 0x808080, 0x007F00, 0xA08000, 0xBF0000, 0x0000BF, 0x00A0FF};
}

ColourTable ReadColourTable(const std::string& settingsFile) {
  ColourTable table{};
  for (int slot = 0; slot < kColourSlots; ++slot) {
    table[slot] = settings::ParseColour(settings::ReadKey(settingsFile, *kColourKeys[slot]));
  }
  return table;
}

const char* ColourKey(int slot) {
  if (slot < 0 || slot >= kColourSlots) return "";
  return kColourKeys[slot]->key;
}

}  // namespace editor
