// Host (POSIX) implementation of the platform layer: Windows paths mapped onto a folder tree.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <new>

#include "platform/platform_internal.h"

namespace platform {
namespace {

std::string gHostRoot = "/tmp/orvantel-drives";
std::string gCurrent = "C:\\";

bool HasDrive(const std::string& p) {
  return p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':';
}
bool IsSep(char c) { return c == '\\' || c == '/'; }

// Makes a Windows path absolute ("X:\a\b") and folds "." and ".." pieces.
std::string Absolute(const std::string& path) {
  std::string full;
  if (HasDrive(path)) {
    std::string rest = path.substr(2);
    if (rest.empty() || !IsSep(rest[0])) {
      // "C:name" is relative to the current directory when it is on that drive.
      std::string base = (std::toupper(static_cast<unsigned char>(gCurrent[0])) ==
                          std::toupper(static_cast<unsigned char>(path[0])))
                             ? gCurrent
                             : path.substr(0, 2) + "\\";
      full = base + "\\" + rest;
    } else {
      full = path;
    }
  } else if (!path.empty() && IsSep(path[0])) {
    full = gCurrent.substr(0, 2) + path;
  } else {
    full = gCurrent + "\\" + path;
  }
  std::vector<std::string> pieces;
  std::string piece;
  for (std::size_t i = 2; i <= full.size(); ++i) {
    if (i == full.size() || IsSep(full[i])) {
      if (piece == "..") {
        if (!pieces.empty()) pieces.pop_back();
      } else if (!piece.empty() && piece != ".") {
        pieces.push_back(piece);
      }
      piece.clear();
    } else {
      piece += full[i];
    }
  }
  std::string out(1, static_cast<char>(std::toupper(static_cast<unsigned char>(full[0]))));
  out += ":";
  if (pieces.empty()) return out + "\\";
  for (const auto& p : pieces) out += "\\" + p;
  return out;
}

std::string HostOf(const std::string& path) { return ToHostPath(path); }

bool MakeParents(const std::string& hostPath) {
  for (std::size_t i = 1; i < hostPath.size(); ++i) {
    if (hostPath[i] == '/') {
      std::string part = hostPath.substr(0, i);
      if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

}  // namespace

void SetHostRoot(const std::string& hostFolder) { gHostRoot = hostFolder; }

std::string ToHostPath(const std::string& windowsPath) {
  std::string abs = Absolute(windowsPath);
  std::string out = gHostRoot + "/" + abs.substr(0, 1);
  for (std::size_t i = 2; i < abs.size(); ++i) out += abs[i] == '\\' ? '/' : abs[i];
  if (!out.empty() && out.back() == '/') out.pop_back();
  return out;
}

int ReadWholeFile(const std::string& path, std::vector<char>& block) {
  block.clear();
  int fd = open(HostOf(path).c_str(), O_RDONLY);
  if (fd < 0) return kCannotOpen;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return kCannotOpen;
  }
  std::size_t size = static_cast<std::size_t>(st.st_size);
  try {
    block.assign(size + kReadPadding, 0);
  } catch (const std::bad_alloc&) {
    close(fd);
    block.clear();
    return kNoMemory;
  }
  std::size_t done = 0;
  while (done < size) {
    std::size_t piece = std::min(kFilePiece, size - done);
    ssize_t got = read(fd, block.data() + done, piece);
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
    if (static_cast<std::size_t>(got) < piece) break;
  }
  close(fd);
  if (done < size) std::fill(block.begin() + done, block.end(), 0);
  return static_cast<int>(done);
}

int WriteWholeFile(const std::string& path, const char* data, std::size_t length) {
  std::string host = HostOf(path);
  std::string temp = TemporaryNameFor(host);
  if (CreateShouldFail()) return kCannotOpen;
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return kCannotOpen;
  std::size_t done = 0;
  bool failed = false;
  while (done < length) {
    std::size_t piece = std::min(kFilePiece, length - done);
    std::size_t allowed = AllowedWrite(piece, done);
    ssize_t put = allowed ? write(fd, data + done, allowed) : 0;
    if (put > 0) done += static_cast<std::size_t>(put);
    if (put < 0 || static_cast<std::size_t>(put) < piece) {
      failed = true;
      break;
    }
  }
  if (close(fd) != 0) failed = true;
  if (failed) {
    unlink(temp.c_str());
    return kShortWrite;
  }
  if (rename(temp.c_str(), host.c_str()) != 0) {
    unlink(temp.c_str());
    return kCannotOpen;
  }
  return static_cast<int>(done);
}

std::string FileTimeText(const std::string& path) {
  struct stat st;
  if (stat(HostOf(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return "";
  std::time_t t = st.st_mtime;
  struct tm utc;
  gmtime_r(&t, &utc);
  return FormatFileTime(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min);
}

bool SetFileWriteTime(const std::string& path, int year, int month, int day, int hour, int minute) {
  struct tm utc = {};
  utc.tm_year = year - 1900;
  utc.tm_mon = month - 1;
  utc.tm_mday = day;
  utc.tm_hour = hour;
  utc.tm_min = minute;
  std::time_t t = timegm(&utc);
  struct timeval times[2] = {{t, 0}, {t, 0}};
  return utimes(HostOf(path).c_str(), times) == 0;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return stat(HostOf(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat st;
  return stat(HostOf(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CanOpenForReading(const std::string& path) {
  if (!FileExists(path)) return false;
  int fd = open(HostOf(path).c_str(), O_RDONLY);
  if (fd < 0) return false;
  close(fd);
  return true;
}

long long FileSize(const std::string& path) {
  struct stat st;
  if (stat(HostOf(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<long long>(st.st_size);
}

bool RemoveFile(const std::string& path) { return unlink(HostOf(path).c_str()) == 0; }

bool CopyWholeFile(const std::string& from, const std::string& to) {
  std::vector<char> block;
  int n = ReadWholeFile(from, block);
  if (n < 0) return false;
  return WriteWholeFile(to, block.data(), static_cast<std::size_t>(n)) == n;
}

bool CreateFolder(const std::string& path) {
  std::string host = HostOf(path) + "/";
  return MakeParents(host) && FolderExists(path);
}

namespace {
std::vector<std::string> ListEntries(const std::string& folder, const std::string& pattern,
                                     bool folders) {
  std::vector<std::string> names;
  std::string host = HostOf(folder);
  DIR* dir = opendir(host.c_str());
  if (!dir) return names;
  while (struct dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (stat((host + "/" + name).c_str(), &st) != 0) continue;
    if (folders != S_ISDIR(st.st_mode)) continue;
    if (!folders && !S_ISREG(st.st_mode)) continue;
    if (MatchesPattern(name.c_str(), pattern.c_str())) names.push_back(name);
  }
  closedir(dir);
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

std::string CurrentDirectory() { return gCurrent; }

bool ChangeCurrentDirectory(const std::string& path) {
  std::string abs = Absolute(path);
  if (!FolderExists(abs)) return false;
  gCurrent = abs;
  return true;
}

}  // namespace platform
