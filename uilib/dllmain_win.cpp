// The library's entry: its module handle, InitDravon / ExitDravon and the layout sizes.
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

namespace dravon {
namespace {

HINSTANCE gModule = nullptr;
// InitDravon calls not yet matched by ExitDravon: the IDE and folvex both initialise the library.
int gInitCount = 0;

struct Registration {
  bool (*registerClasses)();
  void (*unregisterClasses)();
};

const Registration kRegistrations[] = {
    {RegisterChromeClasses, UnregisterChromeClasses}, {RegisterStaticControls, UnregisterStaticControls},
    {RegisterButtonControls, UnregisterButtonControls}, {RegisterSliderControls, UnregisterSliderControls},
    {RegisterEditControls, UnregisterEditControls},     {RegisterListControls, UnregisterListControls},
    {RegisterComboControl, UnregisterComboControl},     {RegisterFolderList, UnregisterFolderList},
    {RegisterColourControls, UnregisterColourControls}, {RegisterMenuBar, UnregisterMenuBar},
    {RegisterPopupWindow, UnregisterPopupWindow},
};

void UnregisterAll() {
  for (const Registration& r : kRegistrations) r.unregisterClasses();
}

}  // namespace

HINSTANCE Module() { return gModule; }

}  // namespace dravon

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    dravon::gModule = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    dravon::DeleteThemeObjects();
  }
  return TRUE;
}

extern "C" DRAVON_API BOOL __cdecl InitDravon(HINSTANCE) {
  using namespace dravon;
  if (gInitCount > 0) {
    ++gInitCount;
    return TRUE;
  }
  try {
    CreateThemeObjects();
    for (const Registration& r : kRegistrations) {
      if (!r.registerClasses()) {
        UnregisterAll();
        return FALSE;
      }
    }
  } catch (...) {
    UnregisterAll();
    return FALSE;
  }
  gInitCount = 1;
  return TRUE;
}

extern "C" DRAVON_API BOOL __cdecl ExitDravon(HINSTANCE) {
  using namespace dravon;
  if (gInitCount <= 0) return TRUE;
  if (--gInitCount == 0) UnregisterAll();
  return TRUE;
}

extern "C" DRAVON_API int __cdecl DravonCaptionSize(void) { return dravon::kCaptionSize; }
extern "C" DRAVON_API int __cdecl DravonFrameSize(void) { return dravon::kFrameSize; }
extern "C" DRAVON_API int __cdecl DravonMenuSize(void) { return dravon::kMenuSize; }
