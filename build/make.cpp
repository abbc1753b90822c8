// Deciding what to compile: Make, Build All and the compile loop over selected lines.
#include "build/make.h"

#include <string>

#include "build/compilecommand.h"
#include "build/headerchanges.h"
#include "build/linkcommand.h"
#include "build/makebatch.h"
#include "liststore/liststore.h"
#include "platform/platform.h"
#include "project/filetype.h"
#include "project/projectlist.h"

namespace build {
namespace {

enum class StepKind { kNone, kSource, kScript };

StepKind KindOf(const std::string& file) {
  switch (project::GetFileType(file)) {
    case project::kFileC:
    case project::kFileCpp: return StepKind::kSource;
    case project::kFileResourceScript: return StepKind::kScript;
    default: return StepKind::kNone;
  }
}

void SetState(int list, int line, const char* state) { SetField(list, line, project::kCompileField, state); }

// Compiles the file of one line with its state shown as it goes: "PROGRESS", then "COMPILED" or
// "ERRORS". True when it succeeded.
bool CompileLine(const BuildContext& context, int list, int line, const std::string& file, StepKind kind) {
  SetState(list, line, kStateProgress);
  RepaintProjectList(context);
  int result = kind == StepKind::kSource ? CompileCppFile(context, file, false)
                                         : CompileResourceFile(context, file, false);
  SetState(list, line, result == 0 ? kStateCompiled : kStateErrors);
  RepaintProjectList(context);
  return result == 0;
}

}  // namespace

int MakeProject(const BuildContext& context, int list) {
  bool failed = false;
  const int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    std::string file = liststore::FieldText(list, line, project::kFileField);
    if (file.empty()) continue;
    std::string now = platform::FileTimeText(file);
    if (liststore::FieldText(list, line, project::kCompileField) == kStateCompiled &&
        liststore::FieldText(list, line, project::kTimeField) == now) {
      continue;
    }
    SetField(list, line, project::kTimeField, now.c_str());
    StepKind kind = KindOf(file);
    if (kind != StepKind::kNone && !CompileLine(context, list, line, file, kind)) failed = true;
  }
  if (failed) return 1;
  return LinkTarget(context, list, false) == 0 ? 0 : 1;
}

int BuildAllProject(const BuildContext& context, int list, bool batch) {
  if (batch) {
    WriteBatchLine("@ECHO OFF");
    WriteBatchLine("del make.txt");
    WriteBatchLine("ECHO COMPILING...");
  }
  bool failed = false;
  const int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    std::string file = liststore::FieldText(list, line, project::kFileField);
    if (file.empty()) continue;
    StepKind kind = KindOf(file);
    if (batch) {
      if (kind == StepKind::kSource) CompileCppFile(context, file, true);
      if (kind == StepKind::kScript) CompileResourceFile(context, file, true);
      continue;
    }
    SetField(list, line, project::kTimeField, platform::FileTimeText(file).c_str());
    if (kind != StepKind::kNone && !CompileLine(context, list, line, file, kind)) failed = true;
  }
  if (failed) return 1;
  if (batch) WriteBatchLine("ECHO LINKING...");
  return LinkTarget(context, list, batch) == 0 ? 0 : 1;
}

int CompileSelectedFiles(const BuildContext& context, int list) {
  int failures = 0;
  const int lines = GetLines(list);
  for (int line = 0; line < lines; ++line) {
    if (IsLineStatus(list, line, project::kSelected) <= 0) continue;
    std::string file = liststore::FieldText(list, line, project::kFileField);
    if (file.empty()) continue;
    if (context.host.saveIfModified) context.host.saveIfModified(file);
    Pump(context);
    SetField(list, line, project::kTimeField, platform::FileTimeText(file).c_str());
    StepKind kind = KindOf(file);
    if (kind == StepKind::kNone) continue;
    if (context.host.showBusy) context.host.showBusy("Compiling...", file);
    Pump(context);
    SetState(list, line, kStateProgress);
    RepaintProjectList(context);
    Pump(context);
    int result = kind == StepKind::kSource ? CompileCppFile(context, file, false)
                                           : CompileResourceFile(context, file, false);
    SetState(list, line, result == 0 ? kStateCompiled : kStateErrors);
    if (result != 0) ++failures;
    if (context.host.closeBusy) context.host.closeBusy();
    RepaintProjectList(context);
  }
  return failures;
}

}  // namespace build
