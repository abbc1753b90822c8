// Shared pieces of the build tests: settings files in a fresh folder, stand-in tool files, a
// project list, and a host whose every operation is recorded, with a fake runner in place of the
// real one.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "build/buildcontext.h"
#include "build/makebatch.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/projectlist.h"
#include "shell/profiles.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace buildtest {

inline void PutFile(const std::string& path, const std::string& bytes) {
  platform::WriteWholeFile(path, bytes.data(), bytes.size());
}

inline std::string FileBytes(const std::string& path) {
  std::vector<char> block;
  int n = platform::ReadWholeFile(path, block);
  if (n < 0) return "<missing>";
  return std::string(block.data(), static_cast<std::size_t>(n));
}

// One captured run as the fake runner saw it.
struct RecordedRun {
  std::string command;
  std::string workingDirectory;
  bool filtered = false;
};

// Every host operation, in order, as one text each: "console: <line>", "run: <command>",
// "busy: <caption>", "close busy", "save: <path>", "repaint", "pump", "show console",
// "post compile", "run target", "run debugger", "open batch: <path>".
class BuildTest : public ::testing::Test {
 protected:
  testsupport::TempFolder temp;
  std::string root = temp.Path();
  std::string global = root + "\\Orvantel.ini";
  std::string projectDir = root + "\\P";
  std::string projectFile = projectDir + "\\app.ovp";
  std::string projectSettings = projectDir + "\\app.ovs";
  std::string bin = root + "\\BC\\BIN";

  project::ProjectList projectList{"C:\\P\\app.ovp"};
  int list = projectList.Number();

  std::vector<std::string> events;
  std::vector<RecordedRun> runs;
  // The output lines a run prints; by default none.
  std::function<std::vector<std::string>(const build::ToolRun&)> toolOutput;
  // A result that replaces the filter's verdict (for -2, -3); none when unset.
  std::function<int(const build::ToolRun&)> forcedResult;

  void SetUp() override {
    ASSERT_TRUE(projectList.Valid());
    ASSERT_TRUE(platform::CreateFolder(projectDir));
    settings::SetCurrentProfileId(settings::kProfileIdBorland);
    CloseBatchLeftOpen();
    UseProfile("Borland", bin);
    MakeTools(bin, {"bcc32", "brcc32", "ilink32", "tlib"});
  }

  // The VisualToolkit profile with the tools cl, rc, link and lib in `folder`.
  void UseVisualToolkit(const std::string& folder) {
    UseProfile("VisualToolkit", folder);
    Global("VisualToolkit", "Cc", "cl");
    Global("VisualToolkit", "Rc", "rc");
    Global("VisualToolkit", "Linker", "link");
    Global("VisualToolkit", "Librian", "lib");
    MakeTools(folder, {"cl", "rc", "link", "lib"});
  }

  // The DigitalMars profile with the tools dmc, rcc, link and lib in `folder`.
  void UseDigitalMars(const std::string& folder) {
    UseProfile("DigitalMars", folder);
    Global("DigitalMars", "Cc", "dmc");
    Global("DigitalMars", "Rc", "rcc");
    Global("DigitalMars", "Linker", "link");
    Global("DigitalMars", "Librian", "lib");
    MakeTools(folder, {"dmc", "rcc", "link", "lib"});
  }

  void TearDown() override { CloseBatchLeftOpen(); }

  static void CloseBatchLeftOpen() {
    if (build::IsBatchFileOpen()) {
      build::SetMakeBatchPath("");
      build::CloseBatchFile();
    }
  }

  void Global(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(global, section, key, value.c_str()));
  }
  void Project(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(projectSettings, section, key, value.c_str()));
  }

  // Makes `name` the current profile (key "1") with its tools in `toolFolder`.
  void UseProfile(const std::string& name, const std::string& toolFolder) {
    Global("Profile", "Current", "1");
    Global("Profile", "1", name);
    Global(name.c_str(), "Bin", toolFolder);
  }

  // Creates `folder` and every folder above it that is missing.
  static void CreateFolders(const std::string& folder) {
    for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1)) {
      platform::CreateFolder(folder.substr(0, at));
    }
    platform::CreateFolder(folder);
  }

  void MakeTools(const std::string& folder, const std::vector<std::string>& names) {
    CreateFolders(folder);
    for (const std::string& name : names) PutFile(folder + "\\" + name + ".exe", "MZ");
  }

  // Appends a project line for `file` with the kind code `typ`; returns its index.
  int AddProjectFile(const std::string& file, const std::string& typ) {
    int line = AddLine(list) - 1;
    SetField(list, line, project::kFileField, file.c_str());
    SetField(list, line, project::kTypField, typ.c_str());
    SetField(list, line, project::kNameField, file.substr(file.rfind('\\') + 1).c_str());
    return line;
  }
  std::string Field(int line, const char* field) { return liststore::FieldText(list, line, field); }

  build::BuildContext Context() {
    build::BuildContext context;
    build::BuildHost& host = context.host;
    host.runTool = [this](const build::ToolRun& run, const build::RunnerIo& io) { return FakeRun(run, io); };
    host.console = [this](const std::string& line) { events.push_back("console: " + line); };
    host.pump = [this] { events.push_back("pump"); };
    host.showConsole = [this] { events.push_back("show console"); };
    host.showBusy = [this](const std::string& caption, const std::string&) { events.push_back("busy: " + caption); };
    host.closeBusy = [this] { events.push_back("close busy"); };
    host.saveIfModified = [this](const std::string& path) { events.push_back("save: " + path); };
    host.repaintProjectList = [this] { events.push_back("repaint"); };
    host.postCompileCommand = [this] { events.push_back("post compile"); };
    host.runTarget = [this](bool debugger) { events.push_back(debugger ? "run debugger" : "run target"); };
    host.openMakeBatch = [this](const std::string& path) { events.push_back("open batch: " + path); };
    context.files.globalSettings = global;
    context.files.projectSettings = projectSettings;
    context.files.projectFile = projectFile;
    context.files.projectDirectory = projectDir;
    return context;
  }

  // What RunTools does with a tool's output, for the lines `toolOutput` gives.
  int FakeRun(const build::ToolRun& run, const build::RunnerIo& io) {
    runs.push_back({run.commandLine, run.workingDirectory, static_cast<bool>(run.filter)});
    events.push_back("run: " + run.commandLine);
    bool error = false;
    if (toolOutput) {
      for (const std::string& line : toolOutput(run)) {
        std::string shown = line;
        if (run.filter) {
          shown.clear();
          if (run.filter(shown, line) != 0) error = true;
        }
        if (io.console) io.console(shown);
      }
    }
    if (forcedResult) return forcedResult(run);
    return error ? build::kRunReportedErrors : build::kRunSucceeded;
  }

  // The console lines among the events.
  std::vector<std::string> ConsoleLines() const {
    std::vector<std::string> lines;
    for (const std::string& event : events) {
      if (event.rfind("console: ", 0) == 0) lines.push_back(event.substr(9));
    }
    return lines;
  }
  std::vector<std::string> RunCommands() const {
    std::vector<std::string> commands;
    for (const RecordedRun& run : runs) commands.push_back(run.command);
    return commands;
  }
  // The events without the pumps and repaints, which many steps interleave.
  std::vector<std::string> MainEvents() const {
    std::vector<std::string> main;
    for (const std::string& event : events) {
      if (event != "pump" && event != "repaint") main.push_back(event);
    }
    return main;
  }
};

}  // namespace buildtest
