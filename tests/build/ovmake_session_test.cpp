// One run of ovmake from its arguments to its exit status, with fake tools.
#include "build/ovmake_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "build/buildcommands.h"
#include "build/makebatch.h"
#include "ovmake_fixture.h"
#include "project/openproject.h"
#include "shell/settingspaths.h"

namespace {

using ovmake::kExitFailed;
using ovmake::kExitSucceeded;
using ovmake::kExitUsage;
using ovmaketest::FileBytes;
using ovmaketest::OvmakeTest;
using Strings = std::vector<std::string>;

TEST_F(OvmakeTest, FailedMakeThenOnlyTheMendedSourceThenOnlyTheLink) {
  Source("b.c", "int f(void) {\n  return BUILD_FAILS_HERE;\n}\n", 0);
  EXPECT_EQ(Ovmake({projectFile}), kExitFailed);
  EXPECT_EQ(runner.ran, (Strings{"bcc32 a.c", "bcc32 b.c", "brcc32 r.rc"}));
  EXPECT_TRUE(err.empty());
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.front(), "*MAKE ALL...");
  EXPECT_EQ(out.back(), "*READY");
  EXPECT_TRUE(OutHas("Error E2451 " + File("b.c") + " 2: Undefined symbol 'BUILD_FAILS_HERE' in function f"));
  EXPECT_EQ(SavedField("b.c", project::kCompileField), "ERRORS");
  EXPECT_EQ(SavedField("a.c", project::kCompileField), "COMPILED");
  EXPECT_EQ(SavedField("a.c", project::kTimeField), "2004-05-06  07:00");
  // Paths stay relative in the saved file, as the IDE stores them.
  EXPECT_NE(FileBytes(projectFile).find("\tb.c\t"), std::string::npos);

  Source("b.c", "int f(void) {\n  return 0;\n}\n", 1);
  EXPECT_EQ(Ovmake({projectFile}), kExitSucceeded);
  EXPECT_EQ(runner.ran, (Strings{"bcc32 b.c", "ilink32"}));
  EXPECT_EQ(SavedField("b.c", project::kCompileField), "COMPILED");
  EXPECT_EQ(SavedField("b.c", project::kTimeField), "2004-05-06  07:01");

  EXPECT_EQ(Ovmake({projectFile}), kExitSucceeded);
  EXPECT_EQ(runner.ran, (Strings{"ilink32"}));

  // A changed header recompiles its includer, as the IDE's Make does.
  Source("a.h", "int f(void);\nint g;\n", 2);
  EXPECT_EQ(Ovmake({projectFile}), kExitSucceeded);
  EXPECT_EQ(runner.ran, (Strings{"bcc32 a.c", "ilink32"}));
}

TEST_F(OvmakeTest, AMicrosoftStyleLinkErrorFailsTheMake) {
  runner.extraLine = "app.obj : error LNK2019: unresolved external symbol _f referenced in function _main";
  EXPECT_EQ(Ovmake({projectFile}), kExitFailed);
  EXPECT_TRUE(OutHas(runner.extraLine));
  EXPECT_EQ(Ovmake({"--run", projectFile}), kExitFailed);
  EXPECT_EQ(out.back(), "*CAN NOT RUN...");
  EXPECT_TRUE(runner.started.empty());
}

TEST_F(OvmakeTest, AMissingCompilerFailsAndTheOtherFilesStillCompile) {
  ASSERT_TRUE(platform::RemoveFile(tools + "\\bcc32.exe"));
  EXPECT_EQ(Ovmake({projectFile}), kExitFailed);
  EXPECT_TRUE(OutHas("Can not find the Compiler! Check Global Settings."));
  EXPECT_EQ(runner.ran, (Strings{"brcc32 r.rc"}));
  EXPECT_EQ(SavedField("a.c", project::kCompileField), "ERRORS");
  EXPECT_EQ(SavedField("r.rc", project::kCompileField), "COMPILED");
}

TEST_F(OvmakeTest, AMissingLinkerFails) {
  ASSERT_TRUE(platform::RemoveFile(tools + "\\ilink32.exe"));
  EXPECT_EQ(Ovmake({projectFile}), kExitFailed);
  EXPECT_TRUE(OutHas("Can not find the Linker! Check Global Settings."));
}

TEST_F(OvmakeTest, BuildAllCompilesEverything) {
  EXPECT_EQ(Ovmake({projectFile}), kExitSucceeded);
  EXPECT_EQ(Ovmake({"--all", projectFile}), kExitSucceeded);
  EXPECT_EQ(runner.ran, (Strings{"bcc32 a.c", "bcc32 b.c", "brcc32 r.rc", "ilink32"}));
  EXPECT_EQ(out.front(), "*BUILD ALL...");
  EXPECT_EQ(out.back(), "*READY");
}

