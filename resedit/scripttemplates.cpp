// Texts of new resources made from templates.
#include "resedit/scripttemplates.h"

namespace resedit {
namespace {

struct Template {
  const char* type;
  const char* defaultName;
  const char* text;
};

// The version block's texts carry rc escapes: "\\000" is the four characters \000 in the script.
constexpr Template kTemplates[] = {
    {"VERSIONINFO", "Version",
     " VERSIONINFO\r\n"
     "FILEVERSION 1, 0, 0, 0\r\n"
     "PRODUCTVERSION 1, 0, 0, 0\r\n"
     "FILEOS VOS_NT_WINDOWS32\r\n"
     "FILETYPE VFT_APP\r\n"
     "{\r\n"
     " BLOCK \"StringFileInfo\"\r\n"
     " {\r\n"
     "  BLOCK \"040904E4\"\r\n"
     "  {\r\n"
     "  VALUE \"CompanyName\", \"My Company\\000\\000\"\r\n"
     "  VALUE \"FileDescription\", \"Description from .def file here\\000\"\r\n"
     "  VALUE \"FileVersion\", \"1.00\\000\\000\"\r\n"
     "  VALUE \"InternalName\", \"Application name\\000\"\r\n"
     "  VALUE \"LegalCopyright\", \"Copyright (C) My Company\\000\\000\"\r\n"
     "  VALUE \"OriginalFilename\", \".exe file name here\\000\"\r\n"
     "  }\r\n"
     " }\r\n"
     " BLOCK \"VarFileInfo\"\r\n"
     "  {\r\n"
     "  VALUE \"Translation\", 0x409, 1252\r\n"
     "  }\r\n"
     "}\r\n"},
    {"DIALOG", "Dialog",
     " DIALOG 20,20,200,120\r\n"
     "STYLE WS_POPUP | WS_VISIBLE\r\n"
     "FONT 8, \"MS Sans Serif\"\r\n"
     "{\r\n"
     "}\r\n"
     "\r\n"},
    {"DLGINIT", "Dlginit", " DLGINIT \r\n{\r\n}\r\n\r\n"},
    {"BITMAP", "Bitmap", " BITMAP\r\n{\r\n}\r\n\r\n"},
    {"ICON", "Icon", " ICON\r\n{\r\n}\r\n\r\n"},
    {"CURSOR", "Cursor", " CURSOR\r\n{\r\n}\r\n\r\n"},
    {"MENU", "Menu",
     " MENU\r\n"
     "{\r\n"
     "POPUP \"Pop-up\"\r\n"
     " {\r\n"
     "MENUITEM \"Item\", CM_POPUPITEM\r\n"
     " }\r\n"
     "}\r\n"
     "\r\n"},
    {"ACCELERATORS", "Accel",
     " ACCELERATORS\r\n"
     "{\r\n"
     " 0, CM_KEY101, VIRTKEY\r\n"
     "}\r\n"
     "\r\n"},
    {"STRINGTABLE", "",
     "STRINGTABLE\r\n"
     "{\r\n"
     "ID_STRING, \"string\"\r\n"
     "}\r\n"
     "\r\n"},
    {"RCDATA", "Rcdata", " RCDATA\r\n{\r\n}\r\n\r\n"},
};

const Template* FindTemplate(std::string_view type) {
  for (const Template& entry : kTemplates) {
    if (type == entry.type) return &entry;
  }
  return nullptr;
}

}  // namespace

std::string_view DefaultResourceName(std::string_view type) {
  const Template* entry = FindTemplate(type);
  return entry ? std::string_view(entry->defaultName) : std::string_view();
}

std::string_view ResourceTemplate(std::string_view type) {
  const Template* entry = FindTemplate(type);
  return entry ? std::string_view(entry->text) : std::string_view();
}

}  // namespace resedit
