// Tests of writing a DIALOG statement: the CONTROL form, header order, numbers as read or converted.
#include "dlgedit/dialogwriter.h"

#include <gtest/gtest.h>

#include <string>

#include "dlgedit/dialogreader.h"

namespace dlgedit {
namespace {

class DialogWriterTest : public ::testing::Test {
 protected:
  DialogModel model;

  std::string RoundTrip(const std::string& text) {
    EXPECT_EQ(ReadDialogStatement(text, model), 0) << text;
    return WriteDialogStatement(model);
  }
};

TEST_F(DialogWriterTest, ShorthandAboutBoxComesBackInControlFormWithDefaultStyles) {
  std::string about =
      "IDD_ABOUT DIALOG 22, 17, 210, 80\r\n"
      "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
      "CAPTION \"About Sketchpad\"\r\n"
      "FONT 8, \"MS Sans Serif\"\r\n"
      "{\r\n"
      "    ICON            IDI_SKETCH, IDC_STATIC, 12, 10, 20, 20\r\n"
      "    LTEXT           \"Sketchpad Version 2.1\", IDC_STATIC, 42, 12, 119, 8, SS_NOPREFIX\r\n"
      "    CTEXT           \"Copyright \\251 1998\", IDC_STATIC, 42, 24, 119, 8\r\n"
      "    GROUPBOX        \"Credits\", IDC_STATIC, 8, 38, 150, 34\r\n"
      "    DEFPUSHBUTTON   \"OK\", IDOK, 165, 8, 40, 14, WS_GROUP\r\n"
      "    PUSHBUTTON      \"&Licence...\", IDC_LICENCE, 165, 26, 40, 14\r\n"
      "}\r\n";
  EXPECT_EQ(RoundTrip(about),
            "IDD_ABOUT DIALOG 22, 17, 210, 80\r\n"
            "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\r\n"
            "CAPTION \"About Sketchpad\"\r\n"
            "FONT 8, \"MS Sans Serif\"\r\n"
            "{\r\n"
            " CONTROL IDI_SKETCH,IDC_STATIC, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_ICON, 12, 10, 20, 20\r\n"
            " CONTROL \"Sketchpad Version 2.1\",IDC_STATIC, \"STATIC\", "
            "WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 42, 12, 119, 8\r\n"
            " CONTROL \"Copyright \\251 1998\",IDC_STATIC, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_CENTER, "
            "42, 24, 119, 8\r\n"
            " CONTROL \"Credits\",IDC_STATIC, \"BUTTON\", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 8, 38, 150, 34\r\n"
            " CONTROL \"OK\",IDOK, \"BUTTON\", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | WS_GROUP, "
            "165, 8, 40, 14\r\n"
            " CONTROL \"&Licence...\",IDC_LICENCE, \"BUTTON\", WS_CHILD | WS_VISIBLE | WS_TABSTOP | "
            "BS_PUSHBUTTON, 165, 26, 40, 14\r\n"
            "}\r\n");
  EXPECT_FALSE(model.modified);
}

TEST_F(DialogWriterTest, EmptyIdAndStyleAreWrittenAsZero) {
  RoundTrip("D DIALOG 0, 0, 100, 50\r\n{\r\n}\r\n");
  DialogItem item;
  item.text = "t";
  item.className = "EDIT";
  item.rect = {model.frame.rect.x + 18, model.frame.rect.y + 19, 36, 19};
  model.items.push_back(item);
  std::string out = WriteDialogStatement(model);
  EXPECT_NE(out.find(" CONTROL \"t\", 0, \"EDIT\",  0, 10, 11, 20, 11\r\n"), std::string::npos) << out;
}

// A caption without WS_CAPTION drew a band when read but not when written, so the height changed.
TEST_F(DialogWriterTest, CaptionAddsWsCaptionSoTheBandAgrees) {
  EXPECT_EQ(RoundTrip("D DIALOG 0, 0, 100, 50\r\nSTYLE WS_POPUP\r\nCAPTION \"T\"\r\n{\r\n"
                      " LTEXT \"a\", 1, 10, 10, 20, 8\r\n}\r\n"),
            "D DIALOG 0, 0, 100, 50\r\nSTYLE WS_POPUP | WS_CAPTION\r\nCAPTION \"T\"\r\n{\r\n"
            " CONTROL \"a\",1, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 20, 8\r\n}\r\n");
  EXPECT_EQ(RoundTrip("D DIALOG 0, 0, 100, 50\r\nCAPTION \"T\"\r\n{\r\n}\r\n"),
            "D DIALOG 0, 0, 100, 50\r\nCAPTION \"T\"\r\nSTYLE WS_CAPTION\r\n{\r\n}\r\n");
  // Taken through the conversion, the height still comes back: the band is not counted in it.
  model.frame.asRead.known = false;
  EXPECT_NE(WriteDialogStatement(model).find("DIALOG 1, 1, 100, 51\r\n"), std::string::npos);
}

TEST_F(DialogWriterTest, TurningTheCaptionOnOrOffKeepsBodyAndControls) {
  RoundTrip("D DIALOG 0, 0, 100, 50\r\nSTYLE WS_POPUP\r\n{\r\n LTEXT \"a\", 1, 10, 10, 20, 8\r\n}\r\n");
  ApplyDialogProperties(model, {"Title", "", "WS_POPUP", "8, \"Arial\"", ""});
  EXPECT_TRUE(model.modified);
  EXPECT_EQ(WriteDialogStatement(model),
            "D DIALOG 0, 0, 100, 50\r\nSTYLE WS_POPUP | WS_CAPTION\r\nCAPTION \"Title\"\r\nFONT 8, \"Arial\"\r\n{\r\n"
            " CONTROL \"a\",1, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 20, 8\r\n}\r\n");
  ApplyDialogProperties(model, {"", "", "WS_POPUP", "", ""});
  EXPECT_EQ(WriteDialogStatement(model),
            "D DIALOG 0, 0, 100, 50\r\nSTYLE WS_POPUP\r\n{\r\n"
            " CONTROL \"a\",1, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 20, 8\r\n}\r\n");
}

TEST_F(DialogWriterTest, MemoryOptionsAreWrittenBack) {
  EXPECT_EQ(RoundTrip("D DIALOG DISCARDABLE 10, 20, 200, 100\r\n{\r\n}\r\n"),
            "D DIALOG DISCARDABLE 10, 20, 200, 100\r\n{\r\n}\r\n");
}

TEST_F(DialogWriterTest, ContinuedStyleIsWrittenOnOneLine) {
  EXPECT_EQ(RoundTrip("D DIALOG 0, 0, 1, 1\r\nSTYLE WS_POPUP |\r\n  WS_BORDER\r\n    | WS_SYSMENU\r\n{\r\n}\r\n"),
            "D DIALOG 0, 0, 1, 1\r\nSTYLE WS_POPUP | WS_BORDER | WS_SYSMENU\r\n{\r\n}\r\n");
}

TEST_F(DialogWriterTest, UnknownHeaderLinesAreWrittenInTheirPlace) {
  std::string text =
      "D DIALOG 0, 0, 1, 1\r\nLANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL\r\nfont 8, \"Tahoma\"\r\n"
      "EXSTYLE WS_EX_TOOLWINDOW\r\n  | WS_EX_TOPMOST\r\nCHARACTERISTICS 3\r\nVERSION 1\r\nstyle WS_POPUP\r\n{\r\n}\r\n";
  EXPECT_EQ(RoundTrip(text),
            "D DIALOG 0, 0, 1, 1\r\nLANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL\r\nFONT 8, \"Tahoma\"\r\n"
            "EXSTYLE WS_EX_TOOLWINDOW\r\n  | WS_EX_TOPMOST\r\nCHARACTERISTICS 3\r\nVERSION 1\r\nSTYLE WS_POPUP\r\n{\r\n}\r\n");
  // A value set in the editor where the script had none goes after the lines read.
  model.frame.menu = "IDM_NEW";
  model.frame.font.clear();
  EXPECT_EQ(WriteDialogStatement(model),
            "D DIALOG 0, 0, 1, 1\r\nLANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL\r\n"
            "EXSTYLE WS_EX_TOOLWINDOW\r\n  | WS_EX_TOPMOST\r\nCHARACTERISTICS 3\r\nVERSION 1\r\nSTYLE WS_POPUP\r\n"
            "MENU IDM_NEW\r\n{\r\n}\r\n");
}

TEST_F(DialogWriterTest, QuotedTextsAreWrittenAsTheyStand) {
  std::string text =
      "D DIALOG 0, 0, 1, 1\r\nCAPTION \"A \"\"B\"\" \\\"C\\\"\"\r\nCLASS \"K\"\"L\"\r\n{\r\n"
      " LTEXT \"Provided \"\"AS IS\"\"\", -1, 1, 2, 3, 4\r\n}\r\n";
  std::string out = RoundTrip(text);
  EXPECT_NE(out.find("CAPTION \"A \"\"B\"\" \\\"C\\\"\"\r\n"), std::string::npos) << out;
  EXPECT_NE(out.find("CLASS \"K\"\"L\"\r\n"), std::string::npos) << out;
  EXPECT_NE(out.find(" CONTROL \"Provided \"\"AS IS\"\"\",-1, \"STATIC\""), std::string::npos) << out;
}

// ICON 32515 came back as ICON "32515", a name instead of the system icon's number.
TEST_F(DialogWriterTest, BareTextsStayBare) {
  std::string out = RoundTrip(
      "D DIALOG 0, 0, 1, 1\r\n{\r\n ICON 32515, -1, 10, 10, 20, 20\r\n ICON IDR_MAINFRAME, -1, 1, 2\r\n}\r\n");
  EXPECT_NE(out.find(" CONTROL 32515,-1, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_ICON, 10, 10, 20, 20\r\n"),
            std::string::npos) << out;
  EXPECT_NE(out.find(" CONTROL IDR_MAINFRAME,-1, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_ICON, 1, 2, 0, 0\r\n"),
            std::string::npos) << out;
  // A text changed into something a bare word cannot hold goes back quoted.
  model.items[0].text = "Hello, world";
  EXPECT_NE(WriteDialogStatement(model).find(" CONTROL \"Hello, world\",-1,"), std::string::npos);
  EXPECT_FALSE(CanStandBare(""));
  EXPECT_FALSE(CanStandBare("a}b"));
  EXPECT_FALSE(CanStandBare("a//b"));
  EXPECT_TRUE(CanStandBare("IDI_X + 1"));
}

TEST_F(DialogWriterTest, ExtendedStyleFollowsTheHeight) {
  std::string out = RoundTrip("D DIALOG 0, 0, 1, 1\r\n{\r\n LTEXT \"a\", 1, 1, 2, 3, 4, SS_SUNKEN, WS_EX_STATICEDGE\r\n}\r\n");
  EXPECT_NE(out.find(" CONTROL \"a\",1, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_SUNKEN, 1, 2, 3, 4, "
                     "WS_EX_STATICEDGE\r\n"),
            std::string::npos) << out;
}

// Statements longer than 511 characters used to be cut.
TEST_F(DialogWriterTest, LongStatementsAreWrittenWhole) {
  std::string longText(5000, 'w');
  std::string text = "D DIALOG 0, 0, 1, 1\r\n{\r\n";
  for (int i = 0; i < 300; ++i) text += " LTEXT \"" + longText + "\", " + std::to_string(i) + ", 1, 2, 3, 4\r\n";
  text += "}\r\n";
  std::string out = RoundTrip(text);
  EXPECT_GT(out.size(), 300u * 5000u);
  EXPECT_NE(out.find(" CONTROL \"" + longText + "\",299, "), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 3), "}\r\n");
}

// Every save moved controls: a y of 10 read as 19 pixels and went back as 11.
TEST_F(DialogWriterTest, UnchangedNumbersAreWrittenExactlyAsRead) {
  std::string text =
      "D DIALOG 30, 40, 200, 100\r\nCAPTION \"T\"\r\n{\r\n"
      " LTEXT \"a\", 1, 10, 10, 30, 20\r\n LTEXT \"b\", 2, X_POS + 4, 0x14, 7 , 10\r\n}\r\n";
  std::string once = RoundTrip(text);
  EXPECT_NE(once.find("\"a\",1, \"STATIC\", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 30, 20\r\n"), std::string::npos)
      << once;
  EXPECT_NE(once.find("SS_LEFT, X_POS + 4, 0x14, 7, 10\r\n"), std::string::npos) << once;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(RoundTrip(once), once);
  // Moving the frame leaves every control where it is in dialog units.
  MoveFrame(model, 7, 9);
  std::string moved = WriteDialogStatement(model);
  EXPECT_NE(moved.find("D DIALOG 34, 45, 200, 100\r\n"), std::string::npos) << moved;
  EXPECT_NE(moved.find("SS_LEFT, 10, 10, 30, 20\r\n"), std::string::npos) << moved;
}

TEST_F(DialogWriterTest, MovedOrResizedNumbersAreConverted) {
  RoundTrip("D DIALOG 0, 0, 100, 50\r\n{\r\n LTEXT \"a\", 1, 10, 10, 30, 20\r\n}\r\n");
  model.items[0].rect.y += 19;      // y 10 -> 19 px, now 38 px: 21
  model.items[0].rect.width += 1;   // width 30 -> 54 px, now 55: 31
  std::string out = WriteDialogStatement(model);
  EXPECT_NE(out.find("SS_LEFT, 10, 21, 31, 20\r\n"), std::string::npos) << out;
  model.items[0].rect.y -= 19;      // back where it was read: as read again
  out = WriteDialogStatement(model);
  EXPECT_NE(out.find("SS_LEFT, 10, 10, 31, 20\r\n"), std::string::npos) << out;
}

TEST_F(DialogWriterTest, CreatedItemsAreConvertedFromPixels) {
  RoundTrip("D DIALOG 0, 0, 100, 50\r\n{\r\n}\r\n");
  NewItemResult added = AddNewItem(model, "BUTTON, WS_CHILD | BS_PUSHBUTTON, 90, 38");
  model.items[added.index].rect.x = model.frame.rect.x + 9;
  model.items[added.index].rect.y = model.frame.rect.y + 19;
  EXPECT_NE(WriteDialogStatement(model).find(" CONTROL \"\",101, \"BUTTON\", WS_CHILD | BS_PUSHBUTTON, 5, 11, 50, 21\r\n"),
            std::string::npos) << WriteDialogStatement(model);
}

TEST_F(DialogWriterTest, FreshModelWritesWithConvertedPlacement) {
  DialogModel fresh;
  fresh.frame.name = "NEW";
  EXPECT_EQ(WriteDialogStatement(fresh), "NEW DIALOG 6, 11, 167, 106\r\n{\r\n}\r\n");
}

}  // namespace
}  // namespace dlgedit
