// Where the window rests and how it is kept on the screen. Portable: the
// main window and the idle watcher apply these to the real window.
#pragma once

#include <algorithm>

#include "app/environment.h"

namespace kelbo {

// A window's place in twips, as the toolkit reports it.
struct WindowPlace {
  float top, left;
};

// Home: the work area's right edge, and `bottomGap` twips above its bottom
// edge, so that the disc stays clear of a taskbar on any side; in twips,
// from the work area in pixels.
constexpr WindowPlace HomeCorner(PixelArea work, double twipsPerPixelX, double twipsPerPixelY,
                                 float width, float height, float bottomGap) {
  return {static_cast<float>(work.bottom * twipsPerPixelY) - height - bottomGap,
          static_cast<float>(work.right * twipsPerPixelX) - width};
}

// The nearest place at which the whole window lies on the screen; a window
// larger than the screen keeps its top-left corner on it.
constexpr WindowPlace OnScreen(WindowPlace place, float screenWidth, float screenHeight,
                               float width, float height) {
  return {std::max(0.0f, std::min(place.top, screenHeight - height)),
          std::max(0.0f, std::min(place.left, screenWidth - width))};
}

}  // namespace kelbo
