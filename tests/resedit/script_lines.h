// Test helpers: script texts made of lines, and a script holding every resource type the model lists.
#pragma once

#include <initializer_list>
#include <string>

namespace reseditTest {

// The lines, each ended by CR LF (or by the given line end).
inline std::string Lines(std::initializer_list<const char*> lines, const char* lineEnd = "\r\n") {
  std::string text;
  for (const char* line : lines) text.append(line).append(lineEnd);
  return text;
}

// One resource of every listed type, deliberately out of listing order, with the traps a real
// script has: an ICON control and keywords inside a dialog, a dialog's CAPTION before its block,
// two string tables, an unquoted message-table file, comments, and BEGIN/END blocks.
inline std::string EveryTypeScript(const char* lineEnd = "\r\n") {
  return Lines({"// Every kind of resource",
                "#include \"resource.h\"",
                "",
                "IDI_APP ICON \"app.ico\"",
                "IDC_HAND CURSOR DISCARDABLE \"hand.cur\"",
                "IDB_LOGO BITMAP logo.bmp",
                "IDR_DATA RCDATA",
                "BEGIN",
                " 1, 2, 3 /* END of numbers */",
                "END",
                "",
                "STRINGTABLE",
                "BEGIN",
                " IDS_HELLO \"Hello { there\"",
                "END",
                "",
                "IDR_MAIN MENU",
                "BEGIN",
                " POPUP \"&File\"",
                " BEGIN",
                "  MENUITEM \"E&xit }\", IDM_EXIT",
                " END",
                "END",
                "",
                "IDR_MAINEX MENUEX",
                "BEGIN",
                " POPUP \"&Edit\", 100",
                " BEGIN",
                "  MENUITEM \"&Copy\", IDM_COPY // END",
                " END",
                "END",
                "",
                "IDR_KEYS ACCELERATORS",
                "BEGIN",
                " \"C\", IDM_COPY, VIRTKEY, CONTROL",
                "END",
                "",
                "IDD_ABOUT DIALOG 0, 0, 180, 60",
                "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION",
                "CAPTION \"About the MENU\"",
                "FONT 8, \"MS Sans Serif\"",
                "BEGIN",
                " ICON IDI_APP, -1, 8, 8, 20, 20",
                " DEFPUSHBUTTON \"OK\", IDOK, 120, 40, 50, 14",
                "END",
                "",
                "IDD_OPTIONS DIALOGEX 0, 0, 200, 100",
                "STYLE DS_SETFONT | WS_POPUP",
                "FONT 8, \"MS Shell Dlg\", 0, 0, 0x1",
                "BEGIN",
                " LTEXT \"Pick a BITMAP here\", -1, 7, 7, 100, 8",
                "END",
                "",
                "IDD_OPTIONS DLGINIT",
                "BEGIN",
                " IDC_COMBO, 0x403, 4, 0",
                " 0x6f66, 0x006f,",
                " 0",
                "END",
                "",
                "1 MESSAGETABLE msg00001.bin",
                "",
                "STRINGTABLE DISCARDABLE",
                "BEGIN",
                " IDS_BYE \"Bye\"",
                "END",
                "",
                "1 VERSIONINFO",
                "FILEVERSION 1,0,0,1",
                "BEGIN",
                " BLOCK \"StringFileInfo\"",
                " BEGIN",
                "  BLOCK \"040904E4\"",
                "  BEGIN",
                "   VALUE \"FileVersion\", \"1.0\"",
                "  END",
                " END",
                "END"},
               lineEnd);
}

}  // namespace reseditTest
