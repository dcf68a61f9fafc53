// The idle check after each clock tick: what it raises and starts. Where the
// minute ends is the idle rounding's own test; here one case each side.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"

namespace kelbo::testing {
namespace {

TEST(IdleCheck, RaisesIdleAndStartsTheDriftOnlyPastTheMinute) {
  Owned<FrmMain> frm;
  frm.Load();
  const struct {
    std::uint32_t idleMs;
    bool idle;
  } cases[] = {{60'499, false}, {60'500, true}};
  for (const auto& c : cases) {
    frm.Idle().DriftTimer().SetEnabled(false);
    Scripted().SetIdleMilliseconds(c.idleMs);
    frm.tmr1_Timer();  // the check is the tick's last step
    EXPECT_EQ(frm.Idle().IsIdle(), c.idle) << c.idleMs;
    EXPECT_EQ(frm.Idle().DriftTimer().Enabled(), c.idle) << c.idleMs;
  }
}

TEST(IdleCheck, InputBetweenTheTwoReadsIsNoIdleMinute) {
  Owned<FrmMain> frm;
  frm.Load();
  frm.Idle().DriftTimer().SetEnabled(false);
  Scripted().SetIdleMilliseconds(200);  // the user is at the machine
  Scripted().inputJustAfterTickRead = true;
  frm.CheckIdle();
  EXPECT_FALSE(frm.Idle().IsIdle());
  EXPECT_FALSE(frm.Idle().DriftTimer().Enabled());
}

TEST(IdleCheck, BackFromIdleLowersTheFlagButLeavesTheTimerToStopItself) {
  Owned<FrmMain> frm;
  frm.Load();
  Scripted().SetIdleMilliseconds(90'000);
  frm.CheckIdle();
  const float top = frm.Top(), left = frm.Left();
  frm.CheckIdle();  // still away: on again, nothing moves here
  EXPECT_TRUE(frm.Idle().IsIdle());
  EXPECT_EQ(frm.Top(), top);
  EXPECT_EQ(frm.Left(), left);

  Scripted().SetIdleMilliseconds(200);
  frm.CheckIdle();
  EXPECT_FALSE(frm.Idle().IsIdle());
  EXPECT_TRUE(frm.Idle().DriftTimer().Enabled());
}

}  // namespace
}  // namespace kelbo::testing
