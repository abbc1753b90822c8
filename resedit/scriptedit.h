// Edits of an open script's working copy: adding file references, merging scripts, adding
// resources from templates, removing resources and replacing their text.
//
// Each operation reads the working copy, changes it in memory and writes it back; on any failure
// the working copy is left as it was and the result says why (kNoWorkingCopy when the script is
// not open).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "resedit/scriptfile.h"

namespace resedit {

// The outcome of an addition and, when it is done, the listing entry of the new resource
// ("ICON:my_icon", "STRINGTABLE:   2"). The entry is empty after a merge.
struct AddedResource {
  ScriptResult result = ScriptResult::kDone;
  std::string entry;
};

// Adds a file to the script, by the file's extension (letters without regard to case): "ico",
// "bmp" and "cur" append the line
//     name ICON|BITMAP|CURSOR "reference"
// and an empty line, where the reference is the bare file name when the file lies in the script's
// folder and its full path otherwise, and the name is the file's name without extension made
// unique (see UniqueName). "rc" merges the script instead (see MergeScript). Any other kind is
// refused with kUnknownFileKind and nothing is appended.
AddedResource AddFileReference(const std::string& scriptPath, const std::string& filePath);

// Appends another script, after line-end and brace conversion, to the working copy.
// kCannotReadScript when the other script cannot be read.
ScriptResult MergeScript(const std::string& scriptPath, const std::string& otherScriptPath);

// Appends a new resource of `type` made from its template (see ResourceTemplate): an empty name
// takes the type's default name, and the name is made unique. A string table gets the template
// alone; its entry is the new table's number. kUnknownType for a type without a template.
AddedResource AddTemplateResource(const std::string& scriptPath, std::string_view type, std::string_view name);

// Removes the resource (type, name) (see FindResourceExtent): its text from its start through its last
// character is cut. kNotFound (nothing written) when there is no such resource.
ScriptResult RemoveResource(const std::string& scriptPath, std::string_view type, std::string_view name);

// Replaces the text from `start` through `last` (an extent from FindResourceExtent) by `newText`.
// kBadRange (nothing written) when the extent does not lie inside the working copy.
ScriptResult ReplaceResourceText(const std::string& scriptPath, std::size_t start, std::size_t last,
                                 std::string_view newText);

}  // namespace resedit
