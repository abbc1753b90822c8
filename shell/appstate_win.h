// The program-wide values of the IDE: its title, the windows the frame knows, the menus, brushes and
// fonts made at start-up, and the keyboard state of the message loop.
//
// One instance for the process (App()), used by the user-interface thread only. Window handles are
// borrowed records of windows that own themselves: each is empty while its window does not exist,
// and the window clears its own record when it is destroyed. The GDI objects, menus and the icon
// are owned here: made by CreateSharedResources, deleted by DeleteSharedResources.
#pragma once

#include <windows.h>

#include <string>

#include "shell/keyfilter.h"

namespace shell {

constexpr char kProgramName[] = "Orvantel";
constexpr char kVersion[] = "2.52";
constexpr char kVersionDate[] = "2017/12/18";

// "Orvantel 2.52": title of the task window, the frame, message boxes, first console line.
std::string MakeProgramTitle();
// "Version 2.52 - 2017/12/18": the About box and the second console line.
std::string MakeVersionText();

// The seven interface fonts, by use.
enum FontSlot {
  kFontEditor,         // "Courier New" -13, replaced by the editor settings
  kFontBoldFixed,      // "Courier New" -13 bold
  kFontSmallBold,      // "Small Fonts" -9 bold
  kFontInterface,      // "Arial" -11
  kFontBoldInterface,  // "Arial" -11 bold
  kFontSmall,          // "Small Fonts" -9
  kFontTitle,          // "Arial" -13 bold: the busy box's title line
  kFontCount
};

// The brushes: three of system colours and the editor background.
enum BrushSlot {
  kBrushButtonFace,       // system colour 15
  kBrushButtonShadow,     // system colour 16
  kBrushButtonHighlight,  // system colour 20
  kBrushEditorBack,       // 0xBFBFBF until the editor settings give the background colour
  kBrushCount
};

struct AppState {
  HINSTANCE instance = nullptr;
  std::string title;
  std::string versionText;
  std::string commandLineFile;  // first argument, one pair of enclosing quotes removed

  HWND taskWindow = nullptr;
  HWND frame = nullptr;
  HWND projectWindow = nullptr;
  HWND console = nullptr;
  HWND resEdit = nullptr;
  HWND activeChild = nullptr;  // the frame's child that was active last; commands go to it
  HWND menuBar = nullptr;      // borrowed: a child of the frame
  HWND nextClipboardViewer = nullptr;

  HMENU contextMenus = nullptr;  // resource "MENU"
  HMENU mainMenu = nullptr;      // resource "APPL"
  HMENU systemMenus = nullptr;   // resource "SYSTEM"
  HICON icon = nullptr;          // icon "APPL"
  HBRUSH brushes[kBrushCount] = {};
  HFONT fonts[kFontCount] = {};

  KeyFlags keys;        // Control, Shift and Alt as the message loop saw them
  bool inMenu = false;  // a menu of the frame is open
};

AppState& App();

// Start-up step 9: brushes, the three menus, the icon and the fonts. False when a menu or the icon
// is missing from the resources (the program cannot work without them); whatever was made is kept
// for DeleteSharedResources.
bool CreateSharedResources();
// Shutdown: deletes the brushes, the icon, the fonts and the menus.
void DeleteSharedResources();

// Makes the editor font and the editor background brush from the current editor settings,
// deleting the old ones.
void ApplyEditorFontAndBrush();

// The active child, or null when none (or when its window has gone).
HWND ActiveChild();
// True when `window` is the frame or no window.
bool IsFrameOrNone(HWND window);

}  // namespace shell
