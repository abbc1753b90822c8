// Tests of colour, window position, window state and line-break texts.
#include "shell/settingsvalues.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace {

using settings::ParsePosition;
using settings::WindowPosition;

void ExpectPosition(const WindowPosition& p, int left, int top, int width, int height) {
  EXPECT_EQ(p.left, left);
  EXPECT_EQ(p.top, top);
  EXPECT_EQ(p.width, width);
  EXPECT_EQ(p.height, height);
}

TEST(ColourTextTest, ReadsEitherCaseAndWritesUpperCase) {
  settings::Colour c = settings::ParseColour("#ff8000");
  EXPECT_EQ(settings::RedOf(c), 255);
  EXPECT_EQ(settings::GreenOf(c), 128);
  EXPECT_EQ(settings::BlueOf(c), 0);
  EXPECT_EQ(c, 0x0080FFu);
  EXPECT_EQ(settings::FormatColour(c), "#FF8000");
  EXPECT_EQ(settings::FormatColour(settings::ParseColour("#7f7fCF")), "#7F7FCF");
}

TEST(ColourTextTest, TextsWithoutTheHashAreBlackAndOddDigitsCountAsZero) {
  EXPECT_EQ(settings::ParseColour("ff8000"), 0u);
  EXPECT_EQ(settings::ParseColour(""), 0u);
  EXPECT_EQ(settings::ParseColour(" #ff8000"), 0u);
  EXPECT_EQ(settings::ParseColour("#zz8000"), settings::MakeColour(0, 0x80, 0));
  EXPECT_EQ(settings::ParseColour("#12"), settings::MakeColour(0x12, 0, 0));
  EXPECT_EQ(settings::ParseColour("#"), 0u);
  EXPECT_EQ(settings::ParseColour("#1234567"), settings::MakeColour(0x12, 0x34, 0x56));
}

TEST(PositionTextTest, MissingPiecesTakeDefaultsAndTheResultIsClampedOntoTheDesktop) {
  ExpectPosition(ParsePosition("10,20,300", 1280, 1024), 10, 20, 300, 200);
  ExpectPosition(ParsePosition("-5,-5,10,10", 1280, 1024), 0, 0, 32, 32);
  ExpectPosition(ParsePosition("99999,20,300,200", 1280, 1024), 1248, 20, 300, 200);
  ExpectPosition(ParsePosition("0,5000", 1280, 1024), 0, 992, 500, 200);
  ExpectPosition(ParsePosition("", 1280, 1024), 0, 0, 500, 200);
}

TEST(PositionTextTest, CommaRunsCountAsOneAndJunkNeverFails) {
  ExpectPosition(ParsePosition(",,10,,,20,", 1280, 1024), 10, 20, 500, 200);
  ExpectPosition(ParsePosition("a,b,c,d", 1280, 1024), 0, 0, 32, 32);
  ExpectPosition(ParsePosition("5,6,7abc,400,1,2,3", 1280, 1024), 5, 6, 32, 400);
  ExpectPosition(ParsePosition("99999999999999,-99999999999999,99999999999999", 1280, 1024), 1248, 0,
                 INT_MAX, 200);
  ExpectPosition(ParsePosition("100,100", INT_MIN, INT_MIN), 0, 0, 500, 200);
}

TEST(PositionTextTest, FormatsTheOuterRectangleAsLeftTopWidthHeight) {
  settings::ScreenRect outer{10, 20, 310, 220};
  EXPECT_EQ(settings::FormatPosition(outer), "10,20,300,200");
  ExpectPosition(ParsePosition(settings::FormatPosition(outer), 1280, 1024), 10, 20, 300, 200);
  EXPECT_EQ(settings::FormatPosition({-8, -8, 1288, 1032}), "-8,-8,1296,1040");
}

TEST(WindowStateTextTest, FormatsAndReadsTheOpenState) {
  EXPECT_EQ(settings::FormatWindowState(false, "max"), "close");
  EXPECT_EQ(settings::FormatWindowState(true, ""), "open");
  EXPECT_EQ(settings::FormatWindowState(true, "max"), "open,max");
  EXPECT_EQ(settings::ParseWindowState("close"), 0);
  EXPECT_EQ(settings::ParseWindowState(""), 0);
  EXPECT_EQ(settings::ParseWindowState("shut"), 0);
  EXPECT_EQ(settings::ParseWindowState("open"), 1);
  EXPECT_EQ(settings::ParseWindowState("open,normal"), 1);
  EXPECT_EQ(settings::ParseWindowState("open,max"), 3);
  EXPECT_EQ(settings::ParseWindowState("OPEN,MAXIMIZED"), 3);
  EXPECT_EQ(settings::ParseWindowState("max"), 0);
}

TEST(LineBreakTextTest, LineBreaksBecomeBackslashB6AndBack) {
  const std::string marked = std::string("-DA\\\xB6-DB\\\xB6");
  EXPECT_EQ(settings::EncodeLineBreaks("-DA\r\n-DB\r\n"), marked);
  EXPECT_EQ(settings::DecodeLineBreaks(marked), "-DA\r\n-DB\r\n");
  // Lone CR or LF would break the file's line structure: they are stored as line breaks too.
  EXPECT_EQ(settings::EncodeLineBreaks("a\nb\rc"), "a\\\xB6" "b\\\xB6" "c");
  // A backslash not followed by 0xB6 is an ordinary character.
  EXPECT_EQ(settings::DecodeLineBreaks("C:\\src;D:\\inc\\"), "C:\\src;D:\\inc\\");
  EXPECT_EQ(settings::EncodeLineBreaks("C:\\src"), "C:\\src");
}

TEST(LineBreakTextTest, AnEncodedValueSurvivesTheSettingsFile) {
  testsupport::TempFolder folder;
  std::string ovs = folder.File("p.ovs");
  const std::string typed = "C:\\inc\r\nD:\\more inc\r\n";
  ASSERT_TRUE(settings::WriteString(ovs, "Directories", "Include",
                                    settings::EncodeLineBreaks(typed).c_str()));
  EXPECT_EQ(settings::DecodeLineBreaks(settings::ReadText(ovs, "Directories", "Include", "", 511)),
            typed);
}

}  // namespace
