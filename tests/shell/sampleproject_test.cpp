// The bundled sample project and the installed global settings file read as the program reads them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/projectfile.h"
#include "project/projectlist.h"
#include "shell/settingsfile.h"
#include "shell/settingskeys.h"
#include "support/temp_folder.h"

namespace {

// A file of the source tree, by its path from the tree's root ("examples/hello/hello.ovp").
std::string SourceFile(const std::string& relative) {
  std::string path = std::string(ORV_SOURCE_DIR) + "/" + relative;
#ifdef _WIN32
  // Wine shows the host's root folder as drive Z:.
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  path = "Z:" + path;
#endif
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class SampleProjectTest : public ::testing::Test {
 protected:
  // Copies a file of the source tree into the test's folder; returns its path there.
  std::string CopyIn(const std::string& relative, const std::string& name) {
    std::string bytes = SourceFile(relative);
    EXPECT_FALSE(bytes.empty()) << relative;
    std::string path = temp_.File(name);
    EXPECT_EQ(platform::WriteWholeFile(path, bytes.data(), bytes.size()),
              static_cast<int>(bytes.size()));
    return path;
  }
  testsupport::TempFolder temp_;
};

TEST_F(SampleProjectTest, ProjectFileLoadsWithItsThreeFoldersAndFiles) {
  for (const char* name : {"hello.c", "hello.h", "hello.rc"}) {
    CopyIn(std::string("examples/hello/") + name, name);
  }
  std::string projectPath = CopyIn("examples/hello/hello.ovp", "hello.ovp");
  project::ProjectList project{projectPath};
  ASSERT_TRUE(project.Valid());
  int list = project.Number();
  project::LoadedProject loaded = project::LoadProject(list, projectPath, 1280, 1024);
  ASSERT_EQ(loaded.result, project::LoadResult::kLoaded);
  ASSERT_TRUE(loaded.place.has_value());
  EXPECT_EQ(loaded.place->left, 20);
  EXPECT_EQ(loaded.place->top, 50);

  struct Row {
    const char* name;
    const char* location;
    const char* typ;
    const char* file;
  };
  const Row rows[] = {
      {"Sources", "001", "DCF", ""},   {"hello.c", "001\\001", "C  ", "hello.c"},
      {"Headers", "002", "DCF", ""},   {"hello.h", "002\\001", "H  ", "hello.h"},
      {"Resources", "003", "DCF", ""}, {"hello.rc", "003\\001", "RC ", "hello.rc"},
  };
  ASSERT_EQ(::GetLines(list), 6);
  for (int line = 0; line < 6; ++line) {
    const Row& row = rows[line];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(project::LineField(list, line, project::kNameField), row.name);
    EXPECT_EQ(project::LineLocation(list, line), row.location);
    EXPECT_EQ(project::LineKind(list, line), row.typ);
    std::string file = *row.file ? temp_.File(row.file) : std::string();
    EXPECT_EQ(project::LineField(list, line, project::kFileField), file);
    EXPECT_EQ(::IsLineStatus(list, line, project::kSelected), 0);
  }
}

TEST_F(SampleProjectTest, ProjectSettingsMakeAWindowsProgramNamedHello) {
  std::string settingsPath = CopyIn("examples/hello/hello.ovs", "hello.ovs");
  EXPECT_EQ(settings::ReadKey(settingsPath, settings::kTargetName), "hello");
  EXPECT_EQ(settings::ReadKey(settingsPath, settings::kTargetModel), settings::kModelGui);
  EXPECT_EQ(settings::ReadKey(settingsPath, settings::kTargetBuild), settings::kBuildRelease);
  EXPECT_EQ(settings::ReadKey(settingsPath, settings::kGlobalProfile), settings::kProfileBorland);
  // Sources compile as C: the "Always" default would make them C++.
  EXPECT_EQ(settings::ReadKey(settingsPath, settings::kTargetCpp), "");
}

TEST_F(SampleProjectTest, InstalledSettingsNameTheThreeProfilesAndTheirTools) {
  std::string globalPath = CopyIn("resources/Orvantel.ini", "Orvantel.ini");
  EXPECT_EQ(settings::ReadKey(globalPath, settings::kProfileCurrent), "1");
  struct Profile {
    const char* key;
    const char* name;
    const char* cc;
    const char* rc;
    const char* linker;
    const char* librarian;
  };
  const Profile profiles[] = {
      {"1", "Borland", "bcc32", "brcc32", "ilink32", "tlib"},
      {"2", "VisualToolkit", "cl", "rc", "link", "lib"},
      {"3", "DigitalMars", "dmc", "rcc", "link", "lib"},
  };
  for (const Profile& profile : profiles) {
    SCOPED_TRACE(profile.name);
    EXPECT_EQ(settings::ReadText(globalPath, settings::kSectionProfile, profile.key, "",
                                 settings::kProfileNameCapacity),
              profile.name);
    EXPECT_EQ(settings::ReadProfileKey(globalPath, profile.name, settings::kToolCc), profile.cc);
    EXPECT_EQ(settings::ReadProfileKey(globalPath, profile.name, settings::kToolRc), profile.rc);
    EXPECT_EQ(settings::ReadProfileKey(globalPath, profile.name, settings::kToolLinker),
              profile.linker);
    EXPECT_EQ(settings::ReadProfileKey(globalPath, profile.name, settings::kToolLibrarian),
              profile.librarian);
    EXPECT_FALSE(settings::ReadProfileKey(globalPath, profile.name, settings::kToolBin).empty());
  }
  EXPECT_EQ(settings::ReadText(globalPath, "System", "TraceLog", "", 4), "0");
}

}  // namespace