TEST_F(OvmakeTest, UsageErrorsExitTwoWithOneLineOnStandardError) {
  for (const Strings& arguments : {Strings{}, Strings{"-x", projectFile}, Strings{"--all", "--run", projectFile},
                                   Strings{projectFile, "--compile"}}) {
    EXPECT_EQ(Ovmake(arguments), kExitUsage);
    ASSERT_EQ(err.size(), 1u);
    EXPECT_EQ(err[0].rfind("ovmake: ", 0), 0u) << err[0];
    EXPECT_NE(err[0].find("--help"), std::string::npos) << err[0];
    EXPECT_TRUE(out.empty());
  }
  EXPECT_TRUE(runner.ran.empty());
}

TEST_F(OvmakeTest, HelpPrintsTheUsageAndBuildsNothing) {
  EXPECT_EQ(Ovmake({"--help"}), kExitSucceeded);
  EXPECT_EQ(out, ovmake::UsageLines());
  EXPECT_TRUE(err.empty());
  EXPECT_TRUE(runner.ran.empty());
}

TEST_F(OvmakeTest, TheGlobalSettingsFileMustExist) {
  ASSERT_TRUE(platform::RemoveFile(global));
  std::string projectBefore = FileBytes(projectFile);
  EXPECT_EQ(Ovmake({projectFile}), kExitUsage);
  EXPECT_EQ(err, (Strings{"ovmake: global settings file not found: " + global}));
  EXPECT_EQ(Ovmake({"--ini", "nowhere.ini", projectFile}), kExitUsage);
  EXPECT_EQ(err, (Strings{"ovmake: global settings file not found: " + root + "\\nowhere.ini"}));
  EXPECT_TRUE(runner.ran.empty());
  EXPECT_EQ(FileBytes(projectFile), projectBefore);
}

TEST_F(OvmakeTest, IniAndProjectRelativeToTheCurrentDirectory) {
  // The settings moved away from the program: only --ini finds them.
  ASSERT_TRUE(platform::CopyWholeFile(global, root + "\\other.ini"));
  ASSERT_TRUE(platform::RemoveFile(global));
  EXPECT_EQ(Ovmake({"--ini", "other.ini", "P\\app.ovp"}), kExitSucceeded);
  EXPECT_EQ(runner.ran.back(), "ilink32");
  // The run leaves the current directory where it found it.
  EXPECT_EQ(platform::CurrentDirectory(), root);
  EXPECT_FALSE(project::HasProjectFile());
  EXPECT_EQ(project::OpenProjectList(), 0);
}

TEST_F(OvmakeTest, AnUnreadableOrDamagedProjectExitsTwoAndIsLeftAlone) {
  EXPECT_EQ(Ovmake({root + "\\missing.ovp"}), kExitUsage);
  EXPECT_EQ(err, (Strings{"ovmake: cannot read the project file: " + root + "\\missing.ovp"}));
  EXPECT_FALSE(platform::FileExists(root + "\\missing.ovp"));

  ovmaketest::PutFile(projectFile, "");
  EXPECT_EQ(Ovmake({projectFile}), kExitUsage);
  EXPECT_EQ(err, (Strings{"ovmake: the project file is damaged: " + projectFile}));
  EXPECT_EQ(FileBytes(projectFile), "");
  EXPECT_TRUE(runner.ran.empty());
}

TEST_F(OvmakeTest, AProjectThatCannotBeSavedFailsTheRun) {
  platform::FailCreate(true);
  EXPECT_EQ(Ovmake({projectFile}), kExitFailed);
  platform::FailCreate(false);
  EXPECT_EQ(err, (Strings{"ovmake: cannot save the project file: " + projectFile}));
  EXPECT_EQ(SavedField("a.c", project::kCompileField), "");
}

TEST_F(OvmakeTest, TheProjectsProfileIsChosenAsTheProjectWindowChoosesIt) {
  Global("Profile", "2", "VisualToolkit");
  Global("VisualToolkit", "Bin", tools);
  Global("VisualToolkit", "Cc", "bcc32");  // the fake plays the compiler under its Borland name
  Project("Global", "Profile", "VisualToolkit");
  EXPECT_EQ(Ovmake({projectFile}), kExitSucceeded);
  EXPECT_EQ(settings::ReadText(global, "Profile", "Current", "", 8), "2");
  EXPECT_EQ(settings::CurrentProfileId(), settings::kProfileIdVisualToolkit);
}

