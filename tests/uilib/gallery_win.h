// The gallery: one window in the dark theme holding every control class of dravon.dll. The window
// tests drive it by messages; dravon_gallery.exe shows it for a screenshot.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace gallery {

// Control ids of the gallery window.
enum ControlId : int {
  kMenuBar = 99,
  kText = 101,
  kFrame = 102,
  kOkButton = 103,
  kCancelButton = 104,
  kMenuButton = 105,
  kMessageCheck = 106,
  kSearchCheck = 107,
  kChecker = 108,
  kRadioDebug = 109,
  kRadioRelease = 110,
  kSingleEdit = 111,
  kNumberEdit = 112,
  kMultiEdit = 113,
  kScrollList = 114,
  kCombo = 115,
  kPicture = 116,
  kDirList = 117,
  kColourSelect = 118,
  kPie = 119,
  kFolderList = 120,
  kHSlider = 121,
  kVSlider = 122,
  kStatusText = 123,
  kSizeGrip = 124,
  kFolderButton = 125,
};

// Menu commands of the gallery's menu bar.
enum MenuCommand : int { kNewCommand = 201, kOpenCommand = 202, kExitCommand = 203, kCutCommand = 211, kCopyCommand = 212, kAboutCommand = 231 };

// The chrome style the gallery passes to DravonWindowProc.
constexpr DWORD kGalleryStyle = WS_POPUP | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// One message the gallery window received (the notifications a parent gets).
struct Logged {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Registers the gallery class (once) and creates the window with all its controls at (x, y).
// `folder` is shown by the folder and directory lists. With `quitOnDestroy` destroying the window
// ends the message loop.
HWND CreateGallery(HINSTANCE instance, int x, int y, const std::string& folder, bool quitOnDestroy);

// The notifications the gallery received since the last ClearLog.
const std::vector<Logged>& Log();
void ClearLog();

// The gallery's menu (owned by the gallery window).
HMENU GalleryMenu(HWND galleryWindow);

}  // namespace gallery
