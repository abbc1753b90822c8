// Texts of new resources made from templates.
#pragma once

#include <string>
#include <string_view>

namespace resedit {

// The name a new resource of `type` gets when none is given ("Icon" for ICON). Empty for
// STRINGTABLE (tables have no names) and for types without a template.
std::string_view DefaultResourceName(std::string_view type);

// The template of `type`: the text that follows the new resource's name (for STRINGTABLE, the whole
// text). Every line ends in CR LF. Empty for types without a template. Types with templates:
// VERSIONINFO, DIALOG, DLGINIT, BITMAP, ICON, CURSOR, MENU, ACCELERATORS, STRINGTABLE, RCDATA.
std::string_view ResourceTemplate(std::string_view type);

}  // namespace resedit
