// Deciding what to compile: Make (stale files only), Build All (everything, or the make batch) and
// the compile loop over the selected project lines. Each records every file's result in its
// project line: "Compile" goes "PROGRESS" while the tool runs, then "COMPILED" or "ERRORS", and
// "Time" holds the file's time text as the build last looked at it.
#pragma once

#include "build/buildcontext.h"

namespace build {

// For every project line in order: a line that is "COMPILED" and whose "Time" equals its file's
// current time text is up to date and skipped; any other file line gets the current time text and,
// when it is a C or C++ source or a resource script, is compiled. A failed compile (any non-zero
// result) is remembered; other files are still compiled. Without a failure the target is linked,
// even when nothing was compiled. Returns 0 when everything compiled and linked, else 1.
int MakeProject(const BuildContext& context, int list);

// Compiles every source and script in project order, then links when none failed: 0 or 1.
// With `batch` nothing runs: the make batch is written instead ("@ECHO OFF", "del make.txt",
// "ECHO COMPILING...", a step per source and script, "ECHO LINKING...", the link step,
// "ECHO READY"), and the lines' "Time" and "Compile" stay as they were, so that a later Make still
// compiles what changed since the last real compile.
int BuildAllProject(const BuildContext& context, int list, bool batch);

// The project window's "Compile...": every selected line (status bit 1) in order is saved when an
// editor holds it modified, gets its current time text and, when it is a source or script, is
// compiled with the busy box "Compiling..." showing its path. Nothing is linked. Returns the number
// of files that failed.
int CompileSelectedFiles(const BuildContext& context, int list);

}  // namespace build
