// How the project model tells the project window about changes, without knowing any window.
#pragma once

namespace project {

// Implemented by the project window (tests pass a recorder). Calls must not throw.
class ProjectWatcher {
 public:
  // The lines' appearance or visibility changed: show the list anew.
  virtual void RepaintList() = 0;
  // Let pending paint messages run, so that a long change shows step by step.
  virtual void DispatchPaintMessages() = 0;
  // Wait between the steps of an animated change.
  virtual void Pause(int milliseconds) = 0;

 protected:
  ~ProjectWatcher() = default;
};

}  // namespace project
