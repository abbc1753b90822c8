// History lists: the latest texts of a dialog field, newest first, under keys "0", "1", ... "N".
#pragma once

#include <string>
#include <vector>

namespace settings {

// Puts `text` at key "0" of `section`, moving older entries down by one; a text already in the list
// moves to the front instead of appearing twice. N is `limit` when 0 < limit < 32, else 8, so the
// list keeps up to N + 1 texts and the one at key N drops out when a new text arrives. The text is
// stored as a later read delivers it (cut at a line break and to 510 characters, blanks around it
// removed), so it is recognised when added again. Returns 1 when stored, 0 for an empty text.
// Failed writes are ignored, as for every setting.
int AddToHistory(const std::string& file, const char* section, const std::string& text, int limit);

// The texts of the list, from key "0" up to the first empty or missing key (at most N + 1 texts).
std::vector<std::string> ReadHistory(const std::string& file, const char* section, int limit);

}  // namespace settings
