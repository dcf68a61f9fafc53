#include "app/region_box.h"

#include "ui/twips.h"

namespace kelbo {

PixelRect EllipseBox(double widthTwips, double heightTwips, double twipsPerPixelX,
                     double twipsPerPixelY) {
  constexpr int kInset = 2;
  const int width = TwipsToPixels(widthTwips, twipsPerPixelX);
  const int height = TwipsToPixels(heightTwips, twipsPerPixelY);
  return {.left = kInset, .top = kInset, .right = width - kInset, .bottom = height - kInset};
}

}  // namespace kelbo
