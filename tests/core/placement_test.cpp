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
    PixelRect work;
    double twipsPerPixel;
    TwipsPoint home;
  } cases[] = {
      {"none", {0, 0, 1024, 768}, 15, {.left = 12690, .top = 8350}},
      {"bottom", {0, 0, 1024, 720}, 15, {.left = 12690, .top = 7630}},
      {"right", {0, 0, 976, 768}, 15, {.left = 11970, .top = 8350}},
      {"top", {0, 48, 1024, 768}, 15, {.left = 12690, .top = 8350}},
      {"left", {48, 0, 1024, 768}, 15, {.left = 12690, .top = 8350}},
      {"none, 144 DPI", {0, 0, 1536, 1152}, 10, {.left = 12690, .top = 8350}},
      {"bottom, 144 DPI", {0, 0, 1536, 1080}, 10, {.left = 12690, .top = 7630}},
      {"right, 144 DPI", {0, 0, 1464, 1152}, 10, {.left = 11970, .top = 8350}},
      {"top, 144 DPI", {0, 72, 1536, 1152}, 10, {.left = 12690, .top = 8350}},
      {"left, 144 DPI", {72, 0, 1536, 1152}, 10, {.left = 12690, .top = 8350}},
      {"800 x 600", {0, 0, 800, 600}, 15, {.left = 9330, .top = 5830}},
      {"smaller than the disc", {0, 0, 133, 133}, 15, {.left = -675, .top = -1175}},
  };
  for (const auto& c : cases) {
    const TwipsPoint home = HomeCorner(c.work, c.twipsPerPixel, c.twipsPerPixel, 2670, 2670, 500);
    EXPECT_EQ(home.top, c.home.top) << c.taskbar;
    EXPECT_EQ(home.left, c.home.left) << c.taskbar;
  }
}

TEST(ClipToScreen, AWorkAreaReadBeforeTheScreenShrankStaysOnTheNewOne) {
  const struct {
    const char* what;
    PixelRect work;
    int screenWidth, screenHeight;
    PixelRect clipped;
  } cases[] = {
      {"on the screen", {0, 0, 1024, 720}, 1024, 768, {0, 0, 1024, 720}},
      {"the screen shrank", {0, 0, 1024, 720}, 800, 600, {0, 0, 800, 600}},
      {"taskbar on the right, the screen narrower", {0, 0, 976, 768}, 800, 768, {0, 0, 800, 768}},
  };
  for (const auto& c : cases) {
    const PixelRect clipped = ClipToScreen(c.work, c.screenWidth, c.screenHeight);
    EXPECT_EQ(clipped.left, c.clipped.left) << c.what;
    EXPECT_EQ(clipped.top, c.clipped.top) << c.what;
    EXPECT_EQ(clipped.right, c.clipped.right) << c.what;
    EXPECT_EQ(clipped.bottom, c.clipped.bottom) << c.what;
  }
}

TEST(OnScreen, PullsAWindowBackOntoAScreenThatShrank) {
  const struct {
    const char* where;
    TwipsPoint at, kept;
  } cases[] = {
      {"inside stays", {.left = 2000, .top = 1000}, {.left = 2000, .top = 1000}},
      {"past the right and bottom", {.left = 13000, .top = 9000}, {.left = 9330, .top = 6330}},
      {"above and left", {.left = -10, .top = -50}, {.left = 0, .top = 0}},
  };
  for (const auto& c : cases) {
    const TwipsPoint kept = OnScreen(c.at, 12000, 9000, 2670, 2670);
    EXPECT_EQ(kept.top, c.kept.top) << c.where;
    EXPECT_EQ(kept.left, c.kept.left) << c.where;
  }
  // Larger than the screen: the top-left corner stays on it.
  const TwipsPoint big = OnScreen({.left = 500, .top = 500}, 2000, 2000, 2670, 2670);
  EXPECT_EQ(big.top, 0);
  EXPECT_EQ(big.left, 0);
}

}  // namespace
}  // namespace kelbo
