#include "idle/placement.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(HomeCorner, BottomRightAboveTheGap) {
  const struct {
    float screenWidth, screenHeight, side;
    WindowPlace home;
  } cases[] = {
      {15360, 11520, 2670, {8350, 12690}},  // 1024 x 768 at 96 DPI
      {12000, 9000, 2670, {5830, 9330}},    // 800 x 600
      {2000, 2000, 2670, {-1170, -670}},    // a screen smaller than the disc
  };
  for (const auto& c : cases) {
    const WindowPlace home = HomeCorner(c.screenWidth, c.screenHeight, c.side, c.side, 500);
    EXPECT_EQ(home.top, c.home.top) << c.screenWidth;
    EXPECT_EQ(home.left, c.home.left) << c.screenWidth;
  }
}

TEST(OnScreen, PullsAWindowBackOntoAScreenThatShrank) {
  const struct {
    const char* where;
    WindowPlace at, kept;
  } cases[] = {
      {"inside stays", {1000, 2000}, {1000, 2000}},
      {"past the right and bottom", {9000, 13000}, {9000 - 2670, 12000 - 2670}},
      {"above and left", {-50, -10}, {0, 0}},
  };
  for (const auto& c : cases) {
    const WindowPlace kept = OnScreen(c.at, 12000, 9000, 2670, 2670);
    EXPECT_EQ(kept.top, c.kept.top) << c.where;
    EXPECT_EQ(kept.left, c.kept.left) << c.where;
  }
  // Larger than the screen: the top-left corner stays on it.
  const WindowPlace big = OnScreen({500, 500}, 2000, 2000, 2670, 2670);
  EXPECT_EQ(big.top, 0);
  EXPECT_EQ(big.left, 0);
}

}  // namespace
}  // namespace kelbo
