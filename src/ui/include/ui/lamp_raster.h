// The pixels of a lamp: a filled ellipse with an outline, anti-aliased
// against the background. Portable.
#pragma once

#include <cstdint>
#include <vector>

namespace kelbo {

struct LampLook {
  std::uint32_t fill;        // 0x00BBGGRR
  std::uint32_t outline;     // 0x00BBGGRR
  std::uint32_t background;  // 0x00BBGGRR
  double outlineWidth;       // pixels
  bool operator==(const LampLook&) const = default;
};

// width x height pixels, rows top-down, each 0x00RRGGBB as a 32-bit DIB
// holds it. Every pixel's colour is its covered share of fill, outline and
// background, sampled 4 x 4 times.
std::vector<std::uint32_t> RasterizeLamp(int width, int height, const LampLook& look);

// The rasters a form's lamps are drawn from, each made once. The lamps share
// one size and flip between two colours, so a lamp that changes costs a copy
// to the screen, not a rasterization (some 35 microseconds each, every
// second). A size or look not seen before is added; past a handful (the DPI
// or the colours changed, several times) all are forgotten and made again.
class LampRasters {
 public:
  // Valid until the next call.
  const std::vector<std::uint32_t>& Get(int width, int height, const LampLook& look);

 private:
  struct Raster {
    int width;
    int height;
    LampLook look;
    std::vector<std::uint32_t> pixels;
  };
  std::vector<Raster> rasters_;
};

}  // namespace kelbo
