// Twips and pixels. Portable.
#pragma once

namespace kelbo {

inline constexpr int kTwipsPerInch = 1440;

// Twips per pixel at a DPI (15 at 96 DPI).
constexpr double TwipsPerPixel(int dpi) {
  return static_cast<double>(kTwipsPerInch) / dpi;
}

// Whole pixels for a length in twips: nearest, an exact half to the even
// neighbour (2670 twips at 12 twips per pixel is 222).
int TwipsToPixels(double twips, double twipsPerPixel);

// Points to pixels for a font height, nearest (8.25 pt at 96 DPI is 11 px).
int PointsToPixels(double points, int dpi);

}  // namespace kelbo
