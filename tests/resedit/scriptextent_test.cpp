// Tests of finding a resource's extent, and fuzz-style runs of listing and finding on damaged and
// random texts.
#include "resedit/scriptextent.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "resedit/scriptlist.h"
#include "resedit/scripttext.h"
#include "script_lines.h"

namespace {

using reseditTest::Lines;

std::string Converted(std::string text) {
  resedit::PrepareScriptText(text);
  return text;
}

// A converted BEGIN/END resource as its extent shows it: "END" became "}" and two blanks, and the
// block ends at the "}" (only a line break right after it belongs to the block).
std::string Block(std::initializer_list<const char*> lines) {
  std::string text = Converted(Lines(lines));
  return text.substr(0, text.size() - 4);
}

// The text of resource (type, name), or "<none>".
std::string Found(const std::string& text, const char* type, const char* name) {
  std::optional<resedit::Extent> extent = resedit::FindResourceExtent(text, type, name);
  if (!extent) return "<none>";
  return text.substr(extent->start, extent->last - extent->start + 1);
}

TEST(ScriptExtentTest, EveryResourceOfTheFullScriptIsFoundExactly) {
  std::string text = Converted(reseditTest::EveryTypeScript());
  EXPECT_EQ(Found(text, "ICON", "IDI_APP"), "IDI_APP ICON \"app.ico\"");
  EXPECT_EQ(Found(text, "CURSOR", "IDC_HAND"), "IDC_HAND CURSOR DISCARDABLE \"hand.cur\"");
  EXPECT_EQ(Found(text, "BITMAP", "IDB_LOGO"), "IDB_LOGO BITMAP logo.bmp");
  EXPECT_EQ(Found(text, "RCDATA", "IDR_DATA"),
            Block({"IDR_DATA RCDATA", "BEGIN", " 1, 2, 3 /* END of numbers */", "END"}));
  EXPECT_EQ(Found(text, "STRINGTABLE", "   1"), Block({"STRINGTABLE", "BEGIN", " IDS_HELLO \"Hello { there\"", "END"}));
  EXPECT_EQ(Found(text, "MENU", "IDR_MAIN"), Block({"IDR_MAIN MENU", "BEGIN", " POPUP \"&File\"", " BEGIN",
                                                    "  MENUITEM \"E&xit }\", IDM_EXIT", " END", "END"}));
  EXPECT_EQ(Found(text, "MENUEX", "IDR_MAINEX"), Block({"IDR_MAINEX MENUEX", "BEGIN", " POPUP \"&Edit\", 100", " BEGIN",
                                                        "  MENUITEM \"&Copy\", IDM_COPY // END", " END", "END"}));
  EXPECT_EQ(Found(text, "DIALOG", "IDD_ABOUT"),
            Block({"IDD_ABOUT DIALOG 0, 0, 180, 60", "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION",
                   "CAPTION \"About the MENU\"", "FONT 8, \"MS Sans Serif\"", "BEGIN",
                   " ICON IDI_APP, -1, 8, 8, 20, 20", " DEFPUSHBUTTON \"OK\", IDOK, 120, 40, 50, 14", "END"}));
  EXPECT_EQ(Found(text, "DLGINIT", "IDD_OPTIONS").substr(0, 21), "IDD_OPTIONS DLGINIT\r\n");
  EXPECT_EQ(Found(text, "DIALOGEX", "IDD_OPTIONS").substr(0, 22), "IDD_OPTIONS DIALOGEX 0");
  EXPECT_EQ(Found(text, "MESSAGETABLE", "1"), "1 MESSAGETABLE msg00001.bin");
  EXPECT_EQ(Found(text, "STRINGTABLE", "2").substr(0, 25), "STRINGTABLE DISCARDABLE\r\n");
  std::string version = Found(text, "VERSIONINFO", "1");
  EXPECT_EQ(version.substr(0, 15), "1 VERSIONINFO\r\n");
  // A converted END leaves its two blanks between the "}" and the line end: the block ends at "}".
  EXPECT_EQ(text.substr(text.find("1 VERSIONINFO") + version.size()), "  \r\n");
}

TEST(ScriptExtentTest, AQuotedOneLineReferenceEndsAtItsClosingQuote) {
  std::string text = Lines({"APPICON ICON \"app.ico\"", "", "X MENU", "{", "}"});
  std::optional<resedit::Extent> extent = resedit::FindResourceExtent(text, "ICON", "APPICON");
  ASSERT_TRUE(extent);
  EXPECT_EQ(extent->start, 0u);
  EXPECT_EQ(extent->last, 21u);
}

TEST(ScriptExtentTest, ABlockEndsWithTheLineBreakAfterItsClosingBrace) {
  EXPECT_EQ(Found("A MENU\r\n{\r\n}\r\nB", "MENU", "A"), "A MENU\r\n{\r\n}\r\n");
  EXPECT_EQ(Found("A MENU\r\n{\r\n}\nB", "MENU", "A"), "A MENU\r\n{\r\n}\n");
  EXPECT_EQ(Found("A MENU\r\n{\r\n}\rB", "MENU", "A"), "A MENU\r\n{\r\n}\r");
  EXPECT_EQ(Found("A MENU\r\n{\r\n}  B", "MENU", "A"), "A MENU\r\n{\r\n}");
  EXPECT_EQ(Found("A MENU\r\n{\r\n}", "MENU", "A"), "A MENU\r\n{\r\n}");
  // A block that never closes runs to the end of the text.
  EXPECT_EQ(Found("A MENU\r\n{\r\n{ }\r\n", "MENU", "A"), "A MENU\r\n{\r\n{ }\r\n");
}

TEST(ScriptExtentTest, BracesInsideStringsAndCommentsDoNotCount) {
  std::string text = Lines(
      {"M MENU", "{", " POPUP \"}}\"", " {", "  MENUITEM \"{\", 1 /* } */", "  // }", " }", "}", "N MENU", "{", "}"});
  EXPECT_EQ(Found(text, "MENU", "M"), text.substr(0, text.find("N MENU")));
}

TEST(ScriptExtentTest, ACaptionBeforeTheBlockIsNotAFileReference) {
  std::string text = Lines({"D DIALOG 0, 0, 9, 9", "CAPTION \"x\"", "{", " LTEXT \"a\", 1, 0, 0, 9, 9", "}"});
  EXPECT_EQ(Found(text, "DIALOG", "D"), text);
  // Neither when the lines end in LF alone.
  std::string lf = Lines({"D DIALOG 0, 0, 9, 9", "CAPTION \"x\"", "{", "}"}, "\n");
  EXPECT_EQ(Found(lf, "DIALOG", "D"), lf);
}

// Unquoted one-line file references used to run to the end of the next block, so removing one
// deleted the resources after it.
TEST(ScriptExtentTest, AnUnquotedFileReferenceEndsAtItsLineEnd) {
  std::string text = Lines({"WSR ICON wsr.ico", "SPLITCURSOR CURSOR PRELOAD split.cur  ",
                            "PIC BITMAP MOVEABLE PURE LOADONCALL DISCARDABLE FIXED IMPURE res\\pic.bmp // art",
                            "RAW RCDATA raw.bin", "M MENU", "{", " MENUITEM \"a\", 1", "}", "LAST ICON last.ico"});
  EXPECT_EQ(Found(text, "ICON", "WSR"), "WSR ICON wsr.ico");
  EXPECT_EQ(Found(text, "CURSOR", "SPLITCURSOR"), "SPLITCURSOR CURSOR PRELOAD split.cur");
  EXPECT_EQ(Found(text, "BITMAP", "PIC"),
            "PIC BITMAP MOVEABLE PURE LOADONCALL DISCARDABLE FIXED IMPURE res\\pic.bmp // art");
  EXPECT_EQ(Found(text, "RCDATA", "RAW"), "RAW RCDATA raw.bin");
  EXPECT_EQ(Found(text, "ICON", "LAST"), "LAST ICON last.ico");
  std::string noLineEnd = "LAST ICON last.ico";
  EXPECT_EQ(Found(noLineEnd, "ICON", "LAST"), noLineEnd);
}

TEST(ScriptExtentTest, IconsWithInlineDataStillEndWithTheirBlock) {
  std::string text = Lines({"A ICON DISCARDABLE", "{", " '00 00 01 00'", "}", "B ICON // data below", "{", " '00'", "}",
                            "C ICON { '00' }", "D ICON BEGIN", "'00'", "END"});
  EXPECT_EQ(Found(text, "ICON", "A"), Lines({"A ICON DISCARDABLE", "{", " '00 00 01 00'", "}"}));
  EXPECT_EQ(Found(text, "ICON", "B"), Lines({"B ICON // data below", "{", " '00'", "}"}));
  EXPECT_EQ(Found(text, "ICON", "C"), "C ICON { '00' }\r\n");
  // An unconverted BEGIN is not a file name either.
  EXPECT_EQ(Found(text, "ICON", "D").substr(0, 14), "D ICON BEGIN\r\n");
}

// A name used to be found inside a longer name ending in it.
TEST(ScriptExtentTest, ANameIsFoundOnlyWhereItStartsALine) {
  std::string text = Lines({"MULTIPLEATTRIBSDLG DIALOG 0,0,1,1", "{", "}", "ATTRIBSDLG DIALOG 0,0,2,2", "{", "}"});
  std::optional<resedit::Extent> extent = resedit::FindResourceExtent(text, "DIALOG", "ATTRIBSDLG");
  ASSERT_TRUE(extent);
  EXPECT_EQ(extent->start, text.find("ATTRIBSDLG DIALOG 0,0,2,2"));
  EXPECT_EQ(Found(Lines({"X ATTRIBSDLG DIALOG 0,0,1,1", "{", "}"}), "DIALOG", "ATTRIBSDLG"), "<none>");
  EXPECT_EQ(Found(Lines({" ATTRIBSDLG DIALOG 0,0,1,1", "{", "}"}), "DIALOG", "ATTRIBSDLG"), "<none>");
}

// A resource on the first line used to be missed.
TEST(ScriptExtentTest, AResourceOnTheFirstLineIsFound) {
  EXPECT_EQ(Found("ONLY MENU\r\n{\r\n}\r\n", "MENU", "ONLY"), "ONLY MENU\r\n{\r\n}\r\n");
}

TEST(ScriptExtentTest, TheTypeMustFollowTheNameAsAWholeWord) {
  std::string text = Lines({"IDR_MAIN MENUEX", "{", "}", "IDR_MAIN ACCELERATORS", "{", "}",
                            "IDR_MAIN ICON \"main.ico\"", "IDR_MAIN MENU", "{", "}"});
  EXPECT_EQ(Found(text, "ICON", "IDR_MAIN"), "IDR_MAIN ICON \"main.ico\"");
  EXPECT_EQ(Found(text, "MENU", "IDR_MAIN"), "IDR_MAIN MENU\r\n{\r\n}\r\n");
  EXPECT_EQ(Found(text, "MENUEX", "IDR_MAIN"), "IDR_MAIN MENUEX\r\n{\r\n}\r\n");
  EXPECT_EQ(Found(text, "ACCELERATORS", "IDR_MAIN"), "IDR_MAIN ACCELERATORS\r\n{\r\n}\r\n");
  EXPECT_EQ(Found(text, "DIALOG", "IDR_MAIN"), "<none>");
  EXPECT_EQ(Found(text, "MENU", ""), "<none>");
  EXPECT_EQ(Found("", "MENU", "X"), "<none>");
}

TEST(ScriptExtentTest, StringTablesAreFoundByTheirListedNumber) {
  std::string text =
      Lines({"// see STRINGTABLE 2", "STRINGTABLE", "{", " 1, \"one\"", "}", "STRINGTABLE", "{", " 2, \"two\"", "}"});
  EXPECT_EQ(Found(text, "STRINGTABLE", "2"), Lines({"STRINGTABLE", "{", " 2, \"two\"", "}"}));
  EXPECT_EQ(Found(text, "STRINGTABLE", resedit::StringTableEntry(1).substr(12).c_str()),
            Lines({"STRINGTABLE", "{", " 1, \"one\"", "}"}));
  EXPECT_EQ(Found(text, "STRINGTABLE", "3"), "<none>");
  EXPECT_EQ(Found(text, "STRINGTABLE", "0"), "<none>");
  EXPECT_EQ(Found(text, "STRINGTABLE", "1x"), "<none>");
  EXPECT_EQ(Found(text, "STRINGTABLE", "99999999999999"), "<none>");
  EXPECT_FALSE(resedit::FindStringTable(text, -1));
}

TEST(ScriptExtentTest, TheReferencedFileIsTakenFromEitherForm) {
  EXPECT_EQ(resedit::ReferencedFileName("APP ICON \"my app.ico\""), "my app.ico");
  EXPECT_EQ(resedit::ReferencedFileName("S CURSOR PRELOAD split.cur"), "split.cur");
  EXPECT_EQ(resedit::ReferencedFileName("P BITMAP DISCARDABLE \"C:\\art\\p.bmp\""), "C:\\art\\p.bmp");
  EXPECT_FALSE(resedit::ReferencedFileName("A ICON\r\n{\r\n '00'\r\n}\r\n"));
  EXPECT_FALSE(resedit::ReferencedFileName("A ICON \"unclosed.ico\r\n"));
  EXPECT_FALSE(resedit::ReferencedFileName("D DIALOG 0, 0, 1, 1\r\n{\r\n}"));
  EXPECT_FALSE(resedit::ReferencedFileName(""));
}

// ---- Fuzz-style runs. Texts are copied into buffers of their exact size, so a read past the end
// is caught by the address sanitizer in the host build.

struct ExactBuffer {
  explicit ExactBuffer(const std::string& text) : bytes(new char[text.size() + 1]), size(text.size()) {
    std::copy(text.begin(), text.end(), bytes.get());
  }
  std::string_view View() const { return std::string_view(bytes.get(), size); }
  std::unique_ptr<char[]> bytes;
  std::size_t size;
};

// Lists the text and finds every entry: each is found, inside the text, starting with its name.
void CheckListAndFind(const std::string& text) {
  ExactBuffer buffer(text);
  std::string_view view = buffer.View();
  for (const std::string& entry : resedit::ListResources(view)) {
    std::string type, name;
    if (!resedit::SplitEntry(entry, type, name)) continue;
    std::optional<resedit::Extent> extent = resedit::FindResourceExtent(view, type, name);
    ASSERT_TRUE(extent) << entry;
    ASSERT_LE(extent->start, extent->last) << entry;
    ASSERT_LT(extent->last, view.size()) << entry;
    if (type != "STRINGTABLE") {
      ASSERT_EQ(view.substr(extent->start, name.size()), name) << entry;
    }
    std::string rest = text;
    ASSERT_TRUE(resedit::CutText(rest, extent->start, extent->last - extent->start + 1));
    ExactBuffer after(rest);
    resedit::ListResources(after.View());
    resedit::ReferencedFileName(view.substr(extent->start, extent->last - extent->start + 1));
  }
}

TEST(ScriptExtentTest, EveryTruncationOfAScriptListsAndFindsSafely) {
  for (const std::string& script : {reseditTest::EveryTypeScript(), Converted(reseditTest::EveryTypeScript())}) {
    for (std::size_t length = 0; length <= script.size(); ++length) {
      SCOPED_TRACE(length);
      CheckListAndFind(script.substr(0, length));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(ScriptExtentTest, RandomTextsListAndFindSafely) {
  static const char* const kPieces[] = {"ICON",    "DIALOG", "DIALOGEX", "MENU",  "STRINGTABLE", "BITMAP", "RCDATA",
                                        "PRELOAD", "X",      "Y1",       "a.ico", " ",           "\t",     "\r\n",
                                        "\n",      "\r",     "{",        "}",     "\"",          "/*",     "*/",
                                        "//",      "BEGIN",  "END",      ","};
  constexpr std::uint32_t kPieceCount = sizeof kPieces / sizeof kPieces[0];
  std::mt19937 random(8);
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    std::uint32_t count = random() % 60;
    for (std::uint32_t i = 0; i < count; ++i) {
      std::uint32_t pick = random() % (kPieceCount + 2);
      if (pick == kPieceCount) {
        text.push_back(static_cast<char>(random() & 0xFF));
      } else if (pick == kPieceCount + 1) {
        text.push_back('\0');
      } else {
        text.append(kPieces[pick]);
      }
    }
    SCOPED_TRACE(round);
    CheckListAndFind(text);
    if (round % 2) CheckListAndFind(Converted(text));
    ExactBuffer buffer(text);
    for (const char* type : {"ICON", "MENU", "STRINGTABLE"}) {
      for (const char* name : {"X", "Y1", "1", ""}) {
        std::optional<resedit::Extent> extent = resedit::FindResourceExtent(buffer.View(), type, name);
        if (extent) {
          ASSERT_LT(extent->last, text.size());
        }
      }
    }
    resedit::ReferencedFileName(buffer.View());
    if (HasFatalFailure()) return;
  }
}

}  // namespace
