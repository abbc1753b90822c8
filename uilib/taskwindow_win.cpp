// The hidden task window that owns a program's frame, and the frame's link to it (DravonTaskProc).
//
// The task window stands for the whole program: minimising it hides every window it owns, and its
// maximised state is the frame's. The frame passes its minimise, maximise and restore commands here.
#include "uilib/dravon.h"
#include "uilib/internal_win.h"

#include <new>

namespace dravon {
namespace {

const char kTaskProperty[] = "DravonTask";

struct TaskState {
  HWND frame = nullptr;  // borrowed: the program's frame, owned by the task window
  std::string className;
};

LRESULT gTaskResult = 0;

TaskState* TaskOf(HWND task) { return task ? static_cast<TaskState*>(GetPropA(task, kTaskProperty)) : nullptr; }

struct FrameSearch {
  HWND task;
  HWND found;
};

BOOL CALLBACK FindOwnedFrame(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<FrameSearch*>(data);
  if (GetWindow(window, GW_OWNER) == search->task) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FrameOf(HWND task, TaskState& state) {
  if (state.frame && IsWindow(state.frame)) return state.frame;
  FrameSearch search = {task, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindOwnedFrame, reinterpret_cast<LPARAM>(&search));
  state.frame = search.found;
  return state.frame;
}

void SetMaximisedMark(HWND task, bool on) {
  LONG style = GetWindowLongA(task, GWL_STYLE);
  style = on ? (style | WS_MAXIMIZE) : (style & ~WS_MAXIMIZE);
  SetWindowLongA(task, GWL_STYLE, style);
}

void OnTaskCommand(HWND task, TaskState& state, WPARAM command) {
  HWND frame = FrameOf(task, state);
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      // The program's windows go away with it: the frame's own windows, the frame, then the task window
      // shows as the program's minimised button.
      if (frame) ShowOwnedPopups(frame, FALSE);
      ShowOwnedPopups(task, FALSE);
      ShowWindow(task, SW_SHOWMINNOACTIVE);
      break;
    case SC_MAXIMIZE:
      SetMaximisedMark(task, true);
      if (frame) ShowWindow(frame, SW_MAXIMIZE);
      break;
    case SC_RESTORE:
      if (IsIconic(task)) {
        ShowWindow(task, SW_RESTORE);
        ShowWindow(task, SW_HIDE);
        ShowOwnedPopups(task, TRUE);
        if (frame) ShowOwnedPopups(frame, TRUE);
        if (frame) SetForegroundWindow(frame);
      } else {
        SetMaximisedMark(task, false);
        if (frame && IsZoomed(frame)) ShowWindow(frame, SW_RESTORE);
      }
      break;
    case SC_CLOSE:
      if (frame) PostMessageA(frame, WM_CLOSE, 0, 0);
      break;
  }
}

LRESULT CALLBACK TaskProc(HWND task, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    TaskState* state = TaskOf(task);
    switch (message) {
      case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (!SetPropA(task, kTaskProperty, create->lpCreateParams)) return FALSE;
        break;
      }
      case WM_NCDESTROY:
        RemovePropA(task, kTaskProperty);
        break;
      case WM_SYSCOMMAND:
        if (state) {
          switch (wParam & 0xFFF0) {
            case SC_MINIMIZE:
            case SC_MAXIMIZE:
            case SC_RESTORE:
            case SC_CLOSE: OnTaskCommand(task, *state, wParam); return 0;
          }
        }
        break;
      case WM_CLOSE:
        if (state) OnTaskCommand(task, *state, SC_CLOSE);
        return 0;
    }
  } catch (...) {
  }
  return DefWindowProcA(task, message, wParam, lParam);
}

}  // namespace
}  // namespace dravon

extern "C" DRAVON_API HWND __cdecl CreateDravonTaskWindow(const char* title, DWORD style, HICON icon, HINSTANCE) {
  using namespace dravon;
  try {
    if (!title) title = "";
    auto* state = new (std::nothrow) TaskState;
    if (!state) return nullptr;
    state->className = std::string(title) + "TaskWindow";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TaskProc;
    wc.hInstance = Module();
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = state->className.c_str();
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      delete state;
      return nullptr;
    }
    HWND task = CreateWindowExA(0, state->className.c_str(), title, WS_POPUP | (style & ~WS_VISIBLE), 0, 0, 0, 0,
                                nullptr, nullptr, Module(), state);
    if (!task) {
      UnregisterClassA(state->className.c_str(), Module());
      delete state;
    }
    return task;
  } catch (...) {
    return nullptr;
  }
}

extern "C" DRAVON_API BOOL __cdecl DestroyDravonTaskWindow(HWND task) {
  using namespace dravon;
  TaskState* state = TaskOf(task);
  if (!state) return FALSE;
  BOOL done = DestroyWindow(task);
  if (done) {
    UnregisterClassA(state->className.c_str(), Module());
    delete state;
  }
  return done;
}

extern "C" DRAVON_API int __cdecl DravonTaskProc(HWND frame, UINT message, WPARAM wParam, LPARAM) {
  using namespace dravon;
  try {
    HWND task = GetWindow(frame, GW_OWNER);
    TaskState* state = TaskOf(task);
    if (!state) return 0;
    if (!state->frame) state->frame = frame;
    if (message != WM_SYSCOMMAND) return 0;
    switch (wParam & 0xFFF0) {
      case SC_MINIMIZE:
      case SC_MAXIMIZE: SendMessageA(task, WM_SYSCOMMAND, wParam & 0xFFF0, 0); break;
      case SC_RESTORE:
        if (!IsZoomed(frame) && !IsZoomed(task)) return 0;
        SendMessageA(task, WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
      default: return 0;
    }
    gTaskResult = 0;
    return 1;
  } catch (...) {
    return 0;
  }
}

extern "C" DRAVON_API LRESULT __cdecl GetDravonTaskProcResult(void) { return dravon::gTaskResult; }
