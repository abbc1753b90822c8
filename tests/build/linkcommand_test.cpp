// The linker and librarian command lines, the target's names and the post-build batch.
#include "build/linkcommand.h"

#include "build/makebatch.h"
#include "build_fixture.h"

namespace build {
namespace {

class LinkCommandTest : public buildtest::BuildTest {
 protected:
  std::string vc = root + "\\VC\\bin";
  std::string dm = root + "\\DM\\bin";

  void SetUp() override {
    BuildTest::SetUp();
    Project("Target", "Name", "app");
  }

  // The worked example's project: sources a.cpp and b.c, x.lib, r.rc, d.def, and a header.
  void AddExampleFiles() {
    AddProjectFile("C:\\P\\a.cpp", "C  ");
    AddProjectFile("C:\\P\\src\\b.c", "C  ");
    AddProjectFile("C:\\P\\a.h", "H  ");
    AddProjectFile("C:\\Lib\\x.lib", "LIB");
    AddProjectFile("C:\\P\\r.rc", "RC ");
    AddProjectFile("C:\\P\\d.def", "DEF");
  }

  std::string LinkedCommand() {
    runs.clear();
    LinkTarget(Context(), list, false);
    return runs.empty() ? std::string() : runs.front().command;
  }
};

TEST_F(LinkCommandTest, BorlandWindowedLinkOfTheWorkedExample) {
  AddExampleFiles();
  EXPECT_EQ(LinkTarget(Context(), list, false), 0);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command, bin + "\\ilink32 -aa -Tpe -Gn -s -j -I  c0w32.obj a.obj b.obj , app.exe, app.map, "
                                   "x.lib  import32.lib cw32.lib, d.def, r.res ");
  EXPECT_TRUE(runs[0].filtered);
}

TEST_F(LinkCommandTest, BorlandModelsDebugListsAndFolders) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Target", "Model", "CON");
  Project("Target", "Build", "Debug");
  Project("Directories", "Objects", "obj");
  Project("Directories", "Library", "lib");
  Project("Directories", "Final", "out");
  Global("Borland", "Lib", "C:\\BC\\LIB");
  EXPECT_EQ(LinkedCommand(), bin + "\\ilink32 -ap -Tpe -Gn -s -v -jobj -LC:\\BC\\LIB -Llib -Iout  c0x32.obj a.obj , "
                                   "app.exe, app.map,  import32.lib cw32.lib, ");
  Project("Target", "Model", "DLL");
  Project("Linker", "Parameter", "-x");
  EXPECT_EQ(LinkedCommand(), bin + "\\ilink32 -Tpd -Gi -x -v -jobj -LC:\\BC\\LIB -Llib -Iout  c0d32.obj a.obj , "
                                   "app.dll, app.map,  import32.lib cw32.lib, ");
}

TEST_F(LinkCommandTest, LinkerConfigurationFileComesFromTheLinkerSection) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Linker", "Configuration", "1");
  Project("Linker", "ConfigurationFile", "app_LINK.CFG");
  EXPECT_EQ(LinkedCommand(), bin + "\\ilink32 +" + projectDir + "\\app_LINK.CFG  -aa -Tpe -j -I  c0w32.obj a.obj , "
                                   "app.exe, app.map,  import32.lib cw32.lib, ");
}

TEST_F(LinkCommandTest, TargetNames) {
  Project("Target", "Name", "my app");
  TargetNames names = ResolveTargetNames(Context(), TargetModel::kGui);
  EXPECT_EQ(names.output, "\"my app.exe\"");
  EXPECT_EQ(names.map, "\"my app.map\"");

  Project("Target", "Name", "app.bin");
  names = ResolveTargetNames(Context(), TargetModel::kDll);
  EXPECT_EQ(names.output, "app.bin");
  EXPECT_EQ(names.map, "app.map");
  EXPECT_EQ(names.nameWithoutExtension, "app");

  // A "." in the first place is no extension.
  Project("Target", "Name", ".hidden");
  names = ResolveTargetNames(Context(), TargetModel::kLibrary);
  EXPECT_EQ(names.output, ".hidden.lib");

  // No name: the project file's base name.
  Project("Target", "Name", "");
  names = ResolveTargetNames(Context(), TargetModel::kConsole);
  EXPECT_EQ(names.output, "app.exe");
}

