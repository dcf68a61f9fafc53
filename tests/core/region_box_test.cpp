#include "app/region_box.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(EllipseBox, InsetTwoPixelsFromTheWindowInWholePixels) {
  const struct {
    double width, height, perPixelX, perPixelY;
    PixelRect box;
  } cases[] = {
      {2670, 2670, 15, 15, {2, 2, 176, 176}},
      {2670, 2670, 12, 12, {2, 2, 220, 220}},  // 222.5 rounds to 222
      {2670, 2670, 7.5, 7.5, {2, 2, 354, 354}},
      {2670, 1335, 15, 15, {2, 2, 176, 87}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EllipseBox(c.width, c.height, c.perPixelX, c.perPixelY), c.box) << c.perPixelX;
}

}  // namespace
}  // namespace kelbo
