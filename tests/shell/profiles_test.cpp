// Tests of the compiler profiles: the current id, the start-up check and the project's choice.
#include "shell/profiles.h"

#include <gtest/gtest.h>

#include <string>

#include "settings_files.h"
#include "shell/settingskeys.h"
#include "shell/windowplacement.h"
#include "support/temp_folder.h"

namespace {

using testsupport::FileBytes;
using testsupport::PutFile;

class ProfilesTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string ini = folder.File("Orvantel.ini");
  std::string ovs = folder.File("demo.ovs");

  void SetUp() override { settings::SetCurrentProfileId(settings::kProfileIdBorland); }
  void TearDown() override { settings::SetCurrentProfileId(settings::kProfileIdBorland); }

  // A global file listing three profiles, the current one by number, each with a tool folder.
  void PutGlobal(const char* current, const std::string& extra = "") {
    PutFile(ini, std::string("[Profile]\r\nCurrent=") + current +
                     "\r\n1=Borland\r\n2=VisualToolkit\r\n3=DigitalMars\r\n"
                     "[Borland]\r\nBin=" + folder.File("bcc") + "\r\n"
                     "[VisualToolkit]\r\nBin=" + folder.File("vc") + "\\\r\nCc=cl\r\n"
                     "[DigitalMars]\r\nBin=" + folder.File("dm") + "\r\nCc=dmc\r\n" + extra);
  }
  void PutCompiler(const char* sub, const char* name) {
    platform::CreateFolder(folder.File(sub));
    PutFile(folder.File(sub) + "\\" + name, "MZ");
  }
};

TEST_F(ProfilesTest, TheIdFollowsTheStartOfTheProfileName) {
  EXPECT_EQ(settings::CurrentProfileId(), 1);
  EXPECT_TRUE(settings::SetCurrentProfileIdFromName("VisualToolkit 2003"));
  EXPECT_EQ(settings::CurrentProfileId(), 2);
  EXPECT_FALSE(settings::SetCurrentProfileIdFromName("DigitalMars"));
  EXPECT_FALSE(settings::SetCurrentProfileIdFromName("visualtoolkit"));
  EXPECT_FALSE(settings::SetCurrentProfileIdFromName("Visual"));
  EXPECT_EQ(settings::CurrentProfileId(), 2);
  EXPECT_TRUE(settings::SetCurrentProfileIdFromName("Borland5.5"));
  EXPECT_EQ(settings::CurrentProfileId(), 1);
}

TEST_F(ProfilesTest, TheCurrentNumberNamesTheProfile) {
  EXPECT_EQ(settings::CurrentProfileName(ini), "Borland");
  PutGlobal("2");
  EXPECT_EQ(settings::CurrentProfileName(ini), "VisualToolkit");
  PutGlobal("5");
  EXPECT_EQ(settings::CurrentProfileName(ini), "Borland");
  settings::ProfileTools tools = settings::ReadProfileTools(ini, "VisualToolkit");
  EXPECT_EQ(tools.cc, "cl");
  EXPECT_EQ(tools.rc, "brcc32");
  EXPECT_EQ(tools.linker, "ilink32");
  EXPECT_EQ(tools.librarian, "tlib");
  EXPECT_EQ(tools.include, "");
}

TEST_F(ProfilesTest, StartUpWithoutAGlobalFileReadsBorlandAndNoPlaceAndMarksTheRun) {
  EXPECT_EQ(settings::CheckCurrentProfile(ini), -1);
  EXPECT_EQ(settings::CurrentProfileName(ini), "Borland");
  EXPECT_EQ(settings::ReadKey(ini, settings::kSystemTheme), "");
  EXPECT_FALSE(settings::ReadMainWindowPlacement(ini, 1280, 1024).hasPosition);
  ASSERT_TRUE(settings::WriteKey(ini, settings::kSystemStatus, settings::kStatusRun));
  EXPECT_EQ(FileBytes(ini), "[System]\r\nStatus=run\r\n");
}

TEST_F(ProfilesTest, TheStartUpCheckLooksForTheCompilerInTheBinFolder) {
  PutGlobal("1");
  EXPECT_EQ(settings::CheckCurrentProfile(ini), -1);
  PutCompiler("bcc", "bcc32.exe");
  EXPECT_EQ(settings::CheckCurrentProfile(ini), 0);  // "\" added to Bin, default Cc
  PutGlobal("2");
  EXPECT_EQ(settings::CheckCurrentProfile(ini), -1);
  EXPECT_EQ(settings::CurrentProfileId(), 2);  // set whatever the check finds
  PutCompiler("vc", "cl.exe");
  EXPECT_EQ(settings::CheckCurrentProfile(ini), 0);  // Bin already ends with "\"
}

TEST_F(ProfilesTest, DigitalMarsAtStartUpLeavesTheIdAlone) {
  PutGlobal("3");
  PutCompiler("dm", "dmc.exe");
  EXPECT_EQ(settings::CheckCurrentProfile(ini), 0);
  EXPECT_EQ(settings::CurrentProfileId(), 1);
}

TEST_F(ProfilesTest, AnEmptyOrOverLongBinFailsTheCheck) {
  PutFile(ini, "[Profile]\r\nCurrent=1\r\n1=Borland\r\n[Borland]\r\nBin=\r\n");
  EXPECT_EQ(settings::CheckCurrentProfile(ini), -1);
  PutFile(ini, "[Profile]\r\n1=Borland\r\n[Borland]\r\nBin=C:\\" + std::string(500, 'b') + "\r\n");
  EXPECT_EQ(settings::CheckCurrentProfile(ini), -1);
}

TEST_F(ProfilesTest, AListedProjectProfileBecomesCurrent) {
  PutGlobal("1");
  PutFile(ovs, "[Global]\r\nProfile=VisualToolkit\r\n");
  EXPECT_EQ(settings::ChooseProjectProfile(ovs, ini), 2);
  EXPECT_EQ(settings::ReadKey(ini, settings::kProfileCurrent), "2");
  // No project file: the project uses "Borland".
  EXPECT_EQ(settings::ChooseProjectProfile(folder.File("none.ovs"), ini), 1);
  EXPECT_EQ(settings::ReadKey(ini, settings::kProfileCurrent), "1");
}

TEST_F(ProfilesTest, AnUnlistedProjectProfileChangesNothing) {
  PutGlobal("3");
  std::string before = FileBytes(ini);
  for (const char* name : {"Watcom", "visualtoolkit", "Visual", ""}) {
    SCOPED_TRACE(name);
    PutFile(ovs, std::string("[Global]\r\nProfile=") + name + "\r\n");
    EXPECT_EQ(settings::ChooseProjectProfile(ovs, ini), 0);
    EXPECT_EQ(FileBytes(ini), before);
  }
  // The search stops at the first missing key.
  PutFile(ini, "[Profile]\r\nCurrent=1\r\n1=Borland\r\n3=DigitalMars\r\n");
  PutFile(ovs, "[Global]\r\nProfile=DigitalMars\r\n");
  EXPECT_EQ(settings::ChooseProjectProfile(ovs, ini), 0);
  EXPECT_EQ(settings::ReadKey(ini, settings::kProfileCurrent), "1");
}

}  // namespace