TEST_F(LinkCommandTest, NoDefinitionFileLeavesItsFieldEmpty) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  AddProjectFile("C:\\P\\r.res", "RES");
  EXPECT_EQ(LinkedCommand(), bin + "\\ilink32 -aa -Tpe -Gn -s -j -I  c0w32.obj a.obj , app.exe, app.map,  "
                                   "import32.lib cw32.lib, , r.res ");
}

TEST_F(LinkCommandTest, DefinitionLinesLoseTheirStateAndTheLastOneCounts) {
  int first = AddProjectFile("C:\\P\\one.def", "DEF");
  int second = AddProjectFile("C:\\P\\two.def", "DEF");
  SetField(list, first, project::kCompileField, "COMPILED");
  SetField(list, second, project::kCompileField, "ERRORS");
  LinkLists lists = GatherLinkLists(list, 1);
  EXPECT_EQ(lists.definition, "two.def");
  EXPECT_EQ(Field(first, project::kCompileField), "");
  EXPECT_EQ(Field(second, project::kCompileField), "");
}

TEST_F(LinkCommandTest, NamesWithBlanksAreQuotedInTheLinkLists) {
  AddProjectFile("C:\\P\\my file.c", "C  ");
  AddProjectFile("C:\\P\\my lib.lib", "LIB");
  AddProjectFile("C:\\P\\my res.rc", "RC ");
  LinkLists lists = GatherLinkLists(list, 1);
  EXPECT_EQ(lists.objects, "\"my file.obj\" ");
  EXPECT_EQ(lists.libraries, "\"my lib.lib\" ");
  EXPECT_EQ(lists.resources, "\"my res.res\" ");
}

TEST_F(LinkCommandTest, VisualToolkitLinkPassesLibrariesWithTheirPaths) {
  UseVisualToolkit(vc);
  AddExampleFiles();
  Project("Directories", "Objects", "obj");
  Global("VisualToolkit", "Lib", "C:\\VC\\lib");
  EXPECT_EQ(LinkedCommand(),
            vc + "\\link /SUBSYSTEM:WINDOWS /DEF:d.def /INCREMENTAL:NO /MAP /NOLOGO /LIBPATH:obj  /LIBPATH:C:\\VC\\lib "
                 "a.obj b.obj /OUT:app.exe C:\\Lib\\x.lib  kernel32.lib user32.lib gdi32.lib winspool.lib comdlg32.lib"
                 " advapi32.lib shell32.lib ole32.lib oleaut32.lib uuid.lib odbc32.lib odbccp32.lib  r.res ");
  EXPECT_EQ(runs[0].workingDirectory, "");
}

// With no objects folder and no library folders "/NOLOGO" ran into the first object
// ("/NOLOGOa.obj"), which the linker rejects.
TEST_F(LinkCommandTest, VisualToolkitNologoIsFollowedByABlankWhenNoFolderOptionFollows) {
  UseVisualToolkit(vc);
  AddProjectFile("C:\\P\\a.c", "C  ");
  Project("Target", "Model", "CON");
  Project("Target", "Build", "Debug");
  Project("Linker", "Parameter", "/X");
  EXPECT_EQ(LinkedCommand(),
            vc + "\\link /SUBSYSTEM:CONSOLE /X /DEBUG /NOLOGO a.obj /OUT:app.exe  kernel32.lib user32.lib gdi32.lib"
                 " winspool.lib comdlg32.lib advapi32.lib shell32.lib ole32.lib oleaut32.lib uuid.lib odbc32.lib"
                 " odbccp32.lib ");
}

