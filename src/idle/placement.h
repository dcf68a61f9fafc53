// Where the window rests and how it is kept on the screen. Portable: the
// main window and the idle watcher apply these to the real window.
#pragma once

#include <algorithm>

#include "ui/geometry.h"

namespace kelbo {

// The work area as far as it lies on the screen. A work area read before the
// screen shrank (Wine keeps the one it read at start) must not put home off
// the new screen.
constexpr PixelRect ClipToScreen(PixelRect work, int screenWidth, int screenHeight) {
  return {.left = std::min(work.left, screenWidth),
          .top = std::min(work.top, screenHeight),
          .right = std::min(work.right, screenWidth),
          .bottom = std::min(work.bottom, screenHeight)};
}

// Home: the work area's right edge, and `bottomGap` twips above its bottom
// edge, so that the disc stays clear of a taskbar on any side; in twips,
// from the work area in pixels.
constexpr TwipsPoint HomeCorner(PixelRect work, double twipsPerPixelX, double twipsPerPixelY,
                                float width, float height, float bottomGap) {
  return {.left = static_cast<float>(work.right * twipsPerPixelX) - width,
          .top = static_cast<float>(work.bottom * twipsPerPixelY) - height - bottomGap};
}

// The nearest place at which the whole window lies on the screen; a window
// larger than the screen keeps its top-left corner on it.
constexpr TwipsPoint OnScreen(TwipsPoint place, float screenWidth, float screenHeight, float width,
                              float height) {
  return {.left = std::max(0.0f, std::min(place.left, screenWidth - width)),
          .top = std::max(0.0f, std::min(place.top, screenHeight - height))};
}

}  // namespace kelbo
