// Orvantel.exe: the program entry.
#include <windows.h>

#include "shell/startup_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  return shell::RunProgram(instance, commandLine);
}
