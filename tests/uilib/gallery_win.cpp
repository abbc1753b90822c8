// The gallery window: every control class of dravon.dll in one window, logging what its parent hears.
#include "gallery_win.h"

#include "uilib/dravon.h"

namespace gallery {
namespace {

const char kGalleryClass[] = "DravonGallery";

struct GalleryState {
  bool quitOnDestroy = false;
  std::string folder;
  HMENU menu = nullptr;  // owned
};

std::vector<Logged> gLog;  // test support: one gallery at a time

HWND Make(HWND parent, const char* className, const char* text, DWORD style, int x, int y, int w, int h, int id,
          LPVOID data = nullptr) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, data);
}

HMENU BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kNewCommand, "&New");
  AppendMenuA(file, MF_STRING, kOpenCommand, "&Open...");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kExitCommand, "E&xit");
  HMENU edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING, kCutCommand, "Cu&t");
  AppendMenuA(edit, MF_STRING, kCopyCommand, "&Copy");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kAboutCommand, "&About...");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
  return bar;
}

void CreateControls(HWND window, GalleryState& state) {
  int top = DravonCaptionSize() - 1;
  state.menu = BuildMenu();
  CreateMenuBar(window, 0, top, DravonMenuSize(), state.menu, kMenuBar);
  int y = top + DravonMenuSize() + 6;

  // Tool row: bitmap buttons (push and check), the logo and a status text.
  Make(window, "DV_BMBUTTON", "MENU", BS_PUSHBUTTON, 10, y + 3, 0, 0, kMenuButton);
  Make(window, "DV_BMBUTTON", "C_MESSAGE", BS_AUTOCHECKBOX, 34, y + 2, 18, 13, kMessageCheck);
  Make(window, "DV_BMBUTTON", "C_SEARCH", BS_AUTOCHECKBOX, 56, y + 2, 18, 13, kSearchCheck);
  Make(window, "DV_BMBUTTON", "DIRBRWS", BS_PUSHBUTTON, 80, y + 1, 0, 0, kFolderButton);
  Make(window, "DV_TEXT", "12:4", 0, 116, y + 2, 60, 15, kStatusText);
  Make(window, "DV_PICTURE", "GRAYLOGO", 0, 570, y - 2, 0, 0, kPicture);
  y += 26;

  // Left column: a frame around labels, edits, a combo, check boxes and buttons.
  Make(window, "DV_FRAME", "Project", 0, 10, y, 300, 200, kFrame);
  Make(window, "DV_TEXT", "Projectfiles Location:", 0, 22, y + 20, 200, 16, kText);
  Make(window, "DV_SINGLEEDIT", "C:\\Work\\Projects", WS_TABSTOP, 22, y + 38, 276, 22, kSingleEdit);
  Make(window, "DV_TEXT", "Model:", 0, 22, y + 72, 50, 16, 0);
  HWND combo = Make(window, "DV_SCROLLCOMBO", "", WS_TABSTOP | CBS_DROPDOWNLIST, 72, y + 68, 110, 120, kCombo);
  for (const char* model : {"GUI", "Console", "DLL", "Library"}) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(model));
  }
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  Make(window, "DV_TEXT", "Tabs:", 0, 196, y + 72, 40, 16, 0);
  Make(window, "DV_NUMEDIT", "4", WS_TABSTOP, 236, y + 68, 62, 22, kNumberEdit);
  Make(window, "DV_CHECKER", "Multithread", WS_TABSTOP | BS_AUTOCHECKBOX, 22, y + 104, 120, 18, kChecker);
  Make(window, "DV_CHECKER", "Debug", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 22, y + 128, 80, 18, kRadioDebug);
  Make(window, "DV_CHECKER", "Release", BS_AUTORADIOBUTTON, 110, y + 128, 90, 18, kRadioRelease);
  SendMessageA(GetDlgItem(window, kRadioRelease), BM_SETCHECK, BST_CHECKED, 0);
  Make(window, "DV_TXGBUTTON", "OK", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 128, y + 164, 78, 24, kOkButton);
  Make(window, "DV_TXGBUTTON", "Cancel", WS_TABSTOP, 214, y + 164, 78, 24, kCancelButton);

  // Below it: a multi-line edit.
  Make(window, "DV_MULTIEDIT",
       "// Comment\r\nlong Proc(int X, char * p)\r\n{\r\n  char sText[6] = \"Text\";\r\n\r\n  return 0;\r\n}\r\n"
       "/* line 8 */\r\n/* line 9 */\r\n/* line 10 */\r\n/* line 11 */",
       WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL | ES_NOHIDESEL, 10, y + 212, 300, 104, kMultiEdit);

  // Middle column: a scroll list and a directory list.
  HWND list = Make(window, "DV_SCROLLLIST", "", WS_TABSTOP | LBS_NOTIFY, 320, y + 6, 160, 150, kScrollList);
  for (int i = 1; i <= 30; ++i) {
    char line[32];
    wsprintfA(line, "Entry %d", i);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  SendMessageA(list, LB_SETCURSEL, 2, 0);
  Make(window, "DV_DIRLIST", state.folder.c_str(), WS_TABSTOP, 320, y + 166, 160, 150, kDirList);

  // Right column: the folder list, the colour palette and the pie.
  Make(window, "DV_FolderList", state.folder.c_str(), WS_TABSTOP, 490, y + 6, 160, 150, kFolderList,
       const_cast<char*>(state.folder.c_str()));
  HWND colours = Make(window, "DV_COLORSELECT", "", 0, 490, y + 166, 160, 90, kColourSelect);
  DvSetColor(colours, RGB(0, 0, 0));
  HWND pie = Make(window, "DV_PIE", "", 0, 490, y + 264, 52, 52, kPie);
  DvSetPieValue(pie, 65);
  HWND vslider = Make(window, "DV_VSlider", "", 0, 636, y + 166, 14, 150, kVSlider);
  SetSliderRange(vslider, SB_CTL, 0, 100, TRUE);
  SetSliderRatio(vslider, SB_CTL, 20, TRUE);
  SetSliderPos(vslider, SB_CTL, 30, TRUE);

  // Bottom strip: the horizontal slider and the size grip.
  HWND hslider = Make(window, "DV_HSlider", "", 0, 10, y + 326, 620, 14, kHSlider);
  SetSliderRange(hslider, SB_CTL, 0, 800, TRUE);
  SetSliderRatio(hslider, SB_CTL, 200, TRUE);
  SetSliderPos(hslider, SB_CTL, 120, TRUE);
  Make(window, "DV_PICTURE", "SIZE", WS_DISABLED, 648, y + 330, 0, 0, kSizeGrip);
}

