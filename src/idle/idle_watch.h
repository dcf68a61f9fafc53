// The idle watcher: after each clock tick it checks whether the user has
// been away for over a minute; while so, its drift timer moves the window
// diagonally and bounces it off the screen's edges, and it brings the window
// home once the user is back.
#pragma once

#include <functional>

#include "idle/drift_rules.h"
#include "idle/placement.h"
#include "ui/timer.h"

namespace kelbo {

class Form;

class IdleWatch {
 public:
  // `onDriftTick` is the window's handler of the drift timer, which steps.
  IdleWatch(Form& window, std::function<void()> onDriftTick);

  // The drift timer, every 10 ms while on; the window runs it.
  Timer& DriftTimer() { return driftTimer_; }

  // Where the window goes back to; the start-up sets it where it placed the
  // window.
  void SetHome(TwipsPoint home) { home_ = home; }
  // The screen changed and home with it: a window at rest goes to the new
  // home at once; a drifting one is kept on the screen and goes there when
  // the user is back.
  void MoveHome(TwipsPoint home);
  TwipsPoint Home() const { return home_; }
  Direction MoveDirection() const { return direction_; }
  void SetMoveDirection(Direction direction) { direction_ = direction; }

  // Whether the user has been away long enough for the idle drift.
  bool IsIdle() const { return isIdle_; }
  // The start-up's value: not idle.
  void ClearIdle() { isIdle_ = false; }

  // Raises IsIdle and starts the drift after more than 60 idle seconds;
  // lowers IsIdle otherwise, and while held.
  void Check();
  // While held (the window stepped aside), there is no drift: one under way
  // ends at once, with the window at home.
  void Hold(bool held);
  // One drift step; on the first tick after IsIdle dropped, stops the drift
  // and puts the window home.
  void Step();

 private:
  Form& window_;
  Timer driftTimer_;
  TwipsPoint home_{};
  Direction direction_ = kStartDirection;
  bool isIdle_ = false;
  bool held_ = false;
};

}  // namespace kelbo
