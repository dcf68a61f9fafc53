#include "app/region_box.h"

#include "ui/twips.h"

namespace kelbo {

PixelBox EllipseBox(double widthTwips, double heightTwips, double twipsPerPixelX,
                    double twipsPerPixelY) {
  constexpr int kInset = 2;
  const int width = TwipsToPixels(widthTwips, twipsPerPixelX);
  const int height = TwipsToPixels(heightTwips, twipsPerPixelY);
  return {kInset, kInset, width - kInset, height - kInset};
}

}  // namespace kelbo
