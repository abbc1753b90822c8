// Edits of an open script's working copy: additions, merges, removal and replacement.
#include "resedit/scriptedit.h"

#include <cctype>
#include <exception>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "resedit/scriptextent.h"
#include "resedit/scriptlist.h"
#include "resedit/scripttemplates.h"
#include "resedit/scripttext.h"

namespace resedit {
namespace {

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The resource type a file adds by its extension, or an empty view for other kinds.
std::string_view TypeOfFile(const std::string& extension) {
  if (extension == "ico") return "ICON";
  if (extension == "bmp") return "BITMAP";
  if (extension == "cur") return "CURSOR";
  return {};
}

AddedResource Failed(ScriptResult result) { return AddedResource{result, std::string()}; }

// Appends `piece` on a line of its own and writes the working copy.
ScriptResult AppendAndWrite(const std::string& scriptPath, std::string& text, std::string_view piece) {
  if (!AppendOnNewLine(text, piece)) return ScriptResult::kNoMemory;
  return WriteWorkingCopy(scriptPath, text);
}

AddedResource AddReference(const std::string& scriptPath, const std::string& filePath) {
  std::string fileName = FileNameOf(filePath);
  std::size_t dot = fileName.find_last_of('.');
  std::string extension = dot == std::string::npos ? std::string() : LowerCase(fileName.substr(dot + 1));
  if (extension == "rc") return Failed(MergeScript(scriptPath, filePath));
  std::string_view type = TypeOfFile(extension);
  if (type.empty()) return Failed(ScriptResult::kUnknownFileKind);

  std::string text;
  ScriptResult result = ReadWorkingCopy(scriptPath, text);
  if (result != ScriptResult::kDone) return Failed(result);
  bool sameFolder = SamePath(FolderOf(filePath), FolderOf(scriptPath));
  const std::string& reference = sameFolder ? fileName : filePath;
  std::string wanted = fileName.substr(0, dot);
  if (wanted.empty()) wanted = std::string(DefaultResourceName(type));
  std::string name = UniqueName(ListResources(text), type, wanted);
  if (name.empty()) return Failed(ScriptResult::kNoMemory);
  std::string line = name + " " + std::string(type) + " \"" + reference + "\"\r\n\r\n";
  result = AppendAndWrite(scriptPath, text, line);
  if (result != ScriptResult::kDone) return Failed(result);
  return AddedResource{result, std::string(type) + ":" + name};
}

ScriptResult Merge(const std::string& scriptPath, const std::string& otherScriptPath) {
  std::vector<char> block;
  int count = platform::ReadWholeFile(otherScriptPath, block);
  if (count == platform::kNoMemory) return ScriptResult::kNoMemory;
  if (count < 0) return ScriptResult::kCannotReadScript;
  std::string other(block.data(), static_cast<std::size_t>(count));
  if (!PrepareScriptText(other)) return ScriptResult::kNoMemory;
  std::string text;
  ScriptResult result = ReadWorkingCopy(scriptPath, text);
  if (result != ScriptResult::kDone) return result;
  return AppendAndWrite(scriptPath, text, other);
}

AddedResource AddTemplate(const std::string& scriptPath, std::string_view type, std::string_view name) {
  std::string_view pattern = ResourceTemplate(type);
  if (pattern.empty()) return Failed(ScriptResult::kUnknownType);
  std::string text;
  ScriptResult result = ReadWorkingCopy(scriptPath, text);
  if (result != ScriptResult::kDone) return Failed(result);

  bool isStringTable = type == "STRINGTABLE";
  std::string newName;
  if (!isStringTable) {
    newName = UniqueName(ListResources(text), type, name.empty() ? DefaultResourceName(type) : name);
    if (newName.empty()) return Failed(ScriptResult::kNoMemory);
  }
  if (!AppendOnNewLine(text, newName + std::string(pattern))) return Failed(ScriptResult::kNoMemory);
  std::string entry = std::string(type) + ":" + newName;
  if (isStringTable) {
    int tables = 0;
    for (const std::string& line : ListResources(text)) {
      if (line.compare(0, 12, "STRINGTABLE:") == 0) ++tables;
    }
    entry = StringTableEntry(tables);
  }
  result = WriteWorkingCopy(scriptPath, text);
  if (result != ScriptResult::kDone) return Failed(result);
  return AddedResource{result, entry};
}

ScriptResult Remove(const std::string& scriptPath, std::string_view type, std::string_view name) {
  std::string text;
  ScriptResult result = ReadWorkingCopy(scriptPath, text);
  if (result != ScriptResult::kDone) return result;
  std::optional<Extent> extent = FindResourceExtent(text, type, name);
  if (!extent) return ScriptResult::kNotFound;
  CutText(text, extent->start, extent->last - extent->start + 1);
  return WriteWorkingCopy(scriptPath, text);
}

ScriptResult Replace(const std::string& scriptPath, std::size_t start, std::size_t last, std::string_view newText) {
  std::string text;
  ScriptResult result = ReadWorkingCopy(scriptPath, text);
  if (result != ScriptResult::kDone) return result;
  if (start > last || last >= text.size()) return ScriptResult::kBadRange;
  CutText(text, start, last - start + 1);
  if (!InsertText(text, start, newText)) return ScriptResult::kNoMemory;
  return WriteWorkingCopy(scriptPath, text);
}

}  // namespace

AddedResource AddFileReference(const std::string& scriptPath, const std::string& filePath) {
  try {
    return AddReference(scriptPath, filePath);
  } catch (const std::exception&) {
    return Failed(ScriptResult::kNoMemory);
  }
}

ScriptResult MergeScript(const std::string& scriptPath, const std::string& otherScriptPath) {
  try {
    return Merge(scriptPath, otherScriptPath);
  } catch (const std::exception&) {
    return ScriptResult::kNoMemory;
  }
}

AddedResource AddTemplateResource(const std::string& scriptPath, std::string_view type, std::string_view name) {
  try {
    return AddTemplate(scriptPath, type, name);
  } catch (const std::exception&) {
    return Failed(ScriptResult::kNoMemory);
  }
}

ScriptResult RemoveResource(const std::string& scriptPath, std::string_view type, std::string_view name) {
  try {
    return Remove(scriptPath, type, name);
  } catch (const std::exception&) {
    return ScriptResult::kNoMemory;
  }
}

ScriptResult ReplaceResourceText(const std::string& scriptPath, std::size_t start, std::size_t last,
                                 std::string_view newText) {
  try {
    return Replace(scriptPath, start, last, newText);
  } catch (const std::exception&) {
    return ScriptResult::kNoMemory;
  }
}

}  // namespace resedit
