// The program's keyboard shortcuts: which key messages of the message loop become commands.
//
// The message loop offers every key message to the filter before it is translated and dispatched.
// The filter keeps its own Control, Shift and Alt flags (from the key messages it sees, not from
// the system's key state, so posted key messages act like typed ones) and decides, per message,
// what to do. Carrying the decision out (posting the command, raising the test fault, inserting
// spaces) is left to the window code.
#pragma once

namespace shell {

// The kinds of message the filter reacts to.
enum class KeyMessage { kKeyDown, kKeyUp, kSysKeyDown, kSysKeyUp, kOther };

// Virtual key codes the filter knows (the system's values).
namespace vk {
constexpr int kBack = 0x08;
constexpr int kTab = 0x09;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kMenu = 0x12;  // Alt
constexpr int kRight = 0x27;
constexpr int kInsert = 0x2D;
constexpr int kDelete = 0x2E;
constexpr int kF1 = 0x70;
constexpr int kF3 = 0x72;
constexpr int kF9 = 0x78;
constexpr int kF12 = 0x7B;
}  // namespace vk

struct KeyFlags {
  bool control = false;
  bool shift = false;
  bool alt = false;
};

enum class KeyTarget { kNone, kFrame, kActiveChild };

enum class KeyEffect {
  kNone,          // nothing to do
  kPostCommand,   // post `command` to `target`
  kRaiseFault,    // raise the software exception 255 (exercises the fault guard)
  kInsertSpaces,  // Tab with space-tabs on: insert spaces up to the next tab stop
};

struct KeyAction {
  KeyEffect effect = KeyEffect::kNone;
  KeyTarget target = KeyTarget::kNone;
  int command = 0;
  bool consumed = false;  // the message is dropped instead of being translated and dispatched
};

// Updates `flags` for one message and says what to do. `spaceTabs` is the editor setting that
// turns Tab into spaces. Keys acted on are consumed, so the focused control does not act on them a
// second time (Delete would otherwise delete twice).
KeyAction FilterKey(KeyMessage message, int key, bool spaceTabs, KeyFlags& flags);

// Commands of the filter that the frame and the editors know.
namespace keycmd {
constexpr int kUndo = 10201;
constexpr int kRedo = 10202;
constexpr int kNew = 10104;
constexpr int kOpen = 10102;
constexpr int kSave = 10105;
constexpr int kCut = 11421;
constexpr int kCopy = 11422;
constexpr int kPaste = 11423;
constexpr int kDelete = 11424;
constexpr int kSelectAll = 11431;
constexpr int kDeleteLine = 1480;
constexpr int kExtras = 11481;
constexpr int kFind = 11433;
constexpr int kFindAgain = 11434;
constexpr int kReplace = 11435;
constexpr int kGotoLine = 11436;
constexpr int kIndent = 11471;
constexpr int kRun = 5001;
constexpr int kMake = 5004;
constexpr int kContextHelp = 9000;
}  // namespace keycmd

// Space insertion for Tab: the number of spaces that moves the caret from `caretColumn` (counted
// from 0) to the next multiple of `tabColumns`. A tab width below 1 is taken as 2 (the default of
// the setting), one above kMaxSpaceRun as kMaxSpaceRun, so the result is always 1 to kMaxSpaceRun.
// A negative column counts as 0.
constexpr int kMaxSpaceRun = 31;
int SpacesToNextTabStop(int caretColumn, int tabColumns);

}  // namespace shell
