#include "idle/idle_watch.h"

#include <utility>

#include "app/environment.h"
#include "idle/idle_time.h"
#include "ui/form.h"
#include "ui/screen.h"

namespace kelbo {

IdleWatch::IdleWatch(Form& window, std::function<void()> onDriftTick)
    : window_(window), driftTimer_(10, false, std::move(onDriftTick)) {}

void IdleWatch::Check() {
  // The last input first, then the time: read the other way round, input in
  // between would be later than "now".
  const std::uint32_t lastInput = Env().LastInputTick();
  const std::uint32_t now = Env().TickCount();
  if (!held_ && IsIdleTime(lastInput, now)) {
    isIdle_ = true;
    driftTimer_.SetEnabled(true);
  } else {
    // The drift timer stops itself and brings the window home on its next tick.
    isIdle_ = false;
  }
}

void IdleWatch::Hold(bool held) {
  held_ = held;
  if (!held || !driftTimer_.Enabled()) return;
  isIdle_ = false;
  driftTimer_.SetEnabled(false);
  window_.MoveTo(home_.left, home_.top);
}

void IdleWatch::MoveHome(TwipsPoint home) {
  home_ = home;
  if (!driftTimer_.Enabled()) {
    window_.MoveTo(home_.left, home_.top);
    return;
  }
  const Form::Bounds at = window_.OuterBounds();
  const Scale& scale = window_.GetScale();
  const TwipsPoint kept = OnScreen({.left = at.left, .top = at.top}, scale.ScreenWidth(),
                                   scale.ScreenHeight(), at.width, at.height);
  window_.MoveTo(kept.left, kept.top);
}

void IdleWatch::Step() {
  if (!isIdle_) {
    // The user is back: stop, and go home. The direction is kept for the next
    // idle period.
    driftTimer_.SetEnabled(false);
    window_.MoveTo(home_.left, home_.top);
    return;
  }
  // The window's real position, read back each tick: the window system keeps
  // whole pixels, so the drift never accumulates rounding of its own.
  const Form::Bounds at = window_.OuterBounds();
  const Scale& scale = window_.GetScale();
  direction_ = ApplyEdgeRules(
      direction_,
      {.window = at, .screen = {.width = scale.ScreenWidth(), .height = scale.ScreenHeight()}});
  const TwipsPoint step = StepFor(direction_);
  window_.MoveTo(at.left + step.left, at.top + step.top);
}

}  // namespace kelbo
