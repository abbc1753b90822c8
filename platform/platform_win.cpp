// Windows implementation of the platform layer: the system's own file calls.
#include <windows.h>

#include <algorithm>
#include <new>

#include "platform/platform_internal.h"

namespace platform {

void SetHostRoot(const std::string&) {}
std::string ToHostPath(const std::string& windowsPath) { return windowsPath; }

int ReadWholeFile(const std::string& path, std::vector<char>& block) {
  block.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kCannotOpen;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFF00LL) {
    CloseHandle(file);
    return size.QuadPart > 0x7FFFFF00LL ? kNoMemory : kCannotOpen;
  }
  std::size_t total = static_cast<std::size_t>(size.QuadPart);
  try {
    block.assign(total + kReadPadding, 0);
  } catch (const std::bad_alloc&) {
    CloseHandle(file);
    block.clear();
    return kNoMemory;
  }
  std::size_t done = 0;
  while (done < total) {
    DWORD piece = static_cast<DWORD>(std::min(kFilePiece, total - done));
    DWORD got = 0;
    if (!ReadFile(file, block.data() + done, piece, &got, nullptr) || got == 0) break;
    done += got;
    if (got < piece) break;
  }
  CloseHandle(file);
  if (done < total) std::fill(block.begin() + done, block.end(), 0);
  return static_cast<int>(done);
}

int WriteWholeFile(const std::string& path, const char* data, std::size_t length) {
  std::string temp = TemporaryNameFor(path);
  if (CreateShouldFail()) return kCannotOpen;
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kCannotOpen;
  std::size_t done = 0;
  bool failed = false;
  while (done < length) {
    DWORD piece = static_cast<DWORD>(std::min(kFilePiece, length - done));
    DWORD allowed = static_cast<DWORD>(AllowedWrite(piece, done));
    DWORD put = 0;
    if (allowed && !WriteFile(file, data + done, allowed, &put, nullptr)) put = 0;
    done += put;
    if (put < piece) {
      failed = true;
      break;
    }
  }
  if (!CloseHandle(file)) failed = true;
  if (failed) {
    DeleteFileA(temp.c_str());
    return kShortWrite;
  }
  if (!MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temp.c_str());
    return kCannotOpen;
  }
  return static_cast<int>(done);
}

namespace {
bool Attributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != 0;
}
}  // namespace

std::string FileTimeText(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!Attributes(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return "";
  SYSTEMTIME st;
  if (!FileTimeToSystemTime(&data.ftLastWriteTime, &st)) return "";
  return FormatFileTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
}

bool SetFileWriteTime(const std::string& path, int year, int month, int day, int hour, int minute) {
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  st.wHour = static_cast<WORD>(hour);
  st.wMinute = static_cast<WORD>(minute);
  FILETIME ft;
  if (!SystemTimeToFileTime(&st, &ft)) return false;
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BOOL ok = SetFileTime(file, nullptr, nullptr, &ft);
  CloseHandle(file);
  return ok != 0;
}

bool FileExists(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return Attributes(path, data) && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return Attributes(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CanOpenForReading(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!Attributes(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool CopyWholeFile(const std::string& from, const std::string& to) {
  std::vector<char> block;
  int n = ReadWholeFile(from, block);
  if (n < 0) return false;
  return WriteWholeFile(to, block.data(), static_cast<std::size_t>(n)) == n;
}

bool CreateFolder(const std::string& path) {
  for (std::size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\' || path[i] == '/') {
      std::string part = path.substr(0, i);
      if (!FolderExists(part)) CreateDirectoryA(part.c_str(), nullptr);
    }
  }
  return FolderExists(path);
}

namespace {
std::vector<std::string> ListEntries(const std::string& folder, const std::string& pattern,
                                     bool folders) {
  std::vector<std::string> names;
  std::string search = folder;
  if (!search.empty() && search.back() != '\\' && search.back() != '/') search += "\\";
  search += "*";
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(search.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isFolder != folders) continue;
    if (MatchesPattern(name.c_str(), pattern.c_str())) names.push_back(name);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}
}  // namespace

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
  return ListEntries(folder, pattern, false);
}

std::vector<std::string> ListFolders(const std::string& folder) {
  return ListEntries(folder, "*", true);
}

std::string CurrentDirectory() {
  char buffer[MAX_PATH * 2];
  DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
  if (n == 0 || n >= sizeof buffer) return "";
  return std::string(buffer, n);
}

bool ChangeCurrentDirectory(const std::string& path) { return SetCurrentDirectoryA(path.c_str()) != 0; }

}  // namespace platform
