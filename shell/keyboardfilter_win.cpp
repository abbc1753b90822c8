// Carrying out the keyboard filter's decisions on the windows of the program.
#include "shell/keyboardfilter_win.h"

#include <string>

#include "shell/appstate_win.h"
#include "shell/crashguard.h"
#include "shell/editorsettings.h"
#include "shell/keyfilter.h"
#include "shell/settingsfile.h"
#include "shell/settingskeys.h"
#include "shell/settingspaths.h"

namespace shell {
namespace {

constexpr UINT kGetCaretColumn = 1091;  // the editing control's caret column, counted from 1
constexpr char kEditingControlClass[] = "Folvex";

KeyMessage KindOf(UINT message) {
  switch (message) {
    case WM_KEYDOWN: return KeyMessage::kKeyDown;
    case WM_KEYUP: return KeyMessage::kKeyUp;
    case WM_SYSKEYDOWN: return KeyMessage::kSysKeyDown;
    case WM_SYSKEYUP: return KeyMessage::kSysKeyUp;
    default: return KeyMessage::kOther;
  }
}

bool IsEditingControl(HWND window) {
  char name[32];
  return window && GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, kEditingControlClass) == 0;
}

}  // namespace

bool InsertSpacesForTab(HWND focus) {
  if (!IsEditingControl(focus)) return false;
  int tabs = settings::ReadInteger(settings::ProjectSettingsFile(), settings::kSectionEditor, "Tabs",
                                   settings::kTabKeyTabsDefault);
  int column = static_cast<int>(SendMessageA(focus, kGetCaretColumn, 0, 0)) - 1;
  // The control leaves the caret right after the text it inserts, so no cursor keys follow.
  std::string spaces(static_cast<std::size_t>(SpacesToNextTabStop(column, tabs)), ' ');
  SendMessageA(focus, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(spaces.c_str()));
  return true;
}

bool KeyboardFilter(MSG& message) {
  KeyMessage kind = KindOf(message.message);
  if (kind == KeyMessage::kOther) return false;
  AppState& app = App();
  bool spaceTabs = settings::CurrentEditorSettings().spaceTabs;
  KeyAction action = FilterKey(kind, static_cast<int>(message.wParam), spaceTabs, app.keys);
  switch (action.effect) {
    case KeyEffect::kNone:
      return action.consumed;
    case KeyEffect::kPostCommand: {
      HWND target = action.target == KeyTarget::kFrame ? app.frame : ActiveChild();
      if (!target) return false;
      PostMessageA(target, WM_COMMAND, static_cast<WPARAM>(action.command), 0);
      return true;
    }
    case KeyEffect::kRaiseFault:
      diag::RaiseTestFault();
      return true;
    case KeyEffect::kInsertSpaces:
      return InsertSpacesForTab(GetFocus());
  }
  return false;
}

}  // namespace shell