TEST_F(LinkCommandTest, DigitalMarsLinkRunsInTheFinalFolder) {
  UseDigitalMars(dm);
  AddExampleFiles();
  Project("Target", "Model", "DLL");
  Project("Directories", "Final", "out");
  Project("Directories", "Objects", "obj");  // passed to no DigitalMars linker option
  CreateFolders(projectDir + "\\out");
  EXPECT_EQ(LinkedCommand(),
            dm + "\\link /MAP a.obj b.obj , app.dll, app.map, x.lib  kernel32.lib user32.lib gdi32.lib winspool.lib"
                 " comdlg32.lib advapi32.lib shell32.lib ole32.lib oleaut32.lib uuid.lib odbc32.lib , d.def, r.res ");
  EXPECT_EQ(runs[0].workingDirectory, projectDir + "\\out");
}

TEST_F(LinkCommandTest, BorlandFinalFolderBecomesTheWorkingFolderWhenItExists) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Directories", "Final", "out");
  LinkedCommand();
  EXPECT_EQ(runs[0].workingDirectory, "");  // missing: the folder stays as it is
  CreateFolders(projectDir + "\\out");
  LinkedCommand();
  EXPECT_EQ(runs[0].workingDirectory, projectDir + "\\out");
  std::string spaced = root + "\\my out";
  CreateFolders(spaced);
  Project("Directories", "Final", spaced);
  EXPECT_NE(LinkedCommand().find(" -I\"" + spaced + "\" "), std::string::npos);
  EXPECT_EQ(runs[0].workingDirectory, spaced);
}

TEST_F(LinkCommandTest, MissingLinkerIsReportedAndInBatchModeTheBatchIsClosed) {
  Global("Borland", "Linker", "gone");
  SetMakeBatchPath(projectDir + "\\makefile.bat");
  WriteBatchLine("@ECHO OFF");
  EXPECT_EQ(LinkTarget(Context(), list, true), kRunToolMissing);
  EXPECT_FALSE(IsBatchFileOpen());
  EXPECT_EQ(buildtest::FileBytes(projectDir + "\\makefile.bat"), "@ECHO OFF\r\n");
  EXPECT_EQ(LinkTarget(Context(), list, false), kRunToolMissing);
  EXPECT_EQ(ConsoleLines(), (std::vector<std::string>(2, "Can not find the Linker! Check Global Settings.")));
  EXPECT_TRUE(runs.empty());
}

TEST_F(LinkCommandTest, BatchModeWritesTheTargetWithoutExtensionAndReady) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Target", "Name", "app.bin");
  SetMakeBatchPath(projectDir + "\\makefile.bat");
  EXPECT_EQ(LinkTarget(Context(), list, true), 0);
  EXPECT_FALSE(IsBatchFileOpen());
  EXPECT_TRUE(runs.empty());
  EXPECT_EQ(buildtest::FileBytes(projectDir + "\\makefile.bat"),
            "ECHO  - app\r\n" + bin + "\\ilink32 -aa -Tpe -Gn -s -j -I  c0w32.obj a.obj , app.bin, app.map,  "
            "import32.lib cw32.lib, >> make.txt\r\nECHO READY\r\n");
}

TEST_F(LinkCommandTest, LibrarianLine) {
  AddExampleFiles();
  Project("Target", "Model", "LIB");
  Project("Directories", "Final", "C:\\out");
  EXPECT_EQ(LinkTarget(Context(), list, false), 0);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command, bin + "\\tlib C:\\out\\app.lib -+a.obj -+b.obj ");
  Project("Target", "Name", "my lib.a");
  EXPECT_EQ(LinkedCommand(), bin + "\\tlib C:\\out\\\"my lib.a\" -+a.obj -+b.obj ");
}

// With an empty Final the library path began with "\" and the library landed in the root of the
// drive.
TEST_F(LinkCommandTest, LibrarianWithEmptyFinalLeavesTheBackslashOut) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Target", "Model", "LIB");
  EXPECT_EQ(LinkedCommand(), bin + "\\tlib app.lib -+a.obj ");
}

