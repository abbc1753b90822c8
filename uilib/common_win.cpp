// Plumbing shared by the control files: class registration, texts, notifications, painting helpers.
#include "uilib/internal_win.h"

#include <vector>

namespace dravon {

bool RegisterControlClass(const char* name, WNDPROC proc, HCURSOR cursor, UINT style) {
  WNDCLASSA wc = {};
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS | style;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = Module();
  wc.hCursor = cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  if (RegisterClassA(&wc)) return true;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterControlClass(const char* name) { UnregisterClassA(name, Module()); }

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  int got = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

SIZE ClientSize(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

LRESULT NotifyParent(HWND control, int code) {
  HWND parent = GetParent(control);
  if (!parent) return 0;
  WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(control), code);
  return SendMessageA(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control));
}

bool IsClassName(HWND window, const char* className) {
  char name[64];
  if (!window || !GetClassNameA(window, name, sizeof name)) return false;
  return lstrcmpiA(name, className) == 0;
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) { FillRect(dc, &r, SolidBrush(colour)); }

void FrameSolid(HDC dc, const RECT& r, COLORREF colour) { FrameRect(dc, &r, SolidBrush(colour)); }

HFONT ControlFont(HFONT setFont) { return setFont ? setFont : ThemeFont(FontRole::Normal); }

BufferedPaint::BufferedPaint(HDC target, int width, int height)
    : target_(target), dc_(target), width_(width), height_(height) {
  if (width <= 0 || height <= 0) return;
  HDC memory = CreateCompatibleDC(target);
  if (!memory) return;
  bitmap_ = CreateCompatibleBitmap(target, width, height);
  if (!bitmap_) {
    DeleteDC(memory);
    return;
  }
  oldBitmap_ = SelectObject(memory, bitmap_);
  dc_ = memory;
}

BufferedPaint::~BufferedPaint() {
  if (dc_ != target_) {
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
}

void BufferedPaint::Flush() {
  if (dc_ != target_) BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace dravon
