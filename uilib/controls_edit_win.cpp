// "DV_SINGLEEDIT", "DV_NUMEDIT" and "DV_MULTIEDIT": a real edit control inside a themed border.
#include "uilib/innerhost_win.h"

#include <new>

namespace dravon {
namespace {

class EditHost : public InnerHost {
 public:
  EditHost(HWND outer, DWORD forcedStyle) : InnerHost(outer, InnerKind::Edit), forcedStyle_(forcedStyle) {}

 protected:
  DWORD InnerStyle(DWORD outerStyle) const override {
    DWORD style = InnerHost::InnerStyle(outerStyle | forcedStyle_);
    if (!(style & ES_MULTILINE)) style |= ES_AUTOHSCROLL;
    return style;
  }

 private:
  DWORD forcedStyle_;
};

InnerHost* MakeSingle(HWND outer) { return new (std::nothrow) EditHost(outer, 0); }
InnerHost* MakeNumber(HWND outer) { return new (std::nothrow) EditHost(outer, ES_NUMBER); }
InnerHost* MakeMulti(HWND outer) { return new (std::nothrow) EditHost(outer, ES_MULTILINE); }

}  // namespace

bool RegisterEditControls() {
  HCURSOR beam = LoadCursor(nullptr, IDC_IBEAM);
  return RegisterControlClass("DV_SINGLEEDIT", HostClassProc<MakeSingle>, beam) &&
         RegisterControlClass("DV_NUMEDIT", HostClassProc<MakeNumber>, beam) &&
         RegisterControlClass("DV_MULTIEDIT", HostClassProc<MakeMulti>, beam);
}

void UnregisterEditControls() {
  UnregisterControlClass("DV_SINGLEEDIT");
  UnregisterControlClass("DV_NUMEDIT");
  UnregisterControlClass("DV_MULTIEDIT");
}

}  // namespace dravon
