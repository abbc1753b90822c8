// The keyboard filter's decisions: flags from key messages, and the shortcut table.
#include "shell/keyfilter.h"

namespace shell {
namespace {

struct ControlShortcut {
  char letter;
  int command;
  KeyTarget target;
  bool clearsControl;  // the Control flag is cleared after the command
};

// Control + letter. Letters that open a dialog clear the Control flag: the dialog takes the key-up.
constexpr ControlShortcut kControlShortcuts[] = {
    {'N', keycmd::kNew, KeyTarget::kFrame, true},
    {'O', keycmd::kOpen, KeyTarget::kFrame, true},
    {'S', keycmd::kSave, KeyTarget::kFrame, true},
    {'Z', keycmd::kUndo, KeyTarget::kActiveChild, false},
    {'R', keycmd::kRedo, KeyTarget::kActiveChild, false},
    {'X', keycmd::kCut, KeyTarget::kActiveChild, false},
    {'C', keycmd::kCopy, KeyTarget::kActiveChild, false},
    {'V', keycmd::kPaste, KeyTarget::kActiveChild, false},
    {'A', keycmd::kSelectAll, KeyTarget::kActiveChild, false},
    {'Y', keycmd::kDeleteLine, KeyTarget::kActiveChild, false},
    {'E', keycmd::kExtras, KeyTarget::kActiveChild, true},
    {'F', keycmd::kFind, KeyTarget::kActiveChild, true},
    {'G', keycmd::kFindAgain, KeyTarget::kActiveChild, false},
    {'H', keycmd::kReplace, KeyTarget::kActiveChild, true},
    {'L', keycmd::kGotoLine, KeyTarget::kActiveChild, true},
};

KeyAction Post(KeyTarget target, int command) {
  KeyAction action;
  action.effect = KeyEffect::kPostCommand;
  action.target = target;
  action.command = command;
  action.consumed = true;
  return action;
}

KeyAction WithControl(int key, KeyFlags& flags) {
  switch (key) {
    case vk::kF9:
      flags.control = false;
      return Post(KeyTarget::kFrame, keycmd::kRun);
    case vk::kF12: {
      flags.control = false;
      KeyAction action;
      action.effect = KeyEffect::kRaiseFault;
      action.consumed = true;
      return action;
    }
    case vk::kInsert:
      return Post(KeyTarget::kActiveChild, keycmd::kCopy);
    case vk::kTab:
      return Post(KeyTarget::kActiveChild, keycmd::kIndent);
    default:
      break;
  }
  for (const ControlShortcut& s : kControlShortcuts) {
    if (key == s.letter) {
      if (s.clearsControl) flags.control = false;
      return Post(s.target, s.command);
    }
  }
  return KeyAction();
}

// Shift+F9 posts make like F9: the make command sees Shift held and compiles instead.
KeyAction WithShift(int key) {
  if (key == vk::kDelete) return Post(KeyTarget::kActiveChild, keycmd::kCut);
  if (key == vk::kInsert) return Post(KeyTarget::kActiveChild, keycmd::kPaste);
  if (key == vk::kF9) return Post(KeyTarget::kFrame, keycmd::kMake);
  return KeyAction();
}

KeyAction Plain(int key, bool spaceTabs) {
  switch (key) {
    case vk::kF1:
      return Post(KeyTarget::kFrame, keycmd::kContextHelp);
    case vk::kF3:
      return Post(KeyTarget::kActiveChild, keycmd::kFindAgain);
    case vk::kF9:
      return Post(KeyTarget::kFrame, keycmd::kMake);
    case vk::kDelete:
      return Post(KeyTarget::kActiveChild, keycmd::kDelete);
    case vk::kTab:
      if (spaceTabs) {
        KeyAction action;
        action.effect = KeyEffect::kInsertSpaces;
        action.consumed = true;
        return action;
      }
      return KeyAction();
    default:
      return KeyAction();
  }
}

}  // namespace

KeyAction FilterKey(KeyMessage message, int key, bool spaceTabs, KeyFlags& flags) {
  switch (message) {
    case KeyMessage::kSysKeyDown:
      if (key == vk::kMenu) {
        flags.alt = true;
      } else if (key == vk::kBack && flags.alt) {
        return Post(KeyTarget::kActiveChild, keycmd::kUndo);
      }
      return KeyAction();
    case KeyMessage::kSysKeyUp:
      if (key == vk::kMenu) flags.alt = false;
      return KeyAction();
    case KeyMessage::kKeyUp:
      if (key == vk::kControl) flags.control = false;
      if (key == vk::kShift) flags.shift = false;
      return KeyAction();
    case KeyMessage::kKeyDown:
      break;
    case KeyMessage::kOther:
      return KeyAction();
  }

  flags.alt = false;
  if (key == vk::kMenu) {
    flags.control = false;
    flags.alt = true;
  } else if (key == vk::kControl) {
    if (!flags.alt) flags.control = true;
  } else if (key == vk::kShift) {
    flags.shift = true;
  }

  if (flags.control) return WithControl(key, flags);
  if (flags.shift) return WithShift(key);
  return Plain(key, spaceTabs);
}

int SpacesToNextTabStop(int caretColumn, int tabColumns) {
  int t = tabColumns;
  if (t < 1) t = 2;
  if (t > kMaxSpaceRun) t = kMaxSpaceRun;
  int c = caretColumn < 0 ? 0 : caretColumn;
  return (c / t + 1) * t - c;
}

}  // namespace shell
