// The files around an open resource script: open, read, save, save as, close.
#include "resedit/scriptfile.h"

#include <cctype>
#include <climits>
#include <exception>
#include <vector>

#include "platform/platform.h"
#include "resedit/scripttext.h"

namespace resedit {
namespace {

std::size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

// The script's path with `extension` in place of its own (see WorkingCopyPath).
std::string SiblingPath(const std::string& scriptPath, const char* extension) {
  std::size_t separator = LastSeparator(scriptPath);
  std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  std::size_t dot = scriptPath.find_last_of('.');
  std::string stem = dot == std::string::npos || dot < nameStart ? scriptPath : scriptPath.substr(0, dot);
  std::string sibling = stem + "." + extension;
  if (SamePath(sibling, scriptPath)) sibling = scriptPath + "." + extension;
  return sibling;
}

ScriptResult ReadText(const std::string& path, std::string& text, ScriptResult cannotRead) {
  text.clear();
  std::vector<char> block;
  int count = platform::ReadWholeFile(path, block);
  if (count == platform::kNoMemory) return ScriptResult::kNoMemory;
  if (count < 0) return cannotRead;
  text.assign(block.data(), static_cast<std::size_t>(count));
  return ScriptResult::kDone;
}

ScriptResult WriteText(const std::string& path, const std::string& text) {
  if (text.size() > static_cast<std::size_t>(INT_MAX)) return ScriptResult::kCannotWrite;
  int written = platform::WriteWholeFile(path, text.data(), text.size());
  return written == static_cast<int>(text.size()) ? ScriptResult::kDone : ScriptResult::kCannotWrite;
}

ScriptResult OpenConverted(const std::string& scriptPath) {
  std::string text;
  ScriptResult result = ReadText(scriptPath, text, ScriptResult::kCannotReadScript);
  if (result != ScriptResult::kDone) return result;
  if (!PrepareScriptText(text)) return ScriptResult::kNoMemory;
  result = WriteText(BackupPath(scriptPath), text);
  if (result != ScriptResult::kDone) return result;
  return WriteText(WorkingCopyPath(scriptPath), text);
}

ScriptResult SaveAs(const std::string& scriptPath, const std::string& newScriptPath) {
  std::string text;
  ScriptResult result = ReadWorkingCopy(scriptPath, text);
  if (result != ScriptResult::kDone) return result;
  result = WriteText(newScriptPath, text);
  if (result != ScriptResult::kDone) return result;
  std::string newWorkingCopy = WorkingCopyPath(newScriptPath);
  result = WriteText(newWorkingCopy, text);
  if (result != ScriptResult::kDone) return result;
  std::string oldWorkingCopy = WorkingCopyPath(scriptPath);
  // The old working copy may be the very file just saved (a script saved as "app.tmp").
  if (!SamePath(oldWorkingCopy, newWorkingCopy) && !SamePath(oldWorkingCopy, newScriptPath))
    platform::RemoveFile(oldWorkingCopy);
  return ScriptResult::kDone;
}

}  // namespace

std::string WorkingCopyPath(const std::string& scriptPath) { return SiblingPath(scriptPath, "tmp"); }
std::string BackupPath(const std::string& scriptPath) { return SiblingPath(scriptPath, "bak"); }

std::string FolderOf(const std::string& path) {
  std::size_t separator = LastSeparator(path);
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::string FileNameOf(const std::string& path) {
  std::size_t separator = LastSeparator(path);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool SamePath(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i] == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(a[i])));
    char y = b[i] == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(b[i])));
    if (x != y) return false;
  }
  return true;
}

ScriptResult OpenScript(const std::string& scriptPath) {
  ScriptResult result;
  try {
    result = OpenConverted(scriptPath);
  } catch (const std::exception&) {
    result = ScriptResult::kNoMemory;
  }
  if (result != ScriptResult::kDone) platform::RemoveFile(WorkingCopyPath(scriptPath));
  return result;
}

ScriptResult ReadWorkingCopy(const std::string& scriptPath, std::string& text) {
  try {
    return ReadText(WorkingCopyPath(scriptPath), text, ScriptResult::kNoWorkingCopy);
  } catch (const std::exception&) {
    text.clear();
    return ScriptResult::kNoMemory;
  }
}

ScriptResult WriteWorkingCopy(const std::string& scriptPath, const std::string& text) {
  try {
    return WriteText(WorkingCopyPath(scriptPath), text);
  } catch (const std::exception&) {
    return ScriptResult::kNoMemory;
  }
}

ScriptResult SaveScript(const std::string& scriptPath) {
  try {
    std::string text;
    ScriptResult result = ReadWorkingCopy(scriptPath, text);
    if (result != ScriptResult::kDone) return result;
    return WriteText(scriptPath, text);
  } catch (const std::exception&) {
    return ScriptResult::kNoMemory;
  }
}

ScriptResult SaveScriptAs(const std::string& scriptPath, const std::string& newScriptPath) {
  try {
    return SaveAs(scriptPath, newScriptPath);
  } catch (const std::exception&) {
    return ScriptResult::kNoMemory;
  }
}

bool CloseScript(const std::string& scriptPath) {
  try {
    std::string workingCopy = WorkingCopyPath(scriptPath);
    return platform::RemoveFile(workingCopy) || !platform::FileExists(workingCopy);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace resedit
