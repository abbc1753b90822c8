// Reads one DIALOG statement of a resource script into a DialogModel.
#pragma once

#include <string_view>

#include "dlgedit/dialogmodel.h"

namespace dlgedit {

// Reads `text`, which holds one statement:
//   NAME DIALOG [memory options] x, y, width, height
//   header lines (STYLE, CLASS, CAPTION, FONT, MENU in any case; other lines are kept as they stand;
//                 a value ending in "|", or followed by a line starting with "|", goes on to the next line)
//   {
//   control statements, each ending at "}" or where a line starts with a control keyword
//   }
// BEGIN and END are not taken for braces (the resource editor turns them into braces before).
// Returns 0 and replaces `model` (placed in pixels, not modified) on success. Otherwise returns a
// nonzero offset into `text` - 1 when there is no DIALOG keyword, the text's length when it runs
// out (no "{" or no "}"), the start of a field or statement that cannot be read - and leaves
// `model` as it was: a statement is read whole or not at all.
int ReadDialogStatement(std::string_view text, DialogModel& model);

}  // namespace dlgedit
