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

void FrmMain::tmr2_Timer() {}

}  // namespace kelbo
