// Finding, listing and moving the editor windows.
#include "shell/editorwindows_win.h"

#include <map>

namespace shell {
namespace {

std::map<int, std::string> gWindowMenuTitles;

BOOL CALLBACK CollectEditor(HWND window, LPARAM lParam) {
  char name[64];
  if (GetClassNameA(window, name, sizeof name) && lstrcmpA(name, kEditorClass) == 0)
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
  return TRUE;
}

std::string TitleOf(HWND window) {
  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  return title;
}

// A title as a menu item shows it: "&" would underline the next letter.
std::string MenuLabel(const std::string& title) {
  std::string label;
  for (char c : title) {
    if (c == '&') label += '&';
    label += c;
  }
  return label;
}

std::string MenuText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

}  // namespace

std::vector<HWND> EditorWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectEditor, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND GetTopEditor(std::string* title) {
  std::vector<HWND> windows = EditorWindows();
  HWND top = windows.empty() ? nullptr : windows.front();
  if (title) *title = top ? TitleOf(top) : std::string();
  return top;
}

HWND FindEditor(const std::string& path) { return FindWindowA(kEditorClass, path.c_str()); }

void CloseAllEditors() {
  for (HWND window : EditorWindows()) SendMessageA(window, WM_CLOSE, 0, 0);
}

void EnableEditors(bool enable) {
  for (HWND window : EditorWindows()) EnableWindow(window, enable ? TRUE : FALSE);
}

void MoveEditorsBy(int dx, int dy) {
  for (HWND window : EditorWindows()) {
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int RebuildWindowMenu(HMENU menu, int firstListed) {
  gWindowMenuTitles.clear();
  if (!menu) return 0;
  while (GetMenuItemCount(menu) > firstListed) DeleteMenu(menu, static_cast<UINT>(firstListed), MF_BYPOSITION);
  int id = kFirstWindowCommand;
  for (HWND window : EditorWindows()) {
    if (id >= kWindowCommandLimit) break;
    std::string title = TitleOf(window);
    std::string label = MenuLabel(title);
    int count = GetMenuItemCount(menu);
    int position = firstListed;
    while (position < count && lstrcmpiA(MenuText(menu, position).c_str(), label.c_str()) <= 0) ++position;
    InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING, static_cast<UINT_PTR>(id), label.c_str());
    gWindowMenuTitles[id] = title;
    ++id;
  }
  return id - kFirstWindowCommand;
}

std::string EditorTitleByCommand(int id) {
  auto it = gWindowMenuTitles.find(id);
  return it == gWindowMenuTitles.end() ? std::string() : it->second;
}

}  // namespace shell
