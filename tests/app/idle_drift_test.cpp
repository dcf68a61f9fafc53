// The idle drift on the real main window, with the idle time scripted.
#include <gtest/gtest.h>

#include "app_helpers.h"
#include "scripted_environment.h"
#include "ui/screen.h"
#include "window/frm_main.h"
#include "window/gapi.h"

namespace kelbo::testing {
namespace {

class IdleDrift : public ::testing::Test {
 protected:
  void SetUp() override {
    frm.Load();
    Scripted().SetIdleMilliseconds(61'000);
    frm.CheckIdle();
    ASSERT_TRUE(frm.tmr2.Enabled());
  }
  POINT Corner() const {
    RECT r;
    ::GetWindowRect(frm.hWnd(), &r);
    return {r.left, r.top};
  }
  FrmMain frm;
};

TEST_F(IdleDrift, FirstTickFromHomeGoesUpLeft) {
  const POINT home = Corner();
  frm.tmr2_Timer();
  EXPECT_EQ(frm.MoveDirection, 2);  // the right edge is touched but 2 does not head into it
  const POINT now = Corner();
  EXPECT_EQ(now.x, Screen::ToPixelsX(frm.HomePosition[1] - 10));
  EXPECT_EQ(now.y, Screen::ToPixelsY(frm.HomePosition[0] - 10));
  EXPECT_LT(now.x, home.x);
  EXPECT_LT(now.y, home.y);
}

TEST_F(IdleDrift, BouncesOffTheTopEdgeAndKeepsGoingLeft) {
  int ticks = 0;
  while (frm.MoveDirection == 2 && ticks < 5000) {
    frm.tmr2_Timer();
    ++ticks;
  }
  ASSERT_EQ(frm.MoveDirection, 4) << "after " << ticks << " ticks";
  const POINT turned = Corner();
  EXPECT_LT(turned.y * Screen::TwipsPerPixelY(), 50 + 10 * Screen::TwipsPerPixelY());
  frm.tmr2_Timer();
  const POINT next = Corner();
  EXPECT_GT(next.y, turned.y);  // now down
  EXPECT_LT(next.x, turned.x);  // and still left
}

TEST_F(IdleDrift, BackFromIdleGoesHomeAndStopsAndKeepsTheDirection) {
  frm.MoveDirection = 6;
  frm.SetTop(3000);
  frm.SetLeft(3000);
  frm.tmr2_Timer();
  EXPECT_EQ(frm.MoveDirection, 6);

  Scripted().SetIdleMilliseconds(100);
  frm.CheckIdle();
  EXPECT_TRUE(frm.tmr2.Enabled());  // until its own next tick
  frm.tmr2_Timer();
  EXPECT_FALSE(frm.tmr2.Enabled());
  EXPECT_FLOAT_EQ(frm.Top(), frm.HomePosition[0]);
  EXPECT_FLOAT_EQ(frm.Left(), frm.HomePosition[1]);

  // The next idle period starts from home with 6; the right edge turns it to 4.
  Scripted().SetIdleMilliseconds(70'000);
  frm.CheckIdle();
  frm.tmr2_Timer();
  EXPECT_EQ(frm.MoveDirection, 4);
  EXPECT_GT(frm.Top(), frm.HomePosition[0]);
  EXPECT_LT(frm.Left(), frm.HomePosition[1]);
}

TEST_F(IdleDrift, NothingMovesWhileTheTimerIsOff) {
  Scripted().SetIdleMilliseconds(0);
  frm.CheckIdle();
  frm.tmr2_Timer();  // the one tick that stops it
  const POINT home = Corner();
  PumpFor(200);
  EXPECT_EQ(Corner().x, home.x);
  EXPECT_EQ(Corner().y, home.y);
}

TEST_F(IdleDrift, TheRealTimerDriftsAHiddenWindowToo) {
  frm.SetVisible(false);
  const POINT home = Corner();
  PumpFor(300);
  EXPECT_LT(Corner().x, home.x);
  EXPECT_LT(Corner().y, home.y);
}

}  // namespace
}  // namespace kelbo::testing
