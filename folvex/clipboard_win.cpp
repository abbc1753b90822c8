// Cut, copy, paste, clear and undo: the messages that move text between the control and the
// clipboard or the history.
#include "folvex/control_win.h"

#include <cstring>
#include <string>

namespace folvex {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPause = 10;  // milliseconds between attempts

// Another program may hold the clipboard for a moment: try again briefly before giving up.
bool OpenClipboardBriefly(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kOpenPause);
  }
  return false;
}

// Puts the selection on the clipboard as CF_TEXT in a zero-filled block of its length + 32 bytes.
// Returns false, leaving the clipboard's data alone, when any step fails; a cut then keeps its text.
bool CopySelection(Control& c) {
  const std::int32_t start = c.store.selStart;
  const std::int32_t count = c.store.selEnd - start;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(count) + 32);
  if (block == nullptr) return false;
  char* bytes = static_cast<char*>(GlobalLock(block));
  if (bytes == nullptr) {
    GlobalFree(block);
    return false;
  }
  c.store.CopyOut(start, count, bytes, count);
  GlobalUnlock(block);
  if (!OpenClipboardBriefly(c.window)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(block);
  return placed;
}

// The clipboard's text, read no further than its block reaches; empty when there is none.
std::string ClipboardText(Control& c) {
  std::string text;
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboardBriefly(c.window)) return text;
  HANDLE block = GetClipboardData(CF_TEXT);
  if (block != nullptr) {
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    if (bytes != nullptr) {
      SIZE_T size = GlobalSize(block);
      const void* zero = std::memchr(bytes, 0, size);
      text.assign(bytes, zero != nullptr ? static_cast<const char*>(zero) - bytes : size);
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

void FinishChange(Control& c) {
  ShowEdit(c);
}

LRESULT OnCut(Control& c) {
  if (!Editable(c)) return 0;
  if (c.store.selStart < c.store.selEnd && CopySelection(c)) DeleteSelection(c);
  FinishChange(c);
  return 0;
}

LRESULT OnCopy(Control& c) {
  if (c.store.selStart < c.store.selEnd) CopySelection(c);
  return 0;
}

// Without clipboard text nothing changes, but the parent still hears of the attempt.
LRESULT OnPaste(Control& c) {
  if (!Editable(c)) return 0;
  std::string text = ClipboardText(c);
  if (!text.empty()) {
    DeleteSelection(c);
    std::int32_t caret = c.store.caret;
    if (InsertAt(c, caret, text.c_str()) == kDone) caret += static_cast<std::int32_t>(text.size());
    CollapseAt(c, caret);
  }
  FinishChange(c);
  return 0;
}

LRESULT OnClear(Control& c) {
  if (!Editable(c)) return 0;
  DeleteSelection(c);
  FinishChange(c);
  return 0;
}

}  // namespace

LRESULT OnClipboard(Control& c, UINT message) {
  switch (message) {
    case WM_CUT: return OnCut(c);
    case WM_COPY: return OnCopy(c);
    case WM_PASTE: return OnPaste(c);
    default: return OnClear(c);
  }
}

// wParam 0 undoes the last step, anything else redoes the next one. Returns 1 when a step was
// applied. The selection's anchor follows the restored selection.
LRESULT OnUndo(Control& c, WPARAM redo) {
  if (!Editable(c)) return 0;
  int result = redo != 0 ? RedoStep(c) : UndoStep(c);
  if (result == 1) {
    c.anchor = c.store.caret == c.store.selStart ? c.store.selEnd : c.store.selStart;
    c.movingEnd = c.store.caret;
  }
  PlaceCaret(c, false);
  Repaint(c);
  NotifyChange(c);
  return result == 1 ? 1 : 0;
}

}  // namespace folvex
