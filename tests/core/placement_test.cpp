#include "idle/placement.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(HomeCorner, BottomRightOfTheWorkAreaAboveTheGap) {
  // A 1024 x 768 screen at 96 DPI (15 twips a pixel) with a 48-pixel
  // taskbar on each side in turn, and the same at 144 DPI (10 twips a
  // pixel) with a 72-pixel one.
  const struct {
    const char* taskbar;
    PixelArea work;
    double twipsPerPixel;
    WindowPlace home;
  } cases[] = {
      {"none", {0, 0, 1024, 768}, 15, {8350, 12690}},
      {"bottom", {0, 0, 1024, 720}, 15, {7630, 12690}},
      {"right", {0, 0, 976, 768}, 15, {8350, 11970}},
      {"top", {0, 48, 1024, 768}, 15, {8350, 12690}},
      {"left", {48, 0, 1024, 768}, 15, {8350, 12690}},
      {"none, 144 DPI", {0, 0, 1536, 1152}, 10, {8350, 12690}},
      {"bottom, 144 DPI", {0, 0, 1536, 1080}, 10, {7630, 12690}},
      {"right, 144 DPI", {0, 0, 1464, 1152}, 10, {8350, 11970}},
      {"top, 144 DPI", {0, 72, 1536, 1152}, 10, {8350, 12690}},
      {"left, 144 DPI", {72, 0, 1536, 1152}, 10, {8350, 12690}},
      {"800 x 600", {0, 0, 800, 600}, 15, {5830, 9330}},
      {"smaller than the disc", {0, 0, 133, 133}, 15, {-1175, -675}},
  };
  for (const auto& c : cases) {
    const WindowPlace home = HomeCorner(c.work, c.twipsPerPixel, c.twipsPerPixel, 2670, 2670, 500);
    EXPECT_EQ(home.top, c.home.top) << c.taskbar;
    EXPECT_EQ(home.left, c.home.left) << c.taskbar;
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
