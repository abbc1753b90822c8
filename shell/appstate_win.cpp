// The program-wide values and the shared GDI objects, menus and icon made at start-up.
#include "shell/appstate_win.h"

#include "shell/editorsettings.h"

namespace shell {
namespace {

AppState gApp;

struct FontSpec {
  const char* face;
  int height;
  int weight;
};

constexpr FontSpec kFontSpecs[kFontCount] = {
    {"Courier New", -13, FW_NORMAL}, {"Courier New", -13, FW_BOLD}, {"Small Fonts", -9, FW_BOLD},
    {"Arial", -11, FW_NORMAL},       {"Arial", -11, FW_BOLD},       {"Small Fonts", -9, FW_NORMAL},
    {"Arial", -13, FW_BOLD},
};

HFONT MakeFont(const char* face, int height, int weight, bool italic) {
  return CreateFontA(height, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face);
}

template <typename Handle>
void DeleteGdi(Handle& handle) {
  if (handle) DeleteObject(handle);
  handle = nullptr;
}

}  // namespace

std::string MakeProgramTitle() { return std::string(kProgramName) + " " + kVersion; }

std::string MakeVersionText() { return std::string("Version ") + kVersion + " - " + kVersionDate; }

AppState& App() { return gApp; }

bool CreateSharedResources() {
  AppState& app = App();
  app.brushes[kBrushButtonFace] = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  app.brushes[kBrushButtonShadow] = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
  app.brushes[kBrushButtonHighlight] = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
  app.brushes[kBrushEditorBack] = CreateSolidBrush(RGB(0xBF, 0xBF, 0xBF));

  app.contextMenus = LoadMenuA(app.instance, "MENU");
  app.mainMenu = LoadMenuA(app.instance, "APPL");
  app.systemMenus = LoadMenuA(app.instance, "SYSTEM");
  app.icon = LoadIconA(app.instance, "APPL");

  for (int i = 0; i < kFontCount; ++i) {
    app.fonts[i] = MakeFont(kFontSpecs[i].face, kFontSpecs[i].height, kFontSpecs[i].weight, false);
  }
  return app.contextMenus && app.mainMenu && app.systemMenus && app.icon;
}

void DeleteSharedResources() {
  AppState& app = App();
  for (HBRUSH& brush : app.brushes) DeleteGdi(brush);
  if (app.icon) DestroyIcon(app.icon);
  app.icon = nullptr;
  for (HFONT& font : app.fonts) DeleteGdi(font);
  // The menu bar only borrowed the main menu; it is gone with the frame by now.
  for (HMENU* menu : {&app.contextMenus, &app.mainMenu, &app.systemMenus}) {
    if (*menu) DestroyMenu(*menu);
    *menu = nullptr;
  }
}

void ApplyEditorFontAndBrush() {
  AppState& app = App();
  const settings::EditorSettings& current = settings::CurrentEditorSettings();
  HFONT font = MakeFont(current.font.face.c_str(), current.font.height, current.font.weight, current.font.italic);
  if (font) {
    DeleteGdi(app.fonts[kFontEditor]);
    app.fonts[kFontEditor] = font;
  }
  settings::Colour back = current.colours[settings::kColourBack];
  HBRUSH brush = CreateSolidBrush(RGB(settings::RedOf(back), settings::GreenOf(back), settings::BlueOf(back)));
  if (brush) {
    DeleteGdi(app.brushes[kBrushEditorBack]);
    app.brushes[kBrushEditorBack] = brush;
  }
}

HWND ActiveChild() {
  AppState& app = App();
  if (app.activeChild && !IsWindow(app.activeChild)) app.activeChild = nullptr;
  return app.activeChild;
}

bool IsFrameOrNone(HWND window) { return window == nullptr || window == App().frame; }

}  // namespace shell
