// Tests of the templates for new resources: their exact bytes, and that each one lists and is
// found whole once it stands in a script.
#include "resedit/scripttemplates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resedit/scriptextent.h"
#include "resedit/scriptlist.h"
#include "script_lines.h"

namespace {

using reseditTest::Lines;

TEST(ScriptTemplatesTest, VersionInfoTemplateByteForByte) {
  EXPECT_EQ(resedit::ResourceTemplate("VERSIONINFO"),
            Lines({" VERSIONINFO",
                   "FILEVERSION 1, 0, 0, 0",
                   "PRODUCTVERSION 1, 0, 0, 0",
                   "FILEOS VOS_NT_WINDOWS32",
                   "FILETYPE VFT_APP",
                   "{",
                   " BLOCK \"StringFileInfo\"",
                   " {",
                   "  BLOCK \"040904E4\"",
                   "  {",
                   "  VALUE \"CompanyName\", \"My Company\\000\\000\"",
                   "  VALUE \"FileDescription\", \"Description from .def file here\\000\"",
                   "  VALUE \"FileVersion\", \"1.00\\000\\000\"",
                   "  VALUE \"InternalName\", \"Application name\\000\"",
                   "  VALUE \"LegalCopyright\", \"Copyright (C) My Company\\000\\000\"",
                   "  VALUE \"OriginalFilename\", \".exe file name here\\000\"",
                   "  }",
                   " }",
                   " BLOCK \"VarFileInfo\"",
                   "  {",
                   "  VALUE \"Translation\", 0x409, 1252",
                   "  }",
                   "}"}));
  EXPECT_EQ(resedit::DefaultResourceName("VERSIONINFO"), "Version");
}

TEST(ScriptTemplatesTest, DialogMenuAcceleratorAndStringTableTemplatesByteForByte) {
  EXPECT_EQ(resedit::ResourceTemplate("DIALOG"),
            Lines({" DIALOG 20,20,200,120", "STYLE WS_POPUP | WS_VISIBLE", "FONT 8, \"MS Sans Serif\"", "{", "}", ""}));
  EXPECT_EQ(resedit::ResourceTemplate("MENU"),
            Lines({" MENU", "{", "POPUP \"Pop-up\"", " {", "MENUITEM \"Item\", CM_POPUPITEM", " }", "}", ""}));
  EXPECT_EQ(resedit::ResourceTemplate("ACCELERATORS"),
            Lines({" ACCELERATORS", "{", " 0, CM_KEY101, VIRTKEY", "}", ""}));
  EXPECT_EQ(resedit::ResourceTemplate("STRINGTABLE"), Lines({"STRINGTABLE", "{", "ID_STRING, \"string\"", "}", ""}));
  EXPECT_EQ(resedit::DefaultResourceName("DIALOG"), "Dialog");
  EXPECT_EQ(resedit::DefaultResourceName("MENU"), "Menu");
  EXPECT_EQ(resedit::DefaultResourceName("ACCELERATORS"), "Accel");
  EXPECT_EQ(resedit::DefaultResourceName("STRINGTABLE"), "");
}

TEST(ScriptTemplatesTest, EmptyBlockTemplatesByteForByte) {
  EXPECT_EQ(resedit::ResourceTemplate("DLGINIT"), " DLGINIT \r\n{\r\n}\r\n\r\n");
  EXPECT_EQ(resedit::ResourceTemplate("BITMAP"), " BITMAP\r\n{\r\n}\r\n\r\n");
  EXPECT_EQ(resedit::ResourceTemplate("ICON"), " ICON\r\n{\r\n}\r\n\r\n");
  EXPECT_EQ(resedit::ResourceTemplate("CURSOR"), " CURSOR\r\n{\r\n}\r\n\r\n");
  EXPECT_EQ(resedit::ResourceTemplate("RCDATA"), " RCDATA\r\n{\r\n}\r\n\r\n");
  EXPECT_EQ(resedit::DefaultResourceName("DLGINIT"), "Dlginit");
  EXPECT_EQ(resedit::DefaultResourceName("BITMAP"), "Bitmap");
  EXPECT_EQ(resedit::DefaultResourceName("ICON"), "Icon");
  EXPECT_EQ(resedit::DefaultResourceName("CURSOR"), "Cursor");
  EXPECT_EQ(resedit::DefaultResourceName("RCDATA"), "Rcdata");
}

TEST(ScriptTemplatesTest, TypesWithoutTemplatesHaveNeitherTextNorName) {
  for (const char* type : {"MESSAGETABLE", "DIALOGEX", "MENUEX", "icon", ""}) {
    EXPECT_TRUE(resedit::ResourceTemplate(type).empty()) << type;
    EXPECT_TRUE(resedit::DefaultResourceName(type).empty()) << type;
  }
}

// A new resource must be usable at once: listed under its type and found through its last line.
TEST(ScriptTemplatesTest, EveryTemplatedResourceListsAndIsFoundWhole) {
  for (const char* type : {"VERSIONINFO", "DIALOG", "DLGINIT", "BITMAP", "ICON", "CURSOR", "MENU", "ACCELERATORS",
                           "STRINGTABLE", "RCDATA"}) {
    SCOPED_TRACE(type);
    bool table = std::string(type) == "STRINGTABLE";
    std::string resource = (table ? "" : "New") + std::string(resedit::ResourceTemplate(type));
    std::string text = "A RCDATA\r\n{\r\n}\r\n" + resource + "Z ICON \"z.ico\"\r\n";
    std::string entry = table ? resedit::StringTableEntry(1) : std::string(type) + ":New";
    std::vector<std::string> list = resedit::ListResources(text);
    EXPECT_NE(std::find(list.begin(), list.end(), entry), list.end());
    std::optional<resedit::Extent> extent = resedit::FindResourceExtent(text, type, table ? "1" : "New");
    ASSERT_TRUE(extent);
    // The block ends with the line end after its "}"; an empty line after it stays in the script.
    std::string found = text.substr(extent->start, extent->last - extent->start + 1);
    std::string expected = resource.size() >= 2 && resource.compare(resource.size() - 4, 4, "\r\n\r\n") == 0
                               ? resource.substr(0, resource.size() - 2)
                               : resource;
    EXPECT_EQ(found, expected);
  }
}

}  // namespace
