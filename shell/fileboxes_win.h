// The three standard open-file-name records of the program, prepared once at start-up and reused:
// "Open File...", "Add File..." (several files) and "Save File...".
//
// Each record is the 76-byte form of the standard record and owns its buffers here; callers set the
// owner, the filters, the filter number, the initial folder and the file buffer's first text before
// handing a record to the UI library's FileOpenBox or FileSaveBox.
#pragma once

#include <windows.h>
#include <commdlg.h>

namespace shell {

constexpr int kOpenFileCapacity = 256;
constexpr int kOpenTitleCapacity = 32;
constexpr int kAddFileCapacity = 2048;
constexpr int kSaveFileCapacity = 256;

// Fills the three records (start-up step 9). The templates "FILEOPENBOX" and "FILESAVEBOX" come
// from the program's resources; the hooks keep their logo in place when the box is resized.
void PrepareFileBoxes(HINSTANCE instance);

OPENFILENAMEA& OpenFileRecord();
OPENFILENAMEA& AddFileRecord();
OPENFILENAMEA& SaveFileRecord();

// The filters of the frame's Open command, in label/pattern pairs.
extern const char kOpenFileFilters[];

// The hooks of the boxes: on every resize they move the logo picture (control 103) to
// (10, new height - 28), 120 x 22.
UINT_PTR CALLBACK FileOpenDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
UINT_PTR CALLBACK FileSaveDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
