// Tests of saved window places and open states.
#include "shell/windowplacement.h"

#include <gtest/gtest.h>

#include <string>

#include "settings_files.h"
#include "support/temp_folder.h"

namespace {

using testsupport::FileBytes;
using testsupport::PutFile;

class WindowPlacementTest : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string ovs = folder.File("p.ovs");
  std::string ini = folder.File("Orvantel.ini");
};

TEST_F(WindowPlacementTest, ANonEmptyPositionIsParsedAndItsLengthReturned) {
  settings::WindowPosition position{1, 2, 3, 4};
  EXPECT_EQ(settings::RestoreWindowPosition(ovs, "Console", 1280, 1024, position), 0);
  EXPECT_EQ(position.left, 1);  // untouched: the window keeps the place it was created at
  PutFile(ovs, "[WindowPosition]\r\nConsole=10,20,300\r\nResEdit=\r\n");
  EXPECT_EQ(settings::RestoreWindowPosition(ovs, "console", 1280, 1024, position), 9);
  EXPECT_EQ(position.left, 10);
  EXPECT_EQ(position.top, 20);
  EXPECT_EQ(position.width, 300);
  EXPECT_EQ(position.height, 200);
  EXPECT_EQ(settings::RestoreWindowPosition(ovs, "ResEdit", 1280, 1024, position), 0);
}

TEST_F(WindowPlacementTest, ASavedPositionRestoresTheSameRectangle) {
  ASSERT_TRUE(settings::SaveWindowPosition(ovs, "ResEdit", {40, 50, 640, 530}));
  EXPECT_EQ(FileBytes(ovs), "[WindowPosition]\r\nResEdit=40,50,600,480\r\n");
  settings::WindowPosition position;
  EXPECT_GT(settings::RestoreWindowPosition(ovs, "ResEdit", 1280, 1024, position), 0);
  EXPECT_EQ(position.width, 600);
  EXPECT_EQ(position.height, 480);
}

TEST_F(WindowPlacementTest, WindowStatesReadBackAsClosedOpenOrMaximized) {
  EXPECT_EQ(settings::ReadWindowState(ovs, "Console"), 0);
  ASSERT_TRUE(settings::SaveWindowState(ovs, "Console", true, "max"));
  EXPECT_EQ(FileBytes(ovs), "[WindowState]\r\nConsole=open,max\r\n");
  EXPECT_EQ(settings::ReadWindowState(ovs, "Console"), 3);
  ASSERT_TRUE(settings::SaveWindowState(ovs, "Console", true, ""));
  EXPECT_EQ(settings::ReadWindowState(ovs, "Console"), 1);
  ASSERT_TRUE(settings::SaveWindowState(ovs, "Console", false, "max"));
  EXPECT_EQ(FileBytes(ovs), "[WindowState]\r\nConsole=close\r\n");
  EXPECT_EQ(settings::ReadWindowState(ovs, "Console"), 0);
}

TEST_F(WindowPlacementTest, TheMainWindowKeepsItsLastRestoredPositionWhenClosedMaximized) {
  settings::MainWindowPlacement none = settings::ReadMainWindowPlacement(ini, 1280, 1024);
  EXPECT_FALSE(none.hasPosition);
  EXPECT_FALSE(none.maximized);

  ASSERT_TRUE(settings::SaveMainWindowPlacement(ini, false, {10, 10, 810, 610}));
  EXPECT_EQ(FileBytes(ini), "[System]\r\nMainWindow=restored\r\nPosition=10,10,800,600\r\n");
  ASSERT_TRUE(settings::SaveMainWindowPlacement(ini, true, {-4, -4, 1284, 1028}));
  EXPECT_EQ(FileBytes(ini), "[System]\r\nMainWindow=maximized\r\nPosition=10,10,800,600\r\n");

  settings::MainWindowPlacement placement = settings::ReadMainWindowPlacement(ini, 1280, 1024);
  EXPECT_TRUE(placement.hasPosition);
  EXPECT_TRUE(placement.maximized);
  EXPECT_EQ(placement.position.width, 800);
  PutFile(ini, "[System]\r\nMainWindow=MAXIMIZED\r\n");
  EXPECT_TRUE(settings::ReadMainWindowPlacement(ini, 1280, 1024).maximized);
  PutFile(ini, "[System]\r\nMainWindow=maximized please\r\n");
  EXPECT_FALSE(settings::ReadMainWindowPlacement(ini, 1280, 1024).maximized);
}

}  // namespace
