#include "ui/twips.h"

#include <cmath>

namespace kelbo {

int TwipsToPixels(double twips, double twipsPerPixel) {
  // The default rounding mode rounds halves to even.
  return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

int PointsToPixels(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

}  // namespace kelbo
