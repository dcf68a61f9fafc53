// The idle watcher: the check after each clock tick, and the drift while the
// user is away.
#include "idle/drift_rules.h"
#include "idle/idle_time.h"
#include "ui/environment.h"
#include "ui/screen.h"
#include "window/frm_main.h"
#include "window/gapi.h"

namespace kelbo {

void FrmMain::CheckIdle() {
  const std::uint32_t lastInput = Env().LastInputTick();
  const std::uint32_t now = Env().TickCount();
  if (IsIdleTime(lastInput, now)) {
    gAPI::IsIdle = true;
    tmr2.SetEnabled(true);
  } else {
    // The drift timer stops itself and brings the window home on its next tick.
    gAPI::IsIdle = false;
  }
}

void FrmMain::tmr2_Timer() {
  if (!gAPI::IsIdle) {
    // The user is back: stop, and go home. The direction is kept for the next
    // idle period.
    tmr2.SetEnabled(false);
    MoveTo(HomePosition[0], HomePosition[1]);
    return;
  }
  // The window's real position, read back each tick: the window system keeps
  // whole pixels, so the drift never accumulates rounding of its own.
  const float top = Top();
  const float left = Left();
  const DriftView view{top, left, Width(), Height(), Screen::Width(), Screen::Height()};
  MoveDirection = static_cast<std::int16_t>(ApplyEdgeRules(MoveDirection, view));
  const DriftStep step = StepFor(MoveDirection);
  MoveTo(top + step.top, left + step.left);
}

}  // namespace kelbo
