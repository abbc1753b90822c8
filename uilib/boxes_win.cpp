// The standard open, save and folder boxes (FileOpenBox, FileSaveBox, BrowseFolder).
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <shlobj.h>

#include <cstring>
#include <string>

namespace dravon {
namespace {

constexpr std::size_t kFolderCapacity = 511;  // bytes of a BrowseFolder buffer, terminator included

// A box allowing several files returns one chosen file as a full path; callers of such a box read
// "folder, zero, names each ended by zero, empty name" only. Rewrites the single path in that form.
// Returns false when the buffer cannot hold it (the caller then sees nothing chosen).
bool ToFolderAndNames(OPENFILENAMEA& request) {
  char* buffer = request.lpstrFile;
  std::size_t capacity = request.nMaxFile;
  std::size_t offset = request.nFileOffset;
  if (!buffer || capacity == 0) return false;
  std::size_t used = strnlen(buffer, capacity);
  if (used >= capacity) return false;
  if (offset == 0 || offset > used) return true;
  char before = buffer[offset - 1];
  if (before != '\\' && before != '/') return true;  // already folder and names
  std::string folder(buffer, offset);
  if (folder.size() > 3) folder.pop_back();  // "C:\dir\" -> "C:\dir"; a drive root keeps its "\"
  std::string name(buffer + offset, used - offset);
  std::size_t needed = folder.size() + 1 + name.size() + 1 + 1;
  if (needed > capacity) return false;
  std::memcpy(buffer, folder.data(), folder.size());
  buffer[folder.size()] = '\0';
  std::memcpy(buffer + folder.size() + 1, name.data(), name.size());
  buffer[folder.size() + 1 + name.size()] = '\0';
  buffer[folder.size() + 2 + name.size()] = '\0';
  request.nFileOffset = static_cast<WORD>(folder.size() + 1);
  return true;
}

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace
}  // namespace dravon

extern "C" DRAVON_API BOOL __cdecl FileOpenBox(OPENFILENAMEA* request) {
  try {
    if (!request) return FALSE;
    if (!GetOpenFileNameA(request)) return FALSE;
    if (request->Flags & OFN_ALLOWMULTISELECT) return dravon::ToFolderAndNames(*request) ? TRUE : FALSE;
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

extern "C" DRAVON_API BOOL __cdecl FileSaveBox(OPENFILENAMEA* request) {
  try {
    if (!request) return FALSE;
    return GetSaveFileNameA(request);
  } catch (...) {
    return FALSE;
  }
}

extern "C" DRAVON_API BOOL __cdecl BrowseFolder(HWND owner, char* folder) {
  using namespace dravon;
  try {
    if (!folder) return FALSE;
    std::string start(folder, strnlen(folder, kFolderCapacity - 1));
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = "Choose a folder";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen) return FALSE;
    char path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    if (!ok) return FALSE;
    std::size_t length = strnlen(path, kFolderCapacity - 1);
    std::memcpy(folder, path, length);
    folder[length] = '\0';
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}
