// An end-to-end Make under Windows: a small project built through the real runner with the
// stand-in Borland tools (build_standin_tool.cpp) as bcc32, brcc32, ilink32 and tlib.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "build/buildcommands.h"
#include "build/make.h"
#include "build/runtools_win.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/projectlist.h"
#include "shell/profiles.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

namespace {

std::string OwnFolder() {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path(self, length);
  return path.substr(0, path.rfind('\\'));
}

void PutFile(const std::string& path, const std::string& text) {
  platform::WriteWholeFile(path, text.data(), text.size());
}

class EndToEndMakeTest : public ::testing::Test {
 protected:
  testsupport::TempFolder temp;
  std::string projectDir = temp.File("P");
  std::string objects = temp.File("obj");
  std::string final = temp.File("out");
  std::string tools = OwnFolder() + "\\standin";
  std::string log = OwnFolder() + "\\standin.log";
  std::string global = temp.File("Orvantel.ini");
  std::string projectSettings = projectDir + "\\app.ovs";
  project::ProjectList projectList{"app"};
  int list = projectList.Number();
  std::vector<std::string> console;
  int a = -1, b = -1, c = -1, script = -1;

  void SetUp() override {
    ASSERT_TRUE(projectList.Valid());
    ASSERT_TRUE(platform::FileExists(tools + "\\bcc32.exe")) << tools;
    platform::CreateFolder(projectDir);
    platform::CreateFolder(objects);
    platform::CreateFolder(final);
    platform::RemoveFile(log);
    settings::SetCurrentProfileId(settings::kProfileIdBorland);
    Global("Profile", "Current", "1");
    Global("Profile", "1", "Borland");
    Global("Borland", "Bin", tools);
    Project("Target", "Name", "app");
    Project("Target", "Model", "CON");
    Project("Directories", "Objects", objects);
    Project("Directories", "Final", final);

    a = AddFile("a.c", "#include \"a.h\"\nint main(void) { return f(); }\n", "C  ");
    AddFile("a.h", "int f(void);\n", "H  ");
    b = AddFile("b.c", "int f(void) {\n  return BUILD_FAILS_HERE;\n}\n", "C  ");
    c = AddFile("c.c", "/* WARN_HERE: the compiler warns, which fails nothing */\nint g;\n", "C  ");
    script = AddFile("r.rc", "#include \"a.h\"\n1 ICON \"app.ico\"\n", "RC ");
  }

  void Global(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(global, section, key, value.c_str()));
  }
  void Project(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(projectSettings, section, key, value.c_str()));
  }
  std::string File(const std::string& name) { return projectDir + "\\" + name; }

  // Writes the file with a fixed time stamp (minute `minute`) and adds its project line.
  int AddFile(const std::string& name, const std::string& text, const char* typ) {
    Write(name, text, 0);
    int line = AddLine(list) - 1;
    SetField(list, line, project::kFileField, File(name).c_str());
    SetField(list, line, project::kTypField, typ);
    return line;
  }
  void Write(const std::string& name, const std::string& text, int minute) {
    PutFile(File(name), text);
    EXPECT_TRUE(platform::SetFileWriteTime(File(name), 2004, 5, 6, 7, minute));
  }

  build::BuildContext Context() {
    build::BuildContext context;
    context.host.runTool = [](const build::ToolRun& run, const build::RunnerIo& io) {
      return build::RunTools(run, io);
    };
    context.host.console = [this](const std::string& line) { console.push_back(line); };
    context.files.globalSettings = global;
    context.files.projectSettings = projectSettings;
    context.files.projectFile = File("app.ovp");
    context.files.projectDirectory = projectDir;
    return context;
  }

  build::CommandResult Make() {
    console.clear();
    platform::RemoveFile(log);
    return build::MakeCommand(Context(), list, false);
  }

  // The tools that ran since the last Make, each as "<tool> <its last argument>".
  std::vector<std::string> ToolsRun() {
    std::vector<char> block;
    int length = platform::ReadWholeFile(log, block);
    std::vector<std::string> ran;
    if (length <= 0) return ran;
    std::string text(block.data(), static_cast<std::size_t>(length));
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find("\r\n", start);
      std::string line = text.substr(start, end - start);
      start = end == std::string::npos ? text.size() : end + 2;
      std::string program = line.substr(0, line.find(' '));
      program = program.substr(program.find_last_of('\\') + 1);
      if (program == "bcc32" || program == "brcc32") {
        // The source is the last argument, a path in double quotes: keep its file name.
        std::size_t slash = line.rfind('\\');
        ran.push_back(program + " " + line.substr(slash + 1, line.size() - slash - 2));
      } else {
        ran.push_back(program);
      }
    }
    return ran;
  }
  std::string State(int line) { return liststore::FieldText(list, line, project::kCompileField); }
};

