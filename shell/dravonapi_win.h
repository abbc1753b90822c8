// The program's link to dravon.dll and folvex.dll: both are loaded by name at start-up, never through
// an import library, so that a missing library is reported in a box instead of by the system loader.
//
// Every operation of dravon.dll the program calls is resolved once into the table below; the rest of
// the program calls through Dv(). The table is filled completely or not at all: a library that
// lacks one of the operations counts as missing.
#pragma once

#include <windows.h>

#include "uilib/dravon.h"

namespace shell {

struct DravonApi {
  decltype(&::InitDravon) InitDravon = nullptr;
  decltype(&::ExitDravon) ExitDravon = nullptr;
  decltype(&::SetDravonTheme) SetDravonTheme = nullptr;
  decltype(&::CreateDravonTaskWindow) CreateDravonTaskWindow = nullptr;
  decltype(&::DestroyDravonTaskWindow) DestroyDravonTaskWindow = nullptr;
  decltype(&::DravonWindowProc) DravonWindowProc = nullptr;
  decltype(&::GetDravonWindowProcResult) GetDravonWindowProcResult = nullptr;
  decltype(&::DravonTaskProc) DravonTaskProc = nullptr;
  decltype(&::GetDravonTaskProcResult) GetDravonTaskProcResult = nullptr;
  decltype(&::DravonDialogProc) DravonDialogProc = nullptr;
  decltype(&::DravonToolDialogProc) DravonToolDialogProc = nullptr;
  decltype(&::DravonSmallDialogProc) DravonSmallDialogProc = nullptr;
  decltype(&::DravonSmallProc) DravonSmallProc = nullptr;
  decltype(&::CreateMenuBar) CreateMenuBar = nullptr;
  decltype(&::DravonCaptionSize) DravonCaptionSize = nullptr;
  decltype(&::DravonFrameSize) DravonFrameSize = nullptr;
  decltype(&::DravonMenuSize) DravonMenuSize = nullptr;
  decltype(&::FileOpenBox) FileOpenBox = nullptr;
  decltype(&::FileSaveBox) FileSaveBox = nullptr;
  decltype(&::BrowseFolder) BrowseFolder = nullptr;
  decltype(&::CreateWarnBox) CreateWarnBox = nullptr;
  decltype(&::ShowPopupMenu) ShowPopupMenu = nullptr;
  decltype(&::ShowPopupWindow) ShowPopupWindow = nullptr;
  decltype(&::CenterDialog) CenterDialog = nullptr;
  decltype(&::SetSliderRange) SetSliderRange = nullptr;
  decltype(&::SetSliderPos) SetSliderPos = nullptr;
  decltype(&::SetSliderRatio) SetSliderRatio = nullptr;
};

// Loads "dravon.dll" and resolves every operation. False (and nothing kept loaded) when the library
// cannot be loaded or lacks an operation. A second call while loaded returns true at once.
bool LoadDravonLibrary();
// Releases the library and empties the table.
void UnloadDravonLibrary();
bool DravonLoaded();

// The table. Only valid while DravonLoaded(); every pointer is then set.
const DravonApi& Dv();

// Loads "folvex.dll", which registers the editing control's window class "Folvex" while it is loaded.
bool LoadFolvexLibrary();
void UnloadFolvexLibrary();
bool FolvexLoaded();

}  // namespace shell
