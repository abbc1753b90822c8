// Reading, writing and keeping the editor settings.
#include "shell/editorsettings.h"

#include <climits>

#include "shell/settingsfile.h"
#include "shell/settingskeys.h"

namespace settings {
namespace {

EditorSettings& Current() {
  static EditorSettings current = LoadEditorSettings(std::string(), EditorSettings(), nullptr, nullptr);
  return current;
}

Colour ReadColour(const std::string& file, const KeySpec& keySpec) { return ParseColour(ReadKey(file, keySpec)); }

}  // namespace

EditorSettings LoadEditorSettings(const std::string& file, const EditorSettings& previous,
                                  const TextWidthFunction& measure, bool* hasFont) {
  EditorSettings s;
  std::string fontKey = ReadText(file, kEditorFont.section, kEditorFont.key, "", kEditorFont.capacity);
  if (hasFont) *hasFont = !fontKey.empty();

  s.font = FontDescription();
  s.font.weight = ReadKey(file, kEditorFontBold) == "1" ? 700 : 400;
  s.font.italic = ReadKey(file, kEditorFontItalic) == "1";
  int size = ReadKeyInteger(file, kEditorFontSize);
  s.font.height = size == INT_MIN ? INT_MAX : -size;
  s.font.face = ReadKey(file, kEditorFont);
  if (s.font.face.size() > kFaceCapacity - 1) s.font.face.erase(kFaceCapacity - 1);

  std::string spaceTabs = ReadKey(file, kEditorSpaceTabs);
  s.spaceTabs = previous.spaceTabs;
  if (!spaceTabs.empty() && spaceTabs[0] == '0') s.spaceTabs = false;
  if (!spaceTabs.empty() && spaceTabs[0] == '1') s.spaceTabs = true;

  // A width of 0 or less would give tab stops that never advance.
  int columns = ReadKeyInteger(file, kEditorTabs);
  if (columns > kMaxTabColumns) columns = kMaxTabColumns;
  if (columns < 1) columns = 1;
  s.tabColumns = columns;
  s.tabPixels = measure ? measure(s.font, std::string(kTabMeasureLetters, static_cast<std::size_t>(columns)))
                        : columns * kFallbackCharPixels;

  s.colours[kColourBack] = ReadColour(file, kEditorColorBack);
  s.colours[kColourNormal] = ReadColour(file, kEditorColorNormal);
  s.colours[kColourSelect] = ReadColour(file, kEditorColorSelect);
  s.colours[kColourComment] = ReadColour(file, kEditorColorComment);
  s.colours[kColourPreprocessor] = ReadColour(file, kEditorColorPP);
  s.colours[kColourString] = ReadColour(file, kEditorColorString);
  s.colours[kColourType] = ReadColour(file, kEditorColorType);
  s.colours[kColourKeyword] = ReadColour(file, kEditorColorKeyword);
  s.colours[kColourPrivate] = ReadColour(file, kEditorColorPrivate);
  return s;
}

int ReadEditorSettings(const std::string& file, const TextWidthFunction& measure) {
  bool hasFont = false;
  EditorSettings next = LoadEditorSettings(file, Current(), measure, &hasFont);
  Current() = std::move(next);
  return hasFont ? 1 : 0;
}

int ReadProjectEditorSettings(const std::string& projectFile, const std::string& globalFile,
                              const TextWidthFunction& measure) {
  if (ReadEditorSettings(projectFile, measure)) return 1;
  ReadEditorSettings(globalFile, measure);
  return 0;
}

const EditorSettings& CurrentEditorSettings() { return Current(); }

bool WriteEditorSettings(const std::string& file, const EditorSettings& values) {
  bool ok = true;
  ok &= WriteKey(file, kEditorFont, values.font.face);
  ok &= WriteKey(file, kEditorFontSize, std::to_string(-static_cast<long long>(values.font.height)));
  ok &= WriteKey(file, kEditorFontBold, values.font.weight >= 700 ? "1" : "0");
  ok &= WriteKey(file, kEditorFontItalic, values.font.italic ? "1" : "0");
  ok &= WriteKey(file, kEditorTabs, std::to_string(values.tabColumns));
  ok &= WriteKey(file, kEditorColorNormal, FormatColour(values.colours[kColourNormal]));
  ok &= WriteKey(file, kEditorColorBack, FormatColour(values.colours[kColourBack]));
  ok &= WriteKey(file, kEditorColorSelect, FormatColour(values.colours[kColourSelect]));
  ok &= WriteKey(file, kEditorColorComment, FormatColour(values.colours[kColourComment]));
  ok &= WriteKey(file, kEditorColorPP, FormatColour(values.colours[kColourPreprocessor]));
  ok &= WriteKey(file, kEditorColorString, FormatColour(values.colours[kColourString]));
  ok &= WriteKey(file, kEditorColorKeyword, FormatColour(values.colours[kColourKeyword]));
  ok &= WriteKey(file, kEditorColorType, FormatColour(values.colours[kColourType]));
  ok &= WriteKey(file, kEditorColorPrivate, FormatColour(values.colours[kColourPrivate]));
  return ok;
}

}  // namespace settings
