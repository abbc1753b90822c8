// Tests of start-up completion and the console state kept in the project settings file.
#include "project/projectstartup.h"

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "project/projectstrings.h"
#include "project_fixture.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace {

using namespace project;
using namespace projecttest;

void PutFile(const std::string& path, const std::string& bytes) {
  ASSERT_EQ(platform::WriteWholeFile(path, bytes.data(), bytes.size()), static_cast<int>(bytes.size()));
}

class ProjectStartupTest : public ProjectListTest {
 protected:
  void SetUp() override {
    ProjectListTest::SetUp();
    ASSERT_TRUE(platform::CreateFolder(folder.File("demo")));
    ASSERT_EQ(SetProjectFile(folder.File("demo\\demo.ovp")), ProjectTextResult::kSet);
    PutFile(global, "[Profile]\r\nCurrent=1\r\n1=Borland\r\n2=VisualToolkit\r\n3=DigitalMars\r\n");
    AppendEntries(list, {{"001", "C  ", "a.c", folder.File("demo\\a.c")}, {"002", "C  ", "b.c", folder.File("demo\\b.c")}});
    SetField(list, 1, kStatusField, "open");
  }
  void TearDown() override { ClearProjectFile(); }

  StartCompletion Window() {
    StartCompletion window;
    window.showConsole = [this](int state) { consoleShown.push_back(state); };
    window.openEditor = [this](const std::string& path, int) { opened.push_back(path); };
    return window;
  }

  testsupport::TempFolder folder;
  std::string global = folder.File("Orvantel.ini");
  std::vector<int> consoleShown;
  std::vector<std::string> opened;
};

TEST_F(ProjectStartupTest, CompletionRestoresConsoleFilesProfileAndFolder) {
  PutFile(ProjectSettingsPath(),
          "[Global]\r\nProfile=DigitalMars\r\n[WindowState]\r\nConsole=open,max\r\n[Editor]\r\nFont=Lucida\r\n");
  StartCompletionResult result = CompleteProjectStart(list, global, Window());
  EXPECT_EQ(result.consoleState, 3);
  EXPECT_EQ(consoleShown, std::vector<int>{3});
  EXPECT_TRUE(result.projectEditorSettings);
  EXPECT_EQ(opened, std::vector<std::string>{folder.File("demo\\b.c")});
  EXPECT_EQ(result.filesReopened, 1);
  EXPECT_EQ(result.profile, 3);
  EXPECT_EQ(settings::ReadText(global, "Profile", "Current", "", 64), "3");
  EXPECT_TRUE(result.folderEntered);
  EXPECT_TRUE(SamePath(platform::CurrentDirectory(), folder.File("demo")));
}

TEST_F(ProjectStartupTest, WithoutProjectSettingsTheConsoleStaysClosedAndNothingIsChosen) {
  StartCompletionResult result = CompleteProjectStart(list, global, Window());
  EXPECT_EQ(result.consoleState, 0);
  EXPECT_TRUE(consoleShown.empty());
  EXPECT_FALSE(result.projectEditorSettings);
  // The default profile "Borland" is listed first.
  EXPECT_EQ(result.profile, 1);

  PutFile(ProjectSettingsPath(), "[Global]\r\nProfile=Unlisted\r\n");
  settings::WriteString(global, "Profile", "Current", "2");
  result = CompleteProjectStart(list, global, Window());
  EXPECT_EQ(result.profile, 0);
  EXPECT_EQ(settings::ReadText(global, "Profile", "Current", "", 64), "2");
}

TEST_F(ProjectStartupTest, TheConsoleStateIsWrittenWhenTheProjectCloses) {
  ASSERT_TRUE(SaveConsoleState(true, "max"));
  EXPECT_EQ(settings::ReadText(ProjectSettingsPath(), "WindowState", "Console", "", 64), "open,max");
  ASSERT_TRUE(SaveConsoleState(false, ""));
  EXPECT_EQ(settings::ReadText(ProjectSettingsPath(), "WindowState", "Console", "", 64), "close");
  ClearProjectFile();
  EXPECT_FALSE(SaveConsoleState(true, ""));
}

}  // namespace
