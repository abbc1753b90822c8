// "DV_SCROLLLIST" (a real list box with a slider) and "DV_DIRLIST" (the same listing a folder).
#include "uilib/innerhost_win.h"

#include "uilib/dravon.h"

#include <algorithm>
#include <new>
#include <vector>

namespace dravon {
namespace {

std::string WithoutTrailingSlash(std::string folder) {
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

std::string ParentFolder(const std::string& folder) {
  std::string f = WithoutTrailingSlash(folder);
  std::size_t cut = f.find_last_of('\\');
  if (cut == std::string::npos) return f;
  if (cut <= 2) return f.substr(0, 3);  // "C:\"
  return f.substr(0, cut);
}

std::string Join(const std::string& folder, const std::string& name) {
  std::string f = WithoutTrailingSlash(folder);
  if (!f.empty() && f.back() != '\\') f += '\\';
  return f + name;
}

class DirListHost : public InnerHost {
 public:
  explicit DirListHost(HWND outer) : InnerHost(outer, InnerKind::List) {}

 protected:
  void Created() override { Fill(); }

  DWORD InnerStyle(DWORD outerStyle) const override {
    return (InnerHost::InnerStyle(outerStyle) | LBS_NOTIFY) & ~static_cast<DWORD>(LBS_SORT);
  }

  bool HandleOuter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != WM_SETTEXT) return false;
    result = DefWindowProcA(Outer(), message, wParam, lParam);
    Fill();
    return true;
  }

  bool HandleCommand(int code) override {
    if (code != LBN_DBLCLK) return false;
    int selected = static_cast<int>(CallInner(LB_GETCURSEL));
    int length = selected < 0 ? -1 : static_cast<int>(CallInner(LB_GETTEXTLEN, static_cast<WPARAM>(selected)));
    if (length < 2) return false;
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    CallInner(LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    std::string entry(text.data());
    if (entry.front() != '[' || entry.back() != ']') return false;
    std::string name = entry.substr(1, entry.size() - 2);
    std::string folder = WindowText(Outer());
    std::string next = name == ".." ? ParentFolder(folder) : Join(folder, name);
    SetWindowTextA(Outer(), next.c_str());
    NotifyParent(Outer(), DVN_FOLDERCHANGED);
    return true;
  }

 private:
  // The parent entry "[..]" (below a drive root), then "[folder]" entries, then file names, each group
  // in name order.
  void Fill() {
    CallInner(LB_RESETCONTENT);
    std::string folder = WindowText(Outer());
    if (folder.empty() || folder.size() > MAX_PATH - 5) return;
    std::vector<std::string> folders, files;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(Join(folder, "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          folders.push_back("[" + name + "]");
        } else {
          files.push_back(name);
        }
      } while (FindNextFileA(find, &data));
      FindClose(find);
    }
    auto byName = [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    if (WithoutTrailingSlash(folder).size() > 3) folders.insert(folders.begin(), "[..]");
    SendMessageA(Inner(), WM_SETREDRAW, FALSE, 0);
    for (const std::string& name : folders) CallInner(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    for (const std::string& name : files) CallInner(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(Inner(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Inner(), nullptr, TRUE);
  }
};

InnerHost* MakeList(HWND outer) { return new (std::nothrow) InnerHost(outer, InnerKind::List); }
InnerHost* MakeDirList(HWND outer) { return new (std::nothrow) DirListHost(outer); }

}  // namespace

bool RegisterListControls() {
  return RegisterControlClass("DV_SCROLLLIST", HostClassProc<MakeList>) &&
         RegisterControlClass("DV_DIRLIST", HostClassProc<MakeDirList>);
}

void UnregisterListControls() {
  UnregisterControlClass("DV_SCROLLLIST");
  UnregisterControlClass("DV_DIRLIST");
}

}  // namespace dravon
