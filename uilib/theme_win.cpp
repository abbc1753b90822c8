// Themes: the colour sets, the brushes and fonts drawn with them, and the colour answers to controls.
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <cstring>
#include <map>

namespace dravon {
namespace {

// Dark: the colours the IDE's windows use around it (frame 0x1E1E1E, lists 25/25/25, selection
// 80/120/180, text 190..200).
const Theme kDarkTheme = {
    RGB(30, 30, 30),    // windowBack
    RGB(45, 45, 48),    // dialogBack
    RGB(52, 52, 56),    // toolBack
    RGB(200, 200, 200), // text
    RGB(150, 150, 150), // dimText
    RGB(105, 105, 105), // disabledText
    RGB(25, 25, 25),    // controlBack
    RGB(215, 215, 215), // controlText
    RGB(85, 85, 90),    // controlBorder
    RGB(80, 120, 180),  // selectionBack
    RGB(250, 250, 250), // selectionText
    RGB(58, 62, 72),    // captionBack
    RGB(235, 235, 235), // captionText
    RGB(40, 40, 42),    // captionInactiveBack
    RGB(140, 140, 140), // captionInactiveText
    RGB(75, 75, 80),    // frameLight
    RGB(12, 12, 12),    // frameDark
    RGB(62, 62, 66),    // buttonFace
    RGB(78, 78, 84),    // buttonHot
    RGB(38, 38, 40),    // buttonPressed
    RGB(100, 100, 106), // buttonBorder
    RGB(225, 225, 225), // buttonText
    RGB(40, 40, 42),    // menuBarBack
    RGB(215, 215, 215), // menuBarText
    RGB(18, 18, 18),    // sliderTrack
    RGB(82, 82, 88),    // sliderThumb
    RGB(110, 110, 118), // sliderThumbActive
    RGB(160, 160, 160), // sliderArrow
    RGB(80, 120, 180),  // accent
};

const Theme kLightTheme = {
    RGB(240, 240, 240), RGB(236, 236, 236), RGB(228, 228, 232), RGB(0, 0, 0),       RGB(90, 90, 90),
    RGB(150, 150, 150), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(160, 160, 165), RGB(51, 120, 210),
    RGB(255, 255, 255), RGB(190, 205, 230), RGB(0, 0, 0),       RGB(220, 220, 224), RGB(110, 110, 110),
    RGB(200, 200, 204), RGB(120, 120, 124), RGB(225, 225, 228), RGB(235, 240, 250), RGB(195, 200, 210),
    RGB(150, 150, 156), RGB(0, 0, 0),       RGB(232, 232, 236), RGB(0, 0, 0),       RGB(215, 215, 218),
    RGB(170, 170, 176), RGB(130, 130, 138), RGB(80, 80, 80),    RGB(51, 120, 210),
};

struct ThemeObjects {
  const Theme* theme = &kDarkTheme;
  std::map<COLORREF, HBRUSH> brushes;
  HFONT fonts[4] = {};
};

// The process has one theme: windows of every host in the process are drawn alike.
ThemeObjects gTheme;

HFONT MakeFont(int height, int weight) {
  LOGFONTA lf = {};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(lf.lfFaceName, "Arial");
  return CreateFontIndirectA(&lf);
}

}  // namespace

const Theme& CurrentTheme() { return *gTheme.theme; }

HBRUSH SolidBrush(COLORREF colour) {
  auto found = gTheme.brushes.find(colour);
  if (found != gTheme.brushes.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(colour);
  if (!brush) return static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
  try {
    gTheme.brushes.emplace(colour, brush);
  } catch (...) {
    DeleteObject(brush);
    return static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
  }
  return brush;
}

HFONT ThemeFont(FontRole role) {
  int index = static_cast<int>(role);
  if (!gTheme.fonts[index]) {
    switch (role) {
      case FontRole::Normal: gTheme.fonts[index] = MakeFont(-12, FW_NORMAL); break;
      case FontRole::Bold: gTheme.fonts[index] = MakeFont(-12, FW_BOLD); break;
      case FontRole::Caption: gTheme.fonts[index] = MakeFont(-11, FW_BOLD); break;
      case FontRole::Small: gTheme.fonts[index] = MakeFont(-10, FW_NORMAL); break;
    }
  }
  return gTheme.fonts[index] ? gTheme.fonts[index] : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool CreateThemeObjects() {
  for (int i = 0; i < 4; ++i) ThemeFont(static_cast<FontRole>(i));
  return true;
}

void DeleteThemeObjects() {
  for (auto& entry : gTheme.brushes) DeleteObject(entry.second);
  gTheme.brushes.clear();
  for (HFONT& font : gTheme.fonts) {
    if (font) DeleteObject(font);
    font = nullptr;
  }
}

bool IsSystemDefaultBrush(HBRUSH brush) {
  if (!brush) return true;
  static const int kColours[] = {COLOR_WINDOW, COLOR_3DFACE, COLOR_BTNFACE, COLOR_SCROLLBAR};
  for (int colour : kColours) {
    if (brush == GetSysColorBrush(colour)) return true;
  }
  return false;
}

HBRUSH ThemeControlColours(UINT colourMessage, HDC dc, COLORREF background) {
  const Theme& t = CurrentTheme();
  COLORREF back = background;
  COLORREF text = t.text;
  if (colourMessage == WM_CTLCOLOREDIT || colourMessage == WM_CTLCOLORLISTBOX) {
    back = t.controlBack;
    text = t.controlText;
  }
  SetTextColor(dc, text);
  SetBkColor(dc, back);
  return SolidBrush(back);
}

HBRUSH ParentOrThemeColours(HWND control, HDC dc, UINT colourMessage, COLORREF back, COLORREF text) {
  HWND parent = GetParent(control);
  HBRUSH brush = nullptr;
  if (parent) {
    brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, colourMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  }
  if (!IsSystemDefaultBrush(brush)) return brush;
  SetTextColor(dc, text);
  SetBkColor(dc, back);
  return SolidBrush(back);
}

}  // namespace dravon

extern "C" DRAVON_API BOOL __cdecl SetDravonTheme(const char* name) {
  if (!name) return FALSE;
  char cut[31];
  std::size_t length = strnlen(name, sizeof cut - 1);
  std::memcpy(cut, name, length);
  cut[length] = '\0';
  if (lstrcmpiA(cut, "Dark") == 0) {
    dravon::gTheme.theme = &dravon::kDarkTheme;
    return TRUE;
  }
  if (lstrcmpiA(cut, "Light") == 0) {
    dravon::gTheme.theme = &dravon::kLightTheme;
    return TRUE;
  }
  return FALSE;
}
