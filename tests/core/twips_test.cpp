#include "ui/twips.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(Twips, ConvertToNearestPixelHalvesToEven) {
  const struct {
    double twips, perPixel;
    int pixels;
  } cases[] = {
      {2670, 15, 178}, {2670, 12, 222},  // 222.5: halves go to the even neighbour
      {2682, 12, 224},                   // 223.5 goes up to 224
      {8350, 15, 557}, {12690, 15, 846}, {7.5, 15, 0},
      {22.5, 15, 2},   {-7.5, 15, 0},    {1440, 7.5, 192},
  };
  for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.perPixel), c.pixels) << c.twips;
}

TEST(Twips, FontPoints) {
  EXPECT_EQ(PointsToPixels(8.25, 96), 11);
  EXPECT_EQ(PointsToPixels(9.75, 96), 13);
  EXPECT_EQ(PointsToPixels(8.25, 192), 22);
}

}  // namespace
}  // namespace kelbo
