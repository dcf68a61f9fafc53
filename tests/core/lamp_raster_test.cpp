#include "ui/lamp_raster.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelbo {
namespace {

constexpr LampLook kLook{0x00FF8080, 0x00000000, 0x006666FF, 2.0};
// The same colours as a DIB holds them, 0x00RRGGBB.
constexpr std::uint32_t kFill = 0x008080FF, kOutline = 0x00000000, kBackground = 0x00FF6666;

TEST(LampRaster, CentreIsFillCornersAreBackgroundRimIsOutline) {
  for (int size : {17, 34, 8}) {
    const auto pixels = RasterizeLamp(size, size, kLook);
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; };
    EXPECT_EQ(at(size / 2, size / 2), kFill) << size;
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
      EXPECT_EQ(at(x, y), kBackground) << size << " corner " << x << "," << y;
    if (size >= 17) {
      EXPECT_EQ(at(size / 2, 1), kOutline) << size;  // inside the 2-pixel rim
    }
  }
}

TEST(LampRaster, EdgePixelsBlendAndTheShapeIsSymmetric) {
  const int size = 17;
  const auto pixels = RasterizeLamp(size, size, kLook);
  auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; };
  int blended = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const std::uint32_t p = at(x, y);
      EXPECT_EQ(p, at(size - 1 - x, y)) << x << "," << y;
      EXPECT_EQ(p, at(y, x)) << x << "," << y;
      blended += p != kFill && p != kOutline && p != kBackground;
    }
  }
  EXPECT_GT(blended, 8);  // anti-aliased, not stair-stepped
}

TEST(LampRaster, NothingForAnEmptyBox) {
  EXPECT_TRUE(RasterizeLamp(0, 17, kLook).empty());
  EXPECT_TRUE(RasterizeLamp(17, -1, kLook).empty());
  const auto tiny = RasterizeLamp(2, 2, kLook);  // all rim, no fill left
  for (std::uint32_t p : tiny) EXPECT_NE(p, kFill);
}

TEST(LampRasters, EachSizeAndLookGetsItsOwnPixelsAcrossForgetting) {
  const LampLook lit = kLook;
  const LampLook unlit{0x00404080, 0x00000000, 0x006666FF, 2.0};
  const LampLook otherRim{0x00FF8080, 0x00FFFFFF, 0x006666FF, 2.0};
  struct Ask {
    int width, height;
    LampLook look;
  };
  std::vector<Ask> asks{{17, 17, lit}, {17, 17, unlit}, {17, 17, lit},
                        {17, 12, lit}, {12, 17, lit},   {17, 17, otherRim}};
  // More sizes than are kept, then the first ones again.
  for (int side = 20; side < 30; ++side) asks.push_back({side, side, unlit});
  asks.push_back({17, 17, lit});
  asks.push_back({17, 17, unlit});
  LampRasters rasters;
  for (const Ask& a : asks) {
    SCOPED_TRACE(testing::Message() << a.width << "x" << a.height << " fill " << a.look.fill);
    EXPECT_EQ(rasters.Get(a.width, a.height, a.look), RasterizeLamp(a.width, a.height, a.look));
  }
}

}  // namespace
}  // namespace kelbo
