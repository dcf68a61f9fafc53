// The box of the elliptic outline that cuts the main window. Portable.
#pragma once

#include "ui/geometry.h"

namespace kelbo {

// The ellipse's bounding box in pixels relative to the window's corner: the
// window's size converted to whole pixels, inset 2 pixels on every side.
PixelRect EllipseBox(double widthTwips, double heightTwips, double twipsPerPixelX,
                     double twipsPerPixelY);

}  // namespace kelbo
