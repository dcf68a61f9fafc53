// Where the window rests and how it is kept on the screen. Portable: the
// main window and the idle watcher apply these to the real window.
#pragma once

#include <algorithm>

#include "app/environment.h"

namespace kelbo {

// A window's place in twips, as the toolkit reports it: left first, as in
// Form::Bounds and Form::MoveTo. Built with named fields ({.left = ...,
// .top = ...}), whose order the compiler checks.
struct WindowPlace {
  float left, top;
};

// The work area as far as it lies on the screen. A work area read before the
// screen shrank (Wine keeps the one it read at start) must not put home off
// the new screen.
constexpr PixelArea ClipToScreen(PixelArea work, int screenWidth, int screenHeight) {
  return {std::min(work.left, screenWidth), std::min(work.top, screenHeight),
          std::min(work.right, screenWidth), std::min(work.bottom, screenHeight)};
}

// Home: the work area's right edge, and `bottomGap` twips above its bottom
// edge, so that the disc stays clear of a taskbar on any side; in twips,
// from the work area in pixels.
constexpr WindowPlace HomeCorner(PixelArea work, double twipsPerPixelX, double twipsPerPixelY,
                                 float width, float height, float bottomGap) {
  return {.left = static_cast<float>(work.right * twipsPerPixelX) - width,
          .top = static_cast<float>(work.bottom * twipsPerPixelY) - height - bottomGap};
}

// The nearest place at which the whole window lies on the screen; a window
// larger than the screen keeps its top-left corner on it.
constexpr WindowPlace OnScreen(WindowPlace place, float screenWidth, float screenHeight,
                               float width, float height) {
  return {.left = std::max(0.0f, std::min(place.left, screenWidth - width)),
          .top = std::max(0.0f, std::min(place.top, screenHeight - height))};
}

}  // namespace kelbo
