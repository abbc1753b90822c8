// Which file kinds the editor colours.
#include "editor/filetype.h"

namespace editor {

bool IsColouredSource(int fileType) { return fileType >= kFileC && fileType <= kFileResourceScript; }

}  // namespace editor
