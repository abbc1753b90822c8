// Tests of reading a DIALOG statement: header, controls, placement, the failures, and random input.
#include "dlgedit/dialogreader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dlgedit/dialogwriter.h"

namespace dlgedit {
namespace {

class DialogReaderTest : public ::testing::Test {
 protected:
  DialogModel model;

  void Read(const std::string& text) {
    ASSERT_EQ(ReadDialogStatement(text, model), 0) << text;
  }
};

TEST_F(DialogReaderTest, FrameIsPlacedInPixelsWithTheCaptionBand) {
  Read("IDD_X DIALOG 10, 20, 100, 50\r\nCAPTION \"Title\"\r\n{\r\n LTEXT \"a\", -1, 5, 10, 20, 8\r\n}\r\n");
  EXPECT_EQ(model.frame.name, "IDD_X");
  EXPECT_EQ(model.frame.caption, "Title");
  EXPECT_EQ(model.frame.rect.x, 18);
  EXPECT_EQ(model.frame.rect.y, 38);
  EXPECT_EQ(model.frame.rect.width, 180);
  EXPECT_EQ(model.frame.rect.height, 95 + kCaptionBandPixels);
  ASSERT_EQ(model.items.size(), 1u);
  EXPECT_EQ(model.items[0].rect.x, 18 + 9);
  EXPECT_EQ(model.items[0].rect.y, 38 + kCaptionBandPixels + 19);
  EXPECT_EQ(model.items[0].rect.width, 36);
  EXPECT_EQ(model.items[0].rect.height, 15);
  EXPECT_FALSE(model.modified);
}

TEST_F(DialogReaderTest, NoBandWithoutCaptionOrWsCaption) {
  Read("D DIALOG 0, 0, 100, 50\r\nSTYLE WS_POPUP\r\n{\r\n LTEXT \"a\", -1, 0, 0, 20, 8\r\n}\r\n");
  EXPECT_EQ(model.frame.rect.height, 95);
  EXPECT_EQ(model.items[0].rect.y, 0);
  Read("D DIALOG 0, 0, 100, 50\r\nSTYLE WS_POPUP | WS_CAPTION\r\n{\r\n}\r\n");
  EXPECT_EQ(model.frame.rect.height, 95 + kCaptionBandPixels);
}

TEST_F(DialogReaderTest, ControlsAreKeptInTheirOrder) {
  Read("D DIALOG 0, 0, 100, 50\r\n{\r\n LTEXT \"one\", 1, 0, 0, 1, 1\r\n"
       " LTEXT \"two\", 2, 0, 0, 1, 1\r\n LTEXT \"three\", 3, 0, 0, 1, 1\r\n}\r\n");
  ASSERT_EQ(model.items.size(), 3u);
  EXPECT_EQ(model.items[0].text, "one");
  EXPECT_EQ(model.items[2].text, "three");
}

TEST_F(DialogReaderTest, StatementsRunOverLinesUntilAKeywordStartsTheNext) {
  Read("D DIALOG 0, 0, 100, 50\r\n{\r\n"
       " CONTROL \"Check\", 101, \"Button\", BS_AUTOCHECKBOX |\r\n"
       "\tWS_TABSTOP,\r\n   10, 20, 50, 10\r\n"
       "  // a comment between controls\r\n"
       " PUSHBUTTON \"Go\", 102, 1, 2, 3, 4 /* trailing */ }");
  ASSERT_EQ(model.items.size(), 2u);
  EXPECT_EQ(model.items[0].style, "BS_AUTOCHECKBOX | WS_TABSTOP");
  EXPECT_EQ(model.items[0].asRead.text[3], "10");
  EXPECT_EQ(model.items[1].text, "Go");
  EXPECT_EQ(model.items[1].asRead.text[3], "4");
}

TEST_F(DialogReaderTest, BraceInsideAQuotedTextDoesNotEndTheList) {
  Read("D DIALOG 0, 0, 100, 50\r\n{\r\n LTEXT \"a } b\", 1, 0, 0, 1, 1\r\n}\r\n");
  ASSERT_EQ(model.items.size(), 1u);
  EXPECT_EQ(model.items[0].text, "a } b");
}

TEST_F(DialogReaderTest, LineFeedOnlyAndTabSeparatedTexts) {
  Read("D\tDIALOG 1, 2, 3, 4\nCAPTION \"x\"\n{\n\tLTEXT \"a\",1,0,0,1,1\n}\n");
  EXPECT_EQ(model.frame.name, "D");
  EXPECT_EQ(model.items.size(), 1u);
}

// DIALOG DISCARDABLE used to shift the fields: x read the option and was lost.
TEST_F(DialogReaderTest, MemoryOptionsAreSkippedAndKept) {
  Read("D DIALOG DISCARDABLE 10, 20, 200, 100\r\n{\r\n}\r\n");
  EXPECT_EQ(model.frame.memoryOptions, "DISCARDABLE");
  EXPECT_EQ(model.frame.asRead.text[0], "10");
  EXPECT_EQ(model.frame.asRead.text[3], "100");
  Read("D DIALOG preload  MOVEABLE PURE 1, 2, 3, 4\r\n{\r\n}\r\n");
  EXPECT_EQ(model.frame.memoryOptions, "preload MOVEABLE PURE");
  EXPECT_EQ(model.frame.asRead.text[0], "1");
}

// A style continued on the next line used to be written ending in "|".
TEST_F(DialogReaderTest, HeaderValuesContinueAfterABarOrBeforeOne) {
  Read("D DIALOG 0, 0, 100, 50\r\nSTYLE DS_MODALFRAME | WS_POPUP |\r\n    WS_CAPTION | WS_SYSMENU\r\n"
       "CAPTION \"T\"\r\n{\r\n}\r\n");
  EXPECT_EQ(model.frame.style, "DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU");
  Read("D DIALOG 0, 0, 100, 50\r\nSTYLE DS_MODALFRAME\r\n  | WS_POPUP\r\n  | WS_SYSMENU\r\nFONT 8, \"MS Sans Serif\"\r\n{\r\n}\r\n");
  EXPECT_EQ(model.frame.style, "DS_MODALFRAME | WS_POPUP | WS_SYSMENU");
  EXPECT_EQ(model.frame.font, "8, \"MS Sans Serif\"");
}

// Header keywords in another case used to lose their value, and unknown lines were dropped.
TEST_F(DialogReaderTest, HeaderKeywordsInAnyCaseAndUnknownLinesKeptInOrder) {
  Read("D DIALOG 0, 0, 100, 50\r\nLANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\r\nCaption \"Hello\"\r\n"
       "style WS_POPUP\r\nEXSTYLE WS_EX_TOOLWINDOW |\r\n  WS_EX_TOPMOST\r\nMenu IDM_MAIN\r\nclass \"MyClass\"\r\n"
       "CHARACTERISTICS 7\r\nVERSION 2\r\n{\r\n}\r\n");
  const DialogFrame& f = model.frame;
  EXPECT_EQ(f.caption, "Hello");
  EXPECT_EQ(f.style, "WS_POPUP");
  EXPECT_EQ(f.menu, "IDM_MAIN");
  EXPECT_EQ(f.className, "MyClass");
  ASSERT_EQ(f.headerOrder.size(), 8u);
  EXPECT_EQ(f.headerOrder[0].key, HeaderKey::Other);
  EXPECT_EQ(f.headerOrder[0].text, "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US");
  EXPECT_EQ(f.headerOrder[1].key, HeaderKey::Caption);
  EXPECT_EQ(f.headerOrder[3].text, "EXSTYLE WS_EX_TOOLWINDOW |\r\n  WS_EX_TOPMOST");
  EXPECT_EQ(f.headerOrder[6].text, "CHARACTERISTICS 7");
  EXPECT_EQ(f.headerOrder[7].text, "VERSION 2");
}

TEST_F(DialogReaderTest, CaptionWithoutQuotesIsKeptAsALine) {
  Read("D DIALOG 0, 0, 100, 50\r\nCAPTION IDS_TITLE\r\n{\r\n}\r\n");
  EXPECT_EQ(model.frame.caption, "");
  ASSERT_EQ(model.frame.headerOrder.size(), 1u);
  EXPECT_EQ(model.frame.headerOrder[0].text, "CAPTION IDS_TITLE");
}

// Doubled quotes and \" used to end the text early and shift every later field.
TEST_F(DialogReaderTest, DoubledQuotesAndEscapedQuotesStayInTheText) {
  Read("D DIALOG 0, 0, 100, 50\r\nCAPTION \"The \"\"Best\"\" \\\"One\\\"\"\r\n{\r\n"
       " LTEXT \"Provided \"\"AS IS\"\", no warranty\", -1, 1, 2, 3, 4\r\n"
       " CONTROL \"say \\\"hi\\\"\", 7, \"Static\", SS_LEFT, 5, 6, 7, 8\r\n}\r\n");
  EXPECT_EQ(model.frame.caption, "The \"\"Best\"\" \\\"One\\\"");
  ASSERT_EQ(model.items.size(), 2u);
  EXPECT_EQ(model.items[0].text, "Provided \"\"AS IS\"\", no warranty");
  EXPECT_EQ(model.items[0].id, "-1");
  EXPECT_EQ(model.items[0].asRead.text[0], "1");
  EXPECT_EQ(model.items[1].text, "say \\\"hi\\\"");
  EXPECT_EQ(model.items[1].className, "Static");
  EXPECT_EQ(model.items[1].asRead.text[3], "8");
}

TEST_F(DialogReaderTest, UnquotedClassIsRead) {
  Read("D DIALOG 0, 0, 100, 50\r\n{\r\n CONTROL \"x\", 130, BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 5, 40, 14\r\n}\r\n");
  ASSERT_EQ(model.items.size(), 1u);
  EXPECT_EQ(model.items[0].className, "BUTTON");
}

TEST_F(DialogReaderTest, AStatementThatCannotBeReadFailsTheWholeReadAndKeepsTheModel) {
  Read("KEEP DIALOG 0, 0, 100, 50\r\n{\r\n}\r\n");
  std::string text =
      "D DIALOG 0, 0, 100, 50\r\n{\r\n LTEXT \"a\", 1, 0, 0, 1, 1\r\n AUTO3STATE \"b\", 2, 0, 0, 1, 1\r\n"
      " LTEXT \"c\", 3, 0, 0, 1, 1\r\n}\r\n";
  int result = ReadDialogStatement(text, model);
  EXPECT_EQ(result, static_cast<int>(text.find("AUTO3STATE")));
  EXPECT_EQ(model.frame.name, "KEEP");
  EXPECT_TRUE(model.items.empty());
}

// Statements were cut at 511 characters.
TEST_F(DialogReaderTest, LongStatementsAreReadWhole) {
  std::string text(3000, 'x');
  std::string style;
  for (int i = 0; i < 200; ++i) style += (i ? " | STYLE_" : "STYLE_") + std::to_string(i);
  Read("D DIALOG 0, 0, 100, 50\r\nSTYLE " + style + "\r\n{\r\n LTEXT \"" + text + "\", 1, 0, 0, 1, 1, " +
       style + "\r\n}\r\n");
  EXPECT_EQ(model.frame.style, style);
  ASSERT_EQ(model.items.size(), 1u);
  EXPECT_EQ(model.items[0].text, text);
  EXPECT_EQ(model.items[0].style, "WS_CHILD | WS_VISIBLE | SS_LEFT | " + style);
}

TEST_F(DialogReaderTest, FailuresReturnWhereReadingStopped) {
  struct Row {
    const char* text;
    int result;  // -1: the text's length
  };
  const Row rows[] = {
      {"", 1},
      {"no keyword here\r\n{\r\n}\r\n", 1},
      {"D DIALOGEX 0, 0, 10, 10\r\n{\r\n}\r\n", 1},
      {"DIALOG 0, 0, 10, 10\r\n{\r\n}\r\n", 1},           // nothing before the keyword
      {"D DIALOG 0, 0, 10", -1},                          // runs out in the numbers
      {"D DIALOG 0, 0, 10, 10", -1},                      // no line after the numbers
      {"D DIALOG 0, 0, 10, 10\r\nSTYLE WS_POPUP\r\n", -1},  // no "{"
      {"D DIALOG 0, 0, 10, 10\r\n{\r\n LTEXT \"a\", 1, 0, 0, 1, 1\r\n", -1},  // no "}"
      {"D DIALOG 0, 0, 10, 10\r\n{\r\n /* open comment }\r\n", -1},
      {"D DIALOG 0, 0, 10, 10\r\nBEGIN\r\n LTEXT \"a\", 1, 0, 0, 1, 1\r\nEND\r\n", -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::string text = row.text;
    EXPECT_EQ(ReadDialogStatement(text, model), row.result < 0 ? static_cast<int>(text.size()) : row.result);
  }
  std::string noNumbers = "D DIALOG\r\n{\r\n LTEXT \"a\", 1, 0, 0, 1, 1\r\n}\r\n";
  EXPECT_NE(ReadDialogStatement(noNumbers, model), 0);
  std::string openQuote = "D DIALOG 0, 0, 10, 10\r\n{\r\n LTEXT \"a, 1, 0, 0, 1, 1\r\n}\r\n";
  EXPECT_EQ(ReadDialogStatement(openQuote, model), static_cast<int>(openQuote.find("LTEXT")));
}

// The reader must survive anything: every prefix of a full statement, byte flips of it, and random
// bytes. Whatever reads must also write and read again to the same text.
class DialogReaderFuzzTest : public ::testing::Test {
 protected:
  std::uint32_t state = 20240601u;
  std::uint32_t Next() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }

  static void CheckRoundTrip(const std::string& text) {
    DialogModel first;
    if (ReadDialogStatement(text, first) != 0) return;
    std::string written = WriteDialogStatement(first);
    DialogModel second;
    ASSERT_EQ(ReadDialogStatement(written, second), 0) << "input:\n" << text << "\nwritten:\n" << written;
    ASSERT_EQ(WriteDialogStatement(second), written) << "input:\n" << text;
  }
};

const char kFullStatement[] =
    "IDD_ALL DIALOG DISCARDABLE 10, 20, 240, 120\r\n"
    "LANGUAGE 9, 1\r\n"
    "STYLE DS_MODALFRAME | WS_POPUP |\r\n  WS_CAPTION | WS_SYSMENU\r\n"
    "Caption \"All \"\"kinds\"\" \\\"here\\\"\"\r\n"
    "FONT 8, \"MS Sans Serif\"\r\n"
    "MENU IDM_X\r\n"
    "{\r\n"
    " ICON 32515, -1, 10, 10, 20, 20\r\n"
    " LTEXT \"Text }\", -1, 40, 10, 100, 8, SS_NOPREFIX, WS_EX_STATICEDGE\r\n"
    " // comment\r\n"
    " EDITTEXT IDC_E, 40, 22, 100, 12, ES_AUTOHSCROLL\r\n"
    " CONTROL \"c\", 103, BUTTON, BS_AUTOCHECKBOX |\r\n   WS_TABSTOP, 40, 40, 60, 10\r\n"
    " DEFPUSHBUTTON \"OK\", IDOK, 180, 100, 50, 14\r\n"
    "}\r\n";

TEST_F(DialogReaderFuzzTest, EveryPrefixOfAFullStatement) {
  std::string full = kFullStatement;
  DialogModel model;
  ASSERT_EQ(ReadDialogStatement(full, model), 0);
  for (std::size_t length = 0; length < full.size(); ++length) {
    std::string prefix = full.substr(0, length);
    int result = ReadDialogStatement(prefix, model);
    if (result != 0) {
      EXPECT_GT(result, 0);
      EXPECT_LE(static_cast<std::size_t>(result), length > 0 ? length : 1u);
    }
    CheckRoundTrip(prefix);
  }
}

TEST_F(DialogReaderFuzzTest, MutatedStatements) {
  const char alphabet[] = "\"\\,{}|/*\r\n \tDIALOG0123-LTEXTCONTROL";
  std::string full = kFullStatement;
  for (int round = 0; round < 4000; ++round) {
    std::string text = full;
    int edits = 1 + static_cast<int>(Next() % 4);
    for (int e = 0; e < edits; ++e) {
      std::size_t at = Next() % text.size();
      char c = alphabet[Next() % (sizeof alphabet - 1)];
      switch (Next() % 3) {
        case 0: text[at] = c; break;
        case 1: text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c); break;
        default: text.erase(at, 1 + Next() % 8); break;
      }
      if (text.empty()) text = "x";
    }
    CheckRoundTrip(text);
    if (HasFatalFailure()) return;
  }
}

TEST_F(DialogReaderFuzzTest, RandomBytes) {
  for (int round = 0; round < 3000; ++round) {
    std::string text = "R DIALOG ";
    std::size_t length = Next() % 200;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char>(Next() & 0xFF);
    DialogModel model;
    ReadDialogStatement(text, model);
    ReadDialogStatement(text.substr(9), model);
    CheckRoundTrip(text);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace dlgedit
