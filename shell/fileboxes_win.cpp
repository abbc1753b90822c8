// The program's open-file-name records and the hooks of their boxes.
#include "shell/fileboxes_win.h"

#include "resources/resource_ids.h"

namespace shell {
namespace {

// The record size of the form without the later extension fields.
constexpr DWORD kRecordSize = 76;
static_assert(kRecordSize <= sizeof(OPENFILENAMEA), "the short form is a prefix of the record");

struct FileBoxes {
  OPENFILENAMEA open = {};
  OPENFILENAMEA add = {};
  OPENFILENAMEA save = {};
  char openFile[kOpenFileCapacity] = {};
  char openTitle[kOpenTitleCapacity] = {};
  char addFile[kAddFileCapacity] = {};
  char saveFile[kSaveFileCapacity] = {};
};
FileBoxes gBoxes;

UINT_PTR KeepLogoPlaced(HWND dialog, UINT message, LPARAM lParam) {
  if (message == WM_SIZE) {
    int height = HIWORD(lParam);
    if (HWND logo = GetDlgItem(dialog, IDC_FILEBOX_LOGO))
      SetWindowPos(logo, nullptr, 10, height - 28, 120, 22, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return 0;
}

void Common(OPENFILENAMEA& record, HINSTANCE instance, const char* title, const char* templateName,
            LPOFNHOOKPROC hook) {
  record.lStructSize = kRecordSize;
  record.hInstance = instance;
  record.lpstrTitle = title;
  record.lpTemplateName = templateName;
  record.lpfnHook = hook;
  record.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLESIZING | OFN_HIDEREADONLY |
                 OFN_PATHMUSTEXIST;
}

}  // namespace

const char kOpenFileFilters[] =
    "C/C++-File (*.c*)\0*.c*\0Header-File (*.h)\0*.h\0Resource Script(*.rc)\0*.rc\0Def-File (*.def)\0*.def\0"
    "All Files\0*.*\0";

UINT_PTR CALLBACK FileOpenDlgProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  return KeepLogoPlaced(dialog, message, lParam);
}

UINT_PTR CALLBACK FileSaveDlgProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  return KeepLogoPlaced(dialog, message, lParam);
}

void PrepareFileBoxes(HINSTANCE instance) {
  OPENFILENAMEA& open = gBoxes.open;
  Common(open, instance, "Open File...", IDD_FILEOPENBOX, FileOpenDlgProc);
  open.lpstrFile = gBoxes.openFile;
  open.nMaxFile = kOpenFileCapacity;
  open.lpstrFileTitle = gBoxes.openTitle;
  open.nMaxFileTitle = kOpenTitleCapacity;
  open.nFilterIndex = 1;
  open.Flags |= OFN_FILEMUSTEXIST;

  OPENFILENAMEA& add = gBoxes.add;
  Common(add, instance, "Add File...", IDD_FILEOPENBOX, FileOpenDlgProc);
  add.lpstrFile = gBoxes.addFile;
  add.nMaxFile = kAddFileCapacity;
  add.Flags |= OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST;

  OPENFILENAMEA& save = gBoxes.save;
  Common(save, instance, "Save File...", IDD_FILESAVEBOX, FileSaveDlgProc);
  save.lpstrFile = gBoxes.saveFile;
  save.nMaxFile = kSaveFileCapacity;
}

OPENFILENAMEA& OpenFileRecord() { return gBoxes.open; }
OPENFILENAMEA& AddFileRecord() { return gBoxes.add; }
OPENFILENAMEA& SaveFileRecord() { return gBoxes.save; }

}  // namespace shell
