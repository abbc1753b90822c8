// ovmake.exe itself under Windows: run as a separate process on a project built by the stand-in
// Borland tools (build_standin_tool.cpp), its standard output, standard error and exit status read
// back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/buildcommands.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/projectfile.h"
#include "project/projectlist.h"
#include "project/projectstrings.h"
#include "shell/profiles.h"
#include "shell/settingsfile.h"
#include "support/temp_folder.h"

#ifndef OVMAKE_FOLDER
#define OVMAKE_FOLDER "../../shell"
#endif

namespace {

using Strings = std::vector<std::string>;

std::string OwnFolder() {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path(self, length);
  return path.substr(0, path.rfind('\\'));
}

std::string Backslashed(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

void PutFile(const std::string& path, const std::string& text) {
  ASSERT_GE(platform::WriteWholeFile(path, text.data(), text.size()), 0) << path;
}

std::string FileBytes(const std::string& path) {
  std::vector<char> block;
  const int length = platform::ReadWholeFile(path, block);
  return length < 0 ? "<missing>" : std::string(block.data(), static_cast<std::size_t>(length));
}

// Lines ended by CR LF; a piece after the last one is a line of its own.
Strings CrLfLines(const std::string& text) {
  Strings lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

struct Outcome {
  DWORD status = 0xFFFF;
  std::string out;  // standard output as written
  std::string err;  // standard error as written
  Strings OutLines() const { return CrLfLines(out); }
  Strings ErrLines() const { return CrLfLines(err); }
};

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inheritable{};
  inheritable.nLength = sizeof inheritable;
  inheritable.bInheritHandle = TRUE;
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

class OvmakeProgramTest : public ::testing::Test {
 protected:
  testsupport::TempFolder temp;
  std::string root = temp.Path();
  std::string ovmake = OwnFolder() + "\\" + Backslashed(OVMAKE_FOLDER) + "\\ovmake.exe";
  std::string standins = OwnFolder() + "\\standin";
  // The tools are copied here, so their log (in the folder above them) is this test's own.
  std::string tools = root + "\\tools\\bin";
  std::string log = root + "\\tools\\standin.log";
  std::string global = root + "\\Orvantel.ini";
  std::string projectDir = root + "\\P";
  std::string projectFile = projectDir + "\\app.ovp";
  std::string projectSettings = projectDir + "\\app.ovs";
  std::string objects = root + "\\obj";
  std::string final = root + "\\out";

  void SetUp() override {
    ASSERT_TRUE(platform::FileExists(ovmake)) << ovmake;
    ASSERT_TRUE(platform::FileExists(standins + "\\bcc32.exe")) << standins;
    for (const std::string& folder : {root + "\\tools", tools, projectDir, objects, final}) {
      ASSERT_TRUE(platform::CreateFolder(folder)) << folder;
    }
    for (const char* tool : {"bcc32", "brcc32", "ilink32", "tlib"}) {
      ASSERT_TRUE(platform::CopyWholeFile(standins + "\\" + tool + ".exe", tools + "\\" + tool + ".exe"));
    }
    settings::SetCurrentProfileId(settings::kProfileIdBorland);
    Global("Profile", "Current", "1");
    Global("Profile", "1", "Borland");
    Global("Borland", "Bin", tools);
    Project("Target", "Name", "app");
    Project("Target", "Model", "CON");
    Project("Directories", "Objects", objects);
    Project("Directories", "Final", final);
    Write("a.c", "#include \"a.h\"\nint main(void) { return f(); }\n", 0);
    Write("a.h", "int f(void);\n", 0);
    Write("b.c", "int f(void) {\n  return BUILD_FAILS_HERE;\n}\n", 0);
    Write("c.c", "int g;\n", 0);
    project::ProjectList list(projectFile);
    int number = 0;
    for (const auto& file : {std::pair<const char*, const char*>{"a.c", "C  "}, {"a.h", "H  "}, {"b.c", "C  "}, {"c.c", "C  "}}) {
      const int line = AddLine(list.Number()) - 1;
      SetField(list.Number(), line, project::kNameField, file.first);
      SetField(list.Number(), line, project::kFileField, File(file.first).c_str());
      SetField(list.Number(), line, project::kTypField, file.second);
      SetField(list.Number(), line, project::kLocationField, ("00" + std::to_string(++number)).c_str());
    }
    ASSERT_EQ(project::SaveProject(list.Number(), projectFile), 0);
  }

  void Global(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(global, section, key, value.c_str()));
  }
  void Project(const char* section, const char* key, const std::string& value) {
    ASSERT_TRUE(settings::WriteString(projectSettings, section, key, value.c_str()));
  }
  std::string File(const std::string& name) const { return projectDir + "\\" + name; }
  void Write(const std::string& name, const std::string& text, int minute) {
    PutFile(File(name), text);
    ASSERT_TRUE(platform::SetFileWriteTime(File(name), 2004, 5, 6, 7, minute));
  }

  // Runs `program` with `arguments` in the folder `folder`, its output streams into files.
  Outcome Run(const std::string& program, const Strings& arguments, const std::string& folder) {
    Outcome outcome;
    platform::RemoveFile(log);
    const std::string outPath = root + "\\stdout.txt";
    const std::string errPath = root + "\\stderr.txt";
    HANDLE out = InheritableFile(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE err = InheritableFile(errPath, GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE in = InheritableFile("NUL", GENERIC_READ, OPEN_EXISTING);
    std::string command = "\"" + program + "\"";
    for (const std::string& argument : arguments) command += " \"" + argument + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                                        &startup, &process);
    CloseHandle(out);
    CloseHandle(err);
    if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
    EXPECT_TRUE(started) << command;
    if (!started) return outcome;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 300000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &outcome.status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    outcome.out = FileBytes(outPath);
    outcome.err = FileBytes(errPath);
    return outcome;
  }
  Outcome Ovmake(const Strings& arguments) { return Run(ovmake, arguments, root); }

  // The tools that ran in the last run, each as "<tool> <source>" or "<tool>".
  Strings ToolsRun() {
    Strings ran;
    for (const std::string& line : CrLfLines(FileBytes(log))) {
      if (line.empty() || line == "<missing>") continue;
      std::string program = line.substr(0, line.find(' '));
      program = program.substr(program.find_last_of('\\') + 1);
      if (program == "bcc32" || program == "brcc32") {
        const std::size_t slash = line.rfind('\\');
        ran.push_back(program + " " + line.substr(slash + 1, line.size() - slash - 2));
      } else {
        ran.push_back(program);
      }
    }
    return ran;
  }

  // The "Compile" field of the line holding `name` in the saved project.
  std::string SavedState(const std::string& name) {
    project::ProjectList list(projectFile);
    project::LoadProject(list.Number(), projectFile, 1280, 1024);
    const int line = project::FindFileLine(list.Number(), File(name));
    return line < 0 ? "<no line>" : liststore::FieldText(list.Number(), line, project::kCompileField);
  }
};

bool Has(const Strings& lines, const std::string& wanted) {
  for (const std::string& line : lines) {
    if (line == wanted) return true;
  }
  return false;
}

TEST_F(OvmakeProgramTest, FailedMakeThenOnlyTheMendedSourceAndTheLinkThenOnlyTheLink) {
  Outcome failed = Ovmake({"--ini", global, projectFile});
  EXPECT_EQ(failed.status, 1u) << failed.out << failed.err;
  EXPECT_EQ(failed.err, "");
  Strings lines = failed.OutLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "*MAKE ALL...");
  EXPECT_EQ(lines.back(), "*READY");
  EXPECT_TRUE(Has(lines, "Error E2451 " + File("b.c") + " 2: Undefined symbol 'BUILD_FAILS_HERE' in function main"))
      << failed.out;
  // Every line ends with CR LF and holds no other line break.
  EXPECT_EQ(failed.out.substr(failed.out.size() - 2), "\r\n");
  for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  EXPECT_EQ(ToolsRun(), (Strings{"bcc32 a.c", "bcc32 b.c", "bcc32 c.c"}));
  EXPECT_EQ(SavedState("b.c"), "ERRORS");
  EXPECT_EQ(SavedState("a.c"), "COMPILED");
  EXPECT_FALSE(platform::FileExists(final + "\\app.exe"));

  Write("b.c", "int f(void) {\n  return 0;\n}\n", 1);
  Outcome mended = Ovmake({"--ini", global, projectFile});
  EXPECT_EQ(mended.status, 0u) << mended.out << mended.err;
  EXPECT_EQ(ToolsRun(), (Strings{"bcc32 b.c", "ilink32"}));
  EXPECT_EQ(SavedState("b.c"), "COMPILED");
  EXPECT_TRUE(platform::FileExists(final + "\\app.exe"));

  Outcome again = Ovmake({"--ini", global, projectFile});
  EXPECT_EQ(again.status, 0u) << again.out << again.err;
  EXPECT_EQ(ToolsRun(), (Strings{"ilink32"}));
  EXPECT_EQ(again.OutLines().back(), "*READY");
}

TEST_F(OvmakeProgramTest, AMicrosoftStyleLinkErrorFailsTheMake) {
  Write("b.c", "int f(void) { return 0; }\n", 0);
  ASSERT_TRUE(platform::CopyWholeFile(OwnFolder() + "\\ovmake_standin\\ilink32.exe", tools + "\\ilink32.exe"));
  Outcome made = Ovmake({"--ini", global, projectFile});
  EXPECT_EQ(made.status, 1u) << made.out << made.err;
  EXPECT_TRUE(Has(made.OutLines(), "app.obj : error LNK2019: unresolved external symbol _f referenced in function _main"))
      << made.out;

  Outcome run = Ovmake({"--ini", global, "--run", projectFile});
  EXPECT_EQ(run.status, 1u) << run.out << run.err;
  EXPECT_EQ(run.OutLines().back(), "*CAN NOT RUN...");
}

TEST_F(OvmakeProgramTest, MakefileIsTheIdesBatchByteForByte) {
  Project("Target", "Defines", "WIN32;_CONSOLE");
  Project("Compiler", "Parameter", "-w-8057");
  const std::string batch = File("makefile.bat");
  {
    // The IDE's Makefile command, in this process, on the project as the project window loads it.
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
  ASSERT_NE(expected.find("ECHO READY\r\n"), std::string::npos) << expected;
  ASSERT_TRUE(platform::RemoveFile(batch));
  const std::string projectBefore = FileBytes(projectFile);

  Outcome written = Ovmake({"--makefile", "--ini", global, projectFile});
  EXPECT_EQ(written.status, 0u) << written.out << written.err;
  EXPECT_EQ(FileBytes(batch), expected);
  EXPECT_EQ(ToolsRun(), Strings{});
  EXPECT_EQ(FileBytes(projectFile), projectBefore);
}

TEST_F(OvmakeProgramTest, UsageErrorsExitTwoWithOneLineOnStandardError) {
  for (const Strings& arguments : {Strings{}, Strings{"--frobnicate", projectFile}, Strings{"--all", "--makefile", projectFile},
                                   Strings{"--ini", global, root + "\\none.ovp"}}) {
    Outcome outcome = Ovmake(arguments);
    EXPECT_EQ(outcome.status, 2u) << outcome.out << outcome.err;
    Strings errors = outcome.ErrLines();
    ASSERT_EQ(errors.size(), 1u) << outcome.err;
    EXPECT_EQ(errors[0].rfind("ovmake: ", 0), 0u) << errors[0];
    EXPECT_EQ(outcome.out, "");
  }
  Outcome help = Ovmake({"--help"});
  EXPECT_EQ(help.status, 0u);
  EXPECT_EQ(help.OutLines().front(), "Usage: ovmake [options] PROJECT.ovp");
}

TEST_F(OvmakeProgramTest, TheDefaultSettingsFileLiesBesideTheProgram) {
  const std::string program = root + "\\prog\\ovmake.exe";
  ASSERT_TRUE(platform::CreateFolder(root + "\\prog"));
  ASSERT_TRUE(platform::CopyWholeFile(ovmake, program));
  Outcome missing = Run(program, {projectFile}, root);
  EXPECT_EQ(missing.status, 2u);
  EXPECT_EQ(missing.err, "ovmake: global settings file not found: " + root + "\\prog\\Orvantel.ini\r\n");

  Write("b.c", "int f(void) { return 0; }\n", 0);
  ASSERT_TRUE(platform::CopyWholeFile(global, root + "\\prog\\Orvantel.ini"));
  // The project named relative to the folder ovmake runs in.
  Outcome made = Run(program, {"P\\app.ovp"}, root);
  EXPECT_EQ(made.status, 0u) << made.out << made.err;
  EXPECT_EQ(ToolsRun(), (Strings{"bcc32 a.c", "bcc32 b.c", "bcc32 c.c", "ilink32"}));
}

TEST_F(OvmakeProgramTest, RunStartsTheBuiltProgramDetached) {
  Write("b.c", "int f(void) { return 0; }\n", 0);
  // The linker writes "app.bin"; Run starts "app.bin.exe", here a copy of a real program (the
  // stand-in librarian, which logs its command line in the folder above its own, the root).
  Project("Target", "Name", "app.bin");
  ASSERT_TRUE(platform::CopyWholeFile(tools + "\\tlib.exe", final + "\\app.bin.exe"));
  const std::string startedLog = root + "\\standin.log";
  platform::RemoveFile(startedLog);
  Outcome run = Ovmake({"--ini", global, "--run", projectFile});
  EXPECT_EQ(run.status, 0u) << run.out << run.err;
  Strings lines = run.OutLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), "*BUILD FOR RUN...");
  EXPECT_EQ(lines[lines.size() - 2], "*RUN...");
  EXPECT_EQ(lines.back(), "running 'app.bin.exe'");
  for (int wait = 0; wait < 100 && !platform::FileExists(startedLog); ++wait) Sleep(100);
  EXPECT_TRUE(platform::FileExists(startedLog));
  for (int wait = 0; wait < 20 && platform::FileExists(startedLog) && FileBytes(startedLog).empty(); ++wait) Sleep(100);
}

}  // namespace
