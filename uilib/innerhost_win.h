// An outer themed window holding a real standard control (list box, edit, combo box) and, for lists
// and multi-line edits, a vertical slider that follows the control's scrolling.
//
// The outer window passes the control's own messages on to it, hands the control's notifications,
// owner-draw and colour requests to its parent under the outer id, and keeps the slider in step with
// the control by looking at the control after every message it handles (through a subclass installed
// before any host can subclass the control in turn).
#pragma once

#include <windows.h>

#include "uilib/internal_win.h"

namespace dravon {

enum class InnerKind { List, Edit, Combo };

class InnerHost {
 public:
  InnerHost(HWND outer, InnerKind kind) : outer_(outer), kind_(kind) {}
  virtual ~InnerHost() = default;
  InnerHost(const InnerHost&) = delete;
  InnerHost& operator=(const InnerHost&) = delete;

  HWND Outer() const { return outer_; }
  HWND Inner() const { return inner_; }
  InnerKind Kind() const { return kind_; }

  // Creates the inner control for the outer window's creation data. Returns false on failure.
  bool Create(const CREATESTRUCTA& create);
  LRESULT OuterMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The subclass of the inner control calls this for every message.
  LRESULT InnerMessage(HWND inner, UINT message, WPARAM wParam, LPARAM lParam);
  // Calls the inner control's own procedure directly (queries that must not reach a host's subclass).
  LRESULT CallInner(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void Layout();
  void SyncSlider();

 protected:
  // Hooks for the specialised controls. HandleOuter runs before the common handling and returns true
  // when it answered; AfterInner runs after the control handled one of its messages; HandleCommand sees
  // the control's notification codes and returns true when it consumed one (not passed to the parent);
  // Created runs once the control and the slider exist.
  virtual void Created() {}
  virtual bool HandleOuter(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
  virtual void AfterInner(UINT, WPARAM, LPARAM) {}
  virtual bool HandleCommand(int) { return false; }
  // True when the outer window draws the owner-drawn items itself (they are not passed to the parent):
  // lists and combo boxes whose creator did not ask to draw them are drawn in the theme's colours.
  virtual bool DrawsItems() const { return drawsDefault_; }
  virtual void MeasureItem(MEASUREITEMSTRUCT& item);
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
  // Runs after every layout, for children of the specialised controls.
  virtual void Placed() {}
  int ItemHeight();
  virtual DWORD InnerStyle(DWORD outerStyle) const;
  virtual bool WantsSlider() const;

 private:
  bool IsInnerMessage(UINT message) const;
  LRESULT PassToParent(UINT message, WPARAM wParam, LPARAM lParam);
  void ScrollInner(int code);
  void Paint();
  void ShapeCombo();
  struct ScrollView {
    int count;
    int top;
    int visible;
  };
  ScrollView View();

  HWND outer_;
  InnerKind kind_;
  HWND inner_ = nullptr;         // child, destroyed with the outer window
  WNDPROC innerProc_ = nullptr;  // the inner control's own procedure
  HWND slider_ = nullptr;        // child, or null
  HFONT font_ = nullptr;         // borrowed: set with WM_SETFONT
  bool syncing_ = false;
  bool sliderShown_ = false;
  bool drawsDefault_ = false;  // the items are drawn here, the creator did not ask to draw them
};

// The window procedure body of every outer class: `make` builds the right InnerHost on WM_NCCREATE.
LRESULT HostWindowProc(HWND outer, UINT message, WPARAM wParam, LPARAM lParam, InnerHost* (*make)(HWND));

// The window procedure of one outer class, registered as it is: faults stay inside the library.
template <InnerHost* (*make)(HWND)>
LRESULT CALLBACK HostClassProc(HWND outer, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HostWindowProc(outer, message, wParam, lParam, make);
  } catch (...) {
    return DefWindowProcA(outer, message, wParam, lParam);
  }
}

// True when the slider is wanted beside a list of this style (multi-column lists scroll sideways).
constexpr int kSliderWidth = 14;

}  // namespace dravon
