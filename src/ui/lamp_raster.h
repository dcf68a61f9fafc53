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

}  // namespace kelbo
