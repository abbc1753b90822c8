// Tests of the sectioned settings file reader and writer.
#include "shell/settingsfile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "settings_files.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using testsupport::FileBytes;
using testsupport::PutFile;

class SettingsFileTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string ini = folder.File("a.ini");

  std::string Read(const char* section, const char* key, const char* def = "<def>") {
    return settings::ReadText(ini, section, key, def, 512);
  }
};

TEST_F(SettingsFileTest, AMissingFileOrAnEmptyPathReadsEveryKeyAsItsDefault) {
  char buffer[16];
  EXPECT_EQ(settings::ReadString(ini, "System", "Status", "none", buffer, sizeof buffer), 4);
  EXPECT_STREQ(buffer, "none");
  EXPECT_EQ(settings::ReadInteger(ini, "Profile", "Current", 7), 7);
  EXPECT_EQ(settings::ReadText("", "Target", "Model", "GUI", 64), "GUI");
  EXPECT_EQ(settings::ReadText(ini, "Target", "Name", nullptr, 64), "");
  EXPECT_FALSE(settings::WriteString("", "Target", "Model", "CON"));
  EXPECT_EQ(FileBytes(ini), "<missing>");
}

TEST_F(SettingsFileTest, NamesMatchWithoutCaseAndValuesAreTrimmed) {
  PutFile(ini, "[EDITOR]\r\n  font  =\t Courier New \t\r\n[ Target ]\r\nDefines=A=1;B\r\nEmpty=\r\n");
  EXPECT_EQ(Read("Editor", "FONT"), "Courier New");
  EXPECT_EQ(Read("target", "defines"), "A=1;B");  // only the first "=" separates
  EXPECT_EQ(Read("Target", "Empty"), "");         // present but empty is not the default
  EXPECT_EQ(Read("Target", "Font"), "<def>");
  EXPECT_EQ(Read("Editor", "Defines"), "<def>");
}

TEST_F(SettingsFileTest, LongerValuesAreCutToTheCapacityAndTheBufferIsNeverOverrun) {
  PutFile(ini, "[S]\r\nk=abcdefgh\r\n");
  char buffer[8];
  std::memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(settings::ReadString(ini, "S", "k", "", buffer, 5), 4);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(buffer[5], 'X');
  EXPECT_EQ(settings::ReadString(ini, "S", "k", "", buffer, 1), 0);
  EXPECT_STREQ(buffer, "");
  buffer[0] = 'X';
  EXPECT_EQ(settings::ReadString(ini, "S", "k", "", buffer, 0), 0);
  EXPECT_EQ(buffer[0], 'X');
  EXPECT_EQ(settings::ReadString(ini, "S", "k", "", nullptr, 10), 0);
  EXPECT_EQ(settings::ReadText(ini, "S", "k", "", 4), "abc");
  EXPECT_EQ(settings::ReadText(ini, "S", "missing", "0123456789", 4), "012");  // defaults too
  EXPECT_EQ(settings::ReadText(ini, "S", "k", "", 0), "");
}

TEST_F(SettingsFileTest, IntegersReadTheLeadingDecimalNumber) {
  PutFile(ini,
          "[N]\nplain=42\nsigned= -7\ntrailing=12abc\nword=abc\nempty=\nhuge=99999999999\n"
          "tiny=-99999999999\n");
  EXPECT_EQ(settings::ReadInteger(ini, "N", "plain", 0), 42);
  EXPECT_EQ(settings::ReadInteger(ini, "N", "signed", 0), -7);
  EXPECT_EQ(settings::ReadInteger(ini, "N", "trailing", 0), 12);
  EXPECT_EQ(settings::ReadInteger(ini, "N", "word", 5), 5);
  EXPECT_EQ(settings::ReadInteger(ini, "N", "empty", 5), 5);
  EXPECT_EQ(settings::ReadInteger(ini, "N", "huge", 0), INT_MAX);
  EXPECT_EQ(settings::ReadInteger(ini, "N", "tiny", 0), INT_MIN);
}

