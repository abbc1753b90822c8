// Writes a DialogModel back as the text of one DIALOG statement.
#pragma once

#include <string>

#include "dlgedit/dialogmodel.h"

namespace dlgedit {

// The statement, every line ending in CR LF:
//   NAME DIALOG [memory options ]x, y, width, height
//   the header lines in the order they were read (unknown ones as they stood), then those not read
//   in the order STYLE, CLASS, CAPTION, FONT, MENU; a value is written only when not empty, and the
//   style gains WS_CAPTION when there is a caption
//   {
//    CONTROL "text",ID, "class", style, x, y, width, height[, extended style]   (one per item)
//   }
// Every control is written in the CONTROL form; a text read bare goes back bare, an empty ID or
// style as " 0". Numbers whose pixels are unchanged since reading are written exactly as read; the
// others are converted back from pixels (items relative to the frame's item origin). The text grows
// as needed: no statement is cut, whatever its length.
std::string WriteDialogStatement(const DialogModel& model);

// True when a control text read bare can still be written bare: not empty and free of what would
// end or split the field (quotes, commas, line breaks, braces, comment marks).
bool CanStandBare(const std::string& text);

}  // namespace dlgedit
