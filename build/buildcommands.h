// The build commands of the "Build" menu and the project window, as the frame runs them: Make,
// Build All, Run, Makefile, Compile and Compile selected.
//
// Only one build or tool run proceeds at a time: a command that finds another running writes
// kBusyRefusalLine (build/runtools.h) to the console and does nothing else. The window-side
// decisions (which editor is active, whether the project window is) stay with the caller.
#pragma once

#include <string>

#include "build/buildcontext.h"

namespace build {

enum class CommandResult {
  kSucceeded,
  kFailed,    // a compile, the link or the batch write failed
  kRefused,   // another build or tool run was in progress: nothing done
  kHandedOn,  // Make with Shift held: the Compile command was posted instead
};

// Console headings of the commands.
inline constexpr char kHeadingCompile[] = "*COMPILE...";
inline constexpr char kHeadingCompileSelected[] = "*COMPILE SELECTED...";
inline constexpr char kHeadingMakeAll[] = "*MAKE ALL...";
inline constexpr char kHeadingBuildAll[] = "*BUILD ALL...";
inline constexpr char kHeadingBuildForRun[] = "*BUILD FOR RUN...";
inline constexpr char kHeadingRun[] = "*RUN...";
inline constexpr char kHeadingStartDebugger[] = "*START DEBUGGER...";
inline constexpr char kHeadingCannotRun[] = "*CAN NOT RUN...";
inline constexpr char kHeadingReady[] = "*READY";
inline constexpr char kNothingToCompile[] = "nothing to Compile";

// Make (F9): with Shift held posts the Compile command instead. Otherwise shows the console,
// "*MAKE ALL...", saves the project's modified editors, propagates header changes, shows the busy
// box "Make..." with the project folder and file, makes the project, closes the box, repaints,
// "*READY".
CommandResult MakeCommand(const BuildContext& context, int list, bool shiftHeld);

// Build All: as Make with "*BUILD ALL...", the busy box "Building..." and BuildAllProject.
CommandResult BuildAllCommand(const BuildContext& context, int list);

// Run (Ctrl+F9): "*BUILD FOR RUN...", then as Make with the busy box "Building...". When the make
// succeeded: "*RUN..." (or "*START DEBUGGER..." with Shift held) and the target starts, under the
// debugger with Shift; otherwise "*CAN NOT RUN..." and nothing starts.
CommandResult RunCommand(const BuildContext& context, int list, bool shiftHeld);

// Makefile: shows the console and writes the make batch "<project folder>\makefile.bat" (no heading,
// no saving, no header propagation; the project lines keep their "Time" and "Compile"), then opens
// it in an editor. A batch that could not be written gives "ERROR: Can not write <path>" instead.
CommandResult MakefileCommand(const BuildContext& context, int list);

// Compile (Shift+F9) of the active editor's file: saves it, shows the console, "*COMPILE...";
// a source or script is compiled with the busy box "Compiling..." showing its path, its project
// line (if any) getting an empty "Compile" before and "COMPILED" or "ERRORS" and its current time
// text after; any other file gives "nothing to Compile". Ends with "*READY". An empty `file` (no
// active editor) does nothing.
CommandResult CompileCommand(const BuildContext& context, int list, const std::string& file);

// The project window's "Compile...": shows the console, "*COMPILE SELECTED...", compiles the
// selected lines (build/make.h CompileSelectedFiles), "*READY". Nothing is linked.
CommandResult CompileSelectedCommand(const BuildContext& context, int list);

}  // namespace build