// The linker was looked up before the hand-over to the librarian, so a library project failed
// without a configured linker.
TEST_F(LinkCommandTest, LibraryTargetNeedsOnlyTheLibrarian) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Target", "Model", "LIB");
  Global("Borland", "Linker", "gone");
  EXPECT_EQ(LinkTarget(Context(), list, false), 0);
  EXPECT_EQ(RunCommands(), (std::vector<std::string>{bin + "\\tlib app.lib -+a.obj "}));
  EXPECT_TRUE(ConsoleLines().empty());

  Global("Borland", "Librian", "gone");
  EXPECT_EQ(LinkTarget(Context(), list, false), kRunToolMissing);
  EXPECT_EQ(ConsoleLines(), (std::vector<std::string>{"Can not find the Librian! Check Global Settings."}));
}

TEST_F(LinkCommandTest, LibrarianRunsInTheObjectsFolderAndWritesItsNameUncut) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Target", "Model", "LIB");
  Project("Target", "Name", "core.a");
  Project("Directories", "Objects", "obj");
  CreateFolders(projectDir + "\\obj");
  LinkTarget(Context(), list, false);
  EXPECT_EQ(runs[0].workingDirectory, projectDir + "\\obj");

  SetMakeBatchPath(projectDir + "\\makefile.bat");
  EXPECT_EQ(BuildLibrary(Context(), list, true), 0);
  EXPECT_EQ(buildtest::FileBytes(projectDir + "\\makefile.bat"),
            "ECHO  - core.a\r\n" + bin + "\\tlib core.a -+a.obj >> make.txt\r\nECHO READY\r\n");
}

TEST_F(LinkCommandTest, PostBuildBatchRunsUnclassifiedAfterTheLinkWhateverItsResult) {
  AddProjectFile("C:\\P\\a.cpp", "C  ");
  Project("Make", "Batch", "1");
  Project("Make", "BatchFile", "app_MAKE.BAT");
  toolOutput = [](const ToolRun& run) {
    if (run.filter) return std::vector<std::string>{"Error: Unresolved external '_main'"};
    return std::vector<std::string>{"Error in the batch"};
  };
  EXPECT_EQ(LinkTarget(Context(), list, false), kRunReportedErrors);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1].command, projectDir + "\\app_MAKE.BAT");
  EXPECT_FALSE(runs[1].filtered);
  EXPECT_EQ(ConsoleLines(), (std::vector<std::string>{"Error: Unresolved external '_main'", "", "app_MAKE.BAT",
                                                      "Error in the batch"}));

  // A path with a drive is used as it stands, and quoted when it holds a blank.
  Project("Make", "BatchFile", "D:\\my tools\\post.bat");
  toolOutput = nullptr;
  EXPECT_EQ(LinkTarget(Context(), list, false), 0);
  EXPECT_EQ(runs.back().command, "\"D:\\my tools\\post.bat\"");

  // Only a "1" enables it.
  runs.clear();
  Project("Make", "Batch", "0");
  LinkTarget(Context(), list, false);
  EXPECT_EQ(runs.size(), 1u);
}

TEST_F(LinkCommandTest, OverLongLinkIsRefusedAndInBatchModeClosesTheBatch) {
  for (int i = 0; i < 400; ++i) AddProjectFile("C:\\P\\source" + std::to_string(i) + ".c", "C  ");
  Project("Make", "Batch", "1");
  Project("Make", "BatchFile", "post.bat");
  EXPECT_EQ(LinkTarget(Context(), list, false), kCommandTooLong);
  EXPECT_TRUE(runs.empty());  // neither the link nor the post-build batch ran
  SetMakeBatchPath(projectDir + "\\makefile.bat");
  WriteBatchLine("@ECHO OFF");
  EXPECT_EQ(LinkTarget(Context(), list, true), kCommandTooLong);
  EXPECT_FALSE(IsBatchFileOpen());
  EXPECT_EQ(buildtest::FileBytes(projectDir + "\\makefile.bat"), "@ECHO OFF\r\n");
}

}  // namespace
}  // namespace build