TEST_F(SettingsFileTest, CommentsLinesWithoutEqualsAndKeysBeforeAnySectionAreNeverKeys) {
  PutFile(ini, "early=1\r\n[S]\r\nnoequals\r\n;a=1\r\n#b=2\r\n[broken=3\r\nc=4\r\n");
  EXPECT_EQ(Read("S", "early"), "<def>");
  EXPECT_EQ(Read("S", "noequals"), "<def>");
  EXPECT_EQ(Read("S", ";a"), "<def>");
  EXPECT_EQ(Read("S", "#b"), "<def>");
  EXPECT_EQ(Read("S", "[broken"), "<def>");
  EXPECT_EQ(Read("S", "c"), "4");
  // Writing "noequals" adds a real key and keeps the line that only looked like one.
  ASSERT_TRUE(settings::WriteString(ini, "S", "noequals", "x"));
  EXPECT_EQ(FileBytes(ini), "early=1\r\n[S]\r\nnoequals\r\n;a=1\r\n#b=2\r\n[broken=3\r\nc=4\r\nnoequals=x\r\n");
}

TEST_F(SettingsFileTest, ARepeatedSectionCountsAsOneSpreadOverItsParts) {
  PutFile(ini, "[S]\na=1\na=2\n[T]\nb=2\n[s]\nb=3\na=9\n\n[U]\n");
  EXPECT_EQ(Read("S", "a"), "1");  // the first line of a key wins
  EXPECT_EQ(Read("S", "b"), "3");
  ASSERT_TRUE(settings::WriteString(ini, "S", "b", "30"));
  ASSERT_TRUE(settings::WriteString(ini, "S", "a", "10"));
  ASSERT_TRUE(settings::WriteString(ini, "S", "c", "new"));  // after the last key of the last part
  EXPECT_EQ(FileBytes(ini), "[S]\na=10\na=2\n[T]\nb=2\n[s]\nb=30\na=9\nc=new\n\n[U]\n");
}

TEST_F(SettingsFileTest, TheFirstWriteCreatesTheFileWithCrLfLines) {
  ASSERT_TRUE(settings::WriteString(ini, "System", "Status", "run"));
  EXPECT_EQ(FileBytes(ini), "[System]\r\nStatus=run\r\n");
  ASSERT_TRUE(settings::WriteString(ini, "system", "STATUS", "term"));
  ASSERT_TRUE(settings::WriteString(ini, "Profile", "Current", "2"));
  EXPECT_EQ(FileBytes(ini), "[System]\r\nStatus=term\r\n\r\n[Profile]\r\nCurrent=2\r\n");
}

TEST_F(SettingsFileTest, NewLinesFollowTheLineEndsOfAnLfFile) {
  PutFile(ini, "[A]\nx=1\n");
  EXPECT_EQ(Read("A", "x"), "1");
  ASSERT_TRUE(settings::WriteString(ini, "A", "y", "2"));
  ASSERT_TRUE(settings::WriteString(ini, "B", "z", "3"));
  EXPECT_EQ(FileBytes(ini), "[A]\nx=1\ny=2\n\n[B]\nz=3\n");
}

