// The frame's command table: what each command of the main menu, of the keyboard and of the other
// windows does.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// Carries out command `id` (the low word of the command message; `lParam` its second value).
// Unknown identifiers are ignored.
void OnFrameCommand(HWND frame, int id, LPARAM lParam);

// ---- Operations other windows use ----

// New File: asks for the name and opens the new file (a resource script in a resource editor, a
// source, header or text file in an editor window). Returns the new editor window, or null.
HWND NewFileOperation(HWND frame);

// Shows the console (command 6011): creates it with the two heading lines, or brings it to the top.
HWND ShowConsole(HWND frame);
// Adds a line to the console's output list when the console exists.
void ConsoleLine(const std::string& text);

// The project window of the given width (command 111: 280, command 114: 470), titled with the
// project path. Null when it could not be made.
HWND CreateProjectWindow(HWND frame, int width);

// The folder of the program file, without a trailing "\".
std::string ProgramFolder();

}  // namespace shell
