// The library's process-wide part: the window class and the UI library whose slider the controls
// use (dravon.dll, else ctlkit32.dll, else none and standard scroll bars).
#include "folvex/control_win.h"

#include "uilib/dravon.h"

namespace folvex {

namespace {

// What was loaded at process attach; read by every control, written only on attach and detach.
struct UiLibrary {
  HMODULE module = nullptr;  // owned: freed on detach
  bool dravon = false;
  PfnExitDravon exitDravon = nullptr;
  PfnSetSliderRange setRange = nullptr;
  PfnSetSliderPos setPos = nullptr;
  PfnSetSliderRatio setRatio = nullptr;
  const char* sliderClass = nullptr;
};

UiLibrary gUi;

template <class Fn>
Fn Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool TakeSliders(HMODULE module, UiLibrary& ui) {
  ui.setRange = Resolve<PfnSetSliderRange>(module, "SetSliderRange");
  ui.setPos = Resolve<PfnSetSliderPos>(module, "SetSliderPos");
  ui.setRatio = Resolve<PfnSetSliderRatio>(module, "SetSliderRatio");
  return ui.setRange != nullptr && ui.setPos != nullptr && ui.setRatio != nullptr;
}

bool TryDravon(HINSTANCE self) {
  HMODULE module = LoadLibraryA("dravon.dll");
  if (module == nullptr) return false;
  UiLibrary ui;
  auto init = Resolve<PfnInitDravon>(module, "InitDravon");
  ui.exitDravon = Resolve<PfnExitDravon>(module, "ExitDravon");
  if (init == nullptr || ui.exitDravon == nullptr || !TakeSliders(module, ui) || !init(self)) {
    FreeLibrary(module);
    return false;
  }
  ui.module = module;
  ui.dravon = true;
  ui.sliderClass = "DV_VSlider";
  gUi = ui;
  return true;
}

bool TryControlKit() {
  HMODULE module = LoadLibraryA("ctlkit32.dll");
  if (module == nullptr) return false;
  UiLibrary ui;
  if (!TakeSliders(module, ui)) {
    FreeLibrary(module);
    return false;
  }
  ui.module = module;
  ui.sliderClass = "32VSlider";
  gUi = ui;
  return true;
}

}  // namespace

bool LoadUiLibrary(HINSTANCE self) { return TryDravon(self) || TryControlKit(); }

void FreeUiLibrary(HINSTANCE self) {
  if (gUi.module == nullptr) return;
  if (gUi.dravon) gUi.exitDravon(self);
  FreeLibrary(gUi.module);
  gUi = UiLibrary{};
}

bool SliderAvailable() { return gUi.module != nullptr; }
const char* SliderClass() { return gUi.sliderClass; }

void SetBarRange(const BarState& bar, std::int32_t maximum) { gUi.setRange(bar.window, 0, 0, maximum, 1); }
void SetBarRatio(const BarState& bar, std::int32_t ratio) { gUi.setRatio(bar.window, 2, ratio, 1); }
void SetBarPos(const BarState& bar, std::int32_t position) { gUi.setPos(bar.window, 2, position, 1); }

bool RegisterControlClass(HINSTANCE self) {
  WNDCLASSA type{};
  type.style = CS_GLOBALCLASS | CS_DBLCLKS;
  type.lpfnWndProc = FolvexProc;
  type.cbWndExtra = 8;
  type.hInstance = self;
  type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  type.hbrBackground = nullptr;
  type.lpszClassName = FOLVEX_CLASS;
  return RegisterClassA(&type) != 0;
}

void UnregisterControlClass(HINSTANCE self) { UnregisterClassA(FOLVEX_CLASS, self); }

}  // namespace folvex
