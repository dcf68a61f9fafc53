// Where the window rests and how it is kept on the screen. Portable: the
// main window and the idle watcher apply these to the real window.
#pragma once

#include <algorithm>

namespace kelbo {

// A window's place in twips, as the toolkit reports it.
struct WindowPlace {
  float top, left;
};

// The bottom-right corner of the screen, `bottomGap` twips above its bottom
// edge; all in twips.
constexpr WindowPlace HomeCorner(float screenWidth, float screenHeight, float width, float height,
                                 float bottomGap) {
  return {screenHeight - height - bottomGap, screenWidth - width};
}

// The nearest place at which the whole window lies on the screen; a window
// larger than the screen keeps its top-left corner on it.
constexpr WindowPlace OnScreen(WindowPlace place, float screenWidth, float screenHeight,
                               float width, float height) {
  return {std::max(0.0f, std::min(place.top, screenHeight - height)),
          std::max(0.0f, std::min(place.left, screenWidth - width))};
}

}  // namespace kelbo
