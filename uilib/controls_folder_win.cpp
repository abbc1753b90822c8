// "DV_FolderList": a folder tree of the drives, the current folder's chain and its sub-folders.
//
// A click makes an entry the current folder (after the double-click time, so that a double click
// still finds the entry it began on); a double click or Enter chooses the selected entry: the window
// text becomes its path and the parent gets WM_COMMAND (id, DVN_FOLDERCHOSEN).
#include "uilib/innerhost_win.h"

#include "uilib/dravon.h"

#include <algorithm>
#include <new>
#include <vector>

namespace dravon {
namespace {

constexpr UINT_PTR kNavigateTimer = 7;
constexpr int kIndent = 12;

struct FolderEntry {
  std::string path;
  std::string label;
  int depth = 0;
  bool current = false;
};

std::string Normalise(std::string folder) {
  for (char& c : folder) {
    if (c == '/') c = '\\';
  }
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

// The components below the drive: "C:\a\b" gives "a", "b".
std::vector<std::string> Components(const std::string& folder) {
  std::vector<std::string> parts;
  std::size_t start = 3;
  while (start < folder.size()) {
    std::size_t end = folder.find('\\', start);
    if (end == std::string::npos) end = folder.size();
    if (end > start) parts.push_back(folder.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::vector<std::string> SubFolders(const std::string& folder) {
  std::vector<std::string> names;
  std::string pattern = folder;
  if (pattern.back() != '\\') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (data.cFileName[0] == '.' && (data.cFileName[1] == '\0' || (data.cFileName[1] == '.' && data.cFileName[2] == '\0')))
      continue;
    names.emplace_back(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  return names;
}

std::vector<std::string> Drives() {
  std::vector<std::string> drives;
  char buffer[256];
  DWORD length = GetLogicalDriveStringsA(sizeof buffer, buffer);
  if (length == 0 || length > sizeof buffer) return drives;
  for (const char* p = buffer; *p; p += lstrlenA(p) + 1) {
    std::string drive(p);
    if (!drive.empty()) drive[0] = static_cast<char>(toupper(static_cast<unsigned char>(drive[0])));
    drives.push_back(drive);
  }
  return drives;
}

class FolderListHost : public InnerHost {
 public:
  explicit FolderListHost(HWND outer) : InnerHost(outer, InnerKind::List) {}

 protected:
  DWORD InnerStyle(DWORD outerStyle) const override {
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
           LBS_NOINTEGRALHEIGHT | (outerStyle & WS_DISABLED);
  }

  void Created() override {
    std::string folder = WindowText(Outer());
    if (folder.empty() && createData_) folder = createData_;
    createData_ = nullptr;
    Build(folder);
  }

  bool HandleOuter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != WM_TIMER || wParam != kNavigateTimer) return false;
    KillTimer(Outer(), kNavigateTimer);
    NavigateToSelection();
    result = 0;
    return true;
  }

  void AfterInner(UINT message, WPARAM, LPARAM) override {
    if (message == WM_LBUTTONUP) SetTimer(Outer(), kNavigateTimer, GetDoubleClickTime(), nullptr);
  }

  // The list box's own notifications stay here: the parent hears only the choice.
  bool HandleCommand(int code) override {
    if (code == LBN_DBLCLK || code == DVN_OPEN) {
      KillTimer(Outer(), kNavigateTimer);
      Choose();
    }
    return true;
  }

  bool DrawsItems() const override { return true; }

  void MeasureItem(MEASUREITEMSTRUCT& item) override {
    HDC dc = GetDC(Outer());
    TEXTMETRICA tm = {};
    {
      SelectScope font(dc, ThemeFont(FontRole::Normal));
      GetTextMetricsA(dc, &tm);
    }
    ReleaseDC(Outer(), dc);
    item.itemHeight = static_cast<UINT>(std::max<LONG>(16, tm.tmHeight + 3));
  }

  void DrawItem(const DRAWITEMSTRUCT& item) override;

 public:
  // Shows `requested` (a folder path) as the current folder; the window text becomes its normal form.
  void Build(const std::string& requested);

  const char* createData_ = nullptr;  // borrowed for the duration of WM_CREATE

 private:
  void NavigateToSelection();
  // Chooses the selected entry: sets the window text and tells the parent (nothing follows that).
  void Choose();
  const FolderEntry* Selected();

  std::vector<FolderEntry> entries_;
};

void FolderListHost::Build(const std::string& requested) {
  std::string folder = Normalise(requested);
  if (folder.size() < 3 || folder[1] != ':') {
    char current[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof current, current);
    folder = length > 0 && length < sizeof current ? Normalise(current) : "C:\\";
  }
  folder[0] = static_cast<char>(toupper(static_cast<unsigned char>(folder[0])));
  std::vector<FolderEntry> entries;
  std::vector<std::string> drives = Drives();
  bool placed = false;
  auto addChain = [&]() {
    std::string path = folder.substr(0, 3);
    std::vector<std::string> parts = Components(folder);
    entries.push_back({path, path, 0, parts.empty()});
    int depth = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      path = path.back() == '\\' ? path + parts[i] : path + "\\" + parts[i];
      entries.push_back({path, parts[i], ++depth, i + 1 == parts.size()});
    }
    for (const std::string& name : SubFolders(folder)) {
      std::string sub = folder.back() == '\\' ? folder + name : folder + "\\" + name;
      entries.push_back({sub, name, depth + 1, false});
    }
    placed = true;
  };
  for (const std::string& drive : drives) {
    if (!placed && toupper(static_cast<unsigned char>(drive[0])) == folder[0]) {
      addChain();
    } else {
      entries.push_back({drive, drive, 0, false});
    }
  }
  if (!placed) addChain();
  entries_.swap(entries);
  SendMessageA(Inner(), WM_SETREDRAW, FALSE, 0);
  CallInner(LB_RESETCONTENT);
  int currentIndex = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    CallInner(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries_[i].label.c_str()));
    if (entries_[i].current) currentIndex = static_cast<int>(i);
  }
  SendMessageA(Inner(), LB_SETCURSEL, static_cast<WPARAM>(currentIndex), 0);
  SendMessageA(Inner(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Inner(), nullptr, TRUE);
  DefWindowProcA(Outer(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  SyncSlider();
}

const FolderEntry* FolderListHost::Selected() {
  int selected = static_cast<int>(CallInner(LB_GETCURSEL));
  if (selected < 0 || selected >= static_cast<int>(entries_.size())) return nullptr;
  return &entries_[static_cast<std::size_t>(selected)];
}

void FolderListHost::NavigateToSelection() {
  const FolderEntry* entry = Selected();
  if (!entry || entry->current) return;
  std::string path = entry->path;
  Build(path);
}

void FolderListHost::Choose() {
  const FolderEntry* entry = Selected();
  if (!entry) return;
  std::string path = entry->path;
  DefWindowProcA(Outer(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  HWND parent = GetParent(Outer());
  if (parent) {
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Outer()), 0), DVN_FOLDERCHOSEN);
  }
}

void DrawFolderGlyph(HDC dc, int x, int y, COLORREF colour) {
  RECT tab = {x, y, x + 6, y + 2};
  RECT body = {x, y + 2, x + 13, y + 11};
  FillSolid(dc, tab, colour);
  FillSolid(dc, body, colour);
}

void FolderListHost::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= entries_.size()) return;
  const FolderEntry& entry = entries_[item.itemID];
  const Theme& t = CurrentTheme();
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillSolid(dc, r, selected ? t.selectionBack : t.controlBack);
  int x = r.left + 4 + entry.depth * kIndent;
  int top = r.top + (r.bottom - r.top - 11) / 2;
  DrawFolderGlyph(dc, x, top, entry.current ? RGB(230, 190, 90) : RGB(190, 160, 90));
  SelectScope font(dc, ThemeFont(entry.current ? FontRole::Bold : FontRole::Normal));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? t.selectionText : t.controlText);
  RECT text = {x + 18, r.top, r.right - 2, r.bottom};
  DrawTextA(dc, entry.label.c_str(), static_cast<int>(entry.label.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

InnerHost* MakeFolderList(HWND outer) { return new (std::nothrow) FolderListHost(outer); }

LRESULT CALLBACK FolderListProc(HWND outer, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_CREATE) {
      auto* host = static_cast<FolderListHost*>(StateOf<InnerHost>(outer));
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      if (host) host->createData_ = static_cast<const char*>(create->lpCreateParams);
    }
    if (message == WM_SETTEXT) {
      LRESULT result = DefWindowProcA(outer, message, wParam, lParam);
      if (auto* host = static_cast<FolderListHost*>(StateOf<InnerHost>(outer))) {
        if (host->Inner()) host->Build(std::string(reinterpret_cast<const char*>(lParam) ? reinterpret_cast<const char*>(lParam) : ""));
      }
      return result;
    }
    return HostWindowProc(outer, message, wParam, lParam, MakeFolderList);
  } catch (...) {
    return DefWindowProcA(outer, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterFolderList() { return RegisterControlClass("DV_FolderList", FolderListProc); }

void UnregisterFolderList() { UnregisterControlClass("DV_FolderList"); }

}  // namespace dravon
