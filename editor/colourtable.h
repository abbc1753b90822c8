// The nine colours of the editor's rows and where each is stored in the settings.
#pragma once

#include <array>
#include <string>

#include "shell/editorsettings.h"
#include "shell/settingsvalues.h"

namespace editor {

using Colour = settings::Colour;

// Slots of the colour table. Slots 0 to 2 go to the editing control (background, text and
// selection); slots 1 and 3 to 8 colour the runs of a row.
enum ColourSlot : int {
  kSlotBackground = 0,
  kSlotText = 1,
  kSlotSelection = 2,
  kSlotComment = 3,
  kSlotPreprocessor = 4,
  kSlotString = 5,
  kSlotType = 6,
  kSlotKeyword = 7,
  kSlotPrivate = 8,
};
constexpr int kColourSlots = 9;

// The same table the editor settings hold, so the current settings' colours serve directly.
using ColourTable = settings::ColourSet;
static_assert(kColourSlots == static_cast<int>(settings::kColourSlotCount) &&
                  static_cast<int>(kSlotComment) == static_cast<int>(settings::kColourComment) &&
                  static_cast<int>(kSlotPrivate) == static_cast<int>(settings::kColourPrivate),
              "one slot order for the settings and the painter");

// The table as it stands before any settings were read.
ColourTable InitialColourTable();

// Reads the nine "Color..." keys of section "Editor" of a settings file, each with its own default
// text ("#BFBFBF", "#000000", ...). A missing or unreadable file gives the defaults.
ColourTable ReadColourTable(const std::string& settingsFile);

// The settings key of a slot ("ColorBack" ... "ColorPrivate"); empty for a slot out of range.
const char* ColourKey(int slot);

}  // namespace editor
