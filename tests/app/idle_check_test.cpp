// The idle check after each clock tick.
#include <gtest/gtest.h>

#include "scripted_environment.h"
#include "window/frm_main.h"
#include "window/gapi.h"

namespace kelbo::testing {
namespace {

TEST(IdleCheck, RaisesIdleAndStartsTheDriftPastSixtySeconds) {
  FrmMain frm;
  frm.Load();
  const struct {
    std::uint32_t idleMs;
    bool idle;
  } cases[] = {{59'500, false}, {60'000, false}, {60'499, false}, {60'500, true}};
  for (const auto& c : cases) {
    frm.tmr2.SetEnabled(false);
    Scripted().SetIdleMilliseconds(c.idleMs);
    frm.CheckIdle();
    EXPECT_EQ(gAPI::IsIdle, c.idle) << c.idleMs;
    EXPECT_EQ(frm.tmr2.Enabled(), c.idle) << c.idleMs;
  }
}

TEST(IdleCheck, BackFromIdleLowersTheFlagButLeavesTheTimerToStopItself) {
  FrmMain frm;
  frm.Load();
  Scripted().SetIdleMilliseconds(90'000);
  frm.CheckIdle();
  const float top = frm.Top(), left = frm.Left();
  frm.CheckIdle();  // still away: on again, nothing moves here
  EXPECT_TRUE(gAPI::IsIdle);
  EXPECT_EQ(frm.Top(), top);
  EXPECT_EQ(frm.Left(), left);
  EXPECT_EQ(frm.MoveDirection, 2);

  Scripted().SetIdleMilliseconds(200);
  frm.CheckIdle();
  EXPECT_FALSE(gAPI::IsIdle);
  EXPECT_TRUE(frm.tmr2.Enabled());
}

TEST(IdleCheck, RightAcrossTheTickCountWrap) {
  FrmMain frm;
  frm.Load();
  Scripted().lastInput = 0xFFFF'0000u;
  Scripted().now = 0x0000'2000u;  // 73 728 ms later, past the wrap
  frm.CheckIdle();
  EXPECT_TRUE(gAPI::IsIdle);
  Scripted().lastInput = 0x7FFF'FFF0u;
  Scripted().now = 0x8000'0100u;  // 272 ms later, past 2^31
  frm.CheckIdle();
  EXPECT_FALSE(gAPI::IsIdle);
}

}  // namespace
}  // namespace kelbo::testing
