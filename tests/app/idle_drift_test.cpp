// The idle drift on the real main window, with the idle time scripted.
#include <gtest/gtest.h>

#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"
#include "ui/screen.h"

namespace kelbo::testing {
namespace {

class IdleDrift : public ::testing::Test {
 protected:
  void SetUp() override {
    frm.Load();
    Scripted().SetIdleMilliseconds(61'000);
    frm.CheckIdle();
    ASSERT_TRUE(frm.Idle().DriftTimer().Enabled());
  }
  POINT Corner() const {
    RECT r;
    ::GetWindowRect(frm.hWnd(), &r);
    return {r.left, r.top};
  }
  Direction direction() { return frm.Idle().MoveDirection(); }
  TwipsPoint home() { return frm.Idle().Home(); }
  Owned<FrmMain> frm;
};

TEST_F(IdleDrift, FirstTickFromHomeGoesUpLeft) {
  const POINT start = Corner();
  frm.Idle().DriftTimer().Fire();
  // The right edge is touched, but up-left does not head into it.
  EXPECT_EQ(direction(), Direction::UpLeft);
  const POINT now = Corner();
  // 10 twips up and left of home (846, 557 at 96 DPI), in whole pixels.
  EXPECT_EQ(now.x, 845);
  EXPECT_EQ(now.y, 556);
  EXPECT_LT(now.x, start.x);
  EXPECT_LT(now.y, start.y);
}

TEST_F(IdleDrift, BouncesOffTheTopEdgeAndKeepsGoingLeft) {
  int ticks = 0;
  while (direction() == Direction::UpLeft && ticks < 5000) {
    frm.Idle().DriftTimer().Fire();
    ++ticks;
  }
  ASSERT_EQ(direction(), Direction::DownLeft) << "after " << ticks << " ticks";
  const POINT turned = Corner();
  EXPECT_LE(turned.y, 13);  // within a step (10 twips) of 50 twips from the top, in pixels
  frm.Idle().DriftTimer().Fire();
  const POINT next = Corner();
  EXPECT_GT(next.y, turned.y);  // now down
  EXPECT_LT(next.x, turned.x);  // and still left
}

TEST_F(IdleDrift, BackFromIdleGoesHomeAndStopsAndKeepsTheDirection) {
  frm.Idle().SetMoveDirection(Direction::DownRight);
  frm.MoveTo(3000, 3000);
  frm.Idle().DriftTimer().Fire();
  EXPECT_EQ(direction(), Direction::DownRight);

  Scripted().SetIdleMilliseconds(100);
  frm.CheckIdle();
  EXPECT_TRUE(frm.Idle().DriftTimer().Enabled());  // until its own next tick
  frm.Idle().DriftTimer().Fire();
  EXPECT_FALSE(frm.Idle().DriftTimer().Enabled());
  EXPECT_FLOAT_EQ(frm.Top(), home().top);
  EXPECT_FLOAT_EQ(frm.Left(), home().left);

  // The next idle period starts from home going down-right; the right edge
  // turns it down-left.
  Scripted().SetIdleMilliseconds(70'000);
  frm.CheckIdle();
  frm.Idle().DriftTimer().Fire();
  EXPECT_EQ(direction(), Direction::DownLeft);
  EXPECT_GT(frm.Top(), home().top);
  EXPECT_LT(frm.Left(), home().left);
}

TEST_F(IdleDrift, NothingMovesWhileTheTimerIsOff) {
  Scripted().SetIdleMilliseconds(0);
  frm.CheckIdle();
  frm.Idle().DriftTimer().Fire();  // the one tick that stops it
  EXPECT_FALSE(frm.Idle().DriftTimer().Enabled());
  const POINT start = Corner();
  frm.Idle().DriftTimer().Fire();
  EXPECT_EQ(Corner().x, start.x);
  EXPECT_EQ(Corner().y, start.y);
}

TEST_F(IdleDrift, AHiddenWindowDriftsToo) {
  frm.SetVisible(false);
  const POINT start = Corner();
  frm.Idle().DriftTimer().Fire();
  EXPECT_LT(Corner().x, start.x);
  EXPECT_LT(Corner().y, start.y);
}

// A screen change as the window system reports it. The screen itself keeps
// its size here; what is tested is that the clock follows where home is.
TEST_F(IdleDrift, AScreenChangeWhileDriftingKeepsTheDiscOnTheScreen) {
  frm.MoveTo(frm.GetScale().ScreenWidth() + 5000,
             frm.GetScale().ScreenHeight() + 5000);  // as if the screen shrank
  ::SendMessageW(frm.hWnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  RECT r;
  ::GetWindowRect(frm.hWnd(), &r);
  EXPECT_LE(r.right, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(r.bottom, ::GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(frm.Idle().DriftTimer().Enabled());  // and it drifts on from there
}

TEST(ScreenChange, AClockAtRestOrInTheTrayGoesToTheNewHome) {
  for (bool inTray : {false, true}) {
    Owned<FrmMain> frm;
    frm.Load();
    frm.Show();
    if (inTray) frm.imgMin_Click();
    frm.MoveTo(0, 0);  // where an old, larger screen's home might have been
    ::SendMessageW(frm.hWnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_FLOAT_EQ(frm.Left(), frm.Idle().Home().left) << inTray;
    EXPECT_FLOAT_EQ(frm.Top(), frm.Idle().Home().top) << inTray;
    RECT r;
    ::GetWindowRect(frm.hWnd(), &r);
    EXPECT_EQ(r.right, ::GetSystemMetrics(SM_CXSCREEN)) << inTray;
    if (inTray) {
      frm.mnuShow_Click();
      ::GetWindowRect(frm.hWnd(), &r);
      EXPECT_EQ(r.right, ::GetSystemMetrics(SM_CXSCREEN));
    }
  }
}

}  // namespace
}  // namespace kelbo::testing
