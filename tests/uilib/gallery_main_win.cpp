// dravon_gallery.exe: shows the gallery window in the dark theme until it is closed. With the argument
// "warnbox" a warning box opens over it; with "menu" the File menu of its menu bar opens; with
// "screenshot" the program ends by itself after a minute.
#include <windows.h>

#include <cstring>
#include <string>

#include "gallery_win.h"
#include "uilib/dravon.h"

namespace {

void CALLBACK EndGallery(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  InitDravon(instance);
  SetDravonTheme("Dark");
  char folder[MAX_PATH];
  GetWindowsDirectoryA(folder, sizeof folder);
  HWND window = gallery::CreateGallery(instance, 30, 30, folder, true);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  std::string mode = commandLine ? commandLine : "";
  if (mode.find("screenshot") != std::string::npos) {
    SetTimer(nullptr, 0, 60000, EndGallery);
  }
  if (mode.find("warnbox") != std::string::npos) {
    CreateWarnBox(window, "Save changes to\r\nC:\\Work\\Projects\\demo\\main.c ?", "Save changes...",
                  MB_YESNOCANCEL | MB_ICONQUESTION);
  } else if (mode.find("menu") != std::string::npos) {
    PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  ExitDravon(instance);
  return 0;
}
