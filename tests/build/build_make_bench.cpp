// What a Make costs when nothing needs compiling: header propagation and the time-stamp check of
// every project line, for a project of many sources (a program to run by hand, not a test).
//
// Usage: build_make_bench <folder> [files [repeats]]   (default 1000 sources, 20 runs)
// Writes <folder>\src\fNNNN.c (each including one of ten headers), <folder>\obj\fNNNN.obj and
// <folder>\app.exe with times that make everything up to date, and <folder>\Makefile describing the
// same tree, so that `make -q -C <folder>` can be timed beside it. The link runs through a runner
// that returns at once, as `make -q` runs nothing either; with many sources the link command passes
// the 4095 characters of the command buffer and is refused with a console line instead, which costs
// no more. Prints the best and the median run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "build/headerchanges.h"
#include "build/make.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/projectlist.h"
#include "shell/settingsfile.h"

namespace {

constexpr int kHeaders = 10;

void Put(const std::string& path, const std::string& text) {
  platform::WriteWholeFile(path, text.data(), text.size());
}

std::string Number(int value, const char* format) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: build_make_bench <folder> [files [repeats]]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int files = argc > 2 ? std::atoi(argv[2]) : 1000;
  const int repeats = argc > 3 ? std::atoi(argv[3]) : 20;

  platform::CreateFolder(folder);
  platform::CreateFolder(folder + "\\src");
  platform::CreateFolder(folder + "\\obj");
  platform::CreateFolder(folder + "\\bin");
  Put(folder + "\\bin\\ilink32.exe", "MZ");
  const std::string global = folder + "\\Orvantel.ini";
  const std::string projectSettings = folder + "\\app.ovs";
  settings::WriteString(global, "Profile", "Current", "1");
  settings::WriteString(global, "Profile", "1", "Borland");
  settings::WriteString(global, "Borland", "Bin", (folder + "\\bin").c_str());
  settings::WriteString(projectSettings, "Target", "Name", "app");

  project::ProjectList projectList("bench");
  const int list = projectList.Number();
  std::string makefile = "OBJS =";
  std::string dependencies;
  for (int h = 0; h < kHeaders; ++h) {
    std::string header = folder + "\\src\\h" + Number(h, "%02d") + ".h";
    Put(header, "int f" + std::to_string(h) + "(void);\n");
    platform::SetFileWriteTime(header, 2004, 5, 6, 7, 0);
    int line = AddLine(list) - 1;
    SetField(list, line, project::kFileField, header.c_str());
    SetField(list, line, project::kTypField, "H  ");
    SetField(list, line, project::kTimeField, platform::FileTimeText(header).c_str());
  }
  for (int i = 0; i < files; ++i) {
    const std::string name = "f" + Number(i, "%04d");
    const std::string header = "h" + Number(i % kHeaders, "%02d") + ".h";
    const std::string source = folder + "\\src\\" + name + ".c";
    Put(source, "#include \"" + header + "\"\nint " + name + "(void) { return 0; }\n");
    platform::SetFileWriteTime(source, 2004, 5, 6, 7, 0);
    Put(folder + "\\obj\\" + name + ".obj", "object");
    platform::SetFileWriteTime(folder + "\\obj\\" + name + ".obj", 2004, 5, 6, 7, 1);
    int line = AddLine(list) - 1;
    SetField(list, line, project::kFileField, source.c_str());
    SetField(list, line, project::kTypField, "C  ");
    SetField(list, line, project::kTimeField, platform::FileTimeText(source).c_str());
    SetField(list, line, project::kCompileField, "COMPILED");
    makefile += " obj/" + name + ".obj";
    dependencies += "obj/" + name + ".obj: src/" + header + "\n";
  }
  Put(folder + "\\app.exe", "program");
  platform::SetFileWriteTime(folder + "\\app.exe", 2004, 5, 6, 7, 2);
  Put(folder + "\\Makefile", makefile + "\n\napp.exe: $(OBJS)\n\t@echo link\n\nobj/%.obj: src/%.c\n\t@echo cc $<\n\n" +
                                  dependencies);

  int compiles = 0;
  int links = 0;
  int refusedLinks = 0;
  build::BuildContext context;
  context.host.console = [&](const std::string& line) {
    if (line.rfind("ERROR: The command is too long", 0) == 0) ++refusedLinks;
  };
  context.host.runTool = [&](const build::ToolRun& run, const build::RunnerIo&) {
    if (run.commandLine.find("ilink32") != std::string::npos) {
      ++links;
    } else {
      ++compiles;
    }
    return 0;
  };
  context.files.globalSettings = global;
  context.files.projectSettings = projectSettings;
  context.files.projectFile = folder + "\\app.ovp";
  context.files.projectDirectory = folder;

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> milliseconds;
  for (int run = 0; run < repeats; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    build::PropagateHeaderChanges(context, list);
    build::MakeProject(context, list);
    QueryPerformanceCounter(&end);
    milliseconds.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart));
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("Make of %d sources and %d headers, nothing to compile: best %.1f ms, median %.1f ms "
              "(%d runs; %d compiles, %d links run, %d refused as too long)\n",
              files, kHeaders, milliseconds.front(), milliseconds[milliseconds.size() / 2], repeats, compiles,
              links, refusedLinks);
  return compiles == 0 && links + refusedLinks == repeats ? 0 : 1;
}
