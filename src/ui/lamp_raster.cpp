#include "ui/lamp_raster.h"

#include <algorithm>
#include <cmath>

namespace kelbo {

namespace {

constexpr int kSamples = 4;  // per axis

struct Channels {
  double r = 0, g = 0, b = 0;
  void Add(std::uint32_t colour, double weight) {
    r += weight * (colour & 0xFF);
    g += weight * ((colour >> 8) & 0xFF);
    b += weight * ((colour >> 16) & 0xFF);
  }
  std::uint32_t ToDibPixel() const {
    auto channel = [](double v) {
      return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
    };
    return (channel(r) << 16) | (channel(g) << 8) | channel(b);
  }
};

bool Inside(double dx, double dy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return false;
  return (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
}

}  // namespace

std::vector<std::uint32_t> RasterizeLamp(int width, int height, const LampLook& look) {
  if (width <= 0 || height <= 0) return {};
  const auto columns = static_cast<std::size_t>(width);
  std::vector<std::uint32_t> pixels(columns * static_cast<std::size_t>(height));
  const double rx = width / 2.0, ry = height / 2.0;
  const double innerRx = rx - look.outlineWidth, innerRy = ry - look.outlineWidth;
  const double weight = 1.0 / (kSamples * kSamples);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Channels sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double dx = x + (sx + 0.5) / kSamples - rx;
          const double dy = y + (sy + 0.5) / kSamples - ry;
          const std::uint32_t colour = !Inside(dx, dy, rx, ry)            ? look.background
                                       : Inside(dx, dy, innerRx, innerRy) ? look.fill
                                                                          : look.outline;
          sum.Add(colour, weight);
        }
      }
      pixels[static_cast<std::size_t>(y) * columns + static_cast<std::size_t>(x)] =
          sum.ToDibPixel();
    }
  }
  return pixels;
}

const std::vector<std::uint32_t>& LampRasters::Get(int width, int height, const LampLook& look) {
  for (const Raster& r : rasters_)
    if (r.width == width && r.height == height && r.look == look) return r.pixels;
  constexpr std::size_t kKept = 8;
  if (rasters_.size() >= kKept) rasters_.clear();
  rasters_.push_back({width, height, look, RasterizeLamp(width, height, look)});
  return rasters_.back().pixels;
}

}  // namespace kelbo
