// The editor's view of file kinds: the project's type numbers, and which of them are coloured.
#pragma once

#include "project/filetype.h"

namespace editor {

using project::GetFileType;
using project::kFileC;
using project::kFileCpp;
using project::kFileHeader;
using project::kFileResourceScript;

// Types 3 to 6: coloured, compilable sources.
bool IsColouredSource(int fileType);

}  // namespace editor
