// Files, file times, folders and the current directory for the portable core.
//
// The core passes Windows paths everywhere ("C:\P\a.c", "src\b.c"). The Windows build hands them to
// the system; the host build maps them onto its own file system here and nowhere else: a drive
// letter X becomes the folder <host root>/X, backslashes become slashes, and relative paths resolve
// against a current directory kept in Windows form (starting as "C:\").
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

constexpr int kNoMemory = -1;
constexpr int kCannotOpen = -2;
constexpr int kShortWrite = -4;

// Bytes that follow a file's text in a block from ReadWholeFile, all zero.
constexpr std::size_t kReadPadding = 256;
// Largest piece moved by one read or write call.
constexpr std::size_t kFilePiece = 32768;

// Reads a whole file. `block` becomes the file's bytes followed by kReadPadding zero bytes, so a
// text is always terminated. Reading stops at the first short piece. Returns the number of bytes
// read (0 for an empty file), kCannotOpen when the file cannot be opened, kNoMemory when the block
// cannot be had. On failure `block` is left empty.
int ReadWholeFile(const std::string& path, std::vector<char>& block);

// Writes `length` bytes as the whole new content of `path`. The bytes go first to a temporary
// file beside it (the whole file name followed by ".~new"), which replaces the original only after
// every byte was written; on any failure the original stays exactly as it was.
// Returns the number of bytes written, kCannotOpen when the file cannot be created or replaced,
// kShortWrite when a write transferred fewer bytes than asked.
int WriteWholeFile(const std::string& path, const char* data, std::size_t length);

// The file's last-write time to the minute, "%d-%.2d-%.2d  %.2d:%.2d" (two blanks), not converted to
// local time; empty for a missing file.
std::string FileTimeText(const std::string& path);

// Sets a file's last-write time (UTC). Used by tests and tools that need a known time stamp.
bool SetFileWriteTime(const std::string& path, int year, int month, int day, int hour, int minute);

bool FileExists(const std::string& path);         // a file (not a folder) is there
bool FolderExists(const std::string& path);
bool CanOpenForReading(const std::string& path);
long long FileSize(const std::string& path);      // -1 when missing
bool RemoveFile(const std::string& path);
bool CopyWholeFile(const std::string& from, const std::string& to);  // replaces `to` safely
bool CreateFolder(const std::string& path);       // true when it exists afterwards

// Names (not paths) of the files in `folder` whose names match `pattern` ("*.ovp", "*", "a?.c"),
// compared without regard to case, sorted by name. Folders are not listed.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);
// Names of the sub-folders of `folder`, sorted, without "." and "..".
std::vector<std::string> ListFolders(const std::string& folder);

// The current directory in Windows form, without a trailing backslash except for a drive root.
std::string CurrentDirectory();
bool ChangeCurrentDirectory(const std::string& path);

// Test hooks: make the next writes fail on demand. Each stays in force until reset.
void FailWritesAfter(long long bytes);   // a write stops after this many bytes of the file; -1 ends it
void FailCreate(bool on);                // files cannot be created
void ResetFailures();

// Host build only: the folder that holds the drive folders, and the host path a Windows path maps to.
void SetHostRoot(const std::string& hostFolder);
std::string ToHostPath(const std::string& windowsPath);

}  // namespace platform