TEST_F(EndToEndMakeTest, MarkedSourceFailsThenOnlyItIsCompiledThenNothingThenTheHeadersIncluders) {
  // The marked source fails, the others compile, and nothing is linked.
  EXPECT_EQ(Make(), build::CommandResult::kFailed);
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"bcc32 a.c", "bcc32 b.c", "bcc32 c.c", "brcc32 r.rc"}));
  EXPECT_EQ(State(a), "COMPILED");
  EXPECT_EQ(State(b), "ERRORS");
  EXPECT_EQ(State(c), "COMPILED");
  EXPECT_EQ(State(script), "COMPILED");
  EXPECT_FALSE(platform::FileExists(final + "\\app.exe"));
  EXPECT_TRUE(platform::FileExists(objects + "\\a.obj"));
  bool errorShown = false;
  for (const std::string& line : console) errorShown |= line.rfind("Error E2451 " + File("b.c") + " 2:", 0) == 0;
  EXPECT_TRUE(errorShown);
  EXPECT_EQ(console.back(), "*READY");

  // With the marker gone, Make compiles only that source and links.
  Write("b.c", "int f(void) {\n  return 0;\n}\n", 1);
  EXPECT_EQ(Make(), build::CommandResult::kSucceeded);
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"bcc32 b.c", "ilink32"}));
  EXPECT_EQ(State(b), "COMPILED");
  EXPECT_TRUE(platform::FileExists(final + "\\app.exe"));

  // Nothing changed: nothing is compiled, the target is linked all the same.
  EXPECT_EQ(Make(), build::CommandResult::kSucceeded);
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"ilink32"}));

  // A touched header recompiles exactly the files that include it.
  Write("a.h", "int f(void);\nint g;\n", 2);
  EXPECT_EQ(Make(), build::CommandResult::kSucceeded);
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"bcc32 a.c", "brcc32 r.rc", "ilink32"}));
}

TEST_F(EndToEndMakeTest, AMissingObjectFailsTheLinkAndRunStartsNothing) {
  Write("b.c", "int f(void) { return 0; }\n", 0);
  ASSERT_EQ(Make(), build::CommandResult::kSucceeded);
  platform::RemoveFile(objects + "\\c.obj");
  console.clear();
  bool started = false;
  build::BuildContext context = Context();
  context.host.runTarget = [&](bool) { started = true; };
  EXPECT_EQ(build::RunCommand(context, list, false), build::CommandResult::kFailed);
  EXPECT_FALSE(started);
  EXPECT_NE(std::find(console.begin(), console.end(), "Fatal: Unable to open file 'c.obj'"), console.end());
  EXPECT_EQ(console.back(), "*CAN NOT RUN...");
}

TEST_F(EndToEndMakeTest, LibraryTargetIsMadeByTheLibrarian) {
  Write("b.c", "int f(void) { return 0; }\n", 0);
  Project("Target", "Model", "LIB");
  EXPECT_EQ(Make(), build::CommandResult::kSucceeded);
  EXPECT_EQ(ToolsRun(), (std::vector<std::string>{"bcc32 a.c", "bcc32 b.c", "bcc32 c.c", "brcc32 r.rc", "tlib"}));
  EXPECT_TRUE(platform::FileExists(final + "\\app.lib"));
}

}  // namespace