TEST_F(SettingsFileTest, AFileWithoutAFinalLineEndGetsOneBeforeWhatIsAdded) {
  PutFile(ini, "[A]\r\nx=1");
  ASSERT_TRUE(settings::WriteString(ini, "A", "y", "2"));
  EXPECT_EQ(FileBytes(ini), "[A]\r\nx=1\r\ny=2");
  ASSERT_TRUE(settings::WriteString(ini, "B", "z", "3"));
  EXPECT_EQ(FileBytes(ini), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
  PutFile(ini, "[A]");
  ASSERT_TRUE(settings::WriteString(ini, "a", "k", "v"));
  EXPECT_EQ(FileBytes(ini), "[A]\r\nk=v");
}

TEST_F(SettingsFileTest, AWriteChangesOnlyTheValueAndKeepsEveryOtherByte) {
  const std::string before =
      "; Orvantel settings\r\n"
      "\r\n"
      "[Target]\r\n"
      "  Model =  GUI  ; the kind of program\r\n"
      "Unknown=keep me \t\r\n"
      "garbage line\r\n"
      "[Other]\n"  // a line with a different line end stays as it is
      "Name=x\r\n";
  PutFile(ini, before);
  ASSERT_TRUE(settings::WriteString(ini, "Target", "MODEL", "CON"));
  EXPECT_EQ(FileBytes(ini),
            "; Orvantel settings\r\n"
            "\r\n"
            "[Target]\r\n"
            "  Model =  CON\r\n"
            "Unknown=keep me \t\r\n"
            "garbage line\r\n"
            "[Other]\n"
            "Name=x\r\n");
  EXPECT_EQ(Read("Target", "Model"), "CON");  // no caching: each read sees the file as it is now
  PutFile(ini, before);
  EXPECT_EQ(Read("Target", "Model"), "GUI  ; the kind of program");
}

TEST_F(SettingsFileTest, ValuesStopAtLineBreaksAndNamesThatWouldNotReadBackAreRefused) {
  ASSERT_TRUE(settings::WriteString(ini, "S", "k", "first\r\n[Evil]\r\nb=1"));
  EXPECT_EQ(FileBytes(ini), "[S]\r\nk=first\r\n");
  EXPECT_EQ(Read("Evil", "b"), "<def>");
  EXPECT_FALSE(settings::WriteString(ini, "S", "a=b", "v"));
  EXPECT_FALSE(settings::WriteString(ini, "S]x", "k", "v"));
  EXPECT_FALSE(settings::WriteString(ini, "S", "", "v"));
  EXPECT_FALSE(settings::WriteString(ini, "", "k", "v"));
  EXPECT_FALSE(settings::WriteString(ini, "S", " k", "v"));
  EXPECT_FALSE(settings::WriteString(ini, "S", ";k", "v"));
  EXPECT_FALSE(settings::WriteString(ini, "S", "k\n", "v"));
  EXPECT_FALSE(settings::WriteString(ini, "S", "k", nullptr));
  EXPECT_FALSE(settings::WriteString(ini, nullptr, "k", "v"));
  EXPECT_EQ(FileBytes(ini), "[S]\r\nk=first\r\n");
}

TEST_F(SettingsFileTest, ANulByteEndsAValueButIsKeptInTheFile) {
  std::string withNul("[S]\r\nk=ab\0cd\r\nm=1\r\n", 19);
  PutFile(ini, withNul);
  EXPECT_EQ(Read("S", "k"), "ab");
  ASSERT_TRUE(settings::WriteString(ini, "S", "m", "2"));
  EXPECT_EQ(FileBytes(ini), std::string("[S]\r\nk=ab\0cd\r\nm=2\r\n", 19));
}

TEST_F(SettingsFileTest, AWriteThatFailsAtAnyPointLeavesTheFileAsItWas) {
  const std::string before = "[A]\r\n; comment\r\nx=1\r\n[B]\r\ny=2\r\n";
  PutFile(ini, before);
  for (long long stop : {0LL, 1LL, 10LL, 30LL}) {
    SCOPED_TRACE(stop);
    platform::FailWritesAfter(stop);
    EXPECT_FALSE(settings::WriteString(ini, "A", "x", "a much longer value than before"));
    EXPECT_FALSE(settings::WriteString(ini, "C", "z", "3"));
    platform::ResetFailures();
    EXPECT_EQ(FileBytes(ini), before);
  }
  platform::FailCreate(true);
  EXPECT_FALSE(settings::WriteString(ini, "A", "x", "2"));
  EXPECT_FALSE(settings::WriteString(folder.File("new.ini"), "A", "x", "2"));
  platform::ResetFailures();
  EXPECT_EQ(FileBytes(ini), before);
  EXPECT_EQ(FileBytes(folder.File("new.ini")), "<missing>");
}

TEST_F(SettingsFileTest, SomethingThatCannotBeReadReadsAsDefaultsAndIsNeverWrittenOver) {
  std::string dir = folder.File("dir.ini");
  ASSERT_TRUE(platform::CreateFolder(dir));
  EXPECT_EQ(settings::ReadText(dir, "S", "k", "def", 64), "def");
  EXPECT_FALSE(settings::WriteString(dir, "S", "k", "v"));
  EXPECT_TRUE(platform::FolderExists(dir));
#ifdef _WIN32
  // A file another program holds open without sharing: writing it would replace what it holds.
  PutFile(ini, "[S]\r\nk=kept\r\n");
  HANDLE lock = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Read("S", "k"), "<def>");
  EXPECT_FALSE(settings::WriteString(ini, "S", "other", "v"));
  CloseHandle(lock);
  EXPECT_EQ(FileBytes(ini), "[S]\r\nk=kept\r\n");
#endif
}

TEST_F(SettingsFileTest, StoredValueAndParseDecimalMatchWhatReadsDeliver) {
  EXPECT_EQ(settings::StoredValue("  two words \tmore\r\nlost"), "two words \tmore");
  EXPECT_EQ(settings::StoredValue(nullptr), "");
  EXPECT_EQ(settings::ParseDecimal("+15", 0), 15);
  EXPECT_EQ(settings::ParseDecimal("-", 3), 3);
  EXPECT_EQ(settings::ParseDecimal(nullptr, 3), 3);
}

}  // namespace
