// The input-name dialogs of the New File command and of the project's folders.
#include "shell/namedialogs_win.h"

#include "project/projectstrings.h"
#include "resources/resource_ids.h"
#include "shell/appstate_win.h"
#include "shell/dravonapi_win.h"
#include "shell/newfilename.h"

namespace shell {
namespace {

constexpr std::size_t kMaxFolderName = 127;
constexpr char kNameExists[] = "Filename already exist. Choose another name!";

// What a name dialog works on; its address travels in the dialog's user data.
struct NameRequest {
  std::string folder;  // the new-file dialog: where the file goes
  std::string text;    // in: the proposal; out: the result
  std::size_t limit = 0;
};

NameRequest* RequestOf(HWND dialog) { return reinterpret_cast<NameRequest*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

std::string EditText(HWND dialog, std::size_t limit) {
  char buffer[256] = {};
  GetDlgItemTextA(dialog, IDC_NAME_EDIT, buffer, static_cast<int>(sizeof buffer));
  std::string text = buffer;
  return text.substr(0, limit);
}

INT_PTR Themed(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return DravonLoaded() ? Dv().DravonSmallDialogProc(dialog, message, wParam, lParam) : 0;
}

void FocusName(HWND dialog) {
  HWND edit = GetDlgItem(dialog, IDC_NAME_EDIT);
  HWND inner = reinterpret_cast<HWND>(SendMessageA(edit, DVM_GETINNER, 0, 0));
  SetFocus(inner ? inner : edit);
  SendMessageA(inner ? inner : edit, EM_SETSEL, 0, -1);
}

void InitNameDialog(HWND dialog, LPARAM lParam, const char* title) {
  auto* request = reinterpret_cast<NameRequest*>(lParam);
  SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  SetWindowTextA(dialog, title);
  SendDlgItemMessageA(dialog, IDC_NAME_EDIT, EM_LIMITTEXT, request->limit, 0);
  SetDlgItemTextA(dialog, IDC_NAME_EDIT, request->text.c_str());
  if (DravonLoaded()) Dv().CenterDialog(dialog);
  FocusName(dialog);
}

void OnNewFileOk(HWND dialog, NameRequest& request) {
  std::string path;
  switch (CheckNewFileName(request.folder, EditText(dialog, request.limit), path)) {
    case NewFileCheck::kAccepted:
      request.text = path;
      EndDialog(dialog, 1);
      return;
    case NewFileCheck::kExists:
      SetDlgItemTextA(dialog, IDC_NAME_PROMPT, kNameExists);
      break;
    case NewFileCheck::kEmpty:
      break;
  }
  MessageBeep(MB_ICONEXCLAMATION);
  FocusName(dialog);
}

void OnFolderOk(HWND dialog, NameRequest& request) {
  std::string name = EditText(dialog, request.limit);
  if (name.find_first_not_of(' ') == std::string::npos) {
    MessageBeep(MB_ICONEXCLAMATION);
    FocusName(dialog);
    return;
  }
  request.text = name;
  EndDialog(dialog, 1);
}

// The common procedure of both name dialogs: they differ in their title and in how OK checks the name.
INT_PTR NameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, const char* title,
                       void (*onOk)(HWND, NameRequest&)) {
  if (message != WM_INITDIALOG) {
    if (INT_PTR handled = Themed(dialog, message, wParam, lParam)) return handled;
  }
  NameRequest* request = RequestOf(dialog);
  switch (message) {
    case WM_INITDIALOG:
      Themed(dialog, message, wParam, lParam);
      InitNameDialog(dialog, lParam, title);
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK && request) onOk(dialog, *request);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK InputFileDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return NameDialogProc(dialog, message, wParam, lParam, "New File", OnNewFileOk);
}

INT_PTR CALLBACK InputDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return NameDialogProc(dialog, message, wParam, lParam, "Folder", OnFolderOk);
}

bool AskNewFileName(HWND owner, std::string& path) {
  NameRequest request;
  request.folder = project::ProjectFolder();
  request.limit = kMaxNewFileName;
  std::string proposal = FirstFreeNewFileName(request.folder, project::ProjectName());
  request.text = proposal.substr(proposal.rfind('\\') == std::string::npos ? 0 : proposal.rfind('\\') + 1);
  if (DialogBoxParamA(App().instance, IDD_BINNAME, owner, InputFileDlgProc, reinterpret_cast<LPARAM>(&request)) != 1)
    return false;
  path = request.text;
  return true;
}

bool AskFolderName(HWND owner, std::string& name) {
  NameRequest request;
  request.limit = kMaxFolderName;
  request.text = name.substr(0, kMaxFolderName);
  if (DialogBoxParamA(App().instance, IDD_SEPNAME, owner, InputDlgProc, reinterpret_cast<LPARAM>(&request)) != 1)
    return false;
  name = request.text;
  return true;
}

}  // namespace shell
