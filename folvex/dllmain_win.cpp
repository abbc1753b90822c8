// folvex.dll's entry point: the class and the UI library come with the library and go with it.
#include "folvex/control_win.h"

// On a process's exit (reserved != NULL) the system takes everything down itself; the UI library
// may already be gone then, so it is neither called nor freed. On FreeLibrary everything is undone.
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(self);
      if (!folvex::RegisterControlClass(self)) return FALSE;
      folvex::LoadUiLibrary(self);
      return TRUE;
    case DLL_PROCESS_DETACH:
      if (reserved == nullptr) {
        folvex::UnregisterControlClass(self);
        folvex::FreeUiLibrary(self);
      }
      return TRUE;
    default:
      return TRUE;
  }
}