TEST_F(OvmakeTest, CompileOneFileAsTheCompileCommandDoes) {
  EXPECT_EQ(Ovmake({projectFile, "--compile", "P\\b.c"}), kExitSucceeded);
  EXPECT_EQ(runner.ran, (Strings{"bcc32 b.c"}));
  EXPECT_EQ(out.front(), "*COMPILE...");
  EXPECT_EQ(out.back(), "*READY");
  EXPECT_EQ(SavedField("b.c", project::kCompileField), "COMPILED");
  EXPECT_EQ(SavedField("a.c", project::kCompileField), "");

  Source("b.c", "BUILD_FAILS_HERE\n", 3);
  EXPECT_EQ(Ovmake({projectFile, "--compile", File("b.c")}), kExitFailed);
  EXPECT_EQ(SavedField("b.c", project::kCompileField), "ERRORS");

  EXPECT_EQ(Ovmake({projectFile, "--compile", File("a.h")}), kExitSucceeded);
  EXPECT_TRUE(OutHas("nothing to Compile"));
  EXPECT_TRUE(runner.ran.empty());
}

TEST_F(OvmakeTest, RunStartsTheTargetOnlyAfterASuccessfulMake) {
  EXPECT_EQ(Ovmake({"--run", projectFile}), kExitSucceeded);
  EXPECT_EQ(out.front(), "*BUILD FOR RUN...");
  EXPECT_TRUE(OutHas("*RUN..."));
  EXPECT_EQ(out.back(), "running 'app.exe'");
  ASSERT_EQ(runner.started.size(), 1u);
  // With an empty "Final" the program lies in the project folder and starts there.
  EXPECT_EQ(runner.started[0], "app.exe in " + projectDir);

  runner.startSucceeds = false;
  EXPECT_EQ(Ovmake({"--run", projectFile}), kExitFailed);
  EXPECT_EQ(err, (Strings{"ovmake: the target could not be started: app.exe"}));

  runner.started.clear();
  Project("Target", "Model", "DLL");
  EXPECT_EQ(Ovmake({"--run", projectFile}), kExitFailed);
  EXPECT_EQ(out.back(), "can only run EXE-Projects");
  EXPECT_TRUE(runner.started.empty());
}

TEST_F(OvmakeTest, MakefileWritesTheIdesBatchAndNothingElse) {
  Project("Target", "Defines", "WIN32;_DEBUG");
  Project("Directories", "Final", "out");
  Source("b.c", "BUILD_FAILS_HERE\n", 0);  // nothing is compiled, so nothing fails
  const std::string batch = File("makefile.bat");

  // The IDE's Makefile command, in this process, on the project as the project window opens it.
  {
    ASSERT_EQ(project::SetProjectFile(projectFile), project::ProjectTextResult::kSet);
    project::ProjectList list(projectFile);
    ASSERT_EQ(project::LoadProject(list.Number(), projectFile, 1280, 1024).result, project::LoadResult::kLoaded);
    settings::ChooseProjectProfile(projectSettings, global);
    build::BuildContext context;
    context.files.globalSettings = global;
    context.files.projectSettings = projectSettings;
    context.files.projectFile = projectFile;
    context.files.projectDirectory = projectDir;
    ASSERT_EQ(build::MakefileCommand(context, list.Number()), build::CommandResult::kSucceeded);
    project::ClearProjectFile();
  }
  const std::string expected = FileBytes(batch);
  ASSERT_NE(expected.find("ECHO LINKING..."), std::string::npos);
  ASSERT_TRUE(platform::RemoveFile(batch));

  const std::string projectBefore = FileBytes(projectFile);
  const std::string globalBefore = FileBytes(global);
  EXPECT_EQ(Ovmake({"--makefile", projectFile}), kExitSucceeded);
  EXPECT_EQ(FileBytes(batch), expected);
  EXPECT_TRUE(runner.ran.empty());
  EXPECT_TRUE(out.empty()) << "the Makefile command writes no heading";
  EXPECT_EQ(FileBytes(projectFile), projectBefore);
  EXPECT_EQ(FileBytes(global), globalBefore);
}

TEST_F(OvmakeTest, AMissingProjectSettingsFileMeansItsDefaults) {
  ASSERT_FALSE(platform::FileExists(projectSettings));
  EXPECT_EQ(Ovmake({"--makefile", projectFile}), kExitSucceeded);
  const std::string batch = FileBytes(File("makefile.bat"));
  // GUI, Release, Speed, C++ always: the Borland defaults.
  EXPECT_NE(batch.find("bcc32 -tW -P -O2 -c"), std::string::npos) << batch;
  EXPECT_NE(batch.find("app.exe"), std::string::npos) << batch;
}

}  // namespace