bool IsLogged(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CLOSE:
    case WM_INITMENUPOPUP:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_NOTIFY:
    case WM_MEASUREITEM:
    case WM_DRAWITEM: return true;
  }
  return false;
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (DravonWindowProc(window, message, wParam, lParam, kGalleryStyle, 2)) return GetDravonWindowProcResult();
  auto* state = reinterpret_cast<GalleryState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (IsLogged(message)) {
    // Owner-draw requests are logged with the CtlID they carry in place of the passing structure.
    LPARAM logged = lParam;
    if (message == WM_MEASUREITEM) logged = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID;
    if (message == WM_DRAWITEM) logged = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID;
    gLog.push_back(Logged{message, wParam, logged});
  }
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      break;
    case WM_CREATE:
      if (state) CreateControls(window, *state);
      return 0;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
      return TRUE;
    case WM_DRAWITEM: return TRUE;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(window, &r);
      HBRUSH brush = CreateSolidBrush(RGB(30, 30, 30));
      FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      DeleteObject(brush);
      return 1;
    }
    case WM_CLOSE: return 0;  // the owner of the gallery (test or program) decides when it goes
    case WM_COMMAND:
      if (LOWORD(wParam) == kExitCommand) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (state && state->quitOnDestroy) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      if (state) {
        if (state->menu) DestroyMenu(state->menu);
        delete state;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      }
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateGallery(HINSTANCE instance, int x, int y, const std::string& folder, bool quitOnDestroy) {
  WNDCLASSA wc = {};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kGalleryClass;
  RegisterClassA(&wc);
  auto* state = new GalleryState;
  state->quitOnDestroy = quitOnDestroy;
  state->folder = folder;
  RECT frame = {0, 0, 660, 428};
  AdjustWindowRect(&frame, WS_POPUP, FALSE);
  int border = DravonFrameSize();
  HWND window = CreateWindowExA(0, kGalleryClass, "Dravon Gallery", kGalleryStyle | WS_CLIPCHILDREN, x, y,
                                frame.right - frame.left + 2 * border, frame.bottom - frame.top + 2 * border, nullptr,
                                nullptr, instance, state);
  return window;  // a window that failed after WM_NCCREATE freed the state in WM_NCDESTROY
}

const std::vector<Logged>& Log() { return gLog; }

void ClearLog() { gLog.clear(); }

HMENU GalleryMenu(HWND galleryWindow) {
  auto* state = reinterpret_cast<GalleryState*>(GetWindowLongPtrA(galleryWindow, GWLP_USERDATA));
  return state ? state->menu : nullptr;
}

}  // namespace gallery
