// The two small input-name dialogs: the name of a new file ("BINNAME") and of a folder ("SEPNAME").
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// The new-file dialog. It proposes the first free "<project><nn>.c" in the project folder and shows
// only its file name; on OK the typed name (at most 63 characters) is joined to the folder, and an
// existing file keeps the dialog open with "Filename already exist. Choose another name!" and a
// beep. True only for OK; `path` gets the full path then.
bool AskNewFileName(HWND owner, std::string& path);

// The folder-name dialog ("Enter a name for the Folder or choose Cancel to abort."), filled with
// `name`. True only for OK with a name that is not empty; `name` gets it (at most 127 characters).
bool AskFolderName(HWND owner, std::string& name);

// The dialog procedures: `InputFileDlgProc` for "BINNAME", `InputDlgProc` for "SEPNAME".
// Controls: 100 the text line, 101 the name, IDOK, IDCANCEL.
INT_PTR CALLBACK InputFileDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK InputDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
