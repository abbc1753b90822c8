// Shared pieces of the ovmake host tests: a project on disk, its settings files, and a fake
// runner that plays the Borland tools the way the real runner hands their lines on.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/ovmake_options.h"
#include "build/ovmake_session.h"
#include "build/processrunner.h"
#include "build/runtools.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/projectfile.h"
#include "project/projectlist.h"
#include "project/projectstrings.h"
#include "shell/profiles.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace ovmaketest {

inline void PutFile(const std::string& path, const std::string& bytes) {
  ASSERT_GE(platform::WriteWholeFile(path, bytes.data(), bytes.size()), 0) << path;
}

inline std::string FileBytes(const std::string& path) {
  std::vector<char> block;
  int n = platform::ReadWholeFile(path, block);
  if (n < 0) return "<missing>";
  return std::string(block.data(), static_cast<std::size_t>(n));
}

// Plays bcc32, brcc32, ilink32 and tlib: a source holding "BUILD_FAILS_HERE" prints a Borland
// error line, every other step prints its banner. Output goes through the run's filter exactly as
// the real runner sends it (build/runtools.h), so the build's verdict comes from the classifier.
class FakeTools : public build::ProcessRunner {
 public:
  int RunTools(const build::ToolRun& run, const build::RunnerIo& io) override {
    const std::string program = ProgramName(run.commandLine);
    const std::string source = LastQuoted(run.commandLine);
    const std::string shown = source.substr(source.rfind('\\') + 1);
    ran.push_back(program == "bcc32" || program == "brcc32" ? program + " " + shown : program);
    build::ToolOutputLines lines(run.filter, io.console);
    std::string output = program + " banner\r\n";
    if (!extraLine.empty() && program == "ilink32") output += extraLine + "\r\n";
    if (program == "bcc32" && FileBytes(source).find("BUILD_FAILS_HERE") != std::string::npos) {
      output += "Error E2451 " + source + " 2: Undefined symbol 'BUILD_FAILS_HERE' in function f\r\n";
    }
    lines.Feed(output.data(), output.size());
    lines.Finish();
    return lines.ErrorSeen() ? build::kRunReportedErrors : build::kRunSucceeded;
  }
  bool StartDetached(const std::string& commandLine, const std::string& workingDirectory) override {
    started.push_back(commandLine + " in " + workingDirectory);
    return startSucceeds;
  }

  static std::string ProgramName(const std::string& command) {
    std::string first = command.substr(0, command.find(' '));
    return first.substr(first.rfind('\\') + 1);
  }
  static std::string LastQuoted(const std::string& command) {
    std::size_t close = command.rfind('"');
    if (close == std::string::npos || close == 0) return std::string();
    std::size_t open = command.rfind('"', close - 1);
    return open == std::string::npos ? std::string() : command.substr(open + 1, close - open - 1);
  }

  std::vector<std::string> ran;      // "bcc32 a.c", "brcc32 r.rc", "ilink32", ...
  std::vector<std::string> started;  // detached starts: command " in " folder
  std::string extraLine;             // a further line the linker prints
  bool startSucceeds = true;
};

// A project C:\tN\P\app.ovp with a.c (including a.h), a.h, b.c and r.rc, the Borland tools in
// C:\tN\BC\BIN and the global settings file beside C:\tN\bin\ovmake.exe.
class OvmakeTest : public ::testing::Test {
 protected:
  testsupport::TempFolder temp;
  std::string root = temp.Path();
  std::string programFolder = root + "\\bin";
  std::string global = programFolder + "\\Orvantel.ini";
  std::string projectDir = root + "\\P";
  std::string projectFile = projectDir + "\\app.ovp";
  std::string projectSettings = projectDir + "\\app.ovs";
  std::string tools = root + "\\BC\\BIN";
  FakeTools runner;
  std::vector<std::string> out;
  std::vector<std::string> err;

  void SetUp() override {
    settings::SetCurrentProfileId(settings::kProfileIdBorland);
    ASSERT_TRUE(platform::CreateFolder(programFolder));
    ASSERT_TRUE(platform::CreateFolder(projectDir));
    ASSERT_TRUE(platform::CreateFolder(root + "\\BC"));
    ASSERT_TRUE(platform::CreateFolder(tools));
    for (const char* tool : {"bcc32", "brcc32", "ilink32", "tlib"}) PutFile(tools + "\\" + tool + ".exe", "MZ");
    Global("Profile", "Current", "1");
    Global("Profile", "1", "Borland");
    Global("Borland", "Bin", tools);
    Source("a.c", "#include \"a.h\"\nint main(void) { return f(); }\n", 0);
    Source("a.h", "int f(void);\n", 0);
    Source("b.c", "int f(void) {\n  return 0;\n}\n", 0);
    Source("r.rc", "1 ICON \"app.ico\"\n", 0);
    SaveNewProject({{"a.c", "C  "}, {"a.h", "H  "}, {"b.c", "C  "}, {"r.rc", "RC "}});
  }

  void Global(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(global, section, key, value.c_str()));
  }
  void Project(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(projectSettings, section, key, value.c_str()));
  }
  std::string File(const std::string& name) const { return projectDir + "\\" + name; }

  // Writes a project file with the time stamp 2004-05-06 07:<minute>.
  void Source(const std::string& name, const std::string& text, int minute) {
    PutFile(File(name), text);
    ASSERT_TRUE(platform::SetFileWriteTime(File(name), 2004, 5, 6, 7, minute));
  }

  // Saves the project file through the project model, as the IDE would have.
  void SaveNewProject(const std::vector<std::pair<std::string, std::string>>& files) {
    project::ProjectList list(projectFile);
    ASSERT_TRUE(list.Valid());
    int number = 0;
    for (const auto& file : files) {
      int line = AddLine(list.Number()) - 1;
      char location[16];
      std::snprintf(location, sizeof location, "%03d", ++number);
      SetField(list.Number(), line, project::kNameField, file.first.c_str());
      SetField(list.Number(), line, project::kFileField, File(file.first).c_str());
      SetField(list.Number(), line, project::kTypField, file.second.c_str());
      SetField(list.Number(), line, project::kLocationField, location);
    }
    ASSERT_EQ(project::SaveProject(list.Number(), projectFile), 0);
  }

  // The field of the line holding `name`, as the saved project file gives it back.
  std::string SavedField(const std::string& name, const char* field) {
    project::ProjectList list(projectFile);
    project::LoadProject(list.Number(), projectFile, 1280, 1024);
    int line = project::FindFileLine(list.Number(), File(name));
    return line < 0 ? "<no line>" : liststore::FieldText(list.Number(), line, field);
  }

  ovmake::System System() {
    ovmake::System system;
    system.runner = &runner;
    system.out = [this](const std::string& line) { out.push_back(line); };
    system.err = [this](const std::string& line) { err.push_back(line); };
    system.programPath = programFolder + "\\ovmake.exe";
    system.currentDirectory = root;
    return system;
  }

  int Ovmake(const std::vector<std::string>& arguments) {
    out.clear();
    err.clear();
    runner.ran.clear();
    return ovmake::RunOvmake(arguments, System());
  }

  bool OutHas(const std::string& line) const {
    for (const std::string& shown : out) {
      if (shown == line) return true;
    }
    return false;
  }
};

}  // namespace ovmaketest
