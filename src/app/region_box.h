// The box of the elliptic outline that cuts the main window. Portable.
#pragma once

namespace kelbo {

struct PixelBox {
  int left, top, right, bottom;
  bool operator==(const PixelBox&) const = default;
};

// The ellipse's bounding box in pixels relative to the window's corner: the
// window's size converted to whole pixels, inset 2 pixels on every side.
PixelBox EllipseBox(double widthTwips, double heightTwips, double twipsPerPixelX,
                    double twipsPerPixelY);

}  // namespace kelbo
