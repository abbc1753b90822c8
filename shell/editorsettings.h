// The editor settings of section "Editor": font, tabs and the colour set, and the current copy of them.
//
// `ReadEditorSettings` reads every editor key with its default and makes the result the current
// settings, replaced as a whole. What needs a window is left to the caller: measuring the tab width
// (a passed-in function), making the font and the background brush from the current settings,
// handing the colour set to the keyword tables, and telling open editor windows.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "shell/settingsvalues.h"

namespace settings {

// Longest face name a font request holds (terminator included); longer names are cut.
constexpr std::size_t kFaceCapacity = 32;

struct FontDescription {
  int height = -13;  // negative: character height in pixels, as the font request takes it
  int weight = 400;  // 700 bold
  bool italic = false;
  std::string face = "Courier New";  // at most kFaceCapacity - 1 characters
};

// The colour set, in the order the editor's drawing indexes it.
enum ColourSlot {
  kColourBack,
  kColourNormal,
  kColourSelect,
  kColourComment,
  kColourPreprocessor,
  kColourString,
  kColourType,
  kColourKeyword,
  kColourPrivate,
  kColourSlotCount
};
using ColourSet = std::array<Colour, kColourSlotCount>;

struct EditorSettings {
  FontDescription font;
  bool spaceTabs = true;  // the Tab key inserts spaces
  int tabColumns = 8;     // tab width in characters, 1 to 26
  int tabPixels = 0;      // tab width in pixels in the editor font
  ColourSet colours{};
};

// Width in pixels of `text` drawn in the described font.
using TextWidthFunction = std::function<int(const FontDescription& font, const std::string& text)>;

// Pixels per character when no measuring function is given.
constexpr int kFallbackCharPixels = 8;

// The letters whose width in the editor font gives the tab width in pixels: the first tabColumns.
constexpr char kTabMeasureLetters[] = "QWERTZUIOPASDFGHJKLYXCVBNM";

// Reads the editor keys of `file` over `previous` (which gives only the space-tabs setting: a
// SpaceTabs value starting with neither "0" nor "1" keeps it). Every other value comes from the file
// or the key table's default. `hasFont` (may be null) gets whether the file holds a non-empty "Font".
EditorSettings LoadEditorSettings(const std::string& file, const EditorSettings& previous,
                                  const TextWidthFunction& measure, bool* hasFont);

// Reads the editor settings of `file` and makes them current. Returns 1 when the file holds a
// non-empty "Font" key, else 0; the settings become current in either case.
int ReadEditorSettings(const std::string& file, const TextWidthFunction& measure);

// When a project is opened: the project settings file's editor settings, or the global file's when
// the project file has no "Font" key. Returns 1 when the project file's were used, 0 otherwise.
int ReadProjectEditorSettings(const std::string& projectFile, const std::string& globalFile,
                              const TextWidthFunction& measure);

// The current editor settings (the defaults until the first read).
const EditorSettings& CurrentEditorSettings();

// Writes every editor key but SpaceTabs, which no dialog sets. False when a write failed.
bool WriteEditorSettings(const std::string& file, const EditorSettings& values);

}  // namespace settings
