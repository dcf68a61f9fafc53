// Opacity and the topmost band on a real window.
#include <gtest/gtest.h>

#include "app_helpers.h"
#include "scripted_environment.h"
#include "main_window/frm_main.h"
#include "app/settings.h"
#include "app/window_effects.h"

namespace kelbo::testing {
namespace {

class WindowEffects : public ::testing::Test {
 protected:
  void SetUp() override { frm.Load(); }
  Owned<FrmMain> frm;
};

TEST_F(WindowEffects, LevelsInRangeSetTheOpacity) {
  for (int level : {0, 255, 128, 128, 1}) {
    SetWindowTransparency(frm.hWnd(), static_cast<std::int16_t>(level));
    EXPECT_TRUE(Layered(frm.hWnd()));
    EXPECT_EQ(Alpha(frm.hWnd()), level);
  }
  EXPECT_TRUE(Scripted().messages.empty());
  EXPECT_EQ(settings::TransparencyLevel, 225);  // the routine never stores a level
}

TEST_F(WindowEffects, LevelsOutOfRangeAreReportedAndChangeNothing) {
  SetWindowTransparency(frm.hWnd(), 90);
  for (int level : {256, -1, 32767, -32768}) {
    SetWindowTransparency(frm.hWnd(), static_cast<std::int16_t>(level));
    EXPECT_TRUE(Layered(frm.hWnd())) << level;
    EXPECT_EQ(Alpha(frm.hWnd()), 90) << level;
  }
  ASSERT_EQ(Scripted().messages.size(), 4u);
  for (const std::string& text : Scripted().messages)
    EXPECT_EQ(text, "Overflow Source : KelboTime");
}

TEST_F(WindowEffects, TopmostJoinsAndLeavesTheBandInPlace) {
  frm.Show();
  EXPECT_TRUE(Topmost(frm.hWnd()));
  RECT before;
  ::GetWindowRect(frm.hWnd(), &before);
  SetWindowTopmost(frm.hWnd(), false);
  EXPECT_FALSE(Topmost(frm.hWnd()));
  SetWindowTopmost(frm.hWnd(), true);
  EXPECT_TRUE(Topmost(frm.hWnd()));
  RECT after;
  ::GetWindowRect(frm.hWnd(), &after);
  EXPECT_TRUE(::EqualRect(&before, &after));
}

}  // namespace
}  // namespace kelbo::testing
