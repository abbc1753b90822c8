// The files around an open resource script: opening it (working copy and backup), reading the
// working copy, saving, saving under a new name and closing.
//
// Beside the script "C:\p\app.rc" the model keeps the working copy "C:\p\app.tmp" (the script after
// line-end and brace conversion, with every edit applied) and the backup "C:\p\app.bak" (the
// converted script as it was opened). Every operation reads the working copy, changes it and writes
// it back at once; nothing of the script stays in memory between operations. All files are written
// through platform::WriteWholeFile, so a failed write leaves the file as it was.
#pragma once

#include <string>

namespace resedit {

enum class ScriptResult {
  kDone,
  kCannotReadScript,  // the script (or the script to merge) cannot be read
  kNoWorkingCopy,     // the working copy cannot be read: the script is not open
  kCannotWrite,       // a file could not be written; it is as it was before
  kNoMemory,          // memory for the new text could not be had; nothing changed
  kNotFound,          // no such resource in the working copy
  kBadRange,          // an extent that does not lie inside the working copy
  kUnknownFileKind,   // a file to add is neither an icon, a bitmap, a cursor nor a script
  kUnknownType,       // no template for this resource type
};

// The working copy's and the backup's paths: the script's path with the extension "tmp" or "bak"
// in place of its own. Should that give the script's own path (a script named "x.tmp"), the
// extension is added to the whole name instead ("x.tmp.tmp"), so the model never overwrites or
// deletes the user's script.
std::string WorkingCopyPath(const std::string& scriptPath);
std::string BackupPath(const std::string& scriptPath);

// The folder part of a path (without the last "\" or "/"), empty when it has none.
std::string FolderOf(const std::string& path);
// The file name part of a path.
std::string FileNameOf(const std::string& path);
// True when two paths name the same file as Windows sees it: letters without regard to case,
// "/" and "\" alike.
bool SamePath(const std::string& a, const std::string& b);

// Opens a script: reads it, converts lone LF line ends to CR LF and BEGIN/END to braces, and writes
// the result as the backup and as the working copy. kCannotReadScript when the script cannot be
// read: then no working copy exists afterwards (a stale one is deleted), so later operations do
// nothing. kCannotWrite when the backup or the working copy cannot be written (no working copy
// exists afterwards either).
ScriptResult OpenScript(const std::string& scriptPath);

// Reads the working copy's text. kNoWorkingCopy when it cannot be read (text is then empty).
ScriptResult ReadWorkingCopy(const std::string& scriptPath, std::string& text);

// Writes a new text as the working copy.
ScriptResult WriteWorkingCopy(const std::string& scriptPath, const std::string& text);

// Copies the working copy's text to the script. When the working copy cannot be read nothing is
// written (kNoWorkingCopy).
ScriptResult SaveScript(const std::string& scriptPath);

// Saves under a new name: writes the working copy's text to `newScriptPath` and as that script's
// working copy, then deletes the old working copy (unless it is the new working copy or the new script). On failure the
// old working copy stays, so the script remains open under its old name.
ScriptResult SaveScriptAs(const std::string& scriptPath, const std::string& newScriptPath);

// Closes a script: deletes its working copy; the backup stays. False when it could not be deleted.
bool CloseScript(const std::string& scriptPath);

}  // namespace resedit
