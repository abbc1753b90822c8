// Loading dravon.dll and folvex.dll by name and resolving the UI library's operations.
#include "shell/dravonapi_win.h"

namespace shell {
namespace {

HMODULE gDravon = nullptr;
HMODULE gFolvex = nullptr;
DravonApi gApi;

template <typename Pointer>
bool Resolve(HMODULE module, const char* name, Pointer& slot) {
  slot = reinterpret_cast<Pointer>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return slot != nullptr;
}

bool ResolveAll(HMODULE m, DravonApi& api) {
  bool ok = true;
  ok &= Resolve(m, "InitDravon", api.InitDravon);
  ok &= Resolve(m, "ExitDravon", api.ExitDravon);
  ok &= Resolve(m, "SetDravonTheme", api.SetDravonTheme);
  ok &= Resolve(m, "CreateDravonTaskWindow", api.CreateDravonTaskWindow);
  ok &= Resolve(m, "DestroyDravonTaskWindow", api.DestroyDravonTaskWindow);
  ok &= Resolve(m, "DravonWindowProc", api.DravonWindowProc);
  ok &= Resolve(m, "GetDravonWindowProcResult", api.GetDravonWindowProcResult);
  ok &= Resolve(m, "DravonTaskProc", api.DravonTaskProc);
  ok &= Resolve(m, "GetDravonTaskProcResult", api.GetDravonTaskProcResult);
  ok &= Resolve(m, "DravonDialogProc", api.DravonDialogProc);
  ok &= Resolve(m, "DravonToolDialogProc", api.DravonToolDialogProc);
  ok &= Resolve(m, "DravonSmallDialogProc", api.DravonSmallDialogProc);
  ok &= Resolve(m, "DravonSmallProc", api.DravonSmallProc);
  ok &= Resolve(m, "CreateMenuBar", api.CreateMenuBar);
  ok &= Resolve(m, "DravonCaptionSize", api.DravonCaptionSize);
  ok &= Resolve(m, "DravonFrameSize", api.DravonFrameSize);
  ok &= Resolve(m, "DravonMenuSize", api.DravonMenuSize);
  ok &= Resolve(m, "FileOpenBox", api.FileOpenBox);
  ok &= Resolve(m, "FileSaveBox", api.FileSaveBox);
  ok &= Resolve(m, "BrowseFolder", api.BrowseFolder);
  ok &= Resolve(m, "CreateWarnBox", api.CreateWarnBox);
  ok &= Resolve(m, "ShowPopupMenu", api.ShowPopupMenu);
  ok &= Resolve(m, "ShowPopupWindow", api.ShowPopupWindow);
  ok &= Resolve(m, "CenterDialog", api.CenterDialog);
  ok &= Resolve(m, "SetSliderRange", api.SetSliderRange);
  ok &= Resolve(m, "SetSliderPos", api.SetSliderPos);
  ok &= Resolve(m, "SetSliderRatio", api.SetSliderRatio);
  return ok;
}

}  // namespace

bool LoadDravonLibrary() {
  if (gDravon) return true;
  HMODULE module = LoadLibraryA("dravon.dll");
  if (!module) return false;
  DravonApi api;
  if (!ResolveAll(module, api)) {
    FreeLibrary(module);
    return false;
  }
  gApi = api;
  gDravon = module;
  return true;
}

void UnloadDravonLibrary() {
  if (!gDravon) return;
  gApi = DravonApi();
  FreeLibrary(gDravon);
  gDravon = nullptr;
}

bool DravonLoaded() { return gDravon != nullptr; }

const DravonApi& Dv() { return gApi; }

bool LoadFolvexLibrary() {
  if (!gFolvex) gFolvex = LoadLibraryA("folvex.dll");
  return gFolvex != nullptr;
}

void UnloadFolvexLibrary() {
  if (!gFolvex) return;
  FreeLibrary(gFolvex);
  gFolvex = nullptr;
}

bool FolvexLoaded() { return gFolvex != nullptr; }

}  // namespace shell
